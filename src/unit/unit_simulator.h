#pragma once
// The unit simulator program: a VirtualUnit on a pseudo-terminal until SIGINT or SIGTERM,
// optionally misbehaving as a unit on a poor line does.

#include <cstdint>
#include <optional>
#include <ostream>
#include <span>
#include <string>

namespace morvelin {

struct UnitSimulatorOptions {
  std::string linkPath;    // empty: no symbolic link
  int wordsPerReport = 0;  // 0: the unit's default
  int latencyMs = 0;       // every answer leaves this long after its frame arrived
  int noisePercent = 0;    // share of answers behind a burst of line noise
  int badChecksumPercent = 0;
  int dropAckPercent = 0;
  int silentAfterS = -1;  // -1: never; otherwise the unit stops answering after so many seconds
  std::uint32_t seed = 1;
  bool logFrames = false;  // a line "received F5 B2 ..." on stdout per frame the unit took in
  // What the unit keeps for access control; unset: the unit's own start values.
  std::optional<bool> panelLock;
  std::optional<int> accessLevel;  // 0 user, 1 manager
  std::optional<std::string> panelPassword;
  std::optional<std::string> systemPassword;
};

// "on"/"off" for the panel lock, "user"/"manager" for the level; nullopt for anything else.
std::optional<bool> PanelLockOption(const std::string& text);
std::optional<int> AccessLevelOption(const std::string& text);

// The line --log-frames prints for a frame: "received" and its bytes in hexadecimal.
std::string ReceivedFrameLine(std::span<const std::uint8_t> frame);

// Runs the event loop of the existing application object; returns the exit code.
int RunUnitSimulator(const UnitSimulatorOptions& options, std::ostream& out, std::ostream& err);

}  // namespace morvelin
