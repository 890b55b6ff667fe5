// The system page's mode and backup groups in the whole window on the virtual unit: the mode
// list after a full read, recall and save of modes with their questions, the backup grid, and
// saving and loading backups in a temporary backup folder.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QTemporaryDir>
#include <algorithm>

#include "editor/widgets/controls/bmp_button.h"
#include "editor/widgets/controls/combo_box.h"
#include "editor/widgets/controls/misc_controls.h"
#include "editor/widgets/controls/text_controls.h"
#include "link/frames.h"
#include "presets/backup_content.h"
#include "presets/backup_file.h"
#include "shell/shell_fixture.h"
#include "support/qstring_print.h"

namespace morvelin::test {
namespace {

using Kind = RecordedMessageBoxes::Kind;

QString U(const char* utf8) {
  return QString::fromUtf8(utf8);
}

// The unit reports every mode name padded with spaces to its 20 characters, and the names are
// kept as reported.
QString Reported(const QString& name) {
  return name.leftJustified(20, ' ');
}

int FrameAddress(const Bytes& f) {
  return f.size() > 5 ? f[4] * 256 + f[5] : -1;
}

struct PresetGroups : ::testing::Test {
  QTemporaryDir tmp;
  std::unique_ptr<Program> p;

  void SetUp() override {
    ASSERT_TRUE(tmp.isValid());
    StartupOptions o = DemoOptions();
    o.backups = {tmp.path() + "/prog", tmp.path() + "/appdata", {}};
    p = std::make_unique<Program>(o);
  }

  QString BackupFolder() const { return tmp.path() + "/prog/Mode/QelMode"; }
  VirtualUnit& Unit() { return *p->app.Form3().DemoUnit(); }
  MainWindow& W() { return p->Main(); }
  EditorState& State() { return p->app.State(); }
  RecordedMessageBoxes& Boxes() { return p->messages; }
  template <class T>
  T* Get(const char* name) {
    T* c = W().Components().Get<T>(name);
    EXPECT_NE(c, nullptr) << name;
    return c;
  }
  ComboBox& ModeBox() { return *Get<ComboBox>("SysModeBox"); }
  Edit& ModeEdit() { return *Get<Edit>("PresetModeEdit"); }
  Edit& FileEdit() { return *Get<Edit>("FileEdit"); }
  ListEditor& Grid() { return *Get<ListEditor>("ValueListEditor1"); }
  QString CurrentModeText() { return Get<Label>("CurrentModeLabel")->text(); }
  QStringList ModeItems() {
    QStringList items;
    for (int i = 0; i < ModeBox().count(); ++i) items.append(ModeBox().itemText(i));
    return items;
  }
  QStringList GridNames() {
    QStringList names;
    for (int r = 0; r < Grid().rowCount(); ++r) names.append(Grid().item(r, 1)->text());
    return names;
  }

