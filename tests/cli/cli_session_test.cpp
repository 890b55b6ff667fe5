// The command line in process against the built-in unit, and as a program against the
// simulator on a pseudo-terminal.

#include "cli/cli_session.h"

#include <gtest/gtest.h>
#include <signal.h>

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <sstream>

#include "graphs/block_curve.h"
#include "graphs/curve_layout.h"
#include "link/frames.h"
#include "params/block_table.h"
#include "params/scales.h"
#include "params/value_tables.h"
#include "platform/stepped_clock.h"
#include "support/unitsim_process.h"
#include "unit/virtual_unit.h"

namespace morvelin {
namespace {

// The built-in unit's link runs on the clock; the real ports keep the system's time.
CliOptions Options(std::vector<std::string> ports, CliCommand command, SteppedClock* clock = nullptr) {
  CliOptions o;
  o.ports.names = std::move(ports);
  o.command = command;
  o.clock = clock;
  return o;
}

TEST(CliSession, PortsPrintsTheSearchList) {
  std::ostringstream out, err;
  EXPECT_EQ(RunCli(Options({"/dev/ttyS9", "DEMO"}, {}), out, err), 0);
  EXPECT_EQ(out.str(), "/dev/ttyS9\nDEMO\n");
}

TEST(CliSession, DumpAndRecallOnTheBuiltInUnit) {
  SteppedClock clock;
  std::ostringstream out, err;
  CliCommand dump;
  dump.kind = CliCommandKind::Dump;
  ASSERT_EQ(RunCli(Options({"DEMO"}, dump, &clock), out, err), 0) << err.str();
  std::istringstream lines(out.str());
  std::string line;
  int words = 0, status = 0, modes = 0;
  while (std::getline(lines, line)) {
    if (line.rfind("mode ", 0) == 0) {
      ++modes;
    } else if (line.rfind("30 ", 0) == 0) {
      ++status;
    } else {
      ++words;
    }
  }
  int expected = 0;
  for (int b = 0; b < 30; ++b) expected += BlockLengths(b);
  EXPECT_EQ(words, expected);
  EXPECT_EQ(status, 6);
  EXPECT_EQ(modes, 16);
  EXPECT_NE(out.str().find("\nmode 1 "), std::string::npos);
  EXPECT_NE(err.str().find("Linking... 100%"), std::string::npos);
  EXPECT_NE(err.str().find("Online"), std::string::npos);

  CliCommand recall;
  recall.kind = CliCommandKind::Recall;
  recall.mode = 3;
  std::ostringstream out3, err3;
  EXPECT_EQ(RunCli(Options({"DEMO"}, recall, &clock), out3, err3), 0) << err3.str();
  EXPECT_NE(err3.str().find("Loading..."), std::string::npos);
}

TEST(CliSession, CurvePrintsTheResponseOfTheBlockReadFromTheUnit) {
  // An output block, read with the layout of its page: its third band becomes +6 dB at 1000 Hz.
  constexpr int kBlock = 9;
  constexpr int kBand = 2;
  const int start = EqBandStart(CurveLayoutOf(kBlock)->block);
  const int freqIndex = FreqIndexOf(1000);
  VirtualUnit unit;
  const int band[] = {kTypePeaking, freqIndex, 150, QIndexOf(1.0)};
  for (int w = 0; w < 4; ++w) unit.SetWord(kBlock, BandWordIndex(start, kBand, w), band[w]);

  CliCommand curve;
  curve.kind = CliCommandKind::Curve;
  curve.block = kBlock;
  SteppedClock clock;
  std::ostringstream out, err;
  ASSERT_EQ(RunCli(Options({"DEMO"}, curve, &clock), unit, out, err), 0) << err.str();
  EXPECT_NE(err.str().find("Online"), std::string::npos);

  std::istringstream lines(out.str());
  std::string line;
  ASSERT_TRUE(std::getline(lines, line));
  EXPECT_EQ(line, "index,frequency_hz,db");
  std::vector<double> db;
  while (std::getline(lines, line)) {
    int index = -1;
    double hz = 0, value = 0;
    char c1 = 0, c2 = 0;
    std::istringstream row(line);
    ASSERT_TRUE(row >> index >> c1 >> hz >> c2 >> value) << line;
    EXPECT_EQ(index, static_cast<int>(db.size()));
    EXPECT_NEAR(hz, GridToFreq(index), 0.005) << line;
    db.push_back(value);
  }
  ASSERT_EQ(db.size(), static_cast<std::size_t>(GridPoints));  // 464 lines with the header
  EXPECT_NEAR(db[GridIndexOf(FreqValueAt(freqIndex))], 6.0, 0.05);
  // What came over the link is what the unit holds.
  EXPECT_EQ(out.str(), CurveCsv(*BlockCurve(unit.Memory(), kBlock)));
}

TEST(CliSession, NoUnitFailsWithTheLinkMessage) {
  SteppedClock clock;
  std::ostringstream out, err;
  CliCommand dump;
  dump.kind = CliCommandKind::Dump;
  EXPECT_EQ(RunCli(Options({"/dev/morvelin-no-such-port"}, dump, &clock), out, err), 1);
  EXPECT_NE(err.str().find("Off Line! (no unit answered on /dev/morvelin-no-such-port)\n"), std::string::npos)
      << err.str();
  EXPECT_EQ(out.str(), "");
}

using Simulator = UnitSimProcess;

TEST(CliProgram, DumpsTheSimulatorOverAPseudoTerminal) {
  Simulator sim;
  ASSERT_TRUE(sim.Start());
  const QString cli = MORVELIN_BINARY_DIR "/src/morvelin-cli";
  QProcess set;
  set.start(cli, {"--port", sim.path, "set", "0x0205", "4321"});
  ASSERT_TRUE(set.waitForFinished(30000));
  EXPECT_EQ(set.exitCode(), 0) << set.readAllStandardError().toStdString();

  QProcess dump;
  dump.start(cli, {"--port", "/dev/morvelin-missing", "--port", sim.path, "dump"});
  ASSERT_TRUE(dump.waitForFinished(30000));
  const QByteArray out = dump.readAllStandardOutput();
  const QByteArray err = dump.readAllStandardError();
  EXPECT_EQ(dump.exitCode(), 0) << err.toStdString();
  EXPECT_TRUE(out.contains("\n2 5 4321\n")) << out.left(200).toStdString();
  EXPECT_TRUE(out.contains("\nmode 16 "));
  EXPECT_TRUE(err.contains("Online"));
}

TEST(CliProgram, DumpOfASlowNoisyUnitIsExactWordForWord) {
  // The same unit in process, on a clean line, gives the expected dump.
  std::ostringstream expected, demoErr;
  SteppedClock clock;
  CliCommand dumpCommand;
  dumpCommand.kind = CliCommandKind::Dump;
  ASSERT_EQ(RunCli(Options({"DEMO"}, dumpCommand, &clock), expected, demoErr), 0) << demoErr.str();

  Simulator sim;
  ASSERT_TRUE(sim.Start({"--latency", "40", "--noise", "30", "--words-per-report", "7", "--seed", "3"}));
  QProcess dump;
  dump.start(MORVELIN_BINARY_DIR "/src/morvelin-cli", {"--port", sim.path, "dump"});
  ASSERT_TRUE(dump.waitForFinished(60'000));
  const QByteArray err = dump.readAllStandardError();
  EXPECT_EQ(dump.exitCode(), 0) << err.toStdString();
  EXPECT_EQ(dump.readAllStandardOutput().toStdString(), expected.str());
}

TEST(CliSession, AUnitThatStopsAnsweringEndsTheCommandByTheLinkTimeOuts) {
  SteppedClock clock;
  VirtualUnit unit;
  // The unit falls silent in the middle of the full read, once it was asked for block 10.
  ClockTimer watch(&clock, 1, [&] {
    for (const Bytes& f : unit.ReceivedFrames())
      if (f == WordFrame(ReadType, BlockReadAddr, 10)) unit.faults.silent = true;
  });
  watch.Start();
  CliCommand dump;
  dump.kind = CliCommandKind::Dump;
  std::ostringstream out, err;
  EXPECT_EQ(RunCli(Options({"DEMO"}, dump, &clock), unit, out, err), 1);
  EXPECT_TRUE(unit.faults.silent);
  EXPECT_NE(err.str().find("Linking... 1"), std::string::npos) << err.str();
  EXPECT_NE(err.str().find("Off Line! (the unit on DEMO stopped answering)\n"), std::string::npos)
      << err.str();
  EXPECT_EQ(out.str(), "");
}

TEST(CliSession, SetOnlyLinksSendsAndReleases) {
  SteppedClock clock;
  VirtualUnit unit;
  CliCommand set;
  set.kind = CliCommandKind::Set;
  set.address = 0x0205;
  set.value = 4321;
  std::ostringstream out, err;
  ASSERT_EQ(RunCli(Options({"DEMO"}, set, &clock), unit, out, err), 0) << err.str();
  EXPECT_EQ(unit.ReceivedFrames(),
            (std::vector<Bytes>{LinkCodeFrame(LinkProbe), WordFrame(WriteType, 0x0205, 4321),
                                LinkCodeFrame(LinkRelease)}));
  EXPECT_EQ(unit.WordAt(2, 5), 4321);
  EXPECT_EQ(err.str(), "Search...\nSearch... 0%\nOnline\nAcknowledged\n");
  EXPECT_EQ(out.str(), "");
}

TEST(CliSession, SetWhoseEditIsNeverAcknowledgedEndsByTheSupervision) {
  SteppedClock clock;
  VirtualUnit unit;
  const Bytes edit = WordFrame(WriteType, 0x0205, 4321);
  // The unit answers the probe and nothing from then on.
  ClockTimer watch(&clock, 1, [&] {
    if (!unit.ReceivedFrames().empty()) unit.faults.silent = true;
  });
  watch.Start();
  CliCommand set;
  set.kind = CliCommandKind::Set;
  set.address = 0x0205;
  set.value = 4321;
  std::ostringstream out, err;
  EXPECT_EQ(RunCli(Options({"DEMO"}, set, &clock), unit, out, err), 1);
  EXPECT_NE(err.str().find("Off Line! (the unit on DEMO stopped answering)\n"), std::string::npos)
      << err.str();
  EXPECT_EQ(err.str().find("Acknowledged"), std::string::npos) << err.str();
  // Only the edit goes again; nothing the user did not set.
  const auto& frames = unit.ReceivedFrames();
  ASSERT_GE(frames.size(), 2u);
  EXPECT_EQ(frames.front(), LinkCodeFrame(LinkProbe));
  for (std::size_t k = 1; k < frames.size(); ++k) EXPECT_EQ(frames[k], edit) << k;
}

TEST(CliSession, ProgressAsLinesAsOneLineOrNone) {
  CliCommand dump;
  dump.kind = CliCommandKind::Dump;
  const struct {
    CliProgress progress;
    long minLines, maxLines;  // of the error stream
    bool rewritten;
  } cases[] = {{CliProgress::Lines, 30, 100, false},
               {CliProgress::OneLine, 1, 1, true},
               {CliProgress::Quiet, 0, 0, false}};
  std::string dumped;
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.progress));
    SteppedClock clock;
    CliOptions options = Options({"DEMO"}, dump, &clock);
    options.progress = c.progress;
    std::ostringstream out, err;
    ASSERT_EQ(RunCli(options, out, err), 0) << err.str();
    const std::string e = err.str();
    const long lines = std::count(e.begin(), e.end(), '\n');
    EXPECT_GE(lines, c.minLines) << e;
    EXPECT_LE(lines, c.maxLines) << e;
    EXPECT_EQ(e.find("\rLinking... 100%\x1b[K") != std::string::npos, c.rewritten) << e;
    EXPECT_EQ(e.find("Off Line"), std::string::npos) << "the release is no news: " << e;
    if (dumped.empty()) dumped = out.str();
    EXPECT_EQ(out.str(), dumped);
  }
}

TEST(CliProgram, BadArgumentsAreRefusedBeforeLinking) {
  const struct {
    QStringList args;
    const char* error;
  } cases[] = {
      {{"set", "40:1", "2"}, "bad address"},
      {{"--port", "DEMO", "curve", "28"}, "bad block '28'"},
      {{"--port", "DEMO", "curve", "-1"}, "bad block '-1'"},
      {{"--port", "DEMO", "curve", "nine"}, "bad block 'nine'"},
      {{"--port", "DEMO", "curve"}, "usage: curve BLOCK"},
  };
  for (const auto& c : cases) {
    QProcess p;
    p.start(MORVELIN_BINARY_DIR "/src/morvelin-cli", c.args);
    ASSERT_TRUE(p.waitForFinished(10000));
    const QByteArray err = p.readAllStandardError();
    EXPECT_EQ(p.exitCode(), 2) << err.toStdString();
    EXPECT_TRUE(err.contains(c.error)) << err.toStdString();
    EXPECT_FALSE(err.contains("Search...")) << err.toStdString();
    EXPECT_TRUE(p.readAllStandardOutput().isEmpty());
  }
}

}  // namespace
}  // namespace morvelin
