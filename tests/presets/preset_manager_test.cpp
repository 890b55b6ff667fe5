#include "presets/preset_manager.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "link/frame_dispatcher.h"
#include "link/frames.h"
#include "presets/backup_recorders.h"
#include "presets/mode_list.h"
#include "presets/preset_recorders.h"

namespace morvelin {
namespace {

using Kind = ScriptedDialogs::Kind;

QString U(const char* utf8) {
  return QString::fromUtf8(utf8);
}

struct PresetManagerTest : ::testing::Test {
  QTemporaryDir tmp;
  EditSelection sel;
  ParamStore store{sel};
  BackupFolders folders{tmp.path() + "/prog", tmp.path() + "/appdata"};
  RecordingNotifier notifier;
  RecordingLink download;
  BackupFiles files{store, folders, notifier, download};
  RecordingPresetView view;
  ScriptedDialogs dialogs;
  RecordingModeLink modeLink{store};
  UiFlags flags;
  PresetManager presets{store, view, dialogs, modeLink, files, folders, flags};

  void SetUp() override {
    ASSERT_TRUE(tmp.isValid());
    folders.EnsureFolders();
    store.Unit.ModeNames[2] = "Party";
    store.Unit.ModeNames[11] = "Party";
    store.Unit.ModeNames[15] = "Last";
    store.Unit.ModeNames[18] = "Live";
  }

