#pragma once
// Pictures of the graph as it draws them at scale factor 1, kept as PNG files in data/: a
// change of the drawing machinery must leave every pixel where it was.

#include <QImage>
#include <QString>
#include <QWidget>

namespace morvelin::testing {

inline QString GoldenPath(const char* name) {
  return QStringLiteral(MORVELIN_SOURCE_DIR "/tests/graphs_widgets/data/") + QString::fromUtf8(name);
}

inline QImage GoldenPicture(const char* name) {
  return QImage(GoldenPath(name)).convertToFormat(QImage::Format_RGB32);
}

// What the widget shows on the screen, as its own paint handler draws it.
inline QImage ShownPicture(QWidget& widget) {
  return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

}  // namespace morvelin::testing
