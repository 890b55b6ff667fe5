#include "editor/parameter_file.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <array>
#include <cstdio>
#include <map>
#include <memory>

#include "editor/binding_entries.h"
#include "editor/display_kinds.h"
#include "editor/page_tables.h"
#include "params/scales.h"
#include "presets/backup_content.h"
#include "presets/backup_file.h"

namespace morvelin {

using namespace pages;

namespace {

constexpr const char* kFormatKey = "morvelin_parameters";
constexpr int kFormatVersion = 1;

// Selections enough to reach each device word from its view word: the output block and scene
// together, the other choices cycled alongside (each depends on one of them alone).
std::vector<EditSelection> AllSelections() {
  std::vector<EditSelection> out;
  int k = 0;
  for (int outBlock = 6; outBlock <= 23; ++outBlock)
    for (int scene = 0; scene <= 2; ++scene, ++k) {
      EditSelection s;
      s.CurOutBlock = outBlock;
      s.SceneIndex = scene;
      s.MusChannelSel = k % 2 == 0 ? kMusLeft : kMusRight;
      s.CurMicBlock = 2 + k % 2;
      s.CurEchoBlock = std::array{4, 5, 24}[static_cast<std::size_t>(k % 3)];
      s.CurHideBlock = 25 + k % 3;
      out.push_back(s);
    }
  return out;
}

std::string Utf8(const QString& s) {
  return s.toStdString();
}

const ControlRow* ControlNamed(std::string_view name) {
  for (const ControlRow& r : ControlRows())
    if (name == r.name) return &r;
  return nullptr;
}

// The page (the sheet's English caption) a container sits on; empty for the top bar.
std::string PageOf(std::string_view parent) {
  for (int depth = 0; depth < 16 && !parent.empty(); ++depth) {
    const ControlRow* r = ControlNamed(parent);
    if (!r) break;
    if (r->kind == Kind::Sheet) return *r->hint ? r->hint : r->name;
    parent = r->parent;
  }
  return {};
}

// The group box a container sits in (itself when it is one).
std::string GroupOf(std::string_view parent) {
  for (int depth = 0; depth < 16 && !parent.empty(); ++depth) {
    const ControlRow* r = ControlNamed(parent);
    if (!r) break;
    if (r->kind == Kind::Group) return r->name;
    parent = r->parent;
  }
  return std::string(parent);
}

struct Described {
  std::string page, group, zh, en;
  int kind = -1;
  int items = 0;
  bool shelfQ = false;
};

// What the page tables say about a view address and its control.
Described Describe(int viewAddress, const BindingEntry& entry) {
  Described d;
  const std::string name = Utf8(entry.value);
  const std::string readout = Utf8(entry.readout);
  for (const StripRow& s : StripRows()) {
    for (int band = 0; band < s.strips; ++band) {
      for (int w = 0; w < 5; ++w) {
        if (MakeAddress(s.block, BandWordIndex(s.first, band, w)) != viewAddress) continue;
        const std::string parent = Utf8(StripParentName(s.parent, band + 1));
        d.page = PageOf(parent);
        d.group = GroupOf(parent);
        static constexpr std::array<const char*, 5> kWordZh{"类型", "频率", "增益", "Q值", "Q值"};
        static constexpr std::array<const char*, 5> kWordEn{"Type", "Hz", "Gain", "Q", "Shelf Q"};
        const std::string n = std::to_string(band + 1);
        d.zh = "EQ" + n + " " + kWordZh[static_cast<std::size_t>(w)];
        d.en = "EQ" + n + " " + kWordEn[static_cast<std::size_t>(w)];
        d.shelfQ = w == 4;
        d.kind = w == 0 ? kKindBandType : w == 1 ? kKindFrequency : w == 2 ? kKindGain : kKindQ;
        return d;
      }
    }
  }
  for (const LineRow& r : LineRows()) {
    const bool isValue = name == r.name;
    const bool isSide = *r.side && name == r.side;
    const bool isPane = !readout.empty() && readout == r.pane;
    if (!isValue && !isSide && !isPane) continue;
    d.page = PageOf(r.group);
    d.group = r.group;
    d.zh = r.zh;
    d.en = r.en;
    if (isSide) return d;
    if (r.kind == Kind::Combo) {
      d.kind = kKindBandType;  // a list: its item text
      d.items = static_cast<int>(r.items);
    } else if (r.paneKind >= 0) {
      d.kind = r.paneKind;
    } else if (const auto k = KindFromHint(r.hint)) {
      d.kind = *k;
    }
    return d;
  }
  if (const ControlRow* c = ControlNamed(name)) {
    d.page = PageOf(c->parent);
    d.group = GroupOf(c->parent);
    d.zh = c->caption;
    d.en = c->kind == Kind::BmpButton || c->kind == Kind::ToolButton ? "" : c->hint;
  }
  return d;
}

std::string JsonString(std::string_view s) {
  std::string out = "\"";
  for (const char c : s) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char buffer[8];
      std::snprintf(buffer, sizeof buffer, "\\u%04x", static_cast<unsigned char>(c));
      out += buffer;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

std::string CsvField(std::string_view s) {
  if (s.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(s);
  std::string out = "\"";
  for (const char c : s) {
    if (c == '"') out += '"';
    out += c;
  }
  return out + "\"";
}

std::optional<int> ParseAddressText(const std::string& text) {
  const auto colon = text.find(':');
  if (colon == std::string::npos || colon == 0 || colon + 1 >= text.size()) return std::nullopt;
  auto number = [](std::string_view s) -> std::optional<int> {
    if (s.empty() || s.size() > 3 ||
        !std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; }))
      return std::nullopt;
    return std::stoi(std::string(s));
  };
  const auto b = number(std::string_view(text).substr(0, colon));
  const auto i = number(std::string_view(text).substr(colon + 1));
  if (!b || !i || *i >= kBlockWords || *b >= kBlockCount) return std::nullopt;
  return MakeAddress(*b, *i);
}

// Line of each element of the "parameters" array, in order: the line of its opening brace.
std::vector<int> ElementLines(const std::string& text) {
  std::vector<int> lines;
  int line = 1;
  int depth = 0;
  bool inString = false;
  bool escaped = false;
  for (const char c : text) {
    if (c == '\n') ++line;
    if (inString) {
      if (escaped)
        escaped = false;
      else if (c == '\\')
        escaped = true;
      else if (c == '"')
        inString = false;
      continue;
    }
    if (c == '"') {
      inString = true;
    } else if (c == '{' || c == '[') {
      if (depth == 2 && c == '{') lines.push_back(line);
      ++depth;
    } else if (c == '}' || c == ']') {
      --depth;
    }
  }
  return lines;
}

int LineAtOffset(const std::string& text, int offset) {
  const auto end =
      text.begin() + std::clamp<std::ptrdiff_t>(offset, 0, static_cast<std::ptrdiff_t>(text.size()));
  return 1 + static_cast<int>(std::count(text.begin(), end, '\n'));
}

ParameterRead Refused(int line, std::string why) {
  ParameterRead r;
  r.errorLine = line;
  r.error = std::move(why);
  return r;
}

const ParameterRow* RowAt(const std::vector<ParameterRow>& rows, int address) {
  const auto it = std::lower_bound(rows.begin(), rows.end(), address,
                                   [](const ParameterRow& r, int a) { return r.address < a; });
  return it != rows.end() && it->address == address ? &*it : nullptr;
}

std::vector<ParameterRow> SortedRows(const ParameterSet& words) {
  std::vector<int> addresses;
  for (const ParameterWord& w : words) addresses.push_back(w.address);
  std::sort(addresses.begin(), addresses.end());
  addresses.erase(std::unique(addresses.begin(), addresses.end()), addresses.end());
  return ParameterRows(addresses);
}

}  // namespace

std::vector<int> BackupAddresses() {
  std::vector<int> out;
  for (int b = 0; b <= kBackupLastBlock; ++b)
    for (int i = 0; i <= BlockLengths(b); ++i) out.push_back(MakeAddress(b, i));
  out.push_back(kBackupExtraAddress);
  return out;
}

std::vector<int> UnitAddresses() {
  std::vector<int> out = BackupAddresses();
  out.pop_back();
  for (int b = kBackupLastBlock + 1; b < kStatusBlock; ++b)
    for (int i = 0; i < BlockLengths(b); ++i) out.push_back(MakeAddress(b, i));
  out.push_back(kBackupExtraAddress);
  return out;
}

std::vector<ParameterRow> ParameterRows(const std::vector<int>& addresses) {
  // Device address -> the first view address that reaches it under some selection.
  std::map<int, const BindingEntry*> byDevice;
  std::map<int, int> viewOf;
  const std::vector<BindingEntry> entries = BindingEntries();
  EditSelection selection;
  auto store = std::make_unique<ParamStore>(selection);
  for (const EditSelection& s : AllSelections()) {
    selection = s;
    for (const BindingEntry& e : entries) {
      const int d = store->DeviceAddressOf(e.address);
      if (byDevice.emplace(d, &e).second) viewOf[d] = e.address;
    }
  }
  std::vector<ParameterRow> rows;
  rows.reserve(addresses.size());
  for (int a : addresses) {
    ParameterRow row;
    row.address = a;
    if (const auto it = byDevice.find(a); it != byDevice.end()) {
      const Described d = Describe(viewOf[a], *it->second);
      row.control = Utf8(it->second->value);
      row.page = d.page;
      row.group = d.group;
      row.zh = d.zh;
      row.en = d.en;
      row.kind = d.kind;
      row.items = d.items;
      row.shelfQ = d.shelfQ;
    }
    rows.push_back(std::move(row));
  }
  return rows;
}

std::string ParameterValueText(const ParameterRow& row, Word word) {
  if (row.kind == kKindBandType && row.items != 0) {
    const std::vector<std::string_view> items = ItemTexts(static_cast<Items>(row.items));
    if (word >= 0 && word < static_cast<int>(items.size()))
      return std::string(items[static_cast<std::size_t>(word)]);
    return std::to_string(word);
  }
  if (row.kind < 0) return std::to_string(word);
  KindVariant variant;
  variant.deqPage = BlockOf(row.address) == 1;
  variant.shelfBand = row.shelfQ;
  variant.subMusicMix = IsSubMusicMixWord(row.address, BlockOf(row.address));
  const auto q = KindQuantity(row.kind, variant);
  if (!q) return std::to_string(word);
  return ScaleText(*q, word);
}

ParameterSet WordsOf(const Image& device, const std::vector<int>& addresses) {
  ParameterSet out;
  out.reserve(addresses.size());
  for (int a : addresses)
    out.push_back({a, device[static_cast<std::size_t>(BlockOf(a))][static_cast<std::size_t>(IndexOf(a))]});
  return out;
}

std::string AddressText(int address) {
  return std::to_string(BlockOf(address)) + ":" + std::to_string(IndexOf(address));
}

std::string ParameterFileText(const ParameterSet& words, ParameterFormat format) {
  const std::vector<ParameterRow> rows = SortedRows(words);
  std::string out;
  if (format == ParameterFormat::Csv) {
    out = "page,group,control,zh,en,address,word,value\n";
    for (const ParameterWord& w : words) {
      const ParameterRow& r = *RowAt(rows, w.address);
      for (const std::string* f : {&r.page, &r.group, &r.control, &r.zh, &r.en}) out += CsvField(*f) + ",";
      out += AddressText(w.address) + "," + std::to_string(w.word) + "," +
             CsvField(ParameterValueText(r, w.word)) + "\n";
    }
    return out;
  }
  out = "{\n  \"" + std::string(kFormatKey) + "\": " + std::to_string(kFormatVersion) +
        ",\n  \"parameters\": [\n";
  for (std::size_t k = 0; k < words.size(); ++k) {
    const ParameterWord& w = words[k];
    const ParameterRow& r = *RowAt(rows, w.address);
    out += "    {\"address\": " + JsonString(AddressText(w.address)) +
           ", \"word\": " + std::to_string(w.word) +
           ", \"value\": " + JsonString(ParameterValueText(r, w.word)) +
           ", \"control\": " + JsonString(r.control) + ", \"page\": " + JsonString(r.page) +
           ", \"group\": " + JsonString(r.group) + ", \"zh\": " + JsonString(r.zh) +
           ", \"en\": " + JsonString(r.en) + "}" + (k + 1 < words.size() ? "," : "") + "\n";
  }
  return out + "  ]\n}\n";
}

ParameterRead ReadParameterJson(const std::string& text) {
  QJsonParseError parseError;
  const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(text), &parseError);
  if (parseError.error != QJsonParseError::NoError)
    return Refused(LineAtOffset(text, parseError.offset), Utf8(parseError.errorString()));
  const QJsonObject root = doc.object();
  if (!doc.isObject() || root.value(kFormatKey).toInt() != kFormatVersion ||
      !root.value("parameters").isArray())
    return Refused(
        1, "not a parameter file (no \"" + std::string(kFormatKey) + "\": 1 and \"parameters\" list)");
  const QJsonArray list = root.value("parameters").toArray();
  const std::vector<int> lines = ElementLines(text);
  auto lineOf = [&](qsizetype k) {
    return k < static_cast<qsizetype>(lines.size()) ? lines[static_cast<std::size_t>(k)] : 0;
  };

