#include "editor/widgets/readout_width.h"

#include <QFontMetrics>
#include <algorithm>
#include <optional>

#include "editor/display_kinds.h"
#include "editor/widgets/controls/text_controls.h"
#include "params/scales.h"

namespace morvelin {

std::vector<std::string> KindTexts(int kind) {
  std::vector<Quantity> quantities;
  if (kind == kKindNone) {
    quantities.push_back(Quantity::SystemVolume);  // the system volume panes show the plain word
  } else {
    for (const bool deq : {false, true})
      for (const bool shelf : {false, true})
        for (const bool sub : {false, true})
          if (const std::optional<Quantity> q = KindQuantity(kind, KindVariant{deq, shelf, sub}))
            if (std::find(quantities.begin(), quantities.end(), *q) == quantities.end())
              quantities.push_back(*q);
  }
  std::vector<std::string> texts;
  for (const Quantity q : quantities)
    for (int word = ScaleMin(q); word <= ScaleMax(q); ++word) texts.push_back(ScaleText(q, word));
  return texts;
}

int WidestKindText(int kind, const QFontMetrics& metrics) {
  int widest = 0;
  for (const std::string& text : KindTexts(kind))
    widest = std::max(widest, metrics.horizontalAdvance(QString::fromStdString(text)));
  return widest;
}

int ReadoutPaneWidth(int kind, const QFont& font) {
  return StatusPane::WidthForText(WidestKindText(kind, QFontMetrics(font)));
}

}  // namespace morvelin
