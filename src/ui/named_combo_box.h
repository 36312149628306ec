// A combo box that keeps the name a screen reader gives it. On Linux Qt names a combo box by the
// text it shows, so a box being typed in is renamed with every key, and a list of stored names
// reads out their padding.
#pragma once

#include <QComboBox>
#include <functional>

namespace vella {

class NamedComboBox : public QComboBox {
    Q_OBJECT

  public:
    // `name` gives the box's accessible name whenever it is asked for.
    NamedComboBox(QWidget* parent, std::function<QString(const QComboBox&)> name);

    QString SpokenName() const { return name_(*this); }

  private:
    std::function<QString(const QComboBox&)> name_;
};

}  // namespace vella
