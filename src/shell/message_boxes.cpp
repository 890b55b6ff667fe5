#include "shell/message_boxes.h"

#include <QMessageBox>

namespace morvelin {

void ModalMessageBoxes::Show(QWidget* owner, const QString& caption, const QString& text) {
  QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok, owner);
  box.exec();
}

}  // namespace morvelin
