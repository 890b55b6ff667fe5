#include "graphs/widgets/graph_image.h"

#include <QPaintEvent>

namespace morvelin {

GraphImage::GraphImage(Painter paint, QWidget* parent) : QWidget(parent), paint_(std::move(paint)) {
  setObjectName(QStringLiteral("Image1"));
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void GraphImage::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (paint_) paint_(p);
}

}  // namespace morvelin
