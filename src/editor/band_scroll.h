#pragma once
// Keeping the highlighted band's strip in view: the pan bar position for a band, and the strip
// box offset for a pan bar position.

#include <optional>

namespace morvelin {

inline constexpr int kBandStripWidth = 65;  // pixels per band strip

// Pages whose band strips scroll (page index of the page control), and how many strips they show.
struct StripWindow {
  int pageIndex;
  int visible;
};
inline constexpr StripWindow kStripWindows[] = {{0, 10}, {1, 10}, {3, 5}};

// Strips shown at once on a page, nullopt when its strips do not scroll.
std::optional<int> VisibleStrips(int pageIndex);

// The pan bar position that shows 0-based band `band`, starting from position `position`:
// unchanged while the band is in view, else the nearest position that shows it.
int ScrollPositionForBand(int visible, int position, int band);
// The same for a page; nullopt when the page has no pan bar.
std::optional<int> ScrollPositionOnPage(int pageIndex, int position, int band);

// The strip box's horizontal offset for a pan bar position.
constexpr int StripOffsetPixels(int position) {
  return kBandStripWidth * position;
}

}  // namespace morvelin
