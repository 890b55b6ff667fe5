#pragma once
// The test programs' main(): tests drive real timers and ports, and some widgets, so they run
// inside an application object; widget tests without a display use the offscreen platform.

#include <gtest/gtest.h>

#include <QByteArray>
#include <QtGlobal>

template <typename Application>
int RunTestsIn(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  Application app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