  ParameterSet words;
  words.reserve(static_cast<std::size_t>(list.size()));
  for (qsizetype k = 0; k < list.size(); ++k) {
    const QJsonObject o = list.at(k).toObject();
    const auto address = ParseAddressText(Utf8(o.value("address").toString()));
    if (!list.at(k).isObject() || !address)
      return Refused(lineOf(k), "unknown address '" + Utf8(o.value("address").toString()) + "'");
    const QJsonValue word = o.value("word");
    const double v = word.toDouble(-1);
    if (!word.isDouble() || v < 0 || v > 0xFFFF || v != static_cast<double>(static_cast<int>(v)))
      return Refused(lineOf(k), "word of " + AddressText(*address) + " is not 0..65535");
    words.push_back({*address, static_cast<int>(v)});
  }
  const std::vector<ParameterRow> rows = SortedRows(words);
  for (qsizetype k = 0; k < list.size(); ++k) {
    const std::string control = Utf8(list.at(k).toObject().value("control").toString());
    const ParameterRow& row = *RowAt(rows, words[static_cast<std::size_t>(k)].address);
    if (control != row.control)
      return Refused(lineOf(k),
                     "unknown name '" + control + "' for " + AddressText(row.address) +
                         (row.control.empty() ? " (no control shows it)" : " (it is " + row.control + ")"));
  }
  ParameterRead r;
  r.words = std::move(words);
  return r;
}

