// The whole window as an assistive tool sees it, on the virtual unit: every shown control has a
// role and a name on every page in both languages, the names follow the labels, bands and
// captions, the sliders' values are the store's and setting one reaches the unit, and the
// buttons, the spin buttons and the graph's points act and describe themselves.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleInterface>
#include <QSet>

#include "editor/widgets/accessibility/accessible_names.h"
#include "editor/widgets/controls/bmp_button.h"
#include "editor/widgets/controls/spin_buttons.h"
#include "editor/widgets/controls/text_controls.h"
#include "editor/widgets/controls/track_bar.h"
#include "graphs/widgets/band_point.h"
#include "graphs/widgets/graph_image.h"
#include "graphs/widgets/response_graph.h"
#include "shell/shell_fixture.h"
#include "support/qstring_print.h"

namespace morvelin::test {
namespace {

constexpr int kChinese = 1;
constexpr int kEnglish = 0;

QString U(const char* utf8) {
  return QString::fromUtf8(utf8);
}

bool IsGraphPart(const QObject* o) {
  return qobject_cast<const ResponseGraph*>(o) || qobject_cast<const GraphImage*>(o) ||
         qobject_cast<const BandPoint*>(o);
}

// Shown on screen: visible, with a size (the stand-in edits have none).
bool Shown(const QWidget* w) {
  return w->isVisible() && !w->rect().isEmpty();
}

struct Walked {
  QObject* object;
  QAccessible::Role role;
  QString name;
};

// Every interface under the window, through the interfaces' own children.
void Walk(QAccessibleInterface* iface, std::vector<Walked>& out, int depth = 0) {
  ASSERT_LT(depth, 64);
  out.push_back({iface->object(), iface->role(), iface->text(QAccessible::Name)});
  for (int i = 0; i < iface->childCount(); ++i)
    if (QAccessibleInterface* child = iface->child(i)) Walk(child, out, depth + 1);
}

struct AccessibleWindow : ::testing::Test {
  Program p;

