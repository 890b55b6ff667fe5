#include "editor/typed_value.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "editor/apply_value_rules.h"
#include "editor/display_kinds.h"
#include "params/scales.h"

namespace morvelin {

namespace {

bool IsNumberChar(char c) {
  return c == '-' || c == '.' || (c >= '0' && c <= '9');
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

}  // namespace

double ParseTypedValue(int kind, double number) {
  switch (kind) {
    case kKindFrequency:
      return FreqIndexOf(number);
    case kKindGain:
      return GainWordOf(number);
    case kKindQ:
      return QIndexOf(number);
    case kKindMusicGain:
      return HalfDbWordOf(number);
    default:
      return number;
  }
}

std::string KeepNumberChars(std::string_view text) {
  std::string kept;
  for (char c : text)
    if (IsNumberChar(c)) kept += c;
  return kept;
}

std::optional<double> ParseTypedNumber(std::string_view kept) {
  std::size_t i = 0;
  if (i < kept.size() && kept[i] == '-') ++i;
  int digits = 0;
  int points = 0;
  for (std::size_t k = i; k < kept.size(); ++k) {
    if (IsDigit(kept[k]))
      ++digits;
    else if (kept[k] == '.' && points == 0)
      ++points;
    else
      return std::nullopt;
  }
  if (digits == 0) return std::nullopt;
  double value = 0;
  const char* first = kept.data();
  const char* last = kept.data() + kept.size();
  const auto [end, ec] = std::from_chars(first, last, value);
  if (ec != std::errc{} || end != last || !std::isfinite(value)) return std::nullopt;
  return value;
}

CommitDecision DecideCommit(bool noCurrentEdit, std::string_view text, std::optional<int> kind) {
  if (noCurrentEdit) return {CommitOutcome::Ignore, 0};
  const std::string kept = KeepNumberChars(text);
  if (kept.empty()) return {CommitOutcome::Restore, 0};
  const std::optional<double> number = ParseTypedNumber(kept);
  if (!number) return {CommitOutcome::Restore, 0};
  if (!kind) return {CommitOutcome::Error, 0};
  return {CommitOutcome::Apply, ParseTypedValue(*kind, *number)};
}

bool IsAcceptedEditKey(char32_t key) {
  return key == U'\b' || key == U'\r' || key == U'\n' || key == U'-' || key == U'.' ||
         (key >= U'0' && key <= U'9');
}

ArrowAction ArrowKeyAction(int kind, int address, ArrowKey key) {
  ArrowAction a;
  const bool vertical = key == ArrowKey::Up || key == ArrowKey::Down;
  if (kind == kKindFrequency && vertical) a.focusAddress = address + 1;
  if (kind == kKindGain && !vertical) a.focusAddress = address - 1;
  a.step = (key == ArrowKey::Up || key == ArrowKey::Right) ? StepUp : StepDown;
  return a;
}

WheelAction WheelStepAction(bool wheelTarget, int delta) {
  if (!wheelTarget) return {};
  if (delta == 0) return {false, StepNone, true};
  return {true, delta > 0 ? StepUp : StepDown, true};
}

SpinAction SpinButtonAction(bool upRight, bool servesEdit) {
  if (servesEdit) return {upRight ? StepUp : StepDown, 0};
  return {StepNone, upRight ? 1 : -1};
}

int GainAddressForEdit(int kind, int address) {
  if (kind == kKindFrequency) return address + 1;
  if (kind == kKindQ) return address - 2;
  return address;
}

int QAddressForType(int typeAddress, int type) {
  return typeAddress + (type >= 2 ? 4 : 3);
}

TypeChoice TypeChoiceOf(int itemIndex, TypeAux aux) {
  switch (aux) {
    case TypeAux::DeqTypeButton:
      return {std::min(itemIndex, 2), 23};
    case TypeAux::BandTypeLabel:
      return {std::min(itemIndex, 3), 21};
    case TypeAux::None:
      break;
  }
  return {itemIndex, std::nullopt};
}

}  // namespace morvelin
