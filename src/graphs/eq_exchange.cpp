#include "graphs/eq_exchange.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>

#include "graphs/block_curve.h"
#include "params/scales.h"

namespace morvelin {

namespace {

constexpr int kRightBankShift = 75;
constexpr int kBankFirst = 10;
constexpr int kBankLast = 84;

constexpr std::array<const char*, 3> kScenes{"sing", "disco", "decode"};

struct OutputFamily {
  int first;  // block of scene 0
  const char* page;
  const char* channel;  // nullptr: one channel
};
constexpr std::array<OutputFamily, 6> kOutputs{{
    {6, "Main", "left"},
    {9, "Main", "right"},
    {12, "Surround", "left"},
    {15, "Surround", "right"},
    {18, "Center", nullptr},
    {21, "Sub", nullptr},
}};

std::string Lower(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

std::string_view Trim(std::string_view s) {
  while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
  while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) s.remove_suffix(1);
  return s;
}

std::vector<std::string_view> Tokens(std::string_view s) {
  std::vector<std::string_view> out;
  std::size_t i = 0;
  while (i < s.size()) {
    while (i < s.size() && std::isspace(static_cast<unsigned char>(s[i]))) ++i;
    const std::size_t start = i;
    while (i < s.size() && !std::isspace(static_cast<unsigned char>(s[i]))) ++i;
    if (i > start) out.push_back(s.substr(start, i - start));
  }
  return out;
}

// A decimal number with a point or a comma.
std::optional<double> ParseDecimal(std::string_view token) {
  std::string text(token);
  std::replace(text.begin(), text.end(), ',', '.');
  if (!text.empty() && text.front() == '+') text.erase(0, 1);
  double v = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, v);
  if (text.empty() || ec != std::errc() || ptr != end || !std::isfinite(v)) return std::nullopt;
  return v;
}

std::string Line(int line, std::string_view what) {
  return "line " + std::to_string(line) + ": " + std::string(what);
}

std::optional<int> PassKindNamed(std::string_view comment) {
  const std::string wanted = Lower(Trim(comment));
  for (int k = 0; k < kPassKindCount; ++k)
    if (Lower(Trim(kPassKinds[static_cast<std::size_t>(k)].name)) == wanted) return k;
  return std::nullopt;
}

const char* BandTypeToken(int type) {
  switch (type) {
    case kTypeLowShelf:
      return "LSC";
    case kTypeHighShelf:
      return "HSC";
    default:
      return "PK";
  }
}

// "Filter", "Filter 3" before the colon.
bool IsFilterKey(std::string_view key) {
  const std::string k = Lower(Trim(key));
  if (!k.starts_with("filter")) return false;
  const std::string_view rest = Trim(std::string_view(k).substr(6));
  return std::all_of(rest.begin(), rest.end(),
                     [](char c) { return std::isdigit(static_cast<unsigned char>(c)); });
}

std::optional<EqFilterKind> KindOfToken(std::string_view token) {
  const std::string t = Lower(token);
  if (t == "pk" || t == "peq" || t == "modal") return EqFilterKind::Peaking;
  if (t == "lsc" || t == "ls") return EqFilterKind::LowShelf;
  if (t == "hsc" || t == "hs") return EqFilterKind::HighShelf;
  if (t == "hp" || t == "hpq") return EqFilterKind::HighPass;
  if (t == "lp" || t == "lpq") return EqFilterKind::LowPass;
  return std::nullopt;
}

// Q of a bandwidth in octaves.
double QOfBandwidth(double octaves) {
  const double p = std::pow(2.0, octaves);
  return std::sqrt(p) / (p - 1.0);
}

struct LineResult {
  std::optional<EqFilter> filter;
  std::string note;   // read but not applied
  std::string error;  // the line cannot be read
  bool none = false;  // an empty filter slot
};

LineResult ParseFilterLine(int line, std::string_view body, std::string_view comment) {
  LineResult r;
  const std::vector<std::string_view> t = Tokens(body);
  if (t.empty()) {
    r.error = "no ON or OFF";
    return r;
  }
  const std::string state = Lower(t[0]);
  if (state != "on" && state != "off") {
    r.error = "'" + std::string(t[0]) + "' is neither ON nor OFF";
    return r;
  }
  if (t.size() < 2 || Lower(t[1]) == "none") {
    r.none = true;
    return r;
  }
  const auto kind = KindOfToken(t[1]);
  std::size_t i = 2;
  // "LS 6dB", "HS 12dB": fixed-slope shelves the unit has no word for.
  const bool fixedSlope = t.size() > 2 && Lower(t[2]).ends_with("db") && Lower(t[2]) != "db";
  if (!kind || fixedSlope) {
    r.note = Line(line, "filter type " + std::string(t[1]) + (fixedSlope ? " " + std::string(t[2]) : "") +
                            " is not supported");
    return r;
  }
  EqFilter f;
  f.line = line;
  f.on = state == "on";
  f.kind = *kind;
  bool haveFc = false;
  while (i < t.size()) {
    const std::string key = Lower(t[i]);
    // "BW Oct 1.0": the unit stands before the value.
    if (key == "bw" && i + 1 < t.size() && Lower(t[i + 1]) == "oct") ++i;
    if (i + 1 >= t.size()) {
      r.error = "'" + std::string(t[i]) + "' has no value";
      return r;
    }
    const auto value = ParseDecimal(t[i + 1]);
    if (!value) {
      r.error = "bad number '" + std::string(t[i + 1]) + "'";
      return r;
    }
    i += 2;
    auto skipUnit = [&](std::string_view unit) {
      if (i < t.size() && Lower(t[i]) == unit) ++i;
    };
    if (key == "fc") {
      if (*value <= 0) {
        r.error = "Fc must be above 0 Hz";
        return r;
      }
      f.frequency = *value;
      haveFc = true;
      skipUnit("hz");
    } else if (key == "gain") {
      f.gain = *value;
      skipUnit("db");
    } else if (key == "q") {
      if (*value <= 0) {
        r.error = "Q must be above 0";
        return r;
      }
      f.q = *value;
    } else if (key == "bw") {
      if (*value <= 0) {
        r.error = "BW must be above 0";
        return r;
      }
      f.q = QOfBandwidth(*value);
    } else {
      r.error = "unknown field '" + key + "'";
      return r;
    }
  }
  if (!haveFc) {
    r.error = "no Fc";
    return r;
  }
  if (f.kind == EqFilterKind::HighPass || f.kind == EqFilterKind::LowPass)
    f.passKind = PassKindNamed(comment);
  r.filter = f;
  return r;
}

EqParse Failed(int line, std::string why) {
  EqParse p;
  p.errorLine = line;
  p.error = std::move(why);
  return p;
}

int BandWord(int block, int band, int word) {
  const CurveLayout* layout = CurveLayoutOf(block);
  return BandWordIndex(EqBandStart(layout->block), band, word);
}

}  // namespace

