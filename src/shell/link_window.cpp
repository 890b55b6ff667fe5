#include "shell/link_window.h"

#include <QCloseEvent>

namespace morvelin {

LinkWindow::LinkWindow(const PortChoice& ports, ParamStore& store, LinkUi& ui, SteppedClock* clock,
                       QWidget* parent)
    : QWidget(parent), ports_(ports, nullptr, clock) {
  setObjectName("Form3");
  setWindowTitle(QString::fromUtf8("系统"));
  link_ = std::make_unique<LinkController>(ports_.Port(), ports_.Lister(), store, ui, TimerDrive::Qt, clock);
}

LinkWindow::~LinkWindow() {
  // The controller refers to the port and the unit: it goes first.
  link_.reset();
}

void LinkWindow::closeEvent(QCloseEvent* e) {
  hide();
  e->ignore();
}

}  // namespace morvelin
