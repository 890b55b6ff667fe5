#pragma once
// The response graph of the main window: the grid image with its axis labels, the summed
// response curve of the page's bands and filters, the 22 draggable band points and the value
// label. It reads the editor's state and writes through the editor only (GraphHost).

#include <QImage>
#include <QLabel>
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

  // 0 build the grid and create the axis labels, 1 rebuild and move them, 2 restore the grid.
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

  const GraphGeometry& Geometry() const { return geometry_; }
  const QImage& Picture() const { return picture_; }
  const QImage& GridBitmap() const { return gridBitmap_; }
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

  GraphHost& host_;
  QWidget* labelParent_;
  GraphGeometry geometry_;
  QImage picture_;
  QImage gridBitmap_;
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
  bool hasCurve_ = false;
  QColor curveColour_;

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
