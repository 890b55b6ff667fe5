#pragma once
// "导出EQ" / "Export EQ" and "导入EQ" / "Import EQ" on the response graph's right-click menu:
// the page's bands and filters written as filter-settings text, and such a file read, shown
// next to the page's curve and, once confirmed, sent as one paced run of edits.

#include <QObject>
#include <QPoint>
#include <QString>
#include <functional>

#include "shell/eq_preview_dialog.h"

class QMenu;

namespace morvelin {

class EditorSession;
class FormComponents;
class GraphWiring;

// What the menu asks of the user; tests answer in its place.
class EqFileDialogs {
 public:
  virtual ~EqFileDialogs() = default;
  // Empty when cancelled.
  virtual QString SaveFileName(QWidget* owner, const QString& suggested) = 0;
  virtual QString OpenFileName(QWidget* owner) = 0;
  virtual bool ConfirmImport(QWidget* owner, const EqPreview& preview, int uiLanguage) = 0;
  virtual void Notice(QWidget* owner, const QString& text) = 0;
};

class ModalEqFileDialogs : public EqFileDialogs {
 public:
  QString SaveFileName(QWidget* owner, const QString& suggested) override;
  QString OpenFileName(QWidget* owner) override;
  bool ConfirmImport(QWidget* owner, const EqPreview& preview, int uiLanguage) override;
  void Notice(QWidget* owner, const QString& text) override;
};

class EqFileMenu : public QObject {
  Q_OBJECT
 public:
  // Asks with modal dialogs until UseDialogs gives others.
  EqFileMenu(EditorSession& session, GraphWiring& graph);
  void UseDialogs(EqFileDialogs& dialogs) { dialogs_ = &dialogs; }
  // Runs an import's edits, so that the edit history can make them one step.
  using StepRunner = std::function<void(const std::function<void()>&)>;
  void SetStepRunner(StepRunner run) { runStep_ = std::move(run); }

  // The menu for the page shown; nullptr for a page without bands. The caller owns it.
  QMenu* BuildMenu(QWidget* parent);
  // The menu's two commands; false when nothing was written or sent.
  bool ExportEq();
  bool ImportEq();

 private:
  void FormCreate(FormComponents& form);
  void ShowMenu(QPoint at);
  QString Text(const char* zh, const char* en) const;
  // The device block and bank the page's edits reach now; block -1 for a page without bands.
  int DeviceBlock(bool* rightBank) const;

  EditorSession& session_;
  GraphWiring& graph_;
  StepRunner runStep_ = [](const std::function<void()>& edit) { edit(); };
  ModalEqFileDialogs modal_;
  EqFileDialogs* dialogs_ = &modal_;
};

}  // namespace morvelin