  void SetLevel(int level) { store.SetView(AccessLevelAddr, level); }
  void SetMode(int mode) { store.SetDevice(ModeRecallAddr, mode); }
  // The user picks an item of the list.
  void Pick(int position) {
    view.modeIndex = position;
    presets.SysModeBoxChange();
  }
  void SaveBackup(const QString& name) {
    view.fileText = name;
    presets.RzBmpButton120Click();
  }
  QStringList RowNames() const {
    QStringList names;
    for (const BackupRow& row : view.backupRows) names.append(row.name);
    return names;
  }
  QByteArray FileBytes(const QString& name) {
    QFile f(folders.BackupPath(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
};

// --- The mode list ----------------------------------------------------------------------------

TEST_F(PresetManagerTest, ModeListHasItsThreeShapes) {
  presets.ShowInitialModeList();
  ASSERT_EQ(view.modeItems.size(), 22);
  EXPECT_EQ(view.modeItems.front(), "1-");
  EXPECT_EQ(view.modeItems[9], "10-");
  EXPECT_EQ(view.modeItems.back(), "22-");
  EXPECT_EQ(view.modeIndex, 0);
  EXPECT_EQ(view.currentModeText, U("(当前模式：1)"));

  SetMode(11);
  presets.RefreshModeList();
  ASSERT_EQ(view.modeItems.size(), 16);
  EXPECT_EQ(view.modeItems[0], "1-");
  EXPECT_EQ(view.modeItems[2], "3-Party");
  EXPECT_EQ(view.modeItems[15], "16-Last");
  EXPECT_EQ(view.modeIndex, 11);
  EXPECT_EQ(view.presetModeText, "Party");

  view.modeIndex = 2;
  view.presetModeText = "typed";
  presets.ModeSaved();
  ASSERT_EQ(view.modeItems.size(), 22);
  EXPECT_EQ(view.modeItems[15], "16-Last");
  EXPECT_EQ(view.modeItems[16], "MF1-");
  EXPECT_EQ(view.modeItems[18], "MF3-Live");
  EXPECT_EQ(view.modeItems[21], "MF6-");
  EXPECT_EQ(view.modeIndex, 2) << "the selected position is kept";
  EXPECT_EQ(view.presetModeText, "typed") << "a rebuilt list does not touch the name field";
  EXPECT_EQ(presets.ModeList(), view.modeItems);

  presets.RefreshModeList();
  EXPECT_EQ(view.modeItems.size(), 16) << "the next refresh drops the MF entries";
}

TEST(ModeItems, SavedListMatchesTheLinksEntries) {
  UnitInfo unit;
  for (int k = 0; k < kModeNameSlots; ++k)
    unit.ModeNames[static_cast<std::size_t>(k)] = "n" + std::to_string(k);
  const auto entries = ModeListEntries(unit);
  const QStringList items = SavedModeItems(unit);
  ASSERT_EQ(items.size(), kModeNameSlots);
  for (int k = 0; k < kModeNameSlots; ++k)
    EXPECT_EQ(items[k].toStdString(), entries[static_cast<std::size_t>(k)]);
  EXPECT_EQ(ModeItems(unit), items.mid(0, kModeCount));
}

TEST_F(PresetManagerTest, CurrentModeLabelFollowsModeAndLanguage) {
  struct Case {
    int language, mode;
    const char* label;
  };
  for (const Case& c : {Case{1, 0, "(当前模式:1 )"}, Case{1, 11, "(当前模式:12 )"},
                        Case{0, 0, "(Current Mode:1 )"}, Case{0, 15, "(Current Mode:16 )"}}) {
    flags.UiLanguage = c.language;
    SetMode(c.mode);
    presets.RefreshModeList();
    EXPECT_EQ(view.currentModeText, U(c.label));
  }
}

TEST_F(PresetManagerTest, ModeBeyondTheListSelectsNothing) {
  SetMode(17);
  view.presetModeText = "old";
  presets.RefreshModeList();
  EXPECT_EQ(view.modeIndex, -1);
  EXPECT_EQ(view.presetModeText, "");
  EXPECT_EQ(view.currentModeText, U("(当前模式:18 )"));
  dialogs.answers = {true};
  presets.SysLoadModeBtnClick(PresetManager::ModeButton::Load);
  EXPECT_TRUE(dialogs.shown.empty()) << "no item, no recall";
  EXPECT_EQ(store.Device(ModeRecallAddr), 17);
}

TEST_F(PresetManagerTest, SelectedItemGivesItsName) {
  struct Case {
    const char* item;
    int position;
    const char* name;
  };
  for (const Case& c :
       {Case{"12-Party", 11, "Party"}, Case{"MF3-Live", 18, "Live"}, Case{"5-", 4, ""},
        Case{"9-Nine", 8, "Nine"}, Case{"10-Ten", 9, "Ten"}, Case{"16-X-Y", 15, "X-Y"}, Case{"17-", 16, ""},
        Case{"5-Party               ", 4, "Party"}, Case{"3-  a b  ", 2, "  a b"}, Case{"4-    ", 3, ""}})
    EXPECT_EQ(ModeNameOfItem(U(c.item), c.position), U(c.name)) << c.item;

  presets.RefreshModeList();
  Pick(11);
  EXPECT_EQ(view.presetModeText, "Party");
  Pick(4);
  EXPECT_EQ(view.presetModeText, "");
  presets.ModeSaved();
  Pick(18);
  EXPECT_EQ(view.presetModeText, "Live");
}

// --- Recall -----------------------------------------------------------------------------------

TEST_F(PresetManagerTest, RecallAsksInEitherLanguageAndSetsTheModeWord) {
  RecordingEditSender sender;
  store.SetEditSender(&sender);
  struct Case {
    int language;
    const char* question;
  };
  for (const Case& c : {Case{1, "模式切换为12-Party?"}, Case{0, "Load Mode to12-Party?"}}) {
    flags.UiLanguage = c.language;
    SetMode(0);
    sender.edits.clear();
    dialogs.shown.clear();
    presets.RefreshModeList();
    Pick(11);

    dialogs.answers = {false};
    presets.SysLoadModeBtnClick(PresetManager::ModeButton::Load);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].kind, Kind::YesNo);
    EXPECT_EQ(dialogs.shown[0].caption, "Confirm");
    EXPECT_EQ(dialogs.shown[0].text, U(c.question));
    EXPECT_EQ(store.Device(ModeRecallAddr), 0) << "No changes nothing";
    EXPECT_TRUE(sender.edits.empty());

    dialogs.answers = {true};
    presets.SysLoadModeBtnClick(PresetManager::ModeButton::Load);
    EXPECT_EQ(store.Device(ModeRecallAddr), 11);
    EXPECT_EQ(store.View(ModeRecallAddr), 11);
    EXPECT_EQ(sender.edits, (std::vector<std::pair<int, int>>{{ModeRecallAddr, 11}}));
  }
  store.SetEditSender(nullptr);
}

TEST_F(PresetManagerTest, RecallNeedsNoAccessLevelAndOfflineOnlyChangesTheStore) {
  RecordingEditSender sender;
  sender.online = false;
  store.SetEditSender(&sender);
  SetLevel(0);
  presets.RefreshModeList();
  Pick(2);
  dialogs.answers = {true};
  presets.SysLoadModeBtnClick(PresetManager::ModeButton::Load);
  EXPECT_EQ(store.Device(ModeRecallAddr), 2);
  EXPECT_TRUE(sender.edits.empty());
  EXPECT_EQ(dialogs.shown.size(), 1u) << "only the question, no message";
  EXPECT_EQ(view.modeItems.size(), 16) << "the list waits for the next refresh";
  store.SetEditSender(nullptr);
}

// --- Save -------------------------------------------------------------------------------------

TEST_F(PresetManagerTest, SaveIsRefusedAtTheUserLevel) {
  struct Case {
    int language;
    const char* message;
  };
  for (const Case& c :
       {Case{1, "用户模式无法执行保存操作!"}, Case{0, "Users can not perform the save operation mode!"}}) {
    flags.UiLanguage = c.language;
    dialogs.shown.clear();
    SetLevel(0);
    presets.RefreshModeList();
    Pick(2);
    dialogs.answers = {true};
    presets.SysLoadModeBtnClick(PresetManager::ModeButton::Save);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].kind, Kind::Message);
    EXPECT_EQ(dialogs.shown[0].caption, "Confirm");
    EXPECT_EQ(dialogs.shown[0].text, U(c.message));
    EXPECT_TRUE(modeLink.saves.empty());
  }
}

TEST_F(PresetManagerTest, SaveAsksInEitherLanguageAndSavesOnYes) {
  SetLevel(1);
  struct Case {
    int language;
    const char* question;
  };
  for (const Case& c : {Case{1, "保存当前模式为 3-Club?"}, Case{0, "Save Mode to 3-Club?"}}) {
    flags.UiLanguage = c.language;
    dialogs.shown.clear();
    modeLink.saves.clear();
    presets.RefreshModeList();
    Pick(2);
    view.presetModeText = "Club";

    dialogs.answers = {false};
    presets.SysLoadModeBtnClick(PresetManager::ModeButton::Save);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].kind, Kind::YesNo);
    EXPECT_EQ(dialogs.shown[0].caption, "Confirm");
    EXPECT_EQ(dialogs.shown[0].text, U(c.question));
    EXPECT_TRUE(modeLink.saves.empty());

