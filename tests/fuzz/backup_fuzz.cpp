// The backup loader fed raw bytes, lines of any text encoded as the files encode them, and
// mutations of valid files. A refused file leaves the store untouched, starts no write to the
// unit and shows exactly one notice; an accepted one shows none, changes only the words it
// holds, starts the full write exactly when the unit is online, and saves back to a file that
// loads to the same words.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "fuzz_support.h"
#include "presets/backup_content.h"
#include "presets/backup_file.h"

namespace morvelin::fuzz {
namespace {

class CountingNotifier : public Notifier {
 public:
  int notices = 0;
  void ShowNotice(const QString&, const QString&) override { ++notices; }
};

class CountingLink : public DownloadLink {
 public:
  bool online = false;
  int downloads = 0;
  bool LinkOnline() const override { return online; }
  void StartDownload() override { ++downloads; }
};

struct Store {
  EditSelection selection;
  ParamStore store{selection};
};

void Fill(Image& image, int seed) {
  for (int b = 0; b < kBlockCount; ++b)
    for (int i = 0; i < kBlockWords; ++i) image[b][i] = (seed * 7919 + b * 257 + i * 31) & 0xFFFF;
}

std::vector<std::string> SplitLines(std::span<const std::uint8_t> bytes) {
  std::vector<std::string> lines(1);
  for (std::uint8_t c : bytes) {
    if (c == '\n')
      lines.emplace_back();
    else
      lines.back().push_back(static_cast<char>(c));
  }
  return lines;
}

std::vector<std::string> Mutated(ByteReader& in, bool& intact) {
  Image image{};
  Fill(image, in.Byte());
  if (in.Byte() % 4 == 0)
    image[in.Byte() % (kBackupLastBlock + 1)][in.Byte() % 60] =
        static_cast<Word>(0u - static_cast<unsigned>(in.Word()) * 65537u);
  std::vector<std::string> lines = BackupLines(image, in.Byte());
  const int mutations = in.Byte() % 6;
  intact = mutations == 0;
  for (int m = 0; m < mutations && !lines.empty(); ++m) {
    const int kind = in.Byte() % 5;
    const std::size_t at = static_cast<std::size_t>(in.Word()) % lines.size();
    std::string& line = lines[at];
    switch (kind) {
      case 0:
        if (!line.empty())
          line[static_cast<std::size_t>(in.Byte()) % line.size()] = static_cast<char>(in.Byte());
        break;
      case 1:
        lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(at));
        break;
      case 2:
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), line);
        break;
      case 3:
        std::swap(line, lines[static_cast<std::size_t>(in.Word()) % lines.size()]);
        break;
      default: {
        const auto text = in.Take(in.Byte() % 24);
        line = EncodeLine(std::string(text.begin(), text.end()));
        break;
      }
    }
  }
  return lines;
}

QByteArray Joined(const std::vector<std::string>& lines) {
  QByteArray bytes;
  for (const std::string& line : lines) {
    bytes.append(line.data(), static_cast<qsizetype>(line.size()));
    bytes.append("\r\n");
  }
  return bytes;
}

// The words of a file as the loader applies them: the last value of each address.
std::map<int, Word> FileWords(const QString& path) {
  std::vector<std::string> lines;
  FUZZ_CHECK(ReadLines(path, lines));
  const CheckedBackup checked = CheckBackup(lines);
  FUZZ_CHECK(checked.result == BackupCheck::Ok);
  std::map<int, Word> words;
  for (const BackupWord& w : checked.words) {
    FUZZ_CHECK(IsValidAddress(w.address));
    words[w.address] = w.value;
  }
  return words;
}

void WriteFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  FUZZ_CHECK(file.write(bytes) == bytes.size());
}

}  // namespace

void FuzzOne(ByteReader& in) {
  const int mode = in.Byte() % 3;
  CountingLink link;
  link.online = in.Byte() % 2;
  bool intact = false;
  QByteArray bytes;
  if (mode == 0) {
    const auto raw = in.Rest();
    bytes = QByteArray(reinterpret_cast<const char*>(raw.data()), static_cast<qsizetype>(raw.size()));
  } else if (mode == 1) {
    std::vector<std::string> lines;
    for (const std::string& plain : SplitLines(in.Rest())) lines.push_back(EncodeLine(plain));
    bytes = Joined(lines);
  } else {
    bytes = Joined(Mutated(in, intact));
  }

  QTemporaryDir dir;
  FUZZ_CHECK(dir.isValid());
  const QString path = dir.filePath(QStringLiteral("fuzz.Nddt"));
  WriteFile(path, bytes);

  auto s = std::make_unique<Store>();
  Fill(s->store.DeviceImage, 1);
  Fill(s->store.ViewImage, 2);
  auto before = std::make_unique<Store>();
  before->store.DeviceImage = s->store.DeviceImage;
  before->store.ViewImage = s->store.ViewImage;

  CountingNotifier notifier;
  const bool loaded = LoadBackupFromPath(path, s->store, notifier, link);
  FUZZ_CHECK(s->store.ViewImage == before->store.ViewImage);
  if (!loaded) {
    FUZZ_CHECK(!intact);
    FUZZ_CHECK(notifier.notices == 1);
    FUZZ_CHECK(link.downloads == 0);
    FUZZ_CHECK(s->store.DeviceImage == before->store.DeviceImage);
    return;
  }
  FUZZ_CHECK(notifier.notices == 0);
  FUZZ_CHECK(link.downloads == (link.online ? 1 : 0));
  const std::map<int, Word> words = FileWords(path);
  for (int b = 0; b < kBlockCount; ++b) {
    for (int i = 0; i < kBlockWords; ++i) {
      const auto it = words.find(MakeAddress(b, i));
      FUZZ_CHECK(s->store.DeviceImage[b][i] ==
                 (it == words.end() ? before->store.DeviceImage[b][i] : it->second));
    }
  }

  // Saved again, the file loads to the same words.
  const QString again = dir.filePath(QStringLiteral("again.Nddt"));
  FUZZ_CHECK(SaveBackupToPath(again, s->store, notifier));
  auto reloaded = std::make_unique<Store>();
  Fill(reloaded->store.DeviceImage, 3);
  FUZZ_CHECK(LoadBackupFromPath(again, reloaded->store, notifier, link));
  FUZZ_CHECK(notifier.notices == 0);
  for (const auto& [address, value] : FileWords(again)) {
    FUZZ_CHECK(reloaded->store.Device(address) == value);
    FUZZ_CHECK(s->store.Device(address) == value);
  }
}

}  // namespace morvelin::fuzz
