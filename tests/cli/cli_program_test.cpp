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
#include "support/program_run.h"
#include "support/unitsim_process.h"
#include "unit/unit_simulator.h"

namespace morvelin {
namespace {

const QString kCli = QStringLiteral(MORVELIN_BINARY_DIR "/src/morvelin-cli");

QString Line(const Bytes& frame) {
  return QString::fromStdString(ReceivedFrameLine(frame));
}

ProgramRun RunCliProgram(const QStringList& args, const QString& folder = {}) {
  return RunBuiltProgram(QStringLiteral("morvelin-cli"), args, folder);
}

TEST(CliQuickSet, LinksSendsAndReleasesWithoutReadingTheMemory) {
  UnitSimProcess sim;
  ASSERT_TRUE(sim.Start({"--log-frames"}));
  QElapsedTimer took;
  took.start();
  const ProgramRun set = RunCliProgram({"--port", sim.path, "set", "2:5", "4321"});
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
  const ProgramRun dump = RunCliProgram({"--port", sim.path, "--quiet", "dump"});
  EXPECT_EQ(dump.code, 0) << dump.err.toStdString();
  EXPECT_TRUE(dump.out.contains("\n2 5 4321\n"));
}

TEST(CliQuiet, PrintsOnlyResultsAndErrors) {
  UnitSimProcess sim;
  ASSERT_TRUE(sim.Start());
  const ProgramRun loud = RunCliProgram({"--port", sim.path, "curve", "9"});
  const ProgramRun quiet = RunCliProgram({"--port", sim.path, "--quiet", "curve", "9"});
  EXPECT_EQ(loud.code, 0) << loud.err.toStdString();
  EXPECT_EQ(quiet.code, 0) << quiet.err.toStdString();
  // Not a terminal: one plain line per change of the progress.
  EXPECT_TRUE(loud.err.contains("Linking... 100%\n")) << loud.err.toStdString();
  EXPECT_FALSE(loud.err.contains('\r'));
  EXPECT_EQ(quiet.err, "");
  EXPECT_EQ(quiet.out, loud.out);
  const ProgramRun failed = RunCliProgram({"--port", "/dev/morvelin-missing", "-q", "dump"});
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
  ASSERT_TRUE(silent.Start({"--silent-after", "0"}));
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
      // Refused before the search.
      {{"--port", silent.path, "backup", unwritable}, 3, "Cannot save file: " + unwritable + "\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args.join(' ').toStdString());
    const ProgramRun r = RunCliProgram(c.args);
    EXPECT_EQ(r.code, c.code);
    EXPECT_TRUE(r.err.endsWith(c.error.toUtf8())) << r.err.toStdString();
  }
}

TEST(CliArguments, NegativeValuesAreOutOfRangeAndRelativePortsWork) {
  for (const QStringList& args : {QStringList{"set", "0:2", "-1"}, QStringList{"set", "0:2", "65536"},
                                  QStringList{"--port", "DEMO", "set", "0:2", "-0x10"}}) {
    const ProgramRun r = RunCliProgram(args);
    EXPECT_EQ(r.code, 2);
    EXPECT_TRUE(r.err.contains("out of range (0..65535)")) << r.err.toStdString();
    EXPECT_FALSE(r.err.contains("Unknown option")) << r.err.toStdString();
  }

  QTemporaryDir tmp;
  ASSERT_TRUE(tmp.isValid());
  ASSERT_TRUE(QDir(tmp.path()).mkdir("run"));
  UnitSimProcess sim;
  ASSERT_TRUE(sim.Start({"--link", tmp.filePath("run/unit.pty")}));
  const ProgramRun ports = RunCliProgram({"--port", "run/unit.pty", "--port", "DEMO", "ports"}, tmp.path());
  EXPECT_EQ(ports.out, (QDir(tmp.path()).canonicalPath() + "/run/unit.pty\nDEMO\n").toUtf8());
  const ProgramRun set = RunCliProgram({"--port", "run/unit.pty", "set", "0:2", "7"}, tmp.path());
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

TEST(CliSignals, ARestoreFinishesItsWriteFirst) {
  QTemporaryDir tmp;
  ASSERT_TRUE(tmp.isValid());
  UnitSimProcess sim;
  ASSERT_TRUE(sim.Start());
  const QString file = tmp.filePath("x.Nddt");
  const ProgramRun before = RunCliProgram({"--port", sim.path, "-q", "dump"});
  const ProgramRun backup = RunCliProgram({"--port", sim.path, "-q", "backup", file});
  ASSERT_EQ(backup.code, 0) << backup.err.toStdString();
  const qsizetype at = before.out.indexOf("\n2 5 ");
  ASSERT_GE(at, 0);
  const QByteArray word = before.out.mid(at, before.out.indexOf('\n', at + 1) - at + 1);
  const int changed = (word.mid(5).trimmed().toInt() + 1) % 65536;
  ASSERT_EQ(RunCliProgram({"--port", sim.path, "-q", "set", "2:5", QString::number(changed)}).code, 0);

  QProcess restore;
  restore.start(kCli, {"--port", sim.path, "restore", file});
  QByteArray err;
  ASSERT_TRUE(QTest::qWaitFor(
      [&] {
        err += restore.readAllStandardError();
        return err.contains("Download...");
      },
      20'000))
      << err.toStdString();
  ::kill(static_cast<pid_t>(restore.processId()), SIGTERM);
  ASSERT_TRUE(restore.waitForFinished(20'000));
  err += restore.readAllStandardError();
  EXPECT_EQ(restore.exitCode(), 143) << err.toStdString();
  EXPECT_TRUE(err.contains("Finishing the write")) << err.toStdString();
  EXPECT_TRUE(err.contains("Restored ")) << err.toStdString();
  // The unit holds the whole backup again, the word set meanwhile included.
  const ProgramRun after = RunCliProgram({"--port", sim.path, "-q", "dump"});
  EXPECT_TRUE(after.out.contains(word)) << word.toStdString();
}

}  // namespace
}  // namespace morvelin
