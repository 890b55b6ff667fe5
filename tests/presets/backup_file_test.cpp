#include "presets/backup_file.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>

#include "presets/backup_codec.h"
#include "presets/backup_content.h"
#include "presets/backup_recorders.h"

namespace morvelin {
namespace {

constexpr int kLines = 1884;

bool InBackup(int b, int i) {
  return (b <= 24 && i <= BlockLengths(b)) || (b == 30 && i == 20);
}

void Fill(Image& image, int seed) {
  for (int b = 0; b < kBlockCount; ++b)
    for (int i = 0; i < kBlockWords; ++i) image[b][i] = (b * 7919 + i * 104729 + seed * 3571) % 65536;
}

std::string Plain(const std::string& stored) {
  return DecodeLine(stored).value_or("<not hex>");
}

// A word line as the file stores it: both numbers masked with the line's index.
std::string WordLine(int address, int value, int k) {
  return EncodeLine(std::to_string(address ^ k) + " " + std::to_string(value ^ k));
}

struct BackupFileTest : ::testing::Test {
  QTemporaryDir tmp;
  EditSelection sel;
  ParamStore store{sel};
  BackupFolders folders{tmp.path() + "/prog", tmp.path() + "/appdata"};
  RecordingNotifier notifier;
  RecordingLink link;
  BackupFiles files{store, folders, notifier, link};
  int refreshes = 0;
  Image saved{};
  Image other{};

  void SetUp() override {
    ASSERT_TRUE(tmp.isValid());
    folders.EnsureFolders();
    store.SetRefreshHook([this](int) { ++refreshes; });
    Fill(saved, 1);
    Fill(other, 2);
  }

