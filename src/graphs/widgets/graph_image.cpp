#include "graphs/widgets/graph_image.h"

#include <QPaintEvent>
#include <QPainter>

namespace morvelin {

GraphImage::GraphImage(const QImage& picture, QWidget* parent) : QWidget(parent), picture_(picture) {
  setObjectName(QStringLiteral("Image1"));
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void GraphImage::paintEvent(QPaintEvent* event) {
  QPainter p(this);
  p.drawImage(event->rect(), picture_, event->rect());
}

}  // namespace morvelin
