#include "editor/widgets/accessibility/accessible_form.h"

#include <QAccessible>
#include <QWidget>

#include "editor/editor_session.h"
#include "editor/page_tables.h"
#include "editor/widgets/accessibility/accessible_names.h"
#include "editor/widgets/accessibility/control_accessibles.h"
#include "editor/widgets/accessibility/graph_accessibles.h"
#include "editor/widgets/controls/misc_controls.h"
#include "editor/widgets/form_components.h"

namespace morvelin {

namespace {

// Buttons of the groups whose pressed look marks the choice.
constexpr const char* kGroupButtons[] = {
    "EchoAToolButton", "EchoBToolButton", "RvbToolButton", "HintMusBtn",  "HintMicABtn", "HintMicBBtn",
    "LeftBtn",         "SameBtn",         "RightBtn",      "EchoFormBtn", "RvbFormBtn",  "EchoAEQBtn",
    "RvbEQBtn",        "SingModeBtn",     "DiscoModeBtn",  "CodeModeBtn", "AutoModeBtn", "ManulModeBtn",
};
constexpr const char* kDeqTypeButtons[] = {"DEQTYpeOffBtn", "DEQTYpeBelowBtn", "DEQTYpeAboveBtn"};
constexpr int kDeqBands = 3;

QString Text(const char* s) {
  return QString::fromUtf8(s);
}

}  // namespace

namespace a11y {

QAccessibleInterface* Factory(const QString& className, QObject* object) {
  // Asked once per class of the object, most derived first: ours answer the first time, and
  // Qt's own widgets under ours (labels, the grid) are left to Qt's interfaces.
  if (!object || !object->isWidgetType() || className != QLatin1StringView(object->metaObject()->className()))
    return nullptr;
  if (QAccessibleInterface* i = ControlInterface(object)) return i;
  return GraphInterface(object);
}

void InstallFactory() {
  QAccessible::installFactory(&Factory);
}

}  // namespace a11y

AccessibleForm::AccessibleForm(EditorSession& session, FormComponents& components, QWidget& window)
    : session_(session), comps_(components), window_(window) {
  connect(&session, &EditorSession::FormCreated, this, [this] { FormCreate(); });
  connect(&session, &EditorSession::LanguageChanged, this, [this](int lang) { LanguageChange(lang); });
}

void AccessibleForm::FormCreate() {
  window_.setProperty(a11y::kLanguageProperty, session_.State().UiLanguage);
  if (linked_) return;
  linked_ = true;
  LinkLines();
  LinkStrips();
  MarkTwoStateButtons();
  NameQtWidgets();
}

void AccessibleForm::LinkLines() {
  for (const pages::LineRow& r : pages::LineRows()) {
    QWidget* control = comps_.Widget(Text(r.name));
    if (!control) continue;
    QWidget* label = nullptr;
    if (r.labelName[0])
      label = comps_.Widget(Text(r.labelName));
    else if (r.zh[0])
      label = comps_.Widget(Text(r.name) + "Label");
    QWidget* pane = r.pane[0] ? comps_.Widget(Text(r.pane)) : nullptr;
    QWidget* side = r.side[0] ? comps_.Widget(Text(r.side)) : nullptr;
    for (QWidget* w : {control, pane, side}) a11y::Link(w, a11y::kLabelProperty, label);
    a11y::Link(control, a11y::kReadoutProperty, pane);
    if (r.sideKind == pages::Kind::Spin) a11y::Link(side, a11y::kReadoutProperty, control);
  }
}

void AccessibleForm::LinkStrips() {
  // The row captions in their order: gain, Q, frequency, type.
  const auto captions = pages::StripCaptions();
  for (const pages::StripRow& s : pages::StripRows()) {
    const QString prefix = Text(s.prefix);
    const bool captionsPerBand = QByteArray(s.captionParent).contains("%d");
    for (int n = 1; n <= s.strips; ++n) {
      QWidget* title = comps_.Widget(NumberedName(s.title, n));
      auto caption = [&](std::size_t row) {
        return comps_.Widget(prefix + "RowCaption" + QString::number(captions[row].y) +
                             (captionsPerBand ? "_" + QString::number(n) : QString()));
      };
      auto field = [&](const QString& name, std::size_t row, QWidget* readout = nullptr) {
        QWidget* w = comps_.Widget(name);
        a11y::Link(w, a11y::kBandProperty, title);
        a11y::Link(w, a11y::kFieldProperty, caption(row));
        a11y::Link(w, a11y::kReadoutProperty, readout);
      };
      const QString number = QString::number(n);
      QWidget* gainEdit = comps_.Widget(prefix + "GainEdit" + number);
      QWidget* qEdit = comps_.Widget(prefix + "QEdit" + number);
      field(prefix + "GainEdit" + number, 0);
      field(NumberedName(s.gainBar, n), 0, gainEdit);
      field(prefix + "QEdit" + number, 1);
      field(NumberedName(s.spin, n), 1, qEdit);
      field(prefix + "FreEdit" + number, 2);
      field(prefix + "ModeBox" + number, 3);
    }
  }
}

void AccessibleForm::MarkTwoStateButtons() {
  auto mark = [this](const QString& name) {
    if (QWidget* w = comps_.Widget(name)) w->setProperty(a11y::kTwoStateProperty, true);
  };
  for (const char* name : pages::kTabButtons) mark(Text(name));
  for (const char* name : kGroupButtons) mark(Text(name));
  for (const char* stem : kDeqTypeButtons)
    for (int k = 1; k <= kDeqBands; ++k) mark(NumberedName(stem, k));
}

// Qt's own widgets among the controls take their names from the accessible name.
void AccessibleForm::NameQtWidgets() {
  for (Control* c : comps_.InOrder())
    if (auto* grid = dynamic_cast<ListEditor*>(c))
      grid->setAccessibleName(a11y::NameOf(grid, a11y::OwnCaption::Ignored));
}

void AccessibleForm::LanguageChange(int uiLanguage) {
  window_.setProperty(a11y::kLanguageProperty, uiLanguage);
  NameQtWidgets();
  if (!QAccessible::isActive()) return;
  for (Control* c : comps_.InOrder()) {
    QAccessibleEvent event(c->Widget(), QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
  }
}

}  // namespace morvelin
