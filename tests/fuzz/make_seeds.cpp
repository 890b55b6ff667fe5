// Writes the seed corpora (real frames, full reads, backup files, typed values, link scripts)
// and the byte scripts of the link's known faults, from the virtual unit and the project's own
// encoders: make_seeds CORPUS_DIR REGRESSIONS_DIR.

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "link/frames.h"
#include "presets/backup_codec.h"
#include "presets/backup_content.h"
#include "unit/virtual_unit.h"

namespace morvelin::fuzz {
namespace {

namespace fs = std::filesystem;

void Write(const fs::path& dir, const std::string& name, const Bytes& bytes) {
  fs::create_directories(dir);
  std::ofstream out(dir / name, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

Bytes operator+(Bytes a, const Bytes& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

// A unit whose memory, modes and passwords are not all zero.
void Populate(VirtualUnit& unit) {
  for (int b = 0; b < kBlockCount; ++b)
    for (int i = 0; i < BlockLengths(b); ++i) unit.SetWord(b, i, (b * 37 + i * 11) % 181);
  for (int k = 0; k < kModeCount; ++k) unit.SetModeName(k, "Mode " + std::to_string(k + 1));
  unit.SetPanelPassword("1234");
  unit.SetSystemPassword("739164");
  unit.SetDeviceId({0x12, 0x34, 0x56, 0x78});
}

// The unit's answers to the requests of a full read, as they come down the line.
Bytes FullReadAnswers(VirtualUnit& unit) {
  unit.Receive(LinkCodeFrame(LinkProbe));
  for (int b = 0; b < kStatusBlock; ++b) unit.Receive(WordFrame(ReadType, BlockReadAddr, b));
  for (int k = 0; k < kModeCount; ++k)
    unit.Receive(ParamFrame(ReadType, ModeNameAddr, Bytes{static_cast<std::uint8_t>(k), 0}));
  for (const StatusRead& s : kStatusReads) unit.Receive(ParamFrame(ReadType, s.address, {}));
  return unit.TakeOutput();
}

void ReceiverSeeds(const fs::path& dir) {
  VirtualUnit unit;
  Populate(unit);
  // First byte: the awaited mode-name slot + 2; second: the chunk size (0xFF: all at once).
  Write(dir, "full-read", Bytes{2, 0xFF} + FullReadAnswers(unit));
  unit.Receive(WordFrame(ReadType, BlockReadAddr, 0));
  Write(dir, "block-0-in-chunks", Bytes{2, 6} + unit.TakeOutput());
  unit.Receive(ParamFrame(ReadType, ModeNameAddr, Bytes{3, 0}));
  Write(dir, "mode-name", Bytes{5, 0xFF} + unit.TakeOutput());
  unit.SendDeviceId();
  unit.Receive(ParamFrame(ReadType, PanelPassAddr, {}));
  unit.Receive(WordFrame(WriteType, 0x0016, 100));
  Write(dir, "id-password-ack", Bytes{1, 0} + unit.TakeOutput());
  unit.faults.noiseBetweenFrames = true;
  unit.faults.badNextChecksums = 1;
  unit.Receive(WordFrame(ReadType, BlockReadAddr, 30));
  unit.Receive(WordFrame(WriteType, 0x0016, 100));
  unit.Receive(WordFrame(ReadType, BlockReadAddr, 30));
  Write(dir, "noise-and-bad-checksum", Bytes{1, 2} + unit.TakeOutput());
}

// Link scripts: op, argument, operands (see link_fuzz.cpp).
Bytes Wait(int steps) {
  Bytes b;
  for (; steps > 0; steps -= 64) b = b + Bytes{0, static_cast<std::uint8_t>(std::min(steps, 64) - 1)};
  return b;
}
Bytes Edit(int block, int index, int value, bool paced = false) {
  return {2, static_cast<std::uint8_t>(block + (paced ? 128 : 0)), static_cast<std::uint8_t>(index),
          static_cast<std::uint8_t>(value & 0xFF), static_cast<std::uint8_t>(value >> 8)};
}
Bytes Raw(const Bytes& bytes) {
  return Bytes{1, static_cast<std::uint8_t>(bytes.size())} + bytes;
}
const Bytes kOnline = Wait(640);  // 12.8 s: search, link and the whole read

void LinkSeeds(const fs::path& dir) {
  Write(dir, "online", kOnline);
  Write(dir, "edits-and-keep-alive",
        kOnline + Edit(0, 22, 100) + Edit(0, 22, 101) + Edit(6, 3, 50, true) + Edit(0, 30, 7) +
            Edit(2, 17, 90) + Wait(150));
  Write(dir, "recall", kOnline + Bytes{4, 3} + Wait(640));
  Write(dir, "save", kOnline + Bytes{5, 2, 5, 'P', 'a', 'r', 't', 'y'} + Wait(100));
  Write(dir, "load", kOnline + Bytes{6, 0} + Wait(300));
  Write(dir, "passwords",
        kOnline + Bytes{9, 9, 'a', 'b', 'c', 'd'} + Bytes{9, 12, '1', '2', '3', '4', '5', '6'} + Wait(100));
  Write(dir, "unlink-relink", kOnline + Bytes{3, 1} + Edit(0, 22, 90) + Bytes{3, 0} + Wait(640));
  Write(dir, "port-fails-and-heals",
        kOnline + Bytes{11, 1} + Bytes{8, 0} + Edit(0, 22, 42) + Wait(64) + Wait(640) + Wait(300));
  Write(dir, "unit-faults",
        Bytes{7, 3 + 6 * 2} + Bytes{7, 5 + 6 * 4} + Bytes{7, 4 + 6} + kOnline + Bytes{7, 1} +
            Edit(0, 22, 77) + Wait(400));
  Write(dir, "stray-frames",
        kOnline + Raw(WordFrame(WriteType, 0x0016, 5)) + Raw({kAckStart, kAckOk}) +
            Raw(ParamFrame(WriteType, ModeNameAddr, Bytes(20, 'x'))) + Wait(100));
}

void LinkRegressions(const fs::path& dir) {
  // The unit stops acknowledging after a keep-alive; an edit then waits in the queue. The resend
  // must repeat what went out unacknowledged, never a slot of the queue that was never sent.
  Write(dir, "resend-of-a-slot-never-sent", kOnline + Bytes{7, 1} + Wait(60) + Edit(0, 30, 5) + Wait(250));
  // The unit falls silent as the read begins and a stray acknowledgement arrives: the read
  // still times out with its message instead of waiting for ever.
  Write(dir, "read-stalled-by-a-stray-ack",
        Wait(64) + Bytes{7, 0} + Wait(64) + Raw({kAckStart, kAckOk}) + Wait(750));
}

Bytes Joined(const std::vector<std::string>& lines) {
  Bytes bytes;
  for (const std::string& line : lines) bytes = bytes + Bytes(line.begin(), line.end()) + Bytes{'\r', '\n'};
  return bytes;
}

void BackupSeeds(const fs::path& dir) {
  VirtualUnit unit;
  Populate(unit);
  // First byte: 0 raw file, 1 plain lines, 2 a valid file mutated; second: the unit online.
  Write(dir, "real-file", Bytes{0, 1} + Joined(BackupLines(unit.Memory())));
  std::vector<std::string> plain;
  for (const std::string& line : BackupLines(unit.Memory())) plain.push_back(*DecodeLine(line));
  Bytes text;
  for (const std::string& line : plain) text = text + Bytes(line.begin(), line.end()) + Bytes{'\n'};
  Write(dir, "plain-lines", Bytes{1, 0} + text);
  // Then: image seed, a negative word when 0 mod 4 (block, index, word), header mask, mutations.
  Write(dir, "valid-intact", Bytes{2, 1, 9, 1, HeaderMask, 0});
  Write(dir, "valid-negative-word-other-mask", Bytes{2, 0, 4, 0, 3, 7, 0x11, 0, 0x33, 0});
  Write(dir, "valid-one-char-changed", Bytes{2, 0, 4, 1, HeaderMask, 1, 0, 9, 0, 3, 'F'});
  Write(dir, "valid-line-dropped", Bytes{2, 1, 4, 1, HeaderMask, 1, 1, 200, 0});
}

void TypedValueSeeds(const fs::path& dir) {
  // First byte: 0 a pane (kind, variant, word, display only), else an edit (kind, step, variant, text).
  auto edit = [](int kind, int step, const std::string& text) {
    return Bytes{1, static_cast<std::uint8_t>(kind), static_cast<std::uint8_t>(step), 0} +
           Bytes(text.begin(), text.end());
  };
  Write(dir, "frequency", edit(1, 0, "1000"));
  Write(dir, "gain", edit(2, 1, "-3.5dB"));
  Write(dir, "q", edit(3, 2, "0.71"));
  Write(dir, "music-gain", edit(4, 0, "2.5"));
  Write(dir, "none", edit(0, 0, "70000"));
  Write(dir, "pane", Bytes{0, 5, 0x21, 0x90, 0x01, 0});
}

}  // namespace
}  // namespace morvelin::fuzz

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: make_seeds CORPUS_DIR REGRESSIONS_DIR\n");
    return 2;
  }
  using namespace morvelin::fuzz;
  const fs::path corpus = argv[1];
  ReceiverSeeds(corpus / "receiver");
  LinkSeeds(corpus / "link");
  BackupSeeds(corpus / "backup");
  TypedValueSeeds(corpus / "typed_value");
  LinkRegressions(fs::path(argv[2]) / "link");
  return 0;
}
