// Access-control decisions without any window: the held passwords, the key filter, the change
// groups typed key by key (each check sees the fields before its key), the level unlock, the
// panel lock at refresh and the access code.

#include "access/access_rules.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace morvelin::access {
namespace {

UnitInfo Reported(const std::string& panel, const std::string& system) {
  UnitInfo u;
  u.PanelPassword = panel;
  u.SystemPassword = system;
  return u;
}

TEST(HeldPasswords, PanelEmptyAndSystemDefaultUntilReported) {
  const UnitInfo fresh;
  EXPECT_EQ(Held(fresh, Password::Panel), "");
  EXPECT_EQ(Held(fresh, Password::System), "739164");
  EXPECT_FALSE(Usable(fresh, Password::Panel));
  EXPECT_TRUE(Usable(fresh, Password::System));
  // Nothing typed can open the panel lock before the unit reported its password.
  for (const char* typed : {"", "0000", "739164"}) EXPECT_FALSE(UnlocksFirstCheck(fresh, typed)) << typed;
  EXPECT_TRUE(Matches(fresh, Password::System, "739164"));
}

TEST(HeldPasswords, AChangeIsHeldAtOnce) {
  UnitInfo u = Reported("1234", "654321");
  Hold(u, Password::Panel, "4321");
  Hold(u, Password::System, "111111");
  EXPECT_EQ(u.PanelPassword, "4321");
  EXPECT_EQ(u.SystemPassword, "111111");
  EXPECT_TRUE(Matches(u, Password::Panel, "4321"));
  EXPECT_FALSE(Matches(u, Password::Panel, "1234"));
}

TEST(HeldPasswords, UnexpectedLengthsFailEveryCheckAndAreNoted) {
  struct Case {
    const char* panel;
    const char* system;
    bool panelNote;
    bool systemNote;
  };
  const Case cases[] = {
      {"1234", "654321", false, false},
      {"12345", "654321", true, false},
      {"123", "6543210", true, true},
      {"", "65432", false, true},  // an empty panel password is one not reported yet
  };
  for (const Case& c : cases) {
    const UnitInfo u = Reported(c.panel, c.system);
    SCOPED_TRACE(std::string(c.panel) + " / " + c.system);
    EXPECT_EQ(LengthNote(u, Password::Panel) != nullptr, c.panelNote);
    EXPECT_EQ(LengthNote(u, Password::System) != nullptr, c.systemNote);
    if (c.panelNote) {
      EXPECT_FALSE(UnlocksFirstCheck(u, c.panel));
      EXPECT_EQ(CheckChange(u, Password::Panel, true, {c.panel, "", ""}).enableNew, false);
    }
    if (c.systemNote) {
      EXPECT_EQ(CheckLevelUnlock(u, true, c.system), LevelUnlock::Wrong);
      EXPECT_EQ(CheckChange(u, Password::System, true, {c.system, "", ""}).enableNew, false);
    }
  }
}

TEST(HeldPasswords, TheLengthNoteNeverShowsThePassword) {
  const UnitInfo u = Reported("98765", "1234567");
  for (Password which : {Password::Panel, Password::System}) {
    const TextPair* note = LengthNote(u, which);
    ASSERT_NE(note, nullptr);
    for (const char* text : {note->chinese, note->english}) {
      EXPECT_EQ(std::string(text).find(Held(u, which)), std::string::npos) << text;
      EXPECT_LE(std::string(text).size(), 40u) << text;
    }
  }
}

TEST(KeyFilter, DigitsBackspaceAndEnterOnly) {
  for (char c = '0'; c <= '9'; ++c) EXPECT_TRUE(KeyPasses(c)) << c;
  EXPECT_TRUE(KeyPasses(kBackspace));
  EXPECT_TRUE(KeyPasses(kEnter));
  for (char c : std::string("aZq \t-+.\x1b\x16")) EXPECT_FALSE(KeyPasses(c)) << int(c);
}

// A change group typed key by key as the fields do it: the check first, on the texts before the
// key, then the key reaches its field if it passes the filter and the group was not cleared.
struct TypedGroup {
  TypedGroup(UnitInfo reported, Password kind) : unit(std::move(reported)), which(kind) {}
  UnitInfo unit;
  Password which;
  bool online = true;
  ChangeFields fields;
  bool newEnabled = false;
  bool againEnabled = false;
  std::vector<ChangeOutcome> outcomes;

