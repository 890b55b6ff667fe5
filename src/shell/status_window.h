#pragma once
// TForm2: the stay-on-top status window shown while the link searches and transfers.

#include <QWidget>

#include "editor/widgets/form_components.h"
#include "link/link_ui.h"

namespace morvelin {

class Label;
class LedProgress;

class StatusWindow : public QWidget {
  Q_OBJECT
 public:
  explicit StatusWindow(QWidget* parent = nullptr);

  // Shows the link's status-window model; a hidden model hides the window.
  void Apply(const StatusWindowModel& model, bool bringToFront);
  const StatusWindowModel& Model() const { return model_; }
  const FormComponents& Components() const { return comps_; }

 protected:
  void closeEvent(QCloseEvent*) override;
  void showEvent(QShowEvent*) override;

 private:
  FormComponents comps_;
  Label* warn_;
  Label* link_;
  Label* com_;
  LedProgress* progress_;
  StatusWindowModel model_;
};

}  // namespace morvelin
