#pragma once
// Stores what a report from the unit carries: block words, status words, mode names,
// passwords and the device identifier.

#include <string>

#include "params/param_store.h"
#include "platform/serial_port.h"

namespace morvelin {

inline constexpr int kNoModeNameAwaited = -1;

struct DispatchResult {
  bool modeNameStored = false;
  bool deviceIdReported = false;
};

// f is a whole frame as the receiver collected it. modeNameSlot is the ModeNames position
// the awaited mode-name reply fills, or kNoModeNameAwaited. Never writes outside the store.
DispatchResult DispatchFrame(const Bytes& f, ParamStore& store, int modeNameSlot);

// The 22 entries of the mode list: "1-name" .. "16-name", then "MF1-name" .. "MF6-name".
std::array<std::string, kModeNameSlots> ModeListEntries(const UnitInfo& unit);

}  // namespace morvelin
