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

// The name part of the item at `position`: its number prefix and the unit's trailing padding
// dropped ("12-Party   " -> "Party", "MF3-Live" -> "Live"); empty when nothing is left.
QString ModeNameOfItem(const QString& item, int position);

// CurrentModeLabel for the 0-based mode number.
QString CurrentModeText(int mode, int uiLanguage);

// A typed name as the unit takes it: at most 20 printable ASCII characters; any other character
// becomes "?", which is what the unit would show for it.
std::string ModeNameForUnit(const QString& typed);

// The characters a mode name may hold: printable ASCII, 0x20..0x7E.
bool IsModeNameChar(QChar c);

}  // namespace morvelin
