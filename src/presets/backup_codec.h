#pragma once
// The text form of a backup line: every character XOR-scrambled with an eight-byte key and
// written as two upper-case hex digits; and the helpers that read the plain line back.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace morvelin {

inline constexpr std::array<std::uint8_t, 8> LineKey{0x3C, 0x9E, 0x51, 0xD7, 0x0A, 0x86, 0xE2, 0x4B};

// Scrambles the two identity values of the files we write; the reader accepts any byte.
inline constexpr int HeaderMask = 0x5A;
inline constexpr int kIdentityFirst = 178;   // 0xB2
inline constexpr int kIdentitySecond = 245;  // 0xF5

// Twice as long as the plain line; the key restarts on every line.
std::string EncodeLine(std::string_view plain);
// A last unpaired character is ignored; nullopt when a pair is not hexadecimal.
std::optional<std::string> DecodeLine(std::string_view stored);

// Every piece between single separators, empty pieces included.
std::vector<std::string> SplitFields(std::string_view text, char separator = ' ');
// A signed decimal 32-bit integer: optional sign and digits only, nothing else.
std::optional<std::int32_t> ParseNumber(std::string_view text);
// Field `index` of a line read as a number; nullopt when missing or not a number.
std::optional<std::int32_t> NumberField(std::string_view line, std::size_t index);

// The check value of the sum of the values: ((S XOR 0xFFFF) + 1) rem 256, truncating toward zero.
int CheckValue(std::int32_t sum);

}  // namespace morvelin
