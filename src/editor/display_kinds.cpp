#include "editor/display_kinds.h"

#include <charconv>

namespace morvelin {

namespace {

using Q = Quantity;
using C = KindClass;

// Unused codes keep a harmless quantity and an empty range; their class says to leave them alone.
// clang-format off
constexpr std::array<DisplayKindRow, kDisplayKindCount> kKinds{{
    // kind  class     quantity              min  max
    { 0, C::None,   Q::SystemVolume,          0, 65535},
    { 1, C::List,   Q::BandType,              0,   3},
    { 2, C::Edit,   Q::BandFrequency,         0, 361},
    { 3, C::Edit,   Q::BandGain,              0, 180},
    { 4, C::Edit,   Q::PeakQ,                 0, 100},
    { 5, C::Edit,   Q::MusicInputGain,        0,  40},
    { 6, C::Pane,   Q::FilterFrequency,       0, 361},
    { 7, C::Unused, Q::SystemVolume,          0,   0},
    { 8, C::Pane,   Q::Level,                 0, 100},
    { 9, C::Pane,   Q::MixLevel,              0, 200},
    {10, C::Pane,   Q::EchoRightTime,         0, 100},
    {11, C::Pane,   Q::EchoTime,              0, 250},
    {12, C::Pane,   Q::ReverbTime,            0,  80},
    {13, C::Unused, Q::SystemVolume,          0,   0},
    {14, C::Pane,   Q::OutputLimiter,         0,  34},
    {15, C::Pane,   Q::Ratio,                 0,  40},
    {16, C::Pane,   Q::Release,               0,   7},
    {17, C::Pane,   Q::Attack,                0,  19},
    {18, C::Pane,   Q::OutputDelay,           0, 500},
    {19, C::Unused, Q::SystemVolume,          0,   0},
    {20, C::Pane,   Q::DeqLevel,              0,  60},
    {21, C::Pane,   Q::MusicKey,              0,  14},
    {22, C::Pane,   Q::MicInputGain,          0,  40},
    {23, C::Pane,   Q::Feedback,              0,   4},
    {24, C::Pane,   Q::NoiseGate,             0,  60},
    {25, C::Pane,   Q::MicLimiter,            0,  34},
    {26, C::Pane,   Q::EchoPreDelay,          0, 250},
}};
// clang-format on

constexpr bool RowsInKindOrder() {
  for (int k = 0; k < kDisplayKindCount; ++k)
    if (kKinds[static_cast<std::size_t>(k)].kind != k) return false;
  return true;
}
static_assert(RowsInKindOrder(), "display kind rows must follow the kind codes");

constexpr DisplayKindRow kUnusedRow{-1, C::Unused, Q::SystemVolume, 0, 0};

}  // namespace

const DisplayKindRow& DisplayKindOf(int kind) {
  if (kind < 0 || kind >= kDisplayKindCount) return kUnusedRow;
  return kKinds[static_cast<std::size_t>(kind)];
}

const std::array<DisplayKindRow, kDisplayKindCount>& DisplayKindTable() {
  return kKinds;
}

std::optional<Quantity> KindQuantity(int kind, KindVariant variant) {
  const DisplayKindRow& row = DisplayKindOf(kind);
  if (row.cls == C::Unused || row.cls == C::None) return std::nullopt;
  switch (kind) {
    case kKindGain:
      return variant.deqPage ? Q::DeqBandGain : Q::BandGain;
    case kKindQ:
      return variant.shelfBand ? Q::ShelfQ : Q::PeakQ;
    case kKindMixLevel:
      return variant.subMusicMix ? Q::SubMusicMixLevel : Q::MixLevel;
    default:
      return row.quantity;
  }
}

std::optional<int> KindFromHint(std::string_view hint) {
  if (hint.empty()) return std::nullopt;
  int kind = 0;
  const auto [end, ec] = std::from_chars(hint.data(), hint.data() + hint.size(), kind);
  if (ec != std::errc{} || end != hint.data() + hint.size()) return std::nullopt;
  return kind;
}

}  // namespace morvelin
