#include "shell/eq_file_menu.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QSaveFile>

#include "editor/editor_session.h"
#include "graphs/block_curve.h"
#include "graphs/eq_exchange.h"
#include "shell/graph_wiring.h"

namespace morvelin {

namespace {

constexpr qint64 kMaxEqFileBytes = 1024 * 1024;
const QString kFilter = QStringLiteral("Filter settings (*.txt);;All files (*)");

}  // namespace

QString ModalEqFileDialogs::SaveFileName(QWidget* owner, const QString& suggested) {
  return QFileDialog::getSaveFileName(owner, QStringLiteral("Export EQ"), suggested, kFilter);
}

QString ModalEqFileDialogs::OpenFileName(QWidget* owner) {
  return QFileDialog::getOpenFileName(owner, QStringLiteral("Import EQ"), {}, kFilter);
}

bool ModalEqFileDialogs::ConfirmImport(QWidget* owner, const EqPreview& preview, int uiLanguage) {
  EqPreviewDialog dialog(preview, uiLanguage, owner);
  return dialog.exec() == QDialog::Accepted;
}

void ModalEqFileDialogs::Notice(QWidget* owner, const QString& text) {
  QMessageBox::information(owner, QApplication::applicationDisplayName(), text);
}

EqFileMenu::EqFileMenu(EditorSession& session, GraphWiring& graph) : session_(session), graph_(graph) {
  connect(&session, &EditorSession::FormCreated, this, &EqFileMenu::FormCreate);
}

void EqFileMenu::FormCreate(FormComponents&) {
  ResponseGraph* graph = graph_.Graph();
  if (!graph) return;
  // The graph's children leave the right click to it.
  graph->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(graph, &QWidget::customContextMenuRequested, this, &EqFileMenu::ShowMenu);
}

QString EqFileMenu::Text(const char* zh, const char* en) const {
  return QString::fromUtf8(session_.State().UiLanguage == 1 ? zh : en);
}

int EqFileMenu::DeviceBlock(bool* rightBank) const {
  const int page = session_.State().PageBlock;
  const CurveLayout* layout = CurveLayoutOf(page);
  if (!layout || !HasEqPage(page)) return -1;
  const int viewWord = MakeAddress(page, BandWordIndex(EqBandStart(layout->block), 0, 0));
  const int device = session_.Store().DeviceAddressOf(viewWord);
  *rightBank = IndexOf(device) != IndexOf(viewWord);
  return BlockOf(device);
}

QMenu* EqFileMenu::BuildMenu(QWidget* parent) {
  bool right = false;
  if (DeviceBlock(&right) < 0) return nullptr;
  auto* menu = new QMenu(parent);
  menu->setObjectName(QStringLiteral("EqFileMenu"));
  menu->setAccessibleName(Text("EQ文件", "EQ file"));
  QAction* exportAction = menu->addAction(Text("导出EQ", "Export EQ"), this, [this] { ExportEq(); });
  exportAction->setObjectName(QStringLiteral("ExportEqAction"));
  exportAction->setStatusTip(
      Text("把本页的EQ保存为滤波器设置文本", "Save the page's EQ as filter-settings text"));
  QAction* importAction = menu->addAction(Text("导入EQ", "Import EQ"), this, [this] { ImportEq(); });
  importAction->setObjectName(QStringLiteral("ImportEqAction"));
  importAction->setStatusTip(
      Text("从滤波器设置文本读入本页的EQ", "Read the page's EQ from filter-settings text"));
  return menu;
}

void EqFileMenu::ShowMenu(QPoint at) {
  ResponseGraph* graph = graph_.Graph();
  QMenu* menu = graph ? BuildMenu(graph) : nullptr;
  if (!menu) return;
  menu->setAttribute(Qt::WA_DeleteOnClose);
  menu->popup(graph->mapToGlobal(at));
}

bool EqFileMenu::ExportEq() {
  bool right = false;
  const int block = DeviceBlock(&right);
  if (block < 0) return false;
  QWidget* owner = graph_.Graph();
  const QString path = dialogs_->SaveFileName(owner, QStringLiteral("eq-block%1.txt").arg(block));
  if (path.isEmpty()) return false;
  const int page = session_.State().PageBlock;
  const std::string text = ExportEqText(session_.Store().ViewImage[static_cast<std::size_t>(page)], page,
                                        EqPageTitle(block, right));
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(text.data(), static_cast<qint64>(text.size())) < 0 ||
      !file.commit()) {
    dialogs_->Notice(owner, Text("无法保存文件: ", "Cannot save file: ") + path);
    return false;
  }
  return true;
}

bool EqFileMenu::ImportEq() {
  bool right = false;
  const int block = DeviceBlock(&right);
  if (block < 0) return false;
  QWidget* owner = graph_.Graph();
  const QString path = dialogs_->OpenFileName(owner);
  if (path.isEmpty()) return false;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxEqFileBytes) {
    dialogs_->Notice(owner, Text("无法读取文件: ", "Cannot read file: ") + path);
    return false;
  }
  const EqParse parse = ParseEqText(file.readAll().toStdString());
  if (!parse.file) {
    const QString where =
        parse.errorLine > 0 ? Text("第%1行：", "Line %1: ").arg(parse.errorLine) : QString();
    dialogs_->Notice(owner, Text("文件格式错误!", "File format error!") + "\n" + where +
                                QString::fromStdString(parse.error));
    return false;
  }
  const int page = session_.State().PageBlock;
  ParamStore& store = session_.Store();
  const BlockWords& current = store.ViewImage[static_cast<std::size_t>(page)];
  const EqFit fit = FitEqFile(*parse.file, current, page);
  EqPreview preview;
  preview.title = QString::fromStdString(EqPageTitle(block, right));
  preview.current = SumResponses(CurveEntries(current, page));
  preview.imported = SumResponses(CurveEntries(fit.words, page));
  preview.maxDifferenceDb = fit.maxDifferenceDb;
  for (const std::string& line : fit.report) preview.report << QString::fromStdString(line);
  preview.changes = static_cast<int>(fit.changes.size());
  if (!dialogs_->ConfirmImport(owner, preview, session_.State().UiLanguage)) return false;
  // Through the normal edit path, paced: the first word goes at once, the rest one per
  // acknowledgement.
  runStep_([&] {
    for (const PageWordChange& c : fit.changes) store.SetParamPaced(MakeAddress(page, c.index), c.value);
  });
  session_.RefreshPage(page);
  session_.RedrawCurves(page);
  return true;
}

}  // namespace morvelin