    dialogs.answers = {true};
    presets.SysLoadModeBtnClick(PresetManager::ModeButton::Save);
    EXPECT_EQ(modeLink.saves, (std::vector<std::pair<int, std::string>>{{2, "Club"}}));
  }
  presets.ModeSaved();
  EXPECT_EQ(view.modeItems[2], "3-Club");
  EXPECT_EQ(view.modeIndex, 2);
}

TEST_F(PresetManagerTest, MfItemSavesAsModeOneWithItsName) {
  SetLevel(1);
  flags.UiLanguage = 0;
  presets.RefreshModeList();
  presets.ModeSaved();
  Pick(18);
  ASSERT_EQ(view.presetModeText, "Live");

  dialogs.answers = {true};
  presets.SysLoadModeBtnClick(PresetManager::ModeButton::Save);
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].text, "Save Mode to 1-Live?");
  EXPECT_EQ(view.modeIndex, 0);
  EXPECT_EQ(view.presetModeText, "Live");
  EXPECT_EQ(modeLink.saves, (std::vector<std::pair<int, std::string>>{{0, "Live"}}));

  presets.ModeSaved();
  EXPECT_EQ(view.modeItems[0], "1-Live");
  EXPECT_EQ(view.modeItems[18], "MF3-Live");
  EXPECT_EQ(view.modeIndex, 0);
}

