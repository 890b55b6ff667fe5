#pragma once
// The link's bilingual texts and colours, written once and chosen by the UI language.

#include <array>
#include <string>

#include "params/rgb.h"

namespace morvelin {

struct TextPair {
  const char* chinese;
  const char* english;
};

// UiLanguage: 1 Chinese, 0 English.
inline const char* InLanguage(const TextPair& t, int uiLanguage) {
  return uiLanguage == 1 ? t.chinese : t.english;
}
inline const char* OtherLanguage(const TextPair& t, int uiLanguage) {
  return uiLanguage == 1 ? t.english : t.chinese;
}

enum class LinkStatus { Search, Linking, Online, Loading, Saving, Download, OffLine };

inline constexpr std::array<TextPair, 7> kLinkStatusTexts{{
    {"设备搜索...", "Search..."},
    {"连接中...", "Linking..."},
    {"设备已连接", "Online"},
    {"加载中...", "Loading..."},
    {"保存中...", "Saving..."},
    {"下载数据...", "Download..."},
    {"设备未连接", "Off Line"},
}};

inline const TextPair& StatusText(LinkStatus s) {
  return kLinkStatusTexts[static_cast<std::size_t>(s)];
}

enum class LinkMessage { LinkLost, LinkFailed, SaveSuccess, WriteInterrupted };

inline constexpr std::array<TextPair, 4> kLinkMessageTexts{{
    {"已断开连接!", "Off Line!"},
    {"连接失败!", "Off Line!"},
    {"保存成功!", "Save Success!"},
    {"连接失败! 设备现在可能混有新旧两套设置。连接恢复后请重新载入。",
     "Off Line! The unit may now hold a mix of old and new settings. Load the file again once the link is "
     "back."},
}};

inline const TextPair& MessageText(LinkMessage m) {
  return kLinkMessageTexts[static_cast<std::size_t>(m)];
}

inline constexpr TextPair kMessageCaption{"提示", "Confirm"};
inline constexpr TextPair kQuestionCaption{"Confirm", "Confirm"};

// Asked after the link has healed and the unit's memory has been read again.
inline std::string OfflineEditsQuestion(int changes, int uiLanguage) {
  const std::string n = std::to_string(changes);
  return uiLanguage == 1 ? "离线期间做了 " + n + " 处修改。要把它们发送到设备吗？"
                         : n + " changes were made while the unit was offline. Send them to the unit?";
}
inline constexpr TextPair kLinkButtonPressed{"断开", "Unlink"};
inline constexpr TextPair kLinkButtonNormal{"联机", "Link"};
inline constexpr TextPair kStatusWindowCaption{"设备状态", "Device Staus"};
inline constexpr TextPair kStatusWindowWait{"请稍等,可能需要几秒钟才能完成操作！",
                                            "Please Wait for a moment!"};

inline constexpr Rgb kOnlineColour{0x00, 0x33, 0x99};
inline constexpr Rgb kOfflineColour{0xC0, 0xC0, 0xC0};

}  // namespace morvelin
