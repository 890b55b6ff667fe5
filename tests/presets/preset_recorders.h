#pragma once
// Stand-ins for the preset groups' widgets, dialogs and the link's mode save.

#include <QString>
#include <QStringList>
#include <deque>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "params/param_store.h"
#include "presets/preset_view.h"
#include "support/qstring_print.h"

namespace morvelin {

struct RecordingPresetView : PresetView {
  QStringList modeItems;
  int modeIndex = -1;
  QString presetModeText;
  QString currentModeText;
  std::vector<BackupRow> backupRows;
  int backupRow = -1;
  QString fileText;
  int focusCount = 0;

  void SetModeItems(const QStringList& items) override {
    modeItems = items;
    modeIndex = -1;  // a refilled list has no selection until one is set
  }
  int ModeIndex() const override { return modeIndex; }
  void SetModeIndex(int index) override { modeIndex = index; }
  QString PresetModeText() const override { return presetModeText; }
  void SetPresetModeText(const QString& text) override { presetModeText = text; }
  void SetCurrentModeText(const QString& text) override { currentModeText = text; }
  void SetBackupRows(const std::vector<BackupRow>& rows) override {
    backupRows = rows;
    backupRow = -1;
  }
  int BackupRowIndex() const override { return backupRow; }
  void SetBackupRowIndex(int row) override { backupRow = row; }
  QString FileText() const override { return fileText; }
  void SetFileText(const QString& text) override { fileText = text; }
  void FocusFileEdit() override { ++focusCount; }
};

// Answers come from a script; a question the script does not cover is answered No/Cancel.
struct ScriptedDialogs : PresetDialogs {
  enum class Kind { YesNo, OkCancel, Message };
  struct Shown {
    Kind kind;
    QString caption;
    QString text;
  };
  std::deque<bool> answers;
  std::vector<Shown> shown;

  bool Answer(Kind kind, const QString& caption, const QString& text) {
    shown.push_back({kind, caption, text});
    if (answers.empty()) return false;
    const bool a = answers.front();
    answers.pop_front();
    return a;
  }
  bool AskYesNo(const QString& caption, const QString& text) override {
    return Answer(Kind::YesNo, caption, text);
  }
  bool AskOkCancel(const QString& caption, const QString& text) override {
    return Answer(Kind::OkCancel, caption, text);
  }
  void ShowMessage(const QString& caption, const QString& text) override {
    shown.push_back({Kind::Message, caption, text});
  }
};

// Behaves as the link does: an online save stores the name and goes out.
struct RecordingModeLink : ModeSaveLink {
  explicit RecordingModeLink(ParamStore& s) : store(s) {}
  ParamStore& store;
  bool online = true;
  std::vector<std::pair<int, std::string>> saves;
  int refusals = 0;
  bool SaveMode(int modeIndex, const std::string& name) override {
    if (!online) {
      ++refusals;
      return false;
    }
    store.Unit.ModeNames[static_cast<std::size_t>(modeIndex)] = name;
    saves.emplace_back(modeIndex, name);
    return true;
  }
};

// An edit sender that records what SetParam hands on.
struct RecordingEditSender : EditSender {
  bool online = true;
  std::vector<std::pair<int, int>> edits;
  bool LinkOnline() const override { return online; }
  void SendEdit(int deviceAddress, int value) override { edits.emplace_back(deviceAddress, value); }
  void MarkNotReady() override {}
};

}  // namespace morvelin
