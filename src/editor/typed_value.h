#pragma once
// Typed entry and stepping of the band and input gain edits: from the typed text to a raw value,
// and which edit and step a key, spin button or wheel turn acts on.

#include <optional>
#include <string>
#include <string_view>

namespace morvelin {

// Shown when an edit without a display kind is committed.
inline constexpr std::string_view kNoKindMessage = "error";

// A typed number in units -> the raw value of a kind (frequency, gain and Q lookups, input gain
// in half decibels); other kinds take the number unchanged. The control clamps the result.
double ParseTypedValue(int kind, double number);

// The characters of a typed text that can belong to a number ("-", "." and digits), in order.
std::string KeepNumberChars(std::string_view text);
// A number made of those characters: an optional leading "-", digits with at most one ".".
std::optional<double> ParseTypedNumber(std::string_view kept);

enum class CommitOutcome {
  Ignore,   // no edit is current
  Restore,  // empty or not a number: put the saved text back, write nothing
  Error,    // the edit has no kind: show kNoKindMessage, put the saved text back
  Apply,    // ApplyValue(edit, step, 0, value)
};
struct CommitDecision {
  CommitOutcome outcome = CommitOutcome::Ignore;
  double value = 0;  // the raw value to apply
};
// `kind` is the edit's Hint as a number, nullopt when it has none.
CommitDecision DecideCommit(bool noCurrentEdit, std::string_view text, std::optional<int> kind);

// The keys an edit keeps: backspace, Enter, "-", "." and the digits.
bool IsAcceptedEditKey(char32_t key);

enum class ArrowKey { Left, Up, Right, Down };
struct ArrowAction {
  std::optional<int> focusAddress;  // first click this edit of the band (its address)
  int step = 0;                     // then commit with this step
};
// Left and Right step a band's frequency, Up and Down its gain; a Q or input gain edit steps
// itself with all four.
ArrowAction ArrowKeyAction(int kind, int address, ArrowKey key);

// The mouse wheel steps the current edit only after an edit was clicked; a still wheel does nothing.
struct WheelAction {
  bool commit = false;
  int step = 0;
  bool handled = false;
};
WheelAction WheelStepAction(bool wheelTarget, int delta);

// A spin button steps its edit, or moves its slider by one.
struct SpinAction {
  int step = 0;         // for an edit
  int sliderDelta = 0;  // for a slider
};
SpinAction SpinButtonAction(bool upRight, bool servesEdit);

// The gain word whose slider a clicked edit highlights: a frequency edit's band + 1, a Q edit's
// (tagged at the band's +4 word) - 2, any other edit its own word.
int GainAddressForEdit(int kind, int address);

// The Q word that a band type uses: +3 for bypass and peaking, +4 for the shelves.
int QAddressForType(int typeAddress, int type);

// A type list's item as the value it stands for: DEQ work types stop at 2, band types at 3.
enum class TypeAux { None, DeqTypeButton, BandTypeLabel };
struct TypeChoice {
  int value = 0;
  std::optional<int> switchOp;  // 23 for the DEQ type buttons, 21 for the band-type labels
};
TypeChoice TypeChoiceOf(int itemIndex, TypeAux aux);

}  // namespace morvelin
