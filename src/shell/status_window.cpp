#include "shell/status_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>

#include "editor/widgets/controls/desk_style.h"
#include "editor/widgets/controls/led_progress.h"
#include "editor/widgets/controls/text_controls.h"
#include "link/status_texts.h"

namespace morvelin {

namespace {
template <class T>
T* Named(T* w, const char* name, FormComponents& comps) {
  w->setObjectName(name);
  comps.Add(w);
  return w;
}
}  // namespace

StatusWindow::StatusWindow(QWidget* parent)
    : QWidget(parent,
              Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
  setObjectName("Form2");
  setWindowTitle(QString::fromUtf8(kStatusWindowCaption.chinese));
  setFixedSize(360, 150);
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, desk::kWindow);
  setPalette(pal);
  warn_ = Named(new Label(this), "WarnLabel", comps_);
  warn_->setGeometry(12, 10, 336, 22);
  warn_->setAlignment(Qt::AlignCenter);
  warn_->SetCaption(QString::fromUtf8(kStatusWindowWait.chinese));
  link_ = Named(new Label(this, ControlClass::StyledLabel), "LinkLabel", comps_);
  link_->setGeometry(12, 38, 336, 24);
  link_->setAlignment(Qt::AlignCenter);
  link_->setFont(desk::Font(14, true));
  progress_ = Named(new LedProgress(this), "RzProgressStatus1", comps_);
  progress_->setGeometry(12, 70, 336, 28);
  com_ = Named(new Label(this, ControlClass::StyledLabel), "ComLabel", comps_);
  com_->setGeometry(12, 108, 336, 22);
  com_->setAlignment(Qt::AlignCenter);
}

void StatusWindow::Apply(const StatusWindowModel& model, bool bringToFront) {
  model_ = model;
  if (!model.Caption.empty()) setWindowTitle(QString::fromStdString(model.Caption));
  if (!model.WaitText.empty()) warn_->SetCaption(QString::fromStdString(model.WaitText));
  link_->SetCaption(QString::fromStdString(model.StatusCopy));
  progress_->SetPercent(model.Percent);
  com_->SetCaption(QString::fromStdString(model.PortName));
  if (model.Visible) {
    show();
    // Platforms without window stacking (offscreen) only complain about raise().
    if (bringToFront && QGuiApplication::platformName() != "offscreen") raise();
  } else {
    hide();
  }
}

void StatusWindow::showEvent(QShowEvent* e) {
  if (QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen())
    move(s->availableGeometry().center() - rect().center());
  QWidget::showEvent(e);
}

void StatusWindow::closeEvent(QCloseEvent* e) {
  // Closing only hides it; the link shows it again when needed.
  hide();
  e->ignore();
}

}  // namespace morvelin
