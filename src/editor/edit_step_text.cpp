#include "editor/edit_step_text.h"

#include <cmath>

#include "params/block_table.h"
#include "params/value_tables.h"

namespace morvelin {

namespace {

constexpr int kBandType = 0;
constexpr int kBandFreq = 1;
constexpr int kBandGain = 2;

struct Pair {
  const char* zh;
  const char* en;
};

constexpr Pair kWordNames[] = {
    {"类型", "type"}, {"频率", "frequency"}, {"增益", "gain"}, {"Q", "Q"}, {"Q", "Q"}};

QString Pick(const Pair& p, int uiLanguage) {
  return QString::fromUtf8(uiLanguage == 1 ? p.zh : p.en);
}

QString View(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A gain word as the hint shows it: a sign always, the minus sign U+2212.
QString GainText(int word) {
  const double db = word / 5.0 - 24.0;
  const QString number = QString::number(std::fabs(db), 'f', 1);
  return (db < -0.05 ? QStringLiteral("\u2212") : QStringLiteral("+")) + number;
}

QString WordValue(int word, int value) {
  switch (word) {
    case kBandType:
      return View(ClampedEntry(BandTypeList, value));
    case kBandFreq:
      return View(FreqListAt(value));
    case kBandGain:
      return GainText(value);
    default:
      return View(QListAt(value));
  }
}

QString Unit(int word) {
  return word == kBandFreq ? QStringLiteral(" Hz") : word == kBandGain ? QStringLiteral(" dB") : QString();
}

// band * 256 + word of an equaliser band word (band from 0), or -1.
int BandWordOf(const ParamStore& store, int viewAddress) {
  const int located = store.LocateBand(viewAddress);
  const int band = located / 256;
  const int word = located % 256;
  if (word > 4 || band >= EqBandCount(viewAddress / 256)) return -1;
  return located;
}

QString ChangeText(const ParamStore& store, const StoreChange& c, int uiLanguage, bool withBand) {
  const int located = BandWordOf(store, c.viewAddress);
  if (located < 0)
    return QStringLiteral("%1 %2:%3 %4 \u2192 %5")
        .arg(Pick({"参数", "word"}, uiLanguage))
        .arg(c.viewAddress / 256)
        .arg(c.viewAddress % 256)
        .arg(c.before)
        .arg(c.after);
  const int word = located % 256;
  QString text = withBand ? QStringLiteral("EQ%1 ").arg(located / 256 + 1) : QString();
  return text + Pick(kWordNames[word], uiLanguage) + QLatin1Char(' ') + WordValue(word, c.before) +
         QStringLiteral(" \u2192 ") + WordValue(word, c.after) + Unit(word);
}

}  // namespace

QString StepHint(const ParamStore& store, const std::vector<StoreChange>& changes, StepDirection direction,
                 int uiLanguage) {
  const QString verb = direction == StepDirection::Undo ? Pick({"撤销", "Undo"}, uiLanguage)
                                                        : Pick({"重做", "Redo"}, uiLanguage);
  std::vector<StoreChange> sent;
  for (const StoreChange& c : changes)
    if (c.sent) sent.push_back(c);
  if (sent.empty()) return verb;
  // A band drag names its band once: "EQ3 频率 … , 增益 …".
  const int firstBand = BandWordOf(store, sent.front().viewAddress);
  const bool oneBand = sent.size() == 2 && firstBand >= 0 &&
                       BlockOf(sent[0].viewAddress) == BlockOf(sent[1].viewAddress) &&
                       BandWordOf(store, sent[1].viewAddress) / 256 == firstBand / 256 &&
                       BandWordOf(store, sent[1].viewAddress) >= 0;
  if (sent.size() == 1 || oneBand) {
    QString text = verb + QLatin1Char(' ') + ChangeText(store, sent[0], uiLanguage, true);
    if (oneBand) text += QStringLiteral(", ") + ChangeText(store, sent[1], uiLanguage, false);
    return text;
  }
  return uiLanguage == 1 ? QStringLiteral("%1 %2 项参数").arg(verb).arg(sent.size())
                         : QStringLiteral("%1 %2 settings").arg(verb).arg(sent.size());
}

}  // namespace morvelin