  // Shows the window on the system page, online after the full read.
  void StartOnline() {
    p->Show();
    ASSERT_TRUE(p->WaitOnline());
    W().Tabs().ClickTab(9);
    Boxes().shown.clear();
    Unit().ClearReceived();
  }
  void Click(const char* button) {
    BmpButton* b = Get<BmpButton>(button);
    ASSERT_NE(b, nullptr);
    QTest::mouseClick(b, Qt::LeftButton);
  }
  // The user picks an item of the mode list.
  void Pick(int index) {
    ModeBox().setCurrentIndex(index);
    emit ModeBox().activated(index);
  }
  std::vector<Bytes> FramesTo(int address) {
    std::vector<Bytes> found;
    for (const Bytes& f : Unit().ReceivedFrames())
      if (FrameAddress(f) == address) found.push_back(f);
    return found;
  }
  bool WaitForMessage(const QString& text, int ms = 8000) {
    return p->clock.RunUntil(
        [&] {
          return std::any_of(Boxes().shown.begin(), Boxes().shown.end(),
                             [&](const auto& e) { return e.text == text; });
        },
        ms);
  }
  void WriteFile(const QString& name) {
    QDir().mkpath(BackupFolder());
    QFile f(BackupFolder() + "/" + name);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  }
};

TEST_F(PresetGroups, StartShapeThenTheUnitsNamesAfterTheFullRead) {
  // Before the window is shown: the 22 placeholders and the designed label.
  ASSERT_EQ(ModeBox().count(), 22);
  EXPECT_EQ(ModeBox().itemText(0), "1-");
  EXPECT_EQ(ModeBox().itemText(21), "22-");
  EXPECT_EQ(ModeBox().currentIndex(), 0);
  EXPECT_EQ(CurrentModeText(), U("(当前模式：1)"));

  Unit().SetModeName(4, "Party");
  Unit().SetCurrentMode(4);
  p->Show();
  ASSERT_TRUE(p->WaitOnline());
  QStringList expected;
  for (int n = 1; n <= 16; ++n) expected.append(QString("%1-").arg(n) + Reported(QString("Mode %1").arg(n)));
  expected[4] = "5-" + Reported("Party");
  EXPECT_EQ(ModeItems(), expected);
  EXPECT_EQ(ModeBox().currentIndex(), 4);
  EXPECT_EQ(ModeEdit().text(), "Party") << "shown without the unit's padding";
  EXPECT_EQ(CurrentModeText(), U("(当前模式:5 )"));
  EXPECT_EQ(p->app.Presets().Manager().ModeList(), expected) << "presenter and widget in step";
}

TEST_F(PresetGroups, OnlyTheUsersChoiceFillsTheNameField) {
  StartOnline();
  Pick(11);
  EXPECT_EQ(ModeEdit().text(), "Mode 12");
  ModeEdit().setText("typed");
  ModeBox().setCurrentIndex(3);  // the program moving the selection
  EXPECT_EQ(ModeEdit().text(), "typed");
  EXPECT_EQ(ModeEdit().maxLength(), 20);
  // Only printable ASCII can be typed, and the hint says so.
  ModeEdit().clear();
  ModeEdit().setFocus();
  QTest::keyClicks(&ModeEdit(), "Ab ");
  for (const QString& typed : {U("é"), U("演")}) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, typed);
    QApplication::sendEvent(&ModeEdit(), &press);
  }
  QTest::keyClicks(&ModeEdit(), "~1");
  EXPECT_EQ(ModeEdit().text(), "Ab ~1");
  EXPECT_TRUE(ModeEdit().toolTip().contains("ASCII"));
}

TEST_F(PresetGroups, RecallAsksInTheUsersLanguageAndYesRecallsAndReloads) {
  struct Case {
    int language;
    bool yes;
    const char* question;
    const char* label;
  };
  const Case cases[] = {
      {1, true, "模式切换为6-Mode 6              ?", "(当前模式:6 )"},
      {0, true, "Load Mode to6-Mode 6              ?", "(Current Mode:6 )"},
      {1, false, "模式切换为6-Mode 6              ?", "(当前模式:1 )"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.question);
    if (&c != cases) SetUp();
    StartOnline();
    State().UiLanguage = c.language;
    Pick(5);
    Boxes().answers = {c.yes};
    Click("SysLoadModeBtn");
    ASSERT_EQ(Boxes().shown.size(), 1u);
    EXPECT_EQ(Boxes().shown[0].kind, Kind::YesNo);
    EXPECT_EQ(Boxes().shown[0].caption, "Confirm");
    EXPECT_EQ(Boxes().shown[0].text, U(c.question));
    const std::vector<Bytes> recalls = FramesTo(ModeRecallAddr);
    if (!c.yes) {
      EXPECT_TRUE(recalls.empty());
      EXPECT_EQ(Unit().CurrentMode(), 0);
      continue;
    }
    ASSERT_EQ(recalls.size(), 1u);
    EXPECT_EQ(recalls[0][6], 5) << "the mode number, low byte first";
    EXPECT_EQ(Unit().CurrentMode(), 5);
    // The recall is followed by a full read, and its refresh shows the new mode.
    EXPECT_FALSE(p->Link().LinkOnline());
    ASSERT_TRUE(p->WaitOnline());
    EXPECT_FALSE(FramesTo(BlockReadAddr).empty());
    EXPECT_EQ(ModeBox().currentIndex(), 5);
    EXPECT_EQ(CurrentModeText(), U(c.label));
  }
}

