#pragma once
// The main window's side of accessibility. The window installs the factory of the controls'
// interfaces before it builds its controls; this feature of the editor session links each
// control to what names it (its line's label, its band and row caption, its readout) and keeps
// the window's language for the interfaces, telling assistive tools when the names change.

#include <QObject>

class QAccessibleInterface;
class QWidget;

namespace morvelin {

class EditorSession;
class FormComponents;

namespace a11y {
// The factory given to QAccessible::installFactory: the form's controls and the graph.
QAccessibleInterface* Factory(const QString& className, QObject* object);
// Installs it; Qt keeps one list of factories for the program and adds a factory only once.
void InstallFactory();
}  // namespace a11y

class AccessibleForm : public QObject {
  Q_OBJECT
 public:
  AccessibleForm(EditorSession& session, FormComponents& components, QWidget& window);

 private:
  void FormCreate();
  void LinkLines();
  void LinkStrips();
  void MarkTwoStateButtons();
  void LanguageChange(int uiLanguage);
  void NameQtWidgets();

  EditorSession& session_;
  FormComponents& comps_;
  QWidget& window_;
  bool linked_ = false;
};

}  // namespace morvelin
