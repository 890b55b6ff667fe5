#pragma once
// An LED-style progress bar: a row of segments lit up to the percentage, with the number.

#include <QWidget>

#include "editor/widgets/controls/control.h"

namespace morvelin {

class LedProgress : public QWidget, public Control {
  Q_OBJECT
 public:
  explicit LedProgress(QWidget* parent = nullptr);
  QWidget* Widget() override { return this; }
  int Percent() const { return percent_; }
  void SetPercent(int percent);

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  int percent_ = 0;
};

}  // namespace morvelin
