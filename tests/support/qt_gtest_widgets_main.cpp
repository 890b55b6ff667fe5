#include <QApplication>

#include "support/qt_gtest_main.h"

int main(int argc, char** argv) {
  return RunTestsIn<QApplication>(argc, argv);
}
