#include "presets/backup_codec.h"

#include <limits>

namespace morvelin {

namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

}  // namespace

std::string EncodeLine(std::string_view plain) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(plain.size() * 2);
  for (std::size_t p = 0; p < plain.size(); ++p) {
    const auto h =
        static_cast<std::uint8_t>(static_cast<std::uint8_t>(plain[p]) ^ LineKey[p % LineKey.size()]);
    out += kDigits[h >> 4];
    out += kDigits[h & 0x0F];
  }
  return out;
}

std::optional<std::string> DecodeLine(std::string_view stored) {
  const std::size_t n = stored.size() / 2;
  std::string out;
  out.reserve(n);
  for (std::size_t j = 0; j < n; ++j) {
    const int hi = HexDigit(stored[2 * j]);
    const int lo = HexDigit(stored[2 * j + 1]);
    if (hi < 0 || lo < 0) return std::nullopt;
    out += static_cast<char>((hi << 4 | lo) ^ LineKey[j % LineKey.size()]);
  }
  return out;
}

std::vector<std::string> SplitFields(std::string_view text, char separator) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  for (std::size_t p = 0; p <= text.size(); ++p) {
    if (p == text.size() || text[p] == separator) {
      fields.emplace_back(text.substr(start, p - start));
      start = p + 1;
    }
  }
  return fields;
}

std::optional<std::int32_t> ParseNumber(std::string_view text) {
  std::size_t p = 0;
  bool negative = false;
  if (p < text.size() && (text[p] == '-' || text[p] == '+')) negative = text[p++] == '-';
  if (p == text.size()) return std::nullopt;
  std::int64_t value = 0;
  for (; p < text.size(); ++p) {
    if (text[p] < '0' || text[p] > '9') return std::nullopt;
    value = value * 10 + (text[p] - '0');
    if (value > std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1) return std::nullopt;
  }
  if (negative) value = -value;
  if (value > std::numeric_limits<std::int32_t>::max()) return std::nullopt;
  return static_cast<std::int32_t>(value);
}

std::optional<std::int32_t> NumberField(std::string_view line, std::size_t index) {
  const std::vector<std::string> fields = SplitFields(line);
  if (index >= fields.size()) return std::nullopt;
  return ParseNumber(fields[index]);
}

int CheckValue(std::int32_t sum) {
  // In 64 bits the +1 cannot overflow; the remainder is the same as in 32-bit arithmetic.
  const std::int64_t t = std::int64_t{sum ^ 0xFFFF} + 1;
  return static_cast<int>(t % 256);
}

}  // namespace morvelin
