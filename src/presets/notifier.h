#pragma once
// Plain notices to the user. The editor shows a dialog with one OK button in the current
// language; tests record what would have been shown.

#include <QString>

namespace morvelin {

class Notifier {
 public:
  virtual ~Notifier() = default;
  // Returns when the user has closed the notice.
  virtual void ShowNotice(const QString& chineseText, const QString& englishText) = 0;
};

}  // namespace morvelin
