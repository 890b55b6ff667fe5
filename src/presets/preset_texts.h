#pragma once
// The texts the mode and backup groups compose: questions, messages and captions. Each
// bilingual text is written once and picked by the UI language.

#include <QString>

namespace morvelin {

struct PresetText {
  const char* chinese;
  const char* english;
};

// UiLanguage: 1 Chinese, 0 English.
inline QString InLanguage(const PresetText& text, int uiLanguage) {
  return QString::fromUtf8(uiLanguage == 1 ? text.chinese : text.english);
}

// Questions and the save refusal carry this caption in both languages.
inline constexpr const char* kPresetCaption = "Confirm";
inline constexpr PresetText kOverwriteCaption{"*系统提示*", "*Confirm*"};

// Each question is prefix + what it is about + suffix.
inline constexpr PresetText kRecallQuestion{"模式切换为", "Load Mode to"};
inline constexpr PresetText kSaveModeQuestion{"保存当前模式为 ", "Save Mode to "};
inline constexpr const char* kModeQuestionEnd = "?";
inline constexpr PresetText kOverwriteQuestion{"文件已存在,覆盖它吗?",
                                               "File already exists, overwrite it right?"};
inline constexpr PresetText kLoadBackupQuestion{"加载模式：", "Load File Data："};
inline constexpr const char* kLoadBackupQuestionEnd = " ?";

inline constexpr PresetText kSaveRefused{"用户模式无法执行保存操作!",
                                         "Users can not perform the save operation mode!"};

// CurrentModeLabel: prefix + 1-based mode number + end; the designed text until the first refresh.
inline constexpr PresetText kCurrentModePrefix{"(当前模式:", "(Current Mode:"};
inline constexpr const char* kCurrentModeEnd = " )";
inline constexpr const char* kInitialCurrentMode = "(当前模式：1)";

}  // namespace morvelin
