#pragma once
// The graph's drawing surface: shows the bitmap the grid, spectrum and curve are painted on.

#include <QImage>
#include <QWidget>

namespace morvelin {

class GraphImage : public QWidget {
  Q_OBJECT
 public:
  explicit GraphImage(const QImage& picture, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const QImage& picture_;
};

}  // namespace morvelin
