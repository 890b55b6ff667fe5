#pragma once
// The live spectrum behind the response curve: the capture's last block of samples, its
// 2048-point transform, and the bars it gives on the graph's logarithmic axis.

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "graphs/graph_geometry.h"
#include "params/rgb.h"

namespace morvelin {

inline constexpr int kFftLength = 2048;
// Samples of one capture buffer; the rest of the transform's input stays zero.
inline constexpr int kSpectrumSamples = 1024;
inline constexpr int kCaptureSampleRate = 48000;
// Bin spacing as the bars look it up (48000 / 2048 is 23.4375).
inline constexpr double kSpectrumBinHz = 23.0;
// An unsigned 8-bit sample of this value is silence.
inline constexpr double kSpectrumLevelReference = 128.0;
inline constexpr Rgb kSpectrumBarColour{62, 62, 255};
inline constexpr int kSpectrumPenWidth = 2;
// Bars are the image width divided by this, rounded down, pixel columns wide.
inline constexpr int kSpectrumBarDivisor = 120;
// Timer ticks: the transform runs at the fifth, the bars are drawn after the tenth.
inline constexpr int kSpectrumComputeTick = 5;
inline constexpr int kSpectrumDrawTick = 10;

// The lowest bars are weighted by these factors; bars from 47 on are not.
inline constexpr std::array<double, 47> LowColumnWeights{
    0.40, 0.42, 0.25, 0.47, 0.30, 0.53, 0.76, 0.69, 0.73, 0.57, 0.31, 0.45, 0.79, 0.84, 0.89, 0.94,
    0.90, 0.92, 0.95, 0.77, 0.86, 0.93, 0.86, 0.89, 0.93, 0.87, 0.91, 0.85, 0.99, 0.94, 0.99, 0.94,
    0.96, 0.92, 0.95, 0.97, 0.96, 0.93, 0.96, 0.99, 0.93, 0.97, 0.96, 0.95, 0.99, 0.94, 0.99};

// SpectrumFloor: 0 draws levels down to -52 dB, 1 down to -64 dB.
double SpectrumFloorDb(int spectrumFloor);

// The bar top for a magnitude: 0 dB (magnitude 128) just above the image, the floor at H - 2.
// Magnitudes above 120 count as 120, and 0 as 0.001.
double LevelToY(double magnitude, int imageHeight, int spectrumFloor);

// Pixel columns per bar: W div 120, at least 1.
int SpectrumBarWidth(int imageWidth);

// One bar: its first pixel column, the columns drawn (the last two of each bar stay empty)
// and its top. Each drawn column x is a line from (x, H) up to (x, top), top excluded.
struct SpectrumBar {
  int left = 0;
  int columns = 0;
  int top = 0;
  friend bool operator==(const SpectrumBar&, const SpectrumBar&) = default;
};

// The bars over the columns 0..W for a transform output (magnitudes of its 2048 bins).
std::vector<SpectrumBar> SpectrumBars(const GraphGeometry& geometry, std::span<const float> magnitudes,
                                      int spectrumFloor);

// What a timer tick asks of the display.
enum class SpectrumStep { None, Computed, Draw };

// The analyser's state and its transform. Buffers arrive from the capture, ticks from the
// graph's 10 ms timer; both on the one UI thread.
class SpectrumAnalyser {
 public:
  SpectrumAnalyser();
  ~SpectrumAnalyser();
  SpectrumAnalyser(const SpectrumAnalyser&) = delete;
  SpectrumAnalyser& operator=(const SpectrumAnalyser&) = delete;

  bool AudioPresent = true;
  bool SpectrumOn = false;
  int SpectrumFloor = 0;
  int SpectrumTicks = 0;

  // Clears the transform's input and output (before the capture starts).
  void ResetTransform();
  // A filled capture buffer: kept only while the analyser is on and no point is dragged;
  // otherwise dropped without a copy.
  void OnAudioData(const char* data, std::size_t size, bool dragging);
  // One timer tick (the caller skips ticks while a point is dragged).
  SpectrumStep SpectrumTick();
  // The samples of the last buffer taken, through the transform, the lowest bins damped.
  void ComputeSpectrum();

  std::span<const std::uint8_t> SampleBlock() const { return sampleBlock_; }
  // |FftOutput[k]| in single precision, for k = 0..2047.
  std::span<const float> Magnitudes() const { return magnitudes_; }
  std::vector<SpectrumBar> Bars(const GraphGeometry& geometry) const;

 private:
  struct Transform;
  std::unique_ptr<Transform> transform_;
  std::vector<std::uint8_t> sampleBlock_;
  std::array<float, kFftLength> magnitudes_{};
};

}  // namespace morvelin