TEST_F(PresetManagerTest, OfflineSaveIsLeftToTheLink) {
  SetLevel(1);
  modeLink.online = false;
  presets.RefreshModeList();
  Pick(2);
  dialogs.answers = {true};
  presets.SysLoadModeBtnClick(PresetManager::ModeButton::Save);
  EXPECT_EQ(modeLink.refusals, 1);
  EXPECT_EQ(store.Unit.ModeNames[2], "Party");
}

TEST(ModeNameForUnit, IsAtMostTwentyPrintableAsciiCharacters) {
  struct Case {
    const char* typed;
    const char* sent;
  };
  for (const Case& c :
       {Case{"Party", "Party"}, Case{"", ""}, Case{"ABCDEFGHIJKLMNOPQRSTUVWXY", "ABCDEFGHIJKLMNOPQRST"},
        Case{" ~!x", " ~!x"}, Case{"演唱会", "???"},
        Case{"AB演唱会演唱会演唱会演唱会演唱会演唱会", "AB??????????????????"}, Case{"a\tb\x7f", "a?b?"}})
    EXPECT_EQ(ModeNameForUnit(U(c.typed)), c.sent) << c.typed;
  EXPECT_TRUE(IsModeNameChar(QChar(0x20)));
  EXPECT_TRUE(IsModeNameChar(QChar(0x7E)));
  EXPECT_FALSE(IsModeNameChar(QChar(0x1F)));
  EXPECT_FALSE(IsModeNameChar(QChar(0x7F)));
  EXPECT_FALSE(IsModeNameChar(QChar(0xE9)));
}

// --- Backups ----------------------------------------------------------------------------------

TEST_F(PresetManagerTest, BackupListAndClick) {
  for (const char* name : {"b", "A", "Live.2024"}) ASSERT_TRUE(files.SaveBackupFile(U(name)));
  presets.RefreshBackupList();
  EXPECT_EQ(RowNames(), (QStringList{"A", "b", "Live.2024"}));
  EXPECT_EQ(view.backupRows[2].key, "2");
  EXPECT_EQ(view.backupRow, 0);
  EXPECT_EQ(view.fileText, "A");

  view.backupRow = 2;
  presets.ValueListEditor1Click();
  EXPECT_EQ(view.fileText, "Live.2024") << "a listed name is not stripped a second time";
  EXPECT_EQ(view.focusCount, 0) << "no focus before start-up has finished";
  flags.StartupDone = true;
  view.backupRow = 1;
  presets.ValueListEditor1Click();
  EXPECT_EQ(view.fileText, "b");
  EXPECT_EQ(view.focusCount, 1);

  // The clicked name is the file that loads.
  view.backupRow = 2;
  presets.ValueListEditor1Click();
  dialogs.answers = {true};
  presets.RzBmpButton119Click();
  EXPECT_TRUE(notifier.notices.empty());
  EXPECT_EQ(download.downloads, 1);
}

TEST_F(PresetManagerTest, EmptyBackupFolderLeavesFileEditEmpty) {
  view.fileText = "stale";
  presets.RefreshBackupList();
  EXPECT_TRUE(view.backupRows.empty());
  EXPECT_EQ(view.backupRow, -1);
  EXPECT_EQ(view.fileText, "");
  presets.ValueListEditor1Click();
  EXPECT_EQ(view.fileText, "");
}

TEST_F(PresetManagerTest, GridDiscardsTypedCharacters) {
  for (const char* text : {"a", "1", " ", "\r", "\b"})
    EXPECT_TRUE(PresetManager::ValueListEditor1KeyPress(U(text))) << text;
  EXPECT_FALSE(PresetManager::ValueListEditor1KeyPress(QString())) << "arrow keys carry no text";
}

TEST_F(PresetManagerTest, SavedBackupIsListedAtItsAlphabeticalPlace) {
  for (const char* name : {"alpha", "Charlie"}) ASSERT_TRUE(files.SaveBackupFile(U(name)));
  presets.RefreshBackupList();
  SaveBackup("Bravo");
  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_EQ(RowNames(), (QStringList{"alpha", "Bravo", "Charlie"}));
  EXPECT_EQ(view.backupRows[1].key, "1");
  EXPECT_EQ(presets.BackupList().size(), 3u);
  EXPECT_EQ(view.fileText, "alpha") << "FileEdit follows the first row after the refill";
}

