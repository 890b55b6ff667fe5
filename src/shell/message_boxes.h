#pragma once
// Message boxes with one OK button, and the Yes/No and OK/Cancel questions. The window shows
// them modally; tests record them and answer the questions from a script.

#include <QString>

class QWidget;

namespace morvelin {

class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  virtual void Show(QWidget* owner, const QString& caption, const QString& text) = 0;
  // True for Yes; closing the box counts as No.
  virtual bool AskYesNo(QWidget* owner, const QString& caption, const QString& text) = 0;
  // True for OK; anything else counts as Cancel.
  virtual bool AskOkCancel(QWidget* owner, const QString& caption, const QString& text) = 0;
};

class ModalMessageBoxes : public MessageBoxes {
 public:
  void Show(QWidget* owner, const QString& caption, const QString& text) override;
  bool AskYesNo(QWidget* owner, const QString& caption, const QString& text) override;
  bool AskOkCancel(QWidget* owner, const QString& caption, const QString& text) override;
};

}  // namespace morvelin