bool HasEqPage(int block) {
  return block != 1 && CurveLayoutOf(block) != nullptr;
}

std::string EqPageTitle(int block, bool rightBank) {
  // Appended rather than summed: GCC 12 misreads the sum of a literal and a short string.
  std::string channel;
  if (block == 0) return channel.append("page Music, channel ").append(rightBank ? "right" : "left");
  if (block == 2 || block == 3) return channel.append("page Mic, channel ").append(block == 2 ? "A" : "B");
  if (block == 4) return "page Effect, channel Echo A";
  if (block == 24) return "page Effect, channel Echo B";
  if (block == 5) return "page Effect, channel Reverb";
  for (const OutputFamily& f : kOutputs) {
    if (block < f.first || block > f.first + 2) continue;
    std::string title = std::string("page ") + f.page;
    if (f.channel) title += std::string(", channel ") + f.channel;
    return title + ", scene " + kScenes[static_cast<std::size_t>(block - f.first)];
  }
  if (block >= 25 && block <= 27) {
    constexpr std::array<const char*, 3> kHidden{"Music", "Mic A", "Mic B"};
    return std::string("page Hidden EQ, channel ") + kHidden[static_cast<std::size_t>(block - 25)];
  }
  return "block " + std::to_string(block);
}

int EqDeviceIndex(int block, bool rightBank, int pageIndex) {
  const bool banked = block == 0 && rightBank && pageIndex >= kBankFirst && pageIndex <= kBankLast;
  return banked ? pageIndex + kRightBankShift : pageIndex;
}

BlockWords EqPageWords(const Image& device, int block, bool rightBank) {
  BlockWords words = device[static_cast<std::size_t>(block)];
  if (block == 0 && rightBank)
    for (int i = kBankFirst; i <= kBankLast; ++i)
      words[static_cast<std::size_t>(i)] = device[0][static_cast<std::size_t>(i + kRightBankShift)];
  return words;
}

