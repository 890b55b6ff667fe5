// Access control in the whole program against the virtual unit, driven through the real widgets:
// the password changes with the frames the unit receives, the access-level unlock and the mode
// save that follows the level, the panel-lock prompt, the access code of the hidden page, and a
// unit that reports passwords of an unexpected length. The link's time is stepped.

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>
#include <algorithm>
#include <memory>
#include <string>

#include "editor/widgets/controls/bmp_button.h"
#include "editor/widgets/controls/containers.h"
#include "editor/widgets/controls/text_controls.h"
#include "link/frames.h"
#include "stepped_program.h"
#include "support/answer_frames.h"
#include "support/qstring_print.h"

namespace morvelin::test {
namespace {

using Kind = RecordedMessageBoxes::Kind;

QString U(const char* utf8) {
  return QString::fromUtf8(utf8);
}

Bytes TextWrite(int address, const std::string& text) {
  return ParamFrame(WriteType, address, Bytes(text.begin(), text.end()));
}

struct AccessControlUi : ::testing::Test {
  std::unique_ptr<SteppedProgram> p = std::make_unique<SteppedProgram>();

  VirtualUnit& Unit() { return p->Unit(); }
  MainWindow& W() { return p->Main(); }
  EditorState& State() { return p->app.State(); }
  UnitInfo& Held() { return p->app.Store().Unit; }
  RecordedMessageBoxes& Boxes() { return p->messages; }
  QWidget* Widget(const char* name) {
    QWidget* w = W().Components().Widget(name);
    EXPECT_NE(w, nullptr) << name;
    return w;
  }
  QLineEdit* Field(const char* name) { return W().Components().Get<Edit>(name); }
  QString Text(const char* field) { return Field(field)->text(); }
  bool Enabled(const char* name) { return Widget(name)->isEnabled(); }
  bool Shown(const char* name) { return !Widget(name)->isHidden(); }
  int PageShown() { return W().Components().Get<PageControl>("FormPageItem")->ActivePageIndex(); }

