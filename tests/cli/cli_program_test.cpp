// morvelin-cli as a program against morvelin-unitsim on a pseudo-terminal: the quick set, the
// progress on a terminal, errors that name what failed, arguments, and the signals.

#include <gtest/gtest.h>
#include <signal.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <iostream>

#include "link/frames.h"
#include "platform/posix/pty_server.h"
#include "support/unitsim_process.h"
#include "unit/unit_simulator.h"

namespace morvelin {
namespace {

const QString kCli = QStringLiteral(MORVELIN_BINARY_DIR "/src/morvelin-cli");

QString Line(const Bytes& frame) {
  return QString::fromStdString(ReceivedFrameLine(frame));
}

struct Run {
  int code = -1;
  QByteArray out, err;
};

Run RunCliProgram(const QStringList& args, const QString& folder = {}) {
  QProcess p;
  if (!folder.isEmpty()) p.setWorkingDirectory(folder);
  p.start(kCli, args);
  Run r;
  if (!p.waitForFinished(60'000)) {
    p.kill();
    p.waitForFinished(2000);
    return r;
  }
  r.code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
  r.out = p.readAllStandardOutput();
  r.err = p.readAllStandardError();
  return r;
}

TEST(CliQuickSet, LinksSendsAndReleasesWithoutReadingTheMemory) {
  UnitSimProcess sim;
  ASSERT_TRUE(sim.Start({"--log-frames"}));
  QElapsedTimer took;
  took.start();
  const Run set = RunCliProgram({"--port", sim.path, "set", "2:5", "4321"});
  std::cout << "[ timing   ] set over the pseudo-terminal took " << took.elapsed() << " ms\n";
  EXPECT_EQ(set.code, 0) << set.err.toStdString();
  EXPECT_TRUE(set.err.contains("Acknowledged")) << set.err.toStdString();
  EXPECT_FALSE(set.err.contains("Linking...")) << set.err.toStdString();
  EXPECT_TRUE(set.out.isEmpty());
  ASSERT_TRUE(sim.WaitForLine(Line(LinkCodeFrame(LinkRelease))));
  // The probe, the edit and the release: nothing read, nothing else written.
  EXPECT_EQ(sim.lines, (QStringList{Line(LinkCodeFrame(LinkProbe)), Line(WordFrame(WriteType, 0x0205, 4321)),
                                    Line(LinkCodeFrame(LinkRelease))}));

  // The unit holds it: the full read of a dump shows it.
  const Run dump = RunCliProgram({"--port", sim.path, "--quiet", "dump"});
  EXPECT_EQ(dump.code, 0) << dump.err.toStdString();
  EXPECT_TRUE(dump.out.contains("\n2 5 4321\n"));
}

TEST(CliQuiet, PrintsOnlyResultsAndErrors) {
  UnitSimProcess sim;
  ASSERT_TRUE(sim.Start());
  const Run loud = RunCliProgram({"--port", sim.path, "curve", "9"});
  const Run quiet = RunCliProgram({"--port", sim.path, "--quiet", "curve", "9"});
  EXPECT_EQ(loud.code, 0) << loud.err.toStdString();
  EXPECT_EQ(quiet.code, 0) << quiet.err.toStdString();
  // Not a terminal: one plain line per change of the progress.
  EXPECT_TRUE(loud.err.contains("Linking... 100%\n")) << loud.err.toStdString();
  EXPECT_FALSE(loud.err.contains('\r'));
  EXPECT_EQ(quiet.err, "");
  EXPECT_EQ(quiet.out, loud.out);
  const Run failed = RunCliProgram({"--port", "/dev/morvelin-missing", "-q", "dump"});
  EXPECT_EQ(failed.code, 1);
  EXPECT_EQ(failed.err, "Off Line! (no unit answered on /dev/morvelin-missing)\n");
}

TEST(CliProgress, IsOneUpdatingLineOnATerminal) {
  QByteArray shown;
  PtyServer terminal([&](std::span<const std::uint8_t> bytes) {
    shown.append(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
  });
  std::string error;
  ASSERT_TRUE(terminal.Start(&error)) << error;
  UnitSimProcess sim;
  ASSERT_TRUE(sim.Start());
  QProcess p;
  p.setStandardErrorFile(QString::fromStdString(terminal.SlavePath()));
  p.start(kCli, {"--port", sim.path, "backup", QDir::temp().filePath("morvelin-progress-test.Nddt")});
  ASSERT_TRUE(p.waitForFinished(60'000));
  EXPECT_EQ(p.exitCode(), 0);
  ASSERT_TRUE(QTest::qWaitFor([&] { return shown.contains("Saved "); }, 5000)) << shown.toStdString();
  QFile::remove(QDir::temp().filePath("morvelin-progress-test.Nddt"));
  EXPECT_TRUE(shown.contains("\rLinking... 100%\x1b[K")) << shown.toStdString();
  // The search, the read and the status lines share one line, ended before the confirmation.
  EXPECT_EQ(shown.count('\n'), 2) << shown.toStdString();
  EXPECT_TRUE(shown.contains("\x1b[K\nSaved ")) << shown.toStdString();
}

TEST(CliErrors, NameThePortOrTheFileThatFailed) {
  QTemporaryDir tmp;
  ASSERT_TRUE(tmp.isValid());
  UnitSimProcess silent;
  ASSERT_TRUE(silent.Start({"--silent-after", "0", "--log-frames"}));
  const QString missing = tmp.filePath("gone.Nddt");
  const QString unwritable = tmp.filePath("no-such-folder/x.Nddt");
  const struct {
    QStringList args;
    int code;
    QString error;
  } cases[] = {
      {{"--port", "/dev/morvelin-missing", "--port", silent.path, "set", "0:2", "5"},
       1,
       "Off Line! (no unit answered on /dev/morvelin-missing, " + silent.path + ")\n"},
      {{"--port", silent.path, "restore", missing}, 3, "File not find! (" + missing + ")\n"},
      // Refused before the search: the silent unit is never probed.
      {{"--port", silent.path, "backup", unwritable}, 3, "Cannot save file: " + unwritable + "\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args.join(' ').toStdString());
    const Run r = RunCliProgram(c.args);
    EXPECT_EQ(r.code, c.code);
    EXPECT_TRUE(r.err.endsWith(c.error.toUtf8())) << r.err.toStdString();
  }
  silent.ReadLines();
  EXPECT_EQ(silent.lines.count(Line(LinkCodeFrame(LinkProbe))), 2);  // the set's search, twice
}

TEST(CliArguments, NegativeValuesAreOutOfRangeAndRelativePortsWork) {
  for (const QStringList& args : {QStringList{"set", "0:2", "-1"}, QStringList{"set", "0:2", "65536"},
                                  QStringList{"--port", "DEMO", "set", "0:2", "-0x10"}}) {
    const Run r = RunCliProgram(args);
    EXPECT_EQ(r.code, 2);
    EXPECT_TRUE(r.err.contains("out of range (0..65535)")) << r.err.toStdString();
    EXPECT_FALSE(r.err.contains("Unknown option")) << r.err.toStdString();
  }

  QTemporaryDir tmp;
  ASSERT_TRUE(tmp.isValid());
  ASSERT_TRUE(QDir(tmp.path()).mkdir("run"));
  UnitSimProcess sim;
  ASSERT_TRUE(sim.Start({"--link", tmp.filePath("run/unit.pty")}));
  const Run ports = RunCliProgram({"--port", "run/unit.pty", "--port", "DEMO", "ports"}, tmp.path());
  EXPECT_EQ(ports.out, (QDir(tmp.path()).canonicalPath() + "/run/unit.pty\nDEMO\n").toUtf8());
  const Run set = RunCliProgram({"--port", "run/unit.pty", "set", "0:2", "7"}, tmp.path());
  EXPECT_EQ(set.code, 0) << set.err.toStdString();
}

TEST(CliSignals, ReleaseTheUnitAndEndWithTheSignalsCode) {
  const struct {
    int signal;
    int code;
  } cases[] = {{SIGINT, 130}, {SIGTERM, 143}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.signal);
    UnitSimProcess sim;
    // A slow unit: the full read is still running when the signal comes.
    ASSERT_TRUE(sim.Start({"--log-frames", "--latency", "150"}));
    QProcess dump;
    dump.start(kCli, {"--port", sim.path, "dump"});
    ASSERT_TRUE(sim.WaitForLine(Line(WordFrame(ReadType, BlockReadAddr, 2)), 10'000));
    ::kill(static_cast<pid_t>(dump.processId()), c.signal);
    ASSERT_TRUE(dump.waitForFinished(5000));
    EXPECT_EQ(dump.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(dump.exitCode(), c.code) << dump.readAllStandardError().toStdString();
    EXPECT_TRUE(sim.WaitForLine(Line(LinkCodeFrame(LinkRelease))));
    EXPECT_TRUE(dump.readAllStandardOutput().isEmpty());
  }
}

}  // namespace
}  // namespace morvelin
