// Backup and restore from the command line, in process against the built-in unit on a stepped
// clock.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <sstream>

#include "cli/cli_command.h"
#include "cli/cli_session.h"
#include "link/frames.h"
#include "params/block_table.h"
#include "platform/stepped_clock.h"
#include "presets/backup_content.h"
#include "presets/backup_file.h"
#include "unit/virtual_unit.h"
#include "word_pattern.h"

namespace morvelin {
namespace {

CliOptions Command(CliCommandKind kind, const QString& file, SteppedClock& clock) {
  CliOptions o;
  o.ports.names = {kDemoPortName};
  o.command.kind = kind;
  o.command.file = file.toStdString();
  o.clock = &clock;
  return o;
}

using testing::Pattern;

bool InBackup(int b, int i) {
  return b <= kBackupLastBlock && i < BlockLengths(b);
}

struct CliBackupTest : ::testing::Test {
  QTemporaryDir tmp;
  SteppedClock clock;
  VirtualUnit unit;
  std::ostringstream out, err;

  void SetUp() override {
    ASSERT_TRUE(tmp.isValid());
    for (int b = 0; b < kStatusBlock; ++b)
      for (int i = 0; i < BlockLengths(b); ++i) unit.SetWord(b, i, Pattern(b, i, 1));
    unit.SetWord(InputSourceAddr, 2);
  }
  QString Path(const char* name) const { return tmp.filePath(QString::fromUtf8(name)); }
  int Run(CliCommandKind kind, const QString& file) {
    CliOptions o = Command(kind, file, clock);
    o.safety.programFolder = tmp.path();  // the safety backup of a restore
    return RunCli(o, unit, out, err);
  }
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

TEST_F(CliBackupTest, BackupToAnUnwritablePathFailsBeforeTheUnitIsRead) {
  ASSERT_TRUE(QDir(tmp.path()).mkdir("a-folder"));
  for (const char* target : {"missing-folder/x.Nddt", "a-folder"}) {
    err.str("");
    unit.ClearReceived();
    EXPECT_EQ(Run(CliCommandKind::Backup, Path(target)), 3) << target;
    EXPECT_EQ(err.str(), "Cannot save file: " + Path(target).toStdString() + "\n");
    EXPECT_TRUE(unit.ReceivedFrames().empty()) << target;
  }
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
    // The notice names the file.
    EXPECT_EQ(err.str(), std::string(c.message) + " (" + c.file.toStdString() + ")\n");
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
  ClockTimer watch(&clock, 1, [&] {
    for (const Bytes& f : unit.ReceivedFrames())
      if (f.size() > 6 && f[3] == ReadType && f[4] * 256 + f[5] == InputSourceAddr) unit.faults.silent = true;
  });
  watch.Start();
  EXPECT_EQ(Run(CliCommandKind::Restore, file), 1);
  const std::string e = err.str();
  EXPECT_NE(e.find("Download..."), std::string::npos) << e;
  EXPECT_NE(e.find("Off Line!"), std::string::npos) << e;
  EXPECT_EQ(e.find("Restored"), std::string::npos) << e;
}

TEST_F(CliBackupTest, BackupAndRestoreRoundTripOnOneUnit) {
  const QString file = Path("round.Nddt");
  auto cli = [&](CliCommand command) {
    CliOptions o = Command(command.kind, file, clock);
    o.command = command;
    if (o.command.file.empty()) o.command.file = file.toStdString();
    const int code = RunCli(o, unit, out, err);
    EXPECT_EQ(code, 0) << err.str();
    return code;
  };
  CliCommand set;
  set.kind = CliCommandKind::Set;
  set.address = 0x0205;
  set.value = 4321;
  ASSERT_EQ(cli(set), 0);
  CliCommand backup;
  backup.kind = CliCommandKind::Backup;
  ASSERT_EQ(cli(backup), 0);
  set.value = 17;
  ASSERT_EQ(cli(set), 0);
  ASSERT_EQ(unit.WordAt(2, 5), 17);
  CliCommand restore;
  restore.kind = CliCommandKind::Restore;
  ASSERT_EQ(cli(restore), 0);
  out.str("");
  CliCommand dump;
  dump.kind = CliCommandKind::Dump;
  ASSERT_EQ(cli(dump), 0);
  EXPECT_NE(out.str().find("\n2 5 4321\n"), std::string::npos) << out.str().substr(0, 200);
}

}  // namespace
}  // namespace morvelin
