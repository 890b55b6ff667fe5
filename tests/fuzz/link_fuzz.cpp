// The whole link controller against the virtual unit over the loopback port, on a stepped
// clock, driven by a byte script: time steps, raw bytes from the unit, the user's edits, the
// link button, recall, save, load, passwords, unit faults and a failing port. After the script
// the unit falls silent. Checked throughout:
// - every frame written is well formed and asks for something that exists;
// - every word written carries an address and value that the user set (or, in a full write,
//   what the store holds, once a load asked for one);
// - at most one of the link's timers runs;
// - every transfer step, search and pending command ends within its time-outs;
// - a unit that falls silent while the link is busy always ends in a message, and offline.

#include <memory>
#include <set>
#include <string>
#include <utility>

#include "fuzz_support.h"
#include "link/frames.h"
#include "link/link_controller.h"
#include "platform/fixed_port_lister.h"
#include "support/recording_link_ui.h"
#include "unit/loopback_port.h"
#include "unit/virtual_unit.h"

namespace morvelin::fuzz {
namespace {

constexpr int kStepMs = 20;
constexpr int kPorts = 2;  // the unit's port and one with nothing attached
// A transfer step is sent again after 3.2 s and fails after 13.2 s; one tick of slack.
constexpr long kTransferStepLimitMs = (11 + 21 + 100 + 1) * LinkController::kTransferIntervalMs;
// Each port is probed twice, then one tick finds the end of the list and the next one fails.
constexpr long kSearchLimitMs = (2 * (kPorts + 1) + 2) * LinkController::kSearchIntervalMs;
// A pending mode command waits 51 s for its acknowledgement.
constexpr long kPendingLimitMs = 53'000;
// Long enough for the slowest of them to give up once the unit is silent.
constexpr long kSilenceMs = 70'000;

// The loopback port, with every write checked before it reaches the unit.
class WatchedPort : public LoopbackPort {
 public:
  using LoopbackPort::LoopbackPort;
  std::function<void(std::span<const std::uint8_t>)> onWrite;
  bool Write(std::span<const std::uint8_t> bytes) override {
    if (IsOpen() && onWrite) onWrite(bytes);
    return LoopbackPort::Write(bytes);
  }
};

int WordOf(std::span<const std::uint8_t> data) {
  return data[0] + 256 * data[1];
}

// How long a state has held. A state is named by a key; another key starts the time again.
struct Watch {
  long since = 0;
  long key = -1;  // -1: no state watched
  long Held(long state, long now) {
    if (state != key) {
      key = state;
      since = now;
    }
    return now - since;
  }
};

struct World {
  SteppedClock clock;
  VirtualUnit unit;
  WatchedPort port{unit, "COM1", &clock};
  FixedPortLister lister{{"COM1", "COM2"}};
  EditSelection selection;
  ParamStore store{selection};
  RecordingLinkUi ui;
  LinkController link{port, lister, store, ui, TimerDrive::Qt, &clock};

  // What the user asked for.
  std::set<std::pair<int, int>> words;  // device address, 16-bit value
  std::set<int> savedModes;
  std::set<std::string> passwords;
  bool loadAsked = false;

  Watch search, step, pending;

  World() {
    port.AddSilentPort("COM2");
    port.onWrite = [this](std::span<const std::uint8_t> f) { CheckFrame(f); };
    link.FillPortList();
  }

  void CheckFrame(std::span<const std::uint8_t> f) {
    const std::size_t n = f.size();
    FUZZ_CHECK(n >= 7 && f[0] == kFrameStart && f[1] == kFrameStart2 && f[2] == n - 3);
    FUZZ_CHECK(f[3] == WriteType || f[3] == ReadType);
    FUZZ_CHECK(f[n - 1] == FrameChecksum(f.first(n - 1)));
    const int address = f[4] * 256 + f[5];
    const auto data = f.subspan(6, n - 7);
    FUZZ_CHECK(f[4] == kStatusBlock || f[3] == WriteType);
    if (f[3] == ReadType) {
      if (address == BlockReadAddr) {
        FUZZ_CHECK(data.size() == 2 && WordOf(data) < kStatusBlock);
      } else if (address == ModeNameAddr) {
        FUZZ_CHECK(data.size() == 2 && data[0] < kModeCount && data[1] == 0);
      } else {
        bool status = false;
        for (const StatusRead& s : kStatusReads) status = status || s.address == address;
        FUZZ_CHECK(status && data.empty());
      }
      return;
    }
    if (data.size() == 2 && words.contains({address, WordOf(data)})) return;
    switch (address) {
      case LinkCodeAddr:
        FUZZ_CHECK(data.size() == 2);
        FUZZ_CHECK(WordOf(data) == LinkProbe || WordOf(data) == KeepAlive || WordOf(data) == LinkRelease);
        return;
      case BlockWriteAddr: {
        FUZZ_CHECK(loadAsked && data.size() >= 4 && data.size() % 2 == 0 && data[0] < kStatusBlock);
        const int first = data[1] / 2;
        for (std::size_t k = 0; 2 * k + 3 < data.size(); ++k) {
          const int index = first + static_cast<int>(k);
          FUZZ_CHECK(index < BlockLengths(data[0]));
          FUZZ_CHECK(WordOf(data.subspan(2 + 2 * k)) == (store.DeviceImage[data[0]][index] & 0xFFFF));
        }
        return;
      }
      case InputSourceAddr:
        FUZZ_CHECK(loadAsked && data.size() == 2 && WordOf(data) == (store.Device(InputSourceAddr) & 0xFFFF));
        return;
      case ModeSaveAddr:
        FUZZ_CHECK(data.size() == kModeSaveDataLength && savedModes.contains(data[0]) && data[1] == 0);
        return;
      case PanelPassAddr:
      case SystemPassAddr:
        FUZZ_CHECK(passwords.contains(std::string(data.begin(), data.end())));
        return;
      default:
        FUZZ_CHECK(!"a word the user never set");
    }
  }

