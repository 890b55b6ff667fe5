#pragma once
// Colours and fonts of the mixing-desk look shared by the custom controls.

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QRect>

namespace morvelin::desk {

inline const QColor kWindow{0x99, 0x99, 0x99};
inline const QColor kGroupFill{0x8c, 0x8c, 0x8c};
inline const QColor kGroupBorder{0x5a, 0x5a, 0x5a};
inline const QColor kGroupLight{0xb8, 0xb8, 0xb8};
inline const QColor kText{0x10, 0x10, 0x10};
inline const QColor kPaneFill{0x1c, 0x1f, 0x22};
inline const QColor kPaneText{0x7c, 0xf0, 0x7c};
inline const QColor kEditNormal{153, 153, 153};
inline const QColor kEditHighlight{200, 200, 200};
inline const QColor kOrange{243, 152, 0};
inline const QColor kTypeLabelOn{248, 241, 128};
inline const QColor kTypeLabelOff{191, 191, 191};
inline const QColor kTitleBar{0x2e, 0x34, 0x3b};

inline constexpr const char* kFontFamily = "Noto Sans CJK SC";

// The form's font at a pixel size, so layouts do not depend on the screen's dots per inch.
inline QFont Font(int pixelSize = 12, bool bold = false) {
  QFont f(kFontFamily);
  f.setPixelSize(pixelSize);
  f.setBold(bold);
  f.setHintingPreference(QFont::PreferFullHinting);
  return f;
}

// The keyboard focus: an orange frame inside the control, visible on light and dark faces.
inline void DrawFocusFrame(QPainter& p, const QRect& r) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(kOrange, 2));
  p.drawRect(QRectF(r).adjusted(1, 1, -1, -1));
  p.restore();
}

}  // namespace morvelin::desk
