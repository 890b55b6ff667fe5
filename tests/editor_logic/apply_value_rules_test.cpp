#include "editor/apply_value_rules.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "editor/display_kinds.h"
#include "editor/typed_value.h"
#include "params/param_store.h"

namespace morvelin {
namespace {

constexpr int A(int block, int index) {
  return block * 256 + index;
}

// Music band 1: type 0:10, frequency 0:11, gain 0:12, Q 0:13 / 0:14.
constexpr int kMusFreq = A(0, 11);
constexpr int kMusGain = A(0, 12);
constexpr int kMusQ = A(0, 13);
constexpr int kDeqGain = A(1, 4);

struct Ctx {
  int address = 0;
  int pageBlock = 0;
  int bandType = 1;
  int storedWord = 0;
  int liveBlock = 0;
};

struct Case {
  const char* what;
  ValueTarget target;
  int kind;
  int step;
  bool displayOnly;
  double value;
  Ctx ctx;
  double x;
  std::optional<std::string> text;
};

ValueContext ToContext(const Ctx& c) {
  ValueContext v;
  v.address = c.address;
  v.pageBlock = c.pageBlock;
  v.bandType = c.bandType;
  v.storedWord = c.storedWord;
  v.liveBlock = c.liveBlock == 0 ? c.address / 256 : c.liveBlock;
  return v;
}

constexpr auto E = ValueTarget::Edit;
constexpr auto P = ValueTarget::Pane;
constexpr auto L = ValueTarget::List;
constexpr bool kShow = true;
constexpr bool kUser = false;

// clang-format off
const Case kCases[] = {
    // Frequency edits: the list text, no unit; a shown value keeps values below the range.
    {"freq 1000 Hz",          E, 2, StepNone, kUser, 204,   {kMusFreq}, 204, "1000"},
    {"freq above the list",   E, 2, StepNone, kUser, 400,   {kMusFreq}, 361, "20600"},
    {"freq below the list",   E, 2, StepNone, kUser, -5,    {kMusFreq}, 0,   "19.7"},
    {"freq up",               E, 2, StepUp,   kUser, 204,   {kMusFreq}, 205, "1020"},
    {"freq up at the top",    E, 2, StepUp,   kUser, 361,   {kMusFreq}, 361, "20600"},
    {"freq down at 0",        E, 2, StepDown, kUser, 0,     {kMusFreq}, 0,   "19.7"},
    {"freq shown: no step",   E, 2, StepUp,   kShow, 204,   {kMusFreq}, 204, "1000"},
    {"freq shown 0xFFFF",     E, 2, StepNone, kShow, 65535, {kMusFreq}, 361, "20600"},
    {"freq shown negative",   E, 2, StepNone, kShow, -3,    {kMusFreq}, -3,  "19.7"},
    // Gain edits: "#0.0" of x / 5 - 24, 60 at least on the dynamic EQ page.
    {"gain 0 dB",             E, 3, StepNone, kUser, 120,   {kMusGain}, 120, "0.0"},
    {"gain bottom",           E, 3, StepNone, kUser, 0,     {kMusGain}, 0,   "-24.0"},
    {"gain top",              E, 3, StepNone, kUser, 180,   {kMusGain}, 180, "12.0"},
    {"gain above",            E, 3, StepNone, kUser, 220,   {kMusGain}, 180, "12.0"},
    {"gain below",            E, 3, StepNone, kUser, -30,   {kMusGain}, 0,   "-24.0"},
    {"gain up 0.2 dB",        E, 3, StepUp,   kUser, 120,   {kMusGain}, 121, "0.2"},
    {"gain down",             E, 3, StepDown, kUser, 121,   {kMusGain}, 120, "0.0"},
    {"gain half word",        E, 3, StepNone, kUser, 120.5, {kMusGain}, 120.5, "0.1"},
    {"gain shown 0xFFFF",     E, 3, StepNone, kShow, 65535, {kMusGain}, 180, "12.0"},
    {"gain shown negative",   E, 3, StepNone, kShow, -5,    {kMusGain}, -5,  "-25.0"},
    {"DEQ gain raised",       E, 3, StepNone, kUser, 0,     {kDeqGain, 1}, 60, "-12.0"},
    {"DEQ gain down at 60",   E, 3, StepDown, kUser, 60,    {kDeqGain, 1}, 60, "-12.0"},
    {"DEQ gain shown raised", E, 3, StepNone, kShow, 10,    {kDeqGain, 1}, 60, "-12.0"},
    {"DEQ gain top",          E, 3, StepNone, kShow, 200,   {kDeqGain, 1}, 180, "12.0"},
    // Q edits: 0..100 for bypass and peaking, 0..24 for the shelves; a shown Q reads the store.
    {"Q 1.00",                E, 4, StepNone, kUser, 16,    {kMusQ, 0, 1}, 16,  "1.00"},
    {"Q bypass band",         E, 4, StepNone, kUser, 200,   {kMusQ, 0, 0}, 100, "128.00"},
    {"Q peaking top",         E, 4, StepNone, kUser, 101,   {kMusQ, 0, 1}, 100, "128.00"},
    {"Q low shelf top",       E, 4, StepNone, kUser, 101,   {kMusQ + 1, 0, 2}, 24, "1.60"},
    {"Q high shelf up",       E, 4, StepUp,   kUser, 24,    {kMusQ + 1, 0, 3}, 24, "1.60"},
    {"Q below",               E, 4, StepDown, kUser, 0,     {kMusQ, 0, 1}, 0,   "0.40"},
    {"Q shown from store",    E, 4, StepNone, kShow, 99,    {kMusQ, 0, 1, 50}, 50, "7.10"},
    {"Q shown above 100",     E, 4, StepNone, kShow, 0,     {kMusQ, 0, 1, 300}, 100, "128.00"},
    {"shelf Q shown as stored", E, 4, StepNone, kShow, 0,  {kMusQ + 1, 0, 2, 50}, 50, "7.10"},
    {"Q shown 0xFFFF",        E, 4, StepNone, kShow, 0,     {kMusQ, 0, 1, 65535}, 100, "128.00"},
    // Music input gain: "#0.0" of x / 2 - 10, then "dB".
    {"input gain 0 dB",       E, 5, StepNone, kUser, 20,    {A(0, 0)}, 20,  "0.0dB"},
    {"input gain half",       E, 5, StepNone, kUser, 21,    {A(0, 0)}, 21,  "0.5dB"},
    {"input gain bottom",     E, 5, StepDown, kUser, 0,     {A(0, 0)}, 0,   "-10.0dB"},
    {"input gain top",        E, 5, StepUp,   kUser, 40,    {A(0, 0)}, 40,  "10.0dB"},
    {"input gain shown low",  E, 5, StepNone, kShow, -1,    {A(0, 0)}, -1,  "-10.5dB"},
    {"input gain shown high", E, 5, StepNone, kShow, 65535, {A(0, 0)}, 40,  "10.0dB"},
    // Band-type lists: the item, no lower clamp.
    {"band type",             L, 1, StepNone, kShow, 2,     {A(0, 10)}, 2,  std::nullopt},
    {"band type above",       L, 1, StepNone, kShow, 65535, {A(0, 10)}, 3,  std::nullopt},
    {"band type no step",     L, 1, StepUp,   kUser, 3,     {A(0, 10)}, 3,  std::nullopt},
    {"band type below",       L, 1, StepNone, kUser, -1,    {A(0, 10)}, -1, std::nullopt},
    // The stand-in edit: no format, a 16-bit word.
    {"no kind",               E, 0, StepNone, kUser, 70000, {A(0, 9)}, 65535, std::nullopt},
    {"no kind negative",      E, 0, StepNone, kUser, -2,    {A(0, 9)}, 0,   std::nullopt},
    // Panes: the scale's text; the whole range always, never stepped.
    {"delay 50 ms",           P, 18, StepNone, kShow, 500,  {A(6, 10)}, 500, "50.0ms"},
    {"delay above",           P, 18, StepNone, kUser, 900,  {A(6, 10)}, 500, "50.0ms"},
    {"delay below",           P, 18, StepNone, kShow, -4,   {A(6, 10)}, 0,   "0.0ms"},
    {"echo pre-delay 0",      P, 26, StepNone, kShow, 0,    {A(4, 4)}, 0,    "-100ms"},
    {"reverb time 80",        P, 12, StepNone, kShow, 80,   {A(5, 5)}, 80,   "5000ms"},
    {"reverb time above",     P, 12, StepNone, kShow, 65535, {A(5, 5)}, 80,  "5000ms"},
    {"filter freq",           P, 6,  StepNone, kUser, 360,  {A(0, 5)}, 360,  "20200Hz"},
    {"level",                 P, 8,  StepUp,   kUser, 50,   {A(4, 0)}, 50,   "50%"},
    {"mix level",             P, 9,  StepNone, kShow, 150,  {A(6, 0), 6, 1, 0, 6}, 150, "150%"},
    {"sub music mix doubled", P, 9,  StepNone, kShow, 50,   {A(6, 0), 6, 1, 0, 21}, 50, "100%"},
    {"sub music mix top",     P, 9,  StepNone, kShow, 999,  {A(6, 0), 6, 1, 0, 23}, 200, "400%"},
    {"sub mic mix as stored", P, 9,  StepNone, kShow, 50,   {A(6, 2), 6, 1, 0, 22}, 50, "50%"},
    {"center music mix",      P, 9,  StepNone, kShow, 50,   {A(6, 0), 6, 1, 0, 18}, 50, "50%"},
    {"echo right time",       P, 10, StepNone, kShow, 0,    {A(4, 8)}, 0,    "-50%"},
    {"echo time",             P, 11, StepNone, kShow, 250,  {A(4, 5)}, 250,  "500ms"},
    {"output limiter",        P, 14, StepNone, kShow, 0,    {A(6, 12)}, 0,   "-20dBu"},
    {"ratio top",             P, 15, StepNone, kShow, 40,   {A(6, 15)}, 40,  "100"},
    {"release",               P, 16, StepNone, kShow, 0,    {A(6, 14)}, 0,   "Atk x 2"},
    {"attack above",          P, 17, StepNone, kShow, 25,   {A(6, 13)}, 19,  "400ms"},
    {"DEQ level",             P, 20, StepNone, kShow, 0,    {A(1, 7)}, 0,    "-60dBu"},
    {"music key",             P, 21, StepNone, kShow, 0,    {A(0, 3)}, 0,    "-7"},
    {"mic input gain",        P, 22, StepNone, kShow, 40,   {A(2, 0)}, 40,   "10dB"},
    {"feedback",              P, 23, StepNone, kShow, 9,    {A(2, 1)}, 4,    "4"},
    {"noise gate",            P, 24, StepNone, kShow, 0,    {A(2, 2)}, 0,    "-90dB"},
    {"mic limiter",           P, 25, StepNone, kShow, 34,   {A(2, 5)}, 34,   "0dB"},
    {"not a number",          P, 8,  StepNone, kShow, std::nan(""), {A(4, 0)}, 0, "0%"},
};
// clang-format on

TEST(ApplyValueRules, ClampsAndTextsPerKind) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    const AppliedValue r =
        ApplyValueRules(c.target, c.kind, c.step, c.displayOnly, c.value, ToContext(c.ctx));
    ASSERT_TRUE(r.applies);
    EXPECT_EQ(r.address, c.ctx.address);
    EXPECT_DOUBLE_EQ(r.x, c.x);
    EXPECT_EQ(r.n, static_cast<int>(std::trunc(c.x)));
    EXPECT_EQ(r.text, c.text);
    EXPECT_EQ(r.listIndex.has_value(), c.kind == kKindBandType);
    if (r.listIndex) {
      EXPECT_EQ(*r.listIndex, r.n);
    }
    EXPECT_EQ(r.callsSetParam, !c.displayOnly);
  }
}

