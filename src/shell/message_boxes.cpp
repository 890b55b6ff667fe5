#include "shell/message_boxes.h"

#include <QMessageBox>

namespace morvelin {

namespace {

QMessageBox::StandardButton Ask(QWidget* owner, const QString& caption, const QString& text,
                                QMessageBox::StandardButtons buttons, QMessageBox::StandardButton escape) {
  QMessageBox box(QMessageBox::Question, caption, text, buttons, owner);
  box.setEscapeButton(escape);
  return static_cast<QMessageBox::StandardButton>(box.exec());
}

}  // namespace

void ModalMessageBoxes::Show(QWidget* owner, const QString& caption, const QString& text) {
  QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok, owner);
  box.exec();
}

bool ModalMessageBoxes::AskYesNo(QWidget* owner, const QString& caption, const QString& text) {
  return Ask(owner, caption, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

bool ModalMessageBoxes::AskOkCancel(QWidget* owner, const QString& caption, const QString& text) {
  return Ask(owner, caption, text, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel) ==
         QMessageBox::Ok;
}

}  // namespace morvelin
