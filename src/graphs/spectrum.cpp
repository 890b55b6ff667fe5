#include "graphs/spectrum.h"

#include <kissfft/kiss_fft.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "params/scales.h"

namespace morvelin {

namespace {

constexpr double kTopMagnitude = 120.0;
constexpr double kZeroMagnitude = 0.001;
constexpr int kDampedBins = 3;  // bins 0, 1, 2 are multiplied by 0.1 k^3

}  // namespace

double SpectrumFloorDb(int spectrumFloor) {
  return spectrumFloor == 1 ? -64.0 : -52.0;
}

double LevelToY(double magnitude, int imageHeight, int spectrumFloor) {
  double m = magnitude > kTopMagnitude ? kTopMagnitude : magnitude;
  // A NaN from the transform counts as silence, like an exact zero.
  if (!(m > 0.0)) m = kZeroMagnitude;
  const double floor = SpectrumFloorDb(spectrumFloor);
  const double level = std::clamp(20.0 * std::log10(m / kSpectrumLevelReference), floor, 0.0);
  return (imageHeight - 2) - (level - floor) / (0.0 - floor) * (imageHeight - 1);
}

int SpectrumBarWidth(int imageWidth) {
  return std::max(1, imageWidth / kSpectrumBarDivisor);
}

std::vector<SpectrumBar> SpectrumBars(const GraphGeometry& geometry, std::span<const float> magnitudes,
                                      int spectrumFloor) {
  const int w = geometry.Width(), h = geometry.Height();
  const int g = SpectrumBarWidth(w);
  std::vector<SpectrumBar> bars;
  bars.reserve(w / g + 1);
  const int lastBin = int(magnitudes.size()) - 1;
  for (int left = 0; left <= w; left += g) {
    SpectrumBar bar;
    bar.left = left;
    // Columns l of a bar with l > g - 3 stay empty; none lie past column W.
    bar.columns = std::min(std::max(g - 2, 1), w - left + 1);
    const double hz = geometry.XToFreq(left + g / 2);
    const int k = std::clamp(NearestInt(hz / kSpectrumBinHz), 0, std::max(lastBin, 0));
    double y = LevelToY(lastBin >= 0 ? magnitudes[k] : 0.0, h, spectrumFloor);
    const std::size_t index = bars.size();
    if (index < LowColumnWeights.size()) y *= LowColumnWeights[index];
    bar.top = NearestInt(y);
    bars.push_back(bar);
  }
  return bars;
}

struct SpectrumAnalyser::Transform {
  Transform() : config(kiss_fft_alloc(kFftLength, 0, nullptr, nullptr)) {}
  ~Transform() { std::free(config); }
  Transform(const Transform&) = delete;
  Transform& operator=(const Transform&) = delete;

  kiss_fft_cfg config;
  std::array<kiss_fft_cpx, kFftLength> input{};
  std::array<kiss_fft_cpx, kFftLength> output{};
};

SpectrumAnalyser::SpectrumAnalyser() : transform_(std::make_unique<Transform>()) {
  sampleBlock_.reserve(kSpectrumSamples);
}

SpectrumAnalyser::~SpectrumAnalyser() = default;

void SpectrumAnalyser::ResetTransform() {
  transform_->input.fill({0.0f, 0.0f});
  transform_->output.fill({0.0f, 0.0f});
  magnitudes_.fill(0.0f);
}

void SpectrumAnalyser::OnAudioData(const char* data, std::size_t size, bool dragging) {
  if (!SpectrumOn || dragging || size == 0 || !data) return;
  sampleBlock_.assign(reinterpret_cast<const std::uint8_t*>(data),
                      reinterpret_cast<const std::uint8_t*>(data) + size);
}

SpectrumStep SpectrumAnalyser::SpectrumTick() {
  if (!SpectrumOn) return SpectrumStep::None;
  ++SpectrumTicks;
  if (SpectrumTicks == kSpectrumComputeTick) {
    ComputeSpectrum();
    return SpectrumStep::Computed;
  }
  if (SpectrumTicks > kSpectrumDrawTick) {
    SpectrumTicks = 0;
    return SpectrumStep::Draw;
  }
  return SpectrumStep::None;
}

void SpectrumAnalyser::ComputeSpectrum() {
  Transform& t = *transform_;
  // Samples missing from a short buffer count as silence; the second half stays zero.
  const std::size_t taken = std::min<std::size_t>(sampleBlock_.size(), kSpectrumSamples);
  for (std::size_t n = 0; n < std::size_t(kSpectrumSamples); ++n) {
    const float x = n < taken ? float(sampleBlock_[n]) / float(kSpectrumLevelReference) - 1.0f : 0.0f;
    t.input[n] = {x, 0.0f};
  }
  if (t.config) {
    kiss_fft(t.config, t.input.data(), t.output.data());
  } else {
    t.output.fill({0.0f, 0.0f});
  }
  for (int k = 0; k < kDampedBins; ++k) {
    const float damping = 0.1f * float(k * k * k);
    t.output[k].r *= damping;
    t.output[k].i *= damping;
  }
  for (int k = 0; k < kFftLength; ++k)
    magnitudes_[k] = std::sqrt(t.output[k].r * t.output[k].r + t.output[k].i * t.output[k].i);
}

std::vector<SpectrumBar> SpectrumAnalyser::Bars(const GraphGeometry& geometry) const {
  return SpectrumBars(geometry, magnitudes_, SpectrumFloor);
}

}  // namespace morvelin