std::string ExportEqText(const BlockWords& words, int block, std::string_view title) {
  std::string out = "# Morvelin EQ: " + std::string(title) + "\n";
  const CurveLayout* layout = CurveLayoutOf(block);
  if (!layout) return out;
  auto at = [&](int index) { return words[static_cast<std::size_t>(index)]; };
  const int bands = EqBandCount(layout->block);
  int n = 0;
  for (int band = 0; band < bands; ++band) {
    const int type = at(BandWord(block, band, 0)) & 0xFF;
    const bool on = type >= kTypePeaking && type <= kTypeHighShelf;
    const bool shelf = type == kTypeLowShelf || type == kTypeHighShelf;
    const int freq = std::clamp(at(BandWord(block, band, 1)), 0, kFreqTop);
    const int gain = ClampToScale(Quantity::BandGain, at(BandWord(block, band, 2)));
    const int q = shelf ? ClampToScale(Quantity::ShelfQ, at(BandWord(block, band, 4)))
                        : ClampToScale(Quantity::PeakQ, at(BandWord(block, band, 3)));
    out += "Filter " + std::to_string(++n) + ": " + (on ? "ON " : "OFF ") + BandTypeToken(type) + " Fc " +
           std::string(FreqListAt(freq)) + " Hz Gain " + FormatFixed(gain / 5.0 - 24.0, 1) + " dB Q " +
           std::string(QListAt(q)) + "\n";
  }
  if (layout->highPassWord >= 0) {
    for (const bool low : {false, true}) {
      const int typeWord = low ? layout->lowPassWord : layout->highPassWord;
      const int kind = at(typeWord);
      const bool known = kind >= 0 && kind < kPassKindCount;
      const int freq = std::clamp(at(typeWord + 1), 0, kFreqTop);
      out += "Filter " + std::to_string(++n) + ": " + (kind != 0 ? "ON " : "OFF ") + (low ? "LP" : "HP") +
             " Fc " + std::string(FreqListAt(freq)) + " Hz # " +
             (known ? std::string(Trim(kPassKinds[static_cast<std::size_t>(kind)].name))
                    : std::to_string(kind)) +
             "\n";
    }
  }
  return out;
}

EqParse ParseEqText(std::string_view text) {
  EqFile file;
  int line = 0;
  bool anyFilterLine = false;
  std::size_t pos = 0;
  while (pos <= text.size()) {
    const std::size_t end = std::min(text.find('\n', pos), text.size());
    std::string_view raw = text.substr(pos, end - pos);
    pos = end + 1;
    ++line;
    if (raw.find('\0') != std::string_view::npos) return Failed(line, "not a text line");
    std::string_view body = raw;
    std::string_view comment;
    if (const auto hash = body.find('#'); hash != std::string_view::npos) {
      comment = body.substr(hash + 1);
      body = body.substr(0, hash);
    }
    body = Trim(body);
    if (body.empty()) {
      if (end == text.size()) break;
      continue;
    }
    const auto colon = body.find(':');
    const std::string_view key = colon == std::string_view::npos ? body : body.substr(0, colon);
    const std::string_view rest =
        colon == std::string_view::npos ? std::string_view{} : body.substr(colon + 1);
    if (colon != std::string_view::npos && IsFilterKey(key)) {
      anyFilterLine = true;
      LineResult r = ParseFilterLine(line, rest, comment);
      if (!r.error.empty()) return Failed(line, r.error);
      if (!r.note.empty()) file.notes.push_back(r.note);
      if (r.filter) file.filters.push_back(*r.filter);
    } else if (colon != std::string_view::npos && Lower(Trim(key)) == "preamp") {
      const std::vector<std::string_view> t = Tokens(rest);
      const auto db = t.empty() ? std::nullopt : ParseDecimal(t[0]);
      if (!db) return Failed(line, "bad preamp value");
      file.notes.push_back(
          Line(line, "Preamp " + FormatFixed(*db, 1) + " dB not applied (the page has no preamp)"));
    } else {
      file.notes.push_back(Line(line, "ignored: " + std::string(body.substr(0, 40))));
    }
    if (end == text.size()) break;
  }
  if (!anyFilterLine) return Failed(0, "no Filter lines");
  EqParse p;
  p.file = std::move(file);
  return p;
}

