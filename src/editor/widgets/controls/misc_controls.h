#pragma once
// The key/value grid of the backup list and the picture boxes (title picture, graph image).

#include <QImage>
#include <QTableWidget>
#include <QWidget>

#include "editor/widgets/controls/control.h"

namespace morvelin {

class ListEditor : public QTableWidget, public Control {
  Q_OBJECT
 public:
  explicit ListEditor(QWidget* parent = nullptr);
  QWidget* Widget() override { return this; }
  // Moving the current row scrolls up and down only: the rows are read from their start.
  void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;
};

// Shows an image stretched to its size; without one it draws a dark gradient.
class ImageBox : public QWidget, public Control {
  Q_OBJECT
 public:
  explicit ImageBox(QWidget* parent = nullptr);
  QWidget* Widget() override { return this; }
  QImage& Picture() { return picture_; }
  void SetPicture(const QImage& image);

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  QImage picture_;
};

}  // namespace morvelin