ParameterRead ReadBackupWords(const QString& path) {
  std::vector<std::string> lines;
  switch (ReadLinesUpTo(path, kMaxBackupFileBytes, lines)) {
    case ReadOutcome::Unreadable:
      return Refused(0, "cannot be read");
    case ReadOutcome::TooLarge:
      return Refused(0, "too large for a backup file");
    case ReadOutcome::Ok:
      break;
  }
  const CheckedBackup checked = CheckBackup(lines);
  if (checked.result != BackupCheck::Ok)
    return Refused(
        0, checked.result == BackupCheck::FormatError ? "not a backup file" : "corrupted backup file");
  ParameterRead r;
  r.words.emplace();
  for (const BackupWord& w : checked.words) r.words->push_back({w.address, w.value});
  return r;
}

bool WriteWordsToBackup(const QString& path, const ParameterSet& words, Notifier& notifier, int* skipped) {
  EditSelection selection;
  auto store = std::make_unique<ParamStore>(selection);
  // An existing file must pass the loader's checks; its notices say why it does not.
  struct Offline : DownloadLink {
    bool LinkOnline() const override { return false; }
    void StartDownload() override {}
  } offline;
  if (QFileInfo::exists(path) && !LoadBackupFromPath(path, *store, notifier, offline)) return false;
  const std::vector<int> held = BackupAddresses();
  int left = 0;
  for (const ParameterWord& w : words) {
    if (std::find(held.begin(), held.end(), w.address) == held.end()) {
      ++left;
      continue;
    }
    store->SetDevice(w.address, w.word);
  }
  if (skipped) *skipped = left;
  return SaveBackupToPath(path, *store, notifier);
}

std::vector<std::string> DiffParameters(const ParameterSet& a, const ParameterSet& b) {
  std::map<int, Word> inB;
  for (const ParameterWord& w : b) inB[w.address] = w.word;
  ParameterSet differing;
  std::vector<Word> other;
  for (const ParameterWord& w : a) {
    const auto it = inB.find(w.address);
    if (it == inB.end() || it->second == w.word) continue;
    differing.push_back(w);
    other.push_back(it->second);
  }
  const std::vector<ParameterRow> rows = SortedRows(differing);
  std::vector<std::string> out;
  for (std::size_t k = 0; k < differing.size(); ++k) {
    const ParameterRow& r = *RowAt(rows, differing[k].address);
    const std::string name = r.control.empty() ? "word" : r.control;
    out.push_back(name + " (" + AddressText(r.address) + "): " + ParameterValueText(r, differing[k].word) +
                  " -> " + ParameterValueText(r, other[k]));
  }
  return out;
}

}  // namespace morvelin
