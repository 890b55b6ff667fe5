#include "presets/mode_list.h"

#include "presets/preset_texts.h"

namespace morvelin {

namespace {

QString ItemNumber(int position) {
  return position < kModeCount ? QString::number(position + 1)
                               : QStringLiteral("MF") + QString::number(position - kModeCount + 1);
}

QStringList Items(const UnitInfo& unit, int count) {
  QStringList items;
  items.reserve(count);
  for (int n = 0; n < count; ++n)
    items.append(ItemNumber(n) + QLatin1Char('-') + QString::fromStdString(unit.ModeNames[n]));
  return items;
}

}  // namespace

QStringList PlaceholderModeItems() {
  QStringList items;
  items.reserve(kModeNameSlots);
  for (int n = 1; n <= kModeNameSlots; ++n) items.append(QString::number(n) + QLatin1Char('-'));
  return items;
}

QStringList ModeItems(const UnitInfo& unit) {
  return Items(unit, kModeCount);
}

QStringList SavedModeItems(const UnitInfo& unit) {
  return Items(unit, kModeNameSlots);
}

QString ModeNameOfItem(const QString& item, int position) {
  // The prefix length goes by position, as in the unit's own numbering ("9-", "10-", "MF1-").
  const int prefix = position <= 8 ? 2 : position < kModeCount ? 3 : 4;
  // The unit pads its names with spaces; without them the user can type on at once.
  QString name = item.mid(prefix);
  while (name.endsWith(QLatin1Char(' '))) name.chop(1);
  return name;
}

QString CurrentModeText(int mode, int uiLanguage) {
  return InLanguage(kCurrentModePrefix, uiLanguage) + QString::number(mode + 1) +
         QLatin1String(kCurrentModeEnd);
}

std::string ModeNameForUnit(const QString& typed) {
  std::string bytes;
  for (QChar c : typed.left(kModeNameLength)) {
    if (bytes.size() == static_cast<std::size_t>(kModeNameLength)) break;
    bytes += IsModeNameChar(c) ? static_cast<char>(c.unicode()) : '?';  // as the unit would show it
  }
  return bytes;
}

bool IsModeNameChar(QChar c) {
  return c.unicode() >= 0x20 && c.unicode() <= 0x7E;
}

}  // namespace morvelin
