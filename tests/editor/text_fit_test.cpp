// Every readout pane and value edit is wide enough for the widest text its display kind can
// show, in its own font, and sits whole inside its group without covering its neighbours; every
// label holds its caption in both languages.

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QWidget>
#include <algorithm>
#include <memory>

#include "editor/display_kinds.h"
#include "editor/widgets/controls/text_controls.h"
#include "editor/widgets/form_components.h"
#include "editor/widgets/page_builder.h"
#include "editor/widgets/readout_width.h"

namespace morvelin {
namespace {

class ReadoutWidth : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    client_ = new QWidget;
    comps_ = new FormComponents;
    BuildPages(client_, *comps_);
  }
  static void TearDownTestSuite() {
    delete comps_;
    delete client_;
  }
  static QWidget* client_;
  static FormComponents* comps_;
};
QWidget* ReadoutWidth::client_ = nullptr;
FormComponents* ReadoutWidth::comps_ = nullptr;

bool Has(const std::vector<std::string>& texts, const char* text) {
  return std::find(texts.begin(), texts.end(), text) != texts.end();
}

// The texts that stretch each kind the most, variants included (the doubled subwoofer mix level,
// the dynamic EQ's gain floor, the shelf Q list).
TEST(KindTexts, CoverTheWidestValueOfEveryKind) {
  const std::pair<int, const char*> cases[] = {
      {kKindNone, "84"},           {kKindFrequency, "20600"},      {kKindGain, "-24.0"},
      {kKindQ, "128.00"},          {kKindMusicGain, "-10.0dB"},    {kKindFilterFreq, "20600Hz"},
      {kKindFilterFreq, "19.7Hz"}, {kKindLevel, "100%"},           {kKindMixLevel, "200%"},
      {kKindMixLevel, "400%"},     {kKindEchoRightTime, "-50%"},   {kKindEchoTime, "500ms"},
      {kKindReverbTime, "5000ms"}, {kKindOutputLimiter, "-20dBu"}, {kKindRatio, "8.0"},
      {kKindRelease, "Atk x 32"},  {kKindOutputDelay, "50.0ms"},   {kKindDeqLevel, "-60dBu"},
      {kKindMusicKey, "-7"},       {kKindMicInputGain, "-10dB"},   {kKindNoiseGate, "-90dB"},
      {kKindMicLimiter, "-34dB"},  {kKindEchoPreDelay, "-100ms"},
  };
  for (const auto& [kind, text] : cases) EXPECT_TRUE(Has(KindTexts(kind), text)) << kind << " " << text;
  for (const int unused : {7, 13, 19, -1, kDisplayKindCount})
    EXPECT_TRUE(KindTexts(unused).empty()) << unused;
}

TEST_F(ReadoutWidth, EveryPaneShowsTheWidestTextOfItsKind) {
  int checked = 0;
  for (Control* c : comps_->InOrder()) {
    auto* pane = dynamic_cast<StatusPane*>(c);
    if (!pane) continue;
    const std::optional<int> kind = KindFromHint(pane->Hint().toStdString());
    if (!kind) continue;
    ++checked;
    const int widest = WidestKindText(*kind, QFontMetrics(pane->font()));
    EXPECT_LE(widest, pane->TextRoom()) << pane->objectName().toStdString() << " kind " << *kind;
  }
  const auto lines = pages::LineRows();
  EXPECT_EQ(checked,
            std::count_if(lines.begin(), lines.end(), [](const pages::LineRow& r) { return *r.pane; }));
}

TEST_F(ReadoutWidth, EveryValueEditShowsTheWidestTextOfItsKind) {
  constexpr int kLineEditMargin = 2;  // QLineEdit keeps this much inside its contents on each side
  int checked = 0;
  for (Control* c : comps_->InOrder()) {
    auto* edit = dynamic_cast<Edit*>(c);
    if (!edit) continue;
    const std::optional<int> kind = KindFromHint(edit->Hint().toStdString());
    if (!kind || !IsEditKind(*kind)) continue;
    ++checked;
    const QMargins m = edit->textMargins();
    const int room = edit->contentsRect().width() - m.left() - m.right() - 2 * kLineEditMargin;
    EXPECT_LE(WidestKindText(*kind, QFontMetrics(edit->font())), room)
        << edit->objectName().toStdString() << " kind " << *kind;
  }
  EXPECT_GE(checked, 100);
}

// A pane stays inside its group and covers no visible control beside it.
TEST_F(ReadoutWidth, PanesSitInsideTheirGroupAndCoverNoNeighbour) {
  for (Control* c : comps_->InOrder()) {
    auto* pane = dynamic_cast<StatusPane*>(c);
    if (!pane || !pane->parentWidget()) continue;
    const std::string name = pane->objectName().toStdString();
    EXPECT_TRUE(pane->parentWidget()->rect().contains(pane->geometry())) << name;
    if (pane->isHidden()) continue;
    for (QObject* o : pane->parentWidget()->children()) {
      auto* w = qobject_cast<QWidget*>(o);
      if (!w || w == pane || w->isHidden() || !AsControl(w)) continue;
      EXPECT_FALSE(w->geometry().intersects(pane->geometry()))
          << name << " covers " << w->objectName().toStdString();
    }
  }
}

// The language switch puts the English text into the caption: both must fit.
TEST_F(ReadoutWidth, EveryLabelHoldsItsCaptionInBothLanguages) {
  for (Control* c : comps_->InOrder()) {
    auto* label = dynamic_cast<Label*>(c);
    if (!label || label->Class() != ControlClass::Label) continue;
    const QFontMetrics fm(label->font());
    for (const QString& text : {label->Caption(), label->Hint()})
      EXPECT_LE(fm.horizontalAdvance(text), label->width())
          << label->objectName().toStdString() << " '" << text.toStdString() << "'";
  }
}

}  // namespace
}  // namespace morvelin
