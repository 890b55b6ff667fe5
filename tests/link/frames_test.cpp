#include "link/frames.h"

#include <gtest/gtest.h>

namespace morvelin {
namespace {

TEST(Frames, ExamplesEncodeByteForByte) {
  const struct {
    const char* name;
    Bytes frame, expected;
  } cases[] = {
      {"probe", LinkCodeFrame(LinkProbe), {0xF5, 0xB2, 0x06, 0xB7, 0x1E, 0x30, 0x11, 0x00, 0x0B}},
      {"keep-alive", LinkCodeFrame(KeepAlive), {0xF5, 0xB2, 0x06, 0xB7, 0x1E, 0x30, 0x66, 0x00, 0x60}},
      {"release", LinkCodeFrame(LinkRelease), {0xF5, 0xB2, 0x06, 0xB7, 0x1E, 0x30, 0xAA, 0x00, 0xA4}},
      {"read block 5",
       WordFrame(ReadType, BlockReadAddr, 5),
       {0xF5, 0xB2, 0x06, 0xB0, 0x1E, 0x10, 0x05, 0x00, 0xD8}},
      {"read 0x1E01", ParamFrame(ReadType, ModeSaveAddr, {}), {0xF5, 0xB2, 0x04, 0xB0, 0x1E, 0x01, 0xC4}},
      {"mode name 3",
       ParamFrame(ReadType, ModeNameAddr, Bytes{3, 0}),
       {0xF5, 0xB2, 0x06, 0xB0, 0x1E, 0x00, 0x03, 0x00, 0xC6}},
      {"write 300",
       WordFrame(WriteType, 0x020C, 300),
       {0xF5, 0xB2, 0x06, 0xB7, 0x02, 0x0C, 0x2C, 0x01, 0xE7}},
      {"recall 4",
       WordFrame(WriteType, ModeRecallAddr, 4),
       {0xF5, 0xB2, 0x06, 0xB7, 0x1E, 0x02, 0x04, 0x00, 0xD0}},
  };
  for (const auto& c : cases) EXPECT_EQ(c.frame, c.expected) << c.name;
}

TEST(Frames, ModeSaveTextIsPaddedToTwentyTwoBytes) {
  const Bytes f = TextFrame(ModeSaveAddr, std::string("\x03\x00Party", 7));
  ASSERT_EQ(f.size(), 22u + 7u);
  EXPECT_EQ(f[2], 26);
  EXPECT_EQ(f[6], 3);
  EXPECT_EQ(f[7], 0);
  EXPECT_EQ(std::string(f.begin() + 8, f.begin() + 13), "Party");
  EXPECT_EQ(std::string(f.begin() + 13, f.end() - 1), std::string(15, ' '));
  std::string tooLong(32, 'x');  // slot 1, then 30 letters
  tooLong[0] = '\x01';
  tooLong[1] = '\0';
  const Bytes longName = TextFrame(ModeSaveAddr, tooLong);
  EXPECT_EQ(longName.size(), 29u);

  const Bytes pass = TextFrame(PanelPassAddr, "1234");
  EXPECT_EQ(pass, (Bytes{0xF5, 0xB2, 0x08, 0xB7, 0x1E, 0x05, '1', '2', '3', '4',
                         static_cast<std::uint8_t>(0xF5 + 0xB7 + 0x1E + 0x05 + '1' + '2' + '3' + '4')}));
}

TEST(Frames, OversizedDataIsCutSoTheLengthNeverWraps) {
  const Bytes data(300, 1);
  const Bytes f = ParamFrame(WriteType, BlockWriteAddr, data);
  EXPECT_EQ(f.size(), 251u + 7u);
  EXPECT_EQ(f[2], 255);
}

}  // namespace
}  // namespace morvelin
