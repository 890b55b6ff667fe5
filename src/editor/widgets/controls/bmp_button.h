#pragma once
// A picture-style button: drawn in a normal or a pressed look chosen by the program (the button
// groups set the look; a click only reports itself). Serves picture, tool and push buttons.
// Tab reaches them (a click does not take the focus from an edit); Space and Enter press them.

#include <QWidget>

#include "editor/widgets/controls/control.h"

namespace morvelin {

// One picture set: the colours of the normal and the pressed look.
struct ButtonLook {
  QColor normalTop{0xc8, 0xc8, 0xc8};
  QColor normalBottom{0x96, 0x96, 0x96};
  QColor pressedTop{0x3a, 0x6f, 0x9e};
  QColor pressedBottom{0x1e, 0x45, 0x6a};
  QColor border{0x40, 0x40, 0x40};
  bool phaseGlyph = false;  // draw the phase-invert sign instead of a caption
  int radius = 3;
};

class BmpButton : public QWidget, public Control {
  Q_OBJECT
 public:
  explicit BmpButton(QWidget* parent = nullptr, ControlClass cls = ControlClass::BmpButton);

  QWidget* Widget() override { return this; }
  QString Caption() const override { return caption_; }
  void SetCaption(const QString& text) override;
  void SetCaptionColor(const QColor& color) override;
  QColor CaptionColor() const { return captionColor_; }

  bool Down() const { return down_; }
  void SetDown(bool down);
  const ButtonLook& Look() const { return look_; }
  void SetLook(const ButtonLook& look);

  QSize sizeHint() const override;
  // A press by the keyboard or an assistive tool: reported like a click of the mouse.
  void Click() { emit Clicked(); }

 signals:
  void Clicked();

 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent*) override;
  void mouseReleaseEvent(QMouseEvent*) override;
  void keyPressEvent(QKeyEvent*) override;
  void enterEvent(QEnterEvent*) override;
  void leaveEvent(QEvent*) override;

 private:
  QString caption_;
  QColor captionColor_{Qt::black};
  ButtonLook look_;
  bool down_ = false;
  bool held_ = false;
  bool hover_ = false;
};

}  // namespace morvelin
