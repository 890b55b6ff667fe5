#include <gtest/gtest.h>

#include <QApplication>

// Tests drive real timers, ports and widgets, so they run inside a QApplication;
// without a display the offscreen platform stands in.
int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
