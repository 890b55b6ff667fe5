// Safety backups: names from a set clock, the content of the memory image, the newest 50 kept,
// and folders that cannot take them.

#include "presets/safety_backups.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "presets/backup_content.h"
#include "presets/backup_file.h"
#include "support/qstring_print.h"

namespace morvelin {
namespace {

class SafetyBackupsTest : public ::testing::Test {
 protected:
  QString Folder() const { return tmp.path() + QStringLiteral("/QelMode/Auto"); }
  QStringList Names() const {
    QStringList names;
    for (const SafetyFile& f : backups.List()) names << f.name;
    return names;
  }

  QTemporaryDir tmp;
  QDateTime now{QDate(2026, 12, 10), QTime(21, 4, 33)};
  EditSelection selection;
  ParamStore store{selection};
  SafetyBackups backups{[this] { return Folder(); }, [this] { return now; }};
};

TEST_F(SafetyBackupsTest, SavesTheDeviceImageUnderTheTimeAndTheReason) {
  store.DeviceImage[0][22] = 105;
  store.DeviceImage[6][3] = 7;
  ASSERT_TRUE(backups.Save(store, BeforeRecallReason(5)));
  now = now.addSecs(31);
  ASSERT_TRUE(backups.Save(store, AtLinkUpReason()));

  EXPECT_EQ(Names(), (QStringList{"2026-12-10 21-05-04 at link-up", "2026-12-10 21-04-33 before recall 5"}));
  std::vector<std::string> lines;
  ASSERT_TRUE(ReadLines(Folder() + QStringLiteral("/2026-12-10 21-04-33 before recall 5.Nddt"), lines));
  EXPECT_EQ(lines, BackupLines(store.DeviceImage));
  const CheckedBackup read = CheckBackup(lines);
  ASSERT_EQ(read.result, BackupCheck::Ok);
  EditSelection otherSelection;
  ParamStore loaded{otherSelection};
  ApplyBackup(read.words, loaded);
  EXPECT_EQ(loaded.DeviceImage[0][22], 105);
  EXPECT_EQ(loaded.DeviceImage[6][3], 7);
}

TEST_F(SafetyBackupsTest, KeepsTheNewest50AndLeavesOtherFilesAlone) {
  ASSERT_TRUE(QDir().mkpath(Folder()));
  QFile own(Folder() + QStringLiteral("/My own.Nddt"));
  ASSERT_TRUE(own.open(QIODevice::WriteOnly));
  own.close();
  for (int k = 0; k < kSafetyBackupsKept + 5; ++k) {
    ASSERT_TRUE(backups.Save(store, BeforeRestoreReason()));
    now = now.addSecs(60);
  }
  const QStringList names = Names();
  ASSERT_EQ(names.size(), kSafetyBackupsKept);
  EXPECT_EQ(names.front(), "2026-12-10 21-58-33 before restore");
  EXPECT_EQ(names.back(), "2026-12-10 21-09-33 before restore");
  EXPECT_TRUE(QFile::exists(own.fileName()));

  // The oldest, about to be loaded, outlives the save made before its load.
  const QString oldest = backups.List().back().path;
  ASSERT_TRUE(backups.Save(store, BeforeLoadReason(names.back()), oldest));
  EXPECT_TRUE(QFile::exists(oldest));
  EXPECT_EQ(backups.List().size(), static_cast<std::size_t>(kSafetyBackupsKept) + 1);
}

TEST_F(SafetyBackupsTest, SavesOfOneSecondAreAllKeptNewestFirst) {
  ASSERT_TRUE(backups.Save(store, AtLinkUpReason()));
  ASSERT_TRUE(backups.Save(store, BeforeRecallReason(2)));
  ASSERT_TRUE(backups.Save(store, AtLinkUpReason()));
  EXPECT_EQ(Names(),
            (QStringList{"2026-12-10 21-04-33 at link-up (3)", "2026-12-10 21-04-33 before recall 2 (2)",
                         "2026-12-10 21-04-33 at link-up"}));
}

TEST_F(SafetyBackupsTest, AReasonNeverLeavesTheFolder) {
  ASSERT_TRUE(backups.Save(store, BeforeLoadReason(QStringLiteral("../x/y"))));
  EXPECT_EQ(Names(), (QStringList{"2026-12-10 21-04-33 before loading .._x_y"}));
}

TEST_F(SafetyBackupsTest, AFolderThatCannotBeMadeOrWrittenFailsTheSave) {
  // A file where the folder should be, and one where its parent should be.
  ASSERT_TRUE(QDir().mkpath(tmp.path() + QStringLiteral("/QelMode")));
  QFile blocker(Folder());
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  EXPECT_FALSE(backups.Save(store, BeforeRecallReason(1)));
  EXPECT_TRUE(backups.List().empty());

  SafetyBackups under([&] { return Folder() + QStringLiteral("/deeper"); }, [this] { return now; });
  EXPECT_FALSE(under.Save(store, BeforeRecallReason(1)));
  SafetyBackups nowhere([] { return QString(); });
  EXPECT_FALSE(nowhere.Save(store, BeforeRecallReason(1)));
}

}  // namespace
}  // namespace morvelin
