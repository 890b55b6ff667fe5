#include "graphs/response_template.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace morvelin {

namespace {

constexpr float kPi = std::numbers::pi_v<float>;
constexpr float kHalfSteps = GridSteps / 2.0f;  // M = 231.0
constexpr int kTemplateCentre = GridSteps / 2;  // nearest(N / 2) = 231

// c = cos w0 and s = sin w0 of the float prototype angle.
struct Prototype {
  float c = std::cos(kPrototypeAngle);
  float s = std::sin(kPrototypeAngle);
};

float MagnitudeTerm(float phi, float x0, float x1, float x2) {
  const float sum = x0 + x1 + x2;
  return phi * (phi * x0 * x2 - (x1 * (x0 + x2) + 4.0f * x0 * x2)) + sum * sum;
}

enum class Warp { None, Shelf, Pass };

float TemplateAngle(int j, Warp warp) {
  switch (warp) {
    case Warp::Shelf:
      return IndexWarp(j, kShelfWarpCut, true);
    case Warp::Pass:
      return IndexWarp(j, kPassWarpCut, false);
    case Warp::None:
      break;
  }
  return float(j) * kPi / float(GridSteps);
}

// Code elsewhere in the process (seen after Qt's start-up) can leave the upper halves of the
// AVX registers dirty; the SSE maths below then runs about ten times slower until they are
// cleared. Clearing them is harmless: no vector value lives across this point.
void ClearUpperVectorState() {
#if defined(__GNUC__) && defined(__x86_64__)
  if (__builtin_cpu_supports("avx")) asm volatile("vzeroupper");
#endif
}

// Low-pass templates repeat the previous sample where a magnitude term vanishes (at w = pi).
// Any template does so where rounding leaves no finite value, so a drawing never gets NaN.
ResponseTemplate Sample(const Biquad& f, Warp warp, bool repeatAtZero) {
  ClearUpperVectorState();
  ResponseTemplate t{};
  for (int j = 0; j < GridPoints; ++j) {
    float num = 0, den = 0;
    const float db = BiquadDb(f, TemplateAngle(j, warp), &num, &den);
    const bool repeat = !std::isfinite(db) || (repeatAtZero && (num == 0.0f || den == 0.0f));
    t[j] = repeat ? (j > 0 ? t[j - 1] : 0.0f) : db;
  }
  return t;
}

Biquad PassBiquad(const PassSection& section, bool lowPass) {
  const Prototype p;
  switch (section.kind) {
    case PassSection::Kind::Flat:
      return {1, 0, 0, 1, 0, 0};
    case PassSection::Kind::FirstOrder: {
      const float a0 = p.s + p.c + 1.0f;
      const float a1 = p.s - p.c - 1.0f;
      if (lowPass) return {p.s, p.s, 0, a0, a1, 0};
      return {p.c + 1.0f, -(p.c + 1.0f), 0, a0, a1, 0};
    }
    case PassSection::Kind::Bessel2:
    case PassSection::Kind::Butter2:
    case PassSection::Kind::ButterSection:
      break;
  }
  const float alpha = p.s / (2.0f * SectionQ(section));
  const float a0 = 1.0f + alpha, a1 = -2.0f * p.c, a2 = 1.0f - alpha;
  if (lowPass) {
    const float b = (1.0f - p.c) / 2.0f;
    return {b, 1.0f - p.c, b, a0, a1, a2};
  }
  const float b = (1.0f + p.c) / 2.0f;
  return {b, -(1.0f + p.c), b, a0, a1, a2};
}

}  // namespace

float IndexWarp(int j, int cut, bool inclusive) {
  const float fj = float(j);
  const float fc = float(cut);
  float m;
  if (fj <= kHalfSteps) {
    const bool inside = inclusive ? j >= cut : j > cut;
    m = inside ? (fj - fc) / (kHalfSteps - fc) * kHalfSteps : 1.0f;
  } else {
    m = j <= GridSteps - cut ? (fj - kHalfSteps) / (kHalfSteps - fc) * kHalfSteps + kHalfSteps
                             : float(GridSteps - 1);
  }
  return m * kPi / float(GridSteps);
}

float BiquadDb(const Biquad& f, float w, float* numerator, float* denominator) {
  const float half = 2.0f * std::sin(w / 2.0f);
  const float phi = half * half;
  const float num = MagnitudeTerm(phi, f.b0, f.b1, f.b2);
  const float den = MagnitudeTerm(phi, f.a0, f.a1, f.a2);
  if (numerator) *numerator = num;
  if (denominator) *denominator = den;
  return 10.0f * std::log10(num) - 10.0f * std::log10(den);
}

ResponseTemplate PeakTemplate(float gainDb, float q) {
  const Prototype p;
  const float a = std::pow(10.0f, gainDb / 40.0f);
  const float scaledQ = (q + 0.01f) / (5.0f / 14.0f);
  const float alpha = p.s / (2.0f * scaledQ);
  const Biquad f{1.0f + alpha * a, -2.0f * p.c, 1.0f - alpha * a,
                 1.0f + alpha / a, -2.0f * p.c, 1.0f - alpha / a};
  return Sample(f, Warp::None, false);
}

ResponseTemplate ShelfTemplate(float gainDb, float q, bool high) {
  const Prototype p;
  const float slope = std::min(q, 4.0f) + 0.001f;
  const float a = std::pow(10.0f, gainDb / 40.0f);
  // The absolute value keeps the root real when a large gain meets a slope above 1.
  const float alpha = (p.s / 2.0f) * std::sqrt(std::fabs((a + 1.0f / a) * (1.0f / slope - 1.0f) + 2.0f));
  const float r = 2.0f * std::sqrt(a) * alpha;
  const float ap = a + 1.0f, am = a - 1.0f;
  Biquad f;
  if (!high) {
    f = {a * (ap - am * p.c + r), 2.0f * a * (am - ap * p.c), a * (ap - am * p.c - r),
         ap + am * p.c + r,       -2.0f * (am + ap * p.c),    ap + am * p.c - r};
  } else {
    f = {a * (ap + am * p.c + r), -2.0f * a * (am + ap * p.c), a * (ap + am * p.c - r),
         ap - am * p.c + r,       2.0f * (am - ap * p.c),      ap - am * p.c - r};
  }
  return Sample(f, Warp::Shelf, false);
}

ResponseTemplate LowPassTemplate(const PassSection& section) {
  return Sample(PassBiquad(section, true), Warp::Pass, true);
}

ResponseTemplate HighPassTemplate(const PassSection& section) {
  return Sample(PassBiquad(section, false), Warp::Pass, false);
}

void PlaceTemplate(const ResponseTemplate& t, double frequencyHz, std::span<float, GridPoints> destination) {
  const int e = GridIndexOf(std::max(frequencyHz, 10.0));
  for (int i = e; i >= 0; --i) {
    const int k = kTemplateCentre - (e - i);
    destination[i] = k < 0 ? t[0] : t[k];
  }
  for (int i = e; i <= GridSteps; ++i) {
    const int k = kTemplateCentre + (i - e);
    destination[i] = k >= GridSteps ? t[GridSteps - 1] : t[k];
  }
}

}  // namespace morvelin