  std::vector<std::string> Stored(const QString& name) {
    std::vector<std::string> lines;
    EXPECT_TRUE(ReadLines(folders.BackupPath(name), lines));
    return lines;
  }
  void Write(const QString& name, const std::vector<std::string>& lines) {
    ASSERT_TRUE(WriteLinesReplacing(folders.BackupPath(name), lines));
  }
  // Saves `saved` as `name`, then puts `other` into the store.
  void SaveThenScramble(const QString& name) {
    store.DeviceImage = saved;
    ASSERT_TRUE(files.SaveBackupFile(name));
    store.DeviceImage = other;
  }
  void ExpectLoadedWords() {
    for (int b = 0; b < kBlockCount; ++b)
      for (int i = 0; i < kBlockWords; ++i)
        ASSERT_EQ(store.DeviceImage[b][i], InBackup(b, i) ? saved[b][i] : other[b][i]) << b << ":" << i;
  }
};

TEST_F(BackupFileTest, TypedNamesNeverReachOutsideTheBackupFolder) {
  store.DeviceImage = saved;
  WriteLinesReplacing(tmp.path() + "/outside.Nddt", BackupLines(saved));
  for (const QString name : {"../outside", "..", ".", "a/b", "a\\b", "../../prog/x"}) {
    notifier.notices.clear();
    EXPECT_FALSE(files.SaveBackupFile(name)) << name.toStdString();
    ASSERT_EQ(notifier.notices.size(), 1u);
    EXPECT_TRUE(notifier.notices[0].second.startsWith("Cannot save file: "));
    notifier.notices.clear();
    store.DeviceImage = other;
    EXPECT_FALSE(files.LoadBackupFile(name)) << name.toStdString();
    ASSERT_EQ(notifier.notices.size(), 1u);
    EXPECT_EQ(notifier.notices[0].second, "File not find!");
    EXPECT_EQ(store.DeviceImage, other);
    store.DeviceImage = saved;
  }
  EXPECT_EQ(QDir(tmp.path()).entryList({"*.Nddt"}, QDir::Files), QStringList{"outside.Nddt"});
  EXPECT_FALSE(QFile::exists(tmp.path() + "/prog/x.Nddt"));
  EXPECT_EQ(link.downloads, 0);
}

TEST_F(BackupFileTest, SaveWritesEncodedLinesWithCrLf) {
  store.DeviceImage = saved;
  ASSERT_TRUE(files.SaveBackupFile("Party"));
  EXPECT_TRUE(notifier.notices.empty());

  QFile raw(folders.BackupPath("Party"));
  ASSERT_TRUE(raw.open(QIODevice::ReadOnly));
  const QByteArray bytes = raw.readAll();
  EXPECT_EQ(bytes.count("\r\n"), kLines);
  EXPECT_EQ(bytes.count('\n'), kLines);
  EXPECT_TRUE(bytes.endsWith("\r\n"));

  const auto lines = Stored("Party");
  ASSERT_EQ(static_cast<int>(lines.size()), kLines);
  for (const auto& line : lines) {
    ASSERT_EQ(line.size() % 2, 0u) << line;
    ASSERT_EQ(line.find_first_not_of("0123456789ABCDEF"), std::string::npos) << line;
  }
  EXPECT_EQ(Plain(lines[0]), "J3 " + std::to_string(178 ^ HeaderMask));
  EXPECT_EQ(Plain(lines[1]), "Tolve " + std::to_string(245 ^ HeaderMask));
  EXPECT_EQ(lines[2], WordLine(0, saved[0][0], 2));
  EXPECT_EQ(lines[2 + 165], WordLine(165, saved[0][165], 167));  // a block's last line is word BlockLengths
  EXPECT_EQ(lines[2 + 166], WordLine(256, saved[1][0], 168));
  EXPECT_EQ(lines[1880], WordLine(24 * 256 + 48, saved[24][48], 1880));
  EXPECT_EQ(lines[1881], WordLine(7700, saved[30][20], 1881));
  EXPECT_EQ(Plain(lines[1882]), "Intoal: 1882");

  std::int64_t sum = 0;
  for (int b = 0; b <= 24; ++b)
    for (int i = 0; i <= BlockLengths(b); ++i) sum += saved[b][i];
  sum += saved[30][20];
  EXPECT_EQ(Plain(lines[1883]), "CCCCK: " + std::to_string(((sum ^ 0xFFFF) + 1) % 256));
}

TEST_F(BackupFileTest, CheckLineOfASumWithLowByteZero) {
  const std::pair<int, const char*> cases[] = {
      {0, "CCCCK: 0"}, {256, "CCCCK: 0"}, {255, "CCCCK: 1"}, {1, "CCCCK: 255"}};
  for (const auto& [word, check] : cases) {
    store.DeviceImage = Image{};
    store.DeviceImage[5][3] = word;
    ASSERT_TRUE(files.SaveBackupFile("Sum"));
    EXPECT_EQ(Plain(Stored("Sum").back()), check) << word;
  }
}

TEST_F(BackupFileTest, OnlineLoadPutsBackTheSavedWordsAndSendsThem) {
  SaveThenScramble("Party");
  ASSERT_TRUE(files.LoadBackupFile("Party"));
  ExpectLoadedWords();  // blocks 25..29 and the rest of block 30 keep their values
  EXPECT_EQ(link.downloads, 1);
  EXPECT_TRUE(notifier.notices.empty());

  // Loading the image it was saved from changes nothing.
  store.DeviceImage = saved;
  ASSERT_TRUE(files.SaveBackupFile("Party"));
  ASSERT_TRUE(files.LoadBackupFile("Party"));
  EXPECT_EQ(store.DeviceImage, saved);
}

TEST_F(BackupFileTest, OfflineLoadIsSilent) {
  link.online = false;
  SaveThenScramble("Party");
  ASSERT_TRUE(files.LoadBackupFile("Party"));
  ExpectLoadedWords();
  EXPECT_EQ(link.downloads, 0);
  EXPECT_EQ(refreshes, 0);
  EXPECT_TRUE(notifier.notices.empty());
}

TEST_F(BackupFileTest, MissingFileIsReported) {
  store.DeviceImage = other;
  EXPECT_FALSE(files.LoadBackupFile("Nobody"));
  ASSERT_EQ(notifier.notices.size(), 1u);
  EXPECT_EQ(notifier.notices[0].first, QStringLiteral("文件不存在"));
  EXPECT_EQ(notifier.notices[0].second, "File not find!");
  EXPECT_EQ(store.DeviceImage, other);
}

using Edit = std::function<void(std::vector<std::string>&)>;

void ReplaceLine(std::vector<std::string>& lines, std::size_t k, const std::string& plain) {
  lines[k] = EncodeLine(plain);
}

// Another value in a word line, correctly masked, so only the checksum can tell.
void ChangeValue(std::vector<std::string>& lines, int k, int delta) {
  const auto fields = SplitFields(Plain(lines[static_cast<std::size_t>(k)]));
  const int a = std::stoi(fields[0]) ^ k;
  const int v = std::stoi(fields[1]) ^ k;
  lines[static_cast<std::size_t>(k)] = WordLine(a, v + delta, k);
}

TEST_F(BackupFileTest, RejectedFilesLeaveTheStoreUntouched) {
  const QString corrupted = "Data file is corrupted!";
  const QString format = "File format error!";
  struct Case {
    const char* what;
    Edit edit;
    QString notice;
  };
  const Case cases[] = {
      {"one word line with another value", [](auto& l) { ChangeValue(l, 10, 1); }, corrupted},
      {"one word line deleted", [](auto& l) { l.erase(l.begin() + 100); }, corrupted},
      {"a line that is not hex", [](auto& l) { l[50] = "ZZ"; }, corrupted},
      {"a word line without a second field", [](auto& l) { ReplaceLine(l, 60, "60"); }, corrupted},
      {"a word line with a field that is no number", [](auto& l) { ReplaceLine(l, 1500, "12 x4"); },
       corrupted},
      {"a word line with two spaces", [](auto& l) { ReplaceLine(l, 70, "1  2"); }, corrupted},
      {"the last word line broken", [](auto& l) { ReplaceLine(l, 1881, ""); }, corrupted},
      {"count line off by one", [](auto& l) { ReplaceLine(l, 1882, "Intoal: 1881"); }, corrupted},
      {"count line without number", [](auto& l) { ReplaceLine(l, 1882, "Intoal:"); }, corrupted},
      {"check line wrong",
       [](auto& l) {
         const int c = std::stoi(SplitFields(Plain(l[1883]))[1]);
         ReplaceLine(l, 1883, "CCCCK: " + std::to_string((c + 1) % 256));
       },
       corrupted},
      {"check line without number", [](auto& l) { ReplaceLine(l, 1883, "CCCCK: "); }, corrupted},
      {"second identity value wrong",
       [](auto& l) { ReplaceLine(l, 1, "Tolve " + std::to_string(245 ^ HeaderMask ^ 1)); }, format},
      {"identity mask wider than a byte",
       [](auto& l) {
         ReplaceLine(l, 0, "J3 1000");
         ReplaceLine(l, 1, "Tolve " + std::to_string(245 ^ 1000 ^ 178));
       },
       format},
      {"identity line without number", [](auto& l) { ReplaceLine(l, 0, "J3"); }, format},
      {"empty file", [](auto& l) { l.clear(); }, format},
      {"identity lines and a check line only",  // consistent with mask 244 but no count line
       [](auto& l) {
         l = {EncodeLine("J3 70"), EncodeLine("Tolve 1"), EncodeLine("CCCCK: 0")};
       },
       corrupted},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    SaveThenScramble("Bad");
    auto lines = Stored("Bad");
    c.edit(lines);
    Write("Bad", lines);
    notifier.notices.clear();
    EXPECT_FALSE(files.LoadBackupFile("Bad"));
    ASSERT_EQ(notifier.notices.size(), 1u);
    EXPECT_EQ(notifier.notices[0].second, c.notice);
    EXPECT_EQ(store.DeviceImage, other);
    EXPECT_EQ(link.downloads, 0);
  }
  EXPECT_EQ(notifier.notices[0].first, QStringLiteral("数据文件损坏!"));
}

TEST_F(BackupFileTest, FormatNoticeIsBilingual) {
  SaveThenScramble("Bad");
  auto lines = Stored("Bad");
  ReplaceLine(lines, 0, "J3 0");
  Write("Bad", lines);
  EXPECT_FALSE(files.LoadBackupFile("Bad"));
  ASSERT_EQ(notifier.notices.size(), 1u);
  EXPECT_EQ(notifier.notices[0].first, QStringLiteral("文件格式错误!"));
}

TEST_F(BackupFileTest, KeyWordsAreNotCompared) {
  SaveThenScramble("Keys");
  auto lines = Stored("Keys");
  ReplaceLine(lines, 0, "XY " + std::to_string(178 ^ HeaderMask));
  ReplaceLine(lines, 1, " " + std::to_string(245 ^ HeaderMask));
  ReplaceLine(lines, 1882, "Count: 1882");
  Write("Keys", lines);
  ASSERT_TRUE(files.LoadBackupFile("Keys"));
  ExpectLoadedWords();
  EXPECT_TRUE(notifier.notices.empty());
}

TEST_F(BackupFileTest, FilesWrittenWithAnotherMaskLoad) {
  for (int mask : {0x00, 0x01, 0xFF, 0xB2}) {
    SCOPED_TRACE(mask);
    store.DeviceImage = other;
    Write("Masked", BackupLines(saved, mask));
    ASSERT_TRUE(files.LoadBackupFile("Masked"));
    ExpectLoadedWords();
  }
  EXPECT_TRUE(notifier.notices.empty());
}

TEST_F(BackupFileTest, WordsOutsideTheStoreAreSkippedButStillChecked) {
  // Each case moves one word line to an address outside the store, keeping its value.
  const int outside[] = {31 * 256, 0x00F6, 0x1EFF, -1, 0x7FFFFFFF};
  for (int address : outside) {
    SCOPED_TRACE(address);
    SaveThenScramble("Outside");
    auto lines = Stored("Outside");
    const int k = 2 + 7;  // the line of word 0:7
    lines[k] = WordLine(address, saved[0][7], k);
    Write("Outside", lines);
    ASSERT_TRUE(files.LoadBackupFile("Outside"));
    EXPECT_EQ(store.DeviceImage[0][7], other[0][7]);
    store.DeviceImage[0][7] = saved[0][7];
    ExpectLoadedWords();
  }
  // ...and such a line with another value still fails the checksum.
  SaveThenScramble("Outside");
  auto lines = Stored("Outside");
  lines[9] = WordLine(31 * 256, saved[0][7] + 1, 9);
  Write("Outside", lines);
  EXPECT_FALSE(files.LoadBackupFile("Outside"));
  EXPECT_EQ(store.DeviceImage, other);
  EXPECT_EQ(notifier.notices.back().second, "Data file is corrupted!");
}

TEST_F(BackupFileTest, SaveReplacesAnOldBackup) {
  store.DeviceImage = other;
  ASSERT_TRUE(files.SaveBackupFile("Party"));
  SaveThenScramble("Party");
  ASSERT_TRUE(files.LoadBackupFile("Party"));
  ExpectLoadedWords();
}

TEST_F(BackupFileTest, InterruptedSaveKeepsTheOldFile) {
  store.DeviceImage = saved;
  ASSERT_TRUE(files.SaveBackupFile("Party"));
  const QString path = folders.BackupPath("Party");
  QFile old(path);
  ASSERT_TRUE(old.open(QIODevice::ReadOnly));
  const QByteArray before = old.readAll();
  old.close();

  // The new content is complete but not yet renamed over the old file.
  const bool written = WriteLinesReplacing(path, BackupLines(other), [&] {
    QFile now(path);
    EXPECT_TRUE(now.open(QIODevice::ReadOnly));
    EXPECT_EQ(now.readAll(), before);
    return false;  // the program stops here, before the rename
  });
  EXPECT_FALSE(written);
  EXPECT_EQ(QDir(folders.BackupFolder()).entryList(QDir::Files), QStringList{"Party.Nddt"});
  ASSERT_TRUE(old.open(QIODevice::ReadOnly));
  EXPECT_EQ(old.readAll(), before);

  store.DeviceImage = other;
  ASSERT_TRUE(files.LoadBackupFile("Party"));
  ExpectLoadedWords();
}

TEST_F(BackupFileTest, FailedSaveNamesTheFile) {
  struct Case {
    const char* what;
    std::function<void()> arrange;
  };
  const Case cases[] = {
      {"a folder in the file's place", [&] { QDir().mkpath(folders.BackupPath("Party")); }},
      {"the backup folder gone", [&] { QDir(folders.BackupFolder()).removeRecursively(); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    c.arrange();
    notifier.notices.clear();
    EXPECT_FALSE(files.SaveBackupFile("Party"));
    ASSERT_EQ(notifier.notices.size(), 1u);
    const QString shown = QDir::toNativeSeparators(folders.BackupPath("Party"));
    EXPECT_EQ(notifier.notices[0].second, "Cannot save file: " + shown);
    EXPECT_TRUE(notifier.notices[0].first.endsWith(shown));
  }
}

TEST_F(BackupFileTest, ListedNameWithFurtherCharactersIsNotFound) {
  QFile extra(folders.BackupFolder() + "/a.Nddtx");
  ASSERT_TRUE(extra.open(QIODevice::WriteOnly));
  extra.close();
  const auto rows = folders.ListBackupFiles();
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].name, "a.Nddtx");
  EXPECT_FALSE(files.LoadBackupFile(rows[0].name));  // looks for a.Nddtx.Nddt
  ASSERT_EQ(notifier.notices.size(), 1u);
  EXPECT_EQ(notifier.notices[0].second, "File not find!");
}

TEST_F(BackupFileTest, AnExtensionInAnotherLetterCaseIsTheSameBackup) {
  store.DeviceImage = saved;
  for (const char* file : {"Up.NDDT", "low.nddt"})
    ASSERT_TRUE(WriteLinesReplacing(folders.BackupFolder() + "/" + file, BackupLines(saved)));
  const auto rows = folders.ListBackupFiles();
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0].name, "low");
  EXPECT_EQ(rows[1].name, "Up");
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name.toStdString());
    store.DeviceImage = other;
    ASSERT_TRUE(files.LoadBackupFile(row.name));
    ExpectLoadedWords();
  }
  // Saving over a listed backup replaces that file instead of adding "Up.Nddt" beside it.
  store.DeviceImage = other;
  ASSERT_TRUE(files.SaveBackupFile("Up"));
  EXPECT_EQ(QDir(folders.BackupFolder()).entryList(QDir::Files | QDir::Hidden, QDir::Name),
            (QStringList{"Up.NDDT", "low.nddt"}));
  EXPECT_EQ(Stored("Up"), BackupLines(other));
  // The name itself keeps its letter case.
  EXPECT_FALSE(files.LoadBackupFile("up"));
  EXPECT_EQ(notifier.notices.back().second, "File not find!");
}

