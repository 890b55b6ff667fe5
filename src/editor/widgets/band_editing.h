#pragma once
// The EQ band editors: typed entry in the band and input gain edits, stepping by keys, spin
// buttons and the mouse wheel, the gain sliders, the band and DEQ work types, the EQ reset and
// all-pass buttons, and the band titles.

#include <QObject>
#include <QString>
#include <array>
#include <functional>

#include "params/block_table.h"

namespace morvelin {

class BmpButton;
class ComboBox;
class Control;
class EditorBinding;
class Edit;
class FormComponents;
class Label;
class SpinButtons;
class TabSwitch;
class TrackBar;
struct EditorState;

class BandEditing : public QObject {
  Q_OBJECT
 public:
  // `notice` shows a plain message (the "error" of an edit without a display kind).
  BandEditing(FormComponents& components, EditorState& state, EditorBinding& binding, TabSwitch& tabs,
              std::function<void(const QString&)> notice);

  // Connects the band titles, the reset button, the keys of the registered edits and the
  // window's wheel.
  void Connect(QWidget* window);

  // State of typed entry (the all-pass states are the binding's, they follow the refresh).
  QString SavedText;
  bool EditDirty = false;
  bool WheelTarget = false;

  void CommitEdit(int step);
  void MusFreEdit1Click(Control* edit);
  // Returns true when the key was taken.
  bool MusFreEdit1KeyDown(Edit* edit, int key);
  // Returns false when the character is discarded.
  bool MusFreEdit1KeyPress(Edit* edit, QChar key);
  void MusFreEdit1Exit(Edit* edit);
  void MusFreUpDownBtn1UpRightClick(SpinButtons* spin);
  void MusFreUpDownBtn1DownLeftClick(SpinButtons* spin);
  // Returns true when the wheel turn was handled.
  bool FormMouseWheel(int delta);
  void MusEQGainBar1Change(TrackBar* bar);
  void MusEQTrackBar1Change(TrackBar* bar);
  void MusModeBox1Change(ComboBox* list);
  void MusPEQtn1Click(Label* label);
  void DEQTYpeOffBtn1Click(BmpButton* button);
  void EQResetBtnClick();
  void MusEQAllpassBtnClick();
  void MusEQPointLabel1Click(Label* title);

  // The all-pass rule shared with the Manual lock: reset only while the page's EQ is not in
  // all-pass and its group is enabled.
  void UpdateResetButton();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool IsRegisteredEdit(const Control* control) const;
  void CommitOn(Control* edit, int step);
  void HighlightGainBar(TrackBar* bar);
  void Spin(SpinButtons* spin, bool upRight);

  FormComponents& comps_;
  EditorState& state_;
  EditorBinding& binding_;
  TabSwitch& tabs_;
  std::function<void(const QString&)> notice_;
  QWidget* window_ = nullptr;
};

}  // namespace morvelin
