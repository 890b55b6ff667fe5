#pragma once
// The spectrum analyser in the main window, a feature of the editor session: when the form is
// created (after the graph's grid is first drawn) the analyser joins the graph, the switches
// PinPPBtn ("频谱") and PinDCFBtn ("低触发") are wired and the capture starts. The graph's
// 10 ms tick steps it after the curve sync, except while a point is dragged.

#include <QObject>
#include <memory>

#include "graphs/widgets/graph_spectrum.h"
#include "platform/audio_capture.h"

namespace morvelin {

class BmpButton;
class EditorBinding;
class EditorSession;
class FormComponents;
class GraphWiring;
class Notifier;

class SpectrumFeature : public QObject {
  Q_OBJECT
 public:
  // Without a capture the PC's default recording device is used (QtMultimedia). The graph
  // subscribes to the session first, so its grid exists when this one hears of the form.
  SpectrumFeature(EditorSession& session, GraphWiring& graph, EditorBinding& binding, Notifier& notifier,
                  std::unique_ptr<AudioCapture> capture = nullptr);
  ~SpectrumFeature() override;

  // Once; a form without the graph leaves the analyser out.
  void StartSpectrumCapture(FormComponents& components);
  void PinPPBtnClick(BmpButton& button);
  void PinDCFBtnClick(BmpButton& button);

  // Null until the capture was started.
  GraphSpectrum* Spectrum() const { return spectrum_.get(); }
  AudioCapture& Capture() { return *capture_; }

 private:
  GraphWiring& graph_;
  EditorBinding& binding_;
  Notifier& notifier_;
  std::unique_ptr<AudioCapture> capture_;
  std::unique_ptr<GraphSpectrum> spectrum_;
};

}  // namespace morvelin
