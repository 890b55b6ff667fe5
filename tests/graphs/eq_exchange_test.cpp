#include "graphs/eq_exchange.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>

#include "graphs/block_curve.h"
#include "params/scales.h"

namespace morvelin {
namespace {

struct EqExchangeTest : ::testing::Test {
  EditSelection sel;
  std::unique_ptr<ParamStore> store = std::make_unique<ParamStore>(sel);
  void SetUp() override { store->ResetBands(kAllBlocks); }

  EqFile Parse(std::string_view text) {
    EqParse p = ParseEqText(text);
    EXPECT_TRUE(p.file) << "line " << p.errorLine << ": " << p.error;
    return p.file.value_or(EqFile{});
  }
};

// Random bands and filters on every page survive export and import word for word.
TEST_F(EqExchangeTest, ExportThenImportGivesTheSameWords) {
  std::mt19937 random(7);
  auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); };
  for (int block = 0; block <= 27; ++block) {
    if (!HasEqPage(block)) continue;
    for (const bool right : {false, true}) {
      if (right && block != 0) continue;
      const CurveLayout* layout = CurveLayoutOf(block);
      for (int band = 0; band < EqBandCount(layout->block); ++band) {
        const int start = EqBandStart(layout->block);
        auto word = [&](int w) { return EqDeviceIndex(block, right, BandWordIndex(start, band, w)); };
        store->DeviceImage[block][word(0)] = pick(0, 3);
        store->DeviceImage[block][word(1)] = pick(0, kFreqTop);
        store->DeviceImage[block][word(2)] = pick(0, 180);
        store->DeviceImage[block][word(3)] = pick(0, kQTop);
        store->DeviceImage[block][word(4)] = pick(0, kShelfQTop);
      }
      if (layout->highPassWord >= 0) {
        for (int w : {layout->highPassWord, layout->lowPassWord}) {
          store->DeviceImage[block][w] = pick(0, kPassKindCount - 1);
          store->DeviceImage[block][w + 1] = pick(0, kFreqTop);
        }
      }
      const BlockWords before = EqPageWords(store->DeviceImage, block, right);
      const std::string text = ExportEqText(before, block, EqPageTitle(block, right));
      const EqFit same = FitEqFile(Parse(text), before, block);
      EXPECT_EQ(same.words, before) << "block " << block << " right " << right << "\n" << text;
      EXPECT_TRUE(same.changes.empty());
      EXPECT_TRUE(same.report.empty()) << same.report.front();
      EXPECT_LT(same.maxDifferenceDb, 1e-3);
      // Onto a page reset to its defaults only the Q word a band does not use may stay apart.
      SetUp();
      const EqFit fresh = FitEqFile(Parse(text), EqPageWords(store->DeviceImage, block, right), block);
      EXPECT_EQ(SumResponses(CurveEntries(fresh.words, block)), SumResponses(CurveEntries(before, block)));
    }
  }
}

TEST_F(EqExchangeTest, ExportLines) {
  auto& w = store->DeviceImage[0];
  w[10] = kTypeLowShelf;
  w[11] = FreqIndexOf(1000);
  w[12] = GainWordOf(-3.0);
  w[14] = QIndexOf(0.71);
  w[15] = kTypeBypass;
  w[4] = 9;  // 24dB Link-Riley
  w[5] = FreqIndexOf(80);
  w[7] = kFreqTop;
  const std::string text = ExportEqText(EqPageWords(store->DeviceImage, 0, false), 0, EqPageTitle(0, false));
  EXPECT_TRUE(text.starts_with("# Morvelin EQ: page Music, channel left\n"));
  EXPECT_NE(text.find("Filter 1: ON LSC Fc 1000 Hz Gain -3.0 dB Q 0.71\n"), std::string::npos) << text;
  EXPECT_NE(text.find("Filter 2: OFF PK Fc "), std::string::npos) << text;
  EXPECT_NE(text.find("Filter 11: ON HP Fc 80.3 Hz # 24dB Link-Riley\n"), std::string::npos) << text;
  EXPECT_NE(text.find("Filter 12: OFF LP Fc 20600 Hz # Bypass\n"), std::string::npos) << text;
  EXPECT_EQ(EqPageTitle(10, false), "page Main, channel right, scene disco");
  EXPECT_EQ(EqPageTitle(20, false), "page Center, scene decode");
}

TEST_F(EqExchangeTest, TwelveFiltersIntoTenBandsFillTenAndReportTwo) {
  std::string text = "Preamp: -4,5 dB\n";
  for (int n = 1; n <= 12; ++n)
    text += "Filter " + std::to_string(n) + ": ON PK Fc " + std::to_string(100 * n) + " Hz Gain -1 dB Q 2\n";
  const EqFit fit = FitEqFile(Parse(text), EqPageWords(store->DeviceImage, 6, false), 6);
  for (int band = 0; band < 10; ++band) {
    EXPECT_EQ(fit.words[BandWordIndex(21, band, 0)], kTypePeaking);
    EXPECT_EQ(fit.words[BandWordIndex(21, band, 1)], FreqIndexOf(100.0 * (band + 1)));
    EXPECT_EQ(fit.words[BandWordIndex(21, band, 2)], 115);
  }
  ASSERT_EQ(fit.report.size(), 3u);
  EXPECT_EQ(fit.report[0], "line 1: Preamp -4.5 dB not applied (the page has no preamp)");
  EXPECT_EQ(fit.report[1], "line 12: no band left (the page has 10 bands)");
  EXPECT_EQ(fit.report[2], "line 13: no band left (the page has 10 bands)");
}

