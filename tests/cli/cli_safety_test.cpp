// Safety backups from the command line: restore and recall save the memory read first, a
// folder that cannot take it only warns, and snapshots lists them newest first.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <sstream>

#include "cli/cli_command.h"
#include "cli/cli_session.h"
#include "link/frames.h"
#include "params/block_table.h"
#include "platform/stepped_clock.h"
#include "presets/backup_content.h"
#include "presets/backup_file.h"
#include "presets/safety_backups.h"
#include "unit/virtual_unit.h"
#include "word_pattern.h"

namespace morvelin {
namespace {

using testing::Pattern;

struct CliSafetyTest : ::testing::Test {
  QTemporaryDir tmp;
  SteppedClock clock;
  VirtualUnit unit;
  QDateTime now{QDate(2026, 12, 10), QTime(21, 4, 33)};
  std::ostringstream out, err;

  void SetUp() override {
    ASSERT_TRUE(tmp.isValid());
    SetUnit(1);
  }
  void SetUnit(int seed) {
    for (int b = 0; b <= kBackupLastBlock; ++b)
      for (int i = 0; i < BlockLengths(b); ++i) unit.SetWord(b, i, Pattern(b, i, seed));
  }
  QString AutoFolder() const { return tmp.path() + QStringLiteral("/Mode/QelMode/Auto"); }
  int Run(CliCommand command) {
    CliOptions o;
    o.ports.names = {kDemoPortName};
    o.command = std::move(command);
    o.clock = &clock;
    o.safety.programFolder = tmp.path();
    o.safety.clock = [this] { return now; };
    return RunCli(o, unit, out, err);
  }
  int Restore(const QString& file) {
    CliCommand c;
    c.kind = CliCommandKind::Restore;
    c.file = file.toStdString();
    return Run(c);
  }
  QString BackupOf(int seed) {
    Image image{};
    for (int b = 0; b <= kBackupLastBlock; ++b)
      for (int i = 0; i < BlockLengths(b); ++i) image[b][i] = Pattern(b, i, seed);
    const QString file = tmp.filePath(QStringLiteral("seed%1.Nddt").arg(seed));
    EXPECT_TRUE(WriteLinesReplacing(file, BackupLines(image)));
    return file;
  }
  // What `backup` saves now: the memory as a run reads it.
  std::vector<std::string> MemoryRead() {
    CliCommand c;
    c.kind = CliCommandKind::Backup;
    c.file = tmp.filePath(QStringLiteral("read.Nddt")).toStdString();
    EXPECT_EQ(Run(c), 0) << err.str();
    std::vector<std::string> lines;
    EXPECT_TRUE(ReadLines(QString::fromStdString(c.file), lines));
    return lines;
  }
  std::vector<std::string> LinesOf(const QString& path) {
    std::vector<std::string> lines;
    EXPECT_TRUE(ReadLines(path, lines)) << path.toStdString();
    return lines;
  }
};

TEST_F(CliSafetyTest, RestoreAndRecallSaveTheMemoryBeforeOverwritingIt) {
  const std::vector<std::string> found = MemoryRead();
  ASSERT_EQ(Restore(BackupOf(2)), 0) << err.str();
  const QString first = AutoFolder() + QStringLiteral("/2026-12-10 21-04-33 before restore.Nddt");
  EXPECT_EQ(LinesOf(first), found);
  const std::vector<std::string> restored = MemoryRead();
  ASSERT_NE(restored, found);

  now = now.addSecs(90);
  CliCommand recall;
  recall.kind = CliCommandKind::Recall;
  recall.mode = 3;
  ASSERT_EQ(Run(recall), 0) << err.str();
  const QString second = AutoFolder() + QStringLiteral("/2026-12-10 21-06-03 before recall 3.Nddt");
  EXPECT_EQ(LinesOf(second), restored);

  // Listed newest first, and a listed path is a file restore takes.
  out.str({});
  CliCommand snapshots;
  snapshots.kind = CliCommandKind::Snapshots;
  ASSERT_EQ(Run(snapshots), 0);
  EXPECT_EQ(out.str(), QDir::toNativeSeparators(second).toStdString() + "\n" +
                           QDir::toNativeSeparators(first).toStdString() + "\n");
  SetUnit(5);
  ASSERT_EQ(Restore(first), 0) << err.str();
  EXPECT_EQ(unit.WordAt(0, 22), Pattern(0, 22, 1));
}

TEST_F(CliSafetyTest, AFolderThatCannotTakeTheSafetyBackupOnlyWarns) {
  ASSERT_TRUE(QDir().mkpath(tmp.path() + QStringLiteral("/Mode/QelMode")));
  QFile blocker(AutoFolder());
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  ASSERT_EQ(Restore(BackupOf(2)), 0) << err.str();
  EXPECT_NE(err.str().find(kSafetySaveFailedEn), std::string::npos);
  EXPECT_EQ(unit.WordAt(0, 22), Pattern(0, 22, 2));
}

TEST(CliSafetyCommand, SnapshotsTakesNoArguments) {
  std::string error;
  EXPECT_EQ(ParseCliCommand({"snapshots"}, &error)->kind, CliCommandKind::Snapshots);
  EXPECT_FALSE(ParseCliCommand({"snapshots", "x"}, &error).has_value());
}

}  // namespace
}  // namespace morvelin
