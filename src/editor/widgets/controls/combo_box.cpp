#include "editor/widgets/controls/combo_box.h"

#include <QWheelEvent>

#include "editor/widgets/controls/desk_style.h"

namespace morvelin {

ComboBox::ComboBox(QWidget* parent) : QComboBox(parent), Control(ControlClass::ComboBox) {
  setFont(desk::Font(12));
  setFocusPolicy(Qt::StrongFocus);
  QPalette pal = palette();
  pal.setColor(QPalette::Button, QColor(0xb4, 0xb4, 0xb4));
  pal.setColor(QPalette::Base, QColor(0xd0, 0xd0, 0xd0));
  pal.setColor(QPalette::ButtonText, desk::kText);
  pal.setColor(QPalette::Text, desk::kText);
  setPalette(pal);
  connect(this, &QComboBox::activated, this, &ComboBox::UserChanged);
}

void ComboBox::wheelEvent(QWheelEvent* e) {
  // The wheel belongs to the window (it steps the band edit being worked on).
  e->ignore();
}

}  // namespace morvelin
