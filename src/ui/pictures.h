// The program's pictures, compiled in as resources, at the layout's scale; and whether pegs are
// drawn with their colour's symbol, the player's choice that every window showing pegs follows.
#pragma once

#include <QIcon>
#include <QPixmap>

namespace vella {

class Layout;

class Pictures {
  public:
    Pictures(const Layout& layout, bool pegSymbols) : layout_(layout), pegSymbols_(pegSymbols) {}

    // A peg of colour 0..6; with peg symbols on, with its colour's symbol drawn on it.
    QPixmap Peg(int colorCode) const;
    QPixmap Empty() const;
    QPixmap StatsChart() const;

    bool PegSymbols() const { return pegSymbols_; }
    void SetPegSymbols(bool on) { pegSymbols_ = on; }

    static QIcon ProgramIcon();
    static QIcon StatsIcon();
    static QIcon LoginIcon();

  private:
    QPixmap Load(const QString& name) const;

    const Layout& layout_;
    bool pegSymbols_;
};

}  // namespace vella