TEST_F(BackupFileTest, AFileOverOneMebibyteIsRefusedUnread) {
  store.DeviceImage = saved;
  struct Case {
    const char* name;
    qint64 size;
  };
  for (const Case& c : {Case{"Big", kMaxBackupFileBytes + 1}, Case{"Huge", 200LL * 1024 * 1024}}) {
    SCOPED_TRACE(c.name);
    QFile big(folders.BackupFolder() + "/" + c.name + ".Nddt");
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    ASSERT_TRUE(big.resize(c.size));  // sparse: only its size is large
    big.close();
    notifier.notices.clear();
    EXPECT_FALSE(files.LoadBackupFile(c.name));
    ASSERT_EQ(notifier.notices.size(), 1u);
    EXPECT_EQ(notifier.notices[0].second, "File format error!");
    EXPECT_EQ(store.DeviceImage, saved);
  }
  std::vector<std::string> lines;
  EXPECT_EQ(ReadLinesUpTo(folders.BackupPath("Big"), kMaxBackupFileBytes, lines), ReadOutcome::TooLarge);
  EXPECT_TRUE(lines.empty());
}

TEST_F(BackupFileTest, ASavesTemporaryFileIsNeverListed) {
  store.DeviceImage = saved;
  ASSERT_TRUE(files.SaveBackupFile("Party"));
  // A save stopped half way leaves a temporary file behind on a crash; one in progress exists
  // while the listing may run.
  QFile left(folders.BackupFolder() + "/" + kSaveTempPrefix + "Ab12Cd");
  ASSERT_TRUE(left.open(QIODevice::WriteOnly));
  left.close();
  std::vector<BackupRow> during;
  WriteLinesReplacing(folders.BackupPath("Party"), BackupLines(other), [&] {
    during = folders.ListBackupFiles();
    return false;
  });
  ASSERT_EQ(during.size(), 1u);
  EXPECT_EQ(during[0].name, "Party");
  EXPECT_EQ(folders.ListBackupFiles().size(), 1u);
}

TEST(ReadLines, AcceptsCrLfAndLfAndKeepsEmptyLines) {
  QTemporaryDir tmp;
  const QString path = tmp.path() + "/lines";
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("a\r\nb\n\r\nc");
  f.close();
  std::vector<std::string> lines;
  ASSERT_TRUE(ReadLines(path, lines));
  EXPECT_EQ(lines, (std::vector<std::string>{"a", "b", "", "c"}));
  EXPECT_FALSE(ReadLines(tmp.path() + "/none", lines));
}

}  // namespace
}  // namespace morvelin