  void SetUp() override {
    p.Show();
    ASSERT_TRUE(p.WaitOnline());
  }
  MainWindow& W() { return p.Main(); }
  void SetLanguage(int lang) {
    if (p.app.State().UiLanguage != lang) p.app.Features().language.RzToolButton11Click();
    ASSERT_EQ(p.app.State().UiLanguage, lang);
  }
  QAccessibleInterface* Of(const QString& name) {
    QWidget* w = W().Components().Widget(name);
    EXPECT_NE(w, nullptr) << name.toStdString();
    return w ? QAccessible::queryAccessibleInterface(w) : nullptr;
  }
  QString NameOf(const QString& name) {
    QAccessibleInterface* i = Of(name);
    return i ? i->text(QAccessible::Name) : QString();
  }
  VirtualUnit& Unit() { return *p.app.Form3().DemoUnit(); }
};

TEST_F(AccessibleWindow, EveryShownControlHasARoleAndANameOnEveryPageInBothLanguages) {
  for (int lang : {kChinese, kEnglish}) {
    SetLanguage(lang);
    for (int tab = 0; tab < tabs::kTabCount; ++tab) {
      W().Tabs().ClickTab(tab);
      std::vector<Walked> walked;
      Walk(QAccessible::queryAccessibleInterface(&W()), walked);
      QSet<QObject*> reached;
      int checked = 0;
      for (const Walked& w : walked) {
        auto* widget = qobject_cast<QWidget*>(w.object);
        Control* c = AsControl(w.object);
        if (!widget || !Shown(widget) || !(c || IsGraphPart(widget))) continue;
        reached.insert(w.object);
        // A label without text shows nothing to name.
        if (dynamic_cast<Label*>(c) && c->Caption().isEmpty()) continue;
        ++checked;
        const std::string where = "tab " + std::to_string(tab) + " language " + std::to_string(lang) + ": " +
                                  widget->objectName().toStdString();
        // Client is what AT-SPI shows as a nameless "filler".
        EXPECT_NE(w.role, QAccessible::Client) << where;
        EXPECT_NE(w.role, QAccessible::NoRole) << where;
        EXPECT_FALSE(w.name.trimmed().isEmpty()) << where;
      }
      EXPECT_GT(checked, 40) << "tab " << tab;
      // The walk reaches every shown control of the form.
      for (Control* c : W().Components().InOrder()) {
        if (Shown(c->Widget())) {
          EXPECT_TRUE(reached.contains(c->Widget()))
              << "tab " << tab << ": " << c->Widget()->objectName().toStdString();
        }
      }
    }
  }
}

// Names come from the line's label, the band and row caption, the caption or the group, in the
// language shown.
TEST_F(AccessibleWindow, NamesFollowTheirLabelsAndTheLanguage) {
  struct Case {
    int tab;
    const char* control;
    const char* chinese;
    const char* english;
  };
  const Case cases[] = {
      {0, "MusGainEdit3", "EQ3 增益", "EQ3 Gain"},
      {0, "MusEQGainBar3", "EQ3 增益", "EQ3 Gain"},
      {0, "MusFreEdit1", "EQ1 频率", "EQ1 Hz"},
      {0, "MusModeBox2", "EQ2 类型", "EQ2 Type"},
      {0, "FormMusTabBtn", "音乐", "Music"},
      {0, "SysMusNormalVolBar", "音乐", "Music"},
      {0, "AdvGroupBox14", "音乐", "Music"},  // a group without a caption: its page
      {2, "AdvGroupBox1", "麦克风A压限", "MiC A Limit"},
      {2, "MicInputGainBar", "输入电平", "Input Level"},
      {2, "MicFBEBar", "啸叫抑制", "Feedback"},
      {4, "EchoEffPhaseBtn", "回声A音量 反相", "EchoA Effect Vol Phase invert"},
      {9, "FormSysTabBtn", "系统", "System"},
  };
  for (int lang : {kChinese, kEnglish}) {
    SetLanguage(lang);
    for (const Case& c : cases) {
      W().Tabs().ClickTab(c.tab);
      EXPECT_EQ(NameOf(U(c.control)), U(lang == kChinese ? c.chinese : c.english)) << c.control;
    }
  }
}

// Each slider's value is the stored word; setting it moves the slider, which sends the word.
TEST_F(AccessibleWindow, SlidersShowTheStoreAndSettingOneSendsTheWordToTheUnit) {
  ParamStore& store = W().Store();
  const ControlRegistry& registry = p.app.Features().binding.Registry();
  int set = 0;
  for (int tab = 0; tab < tabs::kTabCount; ++tab) {
    W().Tabs().ClickTab(tab);
    std::vector<std::pair<int, int>> sent;  // address, word set
    for (Control* c : W().Components().InOrder()) {
      auto* bar = dynamic_cast<TrackBar*>(c);
      if (!bar || !Shown(bar) || !bar->isEnabled() || c->Class() == ControlClass::ScrollBar) continue;
      const std::string where = "tab " + std::to_string(tab) + ": " + bar->objectName().toStdString();
      QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(bar);
      ASSERT_NE(iface, nullptr) << where;
      EXPECT_EQ(iface->role(), QAccessible::Slider) << where;
      QAccessibleValueInterface* value = iface->valueInterface();
      ASSERT_NE(value, nullptr) << where;
      const int address = bar->Tag();
      const bool bound = registry.ValueControl(address) == c || registry.AuxControl(address, 0) == c;
      if (!bound) continue;
      // A stored word outside the slider's range shows at its end.
      EXPECT_EQ(value->currentValue().toInt(), std::clamp<int>(store.View(address), bar->Min(), bar->Max()))
          << where;
      EXPECT_EQ(value->minimumValue().toInt(), bar->Min()) << where;
      EXPECT_EQ(value->maximumValue().toInt(), bar->Max()) << where;
      const int to = bar->Position() < bar->Max() ? bar->Position() + 1 : bar->Position() - 1;
      value->setCurrentValue(to);
      EXPECT_EQ(bar->Position(), to) << where;
      EXPECT_EQ(value->currentValue().toInt(), to) << where;
      EXPECT_EQ(store.View(address), to) << where;
      sent.emplace_back(address, to);
    }
    // Every word reaches the unit at the block the page edits.
    for (const auto& [address, word] : sent) {
      const int device = store.MapViewToDevice(address);
      EXPECT_TRUE(p.clock.RunUntil([&] { return Unit().WordAt(device) == store.Device(device); }, 10'000))
          << "tab " << tab << " address " << address;
      EXPECT_EQ(store.Device(device), word) << "tab " << tab << " address " << address;
    }
    set += static_cast<int>(sent.size());
  }
  EXPECT_GT(set, 60);
}

TEST_F(AccessibleWindow, TheValueShownIsTheReadoutsText) {
  W().Tabs().ClickTab(2);
  QAccessibleInterface* bar = Of("MicInputGainBar");
  ASSERT_NE(bar, nullptr);
  bar->valueInterface()->setCurrentValue(20);
  EXPECT_EQ(bar->text(QAccessible::Value), W().Components().Find(U("MicInputGainPane"))->Caption());
  // The step actions move it as the arrow keys do.
  bar->actionInterface()->doAction(QAccessibleActionInterface::decreaseAction());
  EXPECT_EQ(bar->valueInterface()->currentValue().toInt(), 19);
  EXPECT_EQ(W().Store().View(W().Components().Find(U("MicInputGainBar"))->Tag()), 19);
  EXPECT_EQ(bar->text(QAccessible::Value), W().Components().Find(U("MicInputGainPane"))->Caption());
  W().Tabs().ClickTab(0);
  QAccessibleInterface* gain = Of("MusEQGainBar3");
  gain->valueInterface()->setCurrentValue(150);
  EXPECT_EQ(gain->text(QAccessible::Value), U("6.0"));
  // A value keeps its sign.
  gain->valueInterface()->setCurrentValue(90);
  EXPECT_EQ(gain->text(QAccessible::Value), U("-6.0"));
  gain->valueInterface()->setCurrentValue(150);
  QAccessibleInterface* edit = Of("MusGainEdit3");
  EXPECT_EQ(edit->role(), QAccessible::EditableText);
  EXPECT_EQ(edit->text(QAccessible::Value), U("6.0"));
  ASSERT_NE(edit->textInterface(), nullptr);
  EXPECT_EQ(edit->textInterface()->text(0, edit->textInterface()->characterCount()), U("6.0"));
}

// Buttons press through their click, two-state ones tell their state; spin buttons step.
TEST_F(AccessibleWindow, ButtonsAndSpinButtonsActThroughTheirClick) {
  W().Tabs().ClickTab(0);
  QAccessibleInterface* mic = Of("FormMICATabBtn");
  ASSERT_NE(mic, nullptr);
  EXPECT_TRUE(mic->state().checkable);
  EXPECT_FALSE(mic->state().checked);
  ASSERT_NE(mic->actionInterface(), nullptr);
  mic->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_EQ(p.app.State().CurrentTab, 2);
  EXPECT_TRUE(mic->state().checked);

  W().Tabs().ClickTab(0);
  QAccessibleInterface* spin = Of("MusQUpDownBtn1");
  QAccessibleInterface* q = Of("MusQEdit1");
  ASSERT_NE(spin, nullptr);
  EXPECT_EQ(spin->text(QAccessible::Name), U("EQ1 Q值"));
  const QString before = q->text(QAccessible::Value);
  spin->actionInterface()->doAction(QAccessibleActionInterface::increaseAction());
  EXPECT_NE(q->text(QAccessible::Value), before);
  EXPECT_EQ(spin->text(QAccessible::Value), q->text(QAccessible::Value));
}

// The graph is an image described by the page's bands; its points are buttons named after them.
TEST_F(AccessibleWindow, TheGraphDescribesItsBandsAndNamesItsPoints) {
  W().Tabs().ClickTab(0);
  ResponseGraph* graph = W().findChild<ResponseGraph*>();
  ASSERT_NE(graph, nullptr);
  QAccessibleInterface* g = QAccessible::queryAccessibleInterface(graph);
  EXPECT_EQ(g->role(), QAccessible::Graphic);
  EXPECT_EQ(g->text(QAccessible::Name), U("频率响应曲线"));
  const QString bands = g->text(QAccessible::Description);
  EXPECT_TRUE(bands.startsWith("EQ1: ")) << bands.toStdString();
  EXPECT_TRUE(bands.contains("EQ10: ")) << bands.toStdString();
  QAccessibleInterface* point = QAccessible::queryAccessibleInterface(graph->Point(2));
  EXPECT_EQ(point->role(), QAccessible::Button);
  EXPECT_EQ(point->text(QAccessible::Name), U("EQ3"));
  EXPECT_FALSE(point->text(QAccessible::Description).isEmpty());
  EXPECT_TRUE(bands.contains("EQ3: " + point->text(QAccessible::Description)));
  EXPECT_EQ(QAccessible::queryAccessibleInterface(graph->Point(kHighPassPoint))->text(QAccessible::Name),
            U("HPF"));
}

TEST(AccessibleNames, CaptionsLoseTheirFrame) {
  const std::pair<const char*, const char*> cases[] = {
      {"增益：", "增益"},  {"---------回声A高低通----------", "回声A高低通"},
      {" 低 通", "低 通"}, {"Hz", "Hz"},
      {"--", ""},
  };
  for (const auto& [caption, name] : cases) EXPECT_EQ(a11y::Trimmed(U(caption)), U(name)) << caption;
}

}  // namespace
}  // namespace morvelin::test
