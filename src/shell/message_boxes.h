#pragma once
// Message boxes with one OK button, and the Yes/No and OK/Cancel questions. The window shows
// them modally; tests record them and answer the questions from a script.

#include <QString>
#include <deque>
#include <vector>

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

class RecordedMessageBoxes : public MessageBoxes {
 public:
  enum class Kind { Message, YesNo, OkCancel };
  struct Entry {
    QString caption, text;
    Kind kind = Kind::Message;
  };
  void Show(QWidget*, const QString& caption, const QString& text) override {
    shown.push_back({caption, text, Kind::Message});
  }
  bool AskYesNo(QWidget*, const QString& caption, const QString& text) override {
    return Answer(Kind::YesNo, caption, text);
  }
  bool AskOkCancel(QWidget*, const QString& caption, const QString& text) override {
    return Answer(Kind::OkCancel, caption, text);
  }

  std::vector<Entry> shown;
  // Answers to the next questions, in order (true: Yes or OK); without one the answer is No.
  std::deque<bool> answers;

 private:
  bool Answer(Kind kind, const QString& caption, const QString& text) {
    shown.push_back({caption, text, kind});
    if (answers.empty()) return false;
    const bool a = answers.front();
    answers.pop_front();
    return a;
  }
};

}  // namespace morvelin
