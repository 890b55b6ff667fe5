#include "shell/link_window.h"

#include <QCloseEvent>

#include "platform/fixed_port_lister.h"
#include "platform/loopback_port.h"
#include "platform/qt_port_lister.h"
#include "platform/qt_serial_port.h"
#include "unit/virtual_unit.h"

namespace morvelin {

LinkWindow::LinkWindow(const PortChoice& ports, ParamStore& store, LinkUi& ui, TimerDrive drive,
                       QWidget* parent)
    : QWidget(parent) {
  setObjectName("Form3");
  setWindowTitle(QString::fromUtf8("系统"));
  if (ports.demo) {
    unit_ = std::make_unique<VirtualUnit>();
    port_ = std::make_unique<LoopbackPort>(*unit_, "DEMO");
    lister_ = std::make_unique<FixedPortLister>(std::vector<std::string>{"DEMO"});
  } else {
    port_ = std::make_unique<QtSerialPort>();
    if (ports.names.empty())
      lister_ = std::make_unique<QtPortLister>();
    else
      lister_ = std::make_unique<FixedPortLister>(ports.names);
  }
  link_ = std::make_unique<LinkController>(*port_, *lister_, store, ui, drive);
}

LinkWindow::~LinkWindow() {
  // The controller refers to the port and the unit: it goes first.
  link_.reset();
  port_.reset();
}

void LinkWindow::closeEvent(QCloseEvent* e) {
  hide();
  e->ignore();
}

}  // namespace morvelin