TEST(ApplyValueRules, ControlsThatAreLeftAlone) {
  struct Off {
    ValueTarget target;
    int kind;
  };
  const Off offs[] = {
      {P, 0}, {P, 1}, {P, 5},  {P, 27}, {L, 0},  {L, 2},  {L, 20}, {E, 1},
      {E, 7}, {E, 8}, {E, 13}, {E, 19}, {E, 26}, {E, 27}, {E, -1}, {P, 7},
  };
  for (const Off& o : offs) {
    const AppliedValue r = ApplyValueRules(o.target, o.kind, StepNone, false, 5, ValueContext{});
    EXPECT_FALSE(r.applies) << o.kind;
    EXPECT_FALSE(r.callsSetParam) << o.kind;
    EXPECT_FALSE(r.writesStores) << o.kind;
  }
}

TEST(ApplyValueRules, WritesHighlightAndLastEdit) {
  struct Flags {
    ValueTarget target;
    int kind;
    int address;
    bool refreshing;
    bool writesStores;
    bool focuses;
    std::optional<int> group;
    bool lastEdit;
  };
  const Flags flags[] = {
      {E, 0, A(0, 9), false, true, false, std::nullopt, true},
      {L, 1, A(0, 10), false, true, false, std::nullopt, true},
      {E, 2, kMusFreq, false, true, true, 0, true},
      {E, 2, A(2, 16), true, true, true, 1, false},  // a refresh records no edit
      {E, 3, A(4, 16), false, true, false, 2, true},
      {E, 3, A(6, 23), false, true, false, 3, true},
      {E, 4, A(25, 5), false, true, false, 4, true},
      {E, 3, kDeqGain, false, true, false, 8, true},
      {E, 5, A(0, 1), false, false, false, 0, true},
      {P, 6, A(0, 5), false, false, false, std::nullopt, true},  // the graph follows filter panes
      {P, 6, A(0, 5), true, false, false, std::nullopt, false},
      {P, 8, A(4, 0), false, false, false, std::nullopt, false},
      {P, 18, A(6, 10), false, false, false, std::nullopt, false},
  };
  for (const Flags& f : flags) {
    ValueContext c;
    c.address = f.address;
    c.refreshing = f.refreshing;
    const AppliedValue r = ApplyValueRules(f.target, f.kind, StepNone, false, 1, c);
    SCOPED_TRACE(testing::Message() << f.kind << " at " << f.address);
    ASSERT_TRUE(r.applies);
    EXPECT_EQ(r.writesStores, f.writesStores);
    EXPECT_EQ(r.focusesValueControl, f.focuses);
    EXPECT_EQ(r.highlightGroup, f.group);
    EXPECT_EQ(r.recordsLastEdit, f.lastEdit);
  }
}

