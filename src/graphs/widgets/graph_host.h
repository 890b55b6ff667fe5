#pragma once
// What the response graph needs from the editor. The graph never writes a word itself: every
// change it makes goes through ApplyValue like a typed entry, and it follows the editor
// through LastEdit.

#include <QWidget>

#include "params/param_store.h"

namespace morvelin {

// The address and value of the user's last change.
struct EditRecord {
  int address = 0;
  int value = 0;
  friend bool operator==(const EditRecord&, const EditRecord&) = default;
};

class GraphHost {
 public:
  virtual ~GraphHost() = default;

  // Steps of ApplyValue and CommitEdit.
  static constexpr int StepNone = 0;
  static constexpr int StepUp = 1;
  static constexpr int StepDown = 11;

  // The graph reads ViewImage and LocateBand only.
  virtual const ParamStore& Store() const = 0;
  // High byte: view block of the page shown; low byte: its page index (the curve group).
  virtual int PageAddress() const = 0;
  virtual int PageBlock() const = 0;
  virtual int AutoManual() const = 0;  // 0 Auto, 1 Manual
  virtual bool Refreshing() const = 0;
  virtual bool StartupDone() const = 0;
  virtual EditRecord LastEdit() const = 0;
  // The band last touched on a curve group's graph (0..21, or 100 for none).
  virtual int SelectedBand(int curveGroup) const = 0;

  // Registry lookups by view address; nullptr where the word has no control.
  virtual QWidget* ValueControl(int address) const = 0;
  virtual QWidget* ReadoutControl(int address) const = 0;
  // Whether a control is one of the editor's edits, and whether it can take the focus now.
  virtual bool IsEdit(const QWidget* control) const = 0;
  virtual bool CanFocus(const QWidget* control) const = 0;

  virtual void ApplyValue(QWidget* control, int step, int displayOnly, double value) = 0;
  // The click path of an edit: selects and highlights its band, shows it, sends nothing.
  virtual void MusFreEdit1Click(QWidget* edit) = 0;
  // Applies the current edit's value, stepped by one raw unit.
  virtual void CommitEdit(int step) = 0;
};

}  // namespace morvelin
