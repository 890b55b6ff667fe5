#include "editor/band_scroll.h"

namespace morvelin {

std::optional<int> VisibleStrips(int pageIndex) {
  for (const StripWindow& w : kStripWindows)
    if (w.pageIndex == pageIndex) return w.visible;
  return std::nullopt;
}

int ScrollPositionForBand(int visible, int position, int band) {
  if (position + visible <= band) return band - (visible - 1);
  if (position > band) return band;
  return position;
}

std::optional<int> ScrollPositionOnPage(int pageIndex, int position, int band) {
  const std::optional<int> visible = VisibleStrips(pageIndex);
  if (!visible) return std::nullopt;
  return ScrollPositionForBand(*visible, position, band);
}

}  // namespace morvelin
