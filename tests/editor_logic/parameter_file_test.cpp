#include "editor/parameter_file.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <memory>
#include <random>

#include "presets/backup_file.h"

namespace morvelin {
namespace {

struct RecordedNotices : Notifier {
  std::vector<std::string> english;
  void ShowNotice(const QString&, const QString& englishText) override {
    english.push_back(englishText.toStdString());
  }
};

struct ParameterFileTest : ::testing::Test {
  EditSelection sel;
  std::unique_ptr<ParamStore> store = std::make_unique<ParamStore>(sel);
  QTemporaryDir dir;
  RecordedNotices notices;

  void SetUp() override {
    std::mt19937 random(3);
    for (int a : UnitAddresses()) store->SetDevice(a, std::uniform_int_distribution<int>(0, 400)(random));
  }
  QString Path(const char* name) const { return dir.filePath(QString::fromUtf8(name)); }
  QByteArray Bytes(const QString& path) const {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
  ParameterSet Json(const std::string& text) {
    const ParameterRead r = ReadParameterJson(text);
    EXPECT_TRUE(r.words) << "line " << r.errorLine << ": " << r.error;
    return r.words.value_or(ParameterSet{});
  }
};

// The names, captions and value texts come from the page tables and the scales.
TEST_F(ParameterFileTest, RowsNameTheControlAndShowItsValue) {
  struct Case {
    int address;
    const char* control;
    const char* page;
    Word word;
    const char* value;
  };
  const Case cases[] = {
      {MakeAddress(0, 11), "MusFreEdit1", "Music", 204, "1000"},
      {MakeAddress(0, 86), "MusFreEdit1", "Music", 204, "1000"},  // the right bank
      {MakeAddress(0, 12), "MusGainEdit1", "Music", 105, "-3.0"},
      {MakeAddress(0, 3), "MusPitchBar", "Music", 9, "2"},
      {MakeAddress(13, 21), "MainModeBox1", "Main", 2, "LSEQ"},
      {MakeAddress(3, 18), "MicQEdit1", "Mic", 16, "1.00"},
      {MakeAddress(30, 20), "SysInputBox", "Music", 1, "IN1"},
  };
  std::vector<int> addresses;
  for (const Case& c : cases) addresses.push_back(c.address);
  const std::vector<ParameterRow> rows = ParameterRows(addresses);
  ASSERT_EQ(rows.size(), std::size(cases));
  for (std::size_t k = 0; k < rows.size(); ++k) {
    const Case& c = cases[k];
    EXPECT_EQ(rows[k].control, c.control) << AddressText(c.address);
    EXPECT_EQ(rows[k].page, c.page) << AddressText(c.address);
    EXPECT_EQ(ParameterValueText(rows[k], c.word), c.value) << AddressText(c.address);
  }
  EXPECT_EQ(rows[2].en, "EQ1 Gain");
  EXPECT_EQ(rows[3].en, "Key control");
  // The word after a block's length is in backups but no control shows it.
  EXPECT_EQ(ParameterRows({MakeAddress(0, BlockLengths(0))})[0].control, "");
}

TEST_F(ParameterFileTest, BackupToJsonAndBackGivesTheSameBytes) {
  ASSERT_TRUE(SaveBackupToPath(Path("a.Nddt"), *store, notices));
  const ParameterRead fromBackup = ReadBackupWords(Path("a.Nddt"));
  ASSERT_TRUE(fromBackup.words) << fromBackup.error;
  const std::string json = ParameterFileText(*fromBackup.words, ParameterFormat::Json);
  int skipped = -1;
  ASSERT_TRUE(WriteWordsToBackup(Path("b.Nddt"), Json(json), notices, &skipped));
  EXPECT_EQ(skipped, 0);
  EXPECT_EQ(Bytes(Path("a.Nddt")), Bytes(Path("b.Nddt")));
  EXPECT_FALSE(Bytes(Path("a.Nddt")).isEmpty());
}

// Into an existing backup only the file's words change; words a backup cannot hold are counted.
TEST_F(ParameterFileTest, ImportIntoAnExistingBackupKeepsItsOtherWords) {
  ASSERT_TRUE(SaveBackupToPath(Path("a.Nddt"), *store, notices));
  const ParameterSet two{{MakeAddress(0, 11), 401}, {MakeAddress(29, 0), 3}};
  int skipped = 0;
  ASSERT_TRUE(WriteWordsToBackup(Path("a.Nddt"), two, notices, &skipped));
  EXPECT_EQ(skipped, 1);
  const ParameterRead after = ReadBackupWords(Path("a.Nddt"));
  ASSERT_TRUE(after.words);
  const std::vector<std::string> diff =
      DiffParameters(WordsOf(store->DeviceImage, BackupAddresses()), *after.words);
  ASSERT_EQ(diff.size(), 1u);
  EXPECT_TRUE(diff[0].starts_with("MusFreEdit1 (0:11): ")) << diff[0];

  // A damaged target is not overwritten.
  QFile f(Path("bad.Nddt"));
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("not a backup\r\n");
  f.close();
  EXPECT_FALSE(WriteWordsToBackup(Path("bad.Nddt"), two, notices, &skipped));
  EXPECT_EQ(Bytes(Path("bad.Nddt")), QByteArray("not a backup\r\n"));
  // Nor is a file written where there is no folder.
  EXPECT_FALSE(WriteWordsToBackup(Path("missing/c.Nddt"), two, notices, &skipped));
  EXPECT_FALSE(notices.english.empty());
}

TEST_F(ParameterFileTest, RefusesUnknownNamesAndAddressesWithTheLine) {
  const std::string good = ParameterFileText(
      WordsOf(store->DeviceImage, {MakeAddress(0, 11), MakeAddress(0, 12)}), ParameterFormat::Json);
  EXPECT_EQ(Json(good).size(), 2u);
  struct Case {
    std::string from, to;
    int line;
    const char* why;
  };
  const Case cases[] = {
      {"\"0:12\"", "\"0:246\"", 5, "unknown address"},
      {"\"0:12\"", "\"31:0\"", 5, "unknown address"},
      {"\"0:11\"", "\"0:x\"", 4, "unknown address"},
      {"\"MusGainEdit1\"", "\"MusGainEdit2\"", 5, "unknown name 'MusGainEdit2'"},
      {"\"word\": ", "\"word\": -", 4, "is not 0..65535"},
      {"}\n  ]", "\n  ]", 6, ""},  // a syntax error: the parser's message
  };
  for (const Case& c : cases) {
    std::string text = good;
    const auto at = text.find(c.from);
    ASSERT_NE(at, std::string::npos) << c.from;
    text.replace(at, c.from.size(), c.to);
    const ParameterRead r = ReadParameterJson(text);
    EXPECT_FALSE(r.words) << text;
    EXPECT_EQ(r.errorLine, c.line) << text;
    EXPECT_NE(r.error.find(c.why), std::string::npos) << r.error;
  }
  EXPECT_FALSE(ReadParameterJson("[]").words);
}

TEST_F(ParameterFileTest, DiffListsTheWordsThatDifferByName) {
  const ParameterSet a = WordsOf(store->DeviceImage, BackupAddresses());
  EXPECT_TRUE(DiffParameters(a, a).empty());
  ParameterSet b = a;
  for (ParameterWord& w : b) {
    if (w.address == MakeAddress(0, 12)) w.word = 105;
    if (w.address == MakeAddress(6, 0)) w.word += 1;
  }
  const std::vector<std::string> diff = DiffParameters(a, b);
  ASSERT_EQ(diff.size(), 2u);
  EXPECT_EQ(diff[0], "MusGainEdit1 (0:12): " +
                         ParameterValueText(ParameterRows({MakeAddress(0, 12)})[0],
                                            store->Device(MakeAddress(0, 12))) +
                         " -> -3.0");
  EXPECT_NE(diff[1].find(" (6:0): "), std::string::npos) << diff[1];
}

TEST_F(ParameterFileTest, CsvHasAHeaderAndOneLinePerWord) {
  const std::string csv =
      ParameterFileText(WordsOf(store->DeviceImage, BackupAddresses()), ParameterFormat::Csv);
  EXPECT_TRUE(csv.starts_with("page,group,control,zh,en,address,word,value\n"));
  EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), static_cast<long>(BackupAddresses().size()) + 1);
  EXPECT_NE(csv.find(",MusFreEdit1,EQ1 频率,EQ1 Hz,0:11,"), std::string::npos);
}

}  // namespace
}  // namespace morvelin
