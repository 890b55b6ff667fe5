#pragma once
// Runs the built morvelin-unitsim for a test and waits for the terminal path it prints.

#include <QProcess>
#include <QString>
#include <QTest>

namespace morvelin {

struct UnitSimProcess {
  QProcess process;
  QString path;
  bool Start(const QStringList& args = {}) {
    process.start(MORVELIN_BINARY_DIR "/src/morvelin-unitsim", args);
    if (!process.waitForStarted(5000)) return false;
    if (!QTest::qWaitFor([&] { return process.canReadLine(); }, 5000)) return false;
    path = QString::fromUtf8(process.readLine()).trimmed();
    return !path.isEmpty();
  }
  ~UnitSimProcess() {
    process.terminate();
    if (!process.waitForFinished(3000)) process.kill();
    process.waitForFinished(1000);
  }
};

}  // namespace morvelin
