// Backup and restore from the command line: against the built-in unit in process, and as a
// program against the simulator on a pseudo-terminal.

#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <sstream>

#include "cli/cli_command.h"
#include "cli/cli_session.h"
#include "link/frames.h"
#include "params/block_table.h"
#include "presets/backup_content.h"
#include "presets/backup_file.h"
#include "support/unitsim_process.h"
#include "unit/virtual_unit.h"

namespace morvelin {
namespace {

CliOptions Command(CliCommandKind kind, const QString& file) {
  CliOptions o;
  o.ports = {kDemoPortName};
  o.command.kind = kind;
  o.command.file = file.toStdString();
  return o;
}

Word Pattern(int b, int i, int seed) {
  return (b * 7919 + i * 104729 + seed * 3571) % 65536;
}

bool InBackup(int b, int i) {
  return b <= kBackupLastBlock && i < BlockLengths(b);
}

struct CliBackupTest : ::testing::Test {
  QTemporaryDir tmp;
  VirtualUnit unit;
  std::ostringstream out, err;

  void SetUp() override {
    ASSERT_TRUE(tmp.isValid());
    for (int b = 0; b < kStatusBlock; ++b)
      for (int i = 0; i < BlockLengths(b); ++i) unit.SetWord(b, i, Pattern(b, i, 1));
    unit.SetWord(InputSourceAddr, 2);
  }
  QString Path(const char* name) const { return tmp.filePath(QString::fromUtf8(name)); }
  int Run(CliCommandKind kind, const QString& file) { return RunCli(Command(kind, file), unit, out, err); }
};

TEST(CliCommandBackup, FileWords) {
  using W = std::vector<std::string>;
  std::string error;
  const auto backup = ParseCliCommand(W{"backup", "a/b.Nddt"}, &error);
  ASSERT_TRUE(backup);
  EXPECT_EQ(backup->kind, CliCommandKind::Backup);
  EXPECT_EQ(backup->file, "a/b.Nddt");
  EXPECT_EQ(ParseCliCommand(W{"restore", "x"}, &error)->kind, CliCommandKind::Restore);
  for (const W& bad : {W{"backup"}, W{"restore"}, W{"restore", "a", "b"}, W{"backup", ""}}) {
    EXPECT_FALSE(ParseCliCommand(bad, &error)) << bad[0];
    EXPECT_NE(error.find("usage: " + bad[0] + " FILE"), std::string::npos) << error;
  }
}

TEST_F(CliBackupTest, BackupSavesTheUnitsMemory) {
  const QString file = Path("unit backup.Nddt");
  ASSERT_EQ(Run(CliCommandKind::Backup, file), 0) << err.str();
  EXPECT_NE(err.str().find("Saved "), std::string::npos);
  EXPECT_EQ(out.str(), "");

  std::vector<std::string> lines;
  ASSERT_TRUE(ReadLines(file, lines));
  EXPECT_EQ(lines.size(), 1884u);
  const CheckedBackup backup = CheckBackup(lines);
  ASSERT_EQ(backup.result, BackupCheck::Ok);
  int compared = 0;
  for (const BackupWord& w : backup.words) {
    const int b = w.address / 256, i = w.address % 256;
    if (InBackup(b, i) || w.address == InputSourceAddr) {
      EXPECT_EQ(w.value, unit.WordAt(w.address)) << b << ':' << i;
      ++compared;
    } else {
      EXPECT_EQ(w.value, 0) << "the word after a block is not read: " << b << ':' << i;
    }
  }
  EXPECT_EQ(compared, BackupBlockWordCount() - (kBackupLastBlock + 1) + 1);
}

TEST_F(CliBackupTest, BackupToAnUnwritablePathFails) {
  EXPECT_EQ(Run(CliCommandKind::Backup, Path("missing-folder/x.Nddt")), 3);
  EXPECT_NE(err.str().find("Cannot save file: "), std::string::npos) << err.str();
}

TEST_F(CliBackupTest, RestoreWritesTheFileToTheUnit) {
  Image image{};
  for (int b = 0; b < kBlockCount; ++b)
    for (int i = 0; i < kBlockWords; ++i) image[b][i] = Pattern(b, i, 2);
  image[kStatusBlock][20] = 3;
  const QString file = Path("show.bak");  // any name, not only *.Nddt
  ASSERT_TRUE(WriteLinesReplacing(file, BackupLines(image)));

  ASSERT_EQ(Run(CliCommandKind::Restore, file), 0) << err.str();
  EXPECT_NE(err.str().find("Download..."), std::string::npos);
  EXPECT_NE(err.str().find("Restored "), std::string::npos);
  for (int b = 0; b < kStatusBlock; ++b)
    for (int i = 0; i < BlockLengths(b); ++i)
      ASSERT_EQ(unit.WordAt(b, i), b <= kBackupLastBlock ? image[b][i] : Pattern(b, i, 1))
          << b << ':' << i << (b > kBackupLastBlock ? " keeps the unit's value" : "");
  EXPECT_EQ(unit.WordAt(InputSourceAddr), 3);
}

TEST_F(CliBackupTest, RestoreOfABadFileSendsNothing) {
  Image image{};
  image[0][0] = 7;
  std::vector<std::string> lines = BackupLines(image);
  const QString missing = Path("none.Nddt");
  const QString corrupted = Path("corrupted.Nddt");
  const QString foreign = Path("foreign.Nddt");
  std::vector<std::string> shorter = lines;
  shorter.erase(shorter.begin() + 10);
  ASSERT_TRUE(WriteLinesReplacing(corrupted, shorter));
  std::vector<std::string> other = lines;
  other[0] = EncodeLine("J3 1");
  ASSERT_TRUE(WriteLinesReplacing(foreign, other));

  struct Case {
    QString file;
    const char* message;
  };
  for (const Case& c : {Case{missing, "File not find!"}, Case{corrupted, "Data file is corrupted!"},
                        Case{foreign, "File format error!"}}) {
    err.str("");
    unit.ClearReceived();
    EXPECT_EQ(Run(CliCommandKind::Restore, c.file), 3) << c.message;
    EXPECT_NE(err.str().find(c.message), std::string::npos) << err.str();
    EXPECT_TRUE(unit.ReceivedFrames().empty()) << "refused before the search: " << c.message;
  }
  EXPECT_EQ(unit.WordAt(0, 0), Pattern(0, 0, 1));
}

TEST_F(CliBackupTest, RestoreFailsWhenTheUnitStopsAnswering) {
  const QString file = Path("x.Nddt");
  Image image{};
  ASSERT_TRUE(WriteLinesReplacing(file, BackupLines(image)));
  // The unit answers the whole read (its last request is 0x1E14) and then falls silent, so the
  // first step of the full write is never acknowledged.
  QTimer watch;
  QObject::connect(&watch, &QTimer::timeout, [&] {
    for (const Bytes& f : unit.ReceivedFrames())
      if (f.size() > 6 && f[3] == ReadType && f[4] * 256 + f[5] == InputSourceAddr) unit.faults.silent = true;
  });
  watch.start(1);
  EXPECT_EQ(Run(CliCommandKind::Restore, file), 1);
  const std::string e = err.str();
  EXPECT_NE(e.find("Download..."), std::string::npos) << e;
  EXPECT_NE(e.find("Off Line!"), std::string::npos) << e;
  EXPECT_EQ(e.find("Restored"), std::string::npos) << e;
}

using Simulator = UnitSimProcess;

TEST(CliBackupProgram, BackupAndRestoreOverAPseudoTerminal) {
  Simulator sim;
  ASSERT_TRUE(sim.Start());
  QTemporaryDir tmp;
  ASSERT_TRUE(tmp.isValid());
  const QString file = tmp.filePath("sim.Nddt");
  auto cli = [&](const QStringList& args, QByteArray* out = nullptr) {
    QProcess p;
    p.start(MORVELIN_BINARY_DIR "/src/morvelin-cli", QStringList{"--port", sim.path} + args);
    if (!p.waitForFinished(60000)) return -1;
    if (out) *out = p.readAllStandardOutput();
    const QByteArray err = p.readAllStandardError();
    if (p.exitCode() != 0) ADD_FAILURE() << args.join(' ').toStdString() << ": " << err.toStdString();
    return p.exitCode();
  };
  ASSERT_EQ(cli({"set", "0x0205", "4321"}), 0);
  ASSERT_EQ(cli({"backup", file}), 0);
  ASSERT_EQ(cli({"set", "0x0205", "17"}), 0);
  ASSERT_EQ(cli({"restore", file}), 0);
  QByteArray dump;
  ASSERT_EQ(cli({"dump"}, &dump), 0);
  EXPECT_TRUE(dump.contains("\n2 5 4321\n")) << dump.left(200).toStdString();
}

}  // namespace
}  // namespace morvelin
