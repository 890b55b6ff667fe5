#pragma once
// The unit's memory layout: 31 blocks of up to 246 words, and where each block keeps its EQ bands.

#include <array>
#include <cstdint>

namespace morvelin {

inline constexpr int kBlockCount = 31;
inline constexpr int kBlockWords = 246;
inline constexpr int kStatusBlock = 30;
inline constexpr int kDeqBandStart = 258;  // marker: the dynamic EQ lays out its bands 10 words apart
// The view block number that stands for every block (refreshes, band resets).
inline constexpr int kAllBlocks = 100;

// Curve groups: which default bands, graph and highlight a block uses.
enum CurveGroup : int {
  kGroupMusic = 0,
  kGroupMic = 1,
  kGroupEffect = 2,
  kGroupOutput = 3,
  kGroupHidden = 4,
  kGroupDeq = 8,
};

struct BlockInfo {
  int length;     // meaningful, transferred words
  int bandStart;  // first EQ band word (kDeqBandStart for the dynamic EQ)
  int bandCount;
  int curveGroup;
};

inline constexpr std::array<BlockInfo, kBlockCount> kBlocks = [] {
  std::array<BlockInfo, kBlockCount> t{};
  t[0] = {165, 10, 10, kGroupMusic};
  t[1] = {60, kDeqBandStart, 3, kGroupDeq};
  t[2] = t[3] = {114, 15, 15, kGroupMic};
  t[4] = t[24] = {48, 14, 7, kGroupEffect};
  t[5] = {45, 11, 7, kGroupEffect};
  for (int b = 6; b <= 23; ++b) t[b] = {70, 21, 10, kGroupOutput};
  for (int b = 25; b <= 27; ++b) t[b] = {26, 1, 5, kGroupHidden};
  t[28] = {37, 48, 0, kGroupHidden};
  t[29] = {10, 10, 0, kGroupHidden};
  t[30] = {21, 32, 0, kGroupHidden};
  return t;
}();

inline constexpr int BlockLengths(int block) {
  return kBlocks[block].length;
}
inline constexpr int EqBandStart(int block) {
  return kBlocks[block].bandStart;
}
inline constexpr int EqBandCount(int block) {
  return kBlocks[block].bandCount;
}

// The blocks whose view words the pages show, in refresh order.
inline constexpr std::array<int, 13> ViewBlocks{0, 1, 2, 4, 5, 6, 24, 25, 26, 27, 28, 29, 30};

inline constexpr bool IsValidAddress(int address) {
  return address >= 0 && address / 256 < kBlockCount && address % 256 < kBlockWords;
}
inline constexpr int BlockOf(int address) {
  return address / 256;
}
inline constexpr int IndexOf(int address) {
  return address % 256;
}
inline constexpr int MakeAddress(int block, int index) {
  return block * 256 + index;
}

// Curve group of any address; an address of no known block counts as the hidden group.
inline constexpr int CurveGroupOf(int address) {
  const int b = address / 256;
  return (address < 0 || b >= kBlockCount) ? kGroupHidden : kBlocks[b].curveGroup;
}

// Word index of a band's word: five words per band, the dynamic EQ ten apart from word 2.
inline constexpr int BandWordIndex(int start, int band, int word) {
  return start == kDeqBandStart ? 2 + 10 * band + word : start + 5 * band + word;
}

// Default band frequencies (indexes into the frequency list) per curve group.
inline constexpr std::array<int, 10> kDefaultFreqMusicOutput{20, 55, 80, 115, 150, 185, 220, 255, 290, 325};
inline constexpr std::array<int, 15> kDefaultFreqMic{4,   25,  49,  73,  96,  120, 144, 167,
                                                     187, 215, 238, 262, 287, 309, 333};
inline constexpr std::array<int, 7> kDefaultFreqEffect{20, 70, 120, 170, 220, 270, 320};
inline constexpr std::array<int, 3> kDefaultFreqDeq{20, 129, 280};

// Default frequency index of a band of a curve group (the last entry for bands past the list).
int DefaultBandFreq(int curveGroup, int band);

// The default band: peaking, 0 dB, Q 1.00 (peaking) and 0.71 (shelving).
inline constexpr std::array<int, 5> kDefaultBand{1, 0, 120, 16, 10};

}  // namespace morvelin
