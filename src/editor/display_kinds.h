#pragma once
// The display kinds that a control's Hint names: which quantity a word shows, its raw range and
// whether the control is an edit (stepped by one raw unit), a text pane or a band-type list.

#include <array>
#include <optional>
#include <string_view>

#include "params/scales.h"

namespace morvelin {

enum DisplayKindCode : int {
  kKindNone = 0,        // no format: the system volume panes and the stand-in edit
  kKindBandType = 1,    // band-type lists
  kKindFrequency = 2,   // frequency edits
  kKindGain = 3,        // EQ gain edits
  kKindQ = 4,           // Q edits
  kKindMusicGain = 5,   // music input gain edits
  kKindFilterFreq = 6,  // filter frequency panes
  kKindLevel = 8,       // effect level, repeat and right pre-delay panes
  kKindMixLevel = 9,    // output mix level panes
  kKindEchoRightTime = 10,
  kKindEchoTime = 11,  // echo time, reverb pre-delay
  kKindReverbTime = 12,
  kKindOutputLimiter = 14,
  kKindRatio = 15,
  kKindRelease = 16,
  kKindAttack = 17,
  kKindOutputDelay = 18,
  kKindDeqLevel = 20,
  kKindMusicKey = 21,
  kKindMicInputGain = 22,
  kKindFeedback = 23,
  kKindNoiseGate = 24,
  kKindMicLimiter = 25,
  kKindEchoPreDelay = 26,
};
inline constexpr int kDisplayKindCount = 27;  // codes 0..26; 7, 13 and 19 are not used

enum class KindClass {
  Unused,  // no such kind: a control carrying it is left alone
  None,    // kind 0
  List,    // kind 1
  Edit,    // kinds 2..5: stepped by one raw unit
  Pane,    // kinds 6..26
};

struct DisplayKindRow {
  int kind;
  KindClass cls;
  Quantity quantity;  // the base quantity; see KindQuantity for the page and band variants
  int min;
  int max;
};

// The row of a kind; any code outside the table reads as an unused kind.
const DisplayKindRow& DisplayKindOf(int kind);
// The whole table, in kind order.
const std::array<DisplayKindRow, kDisplayKindCount>& DisplayKindTable();

inline bool IsEditKind(int kind) {
  return DisplayKindOf(kind).cls == KindClass::Edit;
}
inline bool IsPaneKind(int kind) {
  return DisplayKindOf(kind).cls == KindClass::Pane;
}
inline bool IsListKind(int kind) {
  return DisplayKindOf(kind).cls == KindClass::List;
}

// What a kind's quantity depends on besides the kind.
struct KindVariant {
  bool deqPage = false;      // the dynamic EQ page is shown: gains start at 60
  bool shelfBand = false;    // the band's stored type is 2 or more: Q stops at 24
  bool subMusicMix = false;  // word 0 of a subwoofer block (live 21..23): shown doubled
};

// The quantity shown for a kind; kinds 0 and the unused ones have none.
std::optional<Quantity> KindQuantity(int kind, KindVariant variant = {});

// The kind a Hint text names: nullopt when it is empty or not a whole decimal number.
std::optional<int> KindFromHint(std::string_view hint);

// The music mix level of a subwoofer output is shown doubled.
inline bool IsSubMusicMixWord(int address, int liveBlock) {
  return address % 256 == 0 && liveBlock >= 21 && liveBlock <= 23;
}

}  // namespace morvelin
