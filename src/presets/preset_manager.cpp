#include "presets/preset_manager.h"

#include <QFileInfo>
#include <algorithm>

#include "link/frames.h"
#include "presets/mode_list.h"
#include "presets/preset_texts.h"

namespace morvelin {

namespace {

constexpr int kManagerLevel = 1;

}  // namespace

PresetManager::PresetManager(ParamStore& store, PresetView& view, PresetDialogs& dialogs, ModeSaveLink& link,
                             BackupFiles& files, BackupFolders& folders, const UiFlags& flags)
    : store_(store),
      view_(view),
      dialogs_(dialogs),
      link_(link),
      files_(files),
      folders_(folders),
      flags_(flags) {}

void PresetManager::ShowModeItems(QStringList items, int selected) {
  modeItems_ = std::move(items);
  view_.SetModeItems(modeItems_);
  view_.SetModeIndex(selected >= 0 && selected < modeItems_.size() ? selected : -1);
}

void PresetManager::ShowInitialModeList() {
  ShowModeItems(PlaceholderModeItems(), 0);
  view_.SetCurrentModeText(QString::fromUtf8(kInitialCurrentMode));
}

void PresetManager::RefreshModeList() {
  const int mode = store_.Device(ModeRecallAddr);
  ShowModeItems(ModeItems(store_.Unit), mode);
  SysModeBoxChange();
  view_.SetCurrentModeText(CurrentModeText(mode, flags_.UiLanguage));
}

void PresetManager::SysModeBoxChange() {
  const int i = view_.ModeIndex();
  // Nothing selected (a current mode beyond the 16 items): no name to show.
  view_.SetPresetModeText(i >= 0 && i < modeItems_.size() ? ModeNameOfItem(modeItems_[i], i) : QString());
}

void PresetManager::SysLoadModeBtnClick(ModeButton button) {
  if (button == ModeButton::Load)
    Recall();
  else
    Save();
}

void PresetManager::Recall() {
  const int i = view_.ModeIndex();
  // Without a selection there is no mode number to send.
  if (i < 0 || i >= modeItems_.size()) return;
  const QString text =
      InLanguage(kRecallQuestion, flags_.UiLanguage) + modeItems_[i] + QLatin1String(kModeQuestionEnd);
  if (!dialogs_.AskYesNo(QLatin1String(kPresetCaption), text)) return;
  if (beforeOverwrite_) beforeOverwrite_(BeforeRecallReason(i + 1), QString());
  store_.SetParam(ModeRecallAddr, i);
}

void PresetManager::Save() {
  if (store_.View(AccessLevelAddr) != kManagerLevel) {
    dialogs_.ShowMessage(QLatin1String(kPresetCaption), InLanguage(kSaveRefused, flags_.UiLanguage));
    return;
  }
  int i = view_.ModeIndex();
  if (i < 0 || i >= modeItems_.size()) return;
  // The factory entries cannot be overwritten: their name goes to mode 1.
  if (i >= kModeCount) {
    i = 0;
    view_.SetModeIndex(i);
  }
  const QString name = view_.PresetModeText();
  const QString text = InLanguage(kSaveModeQuestion, flags_.UiLanguage) + QString::number(i + 1) +
                       QLatin1Char('-') + name + QLatin1String(kModeQuestionEnd);
  if (!dialogs_.AskYesNo(QLatin1String(kPresetCaption), text)) return;
  link_.SaveMode(i, ModeNameForUnit(name));
}

void PresetManager::ModeSaved() {
  ShowModeItems(SavedModeItems(store_.Unit), view_.ModeIndex());
}

QString PresetManager::RowName(int row) const {
  return row >= 0 && static_cast<std::size_t>(row) < backupRows_.size()
             ? backupRows_[static_cast<std::size_t>(row)].name
             : QString();
}

void PresetManager::ShowSafetyBackups(const SafetyBackups* safety) {
  safety_ = safety;
  RefreshBackupList();
}

void PresetManager::RefreshBackupList() {
  if (safety_) {
    safetyFiles_ = safety_->List();
    backupRows_.clear();
    for (std::size_t n = 0; n < safetyFiles_.size(); ++n)
      backupRows_.push_back({QString::number(n), safetyFiles_[n].name});
  } else {
    safetyFiles_.clear();
    backupRows_ = folders_.ListBackupFiles();
  }
  view_.SetBackupRows(backupRows_);
  view_.SetBackupRowIndex(backupRows_.empty() ? -1 : 0);
  // The listed name is already without its extension; stripping it again would name another file.
  view_.SetFileText(RowName(backupRows_.empty() ? -1 : 0));
}

void PresetManager::ValueListEditor1Click() {
  const int row = view_.BackupRowIndex();
  if (row < 0 || static_cast<std::size_t>(row) >= backupRows_.size()) return;
  view_.SetFileText(RowName(row));
  if (flags_.StartupDone) view_.FocusFileEdit();
}

bool PresetManager::ReplaceConfirmed(const QString& name) {
  const QString caption = InLanguage(kOverwriteCaption, flags_.UiLanguage);
  const QString question = InLanguage(kOverwriteQuestion, flags_.UiLanguage);
  bool listed = false;
  // The grid may show the safety backups, which are no names of the backup folder.
  for (const BackupRow& row : safety_ ? std::vector<BackupRow>{} : backupRows_) {
    if (row.name != name) continue;  // letter case counts
    listed = true;
    if (!dialogs_.AskOkCancel(caption, question)) return false;
  }
  // A file the listing does not show under this exact name (past the listed names, written
  // since, or the same name in other letter case on a file system that ignores case) would be
  // replaced all the same.
  if (!listed && QFileInfo::exists(folders_.BackupPath(name))) return dialogs_.AskOkCancel(caption, question);
  return true;
}

void PresetManager::RzBmpButton120Click() {
  const QString name = view_.FileText();
  if (name.isEmpty()) return;
  if (!ReplaceConfirmed(name)) return;
  files_.SaveBackupFile(name);
  RefreshBackupList();
}

void PresetManager::RzBmpButton119Click() {
  const QString name = view_.FileText();
  const QString text =
      InLanguage(kLoadBackupQuestion, flags_.UiLanguage) + name + QLatin1String(kLoadBackupQuestionEnd);
  if (!dialogs_.AskYesNo(QLatin1String(kPresetCaption), text)) return;
  if (!safety_) {
    if (beforeOverwrite_) beforeOverwrite_(BeforeLoadReason(name), QString());
    files_.LoadBackupFile(name);
    return;
  }
  auto file = std::find_if(safetyFiles_.begin(), safetyFiles_.end(),
                           [&](const SafetyFile& f) { return f.name == name; });
  // A name typed over the listed one is not loaded from elsewhere.
  const QString path = file != safetyFiles_.end() ? file->path : QString();
  if (beforeOverwrite_) beforeOverwrite_(BeforeLoadReason(name), path);
  files_.LoadBackupAt(path);
  // The safety backup made just now is listed.
  RefreshBackupList();
}

}  // namespace morvelin
