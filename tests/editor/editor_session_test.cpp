// The editor session: its requests reach whoever serves them, and its announcements are made
// once per change.

#include "editor/editor_session.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace morvelin {
namespace {

TEST(EditorSession, TheStoreAsksForItsRefreshesThroughTheSession) {
  EditorSession session;
  std::vector<int> refreshed;
  QObject context;
  QObject::connect(&session, &EditorSession::RefreshRequested, &context,
                   [&](int block) { refreshed.push_back(block); });
  session.Store().ResetBands(kAllBlocks);
  EXPECT_EQ(refreshed, std::vector<int>{kAllBlocks});
}

TEST(EditorSession, AnEffectToolClickIsHandledOnlyWhenAFeatureCarriesItOut) {
  EditorSession session;
  EXPECT_FALSE(session.ClickEffectTool(1));
  std::vector<int> clicked;
  QObject context;
  QObject::connect(&session, &EditorSession::EffectToolRequested, &context, [&](int tool, bool& handled) {
    clicked.push_back(tool);
    handled = true;
  });
  EXPECT_TRUE(session.ClickEffectTool(2));
  EXPECT_EQ(clicked, std::vector<int>{2});
}

TEST(EditorSession, AnnouncesTheLastEditAndTheLanguageOnlyWhenTheyChange) {
  EditorSession session;
  std::vector<std::pair<int, int>> edits;
  std::vector<int> languages;
  QObject context;
  QObject::connect(&session, &EditorSession::LastEditChanged, &context,
                   [&](int address, int value) { edits.emplace_back(address, value); });
  QObject::connect(&session, &EditorSession::LanguageChanged, &context,
                   [&](int language) { languages.push_back(language); });

  session.NoteLastEdit(0, 0);  // the start value: nothing changed
  session.NoteLastEdit(0x0016, 120);
  session.NoteLastEdit(0x0016, 120);
  session.NoteLastEdit(0x0016, 121);
  EXPECT_EQ(edits, (std::vector<std::pair<int, int>>{{0x0016, 120}, {0x0016, 121}}));

  EXPECT_EQ(session.State().UiLanguage, 1);
  session.SetLanguage(1);
  session.SetLanguage(0);
  session.SetLanguage(0);
  EXPECT_EQ(session.State().UiLanguage, 0);
  EXPECT_EQ(languages, std::vector<int>{0});
}

TEST(EditorSession, TheCurveColourIsKeptAndAnnounced) {
  EditorSession session;
  QColor seen;
  QObject context;
  QObject::connect(&session, &EditorSession::CurveColourChanged, &context,
                   [&](const QColor& c) { seen = c; });
  session.SetCurveColour(QColor(243, 152, 0));
  EXPECT_EQ(seen, QColor(243, 152, 0));
  EXPECT_EQ(session.State().CurveColor, QColor(243, 152, 0));
}

}  // namespace
}  // namespace morvelin
