#include "shell/volume_keys.h"

#include <QKeyEvent>
#include <QWidget>

namespace morvelin {

VolumeKeys::VolumeKeys(QWidget* window, std::function<void(int)> onKey)
    : QObject(window), window_(window), onKey_(std::move(onKey)) {}

bool VolumeKeys::IsVolumeKey(int key) {
  for (const VolumeKey& v : kVolumeKeys)
    if (v.key == key) return true;
  return false;
}

bool VolumeKeys::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyRelease) {
    lastPress_ = nullptr;
    lastReceiver_ = nullptr;
    return false;
  }
  if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) return false;
  auto* receiver = static_cast<QWidget*>(watched);
  if (receiver->window() != window_) return false;
  if (event == lastPress_ && lastReceiver_ && receiver != lastReceiver_ &&
      receiver->isAncestorOf(lastReceiver_))
    return false;  // the same key passed on to a parent
  lastPress_ = event;
  lastReceiver_ = receiver;
  const int key = static_cast<QKeyEvent*>(event)->key();
  if (IsVolumeKey(key)) onKey_(key);
  return false;
}

}  // namespace morvelin
