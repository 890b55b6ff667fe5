#pragma once
// The master volume shortcuts: Q/A, W/S and E/D step the music, microphone and effect volumes.
// Like a key preview, the filter sees the key before the focused control and passes it on.

#include <QObject>
#include <Qt>
#include <functional>

class QWidget;

namespace morvelin {

// Each shortcut steps one master volume slider by one.
struct VolumeKey {
  int key;  // Qt::Key
  const char* slider;
  int step;
};
inline constexpr VolumeKey kVolumeKeys[] = {
    {Qt::Key_Q, "SysMusNormalVolBar", +1}, {Qt::Key_A, "SysMusNormalVolBar", -1},
    {Qt::Key_W, "SysMicNormalVolBar", +1}, {Qt::Key_S, "SysMicNormalVolBar", -1},
    {Qt::Key_E, "SysEffNormalVolBar", +1}, {Qt::Key_D, "SysEffNormalVolBar", -1},
};

class VolumeKeys : public QObject {
  Q_OBJECT
 public:
  // `onKey` gets the Qt key of a volume shortcut pressed anywhere in `window`.
  VolumeKeys(QWidget* window, std::function<void(int key)> onKey);

  static bool IsVolumeKey(int key);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* window_;
  std::function<void(int)> onKey_;
  // A key the focused control ignores travels on to its parents; it counts once.
  const QEvent* lastPress_ = nullptr;
  QWidget* lastReceiver_ = nullptr;
};

}  // namespace morvelin