TEST(ApplyValueRules, SliderTakesTheNearestPositionTiesToEven) {
  struct Pos {
    double value;
    int slider;
    int n;
  };
  const Pos positions[] = {{120.5, 120, 120}, {121.5, 122, 121}, {120.4, 120, 120}, {179.9, 180, 179}};
  for (const Pos& p : positions) {
    ValueContext c;
    c.address = kMusGain;
    const AppliedValue r = ApplyValueRules(E, kKindGain, StepNone, false, p.value, c);
    EXPECT_EQ(r.sliderPosition, p.slider) << p.value;
    EXPECT_EQ(r.n, p.n) << p.value;
  }
}

TEST(ApplyValueRules, ShowingAStoredWordNeverWritesIt) {
  ValueContext c;
  c.address = kMusQ;
  c.storedWord = 300;  // above the Q list: shown as its top entry, kept as the unit holds it
  const AppliedValue shown = ApplyValueRules(E, kKindQ, StepNone, true, 0, c);
  EXPECT_EQ(shown.text, std::optional<std::string>("128.00"));
  EXPECT_FALSE(shown.writesStores);
  EXPECT_FALSE(shown.callsSetParam);
  struct Shown {
    ValueTarget target;
    int kind;
    double value;
  };
  for (const Shown& s :
       {Shown{E, kKindFrequency, 400}, Shown{E, kKindGain, 313}, Shown{E, kKindMusicGain, 90},
        Shown{L, kKindBandType, 7}, Shown{E, kKindNone, 70000}}) {
    const AppliedValue r = ApplyValueRules(s.target, s.kind, StepNone, true, s.value, ValueContext{});
    ASSERT_TRUE(r.applies) << s.kind;
    EXPECT_FALSE(r.writesStores) << s.kind;
    EXPECT_FALSE(r.callsSetParam) << s.kind;
  }
  c.storedWord = 300;
  EXPECT_TRUE(ApplyValueRules(E, kKindQ, StepNone, false, 300, c).writesStores);
}

