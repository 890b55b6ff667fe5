#pragma once
// A stand-in for the audio unit: it parses the editor's frames and answers them as the unit does,
// keeping the unit's memory, modes and passwords. Used by the loopback port, the pty simulator
// and the tests.

#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <random>
#include <span>
#include <string>
#include <vector>

#include "link/frames.h"
#include "params/edit_selection.h"
#include "params/param_store.h"
#include "platform/serial_port.h"

namespace morvelin {

// The largest number of words that fits one report (251 data bytes).
inline constexpr int kMaxWordsPerReport = kMaxFrameData / 2;

class VirtualUnit {
 public:
  // Misbehaviour on demand, for tests of the editor's failure handling.
  struct Faults {
    bool silent = false;        // as if switched off: frames are logged but neither applied nor answered
    bool noAck = false;         // writes are applied but not acknowledged
    bool altAck = false;        // acknowledge with EE AA instead of EE BB
    bool reportAsRead = false;  // reports carry type 0xB0 instead of 0xB7
    bool noiseBetweenFrames = false;  // noise bytes go out in front of every answer
    Bytes noise{0x00, 0x55, 0xB2, 0xBB, 0xAA, 0xFF, 0x7E};
    int latencyMs = 0;           // answers leave this long after the frame arrived (the clock is SetTime's)
    int noisePercent = 0;        // share of answers behind a burst of random noise, half ending in 0xEE
    int badChecksumPercent = 0;  // share of reports with a wrong checksum
    int dropAckPercent = 0;      // share of acknowledgements never sent
    int dropNextAcks = 0;        // so many of the next acknowledgements are never sent
    int badNextChecksums = 0;    // so many of the next reports carry a wrong checksum
  };

  struct Mode {
    std::string name;
    std::array<std::array<Word, kBlockWords>, kStatusBlock> blocks{};
  };

  VirtualUnit();
  VirtualUnit(const VirtualUnit&) = delete;
  VirtualUnit& operator=(const VirtualUnit&) = delete;

  // Bytes from the editor, split anywhere; garbage and frames with a bad checksum are dropped.
  void Receive(std::span<const std::uint8_t> bytes);
  // Bytes the unit has sent since the last call, in order.
  Bytes TakeOutput();
  // The same, one entry per answer (noise included in front of its frame).
  std::vector<Bytes> TakeTransmissions();
  bool HasOutput() const { return !outbox_.empty(); }
  // Called whenever the unit has put something on the line. One listener: the port serving the unit.
  void SetOutputHandler(std::function<void()> handler) { onOutput_ = std::move(handler); }

  // The unit's clock in milliseconds: answers delayed by the latency leave once it has come.
  void SetTime(long ms);
  // Answers still held back by the latency.
  int DelayedAnswers() const { return static_cast<int>(delayed_.size()); }
  // Seeds the draws of the random faults.
  void Seed(std::uint32_t seed) { random_.seed(seed); }
  // Acknowledgements and reports sent since the start, faults left out.
  int AcksSent() const { return acksSent_; }

  // Spontaneous report of the device identifier (to 0x1E40, four bytes).
  void SendDeviceId();
  // Puts bytes on the line as they are, whatever they are: stray acknowledgements, stale or
  // made-up reports, line noise.
  void SendRaw(Bytes bytes) { Transmit(std::move(bytes)); }

  // Every well-formed frame received (checksum valid), in order of arrival.
  const std::vector<Bytes>& ReceivedFrames() const { return received_; }
  void ClearReceived() { received_.clear(); }

  // Memory: blocks 0..30, 246 words each; out-of-range addresses read 0 and write nothing.
  Word WordAt(int address) const { return mem_->store.Device(address); }
  void SetWord(int address, Word value) { mem_->store.SetDevice(address, value); }
  Word WordAt(int block, int index) const { return WordAt(MakeAddress(block, index)); }
  void SetWord(int block, int index, Word value) { SetWord(MakeAddress(block, index), value); }
  const Image& Memory() const { return mem_->store.DeviceImage; }

  // Modes 0..15.
  const Mode& ModeAt(int k) const { return modes_.at(static_cast<std::size_t>(k)); }
  std::string ModeName(int k) const { return ModeAt(k).name; }
  void SetModeName(int k, const std::string& name);
  // The current memory becomes mode k (the mode save command).
  void StoreMode(int k, const std::string& name);
  // Mode k becomes the memory and the current mode (the mode recall command).
  void RecallMode(int k);

  // Status words live in block 30 of the memory.
  int CurrentMode() const { return WordAt(ModeRecallAddr); }
  void SetCurrentMode(int k) { SetWord(ModeRecallAddr, k); }
  int AccessLevel() const { return WordAt(AccessLevelAddr); }
  void SetAccessLevel(int level) { SetWord(AccessLevelAddr, level); }
  bool PanelLock() const { return WordAt(PanelSwitchAddr) != 0; }
  void SetPanelLock(bool on) { SetWord(PanelSwitchAddr, on ? 1 : 0); }

  const std::string& PanelPassword() const { return panelPassword_; }
  void SetPanelPassword(const std::string& text) { panelPassword_ = text; }
  const std::string& SystemPassword() const { return systemPassword_; }
  void SetSystemPassword(const std::string& text) { systemPassword_ = text; }

  const std::array<std::uint8_t, 4>& DeviceId() const { return deviceId_; }
  void SetDeviceId(const std::array<std::uint8_t, 4>& id) { deviceId_ = id; }

  Faults faults;
  // Words per block report, 1..kMaxWordsPerReport; a longer block comes in several reports.
  int wordsPerReport = kMaxWordsPerReport;

 private:
  void HandleFrame(const Bytes& frame);
  void HandleWrite(int address, std::span<const std::uint8_t> data);
  void HandleRead(int address, std::span<const std::uint8_t> data);
  void WriteWord(int address, Word value);
  void Ack();
  void Report(int address, std::span<const std::uint8_t> data);
  void ReportWords(int block, int first, int count);
  void Transmit(Bytes bytes);
  void Release(Bytes bytes);
  bool Roll(int percent);
  Bytes NoiseBurst();

  // The store's DeviceImage is the unit's memory; the selection is unused but the store needs one.
  // Both live on the heap, as the modes do: together they are over half a megabyte.
  struct Storage {
    EditSelection selection;
    ParamStore store{selection};
  };
  std::unique_ptr<Storage> mem_ = std::make_unique<Storage>();
  std::vector<Mode> modes_ = std::vector<Mode>(kModeCount);
  std::string panelPassword_;
  std::string systemPassword_;
  std::array<std::uint8_t, 4> deviceId_{};

  Bytes input_;
  std::vector<Bytes> received_;
  std::vector<Bytes> outbox_;
  std::function<void()> onOutput_;
  long now_ = 0;
  std::deque<std::pair<long, Bytes>> delayed_;
  std::mt19937 random_{1};
  int acksSent_ = 0;
};

}  // namespace morvelin
