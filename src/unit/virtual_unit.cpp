#include "unit/virtual_unit.h"

#include <algorithm>
#include <utility>

#include "params/mode_words.h"

namespace morvelin {

namespace {

constexpr Word kLinkedValue = 1;

// A freshly started unit: mid-range levels, filters open, pairs linked (bands come from ResetBands).
struct Preset {
  int index;
  Word value;
};
constexpr Preset kMusicWords[] = {{0, 20}, {1, 20}, {2, 20}, {3, 7}, {7, 360}, {8, 1}, {162, 1}, {163, 1}};
constexpr Preset kDeqWords[] = {{0, 1},  {7, 30},  {8, 10},  {9, 4},   {10, 20}, {17, 30}, {18, 10},
                                {19, 4}, {20, 20}, {27, 30}, {28, 10}, {29, 4},  {30, 20}};
constexpr Preset kMicWords[] = {{0, 20}, {2, 30}, {3, 10}, {4, 4},   {5, 17},
                                {6, 10}, {7, 4},  {8, 20}, {12, 360}};
constexpr Preset kMicLinkWords[] = {{13, 1}};
constexpr Preset kEchoWords[] = {{0, 50}, {2, 50}, {4, 125}, {5, 125}, {6, 50}, {7, 50}, {8, 50}, {12, 360}};
constexpr Preset kReverbWords[] = {{0, 50}, {2, 50}, {4, 125}, {5, 40}, {9, 360}};
constexpr Preset kOutputWords[] = {{0, 100}, {2, 100}, {4, 100}, {6, 100}, {8, 100},
                                   {12, 17}, {13, 10}, {14, 4},  {15, 20}, {19, 360}};
constexpr Preset kSystemWords[] = {{0, 10}, {1, 10}, {2, 10}, {3, 10}, {4, 60},
                                   {5, 10}, {6, 60}, {7, 10}, {8, 60}};

struct BlockPreset {
  int firstBlock;
  int lastBlock;
  std::span<const Preset> words;
};
constexpr BlockPreset kInitialWords[] = {
    {0, 0, kMusicWords},   {1, 1, kDeqWords},     {2, 3, kMicWords},
    {2, 2, kMicLinkWords}, {4, 4, kEchoWords},    {24, 24, kEchoWords},
    {5, 5, kReverbWords},  {6, 23, kOutputWords}, {29, 29, kSystemWords},
};

constexpr const char* kInitialPanelPassword = "0000";
constexpr std::array<std::uint8_t, 4> kInitialDeviceId{0x56, 0x54, 0x56, 0x45};

int WordOf(std::span<const std::uint8_t> data) {
  return data.size() < 2 ? -1 : data[0] + 256 * data[1];
}

std::string TextOf(std::span<const std::uint8_t> data) {
  return std::string(data.begin(), data.end());
}

}  // namespace

VirtualUnit::VirtualUnit() {
  mem_->store.ResetBands(kAllBlocks);
  for (const BlockPreset& p : kInitialWords)
    for (int b = p.firstBlock; b <= p.lastBlock; ++b)
      for (const Preset& w : p.words) SetWord(b, w.index, w.value);
  for (int k = 0; k < kModeCount; ++k) StoreMode(k, "Mode " + std::to_string(k + 1));
  panelPassword_ = kInitialPanelPassword;
  systemPassword_ = kDefaultSystemPassword;
  deviceId_ = kInitialDeviceId;
}

void VirtualUnit::Receive(std::span<const std::uint8_t> bytes) {
  input_.insert(input_.end(), bytes.begin(), bytes.end());
  std::size_t start = 0;
  for (;;) {
    while (start < input_.size() && input_[start] != kFrameStart) ++start;
    if (input_.size() - start < 4) break;
    const std::uint8_t* f = input_.data() + start;
    const bool goodHeader = f[1] == kFrameStart2 && f[2] >= 4 && (f[3] == WriteType || f[3] == ReadType);
    if (!goodHeader) {
      ++start;
      continue;
    }
    const std::size_t total = std::size_t{f[2]} + 3;
    if (input_.size() - start < total) break;
    const std::span<const std::uint8_t> candidate(f, total);
    if (candidate.back() != FrameChecksum(candidate.first(total - 1))) {
      ++start;  // not a frame after all: hunt again from the next byte
      continue;
    }
    Bytes frame(candidate.begin(), candidate.end());
    start += total;
    HandleFrame(frame);
  }
  input_.erase(input_.begin(), input_.begin() + static_cast<std::ptrdiff_t>(start));
}

Bytes VirtualUnit::TakeOutput() {
  Bytes all;
  for (const Bytes& t : outbox_) all.insert(all.end(), t.begin(), t.end());
  outbox_.clear();
  return all;
}

std::vector<Bytes> VirtualUnit::TakeTransmissions() {
  return std::exchange(outbox_, {});
}

void VirtualUnit::SendDeviceId() {
  if (!faults.silent) Report(DeviceIdAddr, deviceId_);
}

void VirtualUnit::SetModeName(int k, const std::string& name) {
  modes_.at(static_cast<std::size_t>(k)).name = name.substr(0, kModeNameLength);
}

void VirtualUnit::StoreMode(int k, const std::string& name) {
  if (k < 0 || k >= kModeCount) return;
  Mode& m = modes_[static_cast<std::size_t>(k)];
  std::copy_n(mem_->store.DeviceImage.begin(), kStatusBlock, m.blocks.begin());
  SetModeName(k, name);
}

void VirtualUnit::RecallMode(int k) {
  if (k < 0 || k >= kModeCount) return;
  const Mode& m = modes_[static_cast<std::size_t>(k)];
  std::copy(m.blocks.begin(), m.blocks.end(), mem_->store.DeviceImage.begin());
  SetCurrentMode(k);
}

void VirtualUnit::HandleFrame(const Bytes& frame) {
  received_.push_back(frame);
  if (faults.silent) return;
  const int address = frame[4] * 256 + frame[5];
  const auto data = std::span<const std::uint8_t>(frame).subspan(6, frame.size() - 7);
  if (frame[3] == WriteType)
    HandleWrite(address, data);
  else
    HandleRead(address, data);
}

void VirtualUnit::HandleWrite(int address, std::span<const std::uint8_t> data) {
  switch (address) {
    case LinkCodeAddr:
      if (WordOf(data) == LinkRelease) return;  // the editor is leaving and awaits nothing
      break;
    case BlockWriteAddr:
      if (data.size() >= 2) {
        const int block = data[0];
        const int first = data[1] / 2;
        for (std::size_t k = 0; 3 + 2 * k < data.size(); ++k) {
          const int index = first + static_cast<int>(k);
          if (block < kBlockCount && index < kBlockWords)
            SetWord(block, index, data[2 + 2 * k] + 256 * data[3 + 2 * k]);
        }
      }
      break;
    case ModeSaveAddr:
      if (!data.empty()) {
        std::string name = data.size() > 2 ? TextOf(data.subspan(2)) : std::string();
        name = name.substr(0, kModeNameLength);
        name.erase(name.find_last_not_of(' ') + 1);
        StoreMode(data[0], name);
      }
      break;
    case ModeRecallAddr:
      RecallMode(WordOf(data));
      break;
    case PanelPassAddr:
      panelPassword_ = TextOf(data);
      break;
    case SystemPassAddr:
      systemPassword_ = TextOf(data);
      break;
    default:
      if (data.size() >= 2) WriteWord(address, WordOf(data));
      break;
  }
  Ack();
}

void VirtualUnit::HandleRead(int address, std::span<const std::uint8_t> data) {
  switch (address) {
    case BlockReadAddr: {
      const int block = WordOf(data);
      if (block >= 0 && block < kBlockCount) ReportWords(block, 0, BlockLengths(block));
      break;
    }
    case ModeNameAddr:
      if (!data.empty() && data[0] < kModeCount) {
        std::string name = ModeName(data[0]);
        name.resize(kModeNameLength, ' ');
        Report(ModeNameAddr, Bytes(name.begin(), name.end()));
      }
      break;
    case PanelPassAddr:
      Report(address, Bytes(panelPassword_.begin(), panelPassword_.end()));
      break;
    case SystemPassAddr:
      Report(address, Bytes(systemPassword_.begin(), systemPassword_.end()));
      break;
    default:
      if (IsValidAddress(address)) ReportWords(BlockOf(address), IndexOf(address), 1);
      break;
  }
}

void VirtualUnit::WriteWord(int address, Word value) {
  if (!IsValidAddress(address)) return;
  const Word old = WordAt(address);
  SetWord(address, value);
  // Entering or leaving the linked state leaves both sides equal, as the editor's store has them.
  for (const ChannelLinkWord& link : kChannelLinkWords)
    if (link.address == address && (value == kLinkedValue || old == kLinkedValue))
      mem_->store.CopyBank(link.family);
}

void VirtualUnit::Ack() {
  if (faults.noAck) return;
  if (faults.dropNextAcks > 0) {
    --faults.dropNextAcks;
    return;
  }
  if (Roll(faults.dropAckPercent)) return;
  ++acksSent_;
  Transmit({kAckStart, faults.altAck ? kAckAlt : kAckOk});
}

void VirtualUnit::Report(int address, std::span<const std::uint8_t> data) {
  Bytes frame = ParamFrame(faults.reportAsRead ? ReadType : WriteType, address, data);
  bool corrupt = Roll(faults.badChecksumPercent);
  if (faults.badNextChecksums > 0) {
    --faults.badNextChecksums;
    corrupt = true;
  }
  if (corrupt) ++frame.back();
  Transmit(std::move(frame));
}

bool VirtualUnit::Roll(int percent) {
  if (percent <= 0) return false;
  return static_cast<int>(random_() % 100) < percent;
}

// Line noise never forms a start byte of its own; half the bursts end in the acknowledgement's
// start byte, which a receiver must not let swallow the frame behind it.
Bytes VirtualUnit::NoiseBurst() {
  Bytes burst(1 + random_() % 8);
  for (std::uint8_t& b : burst) {
    do {
      b = static_cast<std::uint8_t>(random_());
    } while (b == kFrameStart || b == kAckStart);
  }
  if (random_() % 2 == 0) burst.back() = kAckStart;
  return burst;
}

void VirtualUnit::SetTime(long ms) {
  now_ = ms;
  bool released = false;
  while (!delayed_.empty() && delayed_.front().first <= now_) {
    Release(std::move(delayed_.front().second));
    delayed_.pop_front();
    released = true;
  }
  if (released && onOutput_) onOutput_();
}

void VirtualUnit::ReportWords(int block, int first, int count) {
  const int per = std::clamp(wordsPerReport, 1, kMaxWordsPerReport);
  for (int start = first; start < first + count; start += per) {
    const int n = std::min(per, first + count - start);
    Bytes data;
    data.reserve(static_cast<std::size_t>(2 * n));
    for (int i = start; i < start + n; ++i) {
      const auto v = static_cast<unsigned>(WordAt(block, i));
      data.push_back(static_cast<std::uint8_t>(v & 0xFF));
      data.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
    }
    Report(MakeAddress(block, start), data);
  }
}

void VirtualUnit::Transmit(Bytes bytes) {
  if (faults.latencyMs > 0) {
    delayed_.emplace_back(now_ + faults.latencyMs, std::move(bytes));
    return;
  }
  Release(std::move(bytes));
  if (onOutput_) onOutput_();
}

void VirtualUnit::Release(Bytes bytes) {
  if (faults.noiseBetweenFrames) bytes.insert(bytes.begin(), faults.noise.begin(), faults.noise.end());
  if (Roll(faults.noisePercent)) {
    const Bytes burst = NoiseBurst();
    bytes.insert(bytes.begin(), burst.begin(), burst.end());
  }
  outbox_.push_back(std::move(bytes));
}

}  // namespace morvelin
