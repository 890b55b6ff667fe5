#pragma once
// What a band or filter is, and the pass-filter kinds with the sections they are built from.

#include <array>
#include <cstdint>

namespace morvelin {

// 0 bypass, 1 peaking, 2 low shelf, 3 high shelf, 4..99 flat, 100 + k high-pass and 200 + k
// low-pass of kind k. Handled as one byte.
using FilterTypeCode = int;
inline constexpr FilterTypeCode kTypeBypass = 0;
inline constexpr FilterTypeCode kTypePeaking = 1;
inline constexpr FilterTypeCode kTypeLowShelf = 2;
inline constexpr FilterTypeCode kTypeHighShelf = 3;
inline constexpr FilterTypeCode kTypeHighPass = 100;
inline constexpr FilterTypeCode kTypeLowPass = 200;

struct PassSection {
  enum class Kind : std::uint8_t { Flat, FirstOrder, Bessel2, Butter2, ButterSection };
  Kind kind = Kind::Flat;
  int order = 0;  // ButterSection only: section `index` of an order-`order` Butterworth
  int index = 0;
};

inline constexpr PassSection kFlat{PassSection::Kind::Flat};
inline constexpr PassSection kFirstOrder{PassSection::Kind::FirstOrder};
inline constexpr PassSection kBessel2{PassSection::Kind::Bessel2};
inline constexpr PassSection kButter2{PassSection::Kind::Butter2};
constexpr PassSection ButterSection(int order, int index) {
  return {PassSection::Kind::ButterSection, order, index};
}

// Q of a second-order section (Bessel 1/sqrt(3), Butterworth 1/sqrt(2), ButterSection
// 1/(2 sin(pi (k + 0.5) / c))); 0 for the flat and first-order sections.
float SectionQ(const PassSection& section);

// How the responses P1, P2 of a kind's two sections are cascaded (summed in dB).
enum class PassCombine : std::uint8_t {
  Single,          // P1
  Sum,             // P1 + P2
  SumTwiceSecond,  // P1 + 2 P2
  TwiceSum,        // 2 (P1 + P2)
};

struct PassKind {
  const char* name;  // item text of the high-pass and low-pass type lists
  PassSection first;
  PassSection second;
  PassCombine combine;
};

inline constexpr int kPassKindCount = 13;
inline constexpr std::array<PassKind, kPassKindCount> kPassKinds{{
    {"Bypass", kFlat, kFlat, PassCombine::Single},
    {"6dB 1st ", kFirstOrder, kFlat, PassCombine::Single},
    {"12dB Besse", kBessel2, kFlat, PassCombine::Single},
    {"12dB Butterworth", kButter2, kFlat, PassCombine::Single},
    {"12dB Link-Riley", kFirstOrder, kFirstOrder, PassCombine::Sum},
    {"18dB Bessel", kBessel2, kFirstOrder, PassCombine::Sum},
    {"18dB Butterworth", kButter2, kFirstOrder, PassCombine::Sum},
    {"24dB Bessel", kBessel2, kBessel2, PassCombine::Sum},
    {"24dB Butterworth", ButterSection(4, 0), ButterSection(4, 1), PassCombine::Sum},
    {"24dB Link-Riley", kButter2, kButter2, PassCombine::Sum},
    {"36dB Bessel", kBessel2, kBessel2, PassCombine::SumTwiceSecond},
    {"36dB Butterworth", ButterSection(4, 0), ButterSection(4, 1), PassCombine::SumTwiceSecond},
    {"36dB Link-Riley", ButterSection(3, 0), kFirstOrder, PassCombine::TwiceSum},
}};

}  // namespace morvelin
