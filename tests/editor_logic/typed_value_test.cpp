#include "editor/typed_value.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "editor/apply_value_rules.h"
#include "editor/display_kinds.h"

namespace morvelin {
namespace {

TEST(TypedValue, NumbersBecomeWordsPerKind) {
  struct Case {
    int kind;
    double number;
    double raw;
  };
  const Case cases[] = {
      {kKindFrequency, 1000, 204},
      {kKindFrequency, 1010, 204},  // exactly between: the lower entry
      {kKindFrequency, 1011, 205},
      {kKindFrequency, 25000, 361},
      {kKindGain, 0, 120},
      {kKindGain, 20, 220},
      {kKindGain, -30, -30},
      {kKindGain, 0.1, 120},  // 120.5: to even
      {kKindGain, 0.3, 122},
      {kKindQ, 1.3, 21},
      {kKindQ, 1.31, 22},
      {kKindQ, 200, 101},
      {kKindMusicGain, -3, 14},
      {kKindMusicGain, 10, 40},
      {kKindOutputDelay, 12.5, 12.5},
      {kKindNone, 7, 7},
  };
  for (const Case& c : cases)
    EXPECT_DOUBLE_EQ(ParseTypedValue(c.kind, c.number), c.raw) << c.kind << ' ' << c.number;
}

TEST(TypedValue, QEntryAfterClampingFollowsTheBand) {
  // 1.3 is a table entry; 200 is past the list and lands on the band's last allowed entry.
  struct Case {
    double typed;
    int bandType;
    int word;
    const char* text;
  };
  const Case cases[] = {
      {1.3, 1, 21, "1.30"}, {200, 1, 100, "128.00"}, {200, 3, 24, "1.60"}, {1.27, 2, 21, "1.30"}};
  for (const Case& c : cases) {
    ValueContext ctx;
    ctx.address = 13;
    ctx.bandType = c.bandType;
    const AppliedValue r =
        ApplyValueRules(ValueTarget::Edit, kKindQ, StepNone, false, ParseTypedValue(kKindQ, c.typed), ctx);
    EXPECT_EQ(r.n, c.word) << c.typed;
    EXPECT_EQ(r.text, c.text) << c.typed;
  }
}

TEST(TypedValue, TypedTextParsing) {
  const std::string tooLong(400, '9');  // beyond any double
  struct Case {
    const char* text;
    std::optional<double> number;
  };
  const Case cases[] = {
      {"1000", 1000},
      {"-3.0dB", -3},
      {"12.0", 12},
      {".5", 0.5},
      {"5.", 5},
      {"-.5", -0.5},
      {"1 000 Hz", 1000},
      {"0.40", 0.4},
      {"", std::nullopt},
      {"dB", std::nullopt},
      {"-", std::nullopt},
      {".", std::nullopt},
      {"-.", std::nullopt},
      {"1.2.3", std::nullopt},
      {"3-", std::nullopt},
      {"--3", std::nullopt},
      {"1-2", std::nullopt},
      {tooLong.c_str(), std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(ParseTypedNumber(KeepNumberChars(c.text)), c.number) << c.text;
  EXPECT_EQ(KeepNumberChars("-3.0dB"), "-3.0");
  EXPECT_EQ(KeepNumberChars("Q: 1,30"), "130");
}

TEST(TypedValue, CommitDecisions) {
  struct Case {
    bool noCurrentEdit;
    const char* text;
    std::optional<int> kind;
    CommitOutcome outcome;
    double value;
  };
  const Case cases[] = {
      {true, "1000", kKindFrequency, CommitOutcome::Ignore, 0},
      {false, "", kKindFrequency, CommitOutcome::Restore, 0},
      {false, "Hz", kKindFrequency, CommitOutcome::Restore, 0},
      {false, "abc", kKindGain, CommitOutcome::Restore, 0},
      {false, "1-2", kKindGain, CommitOutcome::Restore, 0},
      {false, "1-2", std::nullopt, CommitOutcome::Restore, 0},  // not a number: no message
      {false, "12", std::nullopt, CommitOutcome::Error, 0},
      {false, "1000", kKindFrequency, CommitOutcome::Apply, 204},
      {false, "1010 Hz", kKindFrequency, CommitOutcome::Apply, 204},  // between 1000 and 1020: the lower
      {false, "-3.0dB", kKindMusicGain, CommitOutcome::Apply, 14},
      {false, "20", kKindGain, CommitOutcome::Apply, 220},
  };
  for (const Case& c : cases) {
    const CommitDecision d = DecideCommit(c.noCurrentEdit, c.text, c.kind);
    EXPECT_EQ(d.outcome, c.outcome) << c.text;
    EXPECT_DOUBLE_EQ(d.value, c.value) << c.text;
  }
  EXPECT_EQ(kNoKindMessage, "error");
}

TEST(TypedValue, AcceptedKeys) {
  for (char32_t k : {U'0', U'5', U'9', U'-', U'.', U'\b', U'\r'}) EXPECT_TRUE(IsAcceptedEditKey(k)) << int(k);
  for (char32_t k : {U'a', U'e', U'+', U',', U' ', U'/', U':', U'\t', U'\u4e2d'})
    EXPECT_FALSE(IsAcceptedEditKey(k)) << int(k);
}

TEST(TypedValue, ArrowKeysStepFrequencyAcrossAndGainUpDown) {
  using K = ArrowKey;
  struct Case {
    int kind;
    K key;
    std::optional<int> focus;
    int step;
  };
  constexpr int kFreq = 11;  // a band's +1 word; its gain is +2
  const Case cases[] = {
      {kKindFrequency, K::Up, kFreq + 1, StepUp},
      {kKindFrequency, K::Down, kFreq + 1, StepDown},
      {kKindFrequency, K::Right, std::nullopt, StepUp},
      {kKindFrequency, K::Left, std::nullopt, StepDown},
      {kKindGain, K::Left, kFreq, StepDown},
      {kKindGain, K::Right, kFreq, StepUp},
      {kKindGain, K::Up, std::nullopt, StepUp},
      {kKindGain, K::Down, std::nullopt, StepDown},
      {kKindQ, K::Up, std::nullopt, StepUp},
      {kKindQ, K::Left, std::nullopt, StepDown},
      {kKindQ, K::Right, std::nullopt, StepUp},
      {kKindMusicGain, K::Down, std::nullopt, StepDown},
  };
  for (const Case& c : cases) {
    const int address = c.kind == kKindGain ? kFreq + 1 : kFreq;
    const ArrowAction a = ArrowKeyAction(c.kind, address, c.key);
    EXPECT_EQ(a.focusAddress, c.focus) << c.kind << ' ' << int(c.key);
    EXPECT_EQ(a.step, c.step) << c.kind << ' ' << int(c.key);
  }
}

TEST(TypedValue, WheelAndSpinButtons) {
  EXPECT_FALSE(WheelStepAction(false, 120).commit);
  EXPECT_FALSE(WheelStepAction(false, 120).handled);  // after a page switch the wheel is left alone
  const WheelAction up = WheelStepAction(true, 120);
  EXPECT_TRUE(up.commit && up.handled);
  EXPECT_EQ(up.step, StepUp);
  EXPECT_EQ(WheelStepAction(true, -15).step, StepDown);
  EXPECT_FALSE(WheelStepAction(true, 0).commit);

  EXPECT_EQ(SpinButtonAction(true, true).step, StepUp);
  EXPECT_EQ(SpinButtonAction(false, true).step, StepDown);
  EXPECT_EQ(SpinButtonAction(true, true).sliderDelta, 0);
  EXPECT_EQ(SpinButtonAction(true, false).sliderDelta, 1);
  EXPECT_EQ(SpinButtonAction(false, false).sliderDelta, -1);
  EXPECT_EQ(SpinButtonAction(false, false).step, StepNone);
}

TEST(TypedValue, BandWordsOfTheEditPaths) {
  // Music band 1: type 10, frequency 11, gain 12, Q 13 and 14 (the Q edit is tagged at 14).
  EXPECT_EQ(GainAddressForEdit(kKindFrequency, 11), 12);
  EXPECT_EQ(GainAddressForEdit(kKindQ, 14), 12);
  EXPECT_EQ(GainAddressForEdit(kKindGain, 12), 12);
  EXPECT_EQ(GainAddressForEdit(kKindMusicGain, 1), 1);
  const int qWords[] = {13, 13, 14, 14};
  for (int type = 0; type < 4; ++type) EXPECT_EQ(QAddressForType(10, type), qWords[type]) << type;
}

TEST(TypedValue, TypeListItems) {
  struct Case {
    int item;
    TypeAux aux;
    int value;
    std::optional<int> op;
  };
  const Case cases[] = {
      {1, TypeAux::DeqTypeButton, 1, 23}, {3, TypeAux::DeqTypeButton, 2, 23},
      {3, TypeAux::BandTypeLabel, 3, 21}, {5, TypeAux::BandTypeLabel, 3, 21},
      {0, TypeAux::BandTypeLabel, 0, 21}, {2, TypeAux::None, 2, std::nullopt},
  };
  for (const Case& c : cases) {
    const TypeChoice t = TypeChoiceOf(c.item, c.aux);
    EXPECT_EQ(t.value, c.value) << c.item;
    EXPECT_EQ(t.switchOp, c.op) << c.item;
  }
}

}  // namespace
}  // namespace morvelin
