#include "link/frame_receiver.h"

#include <cstdio>

#include "link/frames.h"

namespace morvelin {

namespace {

constexpr int kMinLengthByte = 4;  // type, address (2), checksum

std::string Hex2(unsigned v) {
  char buf[4];
  std::snprintf(buf, sizeof buf, "%02X", v & 0xFF);
  return buf;
}

}  // namespace

void FrameReceiver::Reset() {
  state_ = State::Hunt;
  bytes_.clear();
  replay_.clear();
  expected_ = 0;
  collected_ = 0;
}

void FrameReceiver::OnBytesAvailable(int count) {
  // A port notifies once per arrival; frames that arrived together must not wait for the next one.
  int n = count;
  while (RunPass(n)) {
    n = Waiting();
    if (n <= 0) break;
  }
}

bool FrameReceiver::RunPass(int count) {
  consumed_ = false;
  int budget = count;
  if (state_ == State::Hunt) Hunt(budget);
  if (state_ == State::Header) Header(count);
  if (state_ == State::Body) Body(count);
  return consumed_;
}

int FrameReceiver::Waiting() const {
  return port_.BytesAvailable() + static_cast<int>(replay_.size());
}

std::uint8_t FrameReceiver::ReadByte(bool& ok) {
  if (!replay_.empty()) {
    ok = true;
    consumed_ = true;
    const std::uint8_t c = replay_.front();
    replay_.erase(replay_.begin());
    return c;
  }
  const Bytes b = port_.Read(1);
  ok = !b.empty();
  if (ok) consumed_ = true;
  return ok ? b[0] : 0;
}

void FrameReceiver::Hunt(int& budget) {
  bytes_.clear();
  while (budget > 0) {
    bool ok = false;
    const std::uint8_t c = ReadByte(ok);
    if (!ok) return;
    --budget;
    if (c == kFrameStart || c == kAckStart) {
      bytes_.push_back(c);
      expected_ = c == kFrameStart ? 3 : 1;
      collected_ = 0;
      state_ = State::Header;
      return;
    }
  }
}

void FrameReceiver::Header(int count) {
  // Reads only what has arrived; a late byte completes the header on a later notification.
  for (int reads = 0; collected_ < expected_ && reads < count; ++reads) {
    bool ok = false;
    const std::uint8_t c = ReadByte(ok);
    if (!ok) break;
    bytes_.push_back(c);
    ++collected_;
  }
  if (collected_ < expected_) return;

  if (expected_ == 3) {
    const bool good = bytes_[1] == kFrameStart2 && (bytes_[3] == WriteType || bytes_[3] == ReadType) &&
                      bytes_[2] >= kMinLengthByte;
    if (good) {
      expected_ = bytes_[2] - 1;
      collected_ = 0;
      state_ = State::Body;
    } else {
      Rehunt();
    }
    return;
  }
  if (bytes_[1] == kAckOk || bytes_[1] == kAckAlt) {
    state_ = State::Hunt;
    if (handlers_.onAck) handlers_.onAck();
    return;
  }
  Rehunt();
}

// The start byte was not one after all: the bytes behind it are hunted through again.
void FrameReceiver::Rehunt() {
  replay_.insert(replay_.begin(), bytes_.begin() + 1, bytes_.end());
  bytes_.clear();
  state_ = State::Hunt;
}

void FrameReceiver::Body(int count) {
  // A rejected header's bytes are part of this body when they precede it.
  while (!replay_.empty() && collected_ < expected_) {
    bool ok = false;
    bytes_.push_back(ReadByte(ok));
    ++collected_;
  }
  const int remaining = expected_ - collected_;
  // The body is read in one go once it has fully arrived; until then it waits.
  if (port_.BytesAvailable() < remaining) return;
  if (handlers_.onLog) {
    handlers_.onLog("缓存长度K:C:L=" + std::to_string(count) + " " + std::to_string(count) + " " +
                    std::to_string(expected_));
  }
  const Bytes body = remaining > 0 ? port_.Read(remaining) : Bytes{};
  if (!body.empty()) consumed_ = true;
  bytes_.insert(bytes_.end(), body.begin(), body.end());
  collected_ += static_cast<int>(body.size());
  if (collected_ < expected_) return;

  Bytes frame;
  frame.swap(bytes_);
  state_ = State::Hunt;
  expected_ = 0;
  collected_ = 0;
  const std::uint8_t sum = FrameChecksum(std::span(frame).first(frame.size() - 1));
  if (sum != frame.back()) {
    // Not applied: the transfer step that asked for it asks again.
    ++badChecksums_;
    if (handlers_.onLog)
      handlers_.onLog("校验和错误 checksum " + Hex2(frame.back()) + " != " + Hex2(sum) + ", dropped (" +
                      std::to_string(badChecksums_) + ")");
    return;
  }
  if (handlers_.onFrame) handlers_.onFrame(frame);
}

}  // namespace morvelin
