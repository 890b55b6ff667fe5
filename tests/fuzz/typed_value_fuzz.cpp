// Typed values: text -> parse -> clamp -> word -> shown text, for every edit kind, in every
// variant (dynamic EQ page, shelving band) and with the spin steps; and any word shown on a
// pane. The word stays inside its kind's range, and the shown text, typed again, gives the same
// word and the same text.

#include <array>
#include <string>

#include "editor/apply_value_rules.h"
#include "editor/display_kinds.h"
#include "editor/typed_value.h"
#include "fuzz_support.h"
#include "params/block_table.h"
#include "params/scales.h"

namespace morvelin::fuzz {
namespace {

constexpr std::array<int, 5> kEditKinds{kKindNone, kKindFrequency, kKindGain, kKindQ, kKindMusicGain};
constexpr std::array<int, 3> kSteps{StepNone, StepUp, StepDown};

struct Range {
  int min;
  int max;
};

Range RangeOf(int kind, const ValueContext& c) {
  if (kind == kKindNone) return {0, 0xFFFF};
  const KindVariant variant{c.pageBlock == 1, c.bandType >= 2, IsSubMusicMixWord(c.address, c.liveBlock)};
  const Quantity q = *KindQuantity(kind, variant);
  return {ScaleMin(q), ScaleMax(q)};
}

void TypedEdit(ByteReader& in) {
  const int kind = kEditKinds[in.Byte() % kEditKinds.size()];
  const int step = kSteps[in.Byte() % kSteps.size()];
  ValueContext c;
  const int variant = in.Byte();
  c.pageBlock = variant % 2;  // 1: the dynamic EQ page
  c.bandType = variant / 2 % 4;
  c.address = 0x0016;
  const auto typed = in.Rest();
  const std::string text(typed.begin(), typed.end());

  const CommitDecision d = DecideCommit(false, text, kind);
  if (d.outcome != CommitOutcome::Apply) return;
  const AppliedValue r = ApplyValueRules(ValueTarget::Edit, kind, step, false, d.value, c);
  FUZZ_CHECK(r.applies && r.callsSetParam);
  const Range range = RangeOf(kind, c);
  FUZZ_CHECK(r.n >= range.min && r.n <= range.max);
  if (!r.text) return;  // kind 0 shows nothing of its own

  const CommitDecision again = DecideCommit(false, *r.text, kind);
  FUZZ_CHECK(again.outcome == CommitOutcome::Apply);
  const AppliedValue back = ApplyValueRules(ValueTarget::Edit, kind, StepNone, false, again.value, c);
  FUZZ_CHECK(back.n == r.n);
  FUZZ_CHECK(back.text == r.text);
}

void ShownPane(ByteReader& in) {
  const int kind = kKindFilterFreq + in.Byte() % (kDisplayKindCount - kKindFilterFreq);
  if (DisplayKindOf(kind).cls != KindClass::Pane) return;
  ValueContext c;
  const int variant = in.Byte();
  c.pageBlock = variant % 2;
  c.bandType = variant / 2 % 4;
  c.liveBlock = 20 + variant / 8 % 4;
  c.address = MakeAddress(c.liveBlock, variant / 32 % 2);
  const int word = static_cast<std::int16_t>(in.Word());
  const AppliedValue r = ApplyValueRules(ValueTarget::Pane, kind, StepNone, in.Byte() % 2, word, c);
  FUZZ_CHECK(r.applies && r.text);
  const Range range = RangeOf(kind, c);
  FUZZ_CHECK(r.n >= range.min && r.n <= range.max);
  const KindVariant v{c.pageBlock == 1, c.bandType >= 2, IsSubMusicMixWord(c.address, c.liveBlock)};
  FUZZ_CHECK(*r.text == ScaleText(*KindQuantity(kind, v), r.n));
}

}  // namespace

void FuzzOne(ByteReader& in) {
  if (in.Byte() % 4 == 0)
    ShownPane(in);
  else
    TypedEdit(in);
}

}  // namespace morvelin::fuzz
