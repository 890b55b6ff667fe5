#pragma once
// Figures about this process from the operating system, for the start-up benchmark. Linux only;
// elsewhere they are -1.

namespace morvelin {

// Milliseconds since this process started, as the system counts it.
double MillisecondsSinceProcessStart();
// Peak resident memory of this process in kilobytes.
long PeakResidentKilobytes();

}  // namespace morvelin
