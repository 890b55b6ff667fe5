#include "access/access_rules.h"

namespace morvelin::access {

const TextPair kMismatchMessage{"密码不一致!", "Password Error!"};
const TextPair kWrongPasswordMessage{"密码错误!", "Password Error!"};
const TextPair kUnlockedNotice{"解锁成功!", "unlocked Success!"};
const TextPair kMessageCaption{"提示", "Confirm"};

namespace {

// Each group shows it beside its own fields, so one text serves both passwords.
const TextPair kLengthNote{"设备密码长度异常", "Unit password: bad length"};

}  // namespace

int LengthOf(Password which) {
  return which == Password::Panel ? kPanelPasswordLength : kSystemPasswordLength;
}

const std::string& Held(const UnitInfo& unit, Password which) {
  return which == Password::Panel ? unit.PanelPassword : unit.SystemPassword;
}

void Hold(UnitInfo& unit, Password which, const std::string& text) {
  (which == Password::Panel ? unit.PanelPassword : unit.SystemPassword) = text;
}

bool Usable(const UnitInfo& unit, Password which) {
  return Held(unit, which).size() == static_cast<std::size_t>(LengthOf(which));
}

bool Matches(const UnitInfo& unit, Password which, const std::string& typed) {
  return Usable(unit, which) && typed == Held(unit, which);
}

const TextPair* LengthNote(const UnitInfo& unit, Password which) {
  // An empty panel password has simply not been reported yet.
  if (Usable(unit, which) || Held(unit, which).empty()) return nullptr;
  return &kLengthNote;
}

bool KeyPasses(char key) {
  return (key >= '0' && key <= '9') || key == kBackspace || key == kEnter;
}

ChangeStep CheckChange(const UnitInfo& unit, Password which, bool online, const ChangeFields& fields) {
  ChangeStep step;
  if (!online || !Matches(unit, which, fields.current)) return step;
  const std::size_t length = static_cast<std::size_t>(LengthOf(which));
  step.enableNew = true;
  step.enableAgain = fields.fresh.size() == length;
  if (fields.fresh.size() != length || fields.again.size() != length) return step;
  if (fields.fresh != fields.again)
    step.outcome = ChangeOutcome::Mismatch;
  else if (fields.fresh != Held(unit, which))
    step.outcome = ChangeOutcome::Changed;
  else
    step.outcome = ChangeOutcome::Unchanged;
  return step;
}

LevelUnlock CheckLevelUnlock(const UnitInfo& unit, bool online, const std::string& typed) {
  if (!Matches(unit, Password::System, typed)) return LevelUnlock::Wrong;
  return online ? LevelUnlock::Unlocked : LevelUnlock::Offline;
}

bool LocksAtRefresh(int firstCheckState, int panelLockWord) {
  return firstCheckState == 1 && panelLockWord != 0;
}

bool UnlocksFirstCheck(const UnitInfo& unit, const std::string& typed) {
  return Matches(unit, Password::Panel, typed);
}

bool AccessCodeMatches(const std::string& typed) {
  return typed == kAccessCode;
}

}  // namespace morvelin::access
