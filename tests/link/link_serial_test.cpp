// The link over the real serial port to the simulated unit on a pseudo-terminal, in real time.

#include <gtest/gtest.h>

#include <QTest>

#include "link/link_controller.h"
#include "platform/fixed_port_lister.h"
#include "platform/qt_serial_port.h"
#include "support/recording_link_ui.h"
#include "unit/pty_unit_server.h"
#include "unit/virtual_unit.h"

namespace morvelin {
namespace {

TEST(LinkSerial, FullReadAndAnEditOverAPseudoTerminal) {
  VirtualUnit unit;
  unit.wordsPerReport = 40;  // blocks come in several reports, often together in one arrival
  for (int b = 0; b < 30; ++b)
    for (int i = 0; i < BlockLengths(b); ++i) unit.SetWord(b, i, (b * 131 + i * 7) % 65536);
  unit.SetModeName(7, "Karaoke");
  PtyUnitServer server(unit);
  std::string error;
  ASSERT_TRUE(server.Start(&error)) << error;

  QtSerialPort port;
  FixedPortLister lister({"/dev/morvelin-missing", server.SlavePath()});
  EditSelection sel;
  ParamStore store(sel);
  RecordingLinkUi ui;
  LinkController link(port, lister, store, ui);
  link.FillPortList();
  link.LinkBtnClick(LinkController::Button::LinkBtn);
  ASSERT_TRUE(QTest::qWaitFor([&] { return link.LinkOnline(); }, 20'000)) << ui.StatusCaption;
  EXPECT_TRUE(ui.Messages.empty());
  for (int b = 0; b < 30; ++b)
    for (int i = 0; i < BlockLengths(b); ++i)
      ASSERT_EQ(store.DeviceImage[b][i], unit.WordAt(b, i)) << b << ":" << i;
  EXPECT_EQ(store.Unit.ModeNames[7].substr(0, 7), "Karaoke");
  EXPECT_EQ(ui.StatusWindow.Percent, 100);

  store.SetParam(0x0016, 150);
  ASSERT_TRUE(QTest::qWaitFor([&] { return unit.WordAt(0, 22) == 150; }, 3000));
  // A keep-alive goes out after an idle second and is acknowledged.
  const int acks = ui.Acks;
  ASSERT_TRUE(QTest::qWaitFor([&] { return ui.Acks > acks + 1; }, 3000));
  EXPECT_TRUE(link.LinkOnline());
  link.LinkBtnClick(LinkController::Button::LinkBtn);
  EXPECT_FALSE(link.LinkOnline());
}

}  // namespace
}  // namespace morvelin
