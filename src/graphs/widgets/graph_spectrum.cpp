#include "graphs/widgets/graph_spectrum.h"

#include "graphs/curve_layout.h"
#include "graphs/widgets/graph_host.h"
#include "graphs/widgets/response_graph.h"
#include "graphs/widgets/spectrum_bars.h"
#include "presets/notifier.h"

namespace morvelin {

GraphSpectrum::GraphSpectrum(ResponseGraph& graph, const GraphHost& host, AudioCapture& capture)
    : graph_(graph), host_(host), capture_(capture) {
  graph_.SetSpectrumOverlay([this](QPainter& p, const GraphGeometry& g) { PaintBars(p, g); });
  graph_.SetSpectrumTick([this] { SpectrumTick(); });
}

GraphSpectrum::~GraphSpectrum() {
  capture_.Stop();
  graph_.SetSpectrumOverlay({});
  graph_.SetSpectrumTick({});
}

void GraphSpectrum::StartSpectrumCapture() {
  analyser_.ResetTransform();
  if (!capture_.Start([this](const char* data, std::size_t size) { OnAudioData(data, size); }))
    analyser_.AudioPresent = false;
}

void GraphSpectrum::OnAudioData(const char* data, std::size_t size) {
  analyser_.OnAudioData(data, size, graph_.Dragging());
}

void GraphSpectrum::SpectrumTick() {
  if (analyser_.SpectrumTick() == SpectrumStep::Draw) DrawSpectrum();
}

void GraphSpectrum::DrawSpectrum() {
  const GraphGeometry& g = graph_.Geometry();
  shownBars_ = analyser_.Bars(g);
  shownFor_ = QSize(g.Width(), g.Height());
  graph_.RepaintOverlay();
}

void GraphSpectrum::PaintBars(QPainter& painter, const GraphGeometry& geometry) {
  if (!analyser_.SpectrumOn || shownFor_.isEmpty()) return;
  // A resized graph shows the last transform on its new axis.
  if (shownFor_ != QSize(geometry.Width(), geometry.Height())) {
    shownBars_ = analyser_.Bars(geometry);
    shownFor_ = QSize(geometry.Width(), geometry.Height());
  }
  PaintSpectrumBars(painter, shownBars_, geometry.Height());
}

void GraphSpectrum::PinPPBtnClick(int newState, Notifier& notifier) {
  if (!analyser_.AudioPresent) {
    notifier.ShowNotice(kNoAudioDeviceZh, kNoAudioDeviceEn);
    analyser_.SpectrumOn = false;
    graph_.RedrawCurve(kSelectAll, host_.PageBlock());
    graph_.RepaintOverlay();
    return;
  }
  analyser_.SpectrumOn = newState == 1;
  if (analyser_.SpectrumOn) return;
  // Off: the bars go at once, everywhere.
  shownBars_.clear();
  shownFor_ = {};
  graph_.RedrawCurve(kSelectAll, host_.PageBlock());
  graph_.RepaintOverlay();
}

void GraphSpectrum::PinDCFBtnClick(int newState) {
  analyser_.SpectrumFloor = newState;
}

}  // namespace morvelin
