#include "graphs/filter_type.h"

#include <cmath>
#include <numbers>

namespace morvelin {

float SectionQ(const PassSection& section) {
  switch (section.kind) {
    case PassSection::Kind::Bessel2:
      return 1.0f / std::sqrt(3.0f);
    case PassSection::Kind::Butter2:
      return 1.0f / std::sqrt(2.0f);
    case PassSection::Kind::ButterSection:
      if (section.order > 0) {
        const float angle = std::numbers::pi_v<float> * (float(section.index) + 0.5f) / float(section.order);
        return 1.0f / (2.0f * std::sin(angle));
      }
      return 1.0f / std::sqrt(2.0f);
    case PassSection::Kind::Flat:
    case PassSection::Kind::FirstOrder:
      break;
  }
  return 0.0f;
}

}  // namespace morvelin