TEST_F(PresetGroups, SaveIsRefusedAtTheUserLevel) {
  StartOnline();
  Pick(2);
  Click("SysSaveModeBtn");
  ASSERT_EQ(Boxes().shown.size(), 1u);
  EXPECT_EQ(Boxes().shown[0].kind, Kind::Message);
  EXPECT_EQ(Boxes().shown[0].caption, "Confirm");
  EXPECT_EQ(Boxes().shown[0].text, U("用户模式无法执行保存操作!"));
  EXPECT_TRUE(FramesTo(ModeSaveAddr).empty());
}

TEST_F(PresetGroups, SaveAtTheManagerLevelSendsTheNameAndShowsTheFullList) {
  Unit().SetAccessLevel(1);
  StartOnline();
  Pick(3);
  ModeEdit().setText("Party");
  Boxes().answers = {true};
  Click("SysSaveModeBtn");
  ASSERT_FALSE(Boxes().shown.empty());
  EXPECT_EQ(Boxes().shown[0].kind, Kind::YesNo);
  EXPECT_EQ(Boxes().shown[0].text, U("保存当前模式为 4-Party?"));
  const std::vector<Bytes> saves = FramesTo(ModeSaveAddr);
  ASSERT_EQ(saves.size(), 1u);
  const Bytes& f = saves[0];
  ASSERT_EQ(f.size(), 6u + 22u + 1u) << "22 data bytes";
  EXPECT_EQ(f[6], 3);
  EXPECT_EQ(f[7], 0);
  EXPECT_EQ(std::string(f.begin() + 8, f.begin() + 28), "Party               ");

  ASSERT_TRUE(WaitForMessage(U("保存成功!")));
  EXPECT_TRUE(p->Link().LinkOnline());
  EXPECT_EQ(Unit().ModeName(3), "Party");
  const QStringList items = ModeItems();
  ASSERT_EQ(items.size(), 22);
  EXPECT_EQ(items[3], "4-Party");
  EXPECT_EQ(items[16], "MF1-");
  EXPECT_EQ(items[21], "MF6-");
  EXPECT_EQ(ModeBox().currentIndex(), 3) << "the selection is kept";
  EXPECT_EQ(p->app.Presets().Manager().ModeList(), items) << "presenter and widget in step";
}

TEST_F(PresetGroups, StartUpMakesTheBackupFolderOrFallsBackToTheUsersData) {
  struct Case {
    bool programFolderBlocked;
    const char* expected;
  };
  const Case cases[] = {{false, "/prog/Mode/QelMode"}, {true, "/appdata/Mode/QelMode"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.expected);
    if (&c != cases) SetUp();
    if (c.programFolderBlocked) {
      // A file where the program's folder should be: nothing can be created in it.
      ASSERT_TRUE(QDir(tmp.path() + "/prog").removeRecursively());
      QFile block(tmp.path() + "/prog");
      ASSERT_TRUE(block.open(QIODevice::WriteOnly));
    }
    p->Show();
    const QString folder = tmp.path() + c.expected;
    EXPECT_EQ(p->app.Presets().Folders().BackupFolder(), folder);
    EXPECT_TRUE(QFileInfo(folder).isDir());
    FileEdit().setText("Kept");
    Click("RzBmpButton120");
    EXPECT_TRUE(QFileInfo::exists(folder + "/Kept.Nddt"));
    EXPECT_EQ(GridNames(), QStringList{"Kept"});
    EXPECT_TRUE(Boxes().shown.empty());
  }
}

