#include "graphs/curve_layout.h"

#include <algorithm>

#include "params/scales.h"

namespace morvelin {

namespace {

// A bypassed high-pass filter is drawn at 19.0 Hz; a bypassed low-pass filter at the list top.
constexpr float kHighPassBypassHz = 19.0f;

float GainOfWord(Word w) {
  return float(ClampToScale(Quantity::BandGain, w)) / 5.0f - 24.0f;
}

CurveEntry FilterEntry(const BlockWords& words, int typeWord, bool lowPass) {
  const int freqWord = typeWord + 1;
  const int index = std::clamp(words[freqWord], 0, kFreqTop);
  // Only the code's low byte counts; masking keeps the sum from overflowing.
  CurveEntry e{(lowPass ? kTypeLowPass : kTypeHighPass) + (words[typeWord] & 0xFFFF),
               FreqValueAt(index),
               0.0f,
               0.0f,
               lowPass ? kLowPassPoint : kHighPassPoint,
               freqWord,
               -1};
  const bool bypassed = lowPass ? index == kFreqTop : index == 0;
  if (bypassed) {
    e.type = lowPass ? kTypeLowPass : kTypeHighPass;
    e.frequency = lowPass ? FreqValueAt(kFreqTop) : kHighPassBypassHz;
  }
  return e;
}

}  // namespace

int CurveLayoutBlock(int block) {
  if (block == 3) return 2;
  if (block == 24) return 4;
  if (block >= 6 && block <= 23) return 6;
  if (block >= 25 && block <= 27) return 25;
  if (block >= 0 && block <= 5) return block;
  return -1;
}

const CurveLayout* CurveLayoutOf(int block) {
  const int layoutBlock = CurveLayoutBlock(block);
  for (const CurveLayout& l : kCurveLayouts)
    if (l.block == layoutBlock) return &l;
  return nullptr;
}

std::vector<CurveEntry> CurveEntries(const BlockWords& words, int block) {
  std::vector<CurveEntry> entries;
  const CurveLayout* layout = CurveLayoutOf(block);
  if (!layout) return entries;
  const int start = EqBandStart(layout->block);
  for (int band = 0; band < EqBandCount(layout->block); ++band) {
    auto word = [&](int w) { return BandWordIndex(start, band, w); };
    const FilterTypeCode type = words[word(0)];
    const int typeByte = type & 0xFF;
    const bool shelf = typeByte == kTypeLowShelf || typeByte == kTypeHighShelf;
    entries.push_back({type, FreqValueAt(words[word(1)]), GainOfWord(words[word(2)]),
                       QValueAt(words[word(shelf ? 4 : 3)]), band, word(1), word(2)});
  }
  if (layout->highPassWord >= 0) {
    entries.push_back(FilterEntry(words, layout->highPassWord, false));
    entries.push_back(FilterEntry(words, layout->lowPassWord, true));
  }
  return entries;
}

}  // namespace morvelin
