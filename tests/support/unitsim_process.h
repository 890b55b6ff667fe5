#pragma once
// Runs the built morvelin-unitsim for a test and waits for the terminal path it prints.

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTest>

namespace morvelin {

struct UnitSimProcess {
  QProcess process;
  QString path;
  // With --log-frames: the lines printed after the path, one per frame the unit took in.
  QStringList lines;

  bool Start(const QStringList& args = {}) {
    process.start(MORVELIN_BINARY_DIR "/src/morvelin-unitsim", args);
    if (!process.waitForStarted(5000)) return false;
    if (!QTest::qWaitFor([&] { return process.canReadLine(); }, 5000)) return false;
    path = QString::fromUtf8(process.readLine()).trimmed();
    return !path.isEmpty();
  }
  void ReadLines() {
    while (process.canReadLine()) lines << QString::fromUtf8(process.readLine()).trimmed();
  }
  // Waits until the line has been printed; false after ms.
  bool WaitForLine(const QString& line, int ms = 5000) {
    return QTest::qWaitFor(
        [&] {
          ReadLines();
          return lines.contains(line);
        },
        ms);
  }
  ~UnitSimProcess() {
    process.terminate();
    if (!process.waitForFinished(3000)) process.kill();
    process.waitForFinished(1000);
  }
};

}  // namespace morvelin
