#pragma once
// How stored words are shown in engineering units, and how typed values become words again.
// One constant table gives each quantity its raw range, its formula, its format and its unit.

#include <string>
#include <string_view>

#include "params/value_tables.h"

namespace morvelin {

// Every quantity a word can stand for; the editor's display kinds pick one of these.
enum class Quantity : int {
  BandFrequency,     // 0..361, list text
  FilterFrequency,   // 0..361, list text then "Hz" (text panes)
  BandGain,          // 0..180, v / 5 - 24 dB
  DeqBandGain,       // 60..180 on the dynamic EQ page
  PeakQ,             // 0..100, Q list
  ShelfQ,            // 0..24, Q list
  BandType,          // 0..3, band-type list item
  MusicInputGain,    // 0..40, v / 2 - 10 dB, one decimal
  MicInputGain,      // 0..40, v / 2 - 10 dB, whole numbers
  Level,             // 0..100 %: effect and direct level, echo repeat, echo right pre-delay
  MixLevel,          // 0..200 %: output mix level
  SubMusicMixLevel,  // 0..200, 2 v %: the music mix level of a subwoofer block
  EchoRightTime,     // 0..100, v - 50 %
  EchoTime,          // 0..250, 2 v ms: echo time, reverb pre-delay
  ReverbTime,        // 0..80, 62.5 v ms
  EchoPreDelay,      // 0..250, v - 100 ms
  OutputDelay,       // 0..500, v / 10 ms
  OutputLimiter,     // 0..34, v - 20 dBu
  DeqLevel,          // 0..60, v - 60 dBu
  MicLimiter,        // 0..34, v - 34 dB
  NoiseGate,         // 0..60, v - 90 dB
  MusicKey,          // 0..14, v - 7
  Feedback,          // 0..4, v
  Ratio,             // 0..40, ratio list
  Release,           // 0..7, release list
  Attack,            // 0..19, attack list then "ms"
  SystemVolume,      // 0..84, v
};
inline constexpr int kQuantityCount = static_cast<int>(Quantity::SystemVolume) + 1;

// Where a quantity's shown value comes from.
enum class ScaleSource { Linear, FreqTable, QTable, BandTypeTable, RatioTable, ReleaseTable, AttackTable };

// shown = (v * num) / den + offset for Linear; a list entry otherwise.
struct ScaleRow {
  Quantity quantity;
  int min;
  int max;
  ScaleSource source;
  int num;
  int den;
  int offset;
  int decimals;  // 0 for "#0", 1 for "#0.0"
  std::string_view unit;
};

const ScaleRow& ScaleOf(Quantity q);
int ScaleMin(Quantity q);
int ScaleMax(Quantity q);
int ClampToScale(Quantity q, int word);
// The shown number of a word (clamped first); list quantities without a number give the index.
double ScaleValue(Quantity q, int word);
// The text a control shows for a word: clamped to the range, formatted, unit appended.
std::string ScaleText(Quantity q, int word);

// "#0" (0 decimals), "#0.0" (1), "#0.00" (2): rounded to the last digit, halves away from zero.
std::string FormatFixed(double value, int decimals);

// Nearest integer, halves to the even one; saturates instead of overflowing, NaN gives 0.
int NearestInt(double x);

// Typed value -> word. The callers clamp the results to their control's range.
int FreqIndexOf(double hz);   // nearest entry, a tie to the lower one; 361 above the list
int QIndexOf(double q);       // first entry at or above q; 101 above the list
int GainWordOf(double db);    // (db + 24) * 5
int HalfDbWordOf(double db);  // (db + 10) * 2

// The three system volume sliders of one channel.
struct VolumeBars {
  int normal = 0;
  int start = 0;
  int max = 0;
  friend bool operator==(const VolumeBars&, const VolumeBars&) = default;
};
enum VolumeBar : int { kNormalBar = 0, kStartBar = 1, kMaxBar = 2 };

struct LinkedVolume {
  VolumeBars bars;
  std::string pane;  // the moved slider's value, "#0"; empty for an unknown slider
};

// Keeps normal and start at or below the maximum after slider `which` moved; a refresh from the
// store (sendSuppressed) shows the stored values unchanged.
LinkedVolume LinkVolumeBars(VolumeBars bars, int which, bool sendSuppressed);

}  // namespace morvelin
