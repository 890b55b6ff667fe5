#pragma once
// Access control as the editor decides it: the passwords it holds, the key filter of the
// password fields, the two password-change groups, the access-level unlock, the panel lock
// at the first refresh, and the access code of the hidden page. Plain functions over plain
// values; the window feeds them the field texts and carries out what they decide.

#include <string>

#include "link/status_texts.h"
#include "params/param_store.h"

namespace morvelin::access {

inline constexpr int kPanelPasswordLength = 4;
inline constexpr int kSystemPasswordLength = 6;
inline constexpr const char* kAccessCode = "CURATOR5027";

// The characters a key press delivers to a password field, as the handlers see them.
inline constexpr char kBackspace = '\b';
inline constexpr char kEnter = '\r';

enum class Password { Panel, System };

int LengthOf(Password which);
// The password the editor holds: the panel one is empty until the unit reports it, the
// system one is the default until then.
const std::string& Held(const UnitInfo& unit, Password which);
// A successful change: the editor holds the new password at once.
void Hold(UnitInfo& unit, Password which, const std::string& text);
// False for a password of another length than its kind has: every check of it then fails.
bool Usable(const UnitInfo& unit, Password which);
// A typed text is right only for a usable password that it equals exactly.
bool Matches(const UnitInfo& unit, Password which, const std::string& typed);

// The note the password's group shows when the unit reported a password of an unexpected
// length (the password itself is never shown). Null when there is nothing to say, also
// before the panel password has been reported at all.
const TextPair* LengthNote(const UnitInfo& unit, Password which);

// Digits, Backspace and Enter reach a password field; every other key is discarded.
bool KeyPasses(char key);

// The three fields of a change group (current, new, repetition) as they are before the key.
struct ChangeFields {
  std::string current;
  std::string fresh;
  std::string again;
};

enum class ChangeOutcome {
  None,       // the fields stay as they are
  Changed,    // the new password is held and sent; the group is cleared
  Mismatch,   // new and repetition differ: message, then the group is cleared
  Unchanged,  // the new password is the current one: the group is cleared silently
};

struct ChangeStep {
  bool enableNew = false;    // the new-password field becomes usable
  bool enableAgain = false;  // the repetition field becomes usable
  ChangeOutcome outcome = ChangeOutcome::None;
  // Clearing the group: both new fields disabled and emptied, the current field emptied.
  bool Clears() const { return outcome != ChangeOutcome::None; }
};

// The checks run on every key press in one of the group's fields, discarded keys included,
// on the texts before the key: a field counts one key press after its last character.
ChangeStep CheckChange(const UnitInfo& unit, Password which, bool online, const ChangeFields& fields);

extern const TextPair kMismatchMessage;       // "密码不一致!" / "Password Error!"
extern const TextPair kWrongPasswordMessage;  // "密码错误!" / "Password Error!"
extern const TextPair kUnlockedNotice;        // "解锁成功!" / "unlocked Success!"
// The caption of the change and unlock messages: "提示" in Chinese, "Confirm" in English.
extern const TextPair kMessageCaption;

enum class LevelUnlock {
  Wrong,     // the field is emptied and the wrong-password message shown
  Unlocked,  // the field is emptied and the user/manager group enabled
  Offline,   // the right password while not online: the field is emptied, nothing else
};
LevelUnlock CheckLevelUnlock(const UnitInfo& unit, bool online, const std::string& typed);

// FirstCheckState: 0 after a search started, 1 once the link came up, 2 once the lock was shown.
inline constexpr int kLockApplied = 2;
// True when the refresh must lock the editor: the link came up since the last search, the lock
// was not shown yet, and the unit's panel-lock switch is on.
bool LocksAtRefresh(int firstCheckState, int panelLockWord);
// The first-check prompt opens only for the panel password, whatever the field's own length.
bool UnlocksFirstCheck(const UnitInfo& unit, const std::string& typed);

// The hidden page's access code, letter case included.
bool AccessCodeMatches(const std::string& typed);

}  // namespace morvelin::access
