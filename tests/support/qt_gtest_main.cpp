#include "support/qt_gtest_main.h"

#include <QCoreApplication>

int main(int argc, char** argv) {
  return RunTestsIn<QCoreApplication>(argc, argv);
}
