#include "editor/apply_value_rules.h"

#include <algorithm>
#include <cmath>

#include "editor/display_kinds.h"
#include "params/block_table.h"
#include "params/param_store.h"
#include "params/scales.h"
#include "params/value_tables.h"

namespace morvelin {

namespace {

// Far beyond any word, yet small enough that truncating and rounding stay in int.
constexpr double kValueLimit = 1e9;
constexpr double kWordTop = 65535;
constexpr int kDeqPageBlock = 1;
constexpr double kDeqGainFloor = 60;

int Trunc(double x) {
  return static_cast<int>(std::trunc(x));
}

bool Accepts(ValueTarget target, KindClass cls) {
  switch (target) {
    case ValueTarget::Edit:
      return cls == KindClass::None || cls == KindClass::Edit;
    case ValueTarget::Pane:
      return cls == KindClass::Pane;
    case ValueTarget::List:
      return cls == KindClass::List;
  }
  return false;
}

}  // namespace

AppliedValue ApplyValueRules(ValueTarget target, int kind, int step, bool displayOnly, double value,
                             const ValueContext& context) {
  AppliedValue r;
  const DisplayKindRow& row = DisplayKindOf(kind);
  if (!Accepts(target, row.cls)) return r;
  r.applies = true;
  r.kind = kind;
  r.address = context.address;

  double x = std::isnan(value) ? 0.0 : std::clamp(value, -kValueLimit, kValueLimit);
  if (row.cls == KindClass::Edit && !displayOnly) {
    if (step == StepUp) x += 1;
    if (step == StepDown) x -= 1;
  }
  // Showing a stored frequency, gain or input gain keeps values below the range as they are.
  auto clampEdit = [&](double lo, double hi) {
    x = std::min(x, hi);
    if (!displayOnly) x = std::max(x, lo);
  };
  const bool deqPage = context.pageBlock == kDeqPageBlock;

  switch (kind) {
    case kKindNone:
      x = std::clamp(x, 0.0, kWordTop);  // whatever reaches the unit must fit a word
      break;
    case kKindBandType:
      x = std::min(x, static_cast<double>(row.max));
      r.listIndex = Trunc(x);
      break;
    case kKindFrequency:
      clampEdit(row.min, row.max);
      r.text = std::string(FreqListAt(Trunc(x)));
      r.focusesValueControl = true;
      break;
    case kKindGain:
      if (deqPage) x = std::max(x, kDeqGainFloor);
      clampEdit(row.min, row.max);
      r.text = FormatFixed((x - 120) / 5, 1);
      break;
    case kKindQ:
      if (displayOnly) {
        x = context.storedWord;
        x = std::min(x, static_cast<double>(kQTop));
      } else {
        x = std::clamp(x, 0.0, static_cast<double>(context.bandType >= 2 ? kShelfQTop : kQTop));
      }
      r.text = std::string(QListAt(Trunc(x)));
      break;
    case kKindMusicGain:
      clampEdit(row.min, row.max);
      r.text = FormatFixed((x - 20) / 2, 1) + "dB";
      break;
    default: {
      // Panes: the whole range always, the scale's own text.
      x = std::clamp(x, static_cast<double>(row.min), static_cast<double>(row.max));
      const KindVariant variant{deqPage, context.bandType >= 2,
                                IsSubMusicMixWord(context.address, context.liveBlock)};
      r.text = ScaleText(*KindQuantity(kind, variant), Trunc(x));
      break;
    }
  }

  r.x = x;
  r.n = Trunc(x);
  r.sliderPosition = NearestInt(x);
  // Showing a stored word never changes it, even when the control can only show a clamped value.
  r.writesStores = kind <= kKindQ && !displayOnly;
  if (row.cls == KindClass::Edit) r.highlightGroup = CurveGroupOf(context.address);
  r.callsSetParam = !displayOnly;
  r.recordsLastEdit = kind <= 7 && !context.refreshing;
  return r;
}

ValueContext ValueContextFor(const ParamStore& store, int tag, int pageBlock, bool refreshing) {
  ValueContext c;
  c.address = store.ActiveQWord(tag);
  c.pageBlock = pageBlock;
  const int word = store.LocateBand(c.address) % 256;
  c.bandType = (word == 3 || word == 4) ? store.View(c.address - word) : 0;
  c.storedWord = store.View(c.address);
  c.liveBlock = store.MapViewToDevice(c.address) / 256;
  c.refreshing = refreshing;
  return c;
}

void WriteAppliedValue(ParamStore& store, const AppliedValue& applied) {
  if (!applied.applies) return;
  const int a = applied.address;
  // Suppressed, the editor is only showing what is stored (focusing an edit normalises its text).
  // SetParam writes both images itself, so that the edit history sees the word as it was.
  if (applied.writesStores && !applied.callsSetParam && !store.SendSuppressed) {
    store.SetView(a, applied.n);
    const int block = store.MapViewToDevice(a) / 256;
    store.SetDevice(MakeAddress(block, store.BankIndex(BlockOf(a), IndexOf(a))), applied.n);
  }
  if (applied.callsSetParam) store.SetParam(a, applied.n);
}

std::optional<EffectEqButton> EffectEqToFollow(int pageBlock, int controlBlock, int shownEqBlock) {
  auto isEffect = [](int b) { return b == 4 || b == 5 || b == 24; };
  if (pageBlock != 4 && pageBlock != 5) return std::nullopt;
  if (!isEffect(controlBlock) || controlBlock == shownEqBlock) return std::nullopt;
  return shownEqBlock == 4 ? EffectEqButton::Second : EffectEqButton::EchoA;
}

}  // namespace morvelin
