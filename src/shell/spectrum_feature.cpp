#include "shell/spectrum_feature.h"

#include "editor/editor_session.h"
#include "editor/widgets/controls/bmp_button.h"
#include "editor/widgets/editor_binding.h"
#include "editor/widgets/form_components.h"
#include "platform/qt_audio_capture.h"
#include "shell/graph_wiring.h"

namespace morvelin {

SpectrumFeature::SpectrumFeature(EditorSession& session, GraphWiring& graph, EditorBinding& binding,
                                 Notifier& notifier, std::unique_ptr<AudioCapture> capture)
    : graph_(graph),
      binding_(binding),
      notifier_(notifier),
      capture_(capture ? std::move(capture) : std::make_unique<QtAudioCapture>()) {
  connect(&session, &EditorSession::FormCreated, this, &SpectrumFeature::StartSpectrumCapture);
  // The analyser's rhythm of eleven ticks runs only while it is on.
  connect(&session, &EditorSession::TicksQueried, this, [this](bool& wanted) {
    if (spectrum_ && spectrum_->Analyser().SpectrumOn) wanted = true;
  });
}

SpectrumFeature::~SpectrumFeature() {
  // The analyser leaves the graph and stops the capture before the capture goes.
  spectrum_.reset();
}

void SpectrumFeature::StartSpectrumCapture(FormComponents& comps) {
  if (spectrum_ || !graph_.Graph()) return;
  spectrum_ = std::make_unique<GraphSpectrum>(*graph_.Graph(), graph_.Host(), *capture_);
  if (auto* b = comps.Get(handle::PinPPBtn))
    connect(b, &BmpButton::Clicked, this, [this, b] { PinPPBtnClick(*b); });
  if (auto* b = comps.Get(handle::PinDCFBtn))
    connect(b, &BmpButton::Clicked, this, [this, b] { PinDCFBtnClick(*b); });
  spectrum_->StartSpectrumCapture();
}

void SpectrumFeature::PinPPBtnClick(BmpButton& button) {
  if (!spectrum_) return;
  const int state = binding_.SwitchState(&button, kOpToggleCaption);
  spectrum_->PinPPBtnClick(state, notifier_);
  // Without a device the analyser stays off; the button does not pretend otherwise.
  if (state == 1 && !spectrum_->Analyser().SpectrumOn) binding_.SwitchState(&button, kOpToggleCaption);
}

void SpectrumFeature::PinDCFBtnClick(BmpButton& button) {
  if (!spectrum_) return;
  spectrum_->PinDCFBtnClick(binding_.SwitchState(&button, kOpToggleCaption));
}

}  // namespace morvelin
