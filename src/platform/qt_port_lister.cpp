#include "platform/qt_port_lister.h"

#include <QSerialPortInfo>
#include <algorithm>
#include <cctype>

namespace morvelin {

namespace {

bool IsDigit(char c) {
  return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

// Natural order: runs of digits compare by value, everything else by character.
bool NaturalLess(const std::string& a, const std::string& b) {
  std::size_t i = 0;
  std::size_t j = 0;
  while (i < a.size() && j < b.size()) {
    if (IsDigit(a[i]) && IsDigit(b[j])) {
      std::size_t ei = i;
      std::size_t ej = j;
      while (ei < a.size() && IsDigit(a[ei])) ++ei;
      while (ej < b.size() && IsDigit(b[ej])) ++ej;
      std::string da = a.substr(i, ei - i);
      std::string db = b.substr(j, ej - j);
      da.erase(0, std::min(da.find_first_not_of('0'), da.size()));
      db.erase(0, std::min(db.find_first_not_of('0'), db.size()));
      if (da.size() != db.size()) return da.size() < db.size();
      if (da != db) return da < db;
      i = ei;
      j = ej;
    } else {
      if (a[i] != b[j]) return a[i] < b[j];
      ++i;
      ++j;
    }
  }
  if ((a.size() - i) != (b.size() - j)) return (a.size() - i) < (b.size() - j);
  return a < b;  // equal naturally ("COM01" and "COM1"): any fixed order
}

}  // namespace

std::vector<std::string> SortedPortNames(std::vector<std::string> names) {
  std::sort(names.begin(), names.end(), NaturalLess);
  names.erase(std::unique(names.begin(), names.end()), names.end());
  return names;
}

std::vector<std::string> QtPortLister::PortNames() const {
  std::vector<std::string> found;
  for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
    found.push_back(info.portName().toStdString());
  std::vector<std::string> names = SortedPortNames(std::move(found));
  for (const std::string& e : extra_)
    if (std::find(names.begin(), names.end(), e) == names.end()) names.push_back(e);
  return names;
}

}  // namespace morvelin
