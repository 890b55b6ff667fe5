// The receiver and the dispatcher fed arbitrary bytes, in chunks of any size, into a store
// framed by guard words. Nothing outside the store's words may change, the edit selection and
// the view image stay as they were, a report changes only the words it addresses, and a mode
// name lands only in the awaited slot.

#include <algorithm>
#include <array>
#include <memory>

#include "fuzz_support.h"
#include "link/frame_dispatcher.h"
#include "link/frame_receiver.h"
#include "link/frames.h"

namespace morvelin::fuzz {
namespace {

constexpr std::uint32_t kGuard = 0xDEADBEEF;
constexpr Word kUntouched = -7;  // no report carries it: reported words are 0..65535

// Bytes arrive when fed and are announced as a port announces them.
class ChunkPort : public SerialPort {
 public:
  void SetPortName(const std::string&) override {}
  std::string PortName() const override { return "FUZZ"; }
  bool Open() override { return true; }
  void Close() override {}
  bool IsOpen() const override { return true; }
  bool Write(std::span<const std::uint8_t>) override { return true; }
  int BytesAvailable() const override { return static_cast<int>(rx_.size() - read_); }
  Bytes Read(int n) override {
    const auto k = static_cast<std::size_t>(std::clamp(n, 0, BytesAvailable()));
    Bytes out(rx_.begin() + static_cast<std::ptrdiff_t>(read_),
              rx_.begin() + static_cast<std::ptrdiff_t>(read_ + k));
    read_ += k;
    return out;
  }
  void Feed(std::span<const std::uint8_t> bytes) {
    rx_.insert(rx_.end(), bytes.begin(), bytes.end());
    NotifyReceived(BytesAvailable());
  }

 private:
  Bytes rx_;
  std::size_t read_ = 0;
};

// The device words the frames so far addressed.
using Permitted = std::array<std::array<bool, kBlockWords>, kBlockCount>;

struct GuardedStore {
  std::array<std::uint32_t, 64> before;
  EditSelection selection;
  ParamStore store{selection};
  std::array<std::uint32_t, 64> after;
  Permitted permitted{};
};

bool SameSelection(const EditSelection& a, const EditSelection& b) {
  return a.CurMicBlock == b.CurMicBlock && a.CurEchoBlock == b.CurEchoBlock &&
         a.CurOutBlock == b.CurOutBlock && a.CurHideBlock == b.CurHideBlock && a.SceneIndex == b.SceneIndex &&
         a.MusChannelSel == b.MusChannelSel;
}

// The words a well-formed frame may write: its block from its index on, as many words as it
// carries; a status frame only its own word.
void Permit(const Bytes& f, Permitted& permitted) {
  const int block = f[4];
  const int index = f[5];
  const int words = (static_cast<int>(f.size()) - 7) / 2;
  if (block < kStatusBlock) {
    for (int i = index; i < index + words && i < kBlockWords; ++i) permitted[block][i] = true;
  } else if (block == kStatusBlock && index < kBlockWords) {
    permitted[block][index] = true;
  }
}

}  // namespace

void FuzzOne(ByteReader& in) {
  // -2 .. 21: no slot, an invalid one, or one of the 22 list positions.
  const int slot = in.Byte() % 24 - 2;
  const int chunkByte = in.Byte();
  const std::size_t chunk = chunkByte == 0xFF ? SIZE_MAX : 1 + static_cast<std::size_t>(chunkByte % 64);

  auto g = std::make_unique<GuardedStore>();
  g->before.fill(kGuard);
  g->after.fill(kGuard);
  for (auto& block : g->store.DeviceImage) block.fill(kUntouched);
  for (auto& block : g->store.ViewImage) block.fill(kUntouched);
  for (int k = 0; k < kModeNameSlots; ++k) g->store.Unit.ModeNames[k] = "mode";
  const EditSelection selection = g->selection;
  std::array<std::string, kModeNameSlots> names = g->store.Unit.ModeNames;  // as they stand now

  ChunkPort port;
  FrameReceiver receiver(port);
  receiver.SetHandlers({[] {},
                        [&](const Bytes& f) {
                          FUZZ_CHECK(f.size() >= 7 && f[0] == kFrameStart && f[1] == kFrameStart2);
                          FUZZ_CHECK(f.size() == static_cast<std::size_t>(f[2]) + 3);
                          FUZZ_CHECK(f.back() == FrameChecksum(std::span(f).first(f.size() - 1)));
                          const DispatchResult r = DispatchFrame(f, g->store, slot);
                          Permit(f, g->permitted);
                          for (int k = 0; k < kModeNameSlots; ++k) {
                            const std::string& name = g->store.Unit.ModeNames[k];
                            if (name == names[k]) continue;
                            FUZZ_CHECK(r.modeNameStored && k == slot && slot < kModeCount);
                            FUZZ_CHECK(name.size() <= kModeNameLength);
                            names[k] = name;
                          }
                          FUZZ_CHECK(!r.modeNameStored || (slot >= 0 && slot < kModeCount));
                        },
                        [](const std::string&) {}});
  port.SetReceiveHandler([&](int count) { receiver.OnBytesAvailable(count); });

  while (!in.AtEnd()) port.Feed(in.Take(chunk));
  FUZZ_CHECK(receiver.Collected().size() <= kMaxFrameData + 7 + 4);

  for (std::uint32_t w : g->before) FUZZ_CHECK(w == kGuard);
  for (std::uint32_t w : g->after) FUZZ_CHECK(w == kGuard);
  FUZZ_CHECK(SameSelection(selection, g->selection));
  for (int b = 0; b < kBlockCount; ++b) {
    for (int i = 0; i < kBlockWords; ++i) {
      const Word w = g->store.DeviceImage[b][i];
      if (w == kUntouched) continue;
      FUZZ_CHECK(g->permitted[b][i] && w >= 0 && w <= 0xFFFF);
    }
  }
  for (const auto& block : g->store.ViewImage)
    for (Word w : block) FUZZ_CHECK(w == kUntouched);
  FUZZ_CHECK(!g->store.SendSuppressed);
}

}  // namespace morvelin::fuzz