TEST_F(PresetManagerTest, OverwriteIsAskedOnlyForAnExactName) {
  ASSERT_TRUE(files.SaveBackupFile("Party"));
  const QByteArray before = FileBytes("Party");
  presets.RefreshBackupList();
  store.DeviceImage[0][0] = 1234;

  struct Case {
    int language;
    const char* caption;
    const char* question;
  };
  for (const Case& c : {Case{1, "*系统提示*", "文件已存在,覆盖它吗?"},
                        Case{0, "*Confirm*", "File already exists, overwrite it right?"}}) {
    flags.UiLanguage = c.language;
    dialogs.shown.clear();
    dialogs.answers = {false};
    SaveBackup("Party");
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].kind, Kind::OkCancel);
    EXPECT_EQ(dialogs.shown[0].caption, U(c.caption));
    EXPECT_EQ(dialogs.shown[0].text, U(c.question));
    EXPECT_EQ(FileBytes("Party"), before) << "Cancel saves nothing";
  }

  dialogs.shown.clear();
  dialogs.answers = {true};
  SaveBackup("Party");
  EXPECT_EQ(dialogs.shown.size(), 1u);
  EXPECT_NE(FileBytes("Party"), before);

  dialogs.shown.clear();
  SaveBackup("party");
  EXPECT_TRUE(dialogs.shown.empty()) << "another letter case is another name";
  EXPECT_EQ(RowNames(), (QStringList{"Party", "party"}));
}

TEST_F(PresetManagerTest, OverwriteIsAskedForAFileTheListingDoesNotShow) {
  presets.RefreshBackupList();
  ASSERT_TRUE(files.SaveBackupFile("Later"));  // written after the listing
  const QByteArray before = FileBytes("Later");
  store.DeviceImage[0][0] = 4321;
  dialogs.answers = {false};
  SaveBackup("Later");
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].kind, Kind::OkCancel);
  EXPECT_EQ(FileBytes("Later"), before);
}

TEST_F(PresetManagerTest, EmptyFileEditSavesNothingAndLoadReportsMissingFile) {
  flags.UiLanguage = 0;
  presets.RefreshBackupList();
  SaveBackup("");
  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_TRUE(notifier.notices.empty());
  EXPECT_TRUE(folders.ListBackupFiles().empty());

  dialogs.answers = {true};
  presets.RzBmpButton119Click();
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].text, U("Load File Data： ?"));
  ASSERT_EQ(notifier.notices.size(), 1u);
  EXPECT_EQ(notifier.notices[0].second, "File not find!");
}

TEST_F(PresetManagerTest, LoadAsksInEitherLanguageAndLoadsOnYes) {
  for (int b = 0; b <= 24; ++b) store.DeviceImage[b][1] = 100 + b;
  ASSERT_TRUE(files.SaveBackupFile("Show"));
  const Image saved = store.DeviceImage;
  struct Case {
    int language;
    const char* question;
  };
  for (const Case& c : {Case{1, "加载模式：Show ?"}, Case{0, "Load File Data：Show ?"}}) {
    flags.UiLanguage = c.language;
    store.DeviceImage = Image{};
    dialogs.shown.clear();
    download.downloads = 0;
    view.fileText = "Show";

    dialogs.answers = {false};
    presets.RzBmpButton119Click();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].kind, Kind::YesNo);
    EXPECT_EQ(dialogs.shown[0].caption, "Confirm");
    EXPECT_EQ(dialogs.shown[0].text, U(c.question));
    EXPECT_EQ(store.DeviceImage, Image{}) << "No loads nothing";

    dialogs.answers = {true};
    presets.RzBmpButton119Click();
    EXPECT_EQ(store.DeviceImage, saved);
    EXPECT_EQ(download.downloads, 1);
  }
  EXPECT_TRUE(notifier.notices.empty());
}

}  // namespace
}  // namespace morvelin
