#pragma once
// Value panes and edits are sized from the widest text their display kind can show, so no value
// of the unit is ever clipped, whatever the font.

#include <string>
#include <vector>

class QFont;
class QFontMetrics;

namespace morvelin {

// Every text a control of display kind `kind` can show, over all its page and band variants;
// empty for unused kinds.
std::vector<std::string> KindTexts(int kind);

// Advance of the widest of KindTexts(kind) in `metrics`.
int WidestKindText(int kind, const QFontMetrics& metrics);

// Width a readout pane needs for every text of its kind in `font`.
int ReadoutPaneWidth(int kind, const QFont& font);

}  // namespace morvelin
