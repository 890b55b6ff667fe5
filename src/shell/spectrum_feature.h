#pragma once
// The spectrum analyser in the main window: the capture started once the graph's grid is
// drawn, the switches PinPPBtn ("频谱") and PinDCFBtn ("低触发"), and the bars on the graph.

#include <QObject>
#include <memory>

#include "graphs/widgets/graph_spectrum.h"
#include "platform/audio_capture.h"

namespace morvelin {

class BmpButton;
class EditorBinding;
class FormComponents;
class GraphHost;
class Notifier;
class ResponseGraph;

class SpectrumFeature : public QObject {
  Q_OBJECT
 public:
  // Without a capture the PC's default recording device is used (QtMultimedia).
  explicit SpectrumFeature(std::unique_ptr<AudioCapture> capture = nullptr);
  ~SpectrumFeature() override;

  // At window creation, after the graph's grid is first drawn: the analyser joins the graph,
  // the two switches are wired and the capture starts. Once; later calls do nothing.
  void StartSpectrumCapture(ResponseGraph& graph, const GraphHost& host, FormComponents& components,
                            EditorBinding& binding, Notifier& notifier);

  void PinPPBtnClick(BmpButton& button);
  void PinDCFBtnClick(BmpButton& button);

  // Null until the capture was started.
  GraphSpectrum* Spectrum() const { return spectrum_.get(); }
  AudioCapture& Capture() { return *capture_; }

 private:
  std::unique_ptr<AudioCapture> capture_;
  std::unique_ptr<GraphSpectrum> spectrum_;
  EditorBinding* binding_ = nullptr;
  Notifier* notifier_ = nullptr;
};

}  // namespace morvelin