  void CheckState() {
    const long now = clock.NowMs();
    const int running = link.Timer1().Running() + link.Timer2().Running() + link.HoldTimer().Running() +
                        link.HealTimer().Running();
    FUZZ_CHECK(running <= 1);
    if (link.Timer1().Running())
      FUZZ_CHECK(search.Held(link.Timer1().Starts(), now) <= kSearchLimitMs);
    else
      search.key = -1;
    if (link.Timer2().Running()) {
      const long key =
          (static_cast<long>(link.Timer2().Starts()) * 64 + link.Done()) * 32 + link.ModeNameCounter();
      FUZZ_CHECK(step.Held(key, now) <= kTransferStepLimitMs);
    } else {
      step.key = -1;
    }
    if (link.Pending() != LinkController::PendingCommand::None)
      FUZZ_CHECK(pending.Held(0, now) <= kPendingLimitMs);
    else
      pending.key = -1;
  }

  void Step() {
    clock.Advance(kStepMs);
    unit.SetTime(clock.NowMs());
    CheckState();
  }

  void Edit(int viewAddress, int value, bool paced) {
    words.insert({store.DeviceAddressOf(viewAddress), value & 0xFFFF});
    if (paced)
      store.SetParamPaced(viewAddress, value);
    else
      store.SetParam(viewAddress, value);
    CheckState();
  }

  // True when the link is doing something that a silent unit must end with a message.
  bool Busy() const {
    if (link.Healing()) return false;  // the loss was told already; its searches fail quietly
    return link.LinkOnline() || link.Timer1().Running() || link.Timer2().Running() ||
           link.HoldTimer().Running() || link.Pending() != LinkController::PendingCommand::None;
  }
};

std::string TextOf(std::span<const std::uint8_t> bytes) {
  std::string s;
  for (std::uint8_t b : bytes) s.push_back(static_cast<char>(0x20 + b % 0x5F));
  return s;
}

void RunOp(World& w, ByteReader& in) {
  const int op = in.Byte() % 12;
  const int arg = in.Byte();
  switch (op) {
    case 0:
      for (int k = 0; k <= arg % 64; ++k) w.Step();
      return;
    case 1: {
      const auto bytes = in.Take(static_cast<std::size_t>(arg % 40));
      w.unit.SendRaw(Bytes(bytes.begin(), bytes.end()));
      return;
    }
    case 2: {
      const int block = arg % kBlockCount;
      const int index = in.Byte() % BlockLengths(block);
      w.Edit(MakeAddress(block, index), in.Word(), arg >= 128);
      return;
    }
    case 3:
      w.search.key = -1;  // a search started again runs its whole course again
      w.link.LinkBtnClick(arg % 2 ? LinkController::Button::UnLinkBtn : LinkController::Button::LinkBtn);
      return;
    case 4:
      w.Edit(ModeRecallAddr, arg % kModeCount, false);
      return;
    case 5: {
      const int k = arg % (kModeCount + 1);  // one past the modes: refused
      const std::string name = TextOf(in.Take(in.Byte() % 24));
      w.savedModes.insert(k);
      w.link.SaveMode(k, name);
      return;
    }
    case 6:
      w.loadAsked = true;
      w.link.StartDownload();
      return;
    case 7:
      switch (arg % 6) {
        case 0:
          w.unit.faults.silent = !w.unit.faults.silent;
          return;
        case 1:
          w.unit.faults.noAck = !w.unit.faults.noAck;
          return;
        case 2:
          w.unit.faults.dropNextAcks = arg / 6 % 4;
          return;
        case 3:
          w.unit.faults.latencyMs = arg / 6 % 4 * 60;
          return;
        case 4:
          w.unit.faults.badNextChecksums = arg / 6 % 3;
          return;
        default:
          w.unit.wordsPerReport = 1 + arg % kMaxWordsPerReport;
          return;
      }
    case 8:
      w.port.Fail();
      return;
    case 9: {
      const std::string text = TextOf(in.Take(arg / 2 % 8));
      if (arg % 2) {
        w.passwords.insert(text.substr(0, 4));
        w.link.ChangePanelPassword(text);
      } else {
        w.passwords.insert(text.substr(0, 6));
        w.link.ChangeSystemPassword(text);
      }
      return;
    }
    case 10:
      w.link.CloseQuery();
      return;
    default:
      w.ui.Answer = arg % 2;
      w.selection.MusChannelSel = arg / 2 % 3;
      w.selection.CurOutBlock = 6 + arg / 8 % 18;
      return;
  }
}

}  // namespace

void FuzzOne(ByteReader& in) {
  auto w = std::make_unique<World>();
  w->link.LinkBtnClick(LinkController::Button::LinkBtn);  // as the program's start does
  w->CheckState();
  while (!in.AtEnd()) {
    RunOp(*w, in);
    w->CheckState();
  }

  const bool busy = w->Busy();
  const std::size_t messages = w->ui.Messages.size();
  w->unit.faults.silent = true;
  // Settled: nothing runs but the wait for the next automatic search, and a busy link has told.
  auto settled = [&] {
    return !w->link.Timer1().Running() && !w->link.Timer2().Running() && !w->link.HoldTimer().Running() &&
           (!busy || w->ui.Messages.size() > messages);
  };
  for (long t = 0; t < kSilenceMs && !settled(); t += kStepMs) w->Step();
  if (busy) FUZZ_CHECK(w->ui.Messages.size() > messages);
  FUZZ_CHECK(!w->link.LinkOnline());
}

}  // namespace morvelin::fuzz
