#pragma once
// Runs one of the built programs to its end and collects what it answered.

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>

namespace morvelin {

struct ProgramRun {
  int code = -1;  // -1: it crashed or did not end in time
  QByteArray out, err;
};

// program: a file name under the build's src/; folder: the working directory, if not the test's.
inline ProgramRun RunBuiltProgram(const QString& program, const QStringList& args, const QString& folder = {},
                                  int timeoutMs = 60'000) {
  QProcess p;
  if (!folder.isEmpty()) p.setWorkingDirectory(folder);
  p.start(QStringLiteral(MORVELIN_BINARY_DIR "/src/") + program, args);
  ProgramRun r;
  if (!p.waitForFinished(timeoutMs)) {
    p.kill();
    p.waitForFinished(2000);
    return r;
  }
  r.code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
  r.out = p.readAllStandardOutput();
  r.err = p.readAllStandardError();
  return r;
}

}  // namespace morvelin
