// The command line in process against the built-in unit, and as a program against the
// simulator on a pseudo-terminal.

#include "cli/cli_session.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <sstream>

#include "params/block_table.h"

namespace morvelin {
namespace {

CliOptions Options(std::vector<std::string> ports, CliCommand command) {
  CliOptions o;
  o.ports = std::move(ports);
  o.command = command;
  return o;
}

TEST(CliSession, PortsPrintsTheSearchList) {
  std::ostringstream out, err;
  EXPECT_EQ(RunCli(Options({"/dev/ttyS9", "DEMO"}, {}), out, err), 0);
  EXPECT_EQ(out.str(), "/dev/ttyS9\nDEMO\n");
}

TEST(CliSession, DumpAndRecallOnTheBuiltInUnit) {
  std::ostringstream out, err;
  CliCommand dump;
  dump.kind = CliCommandKind::Dump;
  ASSERT_EQ(RunCli(Options({"DEMO"}, dump), out, err), 0) << err.str();
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
  EXPECT_EQ(RunCli(Options({"DEMO"}, recall), out3, err3), 0) << err3.str();
  EXPECT_NE(err3.str().find("Loading..."), std::string::npos);
}

TEST(CliSession, NoUnitFailsWithTheLinkMessage) {
  std::ostringstream out, err;
  CliCommand dump;
  dump.kind = CliCommandKind::Dump;
  EXPECT_EQ(RunCli(Options({"/dev/morvelin-no-such-port"}, dump), out, err), 1);
  EXPECT_NE(err.str().find("Off Line!"), std::string::npos);
  EXPECT_EQ(out.str(), "");
}

// Starts the simulator and waits for the path it prints.
struct Simulator {
  QProcess process;
  QString path;
  bool Start() {
    process.start(MORVELIN_BINARY_DIR "/src/morvelin-unitsim", {});
    if (!process.waitForStarted(5000)) return false;
    if (!QTest::qWaitFor([&] { return process.canReadLine(); }, 5000)) return false;
    path = QString::fromUtf8(process.readLine()).trimmed();
    return !path.isEmpty();
  }
  ~Simulator() {
    process.terminate();
    if (!process.waitForFinished(3000)) process.kill();
    process.waitForFinished(1000);
  }
};

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

TEST(CliProgram, BadArgumentsAreRefused) {
  QProcess p;
  p.start(MORVELIN_BINARY_DIR "/src/morvelin-cli", {"set", "40:1", "2"});
  ASSERT_TRUE(p.waitForFinished(10000));
  EXPECT_EQ(p.exitCode(), 2);
  EXPECT_TRUE(p.readAllStandardError().contains("bad address"));
}

}  // namespace
}  // namespace morvelin
