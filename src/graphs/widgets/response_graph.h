#pragma once
// The response graph of the main window: the grid image with its axis labels, the summed
// response curve of the page's bands and filters, the 22 draggable band points and the value
// label. It reads the editor's state and writes through the editor only (GraphHost).

#include <QImage>
#include <QLabel>
#include <QPainterPath>
#include <QTimer>
#include <QWidget>
#include <array>
#include <functional>
#include <vector>

#include "graphs/curve_points.h"
#include "graphs/drag_rules.h"
#include "graphs/graph_geometry.h"
#include "graphs/widgets/graph_host.h"

namespace morvelin {

class BandPoint;
class GraphImage;

class ResponseGraph : public QWidget {
  Q_OBJECT
 public:
  // The graph fills the panel it is put in. The axis labels go into labelParent, placed
  // around this widget (at the design offset when labelParent does not contain it).
  ResponseGraph(GraphHost& host, QWidget* labelParent, QWidget* parent = nullptr);
  ~ResponseGraph() override;

  // 0 build the grid and create the axis labels, 1 rebuild and move them, 2 the whole picture
  // is painted again on the grid.
  void DrawGrid(int mode);
  // Re-lays the image, labels, curve and points for the widget's size.
  void FormResize();
  // selection 0..21: that entry redrawn and selected; 100: every entry, none selected.
  void RedrawCurve(int selection, int block);
  // Loads the page's entries and their controls; last band index, plus 200 with filters.
  int LoadPageBands(int selection, int block);
  // Hands pending drag words to the editor and redraws the curve after a new edit.
  void SyncCurveWithEdits();
  // The 10 ms graph tick; the main window's timer calls it, or StartTimer1 runs our own.
  void Timer1Timer();
  void StartTimer1(int intervalMs = 10);
  // The editor's last edit is not drawn yet: the next tick has work.
  bool EditPending() const;
  void StopTimer1();

  // The page's equaliser in all-pass: shows "EQ PASS" and refuses the page's drags.
  void ShowEqPass(bool on);
  bool EqPassShown() const;
  void SetCurveColour(QColor colour);
  // Orange while the microphone page shows microphone B, green otherwise.
  void ShowMicBColour(bool micB);
  QColor CurveColour() const { return curveColour_; }

  // Pointer handlers, also reachable directly (positions as the handlers take them: a
  // point's own coordinates, or the image's).
  void EP1MouseDown(int point, Qt::MouseButton button, QPoint posInPoint);
  void EP1MouseMove(int point, QPoint posInPoint);
  void EP1MouseUp(int point, Qt::MouseButton button);
  void Image1MouseMove(QPoint posInImage, Qt::MouseButtons buttons);
  void Image1MouseUp(QPoint posInImage, Qt::MouseButton button);
  void EQlabelMouseUp();

  // The spectrum draws its bars on the restored grid before the curve; its tick runs after
  // the sync of each graph tick.
  void SetSpectrumOverlay(std::function<void(QPainter&, const GraphGeometry&)> overlay);
  void SetSpectrumTick(std::function<void()> tick);
  // Paints the last curve again (over the spectrum).
  void PaintCurve(QPainter& painter) const;
  // The whole picture again: the grid, the spectrum overlay on it and the last curve over the bars.
  void RepaintOverlay();
  // The image's paint handler: the grid, the spectrum and the curve where the painter is clipped, at the
  // painter's device resolution.
  void PaintPicture(QPainter& painter);

  const GraphGeometry& Geometry() const { return geometry_; }
  // The picture the image shows, rendered at scale factor 1 when asked for.
  const QImage& Picture();
  // The clean grid at the resolution the image is drawn at.
  QImage GridBitmap() const;
  const CurveBands& Bands() const { return curveBands_; }
  const CurvePointList& CurvePoints() const { return curvePoints_; }
  bool HasCurve() const { return hasCurve_; }
  BandPoint* Point(int index) const { return points_[index]; }
  QLabel* EqLabel() const { return eqLabel_; }
  QLabel* EqPassLabel() const { return eqPassLabel_; }
  GraphImage* Image1() const { return image1_; }
  const std::vector<QLabel*>& AxisLabelWidgets() const { return axisLabels_; }
  bool Dragging() const { return dragging_; }
  bool QDragMode() const { return qDragMode_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void moveEvent(QMoveEvent* event) override;

 private:
  int PageIndex() const;
  bool PageBlockValid() const;
  QWidget* BandControl(int point, int word) const;
  void ClickEdit(QWidget* edit);
  void ApplyWord(QWidget* control, int word);
  void StartDragWords(int point);
  void PlaceAxisLabels(bool create);
  void PlaceEqLabel(const CurveEntry& entry);
  QPoint PanelOffset() const;
  // The clean grid, in device pixels of a device of scale factor dpr.
  void PaintGrid(QPainter& painter, qreal dpr) const;
  // The curve's points with positions rounded to device pixels (at 1: CurvePoints).
  std::vector<QPointF> PathPoints(qreal dpr) const;
  void SetShownCurve(qreal dpr);
  // Invalidates where the curve was and where it is now, around the points that moved.
  void InvalidateCurve(const std::vector<QPointF>& before, bool colourChanged);

  GraphHost& host_;
  QWidget* labelParent_;
  GraphGeometry geometry_;
  std::vector<GridLine> gridLines_;
  QImage picture_;  // Picture()'s rendering
  bool pictureStale_ = true;
  GraphImage* image1_ = nullptr;
  QLabel* eqPassLabel_ = nullptr;
  QLabel* eqLabel_ = nullptr;
  std::array<BandPoint*, kCurvePointCount> points_{};
  std::vector<QLabel*> axisLabels_;

  CurveBands curveBands_{};
  std::vector<CurveEntry> entries_;
  // Editor controls of each entry; the filters' frequency controls also at their points.
  std::array<QWidget*, kCurvePointCount> freqControl_{};
  std::array<QWidget*, kCurvePointCount> gainControl_{};
  CurvePointList curvePoints_{};
  Response curveSum_{};
  bool hasCurve_ = false;
  QColor curveColour_;
  // The curve as the image shows it.
  std::vector<QPointF> shownPoints_;
  QPainterPath shownPath_;
  qreal shownDpr_ = 1.0;
  QColor shownColour_;

  bool dragging_ = false;
  bool qDragMode_ = false;
  int dragPoint_ = -1;
  QPoint dragAnchor_;
  DragWords dragWords_;
  int dragTarget_ = 0;
  EditRecord drawnEdit_;

  QTimer timer1_;
  std::function<void(QPainter&, const GraphGeometry&)> spectrumOverlay_;
  std::function<void()> spectrumTick_;
};

}  // namespace morvelin
