#pragma once
// The system page's mode and backup widgets as the preset groups see them: SysModeBox,
// PresetModeEdit, CurrentModeLabel, the backup grid ValueListEditor1 and FileEdit.

#include <QObject>

#include "presets/preset_view.h"

namespace morvelin {

class ComboBox;
class Edit;
class FormComponents;
class Label;
class ListEditor;

class WidgetPresetView : public PresetView {
 public:
  // Also gives the grid its columns and rows and the name field its length limit.
  explicit WidgetPresetView(const FormComponents& components);

  void SetModeItems(const QStringList& items) override;
  int ModeIndex() const override;
  void SetModeIndex(int index) override;
  QString PresetModeText() const override;
  void SetPresetModeText(const QString& text) override;
  void SetCurrentModeText(const QString& text) override;
  void SetBackupRows(const std::vector<BackupRow>& rows) override;
  int BackupRowIndex() const override;
  void SetBackupRowIndex(int row) override;
  QString FileText() const override;
  void SetFileText(const QString& text) override;
  void FocusFileEdit() override;

  ComboBox* ModeBox() const { return modeBox_; }
  ListEditor* Grid() const { return grid_; }

 private:
  ComboBox* modeBox_;
  Edit* modeEdit_;
  Label* currentMode_;
  ListEditor* grid_;
  Edit* fileEdit_;
};

// Discards every typed character on the grid, as ValueListEditor1KeyPress decides; the arrow
// keys and the focus keys go on.
class GridTypingFilter : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace morvelin
