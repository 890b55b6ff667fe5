#pragma once
// The flags the receiver raises for the link's timers; they pass through the event order alone.

namespace morvelin {

// Where a transfer step stands.
enum TransferPhaseCode : int {
  kPhaseIdle = 0,
  kPhaseAcked = 1,     // an acknowledgement arrived
  kPhaseReported = 2,  // a report arrived
  kPhaseSent = 3,      // the step was sent and is awaited
  kPhaseWaited = 4,    // the first wait expired
  kPhaseResent = 5,    // the step was sent again
};

struct LinkFlags {
  int LinkAcked = 0;  // the search has found a unit
  int SendReady = 0;  // the last frame sent was acknowledged
  int TransferPhase = kPhaseIdle;
};

}  // namespace morvelin
