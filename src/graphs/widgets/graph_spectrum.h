#pragma once
// The spectrum analyser on the response graph: the capture feeds the analyser, the graph's
// 10 ms tick steps it (the tick runs only while it is on), every eleventh tick takes new bars,
// and the graph's paint handler paints the bars taken last behind the curve.

#include <QPainter>
#include <QSize>
#include <QString>
#include <vector>

#include "graphs/spectrum.h"
#include "platform/audio_capture.h"

namespace morvelin {

class GraphHost;
class Notifier;
class ResponseGraph;

inline const QString kNoAudioDeviceZh = QStringLiteral("没检测到音频设备");
inline const QString kNoAudioDeviceEn = QStringLiteral("Audio device is not detected");

class GraphSpectrum {
 public:
  // Installs the overlay and the tick on the graph, which must outlive this object, as must
  // the host (for the page block) and the capture.
  GraphSpectrum(ResponseGraph& graph, const GraphHost& host, AudioCapture& capture);
  ~GraphSpectrum();
  GraphSpectrum(const GraphSpectrum&) = delete;
  GraphSpectrum& operator=(const GraphSpectrum&) = delete;

  // Once, after the grid is first drawn. A failed start leaves AudioPresent false for good.
  void StartSpectrumCapture();
  void OnAudioData(const char* data, std::size_t size);
  // From the graph's tick, after the curve sync (the graph skips it while a point is dragged).
  void SpectrumTick();
  // From the tick: the grid restored, the bars, the curve again over them.
  void DrawSpectrum();
  // From the graph's paint handler, on the grid: the bars of the last drawing (none while off).
  void PaintBars(QPainter& painter, const GraphGeometry& geometry);

  // The analyser switch with its button's new state. Without a device the notice is shown,
  // the analyser stays off and the curve is drawn again without bars.
  void PinPPBtnClick(int newState, Notifier& notifier);
  // The floor switch: 0 for -52 dB, 1 for -64 dB.
  void PinDCFBtnClick(int newState);

  const SpectrumAnalyser& Analyser() const { return analyser_; }

 private:
  ResponseGraph& graph_;
  const GraphHost& host_;
  AudioCapture& capture_;
  SpectrumAnalyser analyser_;
  // The bars of the last drawing: a paint of part of the graph shows the same bars as the rest.
  std::vector<SpectrumBar> shownBars_;
  QSize shownFor_;
};

}  // namespace morvelin
