// A button that is a picture and nothing else, as the statistics chart beside the board: it
// looks as the picture does, marked while it has the keyboard's focus, and is pressed by a
// click, Space or Enter, and by a screen reader, as any button is.
#pragma once

#include <QAbstractButton>

namespace vella {

class PictureButton : public QAbstractButton {
    Q_OBJECT

  public:
    PictureButton(const QPixmap& picture, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QPixmap picture_;
    QPixmap scaled_;  // as painted, at the button's size
};

}  // namespace vella
