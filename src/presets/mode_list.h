#pragma once
// The items of the mode list in its three shapes, and the texts taken from them.

#include <QString>
#include <QStringList>
#include <string>

#include "params/param_store.h"

namespace morvelin {

// From start until the first refresh: "1-" .. "22-".
QStringList PlaceholderModeItems();
// After every refresh: "1-name" .. "16-name".
QStringList ModeItems(const UnitInfo& unit);
// After a saved mode: the 16 items, then "MF1-name" .. "MF6-name".
QStringList SavedModeItems(const UnitInfo& unit);

// The name part of the item at `position`: its number prefix dropped ("12-Party" -> "Party",
// "MF3-Live" -> "Live"); empty when nothing is left.
QString ModeNameOfItem(const QString& item, int position);

// CurrentModeLabel for the 0-based mode number.
QString CurrentModeText(int mode, int uiLanguage);

// A typed name as the unit takes it: at most 20 characters, and cut at a whole character so
// that its UTF-8 form fits the unit's 20 bytes.
std::string ModeNameForUnit(const QString& typed);

}  // namespace morvelin
