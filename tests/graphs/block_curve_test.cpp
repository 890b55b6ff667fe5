#include "graphs/block_curve.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <sstream>

#include "graphs/band_response.h"
#include "params/value_tables.h"

namespace morvelin {
namespace {

struct BlockCurveTest : ::testing::Test {
  EditSelection sel;
  ParamStore store{sel};
  void SetUp() override { store.ResetBands(kAllBlocks); }

  void SetBand(int block, int typeWord, int type, int freq, int gain, int q, int shelfQ) {
    const int words[5] = {type, freq, gain, q, shelfQ};
    for (int w = 0; w < 5; ++w) store.DeviceImage[block][typeWord + w] = words[w];
  }
  Response Curve(int block) {
    const auto curve = BlockCurve(store.DeviceImage, block);
    EXPECT_TRUE(curve.has_value()) << block;
    return curve.value_or(Response{});
  }
};

Response Single(int hz, float gain, float q, FilterTypeCode code) {
  Response r{};
  BandResponse(r, hz, gain, q, code);
  return r;
}

TEST_F(BlockCurveTest, DefaultBandsAndFiltersAreFlat) {
  for (int block = 0; block <= 27; ++block)
    for (float v : Curve(block)) ASSERT_EQ(v, 0.0f) << block;
}

TEST_F(BlockCurveTest, BlocksWithoutCurve) {
  for (int block : {-1, 28, 29, 30, 31, 1000}) EXPECT_FALSE(BlockCurve(store.DeviceImage, block)) << block;
}

// A band is read with the layout of its page: the first word of the band in each block.
TEST_F(BlockCurveTest, BandsFollowThePageLayout) {
  struct Case {
    int block, band, typeWord;
  };
  const Case cases[] = {
      {0, 2, 20}, {1, 0, 2},  {1, 1, 12}, {1, 2, 22},  {2, 0, 15},  {3, 14, 85}, {4, 6, 44},  {24, 3, 29},
      {5, 0, 11}, {5, 6, 41}, {6, 0, 21}, {17, 9, 66}, {23, 4, 41}, {25, 0, 1},  {26, 2, 11}, {27, 4, 21},
  };
  const Response expected = Single(1000, 6.0f, 1.0f, kTypePeaking);
  for (const Case& c : cases) {
    SetUp();
    SetBand(c.block, c.typeWord, kTypePeaking, 204, 150, 16, 10);
    EXPECT_EQ(Curve(c.block), expected) << c.block << " band " << c.band;
    EXPECT_NEAR(Curve(c.block)[273], 6.0f, 1e-4);
  }
}

TEST_F(BlockCurveTest, BandsOfSeveralEntriesAdd) {
  SetBand(2, 15, kTypePeaking, 204, 150, 16, 10);
  SetBand(2, 20, kTypeLowShelf, 100, 90, 0, 24);
  const Response a = Single(1000, 6.0f, 1.0f, kTypePeaking);
  const Response b = Single(135, -6.0f, 1.6f, kTypeLowShelf);
  const Response sum = Curve(2);
  for (int i = 0; i < GridPoints; ++i) ASSERT_FLOAT_EQ(sum[i], a[i] + b[i]) << i;
}

TEST_F(BlockCurveTest, MusicReadsItsLeftBank) {
  SetBand(0, 85, kTypePeaking, 204, 180, 16, 10);  // right bank, band 0
  for (float v : Curve(0)) ASSERT_EQ(v, 0.0f);
  SetBand(0, 10, kTypePeaking, 204, 180, 16, 10);
  EXPECT_NEAR(Curve(0)[273], 12.0f, 1e-4);
}

TEST_F(BlockCurveTest, FiltersFollowThePageLayout) {
  struct Case {
    int block, highPassWord, lowPassWord;
  };
  const Case cases[] = {{0, 4, 6},   {2, 9, 11}, {3, 9, 11},  {4, 9, 11},
                        {24, 9, 11}, {5, 6, 8},  {6, 16, 18}, {20, 16, 18}};
  const int hpIndex = GridIndexOf(SnapToGrid(135));
  const int lpIndex = GridIndexOf(SnapToGrid(6350));
  for (const Case& c : cases) {
    SetUp();
    store.DeviceImage[c.block][c.highPassWord] = 3;  // 12dB Butterworth
    store.DeviceImage[c.block][c.highPassWord + 1] = 100;
    store.DeviceImage[c.block][c.lowPassWord] = 8;  // 24dB Butterworth
    store.DeviceImage[c.block][c.lowPassWord + 1] = 300;
    const Response curve = Curve(c.block);
    EXPECT_NEAR(curve[hpIndex], -3.01f, 0.01) << c.block;
    EXPECT_NEAR(curve[lpIndex], -3.01f, 0.01) << c.block;
    EXPECT_NEAR(curve[(hpIndex + lpIndex) / 2], 0.0f, 0.05) << c.block;
  }
}

TEST_F(BlockCurveTest, EntriesOfEachPage) {
  struct Case {
    int block;
    std::size_t entries;
  };
  const Case cases[] = {{0, 12}, {1, 3},  {2, 17},  {3, 17}, {4, 9},  {24, 9},
                        {5, 9},  {6, 12}, {23, 12}, {25, 5}, {27, 5}, {28, 0}};
  for (const Case& c : cases)
    EXPECT_EQ(CurveEntries(store.DeviceImage[c.block], c.block).size(), c.entries) << c.block;
  const auto music = CurveEntries(store.DeviceImage[0], 0);
  EXPECT_EQ(music[10].point, kHighPassPoint);
  EXPECT_EQ(music[10].freqWord, 5);
  EXPECT_EQ(music[10].gainWord, -1);
  EXPECT_EQ(music[11].point, kLowPassPoint);
  EXPECT_EQ(music[11].freqWord, 7);
  EXPECT_EQ(music[3].point, 3);
  EXPECT_EQ(music[3].freqWord, 26);
  EXPECT_EQ(music[3].gainWord, 27);
}

TEST_F(BlockCurveTest, FilterBypassRules) {
  struct Case {
    int typeWord, freqWord;
    bool lowPass;
    FilterTypeCode type;
    float hz;
  };
  const Case cases[] = {
      {3, 0, false, 100, 19.0f},     {3, 1, false, 103, 20.1f},      {0, 100, false, 100, 135.0f},
      {3, 361, true, 200, 20600.0f}, {3, 5000, true, 200, 20600.0f}, {3, 360, true, 203, 20200.0f},
      {0, 0, true, 200, 19.7f},      {12, 204, true, 212, 1000.0f},  {3, -7, false, 100, 19.0f},
  };
  for (const Case& c : cases) {
    BlockWords words{};
    const int t = c.lowPass ? 18 : 16;
    words[t] = c.typeWord;
    words[t + 1] = c.freqWord;
    const CurveEntry e = CurveEntries(words, 6)[c.lowPass ? 11 : 10];
    EXPECT_EQ(e.type, c.type) << c.typeWord << "/" << c.freqWord;
    EXPECT_FLOAT_EQ(e.frequency, c.hz) << c.typeWord << "/" << c.freqWord;
    EXPECT_EQ(e.gain, 0.0f);
  }
}

TEST_F(BlockCurveTest, WordsOutsideTheTablesAreClamped) {
  struct Case {
    int type, freq, gain, q, shelfQ;
    float hz, db, qValue;
  };
  const Case cases[] = {
      {1, 65535, 65535, 65535, 0, 20600.0f, 12.0f, 128.0f}, {1, -3, -1, -9, 0, 19.7f, -24.0f, 0.40f},
      {2, 204, 120, 100, 65535, 1000.0f, 0.0f, 128.0f},  // a shelf takes its own Q word
      {3, 204, 121, 0, 24, 1000.0f, 0.2f, 1.60f},           {0, 204, 120, 16, 24, 1000.0f, 0.0f, 1.00f},
  };
  for (const Case& c : cases) {
    BlockWords words{};
    const int v[5] = {c.type, c.freq, c.gain, c.q, c.shelfQ};
    for (int w = 0; w < 5; ++w) words[21 + w] = v[w];
    const CurveEntry e = CurveEntries(words, 6)[0];
    EXPECT_FLOAT_EQ(e.frequency, c.hz) << c.freq;
    EXPECT_NEAR(e.gain, c.db, 1e-5) << c.gain;
    EXPECT_FLOAT_EQ(e.q, c.qValue) << c.q;
  }
}

// Words from the unit or a file can be any 16-bit value in any word of any block.
TEST_F(BlockCurveTest, RandomWordsStayFinite) {
  std::mt19937 rng(42);
  std::uniform_int_distribution<int> word(0, 65535);
  for (int round = 0; round < 8; ++round) {
    for (auto& block : store.DeviceImage)
      for (Word& w : block) w = word(rng);
    for (int block = 0; block <= 27; ++block)
      for (float v : Curve(block)) ASSERT_TRUE(std::isfinite(v)) << block;
  }
}

TEST_F(BlockCurveTest, CsvRows) {
  SetBand(6, 21, kTypePeaking, 204, 90, 16, 10);
  const std::string csv = CurveCsv(Curve(6));
  std::istringstream in(csv);
  std::string line;
  std::vector<std::string> lines;
  while (std::getline(in, line)) lines.push_back(line);
  ASSERT_EQ(lines.size(), 464u);
  EXPECT_EQ(lines[0], "index,frequency_hz,db");
  EXPECT_EQ(lines[1], "0,10.00,0.0000");
  EXPECT_EQ(lines[2].substr(0, 8), "1,10.17,");
  EXPECT_EQ(lines[274], "273,994.03,-6.0000");
  EXPECT_EQ(lines[463].substr(0, 13), "462,24000.00,");
  EXPECT_EQ(csv.back(), '\n');
  for (const std::string& l : lines) EXPECT_EQ(l.find("-0.0000"), std::string::npos) << l;
}

TEST(CurveCsv, NegativeZeroHasNoSign) {
  Response r{};
  r[5] = -0.00001f;
  r[6] = -0.00007f;
  const std::string csv = CurveCsv(r);
  EXPECT_NE(csv.find("\n5,10.88,0.0000\n"), std::string::npos);
  EXPECT_NE(csv.find("\n6,11.06,-0.0001\n"), std::string::npos);
}

}  // namespace
}  // namespace morvelin
