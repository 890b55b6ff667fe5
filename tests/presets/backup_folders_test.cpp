#include "presets/backup_folders.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace morvelin {
namespace {

void Touch(const QString& path) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
}

struct FoldersTest : ::testing::Test {
  QTemporaryDir tmp;
  QString prog() const { return tmp.path() + "/prog"; }
  QString appdata() const { return tmp.path() + "/appdata"; }
};

TEST_F(FoldersTest, CreatesModeAndQelModeBesideTheProgram) {
  BackupFolders folders(prog() + "/", appdata());
  folders.EnsureFolders();
  EXPECT_EQ(folders.ModeFolder(), prog() + "/Mode");
  EXPECT_EQ(folders.BackupFolder(), prog() + "/Mode/QelMode");
  EXPECT_TRUE(QFileInfo(folders.BackupFolder()).isDir());
  EXPECT_EQ(folders.BackupPath("Party"), prog() + "/Mode/QelMode/Party.Nddt");
  EXPECT_FALSE(QFileInfo::exists(appdata()));

  // Existing folders and their files stay as they are.
  Touch(folders.BackupPath("Party"));
  folders.EnsureFolders();
  EXPECT_TRUE(QFileInfo::exists(folders.BackupPath("Party")));
  EXPECT_TRUE(QDir(folders.BackupFolder()).entryList({"*.probe"}, QDir::Files).isEmpty());
}

TEST_F(FoldersTest, FallsBackToApplicationDataWhenTheProgramFolderCannotTakeThem) {
  ASSERT_TRUE(QDir().mkpath(prog()));
  Touch(prog() + "/Mode");  // a file where the folder should be
  BackupFolders folders(prog(), appdata());
  folders.EnsureFolders();
  EXPECT_EQ(folders.ModeFolder(), appdata() + "/Mode");
  EXPECT_EQ(folders.BackupFolder(), appdata() + "/Mode/QelMode");
  EXPECT_TRUE(QFileInfo(folders.BackupFolder()).isDir());
}

TEST_F(FoldersTest, ListsBackupsSortedIgnoringCase) {
  BackupFolders folders(prog(), appdata());
  folders.EnsureFolders();
  const QString dir = folders.BackupFolder();
  for (const char* f : {"b.Nddt", "A.nddt", "c.NDDTbak", "a.Nddtx", "a.b.Nddt", "notes.txt", "Nddt"})
    Touch(dir + "/" + f);
  ASSERT_TRUE(QDir().mkpath(dir + "/folder.Nddt"));

  const auto rows = folders.ListBackupFiles();
  const QStringList names{"a.b", "A", "a.Nddtx", "b", "c.NDDTbak"};
  ASSERT_EQ(rows.size(), static_cast<std::size_t>(names.size()));
  for (std::size_t n = 0; n < rows.size(); ++n) {
    EXPECT_EQ(rows[n].key, QString::number(n));
    EXPECT_EQ(rows[n].name, names[static_cast<qsizetype>(n)]);
  }
  EXPECT_EQ(folders.BackupNames(), names);

  QFile::remove(dir + "/b.Nddt");
  folders.ListBackupFiles();
  EXPECT_EQ(folders.BackupNames().size(), 4);
}

TEST_F(FoldersTest, BackupNamesHoldAtMost201) {
  BackupFolders folders(prog(), appdata());
  folders.EnsureFolders();
  for (int n = 0; n < 205; ++n)
    Touch(folders.BackupFolder() + QString("/m%1.Nddt").arg(n, 3, 10, QChar('0')));
  const auto rows = folders.ListBackupFiles();
  EXPECT_EQ(rows.size(), 205u);
  EXPECT_EQ(folders.BackupNames().size(), kMaxBackupNames);
  EXPECT_EQ(folders.BackupNames().back(), "m200");
}

TEST_F(FoldersTest, MissingFolderListsNothing) {
  BackupFolders folders(prog(), appdata());
  EXPECT_TRUE(folders.ListBackupFiles().empty());
  EXPECT_TRUE(folders.BackupNames().isEmpty());
}

TEST(StripExtension, RemovesOnlyAFinalFourCharacterExtension) {
  const std::pair<QString, QString> cases[] = {
      {"Party.Nddt", "Party"},
      {"a.b.Nddt", "a.b"},
      {"a.Nddtx", "a.Nddtx"},
      {".Nddt", ""},
      {"Nddt", "Nddt"},
      {"x.abcd", "x"},
      {"", ""},
      {"x.abc", "x.abc"},
  };
  for (const auto& [in, out] : cases) EXPECT_EQ(StripExtension(in), out) << in.toStdString();
}

}  // namespace
}  // namespace morvelin
