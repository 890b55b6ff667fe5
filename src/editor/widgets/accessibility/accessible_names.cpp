#include "editor/widgets/accessibility/accessible_names.h"

#include <QAbstractButton>
#include <QLabel>
#include <QVariant>
#include <QWidget>
#include <limits>

#include "editor/widgets/controls/bmp_button.h"
#include "editor/widgets/controls/containers.h"
#include "editor/widgets/controls/control.h"

namespace morvelin::a11y {

void Link(QWidget* control, const char* property, QObject* target) {
  if (control && target) control->setProperty(property, QVariant::fromValue(target));
}

QObject* Linked(const QWidget* control, const char* property) {
  return control->property(property).value<QObject*>();
}

QString Trimmed(const QString& caption) {
  const QStringView kFrame = u"-:：_ \t\r\n";
  qsizetype from = 0;
  qsizetype to = caption.size();
  while (from < to && kFrame.contains(caption[from])) ++from;
  while (to > from && kFrame.contains(caption[to - 1])) --to;
  QString s = caption.mid(from, to - from);
  s.replace(QChar('\n'), QChar(' ')).replace(QChar('\r'), QChar(' '));
  return s;
}

QString ShownText(const QObject* object) {
  if (!object) return {};
  if (const Control* c = AsControl(const_cast<QObject*>(object))) return c->Caption();
  if (const auto* label = qobject_cast<const QLabel*>(object)) return label->text();
  if (const auto* button = qobject_cast<const QAbstractButton*>(object)) return button->text();
  return {};
}

QString CaptionOf(const QObject* object) {
  return Trimmed(ShownText(object));
}

int LanguageOf(const QWidget* widget) {
  const QVariant v = widget->window()->property(kLanguageProperty);
  return v.isValid() ? v.toInt() : 1;
}

QString InLanguageOf(const QWidget* widget, const char* chinese, const char* english) {
  return QString::fromUtf8(LanguageOf(widget) == 1 ? chinese : english);
}

namespace {

// The nearest captioned label left of the control on its row, among its siblings.
QString LabelLeftOf(const QWidget* control) {
  const QWidget* parent = control->parentWidget();
  if (!parent) return {};
  const QRect at = control->geometry();
  int best = std::numeric_limits<int>::max();
  QString name;
  for (const QObject* o : parent->children()) {
    const auto* label = qobject_cast<const QLabel*>(o);
    if (!label || label->isHidden() || label == control) continue;
    const QRect r = label->geometry();
    if (r.right() > at.left() + 2 || std::abs(r.center().y() - at.center().y()) > at.height() / 2 + 1)
      continue;
    const QString text = CaptionOf(label);
    const int gap = at.left() - r.right();
    if (!text.isEmpty() && gap < best) {
      best = gap;
      name = text;
    }
  }
  return name;
}

QString GroupCaptionOf(const QWidget* control) {
  for (const QWidget* w = control->parentWidget(); w && !w->isWindow(); w = w->parentWidget()) {
    const Control* c = AsControl(const_cast<QWidget*>(w));
    if (c && (c->Class() == ControlClass::GroupBox || c->Class() == ControlClass::TabSheet)) {
      const QString caption = CaptionOf(w);
      if (!caption.isEmpty()) return caption;
    }
  }
  return {};
}

// A phase button is named after its line, with the word for what it does.
QString Purpose(const QWidget* control) {
  const auto* button = qobject_cast<const BmpButton*>(control);
  if (button && button->Look().phaseGlyph) return InLanguageOf(control, "反相", "Phase invert");
  return {};
}

QString WithPurpose(const QString& name, const QWidget* control) {
  const QString purpose = Purpose(control);
  return purpose.isEmpty() ? name : name + ' ' + purpose;
}

}  // namespace

QString NameOf(const QWidget* control, OwnCaption own) {
  QString band = CaptionOf(Linked(control, kBandProperty));
  if (!band.isEmpty()) {
    // The dynamic EQ's band titles are bare numbers.
    bool number = false;
    band.toInt(&number);
    if (number) band.prepend(QStringLiteral("DEQ"));
    const QString field = CaptionOf(Linked(control, kFieldProperty));
    return field.isEmpty() ? band : band + ' ' + field;
  }
  if (own == OwnCaption::First) {
    const QString caption = CaptionOf(control);
    if (!caption.isEmpty()) return caption;
  }
  for (const QString& name :
       {CaptionOf(Linked(control, kLabelProperty)), LabelLeftOf(control), GroupCaptionOf(control)})
    if (!name.isEmpty()) return WithPurpose(name, control);
  return WithPurpose(control->objectName(), control);
}

}  // namespace morvelin::a11y
