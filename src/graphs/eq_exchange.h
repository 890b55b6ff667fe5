#pragma once
// The filter-settings text that room-measurement programs and system-wide equalisers share:
// a page's bands and filters written as "Filter N: ON PK Fc 1000 Hz Gain -3.0 dB Q 1.41" lines,
// and such a file read back and fitted onto the unit's words.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "graphs/curve_layout.h"
#include "graphs/response_grid.h"

namespace morvelin {

// The EQ pages a file can be exchanged with: every block with bands but the dynamic EQ.
bool HasEqPage(int block);
// "page Music, channel left", "page Main, channel right, scene disco", ...
std::string EqPageTitle(int block, bool rightBank);

// The words of a page as its layout reads them: the right music bank moved into the left
// bank's places. Other blocks ignore rightBank.
BlockWords EqPageWords(const Image& device, int block, bool rightBank);
// The device word index of a page word (the right music bank lies 75 words further).
int EqDeviceIndex(int block, bool rightBank, int pageIndex);

// Bands as "Filter N:" lines, then the high-pass and low-pass filters; the first line is a
// comment naming the page.
std::string ExportEqText(const BlockWords& words, int block, std::string_view title);

enum class EqFilterKind { Peaking, LowShelf, HighShelf, HighPass, LowPass };

struct EqFilter {
  int line = 0;  // 1-based line of the file
  bool on = true;
  EqFilterKind kind = EqFilterKind::Peaking;
  double frequency = 0;         // Hz
  double gain = 0;              // dB
  std::optional<double> q;      // Q, or the shelf's Q; absent: the band's default
  std::optional<int> passKind;  // high-pass/low-pass kind named by the line's comment
};

struct EqFile {
  std::vector<EqFilter> filters;
  std::vector<std::string> notes;  // "line N: ..." for what is read but not applied
};

struct EqParse {
  std::optional<EqFile> file;
  int errorLine = 0;  // 1-based; 0 when the whole file is at fault
  std::string error;
};

// Accepts a decimal comma as well as a point. A "Filter" or "Preamp" line that cannot be read
// is an error with its line; other lines are noted and skipped.
EqParse ParseEqText(std::string_view text);

struct PageWordChange {
  int index;  // page word index
  Word value;
};

struct EqFit {
  BlockWords words{};                   // the page after the import
  std::vector<PageWordChange> changes;  // the words that differ from the current ones, in order
  std::vector<std::string> report;      // the file's notes and what did not fit
  std::vector<CurveEntry> requested;    // the fitted filters as the file asks for them
  double maxDifferenceDb = 0;           // largest gap between requested and quantised response
};

// Fills the page's bands in file order with the nearest words (frequency and Q list entries,
// the gain clamped to the band range), the first high-pass and low-pass lines into the page's
// filters; bands left over are bypassed.
EqFit FitEqFile(const EqFile& file, const BlockWords& current, int block);

// Largest absolute difference between two responses, in dB.
double MaxResponseGap(const Response& a, const Response& b);

}  // namespace morvelin
