#pragma once
// A drop-down list; ItemIndex changes by the program do not report, only the user's choices.

#include <QComboBox>

#include "editor/widgets/controls/control.h"

namespace morvelin {

class ComboBox : public QComboBox, public Control {
  Q_OBJECT
 public:
  explicit ComboBox(QWidget* parent = nullptr);
  QWidget* Widget() override { return this; }
  int ItemIndex() const { return currentIndex(); }
  void SetItemIndex(int index) { setCurrentIndex(index); }

 signals:
  void UserChanged(int index);

 protected:
  void wheelEvent(QWheelEvent*) override;
};

}  // namespace morvelin
