#include "platform/process_stats.h"

#if defined(__linux__)
#include <sys/resource.h>
#include <unistd.h>

#include <QFile>
#include <QList>
#include <ctime>
#endif

namespace morvelin {

#if defined(__linux__)

double MillisecondsSinceProcessStart() {
  QFile stat("/proc/self/stat");
  if (!stat.open(QIODevice::ReadOnly)) return -1;
  const QByteArray line = stat.readAll();
  // Fields after the command name (which may hold spaces) start behind the last ')'.
  const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
  if (fields.size() < 20) return -1;
  const double startTicks = fields[19].toDouble();  // field 22: start time in clock ticks since boot
  timespec now{};
  clock_gettime(CLOCK_BOOTTIME, &now);
  const double nowMs = now.tv_sec * 1000.0 + now.tv_nsec / 1e6;
  return nowMs - startTicks * 1000.0 / static_cast<double>(sysconf(_SC_CLK_TCK));
}

long PeakResidentKilobytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

#else

double MillisecondsSinceProcessStart() {
  return -1;
}

long PeakResidentKilobytes() {
  return -1;
}

#endif

}  // namespace morvelin
