// The Chinese/English switch on the whole program against the virtual unit: the swapped and the
// table captions, the round trip, the link button by the link state, the status window, the
// texts composed after a switch, the remembered choice and the fit of every text in English.
// The link's time is stepped here, never waited for.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <map>

#include "editor/widgets/controls/bmp_button.h"
#include "editor/widgets/controls/containers.h"
#include "editor/widgets/controls/text_controls.h"
#include "shell_fixture.h"

// Readable QStrings in failure messages.
static void PrintTo(const QString& s, std::ostream* os) {
  *os << '"' << s.toStdString() << '"';
}

namespace morvelin::test {
namespace {

QString U(const char* utf8) {
  return QString::fromUtf8(utf8);
}

constexpr int kChinese = 1;
constexpr int kEnglish = 0;

struct Language : ::testing::Test {
  QTemporaryDir tmp;
  std::unique_ptr<Program> p;

  void SetUp() override {
    ASSERT_TRUE(tmp.isValid());
    Start();
  }

  QString SettingsFile() const { return tmp.path() + "/morvelin.ini"; }
  StartupOptions Options() const {
    StartupOptions o = DemoOptions();
    o.backups = {tmp.path() + "/prog", tmp.path() + "/appdata", {}};
    o.settings.file = SettingsFile();
    return o;
  }
  // A new run of the program on the same settings and backup folders.
  void Start() {
    p.reset();
    p = std::make_unique<Program>(Options());
  }

  MainWindow& W() { return p->Main(); }
  LinkController& Link() { return p->Link(); }
  int UiLanguage() { return p->app.State().UiLanguage; }
  Control* Find(const char* name) {
    Control* c = W().Components().Find(U(name));
    EXPECT_NE(c, nullptr) << name;
    return c;
  }
  QString Caption(const char* name) { return Find(name) ? Find(name)->Caption() : QString(); }
  BmpButton& LanguageButton() { return *W().Components().Get<BmpButton>("RzToolButton11"); }
  // The user opens the system page and presses the language button.
  void ClickLanguageButton() {
    W().Tabs().ClickTab(tabs::kSystemTab);
    QTest::mouseClick(&LanguageButton(), Qt::LeftButton);
  }

  // Moves the link's stepped clock on until the condition holds.
  template <class F>
  bool StepUntil(F condition, int limitMs = 60'000) {
    return p->clock.RunUntil(condition, limitMs);
  }
  bool StepOnline() {
    return StepUntil([this] { return Link().LinkOnline(); });
  }
  void TakeDown() { Link().LinkBtnClick(LinkController::Button::UnLinkBtn); }

