#include "presets/backup_codec.h"

#include <gtest/gtest.h>

#include <limits>

namespace morvelin {
namespace {

TEST(BackupCodec, EncodesWithTheKeyRestartingEveryLine) {
  EXPECT_EQ(EncodeLine("J3 "), "76AD71");  // 'J'^3C, '3'^9E, ' '^51
  EXPECT_EQ(EncodeLine(""), "");
  // The ninth character uses the first key byte again.
  EXPECT_EQ(EncodeLine("000000000").substr(16), "0C");
  EXPECT_EQ(EncodeLine("0").size(), 2u);
}

TEST(BackupCodec, DecodesAnyByteBackAndRejectsNonHex) {
  std::string all;
  for (int c = 0; c < 256; ++c) all += static_cast<char>(c);
  const std::string stored = EncodeLine(all);
  EXPECT_EQ(stored.find_first_not_of("0123456789ABCDEF"), std::string::npos);
  EXPECT_EQ(DecodeLine(stored), all);

  std::string lower = EncodeLine("Intoal: 1882");
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  EXPECT_EQ(DecodeLine(lower), "Intoal: 1882");
  EXPECT_EQ(DecodeLine(EncodeLine("J3 232") + "7"), "J3 232");  // an unpaired last character is ignored
  EXPECT_EQ(DecodeLine(""), "");
  EXPECT_EQ(DecodeLine("76AG71"), std::nullopt);
  EXPECT_EQ(DecodeLine(" 6AD71"), std::nullopt);
}

TEST(BackupCodec, SplitsAtEverySingleSpace) {
  struct Case {
    const char* text;
    std::vector<std::string> fields;
  };
  const Case cases[] = {
      {"12 34", {"12", "34"}},
      {"12  34", {"12", "", "34"}},
      {"1234", {"1234"}},
      {"", {""}},
      {" 1", {"", "1"}},
      {"1 ", {"1", ""}},
      {"Intoal: 1882", {"Intoal:", "1882"}},
  };
  for (const auto& c : cases) EXPECT_EQ(SplitFields(c.text), c.fields) << '"' << c.text << '"';
}

TEST(BackupCodec, ParsesSignedDecimalsOnly) {
  struct Case {
    const char* text;
    std::optional<std::int32_t> value;
  };
  const Case cases[] = {
      {"0", 0},
      {"1882", 1882},
      {"-7", -7},
      {"+7", 7},
      {"007", 7},
      {"2147483647", std::numeric_limits<std::int32_t>::max()},
      {"-2147483648", std::numeric_limits<std::int32_t>::min()},
      {"2147483648", std::nullopt},
      {"99999999999999999999", std::nullopt},
      {"", std::nullopt},
      {"-", std::nullopt},
      {"1a", std::nullopt},
      {"$1F", std::nullopt},
      {" 1", std::nullopt},
      {"1.0", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseNumber(c.text), c.value) << '"' << c.text << '"';
  EXPECT_EQ(NumberField("CCCCK: 17", 1), 17);
  EXPECT_EQ(NumberField("CCCCK:", 1), std::nullopt);
}

TEST(BackupCodec, CheckValueIsTheLowByteOfTheNegatedSum) {
  struct Case {
    std::int32_t sum;
    int check;
  };
  const Case cases[] = {
      {0, 0},          {256, 0},  // a low byte of 0 gives 0
      {1, 255},        {255, 1},
      {0x12345, 0xBB}, {-1, -255},  // a negative sum keeps the sign of the dividend
      {0x7FFF0000, 0},              // (S XOR 0xFFFF) + 1 would overflow 32 bits
  };
  for (const auto& c : cases) EXPECT_EQ(CheckValue(c.sum), c.check) << c.sum;
}

}  // namespace
}  // namespace morvelin
