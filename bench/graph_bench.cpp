#include <benchmark/benchmark.h>

#include "graphs/band_response.h"
#include "graphs/block_curve.h"
#include "graphs/curve_points.h"
#include "params/param_store.h"

namespace morvelin {
namespace {

void BM_BandResponsePeak(benchmark::State& state) {
  Response r{};
  for (auto _ : state) {
    BandResponse(r, 1000, 6.0f, 1.0f, kTypePeaking);
    benchmark::DoNotOptimize(r.data());
  }
}
BENCHMARK(BM_BandResponsePeak);

// Two sections: the most a single band redraw computes.
void BM_BandResponseTwoSectionLowPass(benchmark::State& state) {
  Response r{};
  for (auto _ : state) {
    BandResponse(r, 5000, 0.0f, 0.0f, kTypeLowPass + 11);
    benchmark::DoNotOptimize(r.data());
  }
}
BENCHMARK(BM_BandResponseTwoSectionLowPass);

// A full page: the fifteen bands and both filters of the microphone block summed on the grid.
void BM_MicPageCurve(benchmark::State& state) {
  EditSelection sel;
  ParamStore store(sel);
  store.ResetBands(100);
  for (int band = 0; band < 15; ++band) {
    store.DeviceImage[2][15 + 5 * band] = 1 + band % 3;
    store.DeviceImage[2][15 + 5 * band + 2] = 60 + 8 * band;
  }
  store.DeviceImage[2][9] = 8;
  store.DeviceImage[2][10] = 40;
  store.DeviceImage[2][11] = 11;
  store.DeviceImage[2][12] = 330;
  for (auto _ : state) {
    auto curve = BlockCurve(store.DeviceImage, 2);
    benchmark::DoNotOptimize(curve);
  }
}
BENCHMARK(BM_MicPageCurve)->Unit(benchmark::kMicrosecond);

// What a drag step costs: one band's response recomputed, the page summed and turned into points.
void BM_SingleBandRedraw(benchmark::State& state) {
  EditSelection sel;
  ParamStore store(sel);
  store.ResetBands(100);
  CurveBands bands{};
  UpdateCurveBands(bands, CurveEntries(store.DeviceImage[0], 0), kSelectAll);
  const GraphGeometry geometry;
  int gain = 0;
  for (auto _ : state) {
    store.DeviceImage[0][22] = 100 + (gain++ % 40);
    UpdateCurveBands(bands, CurveEntries(store.DeviceImage[0], 0), 2);
    const CurvePointList points = CurvePoints(SumCurveBands(bands, 11), geometry);
    benchmark::DoNotOptimize(points.data());
  }
}
BENCHMARK(BM_SingleBandRedraw)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace morvelin