TEST_F(PresetGroups, TheGridListsTheBackupFolder) {
  for (const char* name : {"b.Nddt", "A.Nddt", "c.NDDT", "notes.txt"}) WriteFile(name);
  p->Show();
  ListEditor& grid = Grid();
  EXPECT_EQ(grid.horizontalHeaderItem(0)->text(), "      No");
  EXPECT_EQ(grid.horizontalHeaderItem(1)->text(), U("                   （PC）Data Name"));
  EXPECT_EQ(grid.columnWidth(0), 64);
  EXPECT_EQ(grid.columnWidth(1), 510);
  EXPECT_EQ(grid.verticalHeader()->defaultSectionSize(), 20);
  EXPECT_EQ(GridNames(), (QStringList{"A", "b", "c"}));
  ASSERT_EQ(grid.rowCount(), 3);
  for (int r = 0; r < 3; ++r) {
    EXPECT_EQ(grid.item(r, 0)->text(), QString::number(r));
    EXPECT_FALSE(grid.item(r, 1)->flags() & Qt::ItemIsEditable);
  }
  EXPECT_EQ(grid.currentRow(), 0);
  EXPECT_EQ(FileEdit().text(), "A");

  // A click on a row takes its name and, after start-up, the focus.
  W().Tabs().ClickTab(9);
  W().activateWindow();
  const QRect cell = grid.visualRect(grid.model()->index(2, 1));
  QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, cell.center());
  EXPECT_EQ(FileEdit().text(), "c");
  EXPECT_TRUE(FileEdit().hasFocus());
  EXPECT_EQ(grid.horizontalScrollBar()->value(), 0) << "the names stay readable from their start";
}

TEST_F(PresetGroups, TypingIntoTheGridChangesNothing) {
  for (const char* name : {"alpha.Nddt", "beta.Nddt", "gamma.Nddt"}) WriteFile(name);
  p->Show();
  W().Tabs().ClickTab(9);
  ListEditor& grid = Grid();
  grid.setFocus();
  QTest::keyClicks(&grid, "gx");
  QTest::keyClick(&grid, Qt::Key_Return);
  QTest::keyClick(&grid, Qt::Key_F2);
  EXPECT_EQ(grid.currentRow(), 0) << "no jump to a row by its first letter";
  EXPECT_EQ(GridNames(), (QStringList{"alpha", "beta", "gamma"}));
  EXPECT_EQ(grid.findChild<QLineEdit*>(), nullptr) << "no editor opened";
  EXPECT_EQ(FileEdit().text(), "alpha");
  QTest::keyClick(&grid, Qt::Key_Down);
  EXPECT_EQ(grid.currentRow(), 1) << "the arrows still move the row";
}

TEST_F(PresetGroups, SaveAsksBeforeReplacingOnlyAnExactName) {
  WriteFile("Party.Nddt");
  p->Show();
  struct Case {
    const char* name;
    std::deque<bool> answers;
    bool asked;
    bool written;
  };
  const Case cases[] = {
      {"Party", {false}, true, false},  // Cancel keeps the old file
      {"Party", {true}, true, true},
      {"party", {}, false, true},  // another letter case is another name
      {"", {}, false, false},      // no name: nothing at all
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const QString path = BackupFolder() + "/" + c.name + ".Nddt";
    const qint64 before = QFileInfo(path).size();
    Boxes().shown.clear();
    Boxes().answers = c.answers;
    FileEdit().setText(c.name);
    Click("RzBmpButton120");
    ASSERT_EQ(Boxes().shown.size(), c.asked ? 1u : 0u);
    if (c.asked) {
      EXPECT_EQ(Boxes().shown[0].kind, Kind::OkCancel);
      EXPECT_EQ(Boxes().shown[0].caption, U("*系统提示*"));
      EXPECT_EQ(Boxes().shown[0].text, U("文件已存在,覆盖它吗?"));
    }
    if (c.written) {
      EXPECT_GT(QFileInfo(path).size(), 0);
    } else if (*c.name) {
      EXPECT_EQ(QFileInfo(path).size(), before);
    }
  }
  EXPECT_EQ(GridNames(), (QStringList{"Party", "party"}));
}

