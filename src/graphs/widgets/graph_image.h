#pragma once
// The graph's drawing surface. Its paint handler draws the grid, the spectrum and the curve
// of the region that needs it, at the screen's device resolution.

#include <QPainter>
#include <QWidget>
#include <functional>

namespace morvelin {

class GraphImage : public QWidget {
  Q_OBJECT
 public:
  using Painter = std::function<void(QPainter&)>;
  GraphImage(Painter paint, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Painter paint_;
};

}  // namespace morvelin
