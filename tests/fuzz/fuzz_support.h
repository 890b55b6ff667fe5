#pragma once
// What the harnesses share: a reader over the fuzzer's bytes, and the check that turns a broken
// invariant into a finding that libFuzzer keeps.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>

namespace morvelin::fuzz {

// Reads the input front to back; past its end it reads zeros, so every input is a whole script.
class ByteReader {
 public:
  ByteReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

  bool AtEnd() const { return pos_ >= size_; }
  std::uint8_t Byte() { return pos_ < size_ ? data_[pos_++] : 0; }
  // Low byte first, as the unit's words travel.
  int Word() {
    const int low = Byte();
    return low + 256 * Byte();
  }
  // At most n bytes, fewer at the end.
  std::span<const std::uint8_t> Take(std::size_t n) {
    const std::size_t k = std::min(n, size_ - pos_);
    const std::span<const std::uint8_t> s(data_ + pos_, k);
    pos_ += k;
    return s;
  }
  std::span<const std::uint8_t> Rest() { return Take(size_ - pos_); }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t pos_ = 0;
};

// One input of a harness: each harness defines it, the entry point below hands it the bytes.
void FuzzOne(ByteReader& in);

[[noreturn]] inline void InvariantBroken(const char* what, const char* file, int line) {
  std::fprintf(stderr, "invariant broken: %s at %s:%d\n", what, file, line);
  std::abort();
}

}  // namespace morvelin::fuzz

// Included by exactly one file of each harness.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  morvelin::fuzz::ByteReader in(data, size);
  morvelin::fuzz::FuzzOne(in);
  return 0;
}

#define FUZZ_CHECK(condition) \
  ((condition) ? static_cast<void>(0) : ::morvelin::fuzz::InvariantBroken(#condition, __FILE__, __LINE__))
