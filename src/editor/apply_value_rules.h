#pragma once
// What showing or applying one value on a bound control does, worked out without the control:
// the clamped value, the text, the list item or slider position, and which writes follow.
// The widget code applies the result; WriteAppliedValue does the store part.

#include <optional>
#include <string>

namespace morvelin {

class ParamStore;

enum StepCode : int { StepNone = 0, StepUp = 1, StepDown = 11 };

// The control a value goes to. Any other control class is left alone by the caller.
enum class ValueTarget { Edit, Pane, List };

// What a value's display reads besides the value itself.
struct ValueContext {
  int address = 0;     // the word: ActiveQWord of the control's Tag
  int pageBlock = 0;   // view block of the page shown (1: the dynamic EQ page)
  int bandType = 0;    // the band's stored type word, for the Q bound
  int storedWord = 0;  // ViewImage at the address (a Q edit shows this when display-only)
  int liveBlock = 0;   // block the address reaches now (the subwoofer rule)
  bool refreshing = false;
};

struct AppliedValue {
  bool applies = false;  // false: the control is left alone and nothing is written
  int kind = 0;
  int address = 0;
  double x = 0;                       // the value after stepping and clamping
  int n = 0;                          // trunc(x): the word stored and sent
  std::optional<std::string> text;    // the edit's or pane's new text
  std::optional<int> listIndex;       // kind 1: the list's item index (negative: no item)
  int sliderPosition = 0;             // for the slider at the address, else the one in aux slot 0
  bool writesStores = false;          // kinds 0..4 applied by the user: n goes to both images directly
  bool focusesValueControl = false;   // kind 2: CurrentEdit becomes the value control at the address
  std::optional<int> highlightGroup;  // kinds 2..5: highlight the band edit, op = the curve group
  bool callsSetParam = false;         // a user's value: SetParam(address, n)
  bool recordsLastEdit = false;       // LastEdit = (address, n)
};

// `step` counts only for the edit kinds 2..5 of a user's value. A value that is not a number
// counts as 0. A list takes kind 1 only, a pane kinds 6..26 only, an edit kinds 0 and 2..5;
// anything else leaves the control alone.
AppliedValue ApplyValueRules(ValueTarget target, int kind, int step, bool displayOnly, double value,
                             const ValueContext& context);

// The context of a control's Tag as the store holds it now.
ValueContext ValueContextFor(const ParamStore& store, int tag, int pageBlock, bool refreshing);

// The store part of an applied value: both images directly (kinds 0..4), then SetParam for a
// user's value.
void WriteAppliedValue(ParamStore& store, const AppliedValue& applied);

// The effect page shows one effect's EQ (Echo A 4, Echo B 24, reverb 5). Moving a slider or a
// filter type of another effect brings that effect's EQ: act as a click on EchoAEQBtn or on
// RvbEQBtn (the second effect's EQ); nullopt when the EQ shown stays.
enum class EffectEqButton { EchoA, Second };
std::optional<EffectEqButton> EffectEqToFollow(int pageBlock, int controlBlock, int shownEqBlock);

}  // namespace morvelin
