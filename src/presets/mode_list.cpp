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
  return item.mid(prefix);
}

QString CurrentModeText(int mode, int uiLanguage) {
  return InLanguage(kCurrentModePrefix, uiLanguage) + QString::number(mode + 1) +
         QLatin1String(kCurrentModeEnd);
}

std::string ModeNameForUnit(const QString& typed) {
  QString name = typed.left(kModeNameLength);
  if (!name.isEmpty() && name.back().isHighSurrogate()) name.chop(1);
  std::string bytes = name.toStdString();
  while (bytes.size() > static_cast<std::size_t>(kModeNameLength)) {
    name.chop(name.size() >= 2 && name.back().isLowSurrogate() ? 2 : 1);
    bytes = name.toStdString();
  }
  return bytes;
}

}  // namespace morvelin
