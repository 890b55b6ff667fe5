#include "shell/preset_widgets.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QRegularExpressionValidator>

#include "editor/widgets/controls/combo_box.h"
#include "editor/widgets/controls/misc_controls.h"
#include "editor/widgets/controls/text_controls.h"
#include "editor/widgets/form_components.h"
#include "params/param_store.h"
#include "presets/preset_manager.h"

namespace morvelin {

namespace {

constexpr const char* kModeNameHintZh = "模式名称：最多 20 个可打印 ASCII 字符（字母、数字、空格、符号）";
constexpr const char* kModeNameHintEn =
    "Mode name: up to 20 printable ASCII characters (letters, digits, space, signs)";

// The grid's design: the titles carry their leading spaces.
constexpr const char* kKeyTitle = "      No";
constexpr const char* kNameTitle = "                   （PC）Data Name";
constexpr int kKeyWidth = 64;
constexpr int kNameWidth = 510;
constexpr int kRowHeight = 20;

void SetUpGrid(ListEditor& grid) {
  grid.setColumnCount(2);
  grid.setHorizontalHeaderLabels({QString::fromUtf8(kKeyTitle), QString::fromUtf8(kNameTitle)});
  QHeaderView& header = *grid.horizontalHeader();
  header.setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  // The name column keeps its designed width; the grid scrolls sideways when narrower.
  header.setStretchLastSection(false);
  header.setSectionResizeMode(QHeaderView::Fixed);
  header.resizeSection(0, kKeyWidth);
  header.resizeSection(1, kNameWidth);
  QHeaderView& rows = *grid.verticalHeader();
  rows.setSectionResizeMode(QHeaderView::Fixed);
  // The style's minimum follows the font and would make the rows taller than designed.
  rows.setMinimumSectionSize(kRowHeight);
  rows.setDefaultSectionSize(kRowHeight);
  grid.setSelectionMode(QAbstractItemView::SingleSelection);
  grid.setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid.setTabKeyNavigation(false);
}

QTableWidgetItem* Cell(const QString& text) {
  auto* item = new QTableWidgetItem(text);
  item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
  return item;
}

}  // namespace

WidgetPresetView::WidgetPresetView(const FormComponents& components)
    : modeBox_(components.Get(handle::SysModeBox)),
      modeEdit_(components.Get(handle::PresetModeEdit)),
      currentMode_(components.Get(handle::CurrentModeLabel)),
      grid_(components.Get(handle::ValueListEditor1)),
      fileEdit_(components.Get(handle::FileEdit)) {
  // Names are read from their start, unlike the centred value edits.
  for (Edit* e : {modeEdit_, fileEdit_})
    if (e) e->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  if (modeEdit_) {
    modeEdit_->setMaxLength(kModeNameLength);
    // The unit shows any other byte as "?": only printable ASCII can be typed.
    modeEdit_->setValidator(new QRegularExpressionValidator(QRegularExpression("[\\x20-\\x7E]*"), modeEdit_));
    modeEdit_->SetHint(QString::fromUtf8(kModeNameHintEn));
    modeEdit_->setToolTip(QString::fromUtf8(kModeNameHintZh) + "\n" + QString::fromUtf8(kModeNameHintEn));
  }
  if (grid_) SetUpGrid(*grid_);
}

void WidgetPresetView::SetModeItems(const QStringList& items) {
  if (!modeBox_) return;
  // Filling and selecting by the program never reports: only the user's choice runs SysModeBoxChange.
  modeBox_->clear();
  modeBox_->addItems(items);
  modeBox_->setCurrentIndex(-1);
}

int WidgetPresetView::ModeIndex() const {
  return modeBox_ ? modeBox_->currentIndex() : -1;
}

void WidgetPresetView::SetModeIndex(int index) {
  if (modeBox_) modeBox_->setCurrentIndex(index >= 0 && index < modeBox_->count() ? index : -1);
}

QString WidgetPresetView::PresetModeText() const {
  return modeEdit_ ? modeEdit_->text() : QString();
}

void WidgetPresetView::SetPresetModeText(const QString& text) {
  if (modeEdit_) modeEdit_->setText(text);
}

void WidgetPresetView::SetCurrentModeText(const QString& text) {
  if (currentMode_) currentMode_->setText(text);
}

void WidgetPresetView::SetBackupRows(const std::vector<BackupRow>& rows) {
  if (!grid_) return;
  grid_->clearContents();
  grid_->setRowCount(static_cast<int>(rows.size()));
  for (std::size_t r = 0; r < rows.size(); ++r) {
    const int row = static_cast<int>(r);
    grid_->setItem(row, 0, Cell(rows[r].key));
    grid_->setItem(row, 1, Cell(rows[r].name));
  }
  grid_->setCurrentCell(-1, -1);
}

int WidgetPresetView::BackupRowIndex() const {
  return grid_ ? grid_->currentRow() : -1;
}

void WidgetPresetView::SetBackupRowIndex(int row) {
  if (!grid_) return;
  if (row >= 0 && row < grid_->rowCount())
    grid_->setCurrentCell(row, 1);
  else
    grid_->setCurrentCell(-1, -1);
}

QString WidgetPresetView::FileText() const {
  return fileEdit_ ? fileEdit_->text() : QString();
}

void WidgetPresetView::SetFileText(const QString& text) {
  if (fileEdit_) fileEdit_->setText(text);
}

void WidgetPresetView::FocusFileEdit() {
  if (fileEdit_) fileEdit_->setFocus(Qt::OtherFocusReason);
}

bool GridTypingFilter::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
  const auto* key = static_cast<QKeyEvent*>(event);
  // Tab and Backtab move the focus on, as in any dialog.
  if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) return false;
  return PresetManager::ValueListEditor1KeyPress(key->text());
}

}  // namespace morvelin
