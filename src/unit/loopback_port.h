#pragma once
// A serial port wired in-process to a VirtualUnit. The unit's answers arrive later, paced like a
// 115200 baud line, and are announced as a real port announces them. Only the unit's own port
// name opens; any other name behaves as a port that does not exist, unless it was added as a
// silent port (one that opens but has nothing attached).

#include <deque>
#include <set>
#include <string>

#include "platform/serial_port.h"
#include "platform/stepped_clock.h"
#include "unit/virtual_unit.h"

namespace morvelin {

class LoopbackPort : public SerialPort {
 public:
  static constexpr double kBytesPerMs = 11.52;  // 115200 baud, 10 bits a byte

  // The line's pace is kept on the clock when one is given, else on the system's time.
  explicit LoopbackPort(VirtualUnit& unit, std::string unitPortName = "DEMO", SteppedClock* clock = nullptr);
  ~LoopbackPort() override;
  LoopbackPort(const LoopbackPort&) = delete;
  LoopbackPort& operator=(const LoopbackPort&) = delete;

  void SetPortName(const std::string& name) override { name_ = name; }
  std::string PortName() const override { return name_; }
  bool Open() override;
  void Close() override;
  bool IsOpen() const override { return open_; }
  bool Write(std::span<const std::uint8_t> bytes) override;
  int BytesAvailable() const override { return static_cast<int>(rx_.size()); }
  Bytes Read(int n) override;

  void AddSilentPort(const std::string& name) { silentNames_.insert(name); }
  const std::string& UnitPortName() const { return unitName_; }
  // Open on the unit's name, so writes reach the unit.
  bool ConnectedToUnit() const { return open_ && connected_; }
  VirtualUnit& Unit() { return unit_; }

  // Everything on its way arrives at once: one notification per answer of the unit.
  void DeliverNow();
  // Bytes sent by the unit that have not arrived yet.
  int PendingBytes() const;
  // The device fails as a removed adapter does: the port closes and tells its owner.
  void Fail();

 private:
  void OnUnitOutput();
  void Tick();

  VirtualUnit& unit_;
  std::string unitName_;
  std::string name_;
  std::set<std::string> silentNames_;
  bool open_ = false;
  bool connected_ = false;

  std::deque<Bytes> inFlight_;  // answers on the line, oldest first
  std::size_t headSent_ = 0;    // bytes of the oldest answer already delivered
  Bytes rx_;                    // arrived, not yet read
  ClockTimer timer_;
  ClockStopwatch clock_;
  double credit_ = 0;
};

}  // namespace morvelin
