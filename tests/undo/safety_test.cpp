// Safety backups in the whole program, online with the demo unit: one at link-up, one before a
// recall and before a loaded backup, each equal to the memory before the action; a folder
// that cannot take them only warns; the switch of the backup group lists and loads them.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QToolButton>

#include "band_editing/eq_rig.h"
#include "link/link_controller.h"
#include "presets/backup_content.h"
#include "presets/backup_file.h"
#include "presets/safety_backups.h"
#include "shell/preset_wiring.h"
#include "shell/window_features.h"

namespace morvelin::test {
namespace {

class SafetyTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(tmp.isValid());
    Start();
  }
  void Start() {
    BackupPlaces places;
    places.programFolder = tmp.path();
    places.fallbackBase = tmp.path() + QStringLiteral("/fallback");
    places.clock = [this] { return now; };
    rig_.reset();
    rig_ = std::make_unique<EqRig>(places);
    ASSERT_TRUE(rig_->online);
    r().ClickTab(9);
  }
  EqRig& r() { return *rig_; }
  QString AutoFolder() const { return tmp.path() + QStringLiteral("/Mode/QelMode/Auto"); }
  QString AutoFile(const char* name) const {
    return AutoFolder() + QLatin1Char('/') + QString::fromUtf8(name) + QStringLiteral(".Nddt");
  }
  // Every word of the file equals the image (which words a backup holds is the codec's matter).
  void ExpectFileHolds(const QString& path, const Image& image) {
    std::vector<std::string> lines;
    ASSERT_TRUE(ReadLines(path, lines)) << path.toStdString();
    const CheckedBackup checked = CheckBackup(lines);
    ASSERT_EQ(checked.result, BackupCheck::Ok);
    ASSERT_FALSE(checked.words.empty());
    for (const BackupWord& w : checked.words)
      ASSERT_EQ(w.value, image[BlockOf(w.address)][IndexOf(w.address)]) << w.address;
  }
  void Online() {
    LinkController& link = *r().Main().Session().Link();
    ASSERT_TRUE(r().clock.RunUntil([&] { return link.LinkOnline(); }, 30000));
    r().Settle();
  }
  void Recall(int item) {
    r().Get<ComboBox>("SysModeBox")->SetItemIndex(item);
    r().messages.answers = {true};
    r().Click(r().Get<BmpButton>("SysLoadModeBtn"));
  }

  QTemporaryDir tmp;
  QDateTime now{QDate(2026, 12, 10), QTime(21, 0, 2)};
  std::unique_ptr<EqRig> rig_;
};

TEST_F(SafetyTest, LinkUpSavesTheUnitAsFound) {
  ExpectFileHolds(AutoFile("2026-12-10 21-00-02 at link-up"), r().Store().DeviceImage);
}

TEST_F(SafetyTest, RecallSavesTheMemoryBeforeIt) {
  const Image before = r().Store().DeviceImage;
  now = now.addSecs(271);
  r().Unit().ClearReceived();
  Recall(4);
  ExpectFileHolds(AutoFile("2026-12-10 21-04-33 before recall 5"), before);
  Online();
  bool recalled = false;
  for (const Bytes& f : r().Unit().ReceivedFrames())
    recalled = recalled || (f.size() == 9 && f[4] * 256 + f[5] == ModeRecallAddr && f[6] == 4);
  EXPECT_TRUE(recalled);
  // Only the link-up's and the recall's: a recall's full read is no link-up.
  EXPECT_EQ(QDir(AutoFolder()).entryList(QDir::Files).size(), 2);
}

TEST_F(SafetyTest, LoadedBackupSavesTheMemoryBeforeItAndIsWritten) {
  Image party = r().Store().DeviceImage;
  party[0][22] = 150;
  party[2][20] = 77;
  const QString folder = r().Presets().Folders().BackupFolder();
  ASSERT_TRUE(WriteLinesReplacing(folder + QStringLiteral("/Party.Nddt"), BackupLines(party)));
  const Image before = r().Store().DeviceImage;
  now = now.addSecs(60);
  r().Get<Edit>("FileEdit")->setText(QStringLiteral("Party"));
  r().messages.answers = {true};
  r().Click(r().Get<BmpButton>("RzBmpButton119"));
  ExpectFileHolds(AutoFile("2026-12-10 21-01-02 before loading Party"), before);
  Online();
  EXPECT_EQ(r().Unit().WordAt(MakeAddress(0, 22)), 150);
  EXPECT_EQ(r().Unit().WordAt(MakeAddress(2, 20)), 77);
}

