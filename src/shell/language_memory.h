#pragma once
// The language the user chose, kept between runs: applied when the program has made its windows
// and written at every switch. A first start (nothing remembered) stays Chinese.

#include <QObject>
#include <QString>
#include <memory>

class QSettings;

namespace morvelin {

class EditorSession;

// Where the program keeps what it remembers: nowhere (the default, so that tests and tools
// never touch the user's settings), the user's own settings, or a given file.
struct SettingsPlace {
  bool user = false;
  QString file;  // used when not empty
};

class LanguageMemory {
 public:
  static constexpr const char* kKey = "language";

  // Applies the remembered language at once, then remembers every change.
  LanguageMemory(EditorSession& session, const SettingsPlace& place);
  ~LanguageMemory();
  LanguageMemory(const LanguageMemory&) = delete;
  LanguageMemory& operator=(const LanguageMemory&) = delete;

 private:
  std::unique_ptr<QSettings> settings_;
  QObject context_;
};

}  // namespace morvelin
