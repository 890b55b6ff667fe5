#pragma once
// Message boxes that are recorded instead of shown; the questions are answered from a script.

#include <QString>
#include <deque>
#include <vector>

#include "shell/message_boxes.h"

namespace morvelin {

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
