// The caret of a focused edit blinks on a timer; the edit of no size where a page switch parks
// the focus has no caret and runs no timer, so an idle editor is not woken for it.

#include <gtest/gtest.h>

#include <QAbstractEventDispatcher>
#include <QTest>
#include <QWidget>

#include "editor/widgets/control_handles.h"
#include "editor/widgets/controls/text_controls.h"
#include "editor/widgets/form_components.h"
#include "editor/widgets/page_builder.h"

namespace morvelin {
namespace {

// Timers of the object and of everything it owns.
int TimersOf(QObject& object) {
  int n = int(QAbstractEventDispatcher::instance()->registeredTimers(&object).size());
  for (QObject* child : object.findChildren<QObject*>())
    n += int(QAbstractEventDispatcher::instance()->registeredTimers(child).size());
  return n;
}

TEST(EditCaret, OnlyAnEditWithAnAreaBlinks) {
  QWidget client;
  FormComponents comps;
  BuildPages(&client, comps);
  client.show();
  client.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&client));
  auto* park = comps.Get<Edit>(handle::Examplexx);
  ASSERT_TRUE(park);
  ASSERT_TRUE(park->size().isEmpty());
  Edit* shown = nullptr;
  for (Control* c : comps.InOrder())
    if (auto* e = dynamic_cast<Edit*>(c); e && e != park && e->isVisible() && !e->size().isEmpty()) {
      shown = e;
      break;
    }
  ASSERT_TRUE(shown);
  const int before = TimersOf(*shown);
  shown->setFocus();
  ASSERT_TRUE(shown->hasFocus());
  EXPECT_GT(TimersOf(*shown), before) << "the caret of an edit one can see blinks";
  park->setFocus();
  ASSERT_TRUE(park->hasFocus());
  EXPECT_EQ(TimersOf(*park), 0);
  EXPECT_EQ(TimersOf(*shown), before);
  // Typing still goes into the park.
  QTest::keyClicks(park, "ab");
  EXPECT_EQ(park->text(), "ab");
}

}  // namespace
}  // namespace morvelin