// Every word an edit can show, typed back as shown, gives the same word.
TEST(ApplyValueRules, ShownTextTypesBackToTheSameWord) {
  struct Range {
    int kind;
    int address;
    int bandType;
    int top;
  };
  const Range ranges[] = {
      {kKindFrequency, kMusFreq, 1, 361}, {kKindGain, kMusGain, 1, 180},    {kKindQ, kMusQ, 1, 100},
      {kKindQ, kMusQ + 1, 2, 24},         {kKindMusicGain, A(0, 2), 1, 40},
  };
  for (const Range& g : ranges) {
    for (int w = 0; w <= g.top; ++w) {
      ValueContext c;
      c.address = g.address;
      c.bandType = g.bandType;
      const AppliedValue shown = ApplyValueRules(E, g.kind, StepNone, false, w, c);
      ASSERT_TRUE(shown.text);
      const CommitDecision typed = DecideCommit(false, *shown.text, g.kind);
      ASSERT_EQ(typed.outcome, CommitOutcome::Apply) << *shown.text;
      const AppliedValue again = ApplyValueRules(E, g.kind, StepNone, false, typed.value, c);
      EXPECT_EQ(again.n, w) << g.kind << ' ' << *shown.text;
    }
  }
}

class RecordingSender : public EditSender {
 public:
  bool LinkOnline() const override { return true; }
  void SendEdit(int deviceAddress, int value) override { sent.push_back({deviceAddress, value}); }
  void MarkNotReady() override {}
  struct Sent {
    int address, value;
    friend bool operator==(const Sent&, const Sent&) = default;
  };
  std::vector<Sent> sent;
};

