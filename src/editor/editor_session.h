#pragma once
// The editor's single-instance state and the events that tie its features together.
//
// One session exists for the life of the program. It owns the store, the edit selection and
// the editor state, and knows the link once the link window has made it. The main window, the
// page switch and the binding announce what happens through the session's signals; each
// feature (binding, band editing, graph, presets, access display, ...) is an object of its own
// that is given the session and the references it needs, and subscribes in its constructor:
//
//   QObject::connect(&session, &EditorSession::Tick, &context_, [this] { ... });
//
// with a context object the feature owns, so that its subscriptions end with it. Subscribers
// of one event run in the order they subscribed. A feature never calls another feature: it
// asks through the session (RefreshPage, RedrawCurves, ...) and whoever serves that event acts.

#include <QColor>
#include <QObject>

#include "editor/editor_state.h"
#include "link/link_ui.h"
#include "params/edit_selection.h"
#include "params/param_store.h"

namespace morvelin {

class FormComponents;
class LinkController;

// The start-up steps of the main window's first showing, in the order they run.
enum class StartupStep {
  BuildRegistry,      // the control registry (run twice)
  EnsureFolders,      // the backup folders
  RefreshBackupList,  // the backup list
};

class EditorSession : public QObject {
  Q_OBJECT
 public:
  EditorSession();
  ~EditorSession() override;
  EditorSession(const EditorSession&) = delete;
  EditorSession& operator=(const EditorSession&) = delete;

  EditSelection& Selection() { return selection_; }
  ParamStore& Store() { return store_; }
  const ParamStore& Store() const { return store_; }
  EditorState& State() { return state_; }
  const EditorState& State() const { return state_; }
  // The link, once the link window exists (nullptr before and after it).
  LinkController* Link() const { return link_; }
  void SetLink(LinkController* link) { link_ = link; }

  // Requests: the session announces them, the feature that serves them acts.
  // Show the stored values on the controls of a view block (kAllBlocks: all of them).
  void RefreshPage(int block) { emit RefreshRequested(block); }
  // Redraw every curve of a view block.
  void RedrawCurves(int block) { emit CurvesRedrawRequested(block); }
  // Act as a click on effect tool `tool` (0 Echo A, 1 Echo B, 2 reverb); false when nothing did.
  bool ClickEffectTool(int tool);
  void SetCurveColour(const QColor& colour);
  void ClearWheelTarget() { emit WheelTargetCleared(); }
  void ResetGainBarHighlight() { emit GainBarHighlightReset(); }

  // Announcements.
  void FormCreate(FormComponents& form) { emit FormCreated(form); }
  void RunStartupStep(StartupStep step) { emit StartupStepRun(step); }
  void Tick() { emit Ticked(); }
  // Whether the 10 ms tick has work to do (an edit not followed yet, the analyser on): asked
  // before the event loop sleeps and after each tick, so an idle editor does not tick.
  bool TicksWanted() {
    bool wanted = false;
    emit TicksQueried(wanted);
    return wanted;
  }
  // The user's last change; LastEditChanged is emitted when it differs from the one before.
  void NoteLastEdit(int address, int value);
  bool LastEditNoted(int address, int value) const {
    return address == lastEditAddress_ && value == lastEditValue_;
  }
  void PageShown(int block) { emit PageRefreshed(block); }
  void RefreshDone(int block) { emit RefreshFinished(block); }
  void LinkEvent(LinkEventKind kind) { emit LinkStateChanged(kind); }
  // UiLanguage: 1 Chinese, 0 English.
  void SetLanguage(int uiLanguage);

 signals:
  void RefreshRequested(int block);
  void CurvesRedrawRequested(int block);
  // `handled` is set by the feature that carried the click out.
  void EffectToolRequested(int tool, bool& handled);
  void CurveColourChanged(const QColor& colour);
  // The page switch left the band edits: the mouse wheel stops stepping them.
  void WheelTargetCleared();
  // The page switch: the highlighted EQ gain slider returns to the normal thumb.
  void GainBarHighlightReset();

  // The main window's controls exist (its creation); features put their own widgets on it.
  void FormCreated(FormComponents& form);
  void StartupStepRun(StartupStep step);
  // The main window's 10 ms timer.
  void Ticked();
  // Each subscriber that still has work for the tick sets `wanted`.
  void TicksQueried(bool& wanted);
  void LastEditChanged(int address, int value);
  // A page refresh has shown the stored values on the controls of `block`; sending is still
  // suppressed (the access display and the mode list follow here).
  void PageRefreshed(int block);
  // A page refresh has ended and the curves are drawn; the flags are restored.
  void RefreshFinished(int block);
  // The link carried out a change of its state.
  void LinkStateChanged(LinkEventKind kind);
  void LanguageChanged(int uiLanguage);

 private:
  EditSelection selection_;
  ParamStore store_{selection_};
  EditorState state_;
  LinkController* link_ = nullptr;
  int lastEditAddress_ = 0;
  int lastEditValue_ = 0;
};

}  // namespace morvelin