  void Type(std::string ChangeFields::*field, const std::string& keys) {
    for (char key : keys) {
      const ChangeStep step = CheckChange(unit, which, online, fields);
      newEnabled = newEnabled || step.enableNew;
      againEnabled = againEnabled || step.enableAgain;
      if (step.Clears()) {
        outcomes.push_back(step.outcome);
        fields = {};
        newEnabled = againEnabled = false;
        continue;
      }
      if (!KeyPasses(key)) continue;
      std::string& text = fields.*field;
      if (key == kBackspace) {
        if (!text.empty()) text.pop_back();
      } else if (key != kEnter && text.size() < static_cast<std::size_t>(LengthOf(which))) {
        text.push_back(key);
      }
    }
  }
};

constexpr char kCr[] = "\r";

TEST(ChangeGroup, EachFieldCountsOneKeyPressAfterItsLastDigit) {
  TypedGroup g(Reported("1234", "654321"), Password::Panel);
  g.Type(&ChangeFields::current, "1234");
  EXPECT_FALSE(g.newEnabled) << "the fourth digit was checked against three";
  g.Type(&ChangeFields::current, kCr);
  EXPECT_TRUE(g.newEnabled);
  g.Type(&ChangeFields::fresh, "5678");
  EXPECT_FALSE(g.againEnabled);
  g.Type(&ChangeFields::fresh, kCr);
  EXPECT_TRUE(g.againEnabled);
  g.Type(&ChangeFields::again, "5678");
  EXPECT_TRUE(g.outcomes.empty());
  g.Type(&ChangeFields::again, kCr);
  EXPECT_EQ(g.outcomes, std::vector{ChangeOutcome::Changed});
  EXPECT_EQ(g.fields.current + g.fields.fresh + g.fields.again, "");
  EXPECT_FALSE(g.newEnabled);
}

TEST(ChangeGroup, OutcomesOfTheCompleteFields) {
  struct Case {
    const char* name;
    Password which;
    ChangeFields fields;
    bool online;
    ChangeStep expected;
  };
  const UnitInfo u = Reported("1234", "654321");
  const Case cases[] = {
      {"panel changed",
       Password::Panel,
       {"1234", "5678", "5678"},
       true,
       {true, true, ChangeOutcome::Changed}},
      {"panel mismatch",
       Password::Panel,
       {"1234", "5678", "5679"},
       true,
       {true, true, ChangeOutcome::Mismatch}},
      {"panel same", Password::Panel, {"1234", "1234", "1234"}, true, {true, true, ChangeOutcome::Unchanged}},
      {"panel new short", Password::Panel, {"1234", "567", "5678"}, true, {true, false, ChangeOutcome::None}},
      {"panel again short",
       Password::Panel,
       {"1234", "5678", "567"},
       true,
       {true, true, ChangeOutcome::None}},
      {"panel wrong current",
       Password::Panel,
       {"1235", "5678", "5678"},
       true,
       {false, false, ChangeOutcome::None}},
      {"panel offline",
       Password::Panel,
       {"1234", "5678", "5678"},
       false,
       {false, false, ChangeOutcome::None}},
      {"system changed",
       Password::System,
       {"654321", "111111", "111111"},
       true,
       {true, true, ChangeOutcome::Changed}},
      {"system mismatch",
       Password::System,
       {"654321", "111111", "111112"},
       true,
       {true, true, ChangeOutcome::Mismatch}},
      {"system with panel length",
       Password::System,
       {"654321", "1111", "1111"},
       true,
       {true, false, ChangeOutcome::None}},
      {"system offline",
       Password::System,
       {"654321", "111111", "111111"},
       false,
       {false, false, ChangeOutcome::None}},
  };
  for (const Case& c : cases) {
    const ChangeStep s = CheckChange(u, c.which, c.online, c.fields);
    EXPECT_EQ(s.enableNew, c.expected.enableNew) << c.name;
    EXPECT_EQ(s.enableAgain, c.expected.enableAgain) << c.name;
    EXPECT_EQ(s.outcome, c.expected.outcome) << c.name;
  }
}

TEST(ChangeGroup, DiscardedKeysStillRunTheCheck) {
  TypedGroup g(Reported("1234", "654321"), Password::Panel);
  g.Type(&ChangeFields::current, "1234x");
  EXPECT_TRUE(g.newEnabled);
  EXPECT_EQ(g.fields.current, "1234");
}

TEST(ChangeGroup, AMismatchClearsTheCurrentFieldToo) {
  TypedGroup g(Reported("1234", "654321"), Password::System);
  g.Type(&ChangeFields::current, "654321\r");
  g.Type(&ChangeFields::fresh, "111111\r");
  g.Type(&ChangeFields::again, "222222\r");
  EXPECT_EQ(g.outcomes, std::vector{ChangeOutcome::Mismatch});
  EXPECT_EQ(g.fields.current, "");
  // The cleared group starts again from the current password.
  g.Type(&ChangeFields::fresh, "111111\r");
  EXPECT_FALSE(g.newEnabled);
}

TEST(LevelUnlock, RightPasswordOnlineOnly) {
  const UnitInfo u = Reported("1234", "654321");
  EXPECT_EQ(CheckLevelUnlock(u, true, "654321"), LevelUnlock::Unlocked);
  EXPECT_EQ(CheckLevelUnlock(u, false, "654321"), LevelUnlock::Offline);
  for (const char* typed : {"", "65432", "654320", "739164"})
    EXPECT_EQ(CheckLevelUnlock(u, true, typed), LevelUnlock::Wrong) << typed;
  EXPECT_EQ(CheckLevelUnlock(UnitInfo{}, true, "739164"), LevelUnlock::Unlocked);
}

TEST(FirstCheck, LocksOncePerSearchWithTheSwitchOn) {
  struct Case {
    int state;
    int lockWord;
    bool locks;
  };
  const Case cases[] = {{0, 1, false}, {1, 1, true}, {1, 0, false}, {kLockApplied, 1, false}, {1, 2, true}};
  for (const Case& c : cases)
    EXPECT_EQ(LocksAtRefresh(c.state, c.lockWord), c.locks) << c.state << " " << c.lockWord;
  const UnitInfo u = Reported("1234", "654321");
  EXPECT_TRUE(UnlocksFirstCheck(u, "1234"));
  for (const char* typed : {"", "123", "12345", "654321"}) EXPECT_FALSE(UnlocksFirstCheck(u, typed)) << typed;
}

TEST(AccessCode, ExactTextWithLetterCase) {
  EXPECT_TRUE(AccessCodeMatches("CURATOR5027"));
  for (const char* typed : {"curator5027", "Curator5027", "CURATOR502", "CURATOR50277", " CURATOR5027", ""})
    EXPECT_FALSE(AccessCodeMatches(typed)) << typed;
}

}  // namespace
}  // namespace morvelin::access
