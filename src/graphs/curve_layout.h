#pragma once
// Where the bands and the high-pass/low-pass filters of a block's curve lie in its words.
// Blocks of one family share the layout of the page's view block.

#include <array>
#include <vector>

#include "graphs/filter_type.h"
#include "params/param_store.h"

namespace morvelin {

using BlockWords = std::array<Word, kBlockWords>;

// Entry numbers of the curve: bands from 0, then the high-pass and low-pass filters.
// Band i draws with point i; the filters with these two points whatever their entry number.
inline constexpr int kCurvePointCount = 22;
inline constexpr int kHighPassPoint = 20;
inline constexpr int kLowPassPoint = 21;

struct CurveLayout {
  int block;         // the view block whose words a page's controls are bound to
  int highPassWord;  // type word; the frequency word follows it. -1: no filters
  int lowPassWord;
};

inline constexpr std::array<CurveLayout, 7> kCurveLayouts{{
    {0, 4, 6},
    {1, -1, -1},
    {2, 9, 11},
    {4, 9, 11},
    {5, 6, 8},
    {6, 16, 18},
    {25, -1, -1},
}};

// The view block whose layout a block 0..27 is read with (3 as 2, 24 as 4, 7..23 as 6,
// 26 and 27 as 25); -1 for the blocks without a curve.
int CurveLayoutBlock(int block);
// Layout of a block, or nullptr for the blocks without a curve.
const CurveLayout* CurveLayoutOf(int block);

// One band or filter of a curve, as it is drawn.
struct CurveEntry {
  FilterTypeCode type;
  float frequency;  // Hz
  float gain;       // dB; 0 for filters
  float q;          // Q of a peaking band, S of a shelf; unused by filters
  int point;        // 0..19 band points, kHighPassPoint, kLowPassPoint
  int freqWord;     // word index of the frequency in the block
  int gainWord;     // word index of the gain; -1 for filters
};

// The entries of block `block`'s curve read from its words: every band, then the high-pass and
// low-pass filters when the block has them. Empty for a block without a curve. Words may hold
// anything: table indexes are clamped to the tables and gain words to the band range 0..180.
std::vector<CurveEntry> CurveEntries(const BlockWords& words, int block);

}  // namespace morvelin