// Each filter goes to the nearest words; what does not fit is reported with its line.
TEST_F(EqExchangeTest, QuantisesToTheNearestEntries) {
  const EqFile file = Parse(
      "Filter Settings file\n"
      "# a comment\n"
      "Filter 1: ON PK Fc 1003,4 Hz Gain 20 dB Q 1,405\n"
      "Filter 2: ON LSC Fc 63 Hz Gain -30.0 dB Q 5\n"
      "Filter 3: ON HP Fc 81 Hz\n"
      "Filter 4: ON HP Fc 90 Hz\n"
      "Filter 5: ON BP Fc 300 Hz\n"
      "Filter 6: ON PK Fc 500 Hz Gain 1.1 dB BW Oct 1.0\n"
      "Filter 7: ON None\n");
  EXPECT_EQ(file.filters.size(), 5u);
  const EqFit fit = FitEqFile(file, EqPageWords(store->DeviceImage, 2, false), 2);
  auto band = [&](int b, int w) { return fit.words[BandWordIndex(15, b, w)]; };
  EXPECT_EQ(band(0, 1), FreqIndexOf(1003.4));
  EXPECT_EQ(band(0, 2), 180);  // +20 dB clamped to +12
  EXPECT_EQ(band(0, 3), QIndexOf(1.405));
  EXPECT_EQ(band(1, 0), kTypeLowShelf);
  EXPECT_EQ(band(1, 2), 0);           // -30 dB clamped to -24
  EXPECT_EQ(band(1, 4), kShelfQTop);  // Q 5 beyond the shelf's limit
  EXPECT_EQ(band(2, 2), GainWordOf(1.1));
  EXPECT_EQ(band(2, 3), QIndexOf(1.414));
  EXPECT_EQ(band(3, 0), kTypeBypass);  // the rest of the bands
  EXPECT_EQ(fit.words[9], 3);          // a bypassed high-pass takes 12 dB Butterworth
  EXPECT_EQ(fit.words[10], FreqIndexOf(81));
  ASSERT_EQ(fit.report.size(), 4u);
  EXPECT_EQ(fit.report[0], "line 1: ignored: Filter Settings file");
  EXPECT_EQ(fit.report[1], "line 7: filter type BP is not supported");
  EXPECT_EQ(fit.report[2], "line 6: the high-pass filter is taken by line 5");
  EXPECT_EQ(fit.report[3], "bands 4..15 not in the file: bypassed");
  // The clamped gains alone leave 8 dB at the peak of band 1.
  EXPECT_GT(fit.maxDifferenceDb, 8.0);
  // Only what the import changes is listed.
  for (const PageWordChange& c : fit.changes)
    EXPECT_NE(c.value, EqPageWords(store->DeviceImage, 2, false)[c.index]);
}

TEST_F(EqExchangeTest, DifferenceOfExactEntriesIsSmall) {
  const EqFit exact = FitEqFile(Parse("Filter 1: ON PK Fc 1000 Hz Gain -3.0 dB Q 1.00\n"),
                                EqPageWords(store->DeviceImage, 0, false), 0);
  EXPECT_LT(exact.maxDifferenceDb, 1e-4);
  const EqFit between = FitEqFile(Parse("Filter 1: ON PK Fc 1000 Hz Gain -3.1 dB Q 1.00\n"),
                                  EqPageWords(store->DeviceImage, 0, false), 0);
  EXPECT_NEAR(between.maxDifferenceDb, 0.1, 0.01);
  const EqFit clamped = FitEqFile(Parse("Filter 1: ON PK Fc 1000 Hz Gain 20 dB Q 1.00\n"),
                                  EqPageWords(store->DeviceImage, 0, false), 0);
  EXPECT_NEAR(clamped.maxDifferenceDb, 8.0, 0.01);
}

TEST_F(EqExchangeTest, MalformedLinesGiveTheirNumber) {
  struct Case {
    const char* text;
    int line;
  };
  const Case cases[] = {
      {"# x\nFilter 1: ON PK Fc abc Hz Gain 1 dB Q 1\n", 2},
      {"Filter 1: ON PK Gain 1 dB Q 1\n", 1},
      {"Filter 1: ON PK Fc 100 Hz\nFilter 2: MAYBE PK Fc 100 Hz\n", 2},
      {"Filter 1: ON PK Fc 100 Hz Gain\n", 1},
      {"Filter 1: ON PK Fc 100 Hz Wobble 3\n", 1},
      {"\n\nPreamp: loud\nFilter 1: ON PK Fc 100 Hz\n", 3},
      {"Filter 1: ON PK Fc 0 Hz\n", 1},
      {"Filter 1: ON PK Fc 100 Hz Q -1\n", 1},
      {"Preamp: -3 dB\n", 0},
      {"", 0},
  };
  for (const Case& c : cases) {
    const EqParse p = ParseEqText(c.text);
    EXPECT_FALSE(p.file) << c.text;
    EXPECT_EQ(p.errorLine, c.line) << c.text << p.error;
    EXPECT_FALSE(p.error.empty());
  }
  std::string withNul = "Filter 1: ON PK Fc 100 Hz\n";
  withNul += std::string("x\0y\n", 4);
  EXPECT_EQ(ParseEqText(withNul).errorLine, 2);
}

TEST_F(EqExchangeTest, PagesWithoutFiltersReportThem) {
  const EqFit fit = FitEqFile(Parse("Filter 1: ON HP Fc 50 Hz\nFilter 2: ON LP Fc 15000 Hz\n"),
                              EqPageWords(store->DeviceImage, 25, false), 25);
  ASSERT_GE(fit.report.size(), 2u);
  EXPECT_EQ(fit.report[0], "line 1: the page has no high-pass filter");
  EXPECT_EQ(fit.report[1], "line 2: the page has no low-pass filter");
  EXPECT_FALSE(HasEqPage(1));
  EXPECT_FALSE(HasEqPage(28));
}

}  // namespace
}  // namespace morvelin
