#include "link/frame_receiver.h"

#include <gtest/gtest.h>

#include <random>

#include "fake_port.h"
#include "link/frame_dispatcher.h"
#include "link/frames.h"

namespace morvelin {
namespace {

using testing::FakePort;

struct Harness {
  FakePort port;
  FrameReceiver receiver{port};
  int acks = 0;
  std::vector<Bytes> frames;
  std::vector<std::string> logs;

  Harness() {
    port.SetReceiveHandler([this](int n) { receiver.OnBytesAvailable(n); });
    receiver.SetHandlers({[this] { ++acks; }, [this](const Bytes& f) { frames.push_back(f); },
                          [this](const std::string& l) { logs.push_back(l); }});
  }
};

Bytes Cat(std::initializer_list<Bytes> parts) {
  Bytes out;
  for (const Bytes& p : parts) out.insert(out.end(), p.begin(), p.end());
  return out;
}

const Bytes kWrite300{0xF5, 0xB2, 0x06, 0xB7, 0x02, 0x0C, 0x2C, 0x01, 0xE7};

TEST(FrameReceiver, FindsFramesAndAcknowledgements) {
  const Bytes badSum = [] {
    Bytes f = kWrite300;
    f.back() ^= 0x55;
    return f;
  }();
  const Bytes readReport = WordFrame(ReadType, 0x1E03, 2);
  const struct {
    const char* name;
    std::vector<Bytes> notifications;
    int acks;
    std::vector<Bytes> frames;
    std::vector<std::string> logs;
  } cases[] = {
      {"leading noise", {Cat({{0x00}, kWrite300})}, 0, {kWrite300}, {"缓存长度K:C:L=10 10 5"}},
      {"acknowledgement", {{0xEE, 0xBB}}, 1, {}, {}},
      {"other acknowledgement", {{0xEE, 0xAA}}, 1, {}, {}},
      {"EE 11 is dropped, the hunt goes on", {{0xEE, 0x11, 0xEE, 0xAA}}, 1, {}, {}},
      {"header now, body later",
       {{0xF5, 0xB2, 0x06, 0xB7}, {0x02, 0x0C, 0x2C, 0x01, 0xE7}},
       0,
       {kWrite300},
       {"缓存长度K:C:L=5 5 5"}},
      {"header split",
       {{0xF5, 0xB2}, {0x06, 0xB7, 0x02, 0x0C, 0x2C, 0x01, 0xE7}},
       0,
       {kWrite300},
       {"缓存长度K:C:L=7 7 5"}},
      {"two frames in one arrival",
       {Cat({kWrite300, {0xEE, 0xBB}, readReport})},
       1,
       {kWrite300, readReport},
       {"缓存长度K:C:L=20 20 5", "缓存长度K:C:L=9 9 5"}},
      {"wrong second byte", {{0xF5, 0x00, 0x06, 0xB7, 0x02, 0x0C, 0x2C, 0x01, 0xE7}}, 0, {}, {}},
      {"wrong type", {{0xF5, 0xB2, 0x06, 0xB1, 0x02, 0x0C, 0x2C, 0x01, 0xE7}}, 0, {}, {}},
      {"length below 4 is a broken header",
       {Cat({{0xF5, 0xB2, 0x03, 0xB7}, kWrite300})},
       0,
       {kWrite300},
       {"缓存长度K:C:L=12 12 5"}},  // the broken header's bytes are hunted through again
      {"length 0", {Cat({{0xF5, 0xB2, 0x00, 0xB7}, {0xEE, 0xBB}})}, 1, {}, {}},
      {"bad checksum is logged, counted and dropped",
       {badSum},
       0,
       {},
       {"缓存长度K:C:L=9 9 5", "校验和错误 checksum B2 != E7, dropped (1)"}},
      {"noise ending in EE does not swallow the frame behind it",
       {Cat({{0x13, 0xEE}, kWrite300})},
       0,
       {kWrite300},
       {"缓存长度K:C:L=9 9 5"}},
      {"EE before an acknowledgement", {{0xEE, 0xEE, 0xBB}}, 1, {}, {}},
      {"a start byte inside a broken header starts the frame",
       {Cat({{0xF5}, kWrite300})},
       0,
       {kWrite300},
       {"缓存长度K:C:L=9 9 5"}},
      {"EE inside a broken header starts an acknowledgement",
       {Cat({{0xF5, 0xB2, 0xEE, 0xBB}, kWrite300})},
       1,
       {kWrite300},
       {"缓存长度K:C:L=9 9 5"}},
  };
  for (const auto& c : cases) {
    Harness h;
    for (const Bytes& n : c.notifications) h.port.Feed(n);
    EXPECT_EQ(h.acks, c.acks) << c.name;
    EXPECT_EQ(h.frames, c.frames) << c.name;
    EXPECT_EQ(h.logs, c.logs) << c.name;
    EXPECT_EQ(h.port.BytesAvailable(), 0) << c.name;
    EXPECT_EQ(h.receiver.CurrentState(), FrameReceiver::State::Hunt) << c.name;
  }
}

TEST(FrameReceiver, BodyWaitsUntilItHasFullyArrived) {
  Harness h;
  const Bytes f = ParamFrame(WriteType, 0x0503, Bytes{1, 0, 2, 0, 3, 0});
  for (std::size_t k = 0; k + 1 < f.size(); ++k) {
    h.port.Feed({f[k]});
    EXPECT_TRUE(h.frames.empty());
  }
  EXPECT_EQ(h.receiver.CurrentState(), FrameReceiver::State::Body);
  h.port.Feed({f.back()});
  ASSERT_EQ(h.frames.size(), 1u);
  EXPECT_EQ(h.frames[0], f);
}

TEST(FrameReceiver, ResetDropsAHalfFrame) {
  Harness h;
  h.port.Feed({0xF5, 0xB2, 0x06});
  EXPECT_EQ(h.receiver.CurrentState(), FrameReceiver::State::Header);
  h.receiver.Reset();
  h.port.Feed({0xB7, 0x02, 0x0C, 0x2C, 0x01, 0xE7, 0xEE, 0xBB});
  EXPECT_TRUE(h.frames.empty());
  EXPECT_EQ(h.acks, 1);
}

// ---- dispatcher

struct StoreFixture : ::testing::Test {
  EditSelection sel;
  ParamStore store{sel};
  DispatchResult Dispatch(int address, const Bytes& data, int slot = kNoModeNameAwaited) {
    return DispatchFrame(ParamFrame(WriteType, address, data), store, slot);
  }
};

TEST_F(StoreFixture, BlockReportsLandAtTheirStartIndex) {
  Dispatch(0x0503, {0x01, 0x00, 0x2C, 0x01, 0xFF, 0xFF});
  EXPECT_EQ(store.DeviceImage[5][3], 1);
  EXPECT_EQ(store.DeviceImage[5][4], 300);
  EXPECT_EQ(store.DeviceImage[5][5], 65535);
  EXPECT_EQ(store.DeviceImage[5][6], 0);
  // Read reports are taken like write reports.
  DispatchFrame(ParamFrame(ReadType, 0x020C, Bytes{0x2C, 0x01}), store, kNoModeNameAwaited);
  EXPECT_EQ(store.DeviceImage[2][12], 300);
}

TEST_F(StoreFixture, ReportsOutsideTheStoreWriteOnlyWhatLiesInside) {
  store.DeviceImage[3][0] = 7;
  Dispatch(0x02F4, Bytes(8, 0x11));  // words 244..247 of block 2
  EXPECT_EQ(store.DeviceImage[2][244], 0x1111);
  EXPECT_EQ(store.DeviceImage[2][245], 0x1111);
  EXPECT_EQ(store.DeviceImage[3][0], 7);

  const Image before = store.DeviceImage;
  const UnitInfo unitBefore = store.Unit;
  for (int address : {0x1F03, 0xFF00 + 3, 0x1E10, 0x1E0F, 0x1E30, 0x1E31, 0x1EFF, 0x1E0B, 0x1E0C})
    Dispatch(address, {0x12, 0x34});
  EXPECT_EQ(store.DeviceImage, before);
  EXPECT_EQ(store.Unit.ModeNames, unitBefore.ModeNames);
}

TEST_F(StoreFixture, StatusWordsPasswordsAndIdentifier) {
  Dispatch(0x1E03, {0x02, 0x00});
  Dispatch(0x1E14, {0x03, 0x00});
  EXPECT_EQ(store.DeviceImage[30][3], 2);
  EXPECT_EQ(store.DeviceImage[30][20], 3);
  Dispatch(0x1E05, {'1', '2', '3', '4'});
  Dispatch(0x1E07, {'6', '5', '4', '3', '2', '1'});
  EXPECT_EQ(store.Unit.PanelPassword, "1234");
  EXPECT_EQ(store.Unit.SystemPassword, "654321");
  const DispatchResult r = Dispatch(0x1E40, {0x56, 0x54, 0x56, 0x45});
  EXPECT_TRUE(r.deviceIdReported);
  EXPECT_EQ(store.Unit.DeviceId, "56545645");
  Dispatch(0x1E40, {0x0A, 0xFF, 0x00, 0x01});
  EXPECT_EQ(store.Unit.DeviceId, "0AFF0001");
}

TEST_F(StoreFixture, ModeNames) {
  auto bytes = [](const std::string& s) { return Bytes(s.begin(), s.end()); };
  const struct {
    const char* name;
    Bytes data;
    int slot;
    bool stored;
    std::string text;
  } cases[] = {
      {"twenty bytes, spaces kept", bytes("Nine Lett           "), 3, true, "Nine Lett           "},
      {"twenty-five bytes: the first twenty", bytes("ABCDEFGHIJKLMNOPQRSTUVWXY"), 4, true,
       "ABCDEFGHIJKLMNOPQRST"},
      {"twenty-one bytes are not stored", bytes("ABCDEFGHIJKLMNOPQRSTU"), 5, false, ""},
      {"unprintable bytes become ?", Bytes{'A', 0x01, 0x80, 0x7F, 0x1E}, 6, true, "A??\x7F\x1E"},
      {"no request pending", bytes("Lost"), kNoModeNameAwaited, false, ""},
      {"slot past the unit's modes", bytes("Lost"), 16, false, ""},
  };
  for (const auto& c : cases) {
    const DispatchResult r = Dispatch(ModeNameAddr, c.data, c.slot);
    EXPECT_EQ(r.modeNameStored, c.stored) << c.name;
    if (c.slot >= 0 && c.slot < kModeNameSlots) {
      EXPECT_EQ(store.Unit.ModeNames[c.slot], c.text) << c.name;
    }
  }
  for (int k = 16; k < kModeNameSlots; ++k) EXPECT_EQ(store.Unit.ModeNames[k], "");
}

TEST(ModeList, NumbersTheUnitModesAndTheFactoryModes) {
  UnitInfo unit;
  unit.ModeNames[3] = "Party";
  const auto entries = ModeListEntries(unit);
  EXPECT_EQ(entries[0], "1-");
  EXPECT_EQ(entries[3], "4-Party");
  EXPECT_EQ(entries[15], "16-");
  EXPECT_EQ(entries[16], "MF1-");
  EXPECT_EQ(entries[21], "MF6-");
}

// Random and mutated bytes through the receiver and dispatcher: nothing outside the store moves.
TEST(FrameReceiver, StressNeverTouchesAnythingOutsideTheStore) {
  struct Guarded {
    std::array<std::uint64_t, 32> before;
    EditSelection sel;
    ParamStore store{sel};
    std::array<std::uint64_t, 32> after;
  };
  auto g = std::make_unique<Guarded>();
  g->before.fill(0xA5A5A5A5A5A5A5A5ull);
  g->after.fill(0x5A5A5A5A5A5A5A5Aull);
  const Image viewBefore = g->store.ViewImage;
  const EditSelection selBefore = g->sel;

  FakePort port;
  FrameReceiver receiver(port);
  std::mt19937 rng(12345);
  int slot = kNoModeNameAwaited;
  std::size_t frames = 0;
  receiver.SetHandlers({[] {},
                        [&](const Bytes& f) {
                          ++frames;
                          DispatchFrame(f, g->store, slot);
                        },
                        [](const std::string&) {}});
  port.SetReceiveHandler([&](int n) { receiver.OnBytesAvailable(n); });

  auto byte = [&] { return static_cast<std::uint8_t>(rng() & 0xFF); };
  std::size_t fed = 0;
  constexpr std::size_t kBytes = 3'000'000;
  while (fed < kBytes) {
    Bytes chunk;
    const unsigned kind = rng() % 4;
    if (kind == 0) {
      for (int k = rng() % 64; k > 0; --k) chunk.push_back(byte());
    } else {
      Bytes data(rng() % 260);
      for (auto& d : data) d = byte();
      const int address = static_cast<int>(rng() % 0x10000);
      chunk = ParamFrame(rng() % 2 ? WriteType : ReadType, address, data);
      if (kind == 2)  // mutate a few bytes, the length and header included
        for (int k = rng() % 4; k > 0; --k) chunk[rng() % chunk.size()] = byte();
      if (kind == 3) chunk.insert(chunk.end(), {0xEE, static_cast<std::uint8_t>(rng() % 2 ? 0xBB : 0x11)});
    }
    slot = static_cast<int>(rng() % 24) - 2;
    // Arrivals cut at random points.
    for (std::size_t at = 0; at < chunk.size();) {
      const std::size_t n = std::min<std::size_t>(chunk.size() - at, 1 + rng() % 300);
      port.Feed(Bytes(chunk.begin() + static_cast<std::ptrdiff_t>(at),
                      chunk.begin() + static_cast<std::ptrdiff_t>(at + n)));
      at += n;
    }
    fed += chunk.size();
  }
  EXPECT_GT(frames, 1000u);
  for (auto w : g->before) ASSERT_EQ(w, 0xA5A5A5A5A5A5A5A5ull);
  for (auto w : g->after) ASSERT_EQ(w, 0x5A5A5A5A5A5A5A5Aull);
  EXPECT_EQ(g->store.ViewImage, viewBefore);
  EXPECT_EQ(g->sel.CurOutBlock, selBefore.CurOutBlock);
  EXPECT_EQ(g->sel.MusChannelSel, selBefore.MusChannelSel);
  for (int b = 0; b < kBlockCount; ++b)
    for (int i = 0; i < kBlockWords; ++i) ASSERT_LE(g->store.DeviceImage[b][i], 0xFFFF);
  for (int k = 0; k < kModeNameSlots; ++k) {
    ASSERT_LE(g->store.Unit.ModeNames[k].size(), static_cast<std::size_t>(kModeNameLength));
    if (k >= kModeCount) {
      ASSERT_EQ(g->store.Unit.ModeNames[k], "");
    }
  }
}

}  // namespace
}  // namespace morvelin
