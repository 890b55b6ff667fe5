#pragma once
// The up/down spin buttons beside an edit; they only report which half was clicked (or which
// arrow key was pressed while they have the focus).

#include <QWidget>

#include "editor/widgets/controls/control.h"

namespace morvelin {

class SpinButtons : public QWidget, public Control {
  Q_OBJECT
 public:
  explicit SpinButtons(QWidget* parent = nullptr);
  QWidget* Widget() override { return this; }

 signals:
  void UpClicked();
  void DownClicked();

 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent*) override;
  void mouseReleaseEvent(QMouseEvent*) override;
  void keyPressEvent(QKeyEvent*) override;

 private:
  int held_ = 0;  // 1 upper half, -1 lower half
};

}  // namespace morvelin
