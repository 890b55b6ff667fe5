#pragma once
// Message boxes with one OK button. The window shows them modally; tests record them.

#include <QString>
#include <vector>

class QWidget;

namespace morvelin {

class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  virtual void Show(QWidget* owner, const QString& caption, const QString& text) = 0;
};

class ModalMessageBoxes : public MessageBoxes {
 public:
  void Show(QWidget* owner, const QString& caption, const QString& text) override;
};

class RecordedMessageBoxes : public MessageBoxes {
 public:
  struct Entry {
    QString caption, text;
  };
  void Show(QWidget*, const QString& caption, const QString& text) override {
    shown.push_back({caption, text});
  }
  std::vector<Entry> shown;
};

}  // namespace morvelin
