#pragma once
// What a backup holds, line by line: two identity lines, one masked line per block word of
// blocks 0..24 (indexes 0..length inclusive) and the input source word, a count line and a
// check line. Building and checking work on stored (encoded) lines; files are elsewhere.

#include <cstdint>
#include <string>
#include <vector>

#include "params/param_store.h"
#include "presets/backup_codec.h"

namespace morvelin {

inline constexpr int kBackupLastBlock = 24;
inline constexpr int kBackupExtraAddress = 0x1E14;  // block 30, index 20: the input source

// Number of block word lines (the extra word not included): 1879 with the present block table.
int BackupBlockWordCount();

// The stored lines of a backup of `device`, identity values scrambled with `headerMask`.
std::vector<std::string> BackupLines(const Image& device, int headerMask = HeaderMask);

struct BackupWord {
  int address;
  Word value;
};

enum class BackupCheck {
  Ok,
  FormatError,  // identity values wrong
  Corrupted,    // not hex text, a missing or non-numeric field, wrong count or checksum
};

struct CheckedBackup {
  BackupCheck result = BackupCheck::Ok;
  // Only when Ok: the words to apply, in file order; addresses outside the store are left out.
  std::vector<BackupWord> words;
};

// Checks every line of a backup (identity, count, fields, checksum) before anything is applied.
CheckedBackup CheckBackup(const std::vector<std::string>& storedLines);

// Puts checked words into the device image.
void ApplyBackup(const std::vector<BackupWord>& words, ParamStore& store);

}  // namespace morvelin