  // Online on the system page, with nothing received or shown yet.
  void StartOnline() {
    ASSERT_TRUE(p->ShowOnline());
    W().Tabs().ClickTab(9);
    Settle();
  }
  void Settle() {
    p->TakeReceived();
    Boxes().shown.clear();
  }
  void Type(const char* field, const char* keys) { QTest::keyClicks(Field(field), QString::fromUtf8(keys)); }
  void Enter(const char* field) { QTest::keyClick(Field(field), Qt::Key_Return); }
  void Click(const char* button) {
    auto* b = W().Components().Get<BmpButton>(button);
    ASSERT_NE(b, nullptr) << button;
    QTest::mouseClick(b, Qt::LeftButton);
  }
  std::vector<Bytes> FramesTo(int address) {
    std::vector<Bytes> found;
    for (const Bytes& f : p->TakeReceived())
      if (ReportAddress(f) == address) found.push_back(f);
    return found;
  }
  QStringList Messages() {
    QStringList texts;
    for (const auto& e : Boxes().shown) texts.append(e.caption + ": " + e.text);
    return texts;
  }
};

TEST_F(AccessControlUi, PanelPasswordChangeFieldByField) {
  StartOnline();
  ASSERT_EQ(Held().PanelPassword, "0000");
  EXPECT_EQ(Field("PassPanelLabel1")->echoMode(), QLineEdit::Normal);
  EXPECT_EQ(Field("NewPassLabel1")->echoMode(), QLineEdit::Password);

  Type("PassPanelLabel1", "0000");
  EXPECT_FALSE(Enabled("NewPassLabel1")) << "the last digit is checked one key press later";
  Enter("PassPanelLabel1");
  EXPECT_TRUE(Enabled("NewPassLabel1"));
  EXPECT_FALSE(Enabled("NewPassLabel2"));

  Type("NewPassLabel1", "5678");
  EXPECT_FALSE(Enabled("NewPassLabel2"));
  Enter("NewPassLabel1");
  EXPECT_TRUE(Enabled("NewPassLabel2"));

  Type("NewPassLabel2", "5678");
  EXPECT_TRUE(FramesTo(PanelPassAddr).empty());
  Enter("NewPassLabel2");
  EXPECT_EQ(FramesTo(PanelPassAddr), std::vector<Bytes>{TextWrite(PanelPassAddr, "5678")});
  EXPECT_EQ(Unit().PanelPassword(), "5678");
  EXPECT_EQ(Held().PanelPassword, "5678");
  for (const char* f : {"PassPanelLabel1", "NewPassLabel1", "NewPassLabel2"}) EXPECT_EQ(Text(f), "") << f;
  EXPECT_FALSE(Enabled("NewPassLabel1"));
  EXPECT_FALSE(Enabled("NewPassLabel2"));
  EXPECT_TRUE(Boxes().shown.empty()) << "no success message";

  // The old password no longer opens the group; the new one does, and a new search reads it back.
  Type("PassPanelLabel1", "0000\r");
  EXPECT_FALSE(Enabled("NewPassLabel1"));
  Field("PassPanelLabel1")->clear();
  Click("LinkBtn");
  Click("LinkBtn");
  ASSERT_TRUE(p->StepOnline());
  EXPECT_EQ(Held().PanelPassword, "5678");
  W().Tabs().ClickTab(9);
  Type("PassPanelLabel1", "5678\r");
  EXPECT_TRUE(Enabled("NewPassLabel1"));
}

TEST_F(AccessControlUi, TheSameNewPanelPasswordSendsNothing) {
  StartOnline();
  Type("PassPanelLabel1", "0000\r");
  Type("NewPassLabel1", "0000\r");
  Type("NewPassLabel2", "0000\r");
  EXPECT_TRUE(FramesTo(PanelPassAddr).empty());
  for (const char* f : {"PassPanelLabel1", "NewPassLabel1", "NewPassLabel2"}) EXPECT_EQ(Text(f), "") << f;
  EXPECT_FALSE(Enabled("NewPassLabel1"));
  EXPECT_TRUE(Boxes().shown.empty());
}

TEST_F(AccessControlUi, MismatchedRepetitionsClearAllThreeFieldsWithAMessage) {
  struct Case {
    int language;
    const char* message;
  };
  const Case cases[] = {{0, "Confirm: Password Error!"}, {1, "提示: 密码不一致!"}};
  StartOnline();
  for (const Case& c : cases) {
    State().UiLanguage = c.language;
    Settle();
    Type("SysPanelLabel1", "739164\r");
    Type("NewSysPassLabel1", "111111\r");
    Type("NewSysPassLabel2", "111112\r");
    EXPECT_EQ(Messages(), QStringList{U(c.message)});
    for (const char* f : {"SysPanelLabel1", "NewSysPassLabel1", "NewSysPassLabel2"})
      EXPECT_EQ(Text(f), "") << f;
    EXPECT_FALSE(Enabled("NewSysPassLabel1"));
    EXPECT_FALSE(Enabled("NewSysPassLabel2"));
    EXPECT_TRUE(FramesTo(SystemPassAddr).empty());
    EXPECT_EQ(Held().SystemPassword, "739164");
  }
}

TEST_F(AccessControlUi, SystemPasswordChangeSendsItsFrame) {
  StartOnline();
  Type("SysPanelLabel1", "739164\r");
  Type("NewSysPassLabel1", "246801\r");
  Type("NewSysPassLabel2", "246801\r");
  EXPECT_EQ(FramesTo(SystemPassAddr), std::vector<Bytes>{TextWrite(SystemPassAddr, "246801")});
  EXPECT_EQ(Unit().SystemPassword(), "246801");
  EXPECT_EQ(Held().SystemPassword, "246801");
  EXPECT_TRUE(Boxes().shown.empty());
  // The level unlock takes the new password at once.
  Type("SysPassEdit", "246801");
  Click("RzBmpButton118");
  EXPECT_TRUE(Enabled("SysUserMangerGrop"));
}

TEST_F(AccessControlUi, ThePasswordFieldsTakeDigitsBackspaceAndEnterOnly) {
  StartOnline();
  struct Case {
    const char* field;
    const char* keys;
    const char* text;
  };
  const Case cases[] = {
      {"SysPassEdit", "12a3-4 5x6", "123456"},
      {"SysPassEdit", "1234567", "123456"},
      {"NewPassLabel1", "", ""},
  };
  for (const Case& c : cases) {
    Field(c.field)->clear();
    Type(c.field, c.keys);
    EXPECT_EQ(Text(c.field), c.text) << c.field << " " << c.keys;
  }
  QTest::keyClick(Field("SysPassEdit"), Qt::Key_Backspace);
  EXPECT_EQ(Text("SysPassEdit"), "12345");
  // Pasting cannot bring letters in either.
  Field("SysPanelLabel1")->clear();
  Field("SysPanelLabel1")->insert("12ab");
  EXPECT_EQ(Text("SysPanelLabel1"), "");
  // A discarded key still runs the change check on the fields as they stand.
  Type("PassPanelLabel1", "0000x");
  EXPECT_EQ(Text("PassPanelLabel1"), "0000");
  EXPECT_TRUE(Enabled("NewPassLabel1"));
}

TEST_F(AccessControlUi, TheRightSystemPasswordWhileOfflineShowsAndEnablesNothing) {
  StartOnline();
  Click("LinkBtn");  // take the link down
  ASSERT_FALSE(p->Link().LinkOnline());
  Settle();
  Type("SysPassEdit", "739164");
  Click("RzBmpButton118");
  EXPECT_EQ(Text("SysPassEdit"), "");
  EXPECT_TRUE(Boxes().shown.empty());
  EXPECT_FALSE(Enabled("SysUserMangerGrop"));
  // Nor do the change groups open while offline.
  Type("SysPanelLabel1", "739164\r");
  EXPECT_FALSE(Enabled("NewSysPassLabel1"));
  EXPECT_EQ(Held().PanelPassword, "0000") << "the passwords survive disconnection";
}

TEST_F(AccessControlUi, AWrongSystemPasswordIsRefusedInTheUsersLanguage) {
  StartOnline();
  const std::pair<int, const char*> cases[] = {{1, "提示: 密码错误!"}, {0, "Confirm: Password Error!"}};
  for (const auto& [language, message] : cases) {
    State().UiLanguage = language;
    Settle();
    Type("SysPassEdit", "73916");
    Click("RzBmpButton118");
    EXPECT_EQ(Messages(), QStringList{U(message)});
    EXPECT_EQ(Text("SysPassEdit"), "");
    EXPECT_FALSE(Enabled("SysUserMangerGrop"));
  }
}

TEST_F(AccessControlUi, TheManagerLevelIsAcceptedOnceAndTheModeSaveFollowsIt) {
  StartOnline();
  State().UiLanguage = 0;
  Click("SysSaveModeBtn");
  EXPECT_EQ(Messages(), QStringList{"Confirm: Users can not perform the save operation mode!"});
  Settle();

  Type("SysPassEdit", "739164");
  Click("RzBmpButton118");
  EXPECT_TRUE(Boxes().shown.empty());
  EXPECT_TRUE(Enabled("SysUserMangerGrop"));
  Click("SysManagerBtn");
  EXPECT_EQ(FramesTo(AccessLevelAddr), std::vector<Bytes>{WordFrame(WriteType, AccessLevelAddr, 1)});
  EXPECT_EQ(Unit().AccessLevel(), 1);
  EXPECT_FALSE(Enabled("SysUserMangerGrop"));
  // A second choice needs the password again.
  Click("SysUserBtn");
  EXPECT_TRUE(FramesTo(AccessLevelAddr).empty());

  Boxes().answers = {true};
  Click("SysSaveModeBtn");
  ASSERT_EQ(Boxes().shown.size(), 1u);
  EXPECT_EQ(Boxes().shown[0].kind, Kind::YesNo);
  EXPECT_EQ(FramesTo(ModeSaveAddr).size(), 1u);
  ASSERT_TRUE(p->RunUntil([&] { return p->Link().LinkOnline(); }));

  // Any refresh closes the level group again.
  Type("SysPassEdit", "739164");
  Click("RzBmpButton118");
  ASSERT_TRUE(Enabled("SysUserMangerGrop"));
  W().Tabs().ClickTab(0);
  EXPECT_FALSE(Enabled("SysUserMangerGrop"));
}

TEST_F(AccessControlUi, ThePanelLockAtTheFirstRefreshHoldsUntilThePanelPassword) {
  struct Case {
    int language;
    const char* notice;
  };
  for (const Case& c : {Case{0, "unlocked Success!"}, Case{1, "解锁成功!"}}) {
    p = std::make_unique<SteppedProgram>();
    Unit().SetPanelLock(true);
    Unit().SetPanelPassword("4321");
    State().UiLanguage = c.language;
    ASSERT_TRUE(p->ShowOnline());
    EXPECT_TRUE(Shown("FirstCheckGrop"));
    EXPECT_EQ(PageShown(), 7);
    EXPECT_EQ(State().FirstCheckState, 2);
    EXPECT_FALSE(Enabled("FormPageItem"));
    EXPECT_FALSE(Enabled("AdvPanel1"));
    EXPECT_EQ(W().focusWidget(), Field("PanelPassWordEdit"));

    // The page buttons do nothing meanwhile.
    Settle();
    for (const char* tab : {"FormMusTabBtn", "FormMICATabBtn", "FormMAINTabBtn"}) {
      Click(tab);
      EXPECT_EQ(PageShown(), 7) << tab;
    }
    // A wrong password only empties the field.
    Type("PanelPassWordEdit", "1234");
    Click("RzBmpButton4");
    EXPECT_EQ(Text("PanelPassWordEdit"), "");
    EXPECT_TRUE(Shown("FirstCheckGrop"));
    EXPECT_TRUE(Boxes().shown.empty());

    Type("PanelPassWordEdit", "4x321");
    Click("RzBmpButton4");
    EXPECT_FALSE(Shown("FirstCheckGrop"));
    EXPECT_TRUE(Enabled("FormPageItem"));
    EXPECT_TRUE(Enabled("AdvPanel1"));
    EXPECT_EQ(Text("PanelPassWordEdit"), "");
    EXPECT_EQ(Messages(), QStringList{"Morvelin: " + U(c.notice)});
    Click("FormMusTabBtn");
    EXPECT_EQ(PageShown(), 0);
  }
}

TEST_F(AccessControlUi, ALockSwitchedOnLaterLocksTheNextRefreshOncePerSearch) {
  StartOnline();
  EXPECT_EQ(State().FirstCheckState, 1);
  EXPECT_FALSE(Shown("FirstCheckGrop"));
  Click("SysPanelBtn2");
  EXPECT_EQ(FramesTo(PanelSwitchAddr), std::vector<Bytes>{WordFrame(WriteType, PanelSwitchAddr, 1)});
  EXPECT_FALSE(Shown("FirstCheckGrop")) << "the system tab does not refresh";

  Click("FormMusTabBtn");  // the next refresh
  EXPECT_TRUE(Shown("FirstCheckGrop"));
  EXPECT_EQ(PageShown(), 7);
  Type("PanelPassWordEdit", "0000");
  Click("RzBmpButton4");
  ASSERT_FALSE(Shown("FirstCheckGrop"));

  for (const char* tab : {"FormMusTabBtn", "FormEFFTabBtn", "FormSysTabBtn", "FormDYNBtn"}) {
    Click(tab);
    EXPECT_FALSE(Shown("FirstCheckGrop")) << tab;
  }
  // A new search allows the lock once more.
  Click("LinkBtn");
  Click("LinkBtn");
  EXPECT_EQ(State().FirstCheckState, 0);
  ASSERT_TRUE(p->StepOnline());
  EXPECT_TRUE(Shown("FirstCheckGrop"));
}

TEST_F(AccessControlUi, TheAccessCodeRevealsTheHiddenPageAndTheLinkButtonHidesIt) {
  StartOnline();
  for (const char* opener : {"SysEffNormalVolPane", "LinkLabel"}) {
    SCOPED_TRACE(opener);
    ASSERT_FALSE(Shown("SysLogoEdit"));
    QTest::mouseDClick(Widget(opener), Qt::LeftButton);
    EXPECT_TRUE(Shown("SysLogoLabel"));
    EXPECT_TRUE(Shown("SysLogoEdit"));
    EXPECT_EQ(Text("SysLogoEdit"), "");

    Type("SysLogoEdit", "curator5027");
    Enter("SysLogoEdit");
    EXPECT_FALSE(Shown("FormHintTabBtn"));
    EXPECT_TRUE(Shown("SysLogoEdit"));
    EXPECT_EQ(Text("SysLogoEdit"), "curator5027");

    Field("SysLogoEdit")->clear();
    Type("SysLogoEdit", "CURATOR5027");
    EXPECT_FALSE(Shown("FormHintTabBtn")) << "only Enter checks the code";
    Enter("SysLogoEdit");
    EXPECT_TRUE(Shown("FormHintTabBtn"));
    EXPECT_FALSE(Shown("SysLogoLabel"));
    EXPECT_FALSE(Shown("SysLogoEdit"));

    Click("FormHintTabBtn");
    EXPECT_EQ(PageShown(), 4);
    EXPECT_EQ(State().PageBlock, 25);

    Click("LinkBtn");  // down
    EXPECT_FALSE(Shown("FormHintTabBtn"));
    Click("LinkBtn");  // a new search
    ASSERT_TRUE(p->StepOnline());
  }
}

TEST_F(AccessControlUi, PasswordsOfAnUnexpectedLengthFailEveryCheckAndAreNoted) {
  Unit().SetPanelPassword("12345");
  Unit().SetSystemPassword("7391645");
  Unit().SetPanelLock(true);
  ASSERT_TRUE(p->ShowOnline());
  ASSERT_TRUE(Shown("FirstCheckGrop"));
  for (const char* note : {"SysPanelPassNote", "SysPassNote"}) {
    EXPECT_TRUE(Shown(note)) << note;
    const QString text = W().Components().Find(note)->Caption();
    EXPECT_EQ(text, U("设备密码长度异常"));
    EXPECT_FALSE(text.contains("12345") || text.contains("7391645"));
  }
  Settle();
  Type("PanelPassWordEdit", "12345");
  Click("RzBmpButton4");
  EXPECT_TRUE(Shown("FirstCheckGrop"));
  // Behind the prompt every check of both passwords fails.
  Widget("FirstCheckGrop")->hide();
  Widget("FormPageItem")->setEnabled(true);
  Type("PassPanelLabel1", "1234\r");
  EXPECT_FALSE(Enabled("NewPassLabel1"));
  Type("SysPanelLabel1", "739164\r");
  EXPECT_FALSE(Enabled("NewSysPassLabel1"));
  Type("SysPassEdit", "739164");
  Click("RzBmpButton118");
  EXPECT_EQ(Messages(), QStringList{U("提示: 密码错误!")});
  EXPECT_FALSE(Enabled("SysUserMangerGrop"));

  // The notes follow the language of the next refresh.
  State().UiLanguage = 0;
  W().Tabs().ClickTab(0);
  EXPECT_EQ(W().Components().Find("SysPassNote")->Caption(), "Unit password: bad length");
  EXPECT_EQ(W().Components().Find("SysPassNote")->Hint(), U("设备密码长度异常"));
}

TEST_F(AccessControlUi, NoNoteForPasswordsOfTheRightLength) {
  ASSERT_TRUE(p->ShowOnline());
  EXPECT_FALSE(Shown("SysPanelPassNote"));
  EXPECT_FALSE(Shown("SysPassNote"));
}

}  // namespace
}  // namespace morvelin::test