EqFit FitEqFile(const EqFile& file, const BlockWords& current, int block) {
  EqFit fit;
  fit.words = current;
  fit.report = file.notes;
  const CurveLayout* layout = CurveLayoutOf(block);
  if (!layout) return fit;
  const int bands = EqBandCount(layout->block);
  auto set = [&](int index, Word value) { fit.words[static_cast<std::size_t>(index)] = value; };
  std::vector<CurveEntry> quantised;
  int nextBand = 0;
  int highPassLine = 0;
  int lowPassLine = 0;
  for (const EqFilter& f : file.filters) {
    const int freqIndex = std::clamp(FreqIndexOf(f.frequency), 0, kFreqTop);
    if (f.kind == EqFilterKind::HighPass || f.kind == EqFilterKind::LowPass) {
      const bool low = f.kind == EqFilterKind::LowPass;
      const char* name = low ? "low-pass" : "high-pass";
      int& taken = low ? lowPassLine : highPassLine;
      if (layout->highPassWord < 0) {
        fit.report.push_back(Line(f.line, std::string("the page has no ") + name + " filter"));
        continue;
      }
      if (taken) {
        fit.report.push_back(
            Line(f.line, std::string("the ") + name + " filter is taken by line " + std::to_string(taken)));
        continue;
      }
      taken = f.line;
      const int typeWord = low ? layout->lowPassWord : layout->highPassWord;
      const int now = current[static_cast<std::size_t>(typeWord)];
      // Without a named kind the page keeps its own slope; a bypassed one becomes 12 dB Butterworth.
      const int kind = !f.on ? 0 : f.passKind ? *f.passKind : (now > 0 && now < kPassKindCount) ? now : 3;
      set(typeWord, kind);
      set(typeWord + 1, freqIndex);
      // At its bypass end of the list the unit leaves the signal alone, whatever the file asks.
      const bool bypassEnd = low ? freqIndex == kFreqTop : freqIndex == 0;
      if (!f.on || bypassEnd) continue;
      const FilterTypeCode code = (low ? kTypeLowPass : kTypeHighPass) + kind;
      fit.requested.push_back(
          {code, float(f.frequency), 0.0f, 0.0f, low ? kLowPassPoint : kHighPassPoint, typeWord + 1, -1});
      continue;
    }
    if (nextBand >= bands) {
      fit.report.push_back(Line(f.line, "no band left (the page has " + std::to_string(bands) + " bands)"));
      continue;
    }
    const int band = nextBand++;
    const bool shelf = f.kind != EqFilterKind::Peaking;
    const FilterTypeCode type = f.kind == EqFilterKind::LowShelf    ? kTypeLowShelf
                                : f.kind == EqFilterKind::HighShelf ? kTypeHighShelf
                                                                    : kTypePeaking;
    const Quantity qScale = shelf ? Quantity::ShelfQ : Quantity::PeakQ;
    const int qIndex = f.q ? ClampToScale(qScale, QIndexOf(*f.q)) : (shelf ? kDefaultShelfQ : kDefaultPeakQ);
    set(BandWord(block, band, 0), f.on ? type : kTypeBypass);
    set(BandWord(block, band, 1), freqIndex);
    set(BandWord(block, band, 2), ClampToScale(Quantity::BandGain, GainWordOf(f.gain)));
    set(BandWord(block, band, shelf ? 4 : 3), qIndex);
    if (f.on)
      fit.requested.push_back({type, float(f.frequency), float(f.gain), float(f.q.value_or(QValueAt(qIndex))),
                               band, BandWord(block, band, 1), BandWord(block, band, 2)});
  }
  if (nextBand < bands) {
    for (int band = nextBand; band < bands; ++band) set(BandWord(block, band, 0), kTypeBypass);
    fit.report.push_back("bands " + std::to_string(nextBand + 1) + ".." + std::to_string(bands) +
                         " not in the file: bypassed");
  }
  for (int i = 0; i < kBlockWords; ++i)
    if (fit.words[static_cast<std::size_t>(i)] != current[static_cast<std::size_t>(i)])
      fit.changes.push_back({i, fit.words[static_cast<std::size_t>(i)]});

  // The same filters as the words now hold them.
  const std::vector<CurveEntry> after = CurveEntries(fit.words, block);
  for (const CurveEntry& r : fit.requested)
    for (const CurveEntry& e : after)
      if (e.freqWord == r.freqWord) quantised.push_back(e);
  fit.maxDifferenceDb = MaxResponseGap(SumResponses(fit.requested), SumResponses(quantised));
  return fit;
}

double MaxResponseGap(const Response& a, const Response& b) {
  double gap = 0;
  for (int i = 0; i < GridPoints; ++i)
    gap = std::max(
        gap, std::fabs(double(a[static_cast<std::size_t>(i)]) - double(b[static_cast<std::size_t>(i)])));
  return gap;
}

}  // namespace morvelin