TEST_F(SafetyTest, AnUnwritableFolderStillLetsTheRecallHappenWithOneWarning) {
  // A file where the folder should be.
  ASSERT_TRUE(QDir(AutoFolder()).removeRecursively());
  QFile blocker(AutoFolder());
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  auto* warning = r().Main().findChild<QLabel*>(QLatin1String(kSafetyWarningName));
  ASSERT_NE(warning, nullptr);
  EXPECT_TRUE(warning->isHidden());

  r().Unit().ClearReceived();
  const std::size_t shown = r().messages.shown.size();
  Recall(2);
  EXPECT_FALSE(warning->isHidden());
  // Left of the undo buttons beside the link status, wherever the window's width puts them.
  r().Main().resize(r().Main().width() + 100, r().Main().height());
  QWidget* undo = r().Features().undo.UndoButton();
  QWidget* status = r().Main().Components().Widget(QStringLiteral("LinkLabel"));
  EXPECT_EQ(warning->geometry().right() + 5, undo->x());
  EXPECT_LT(undo->geometry().right(), status->x());
  EXPECT_EQ(warning->y(), status->y());
  EXPECT_EQ(r().messages.shown.size(), shown + 1);  // the recall's question, no notice
  EXPECT_EQ(warning->text(), QString::fromUtf8(kSafetySaveFailedZh));
  EXPECT_EQ(warning->toolTip(), QString::fromUtf8(kSafetySaveFailedEn));
  Online();
  EXPECT_EQ(r().Store().Device(ModeRecallAddr), 2);
  r().Main().Session().SetLanguage(0);
  EXPECT_EQ(warning->text(), QString::fromUtf8(kSafetySaveFailedEn));

  // A save that works again clears the warning.
  ASSERT_TRUE(QFile::remove(AutoFolder()));
  Recall(3);
  EXPECT_TRUE(warning->isHidden());
}

TEST_F(SafetyTest, TheSwitchListsTheSafetyBackupsNewestFirstAndLoadsOne) {
  const Image found = r().Store().DeviceImage;
  r().ClickTab(0);
  r().Type(r().Get<Edit>("MusGainEdit1"), "6");  // a change after the link-up's backup
  r().ClickTab(9);
  now = now.addSecs(240);
  Recall(1);
  Online();

  auto* safetySwitch = r().Main().findChild<QCheckBox*>(QLatin1String(kSafetySwitchName));
  ASSERT_NE(safetySwitch, nullptr);
  EXPECT_EQ(safetySwitch->text(), QStringLiteral("显示自动备份"));
  safetySwitch->setChecked(true);
  const std::vector<BackupRow>& rows = r().Presets().Manager().BackupList();
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0].name, "2026-12-10 21-04-02 before recall 2");
  EXPECT_EQ(rows[1].name, "2026-12-10 21-00-02 at link-up");
  EXPECT_EQ(r().Get<Edit>("FileEdit")->text(), rows[0].name);

  // The unit as found at link-up goes back with the same question and full write.
  r().Get<Edit>("FileEdit")->setText(rows[1].name);
  r().messages.answers = {true};
  r().Click(r().Get<BmpButton>("RzBmpButton119"));
  Online();
  EXPECT_EQ(r().Unit().WordAt(r().Store().DeviceAddressOf(MakeAddress(0, 12))), found[0][12]);
  // The load left its own safety backup, listed at once.
  EXPECT_EQ(r().Presets().Manager().BackupList().size(), 3u);

  safetySwitch->setChecked(false);
  for (const BackupRow& row : r().Presets().Manager().BackupList())
    EXPECT_FALSE(row.name.startsWith(QStringLiteral("2026-12-10")));
  r().Main().Session().SetLanguage(0);
  EXPECT_EQ(safetySwitch->text(), QStringLiteral("Show safety backups"));
}

}  // namespace
}  // namespace morvelin::test
