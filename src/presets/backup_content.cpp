#include "presets/backup_content.h"

#include <cstdint>

namespace morvelin {

namespace {

constexpr int kStatusInputIndex = kBackupExtraAddress % 256;

std::string WordLine(std::int32_t address, std::int32_t value, std::int32_t k) {
  return EncodeLine(std::to_string(address ^ k) + " " + std::to_string(value ^ k));
}

CheckedBackup Failed(BackupCheck why) {
  return CheckedBackup{why, {}};
}

}  // namespace

int BackupBlockWordCount() {
  int n = 0;
  for (int b = 0; b <= kBackupLastBlock; ++b) n += BlockLengths(b) + 1;
  return n;
}

std::vector<std::string> BackupLines(const Image& device, int headerMask) {
  std::vector<std::string> lines;
  lines.reserve(static_cast<std::size_t>(BackupBlockWordCount()) + 5);
  lines.push_back(EncodeLine("J3 " + std::to_string(kIdentityFirst ^ headerMask)));
  lines.push_back(EncodeLine("Tolve " + std::to_string(kIdentitySecond ^ headerMask)));
  std::int32_t k = 1;
  std::uint32_t sum = 0;  // wraps like the signed 32-bit sum it stands for
  // One word more per block than a block transfer carries: the files have always held it.
  for (int b = 0; b <= kBackupLastBlock; ++b) {
    for (int i = 0; i <= BlockLengths(b); ++i) {
      const Word v = device[b][i];
      lines.push_back(WordLine(MakeAddress(b, i), v, ++k));
      sum += static_cast<std::uint32_t>(v);
    }
  }
  const Word extra = device[kStatusBlock][kStatusInputIndex];
  lines.push_back(WordLine(kBackupExtraAddress, extra, ++k));
  sum += static_cast<std::uint32_t>(extra);
  lines.push_back(EncodeLine("Intoal: " + std::to_string(++k)));
  lines.push_back(EncodeLine("CCCCK: " + std::to_string(CheckValue(static_cast<std::int32_t>(sum)))));
  return lines;
}

CheckedBackup CheckBackup(const std::vector<std::string>& storedLines) {
  std::vector<std::string> lines;
  lines.reserve(storedLines.size());
  for (const std::string& stored : storedLines) {
    std::optional<std::string> plain = DecodeLine(stored);
    if (!plain) return Failed(BackupCheck::Corrupted);
    lines.push_back(std::move(*plain));
  }

  // The mask comes from the first identity value, so files written with another mask load too.
  if (lines.size() < 2) return Failed(BackupCheck::FormatError);
  const auto first = NumberField(lines[0], 1);
  const auto second = NumberField(lines[1], 1);
  if (!first || !second) return Failed(BackupCheck::FormatError);
  const std::int32_t mask = *first ^ kIdentityFirst;
  if (mask < 0 || mask > 255 || (*second ^ mask) != kIdentitySecond) return Failed(BackupCheck::FormatError);

  // Two identity lines, a count line and a check line at the least.
  const std::size_t count = lines.size();
  if (count < 4) return Failed(BackupCheck::Corrupted);
  const auto counted = NumberField(lines[count - 2], 1);
  if (!counted || static_cast<std::int64_t>(*counted) != static_cast<std::int64_t>(count) - 2)
    return Failed(BackupCheck::Corrupted);

  CheckedBackup out;
  out.words.reserve(count);
  std::uint32_t sum = 0;
  for (std::size_t line = 2; line + 2 < count; ++line) {
    const std::vector<std::string> fields = SplitFields(lines[line]);
    const auto a = fields.size() > 1 ? ParseNumber(fields[0]) : std::nullopt;
    const auto v = fields.size() > 1 ? ParseNumber(fields[1]) : std::nullopt;
    if (!a || !v) return Failed(BackupCheck::Corrupted);
    const auto k = static_cast<std::int32_t>(line);
    const std::int32_t address = *a ^ k;
    const std::int32_t value = *v ^ k;
    sum += static_cast<std::uint32_t>(value);
    // A word outside the store still counts toward the checksum but is never written.
    if (IsValidAddress(address)) out.words.push_back({address, value});
  }
  const auto check = NumberField(lines[count - 1], 1);
  if (!check || *check != CheckValue(static_cast<std::int32_t>(sum))) return Failed(BackupCheck::Corrupted);
  return out;
}

void ApplyBackup(const std::vector<BackupWord>& words, ParamStore& store) {
  for (const BackupWord& w : words) store.SetDevice(w.address, w.value);
}

}  // namespace morvelin
