#pragma once
// The stepped value tables that frequency, Q, ratio and time words index. Words can hold any
// 16-bit value, so every lookup by index goes through the clamped accessors at the end.

#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>

namespace morvelin {

inline constexpr int kFreqCount = 362;
inline constexpr int kFreqTop = kFreqCount - 1;  // 20600 Hz, the top of every frequency word
inline constexpr int kQCount = 101;
inline constexpr int kQTop = kQCount - 1;  // peaking bands use the whole list
inline constexpr int kShelfQTop = 24;      // shelving bands stop at 1.60
inline constexpr int kDefaultPeakQ = 16;   // 1.00
inline constexpr int kDefaultShelfQ = 10;  // 0.71

namespace value_tables_detail {

// Frequencies in tenths of a hertz, Q factors in hundredths: exact, and the texts follow from them.
// clang-format off
inline constexpr std::array<int, kFreqCount> kFreqTenths{
    197, 201, 205, 209, 213, 217, 221, 225, 230, 234, 239, 243, 248, 253, 258, 263, 268, 273, 278, 284,
    289, 295, 301, 307, 313, 319, 325, 331, 338, 344, 351, 358, 365, 372, 379, 386, 394, 401, 409, 417,
    425, 434, 442, 451, 459, 468, 477, 487, 496, 506, 516, 526, 536, 546, 557, 568, 579, 590, 601, 613,
    625, 637, 650, 662, 675, 688, 702, 715, 729, 743, 758, 772, 787, 803, 818, 834, 850, 867, 884, 901,
    919, 940, 950, 970, 990, 1010, 1030, 1050, 1070, 1090, 1110, 1140, 1160, 1180, 1200, 1230, 1250, 1270, 1300, 1320,
    1350, 1380, 1400, 1430, 1460, 1490, 1520, 1540, 1570, 1610, 1640, 1670, 1700, 1730, 1770, 1800, 1840, 1870, 1910, 1950,
    1980, 2020, 2060, 2100, 2140, 2180, 2230, 2270, 2310, 2360, 2410, 2450, 2500, 2550, 2600, 2650, 2700, 2750, 2810, 2860,
    2920, 2970, 3030, 3090, 3150, 3210, 3270, 3340, 3400, 3470, 3540, 3600, 3670, 3750, 3820, 3890, 3970, 4050, 4120, 4200,
    4290, 4370, 4450, 4540, 4630, 4720, 4810, 4900, 5000, 5100, 5200, 5300, 5400, 5510, 5610, 5720, 5830, 5950, 6060, 6180,
    6300, 6420, 6550, 6670, 6800, 6940, 7070, 7210, 7350, 7490, 7640, 7790, 7940, 8090, 8250, 8410, 8570, 8740, 8910, 9080,
    9260, 9440, 9620, 9810, 10000, 10200, 10400, 10600, 10800, 11000, 11200, 11400, 11700, 11900, 12100, 12400, 12600, 12800, 13100, 13300,
    13600, 13900, 14100, 14400, 14700, 15000, 15300, 15600, 15900, 16200, 16500, 16800, 17100, 17500, 17800, 18200, 18500, 18900, 19200, 19600,
    20000, 20400, 20800, 21200, 21600, 22000, 22400, 22900, 23300, 23800, 24200, 24700, 25200, 25700, 26200, 26700, 27200, 27700, 28300, 28800,
    29400, 30000, 30500, 31100, 31700, 32400, 33000, 33600, 34300, 35000, 35600, 36300, 37000, 37800, 38500, 39200, 40000, 40800, 41600, 42400,
    43200, 44000, 44900, 45800, 46700, 47600, 48500, 49400, 50400, 51400, 52400, 53400, 54400, 55500, 56600, 57700, 58800, 59900, 61100, 62300,
    63500, 64700, 66000, 67300, 68600, 69900, 71300, 72700, 74100, 75500, 77000, 78500, 80000, 81600, 83100, 84800, 86400, 88100, 89800, 91500,
    93300, 95100, 97000, 98900, 101000, 103000, 105000, 107000, 109000, 111000, 113000, 115000, 118000, 120000, 122000, 125000, 127000, 129000, 132000, 135000,
    137000, 140000, 143000, 145000, 148000, 151000, 154000, 157000, 160000, 163000, 166000, 170000, 173000, 176000, 180000, 183000, 187000, 190000, 194000, 198000,
    202000, 206000,
};
inline constexpr std::array<int, kQCount> kQHundredths{
    40, 42, 45, 47, 50, 53, 56, 59, 63, 67, 71, 75, 79, 84, 89, 94, 100, 106, 112, 119,
    126, 130, 140, 150, 160, 170, 180, 190, 200, 210, 220, 240, 250, 270, 280, 300, 320, 340, 360, 380,
    400, 420, 450, 480, 500, 530, 570, 600, 630, 670, 710, 760, 800, 850, 900, 950, 1010, 1070, 1130, 1200,
    1270, 1350, 1400, 1500, 1600, 1700, 1800, 1900, 2000, 2100, 2300, 2400, 2500, 2700, 2900, 3000, 3200, 3400, 3600, 3800,
    4000, 4300, 4500, 4800, 5100, 5400, 5700, 6000, 6400, 6800, 7200, 7600, 8100, 8500, 9100, 9600, 10200, 10800, 11400, 12100,
    12800,
};
// clang-format on

struct ShortText {
  std::array<char, 8> chars{};
  std::size_t size = 0;
};

// Fixed-point texts: `decimals` digits after the point, none once the value reaches `wholeFrom`
// (0: never).
template <std::size_t N>
constexpr std::array<ShortText, N> FixedTexts(const std::array<int, N>& scaled, int decimals, int wholeFrom) {
  int unit = 1;
  for (int d = 0; d < decimals; ++d) unit *= 10;
  std::array<ShortText, N> out{};
  for (std::size_t k = 0; k < N; ++k) {
    const int v = scaled[k];
    const bool whole = wholeFrom > 0 && v >= wholeFrom * unit;
    char digits[12]{};
    int n = 0;
    for (int w = v / unit; n == 0 || w > 0; w /= 10) digits[n++] = static_cast<char>('0' + w % 10);
    ShortText& t = out[k];
    while (n > 0) t.chars[t.size++] = digits[--n];
    if (!whole && decimals > 0) {
      t.chars[t.size++] = '.';
      for (int p = unit / 10, f = v % unit; p > 0; p /= 10)
        t.chars[t.size++] = static_cast<char>('0' + f / p % 10);
    }
  }
  return out;
}

template <std::size_t N>
constexpr std::array<std::string_view, N> Views(const std::array<ShortText, N>& texts) {
  std::array<std::string_view, N> out{};
  for (std::size_t k = 0; k < N; ++k) out[k] = std::string_view(texts[k].chars.data(), texts[k].size);
  return out;
}

template <std::size_t N>
constexpr std::array<float, N> Scaled(const std::array<int, N>& v, float unit) {
  std::array<float, N> out{};
  for (std::size_t k = 0; k < N; ++k) out[k] = static_cast<float>(v[k]) / unit;
  return out;
}

inline constexpr auto kFreqTexts = FixedTexts(kFreqTenths, 1, 1000);  // whole hertz from 1000 Hz on
inline constexpr auto kQTexts = FixedTexts(kQHundredths, 2, 0);

}  // namespace value_tables_detail

// 362 frequency texts ("19.7" .. "20600") and the same frequencies as numbers.
inline constexpr std::array<std::string_view, kFreqCount> FreqList =
    value_tables_detail::Views(value_tables_detail::kFreqTexts);
inline constexpr std::array<float, kFreqCount> FreqValues =
    value_tables_detail::Scaled(value_tables_detail::kFreqTenths, 10.0f);

// 101 Q texts ("0.40" .. "128.00") and the same factors as numbers.
inline constexpr std::array<std::string_view, kQCount> QList =
    value_tables_detail::Views(value_tables_detail::kQTexts);
inline constexpr std::array<float, kQCount> QValues =
    value_tables_detail::Scaled(value_tables_detail::kQHundredths, 100.0f);

inline constexpr std::array<std::string_view, 41> RatioList{
    "1.0", "1.2", "1.4", "1.6", "1.8", "2.0", "2.4", "2.8", "3.2", "3.6", "4.0",  "4.4",  "4.8",  "5.2",
    "5.6", "6.0", "6.4", "6.8", "7.2", "7.6", "8.0", "8.4", "9.0", "9.6", "10.2", "10.8", "11.4", "12",
    "13",  "14",  "15",  "16",  "17",  "18",  "19",  "20",  "22",  "24",  "26",   "30",   "100"};

// Release as a multiple of the attack time.
inline constexpr std::array<std::string_view, 8> ReleaseList{"Atk x 2",  "Atk x 4",  "Atk x 6",  "Atk x 8",
                                                             "Atk x 12", "Atk x 16", "Atk x 24", "Atk x 32"};

// Attack times in milliseconds.
inline constexpr std::array<std::string_view, 20> AttackList{"0.5", "0.7", "1.0", "1.4", "2.0", "2.8", "4.0",
                                                             "5.7", "8.0", "11",  "16",  "23",  "32",  "45",
                                                             "64",  "90",  "100", "120", "150", "400"};

// Items of the band-type lists, by type word 0..3.
inline constexpr std::array<std::string_view, 4> BandTypeList{"BYPSS", "PEQ", "LSEQ", "HSEQ"};

// Clamped lookups: an index outside the table reads its nearest end.
template <class T, std::size_t N>
constexpr const T& ClampedEntry(const std::array<T, N>& table, int index) {
  return table[static_cast<std::size_t>(std::clamp(index, 0, static_cast<int>(N) - 1))];
}
constexpr std::string_view FreqListAt(int index) {
  return ClampedEntry(FreqList, index);
}
constexpr float FreqValueAt(int index) {
  return ClampedEntry(FreqValues, index);
}
constexpr std::string_view QListAt(int index) {
  return ClampedEntry(QList, index);
}
constexpr float QValueAt(int index) {
  return ClampedEntry(QValues, index);
}
constexpr std::string_view RatioListAt(int index) {
  return ClampedEntry(RatioList, index);
}
constexpr std::string_view ReleaseListAt(int index) {
  return ClampedEntry(ReleaseList, index);
}
constexpr std::string_view AttackListAt(int index) {
  return ClampedEntry(AttackList, index);
}
constexpr std::string_view BandTypeListAt(int index) {
  return ClampedEntry(BandTypeList, index);
}

// The exact numbers behind the texts, for comparing typed values without float rounding.
constexpr double FreqNumber(int index) {
  return ClampedEntry(value_tables_detail::kFreqTenths, index) / 10.0;
}
constexpr double QNumber(int index) {
  return ClampedEntry(value_tables_detail::kQHundredths, index) / 100.0;
}

}  // namespace morvelin