class ApplyValueOnStore : public testing::Test {
 protected:
  ApplyValueOnStore() { store.SetEditSender(&sender); }
  AppliedValue Apply(ValueTarget target, int kind, int tag, int step, bool displayOnly, double value,
                     int pageBlock = 0) {
    const AppliedValue r = ApplyValueRules(target, kind, step, displayOnly, value,
                                           ValueContextFor(store, tag, pageBlock, false));
    WriteAppliedValue(store, r);
    return r;
  }
  EditSelection selection;
  ParamStore store{selection};
  RecordingSender sender;
};

TEST_F(ApplyValueOnStore, QEditFollowsTheBandType) {
  store.ViewImage[0][10] = 1;  // peaking
  store.ViewImage[0][13] = 40;
  store.ViewImage[0][14] = 10;
  AppliedValue r = Apply(E, kKindQ, kMusQ, StepNone, true, 0);
  EXPECT_EQ(r.address, kMusQ);
  EXPECT_EQ(r.text, "4.00");

  store.ViewImage[0][10] = 2;  // low shelf: the +4 word and its bound
  r = Apply(E, kKindQ, kMusQ, StepNone, true, 0);
  EXPECT_EQ(r.address, kMusQ + 1);
  EXPECT_EQ(r.text, "0.71");
  r = Apply(E, kKindQ, kMusQ, StepNone, false, QIndexOf(200));
  EXPECT_EQ(r.text, "1.60");
  EXPECT_EQ(store.ViewImage[0][14], 24);
  EXPECT_EQ(store.DeviceImage[0][14], 24);
  EXPECT_EQ(store.ViewImage[0][13], 40);
  EXPECT_EQ(sender.sent, (std::vector<RecordingSender::Sent>{{kMusQ + 1, 24}}));

  store.ViewImage[0][10] = 1;  // back to peaking: word +3 again
  r = Apply(E, kKindQ, kMusQ + 1, StepNone, true, 0);
  EXPECT_EQ(r.address, kMusQ);
  EXPECT_EQ(r.text, "4.00");
}

TEST_F(ApplyValueOnStore, ShownQAboveTheListKeepsTheStoredWord) {
  store.ViewImage[2][18] = 300;  // microphone band 1 Q
  store.DeviceImage[2][18] = 300;
  const AppliedValue r = Apply(E, kKindQ, A(2, 18), StepNone, true, 300);
  EXPECT_EQ(r.text, "128.00");
  EXPECT_EQ(store.ViewImage[2][18], 300);
  EXPECT_EQ(store.DeviceImage[2][18], 300);
  EXPECT_TRUE(sender.sent.empty());
}

TEST_F(ApplyValueOnStore, DirectWritesFollowTheSelectionAndBank) {
  selection.MusChannelSel = kMusRight;
  Apply(E, kKindGain, kMusGain, StepNone, true, 130);  // only shown
  EXPECT_EQ(store.ViewImage[0][12], 0);
  EXPECT_EQ(store.DeviceImage[0][87], 0);
  EXPECT_TRUE(sender.sent.empty());
  Apply(E, kKindGain, kMusGain, StepNone, false, 130);
  EXPECT_EQ(store.ViewImage[0][12], 130);
  EXPECT_EQ(store.DeviceImage[0][87], 130);
  EXPECT_EQ(store.DeviceImage[0][12], 0);

  selection.CurMicBlock = 3;
  Apply(E, kKindFrequency, A(2, 16), StepUp, false, 100);
  EXPECT_EQ(store.DeviceImage[3][16], 101);
  EXPECT_EQ(sender.sent, (std::vector<RecordingSender::Sent>{{A(0, 87), 130}, {A(3, 16), 101}}));
}

