#include "shell/language_memory.h"

#include <QSettings>

#include "editor/editor_session.h"

namespace morvelin {

namespace {

std::unique_ptr<QSettings> Open(const SettingsPlace& place) {
  if (!place.file.isEmpty()) return std::make_unique<QSettings>(place.file, QSettings::IniFormat);
  if (place.user) return std::make_unique<QSettings>(QStringLiteral("Morvelin"), QStringLiteral("Morvelin"));
  return nullptr;
}

}  // namespace

LanguageMemory::LanguageMemory(EditorSession& session, const SettingsPlace& place) : settings_(Open(place)) {
  if (!settings_) return;
  bool ok = false;
  const int remembered = settings_->value(kKey).toInt(&ok);
  // Only the two languages count; anything else leaves the start language.
  if (ok && (remembered == 0 || remembered == 1)) session.SetLanguage(remembered);
  QObject::connect(&session, &EditorSession::LanguageChanged, &context_, [this](int uiLanguage) {
    settings_->setValue(kKey, uiLanguage);
    settings_->sync();
  });
}

LanguageMemory::~LanguageMemory() = default;

}  // namespace morvelin
