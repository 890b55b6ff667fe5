#pragma once
// Readable parameter files: every word of a backup (or of the unit) with the control that shows
// it, as JSON or CSV; such a JSON file read back with its words checked against the binding
// table; and two sets of words compared by name.

#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "params/param_store.h"
#include "presets/notifier.h"

namespace morvelin {

// One word and the control that shows it; the names are empty for a word no control shows.
struct ParameterRow {
  int address = 0;  // device address
  std::string page;
  std::string group;
  std::string control;
  std::string zh;
  std::string en;
  int kind = -1;        // display kind of the value's text; -1: the raw word
  int items = 0;        // list items (pages::Items) of a drop-down list
  bool shelfQ = false;  // strip Q of a shelving band
};

// The words a backup file holds (blocks 0..24, each up to and with its length word, and the
// input source), in file order.
std::vector<int> BackupAddresses();
// The backup's words and the hidden-page and system blocks that only the unit holds.
std::vector<int> UnitAddresses();

// Each of the addresses with its control, page, group and captions from the binding table.
std::vector<ParameterRow> ParameterRows(const std::vector<int>& addresses);

// The text the control shows for the word.
std::string ParameterValueText(const ParameterRow& row, Word word);

struct ParameterWord {
  int address;
  Word word;
  friend bool operator==(const ParameterWord&, const ParameterWord&) = default;
};
using ParameterSet = std::vector<ParameterWord>;  // in address order of its source

ParameterSet WordsOf(const Image& device, const std::vector<int>& addresses);

// "B:I"
std::string AddressText(int address);

enum class ParameterFormat { Json, Csv };
std::string ParameterFileText(const ParameterSet& words, ParameterFormat format);

struct ParameterRead {
  std::optional<ParameterSet> words;
  int errorLine = 0;  // 1-based; 0: the file as a whole
  std::string error;
};
// Reads a JSON export; an address outside the store or a control name that is not the one the
// binding table gives that address is refused with its line.
ParameterRead ReadParameterJson(const std::string& text);

// Reads a backup file's words without touching any store; error set when it fails its checks.
ParameterRead ReadBackupWords(const QString& path);

// Puts the words into the backup file at `path`, keeping its other words (a new file starts
// from zeros); words a backup does not hold are left out and counted in `skipped`. False when
// the file exists but fails its checks, or cannot be written (the notice names it).
bool WriteWordsToBackup(const QString& path, const ParameterSet& words, Notifier& notifier, int* skipped);

// "CONTROL (B:I): A -> B" for each address both sets hold with different words.
std::vector<std::string> DiffParameters(const ParameterSet& a, const ParameterSet& b);

}  // namespace morvelin