TEST_F(ApplyValueOnStore, PanesSendButDoNotWriteDirectly) {
  const AppliedValue r = Apply(P, kKindOutputDelay, A(6, 10), StepNone, true, 250);
  EXPECT_EQ(r.text, "25.0ms");
  EXPECT_EQ(store.ViewImage[6][10], 0);  // a slider pane only shows; the slider's write stores it
  Apply(P, kKindOutputDelay, A(6, 10), StepNone, false, 250);
  EXPECT_EQ(store.ViewImage[6][10], 250);
  EXPECT_EQ(sender.sent.size(), 1u);
}

TEST_F(ApplyValueOnStore, SubwooferMusicMixFollowsTheLiveBlock) {
  selection.CurOutBlock = 22;
  EXPECT_EQ(Apply(P, kKindMixLevel, A(6, 0), StepNone, true, 60, 6).text, "120%");
  EXPECT_EQ(Apply(P, kKindMixLevel, A(6, 2), StepNone, true, 60, 6).text, "60%");
  selection.CurOutBlock = 19;
  EXPECT_EQ(Apply(P, kKindMixLevel, A(6, 0), StepNone, true, 60, 6).text, "60%");
}

TEST_F(ApplyValueOnStore, TypedGainsOnMusicAndDeq) {
  const CommitDecision low = DecideCommit(false, "-30", kKindGain);
  ASSERT_EQ(low.outcome, CommitOutcome::Apply);
  AppliedValue r = Apply(E, kKindGain, kMusGain, StepNone, false, low.value);
  EXPECT_EQ(r.text, "-24.0");
  EXPECT_EQ(store.DeviceImage[0][12], 0);
  r = Apply(E, kKindGain, kDeqGain, StepNone, false, low.value, 1);
  EXPECT_EQ(r.text, "-12.0");
  EXPECT_EQ(store.DeviceImage[1][4], 60);

  const CommitDecision high = DecideCommit(false, "20", kKindGain);
  r = Apply(E, kKindGain, kMusGain, StepNone, false, high.value);
  EXPECT_EQ(r.text, "12.0");
  EXPECT_EQ(store.DeviceImage[0][12], 180);
}

TEST_F(ApplyValueOnStore, UpInAFrequencyEditRaisesTheBandGain) {
  store.ViewImage[0][12] = 120;
  const ArrowAction key = ArrowKeyAction(kKindFrequency, kMusFreq, ArrowKey::Up);
  ASSERT_EQ(key.focusAddress, kMusGain);
  const AppliedValue shown = Apply(E, kKindGain, *key.focusAddress, StepNone, true, store.ViewImage[0][12]);
  const CommitDecision commit = DecideCommit(false, *shown.text, kKindGain);
  const AppliedValue r = Apply(E, kKindGain, *key.focusAddress, key.step, false, commit.value);
  EXPECT_EQ(r.text, "0.2");
  EXPECT_EQ(store.DeviceImage[0][12], 121);
}

TEST(ApplyValueRules, EffectEqFollowsTheAdjustedEffect) {
  using B = EffectEqButton;
  struct Case {
    int pageBlock, controlBlock, shownEq;
    std::optional<B> click;
  };
  const Case cases[] = {
      {4, 4, 4, std::nullopt}, {4, 24, 4, B::Second},     {5, 5, 4, B::Second},     {4, 4, 24, B::EchoA},
      {5, 4, 5, B::EchoA},     {4, 24, 24, std::nullopt}, {6, 24, 4, std::nullopt}, {4, 6, 4, std::nullopt},
  };
  for (const Case& c : cases)
    EXPECT_EQ(EffectEqToFollow(c.pageBlock, c.controlBlock, c.shownEq), c.click)
        << c.pageBlock << ' ' << c.controlBlock << ' ' << c.shownEq;
}

}  // namespace
}  // namespace morvelin
