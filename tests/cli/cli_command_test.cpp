#include "cli/cli_command.h"

#include <gtest/gtest.h>

namespace morvelin {
namespace {

TEST(CliCommand, AddressesAndValues) {
  const struct {
    const char* text;
    std::optional<int> address;
  } addresses[] = {
      {"2:3", 0x0203}, {"30:20", 0x1E14}, {"0x1E02", 0x1E02}, {"0X020c", 0x020C}, {"0:245", 245},
      {"0:246", {}},   {"31:0", {}},      {"0x1F00", {}},     {"2:", {}},         {"x:1", {}},
      {"515", {}},     {"-1:2", {}},      {"0x", {}},         {"", {}},
  };
  for (const auto& c : addresses) EXPECT_EQ(ParseDeviceAddress(c.text), c.address) << c.text;
  EXPECT_EQ(ParseWordValue("65535"), 65535);
  EXPECT_EQ(ParseWordValue("0x12ab"), 0x12AB);
  EXPECT_EQ(ParseWordValue("65536"), std::nullopt);
  EXPECT_EQ(ParseWordValue("-1"), std::nullopt);
  EXPECT_EQ(ParseWordValue("12a"), std::nullopt);
}

TEST(CliCommand, CommandWords) {
  using W = std::vector<std::string>;
  std::string error;
  EXPECT_EQ(ParseCliCommand(W{"ports"}, &error)->kind, CliCommandKind::Ports);
  EXPECT_EQ(ParseCliCommand(W{"dump"}, &error)->kind, CliCommandKind::Dump);
  const auto set = ParseCliCommand(W{"set", "2:12", "300"}, &error);
  ASSERT_TRUE(set);
  EXPECT_EQ(set->address, 0x020C);
  EXPECT_EQ(set->value, 300);
  EXPECT_EQ(ParseCliCommand(W{"recall", "16"}, &error)->mode, 16);
  for (int block : {0, 9, 27}) {
    const auto curve = ParseCliCommand(W{"curve", std::to_string(block)}, &error);
    ASSERT_TRUE(curve) << block;
    EXPECT_EQ(curve->kind, CliCommandKind::Curve);
    EXPECT_EQ(curve->block, block);
  }
  for (const W& bad :
       {W{}, W{"dump", "x"}, W{"set", "2:3"}, W{"set", "99:0", "1"}, W{"set", "2:3", "70000"},
        W{"recall", "0"}, W{"recall", "17"}, W{"recall"}, W{"erase"}, W{"curve"}, W{"curve", "28"},
        W{"curve", "-1"}, W{"curve", "x"}, W{"curve", "3a"}, W{"curve", "0x1"}, W{"curve", "1", "2"}}) {
    error.clear();
    EXPECT_FALSE(ParseCliCommand(bad, &error));
    EXPECT_FALSE(error.empty());
  }
}

TEST(CliCommand, ValuesOutOfRangeAreSaidToBe) {
  using W = std::vector<std::string>;
  const struct {
    W words;
    const char* error;
  } cases[] = {
      {W{"set", "0:2", "-1"}, "value '-1' out of range (0..65535)"},
      {W{"set", "0:2", "65536"}, "value '65536' out of range (0..65535)"},
      {W{"set", "0:2", "-0x10"}, "value '-0x10' out of range (0..65535)"},
      {W{"set", "0:2", "-x"}, "bad value '-x': give 0..65535"},
      {W{"set", "0:2", "12a"}, "bad value '12a': give 0..65535"},
  };
  for (const auto& c : cases) {
    std::string error;
    EXPECT_FALSE(ParseCliCommand(c.words, &error));
    EXPECT_EQ(error, c.error);
  }
  for (const char* word : {"-1", "-0x10", "-9999999999"}) EXPECT_TRUE(IsNegativeNumberWord(word)) << word;
  for (const char* word : {"-", "--port", "-q", "-h", "1", "-x1"})
    EXPECT_FALSE(IsNegativeNumberWord(word)) << word;
}

TEST(CliCommand, OnlyTheCommandsThatShowOrKeepTheMemoryReadIt) {
  EXPECT_FALSE(CommandReadsMemory(CliCommandKind::Set));
  EXPECT_FALSE(CommandReadsMemory(CliCommandKind::Ports));
  for (CliCommandKind kind : {CliCommandKind::Dump, CliCommandKind::Recall, CliCommandKind::Backup,
                              CliCommandKind::Restore, CliCommandKind::Curve})
    EXPECT_TRUE(CommandReadsMemory(kind));
}

}  // namespace
}  // namespace morvelin
