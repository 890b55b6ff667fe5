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
  expected_ = 0;
  collected_ = 0;
}

void FrameReceiver::OnBytesAvailable(int count) {
  // A port notifies once per arrival; frames that arrived together must not wait for the next one.
  int n = count;
  while (RunPass(n)) {
    n = port_.BytesAvailable();
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

std::uint8_t FrameReceiver::ReadByte(bool& ok) {
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
      state_ = State::Hunt;
    }
    return;
  }
  state_ = State::Hunt;
  if (bytes_[1] == kAckOk || bytes_[1] == kAckAlt) {
    if (handlers_.onAck) handlers_.onAck();
  }
}

void FrameReceiver::Body(int count) {
  const int remaining = expected_ - collected_;
  // The body is read in one go once it has fully arrived; until then it waits.
  if (port_.BytesAvailable() < remaining) return;
  if (handlers_.onLog) {
    handlers_.onLog("缓存长度K:C:L=" + std::to_string(count) + " " + std::to_string(count) + " " +
                    std::to_string(expected_));
  }
  const Bytes body = port_.Read(remaining);
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
  if (sum != frame.back() && handlers_.onLog) {
    handlers_.onLog("校验和错误 checksum " + Hex2(frame.back()) + " != " + Hex2(sum));
  }
  if (handlers_.onFrame) handlers_.onFrame(frame);
}

}  // namespace morvelin
