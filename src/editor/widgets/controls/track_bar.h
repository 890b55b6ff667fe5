#pragma once
// A fader-style slider with a drawn groove and cap; horizontal or vertical (maximum at the top).
// Like the form's track bars it reports every change of position, also programmatic ones.

#include <QWidget>

#include "editor/widgets/controls/control.h"

namespace morvelin {

struct TrackBarLook {
  QColor groove{0x26, 0x29, 0x2c};
  QColor completed{0x3f, 0x9c, 0xd8};
  QColor disabledGroove{0x70, 0x70, 0x70};
  QColor thumb{0xd9, 0xd9, 0xd9};
  QColor thumbPressed{0xf3, 0x98, 0x00};
  QColor disabledThumb{0xa0, 0xa0, 0xa0};
  int grooveThickness = 4;
  int thumbLength = 10;  // along the travel
  int thumbWidth = 16;   // across the travel
};

class TrackBar : public QWidget, public Control {
  Q_OBJECT
 public:
  explicit TrackBar(Qt::Orientation orientation, QWidget* parent = nullptr,
                    ControlClass cls = ControlClass::TrackBar);

  QWidget* Widget() override { return this; }

  int Min() const { return min_; }
  int Max() const { return max_; }
  int Position() const { return pos_; }
  Qt::Orientation Orientation() const { return orientation_; }
  void SetRange(int min, int max);
  // Clamped to the range; a change of position emits Changed.
  void SetPosition(int pos);

  const TrackBarLook& Look() const { return look_; }
  void SetLook(const TrackBarLook& look);
  // The pressed-thumb picture: marks the gain slider of the band being edited.
  bool Highlighted() const { return highlighted_; }
  void SetHighlighted(bool on);

  QSize sizeHint() const override;

 signals:
  void Changed(int position);

 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent*) override;
  void mouseMoveEvent(QMouseEvent*) override;
  void mouseReleaseEvent(QMouseEvent*) override;
  void keyPressEvent(QKeyEvent*) override;
  void wheelEvent(QWheelEvent*) override;

 private:
  int TravelLength() const;
  int ThumbOffset() const;  // pixels from the travel's start (the minimum)
  int PositionAt(QPointF p) const;
  double AlongTravel(QPointF p) const;

  Qt::Orientation orientation_;
  int min_ = 0;
  int max_ = 10;
  int pos_ = 0;
  bool highlighted_ = false;
  bool dragging_ = false;
  double grabOffset_ = 0;
  TrackBarLook look_;
};

}  // namespace morvelin