TEST_F(PresetGroups, LoadAsksThenTheFullWriteReachesTheUnit) {
  StartOnline();
  // A saved image with a word the unit does not have yet.
  ParamStore& store = W().Store();
  const int original = store.DeviceImage[0][5];
  store.DeviceImage[0][5] = original + 7;
  FileEdit().setText("Show");
  Click("RzBmpButton120");
  store.DeviceImage[0][5] = original;
  ASSERT_EQ(Unit().WordAt(0, 5), original);

  Boxes().shown.clear();
  Boxes().answers = {false};
  Click("RzBmpButton119");
  ASSERT_EQ(Boxes().shown.size(), 1u);
  EXPECT_EQ(Boxes().shown[0].kind, Kind::YesNo);
  EXPECT_EQ(Boxes().shown[0].caption, "Confirm");
  EXPECT_EQ(Boxes().shown[0].text, U("加载模式：Show ?"));
  EXPECT_EQ(store.DeviceImage[0][5], original) << "No loads nothing";

  Boxes().answers = {true};
  Click("RzBmpButton119");
  EXPECT_EQ(store.DeviceImage[0][5], original + 7);
  EXPECT_FALSE(p->Link().LinkOnline()) << "the full write runs";
  ASSERT_TRUE(p->WaitOnline());
  EXPECT_FALSE(FramesTo(BlockWriteAddr).empty());
  EXPECT_EQ(Unit().WordAt(0, 5), original + 7);
}

TEST_F(PresetGroups, LoadingWithoutANameReportsAMissingFile) {
  struct Case {
    int language;
    const char* question;
    const char* notice;
  };
  const Case cases[] = {
      {1, "加载模式： ?", "文件不存在"},
      {0, "Load File Data： ?", "File not find!"},
  };
  p->Show();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.notice);
    State().UiLanguage = c.language;
    Boxes().shown.clear();
    Boxes().answers = {true};
    FileEdit().clear();
    Click("RzBmpButton119");
    ASSERT_EQ(Boxes().shown.size(), 2u);
    EXPECT_EQ(Boxes().shown[0].text, U(c.question));
    EXPECT_EQ(Boxes().shown[1].kind, Kind::Message);
    EXPECT_EQ(Boxes().shown[1].caption, "Morvelin");
    EXPECT_EQ(Boxes().shown[1].text, U(c.notice));
  }
}

TEST_F(PresetGroups, ABackupAfterTheFullReadHoldsWhatTheUnitHolds) {
  // Words far outside what the controls can show: sliders, lists, edits and buttons clamp what
  // they show, but neither the refreshes nor focusing an edit may change the stored words.
  // The last word of each block is in the backup but not in the full read: it cannot be known.
  std::vector<int> addresses;
  for (int b = 0; b <= kBackupLastBlock; ++b)
    for (int i = 0; i < BlockLengths(b); ++i) addresses.push_back(MakeAddress(b, i));
  addresses.push_back(kBackupExtraAddress);
  for (int a : addresses) Unit().SetWord(a, 300 + (a * 37) % 700);
  StartOnline();
  for (int tab = 9; tab >= 0; --tab) W().Tabs().ClickTab(tab);
  for (const char* edit : {"MusFreEdit3", "MusGainEdit3", "MusQEdit3", "MusGain1Edit"})
    if (auto* e = W().Components().Get<Edit>(edit)) QTest::mouseClick(e, Qt::LeftButton);
  W().Tabs().ClickTab(9);
  FileEdit().setText("AsRead");
  Click("RzBmpButton120");

  std::vector<std::string> lines;
  ASSERT_TRUE(ReadLines(BackupFolder() + "/AsRead.Nddt", lines));
  const CheckedBackup saved = CheckBackup(lines);
  ASSERT_EQ(saved.result, BackupCheck::Ok);
  ASSERT_EQ(saved.words.size(), addresses.size() + kBackupLastBlock + 1);
  int differing = 0;
  for (const BackupWord& w : saved.words)
    if (IndexOf(w.address) < BlockLengths(BlockOf(w.address)) && w.value != Unit().WordAt(w.address)) {
      ++differing;
      ADD_FAILURE() << "(" << w.address / 256 << "," << w.address % 256 << ") saved " << w.value << ", unit "
                    << Unit().WordAt(w.address);
      if (differing > 10) break;
    }
  EXPECT_EQ(differing, 0);
  EXPECT_TRUE(FramesTo(BlockWriteAddr).empty());
}

}  // namespace
}  // namespace morvelin::test
