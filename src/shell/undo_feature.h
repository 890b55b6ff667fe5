#pragma once
// Undo and redo of the user's edits: each edit's changed words are one step on a QUndoStack,
// and the changes of one gesture (a slider move from press to release, a band drag, a typed
// commit, a click) merge into that step. Taking a step back or forward sends the words again
// through the link as an edit of them would, and refreshes the pages; a full read or write
// clears the history, since the unit's settings then come from elsewhere.

#include <QObject>
#include <QPointer>
#include <QUndoStack>
#include <functional>
#include <vector>

#include "editor/edit_step_text.h"
#include "params/param_store.h"

class QToolButton;
class QShortcut;

namespace morvelin {

class EditorSession;
class FormComponents;

inline constexpr int kUndoSteps = 200;

class UndoFeature : public QObject {
  Q_OBJECT
 public:
  // The buttons go beside the link button when the form is created; the shortcuts act on `window`.
  UndoFeature(EditorSession& session, FormComponents& components, QWidget& window);
  ~UndoFeature() override;
  UndoFeature(const UndoFeature&) = delete;
  UndoFeature& operator=(const UndoFeature&) = delete;

  // Everything `edit` changes is one step, whatever input arrives meanwhile (an import of
  // several words, say).
  void RunAsOneStep(const std::function<void()>& edit);
  void Undo();
  void Redo();

  QUndoStack& Stack() { return stack_; }
  QToolButton* UndoButton() const { return undoButton_; }
  QToolButton* RedoButton() const { return redoButton_; }
  // The hint of the step that Undo or Redo would take, in the current language.
  QString Hint(StepDirection direction) const;

  // For the steps: set the words of a step to their values before or after it.
  void Replay(const std::vector<StoreChange>& changes, StepDirection direction);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Record(const StoreChange& change);
  void NewGesture() { ++gesture_; }
  void FormCreate();
  void PlaceButtons();
  void UpdateButtons();

  EditorSession& session_;
  FormComponents& components_;
  QWidget& window_;
  QUndoStack stack_;
  QToolButton* undoButton_ = nullptr;
  QToolButton* redoButton_ = nullptr;
  std::vector<QPointer<QShortcut>> shortcuts_;
  QObject context_;
  long gesture_ = 0;
  bool pointerHeld_ = false;
  bool oneStep_ = false;
  bool replaying_ = false;
};

}  // namespace morvelin
