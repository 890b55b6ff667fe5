#pragma once
// Lets the event loop run its timers, paints and port reads for a while.

#include <QEventLoop>
#include <QTimer>

namespace morvelin {

inline void RunEventLoopFor(int ms) {
  QEventLoop loop;
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  loop.exec();
}

}  // namespace morvelin
