// The filter and parameter file commands, in process against the built-in unit on a stepped
// clock.

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <sstream>

#include "cli/cli_command.h"
#include "cli/cli_session.h"
#include "graphs/eq_exchange.h"
#include "link/frames.h"
#include "params/scales.h"
#include "presets/backup_content.h"
#include "unit/virtual_unit.h"

namespace morvelin {
namespace {

struct CliExchangeTest : ::testing::Test {
  QTemporaryDir tmp;
  SteppedClock clock;
  VirtualUnit unit;
  std::ostringstream out, err;

  void SetUp() override {
    ASSERT_TRUE(tmp.isValid());
    for (int b = 0; b < kStatusBlock; ++b)
      for (int i = 0; i < BlockLengths(b); ++i) unit.SetWord(b, i, (b * 31 + i * 7) % 100);
  }
  std::string Path(const char* name) const { return tmp.filePath(QString::fromUtf8(name)).toStdString(); }
  void Write(const std::string& path, const std::string& text) {
    QFile f(QString::fromStdString(path));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text.data(), static_cast<qint64>(text.size()));
  }
  int Run(std::vector<std::string> words, std::ostream* to = nullptr) {
    std::string error;
    const auto command = ParseCliCommand(words, &error);
    EXPECT_TRUE(command) << error;
    if (!command) return -1;
    CliOptions o;
    o.ports.names = {kDemoPortName};
    o.command = *command;
    o.clock = &clock;
    out.str("");
    err.str("");
    return RunCli(o, unit, to ? *to : out, err);
  }
};

TEST(CliExchangeWords, Parsing) {
  using W = std::vector<std::string>;
  std::string error;
  const auto eq = ParseCliCommand(W{"eq", "import", "0", "f.txt", "--bank", "right"}, &error);
  ASSERT_TRUE(eq) << error;
  EXPECT_EQ(eq->kind, CliCommandKind::EqImport);
  EXPECT_TRUE(eq->rightBank);
  EXPECT_EQ(eq->file, "f.txt");
  const auto ex = ParseCliCommand(W{"export", "--format", "csv", "--from", "a.Nddt"}, &error);
  ASSERT_TRUE(ex);
  EXPECT_TRUE(ex->csv);
  EXPECT_EQ(ex->from, "a.Nddt");
  EXPECT_EQ(ParseCliCommand(W{"import", "a.json", "--to", "b.Nddt"}, &error)->to, "b.Nddt");
  EXPECT_EQ(ParseCliCommand(W{"diff", "unit", "b.Nddt"}, &error)->second, "b.Nddt");
  for (const W& bad :
       {W{"eq"}, W{"eq", "export"}, W{"eq", "export", "1"}, W{"eq", "export", "28"},
        W{"eq", "export", "9", "--bank", "left"}, W{"eq", "export", "0", "--bank", "up"},
        W{"eq", "import", "0"}, W{"eq", "show", "0"}, W{"export", "x"}, W{"export", "--format", "xml"},
        W{"export", "--to", "x"}, W{"import"}, W{"import", "a", "--from", "b"}, W{"diff", "a"},
        W{"diff", "a", "b", "c"}, W{"export", "--from"}}) {
    error.clear();
    EXPECT_FALSE(ParseCliCommand(bad, &error)) << bad.size();
    EXPECT_FALSE(error.empty());
  }
}

TEST_F(CliExchangeTest, EqExportThenImportRestoresTheWords) {
  // Types, shelf Q and filter kinds within their lists, as the editor writes them.
  for (int band = 0; band < 10; ++band) {
    unit.SetWord(0, BandWordIndex(85, band, 0), band % 4);
    unit.SetWord(0, BandWordIndex(85, band, 4), band % 25);
  }
  unit.SetWord(0, 4, 9);
  unit.SetWord(0, 6, 2);
  ASSERT_EQ(Run({"eq", "export", "0", "--bank", "right"}), 0) << err.str();
  const std::string text = out.str();
  EXPECT_TRUE(text.starts_with("# Morvelin EQ: page Music, channel right\n")) << text;
  Write(Path("eq.txt"), text);
  const Image before = unit.Memory();
  // Band 2 of the right bank moves; the import puts it back.
  unit.SetWord(0, 90, 200);
  unit.SetWord(0, 92, 7);
  ASSERT_EQ(Run({"eq", "import", "0", Path("eq.txt"), "--bank", "right"}), 0) << err.str();
  EXPECT_NE(out.str().find("page Music, channel right: 2 words changed"), std::string::npos) << out.str();
  EXPECT_NE(out.str().find("largest difference"), std::string::npos);
  EXPECT_EQ(unit.Memory(), before);
}

TEST_F(CliExchangeTest, EqImportReportsWhatDidNotFit) {
  std::string text;
  for (int n = 1; n <= 12; ++n)
    text +=
        "Filter " + std::to_string(n) + ": ON PK Fc " + std::to_string(200 * n) + " Hz Gain 2,4 dB Q 1,41\n";
  Write(Path("room.txt"), text);
  ASSERT_EQ(Run({"eq", "import", "9", Path("room.txt")}), 0) << err.str();
  EXPECT_NE(out.str().find("line 11: no band left"), std::string::npos) << out.str();
  EXPECT_NE(out.str().find("line 12: no band left"), std::string::npos);
  for (int band = 0; band < 10; ++band) {
    EXPECT_EQ(unit.Memory()[9][BandWordIndex(21, band, 1)], FreqIndexOf(200.0 * (band + 1)));
    EXPECT_EQ(unit.Memory()[9][BandWordIndex(21, band, 2)], GainWordOf(2.4));
  }
}

// A file that cannot be used is refused before the search: nothing reaches the unit.
TEST_F(CliExchangeTest, RefusedFilesLeaveTheUnitUntouched) {
  Write(Path("bad.txt"), "# room\nFilter 1: ON PK Fc 100 Hz\nFilter 2: ON PK Fc 1k Hz Gain 1 dB\n");
  ASSERT_EQ(Run({"export"}), 0);
  std::string json = out.str();
  json.replace(json.find("\"MusGainEdit1\""), 14, "\"MusGainEdit9\"");
  Write(Path("bad.json"), json);
  const Image before = unit.Memory();
  unit.ClearReceived();
  struct Case {
    std::vector<std::string> words;
    std::string error;
  };
  const Case cases[] = {
      {{"eq", "import", "9", Path("bad.txt")}, Path("bad.txt") + ":3: bad number '1k'"},
      {{"eq", "import", "9", Path("missing.txt")}, "cannot be read"},
      {{"import", Path("bad.json")}, "unknown name 'MusGainEdit9' for 0:12"},
      {{"import", Path("bad.json"), "--to", Path("x.Nddt")}, "unknown name"},
      {{"diff", "unit", Path("bad.json")}, "unknown name"},
      {{"export", "--from", Path("bad.txt")}, "corrupted backup file"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Run(c.words), 3) << c.words[1];
    EXPECT_NE(err.str().find(c.error), std::string::npos) << err.str();
    EXPECT_EQ(err.str().find("Search"), std::string::npos) << err.str();
  }
  EXPECT_TRUE(unit.ReceivedFrames().empty());
  EXPECT_EQ(unit.Memory(), before);
  EXPECT_FALSE(QFile::exists(QString::fromStdString(Path("x.Nddt"))));
}

TEST_F(CliExchangeTest, JsonToAndFromTheUnitAndABackupFile) {
  ASSERT_EQ(Run({"backup", Path("a.Nddt")}), 0) << err.str();
  ASSERT_EQ(Run({"export", "--from", Path("a.Nddt")}), 0) << err.str();
  Write(Path("a.json"), out.str());
  ASSERT_EQ(Run({"import", Path("a.json"), "--to", Path("b.Nddt")}), 0) << err.str();
  QFile a(QString::fromStdString(Path("a.Nddt"))), b(QString::fromStdString(Path("b.Nddt")));
  ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
  EXPECT_EQ(a.readAll(), b.readAll());

  EXPECT_EQ(Run({"diff", Path("a.Nddt"), Path("a.Nddt")}), 0);
  EXPECT_EQ(out.str(), "");
  EXPECT_EQ(Run({"diff", "unit", Path("a.json")}), 0) << out.str();

  // Two words change at the unit: diff names them, the import puts them back.
  const Image before = unit.Memory();
  unit.SetWord(0, 12, 150);
  unit.SetWord(0, 3, 1);
  EXPECT_EQ(Run({"diff", Path("a.json"), "unit"}), 1);
  EXPECT_EQ(out.str(), "MusPitchBar (0:3): " + ScaleText(Quantity::MusicKey, before[0][3]) + " -> " +
                           ScaleText(Quantity::MusicKey, 1) +
                           "\nMusGainEdit1 (0:12): " + ScaleText(Quantity::BandGain, before[0][12]) + " -> " +
                           ScaleText(Quantity::BandGain, 150) + "\n")
      << out.str();
  ASSERT_EQ(Run({"import", Path("a.json")}), 0) << err.str();
  EXPECT_NE(out.str().find("2 words changed"), std::string::npos) << out.str();
  EXPECT_EQ(unit.Memory(), before);
}

// Lost acknowledgements are resent until every word is in; a unit that falls silent ends the
// run as a lost link.
TEST_F(CliExchangeTest, ImportOnAPoorLine) {
  ASSERT_EQ(Run({"export"}), 0);
  Write(Path("a.json"), out.str());
  const Image before = unit.Memory();
  for (int i = 10; i < 60; ++i) unit.SetWord(0, i, 0);
  // Once the import has begun, one acknowledgement is lost; later the unit may fall silent.
  bool dropped = false;
  bool silentAt20 = false;
  ClockTimer watch(&clock, 1, [&] {
    for (const Bytes& f : unit.ReceivedFrames()) {
      if (!dropped && f == WordFrame(WriteType, MakeAddress(0, 10), before[0][10])) {
        dropped = true;
        unit.faults.dropNextAcks = 1;
      }
      if (silentAt20 && f == WordFrame(WriteType, MakeAddress(0, 20), before[0][20]))
        unit.faults.silent = true;
    }
  });
  watch.Start();
  ASSERT_EQ(Run({"import", Path("a.json")}), 0) << err.str();
  EXPECT_TRUE(dropped);
  EXPECT_EQ(unit.faults.dropNextAcks, 0);
  EXPECT_EQ(unit.Memory(), before);

  for (int i = 10; i < 60; ++i) unit.SetWord(0, i, 0);
  unit.ClearReceived();
  silentAt20 = true;
  EXPECT_EQ(Run({"import", Path("a.json")}), 1);
  EXPECT_TRUE(unit.faults.silent);
  EXPECT_NE(err.str().find("Off Line!"), std::string::npos) << err.str();
  EXPECT_EQ(out.str(), "");
}

TEST_F(CliExchangeTest, UnwritableOutputIsAFileError) {
  ASSERT_EQ(Run({"backup", Path("a.Nddt")}), 0) << err.str();
  std::ostringstream json;
  ASSERT_EQ(Run({"export", "--from", Path("a.Nddt")}, &json), 0);
  Write(Path("a.json"), json.str());
  EXPECT_EQ(Run({"import", Path("a.json"), "--to", Path("no/such/folder/b.Nddt")}), 3);
  EXPECT_NE(err.str().find("Cannot save file"), std::string::npos) << err.str();
  std::ostream broken(nullptr);
  EXPECT_EQ(Run({"export", "--from", Path("a.Nddt"), "--format", "csv"}, &broken), 3);
  EXPECT_NE(err.str().find("The output cannot be written"), std::string::npos);
  EXPECT_EQ(Run({"eq", "export", "5"}, &broken), 3);
}

}  // namespace
}  // namespace morvelin