  // Caption and hint of every control of the main window.
  using TextMap = std::map<QString, std::pair<QString, QString>>;
  TextMap Texts() {
    TextMap texts;
    for (Control* c : W().Components().InOrder())
      texts[c->Widget()->objectName()] = {c->Caption(), c->Hint()};
    return texts;
  }
};

// The controls whose caption or hint differ, with both texts; empty when none.
std::string Differences(const Language::TextMap& a, const Language::TextMap& b) {
  std::string out;
  for (const auto& [name, texts] : a) {
    const auto it = b.find(name);
    if (it != b.end() && it->second == texts) continue;
    out += name.toStdString() + ": '" + texts.first.toStdString() + "'/'" + texts.second.toStdString() + "'";
    if (it != b.end())
      out += " -> '" + it->second.first.toStdString() + "'/'" + it->second.second.toStdString() + "'";
    out += "\n";
  }
  return out;
}

TEST_F(Language, OneSwitchTurnsTheWindowToEnglish) {
  p->Show();
  ASSERT_TRUE(StepOnline());
  EXPECT_EQ(UiLanguage(), kChinese);
  EXPECT_FALSE(LanguageButton().isHidden()) << "the language button is on the system page's mode group";
  EXPECT_EQ(LanguageButton().parentWidget()->objectName(), "SysModeGrop");
  EXPECT_EQ(LanguageButton().Caption(), "English");
  const QString pressedHint = Find("MainRmuteBtn")->Hint();

  ClickLanguageButton();
  EXPECT_EQ(UiLanguage(), kEnglish);
  EXPECT_EQ(Caption("FormSysTabBtn"), "System");
  // Swapped: a plain label, a group box and the language button itself show their former hints.
  EXPECT_EQ(Caption("SysVolRunLabel"), "Volume Limit");
  EXPECT_EQ(Find("SysVolRunLabel")->Hint(), U("音量限制"));
  EXPECT_EQ(Caption("SysVolGrop"), "System Volume");
  EXPECT_EQ(LanguageButton().Caption(), U("中文"));
  EXPECT_EQ(LanguageButton().Tag(), 1);
  // Labels without a hint go blank: the mode group's title and the password label.
  EXPECT_EQ(Caption("SysModeTitleLabel"), "");
  int passwordLabels = 0;
  for (Control* c : W().Components().InOrder())
    if (c->Class() == ControlClass::Label && c->Hint() == U("密码")) {
      ++passwordLabels;
      EXPECT_EQ(c->Caption(), "");
    }
  EXPECT_EQ(passwordLabels, 1);
  // Table controls take the table's text; a state kept in the hint stays.
  EXPECT_EQ(Caption("MainRmuteBtn"), "R Mute");
  EXPECT_EQ(Find("MainRmuteBtn")->Hint(), pressedHint);
  EXPECT_EQ(Caption("DEQTYpeBelowBtn2"), "Below");
  EXPECT_EQ(Caption("RzBmpButton120"), "Save Data to PC");
  // Styled labels keep their caption.
  EXPECT_EQ(Caption("RzLabel9"), U("Sonavel Z5 Karaoke  2.1.5"));
  EXPECT_EQ(Caption("LinkLabel"), "Online");
}

TEST_F(Language, ASecondSwitchRestoresEveryCaptionAndTheCurrentLanguageChangesNothing) {
  p->Show();
  ASSERT_TRUE(StepOnline());
  for (int tab : {0, 2, 4, 5, 9}) {
    SCOPED_TRACE(tab);
    W().Tabs().ClickTab(tab);
    const auto before = Texts();
    QSignalSpy changes(&p->app.Session(), &EditorSession::LanguageChanged);
    p->app.Session().SetLanguage(kChinese);
    EXPECT_EQ(changes.count(), 0);
    EXPECT_EQ(Differences(before, Texts()), "");

    auto& language = p->app.Features().language;
    language.RzToolButton11Click();
    const auto english = Texts();
    EXPECT_NE(english, before);
    p->app.Session().SetLanguage(kEnglish);
    EXPECT_EQ(Differences(english, Texts()), "");
    language.RzToolButton11Click();
    EXPECT_EQ(Differences(before, Texts()), "");
    EXPECT_EQ(changes.count(), 2);
  }
}

TEST_F(Language, TheLinkButtonFollowsTheLinkState) {
  p->Show();
  struct Case {
    bool online;
    const char* chinese;
    const char* english;
  };
  const Case cases[] = {{true, "断开", "Unlink"}, {false, "联机", "Link"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.online);
    if (c.online) {
      ASSERT_TRUE(StepOnline());
    } else {
      TakeDown();
    }
    EXPECT_EQ(Caption("LinkBtn"), U(c.chinese));
    ClickLanguageButton();
    EXPECT_EQ(Caption("LinkBtn"), U(c.english));
    ClickLanguageButton();
    EXPECT_EQ(Caption("LinkBtn"), U(c.chinese));
  }
  // A search started in English names the button in English.
  ClickLanguageButton();
  QTest::mouseClick(W().Components().Get<BmpButton>("LinkBtn"), Qt::LeftButton);
  EXPECT_EQ(Caption("LinkBtn"), "Unlink");
  ASSERT_TRUE(StepOnline());
  EXPECT_EQ(Caption("LinkBtn"), "Unlink");
  TakeDown();
  EXPECT_EQ(Caption("LinkBtn"), "Link");
}

TEST_F(Language, TheStatusWindowFollows) {
  p->Show();
  StatusWindow& status = p->app.Form2();
  auto warn = [&] { return status.Components().Find("WarnLabel")->Caption(); };
  auto copy = [&] { return status.Components().Find("LinkLabel")->Caption(); };
  // While the search runs the window is up.
  ASSERT_TRUE(status.isVisible());
  EXPECT_EQ(status.windowTitle(), U("设备状态"));
  ClickLanguageButton();
  EXPECT_EQ(status.windowTitle(), "Device Staus");
  EXPECT_EQ(warn(), "Please Wait for a moment!");
  EXPECT_EQ(copy(), "Search...");
  EXPECT_EQ(copy(), Caption("LinkLabel"));
  EXPECT_TRUE(status.isVisible());
  // Texts shown later come in the language of that moment.
  // The full read's first step shows its status once the unit has answered the probe.
  ASSERT_TRUE(StepUntil([&] { return Link().Timer2().Running() && copy() != "Search..."; }));
  EXPECT_EQ(copy(), "Linking...");
  ClickLanguageButton();
  EXPECT_EQ(status.windowTitle(), U("设备状态"));
  EXPECT_EQ(warn(), U("请稍等,可能需要几秒钟才能完成操作！"));
  EXPECT_EQ(copy(), U("连接中..."));
  ASSERT_TRUE(StepOnline());
  EXPECT_FALSE(status.isVisible());
  ClickLanguageButton();
  EXPECT_EQ(copy(), "Online");
  EXPECT_FALSE(status.isVisible()) << "a switch does not bring the window up";
}

TEST_F(Language, TextsComposedAfterASwitchAreEnglish) {
  QDir().mkpath(tmp.path() + "/prog/Mode/QelMode");
  QFile existing(tmp.path() + "/prog/Mode/QelMode/Party.Nddt");
  ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
  existing.close();
  p->Show();
  ASSERT_TRUE(StepOnline());
  auto& language = p->app.Features().language;

  // The channel labels of the page shown are set up again.
  struct PageCase {
    int tab;
    const char* control;
    const char* english;
  };
  const PageCase pages[] = {
      {0, "LeftBtn", "Left"},
      {2, "RightBtn", "MIC B"},
      {2, "AdvGroupBox1", "MiC A Limit"},
      {4, "EchoAEQBtn", "ECHOA EQ"},
      {6, "OutLimiteGroup", "--------Surround Limit--------"},
      {8, "MainLmuteBtn", "SUB Mute"},
  };
  for (const PageCase& c : pages) {
    SCOPED_TRACE(c.control);
    W().Tabs().ClickTab(c.tab);
    language.RzToolButton11Click();
    EXPECT_EQ(Caption(c.control), c.english);
    language.RzToolButton11Click();
  }

  ClickLanguageButton();
  ASSERT_EQ(UiLanguage(), kEnglish);
  // The page refresh after the switch puts up the current mode in English.
  EXPECT_TRUE(Caption("CurrentModeLabel").startsWith("(Current Mode:"))
      << Caption("CurrentModeLabel").toStdString();
  // A question raised after the switch.
  p->messages.shown.clear();
  W().Components().Get<Edit>("FileEdit")->setText("Party");
  QTest::mouseClick(W().Components().Get<BmpButton>("RzBmpButton120"), Qt::LeftButton);
  ASSERT_EQ(p->messages.shown.size(), 1u);
  EXPECT_EQ(p->messages.shown[0].caption, "*Confirm*");
  EXPECT_EQ(p->messages.shown[0].text, "File already exists, overwrite it right?");
  // A lost link is told in English.
  p->messages.shown.clear();
  p->app.Form3().DemoUnit()->faults.silent = true;
  ASSERT_TRUE(StepUntil([&] { return !Link().LinkOnline(); }));
  ASSERT_EQ(p->messages.shown.size(), 1u);
  EXPECT_EQ(p->messages.shown[0].caption, "Confirm");
  EXPECT_EQ(p->messages.shown[0].text, "Off Line!");
  EXPECT_EQ(Caption("LinkLabel"), "Off Line");
}

TEST_F(Language, TheLanguageButtonTurnsOrangeWhenReleased) {
  p->Show();
  ClickLanguageButton();
  EXPECT_EQ(LanguageButton().CaptionColor(), QColor(243, 152, 0));
  EXPECT_EQ(UiLanguage(), kEnglish);
}

TEST_F(Language, TheChoiceIsRememberedForTheNextStart) {
  EXPECT_EQ(UiLanguage(), kChinese) << "a first start is Chinese";
  p->Show();
  ClickLanguageButton();
  EXPECT_EQ(QSettings(SettingsFile(), QSettings::IniFormat).value("language").toInt(), kEnglish);

  Start();
  EXPECT_EQ(UiLanguage(), kEnglish);
  EXPECT_EQ(Caption("FormSysTabBtn"), "System");
  EXPECT_EQ(LanguageButton().Caption(), U("中文"));
  p->Show();
  EXPECT_EQ(Caption("LinkLabel"), "Search...");
  EXPECT_EQ(Caption("LinkBtn"), "Unlink");
  EXPECT_EQ(p->app.Form2().windowTitle(), "Device Staus");
  EXPECT_EQ(Caption("LeftBtn"), "Left");
  // Back to Chinese, and that is remembered too.
  ClickLanguageButton();
  Start();
  EXPECT_EQ(UiLanguage(), kChinese);
  EXPECT_EQ(Caption("FormSysTabBtn"), U("系统"));
}

TEST_F(Language, OnlyAKnownLanguageIsTakenFromTheSettings) {
  const std::pair<const char*, int> cases[] = {
      {"0", kEnglish}, {"1", kChinese}, {"2", kChinese}, {"-1", kChinese}, {"en", kChinese}};
  for (const auto& [stored, expected] : cases) {
    SCOPED_TRACE(stored);
    QSettings(SettingsFile(), QSettings::IniFormat).setValue("language", stored);
    Start();
    EXPECT_EQ(UiLanguage(), expected);
    EXPECT_EQ(LanguageButton().Tag(), 1 - expected);
  }
}

// Every text drawn in a control's own rectangle fits it, on every tab, in both languages.
TEST_F(Language, EveryTextFitsInBothLanguages) {
  p->Show();
  ASSERT_TRUE(StepOnline());
  for (int lang : {kChinese, kEnglish}) {
    if (UiLanguage() != lang) p->app.Features().language.RzToolButton11Click();
    for (int tab = 0; tab < tabs::kTabCount; ++tab) {
      W().Tabs().ClickTab(tab);
      for (Control* c : W().Components().InOrder()) {
        QWidget* w = c->Widget();
        if (!w->isVisible() || c->Caption().isEmpty()) continue;
        int room = -1;
        if (auto* label = dynamic_cast<Label*>(c))
          room = label->contentsRect().width();
        else if (dynamic_cast<BmpButton*>(c))
          room = w->width() - 4;
        else if (dynamic_cast<GroupBox*>(c))
          room = w->width() - 2;
        else if (dynamic_cast<TabSheet*>(c))
          room = w->width();
        if (room < 0) continue;
        EXPECT_LE(QFontMetrics(w->font()).horizontalAdvance(c->Caption()), room)
            << "tab " << tab << " language " << lang << ": " << w->objectName().toStdString() << " '"
            << c->Caption().toStdString() << "'";
      }
    }
  }
}

}  // namespace
}  // namespace morvelin::test
