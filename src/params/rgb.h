#pragma once
// A colour as red, green and blue 0..255; the core names colours without depending on Qt's GUI.

namespace morvelin {

struct Rgb {
  int red = 0, green = 0, blue = 0;
  bool operator==(const Rgb&) const = default;
};

}  // namespace morvelin
