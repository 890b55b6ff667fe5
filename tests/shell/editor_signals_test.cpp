// The editor as a program ended by a signal: online against morvelin-unitsim on a
// pseudo-terminal, SIGTERM closes it as its window's close would, releasing the unit.

#include <gtest/gtest.h>
#include <signal.h>

#include <QProcess>

#include "link/frames.h"
#include "support/unitsim_process.h"
#include "unit/unit_simulator.h"

namespace morvelin {
namespace {

QString Line(const Bytes& frame) {
  return QString::fromStdString(ReceivedFrameLine(frame));
}

TEST(EditorSignals, TerminationReleasesTheUnitAndClosesNormally) {
  for (const int signal : {SIGTERM, SIGINT}) {
    SCOPED_TRACE(signal);
    UnitSimProcess sim;
    ASSERT_TRUE(sim.Start({"--log-frames"}));
    QProcess editor;
    editor.start(MORVELIN_BINARY_DIR "/src/morvelin", {"--port", sim.path});
    // Online: the first keep-alive follows the full read.
    ASSERT_TRUE(sim.WaitForLine(Line(LinkCodeFrame(KeepAlive)), 60'000)) << sim.lines.size() << " frames";
    ::kill(static_cast<pid_t>(editor.processId()), signal);
    ASSERT_TRUE(editor.waitForFinished(10'000));
    EXPECT_EQ(editor.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(editor.exitCode(), 0) << editor.readAllStandardError().toStdString();
    EXPECT_TRUE(sim.WaitForLine(Line(LinkCodeFrame(LinkRelease))));
  }
}

}  // namespace
}  // namespace morvelin
