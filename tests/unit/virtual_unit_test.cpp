#include "unit/virtual_unit.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "link/frames.h"
#include "support/answer_frames.h"

namespace morvelin {
namespace {

using test::kAck;
using test::ReportAddress;
using test::ReportData;
using test::SplitAnswers;

Bytes TextBytes(const std::string& s) {
  return Bytes(s.begin(), s.end());
}

Bytes ReadRequest(int address, Bytes data = {}) {
  return ParamFrame(ReadType, address, data);
}

Bytes Report(int address, const Bytes& data) {
  return ParamFrame(WriteType, address, data);
}

Bytes WordData(int v) {
  return {static_cast<std::uint8_t>(v & 0xFF), static_cast<std::uint8_t>((v >> 8) & 0xFF)};
}

// A block write as the editor sends it: block, byte offset of the first word, words low byte first.
Bytes BlockWrite(int block, int first, const std::vector<int>& words) {
  Bytes data{static_cast<std::uint8_t>(block), static_cast<std::uint8_t>(2 * first)};
  for (int w : words) {
    const Bytes b = WordData(w);
    data.insert(data.end(), b.begin(), b.end());
  }
  return ParamFrame(WriteType, BlockWriteAddr, data);
}

// Everything the unit answers to one frame, split into frames; nothing else may come out.
std::vector<Bytes> Exchange(VirtualUnit& unit, const Bytes& frame) {
  unit.Receive(frame);
  const auto answers = SplitAnswers(unit.TakeOutput());
  EXPECT_EQ(answers.noise, 0u);
  EXPECT_EQ(answers.incomplete, 0u);
  return answers.frames;
}

// A memory where every meaningful word differs from its neighbours and from the other blocks.
void Scramble(VirtualUnit& unit) {
  for (int b = 0; b < kStatusBlock; ++b)
    for (int i = 0; i < kBlockWords; ++i) unit.SetWord(b, i, 300 + b * 977 + i * 3);
}

TEST(VirtualUnitTest, AcknowledgesEveryWriteExceptTheLinkRelease) {
  struct Case {
    const char* what;
    Bytes frame;
    std::vector<Bytes> answer;
  };
  const Case cases[] = {
      {"probe", LinkCodeFrame(LinkProbe), {kAck}},
      {"keep-alive", LinkCodeFrame(KeepAlive), {kAck}},
      {"release", LinkCodeFrame(LinkRelease), {}},
      {"edit", WordFrame(WriteType, 0x020C, 300), {kAck}},
      {"input source", WordFrame(WriteType, InputSourceAddr, 2), {kAck}},
      {"access level", WordFrame(WriteType, AccessLevelAddr, 1), {kAck}},
      {"panel switch", WordFrame(WriteType, PanelSwitchAddr, 1), {kAck}},
      {"recall", WordFrame(WriteType, ModeRecallAddr, 4), {kAck}},
      {"save", TextFrame(ModeSaveAddr, std::string("\x03\x00Vocal", 7)), {kAck}},
      {"panel password", TextFrame(PanelPassAddr, "1234"), {kAck}},
      {"system password", TextFrame(SystemPassAddr, "654321"), {kAck}},
      {"block write", BlockWrite(5, 0, std::vector<int>(45, 7)), {kAck}},
      {"outside the memory", WordFrame(WriteType, 0x1F00, 1), {kAck}},
  };
  for (const Case& c : cases) {
    VirtualUnit unit;
    EXPECT_EQ(Exchange(unit, c.frame), c.answer) << c.what;
    ASSERT_EQ(unit.ReceivedFrames().size(), 1u) << c.what;
    EXPECT_EQ(unit.ReceivedFrames()[0], c.frame) << c.what;
  }
}

TEST(VirtualUnitTest, AnswersStatusReadsWithTheCurrentValues) {
  struct Case {
    int address;
    std::function<void(VirtualUnit&)> set;
    Bytes data;
  };
  const Case cases[] = {
      {ModeSaveAddr, [](VirtualUnit&) {}, WordData(0)},
      {ModeRecallAddr, [](VirtualUnit& u) { u.SetCurrentMode(5); }, WordData(5)},
      {MusicInputLevelAddr, [](VirtualUnit& u) { u.SetWord(MusicInputLevelAddr, 2); }, WordData(2)},
      {PanelSwitchAddr, [](VirtualUnit& u) { u.SetPanelLock(true); }, WordData(1)},
      {AccessLevelAddr, [](VirtualUnit& u) { u.SetAccessLevel(1); }, WordData(1)},
      {InputSourceAddr, [](VirtualUnit& u) { u.SetWord(InputSourceAddr, 3); }, WordData(3)},
      {PanelPassAddr, [](VirtualUnit& u) { u.SetPanelPassword("4821"); }, TextBytes("4821")},
      {SystemPassAddr, [](VirtualUnit&) {}, TextBytes("739164")},
  };
  for (const Case& c : cases) {
    VirtualUnit unit;
    c.set(unit);
    EXPECT_EQ(Exchange(unit, ReadRequest(c.address)), std::vector<Bytes>{Report(c.address, c.data)})
        << std::hex << c.address;
  }
}

TEST(VirtualUnitTest, AnswersModeNameReadsPaddedToTwentyCharacters) {
  VirtualUnit unit;
  unit.SetModeName(2, "Ballad");
  for (int k = 0; k < kModeCount; ++k) {
    std::string name = k == 2 ? "Ballad" : "Mode " + std::to_string(k + 1);
    name.resize(kModeNameLength, ' ');
    const Bytes request = ReadRequest(ModeNameAddr, {static_cast<std::uint8_t>(k), 0});
    EXPECT_EQ(Exchange(unit, request), std::vector<Bytes>{Report(ModeNameAddr, TextBytes(name))}) << k;
  }
  EXPECT_TRUE(Exchange(unit, ReadRequest(ModeNameAddr, {16, 0})).empty());
}

TEST(VirtualUnitTest, AnswersBlockReadsWithTheBlockInReportsOfTheConfiguredSize) {
  for (int per : {kMaxWordsPerReport, 40, 1}) {
    VirtualUnit unit;
    Scramble(unit);
    unit.wordsPerReport = per;
    for (int b = 0; b < kStatusBlock; ++b) {
      const auto reports = Exchange(unit, WordFrame(ReadType, BlockReadAddr, b));
      int next = 0;
      for (const Bytes& r : reports) {
        ASSERT_GE(r.size(), 7u);
        EXPECT_EQ(r[3], WriteType);
        EXPECT_EQ(r.back(), FrameChecksum(std::span(r).first(r.size() - 1)));
        ASSERT_EQ(ReportAddress(r), MakeAddress(b, next)) << "block " << b << ", " << per << " a report";
        const Bytes data = ReportData(r);
        ASSERT_EQ(data.size() % 2, 0u);
        EXPECT_LE(data.size(), 2u * per);
        for (std::size_t k = 0; k < data.size() / 2; ++k, ++next)
          EXPECT_EQ(data[2 * k] + 256 * data[2 * k + 1], unit.WordAt(b, next)) << b << ":" << next;
      }
      EXPECT_EQ(next, BlockLengths(b)) << "block " << b << ", " << per << " a report";
      const std::size_t expectedReports = (BlockLengths(b) + per - 1) / per;
      EXPECT_EQ(reports.size(), expectedReports);
    }
  }
}

TEST(VirtualUnitTest, StoresWordWritesAndIgnoresAddressesOutsideTheMemory) {
  VirtualUnit unit;
  Exchange(unit, WordFrame(WriteType, 0x020C, 300));
  Exchange(unit, WordFrame(WriteType, InputSourceAddr, 2));
  EXPECT_EQ(unit.WordAt(2, 12), 300);
  EXPECT_EQ(unit.WordAt(InputSourceAddr), 2);

  const Image before = unit.Memory();
  Exchange(unit, WordFrame(WriteType, 0x1F00, 5));  // block 31
  Exchange(unit, WordFrame(WriteType, 0x02F6, 5));  // index 246
  EXPECT_EQ(unit.Memory(), before);
}

TEST(VirtualUnitTest, StoresBlockWritesAtTheirByteOffset) {
  VirtualUnit unit;
  std::vector<int> words(165);
  for (int i = 0; i < 165; ++i) words[static_cast<std::size_t>(i)] = 1000 + 7 * i;
  // Block 0 goes as two frames, the second at byte offset 0xE0 (word 112).
  Exchange(unit, BlockWrite(0, 0, std::vector<int>(words.begin(), words.begin() + 112)));
  Exchange(unit, BlockWrite(0, 112, std::vector<int>(words.begin() + 112, words.end())));
  for (int i = 0; i < 165; ++i) EXPECT_EQ(unit.WordAt(0, i), words[static_cast<std::size_t>(i)]) << i;

  // Words past the end of a block are dropped, not written into the next block.
  const Image before = unit.Memory();
  Exchange(unit, BlockWrite(6, 127, std::vector<int>(125, 9)));
  for (int i = 127; i < kBlockWords; ++i) EXPECT_EQ(unit.WordAt(6, i), 9) << i;
  for (int i = 0; i < kBlockWords; ++i) EXPECT_EQ(unit.WordAt(7, i), before[7][static_cast<std::size_t>(i)]);
}

TEST(VirtualUnitTest, SavesAndRecallsModes) {
  VirtualUnit unit;
  unit.SetWord(0, 3, 11);
  EXPECT_EQ(Exchange(unit, TextFrame(ModeSaveAddr, std::string("\x03\x00Vocal", 7))),
            std::vector<Bytes>{kAck});
  EXPECT_EQ(unit.ModeName(3), "Vocal");

  unit.SetWord(0, 3, 2);
  EXPECT_EQ(Exchange(unit, WordFrame(WriteType, ModeRecallAddr, 3)), std::vector<Bytes>{kAck});
  EXPECT_EQ(unit.WordAt(0, 3), 11);
  EXPECT_EQ(unit.CurrentMode(), 3);
  EXPECT_EQ(Exchange(unit, ReadRequest(ModeRecallAddr)),
            std::vector<Bytes>{Report(ModeRecallAddr, WordData(3))});

  // Recall leaves the status block alone: passwords, level and lock are the unit's, not the mode's.
  unit.SetAccessLevel(1);
  Exchange(unit, WordFrame(WriteType, ModeRecallAddr, 0));
  EXPECT_EQ(unit.AccessLevel(), 1);
  EXPECT_EQ(unit.WordAt(0, 3), 7);

  // A mode number past 15 changes nothing.
  const Image before = unit.Memory();
  Exchange(unit, WordFrame(WriteType, ModeRecallAddr, 16));
  Exchange(unit, TextFrame(ModeSaveAddr, std::string("\x10\x00X", 3)));
  EXPECT_EQ(unit.Memory(), before);
}

TEST(VirtualUnitTest, ChangesPasswordsAndReportsTheNewOnes) {
  VirtualUnit unit;
  Exchange(unit, TextFrame(PanelPassAddr, "1234"));
  Exchange(unit, TextFrame(SystemPassAddr, "654321"));
  EXPECT_EQ(Exchange(unit, ReadRequest(PanelPassAddr)),
            std::vector<Bytes>{Report(PanelPassAddr, TextBytes("1234"))});
  EXPECT_EQ(Exchange(unit, ReadRequest(SystemPassAddr)),
            std::vector<Bytes>{Report(SystemPassAddr, TextBytes("654321"))});
}

TEST(VirtualUnitTest, ChannelLinkWordsCopyTheFirstSideOntoTheSecond) {
  struct Case {
    int linkWord;
    ParamStore::Family family;
    int firstSide;   // a word of the first side
    int secondSide;  // the word it is copied to
    int untouched;   // a word of the second block outside the copy
  };
  const Case cases[] = {
      {MakeAddress(0, 8), ParamStore::Family::Music, MakeAddress(0, 30), MakeAddress(0, 105),
       MakeAddress(0, 160)},
      {MakeAddress(1, 0), ParamStore::Family::Deq, MakeAddress(1, 7), MakeAddress(1, 37), MakeAddress(1, 0)},
      {MakeAddress(2, 13), ParamStore::Family::Mic, MakeAddress(2, 40), MakeAddress(3, 40),
       MakeAddress(3, 14)},
      {MakeAddress(0, 162), ParamStore::Family::Main, MakeAddress(7, 5), MakeAddress(10, 5),
       MakeAddress(18, 5)},
      {MakeAddress(0, 163), ParamStore::Family::Surround, MakeAddress(14, 69), MakeAddress(17, 69),
       MakeAddress(17, 70)},
  };
  for (const Case& c : cases) {
    for (const auto& [from, to, copies] :
         {std::tuple{0, 1, true}, std::tuple{1, 0, true}, std::tuple{1, 1, true}, std::tuple{0, 0, false},
          std::tuple{0, 2, false}}) {
      VirtualUnit unit;
      Scramble(unit);
      unit.SetWord(c.linkWord, from);
      EditSelection selection;
      ParamStore expected(selection);
      expected.DeviceImage = unit.Memory();
      expected.SetDevice(c.linkWord, to);
      if (copies) expected.CopyBank(c.family);
      const Word untouched = unit.WordAt(c.untouched);

      EXPECT_EQ(Exchange(unit, WordFrame(WriteType, c.linkWord, to)), std::vector<Bytes>{kAck});
      const std::string what =
          std::to_string(c.linkWord) + ": " + std::to_string(from) + " -> " + std::to_string(to);
      EXPECT_EQ(unit.Memory(), expected.DeviceImage) << what;
      EXPECT_EQ(unit.WordAt(c.secondSide) == unit.WordAt(c.firstSide), copies) << what;
      if (c.untouched != c.linkWord) {
        EXPECT_EQ(unit.WordAt(c.untouched), untouched) << what;
      }
    }
  }
}

TEST(VirtualUnitTest, BlockWritesOfLinkWordsDoNotCopy) {
  VirtualUnit unit;
  Scramble(unit);
  unit.SetWord(2, 13, 0);
  const Word second = unit.WordAt(3, 40);
  std::vector<int> words(114);
  for (int i = 0; i < 114; ++i) words[static_cast<std::size_t>(i)] = unit.WordAt(2, i);
  words[13] = 1;
  Exchange(unit, BlockWrite(2, 0, words));
  EXPECT_EQ(unit.WordAt(2, 13), 1);
  EXPECT_EQ(unit.WordAt(3, 40), second);
}

TEST(VirtualUnitTest, FaultSwitchesChangeTheAnswers) {
  struct Case {
    const char* what;
    std::function<void(VirtualUnit::Faults&)> set;
    Bytes probeAnswer;
    Bytes readAnswer;
    bool applied;
  };
  const Bytes statusReport = Report(InputSourceAddr, WordData(2));
  const Case cases[] = {
      {"none", [](VirtualUnit::Faults&) {}, kAck, statusReport, true},
      {"silent", [](VirtualUnit::Faults& f) { f.silent = true; }, {}, {}, false},
      {"no ack", [](VirtualUnit::Faults& f) { f.noAck = true; }, {}, statusReport, true},
      {"alt ack", [](VirtualUnit::Faults& f) { f.altAck = true; }, {0xEE, 0xAA}, statusReport, true},
      {"read type", [](VirtualUnit::Faults& f) { f.reportAsRead = true; }, kAck,
       ParamFrame(ReadType, InputSourceAddr, WordData(2)), true},
  };
  for (const Case& c : cases) {
    VirtualUnit unit;
    c.set(unit.faults);
    unit.Receive(LinkCodeFrame(LinkProbe));
    EXPECT_EQ(unit.TakeOutput(), c.probeAnswer) << c.what;
    unit.Receive(WordFrame(WriteType, InputSourceAddr, 2));
    unit.TakeOutput();
    EXPECT_EQ(unit.WordAt(InputSourceAddr) == 2, c.applied) << c.what;
    unit.Receive(ReadRequest(InputSourceAddr));
    EXPECT_EQ(unit.TakeOutput(), c.readAnswer) << c.what;
    EXPECT_EQ(unit.ReceivedFrames().size(), 3u) << c.what;
  }
}

TEST(VirtualUnitTest, NoisePrecedesEveryAnswerAndHoldsNoStartByte) {
  VirtualUnit unit;
  unit.faults.noiseBetweenFrames = true;
  for (std::uint8_t b : unit.faults.noise) {
    EXPECT_NE(b, kFrameStart);
    EXPECT_NE(b, kAckStart);
  }
  unit.Receive(LinkCodeFrame(LinkProbe));
  unit.Receive(ReadRequest(InputSourceAddr));
  const auto transmissions = unit.TakeTransmissions();
  ASSERT_EQ(transmissions.size(), 2u);
  Bytes first = unit.faults.noise;
  first.insert(first.end(), kAck.begin(), kAck.end());
  EXPECT_EQ(transmissions[0], first);

  unit.Receive(ReadRequest(InputSourceAddr));
  const auto answers = SplitAnswers(unit.TakeOutput());
  EXPECT_EQ(answers.noise, unit.faults.noise.size());
  EXPECT_EQ(answers.frames,
            std::vector<Bytes>{Report(InputSourceAddr, WordData(unit.WordAt(InputSourceAddr)))});
}

TEST(VirtualUnitTest, CountedFaultsHitTheNextAnswers) {
  const Bytes statusReport = Report(InputSourceAddr, WordData(2));
  Bytes badReport = statusReport;
  ++badReport.back();
  struct Case {
    const char* what;
    std::function<void(VirtualUnit::Faults&)> set;
    std::vector<Bytes> answers;  // to probe, probe, read, read
  };
  const Case cases[] = {
      {"the next acknowledgement is dropped",
       [](VirtualUnit::Faults& f) { f.dropNextAcks = 1; },
       {{}, kAck, statusReport, statusReport}},
      {"every acknowledgement is dropped",
       [](VirtualUnit::Faults& f) { f.dropAckPercent = 100; },
       {{}, {}, statusReport, statusReport}},
      {"the next report has a wrong checksum",
       [](VirtualUnit::Faults& f) { f.badNextChecksums = 1; },
       {kAck, kAck, badReport, statusReport}},
      {"every report has a wrong checksum",
       [](VirtualUnit::Faults& f) { f.badChecksumPercent = 100; },
       {kAck, kAck, badReport, badReport}},
  };
  for (const Case& c : cases) {
    VirtualUnit unit;
    unit.SetWord(InputSourceAddr, 2);
    c.set(unit.faults);
    std::vector<Bytes> got;
    for (const Bytes& f : {LinkCodeFrame(LinkProbe), LinkCodeFrame(LinkProbe), ReadRequest(InputSourceAddr),
                           ReadRequest(InputSourceAddr)}) {
      unit.Receive(f);
      got.push_back(unit.TakeOutput());
    }
    EXPECT_EQ(got, c.answers) << c.what;
  }
}

TEST(VirtualUnitTest, LatencyHoldsAnswersUntilTheirTime) {
  VirtualUnit unit;
  unit.faults.latencyMs = 150;
  int notified = 0;
  unit.SetOutputHandler([&] { ++notified; });
  unit.SetTime(1000);
  unit.Receive(LinkCodeFrame(LinkProbe));
  unit.SetTime(1100);
  unit.Receive(ReadRequest(InputSourceAddr));
  EXPECT_FALSE(unit.HasOutput());
  EXPECT_EQ(unit.DelayedAnswers(), 2);
  unit.SetTime(1149);
  EXPECT_FALSE(unit.HasOutput());
  unit.SetTime(1150);
  EXPECT_EQ(unit.TakeOutput(), kAck);
  unit.SetTime(1250);
  EXPECT_EQ(SplitAnswers(unit.TakeOutput()).frames.size(), 1u);
  EXPECT_EQ(notified, 2);
  EXPECT_EQ(unit.DelayedAnswers(), 0);
}

TEST(VirtualUnitTest, RandomNoiseBurstsHoldNoStartByteButMayEndInEE) {
  VirtualUnit unit;
  unit.faults.noisePercent = 100;
  unit.Seed(5);
  int endingInEE = 0;
  for (int k = 0; k < 200; ++k) {
    unit.Receive(LinkCodeFrame(LinkProbe));
    const Bytes out = unit.TakeOutput();
    ASSERT_GE(out.size(), 3u);
    ASSERT_EQ(Bytes(out.end() - 2, out.end()), kAck);
    const Bytes burst(out.begin(), out.end() - 2);
    EXPECT_LE(burst.size(), 8u);
    for (std::size_t i = 0; i + 1 < burst.size(); ++i) {
      EXPECT_NE(burst[i], kFrameStart);
      EXPECT_NE(burst[i], kAckStart);
    }
    EXPECT_NE(burst.back(), kFrameStart);
    if (burst.back() == kAckStart) ++endingInEE;
  }
  EXPECT_GT(endingInEE, 50);
  EXPECT_LT(endingInEE, 150);
}

TEST(VirtualUnitTest, SendsTheDeviceIdentifierOnDemand) {
  VirtualUnit unit;
  int announced = 0;
  unit.SetOutputHandler([&] { ++announced; });
  unit.SendDeviceId();
  EXPECT_EQ(announced, 1);
  EXPECT_TRUE(unit.HasOutput());
  EXPECT_EQ(unit.TakeOutput(), Report(DeviceIdAddr, {0x56, 0x54, 0x56, 0x45}));
  EXPECT_FALSE(unit.HasOutput());

  unit.SetDeviceId({0x01, 0x02, 0xA0, 0xFF});
  unit.SendDeviceId();
  EXPECT_EQ(unit.TakeOutput(), Report(DeviceIdAddr, {0x01, 0x02, 0xA0, 0xFF}));
  unit.faults.silent = true;
  unit.SendDeviceId();
  EXPECT_FALSE(unit.HasOutput());
}

TEST(VirtualUnitTest, FindsFramesInAnyDivisionOfTheStream) {
  const Bytes probe = LinkCodeFrame(LinkProbe);
  const Bytes read = ReadRequest(InputSourceAddr);
  const Bytes edit = WordFrame(WriteType, 0x020C, 300);
  Bytes stream;
  for (const Bytes& f : {probe, read, edit}) stream.insert(stream.end(), f.begin(), f.end());

  for (std::size_t chunk : {1u, 2u, 5u, 8u, 64u}) {
    VirtualUnit unit;
    for (std::size_t i = 0; i < stream.size(); i += chunk)
      unit.Receive(std::span(stream).subspan(i, std::min(chunk, stream.size() - i)));
    EXPECT_EQ(unit.ReceivedFrames(), (std::vector<Bytes>{probe, read, edit})) << chunk;
    EXPECT_EQ(SplitAnswers(unit.TakeOutput()).frames.size(), 3u) << chunk;
    EXPECT_EQ(unit.WordAt(2, 12), 300);
  }
}

TEST(VirtualUnitTest, DropsGarbageAndFramesWithABadChecksum) {
  const Bytes probe = LinkCodeFrame(LinkProbe);
  Bytes badSum = WordFrame(WriteType, 0x020C, 300);
  badSum.back() ^= 0x01;
  const Bytes read = ReadRequest(InputSourceAddr);
  const std::vector<Bytes> parts{
      {0x00, 0x13, 0xF5, 0x00, 0xEE, 0xBB},  // stray bytes, a false start, an ack shape
      {0xF5, 0xB2, 0x06, 0x12},              // a header with an unknown type
      probe,
      {0xF5, 0xB2, 0x02, 0xB7},  // a length too short to be a frame
      badSum,
      read,
  };
  Bytes stream;
  for (const Bytes& p : parts) stream.insert(stream.end(), p.begin(), p.end());

  VirtualUnit unit;
  unit.Receive(stream);
  EXPECT_EQ(unit.ReceivedFrames(), (std::vector<Bytes>{probe, read}));
  EXPECT_NE(unit.WordAt(2, 12), 300);
  const auto answers = SplitAnswers(unit.TakeOutput());
  ASSERT_EQ(answers.frames.size(), 2u);
  EXPECT_EQ(answers.frames[0], kAck);
}

// What a full write sends: every block in one frame, block 0 in two (words 0..111, 112..164).
std::vector<Bytes> FullWriteFrames(const VirtualUnit& source) {
  std::vector<Bytes> frames;
  auto words = [&](int b, int first, int last) {
    std::vector<int> w;
    for (int i = first; i <= last; ++i) w.push_back(source.WordAt(b, i));
    return w;
  };
  frames.push_back(BlockWrite(0, 0, words(0, 0, 111)));
  frames.push_back(BlockWrite(0, 112, words(0, 112, 164)));
  for (int b = 1; b < kStatusBlock; ++b) frames.push_back(BlockWrite(b, 0, words(b, 0, BlockLengths(b) - 1)));
  frames.push_back(WordFrame(WriteType, InputSourceAddr, source.WordAt(InputSourceAddr)));
  return frames;
}

// What a full read asks: blocks 0..29, the 16 names, then the eight status words.
std::vector<Bytes> FullReadRequests() {
  std::vector<Bytes> frames;
  for (int b = 0; b < kStatusBlock; ++b) frames.push_back(WordFrame(ReadType, BlockReadAddr, b));
  for (int k = 0; k < kModeCount; ++k)
    frames.push_back(ReadRequest(ModeNameAddr, {static_cast<std::uint8_t>(k), 0}));
  for (int a : {0x1E01, 0x1E02, 0x1E03, 0x1E04, 0x1E08, 0x1E07, 0x1E05, 0x1E14})
    frames.push_back(ReadRequest(a));
  return frames;
}

TEST(VirtualUnitTest, AFullWriteThenAFullReadGiveBackTheSameMemory) {
  VirtualUnit source;
  Scramble(source);
  for (int b = 0; b < kStatusBlock; ++b)
    for (int i = 0; i < BlockLengths(b); ++i) source.SetWord(b, i, (b * 4099 + i * 263) & 0xFFFF);
  source.SetWord(InputSourceAddr, 3);

  VirtualUnit unit;
  unit.wordsPerReport = 64;
  for (const Bytes& f : FullWriteFrames(source)) EXPECT_EQ(Exchange(unit, f), std::vector<Bytes>{kAck});

  Image read{};
  std::vector<std::string> names;
  for (const Bytes& request : FullReadRequests()) {
    const auto reports = Exchange(unit, request);
    ASSERT_FALSE(reports.empty()) << "unanswered request to " << std::hex << (request[4] * 256 + request[5]);
    for (const Bytes& r : reports) {
      const int a = ReportAddress(r);
      const Bytes data = ReportData(r);
      if (a == ModeNameAddr) {
        names.emplace_back(data.begin(), data.end());
      } else if (a != PanelPassAddr && a != SystemPassAddr) {
        for (std::size_t k = 0; k + 1 < data.size(); k += 2)
          read[BlockOf(a)][IndexOf(a) + k / 2] = data[k] + 256 * data[k + 1];
      }
    }
  }
  for (int b = 0; b < kStatusBlock; ++b)
    for (int i = 0; i < BlockLengths(b); ++i) ASSERT_EQ(read[b][i], source.WordAt(b, i)) << b << ":" << i;
  EXPECT_EQ(read[kStatusBlock][20], 3);
  ASSERT_EQ(names.size(), 16u);
  EXPECT_EQ(names[15], "Mode 16             ");
}

TEST(VirtualUnitTest, StartsAsAPlausibleUnit) {
  VirtualUnit unit;
  EditSelection selection;
  ParamStore bands(selection);
  bands.ResetBands(kAllBlocks);
  for (int b = 0; b < kBlockCount; ++b)
    for (int i = 0; i < kBlockWords; ++i)
      if (bands.DeviceImage[b][i] != 0) {
        EXPECT_EQ(unit.WordAt(b, i), bands.DeviceImage[b][i]) << b << ":" << i;
      }

  for (int b = 6; b <= 23; ++b) EXPECT_GT(unit.WordAt(b, 0), 0) << "output level of block " << b;
  EXPECT_GT(unit.WordAt(0, 0), 0);   // music input gain
  EXPECT_GT(unit.WordAt(29, 1), 0);  // music volume

  for (int k = 0; k < kModeCount; ++k) {
    EXPECT_EQ(unit.ModeName(k), "Mode " + std::to_string(k + 1));
    for (int b = 0; b < kStatusBlock; ++b) EXPECT_EQ(unit.ModeAt(k).blocks[b], unit.Memory()[b]);
  }
  EXPECT_EQ(unit.CurrentMode(), 0);
  EXPECT_EQ(unit.PanelPassword().size(), 4u);
  EXPECT_EQ(unit.SystemPassword(), kDefaultSystemPassword);
}

}  // namespace
}  // namespace morvelin
