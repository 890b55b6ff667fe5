#include "editor/binding_entries.h"

#include <algorithm>
#include <map>

#include "editor/page_tables.h"
#include "params/block_table.h"

namespace morvelin {

using namespace pages;

std::vector<BindingEntry> BindingEntries() {
  std::map<int, BindingEntry> byAddress;
  auto entry = [&](int address) -> BindingEntry& {
    BindingEntry& e = byAddress[address];
    e.address = address;
    return e;
  };
  auto text = [](const char* s) { return QString::fromUtf8(s); };

  for (const LineRow& r : LineRows()) {
    if (r.address == kNoAddress) continue;
    BindingEntry& e = entry(r.address);
    e.value = text(r.name);
    e.readout = text(r.pane);
    if (r.side[0] && r.sideKind == Kind::Spin) e.aux[0] = text(r.side);
    for (std::size_t i = 0; i < r.aux.size(); ++i)
      if (r.aux[i][0]) e.aux[i] = text(r.aux[i]);
    if (r.side[0] && r.sideKind == Kind::BmpButton && r.sideAddress != kNoAddress)
      entry(r.sideAddress).value = text(r.side);
  }
  for (const ControlRow& r : ControlRows())
    if (r.flags & kRegistered) entry(r.tag).value = text(r.name);

  for (const StripRow& s : StripRows()) {
    const QString prefix = text(s.prefix);
    for (int n = 1; n <= s.strips; ++n) {
      const int band = n - 1;
      auto at = [&](int word) { return MakeAddress(s.block, BandWordIndex(s.first, band, word)); };
      const QString num = QString::number(n);
      BindingEntry& type = entry(at(0));
      type.value = prefix + "ModeBox" + num;
      for (int slot = 0; slot < 4; ++slot)
        type.aux[static_cast<std::size_t>(slot)] = NumberedName(s.typeLabels[slot], n);
      entry(at(1)).value = prefix + "FreEdit" + num;
      BindingEntry& gain = entry(at(2));
      gain.value = prefix + "GainEdit" + num;
      gain.aux[0] = NumberedName(s.gainBar, n);
      for (int word : {3, 4}) {
        BindingEntry& q = entry(at(word));
        q.value = prefix + "QEdit" + num;
        if (word == s.qSpinWord && n <= s.bands) q.aux[0] = NumberedName(s.spin, n);
      }
    }
  }
  for (const ExtraBindingRow& r : ExtraBindingRows()) {
    BindingEntry& e = entry(r.address);
    e.value = text(r.value);
    e.readout = text(r.readout);
  }

  std::vector<BindingEntry> out;
  out.reserve(byAddress.size());
  for (auto& [address, e] : byAddress) out.push_back(std::move(e));
  return out;
}

}  // namespace morvelin
