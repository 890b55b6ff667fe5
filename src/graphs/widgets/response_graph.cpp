#include "graphs/widgets/response_graph.h"

#include <QMouseEvent>
#include <QPaintEngine>
#include <QPainter>
#include <QtMath>
#include <algorithm>
#include <cmath>

#include "graphs/curve_layout.h"
#include "graphs/widgets/band_point.h"
#include "graphs/widgets/cardinal_spline.h"
#include "graphs/widgets/graph_image.h"
#include "params/scales.h"
#include "params/value_tables.h"

namespace morvelin {

namespace {

constexpr int kNoBandWord = 0xFF;  // LocateBand's word for an address outside every band
constexpr int kFirstBlockWithoutCurve = 28;
constexpr int kLastBandPoint = 19;
constexpr int kEqPassFontPixels = 67;
constexpr int kEqLabelFontPixels = 13;
constexpr int kAxisFontPixels = 11;
constexpr Rgb kEqPassColour{128, 128, 128};

// The scale factor of what is painted on: the screen's backing store, or an image rendered into.
qreal DeviceRatio(QPainter& painter) {
  QPaintEngine* engine = painter.paintEngine();
  return engine && engine->paintDevice() ? engine->paintDevice()->devicePixelRatioF()
                                         : painter.device()->devicePixelRatioF();
}

QColor ToColor(Rgb c) {
  return QColor(c.red, c.green, c.blue);
}

void SetTextColour(QLabel* label, Rgb colour) {
  QPalette pal = label->palette();
  pal.setColor(QPalette::WindowText, ToColor(colour));
  label->setPalette(pal);
}

// Filter points have no Q and sit on the 0 dB line.
bool IsBandPoint(int point) {
  return point >= 0 && point <= kLastBandPoint;
}

// Band and filter points of the pages that have filters.
bool BlockHasFilterPoints(int block) {
  return block == 0 || block == 2 || block == 4 || block == 5 || block == 6;
}

}  // namespace

ResponseGraph::ResponseGraph(GraphHost& host, QWidget* labelParent, QWidget* parent)
    : QWidget(parent), host_(host), labelParent_(labelParent), curveColour_(ToColor(kCurveGreen)) {
  resize(kGraphDesignWidth, kGraphDesignHeight);
  image1_ = new GraphImage([this](QPainter& p) { PaintPicture(p); }, this);
  image1_->setGeometry(rect());
  image1_->installEventFilter(this);

  eqPassLabel_ = new QLabel(QStringLiteral("EQ PASS"), this);
  eqPassLabel_->setObjectName(QStringLiteral("EQPassLabel"));
  QFont passFont = eqPassLabel_->font();
  passFont.setBold(true);
  passFont.setPixelSize(kEqPassFontPixels);
  eqPassLabel_->setFont(passFont);
  SetTextColour(eqPassLabel_, kEqPassColour);
  eqPassLabel_->adjustSize();
  eqPassLabel_->hide();
  eqPassLabel_->installEventFilter(this);

  eqLabel_ = new QLabel(this);
  eqLabel_->setObjectName(QStringLiteral("EQlabel"));
  QFont labelFont(QStringLiteral("Arial Narrow"));
  labelFont.setBold(true);
  labelFont.setPixelSize(kEqLabelFontPixels);
  eqLabel_->setFont(labelFont);
  eqLabel_->setAlignment(Qt::AlignCenter);
  SetTextColour(eqLabel_, kEqLabelColour);
  eqLabel_->hide();
  eqLabel_->installEventFilter(this);

  for (int p = 0; p < kCurvePointCount; ++p) {
    points_[p] = new BandPoint(p, this);
    points_[p]->hide();
    points_[p]->installEventFilter(this);
  }

  timer1_.setInterval(10);
  connect(&timer1_, &QTimer::timeout, this, &ResponseGraph::Timer1Timer);

  DrawGrid(0);
}

ResponseGraph::~ResponseGraph() = default;

QPoint ResponseGraph::PanelOffset() const {
  if (labelParent_ && labelParent_ != this && labelParent_->isAncestorOf(this))
    return mapTo(labelParent_, QPoint(0, 0));
  return {kGraphPanelLeft, kGraphPanelTop};
}

void ResponseGraph::DrawGrid(int mode) {
  if (mode == 0 || mode == 1) {
    geometry_ = GraphGeometry(width(), height());
    gridLines_ = GridLines(geometry_);
    if (hasCurve_) SetShownCurve(shownDpr_);
    PlaceAxisLabels(mode == 0 || axisLabels_.empty());
  }
  pictureStale_ = true;
  image1_->update();
}

// Lines of one pixel on a screen of scale factor 1; on denser screens as many device pixels as
// the scale says, at device positions, so the grid stays sharp. Drawn where the painter is
// clipped rather than kept as a bitmap: at 4K a grid bitmap would hold as much memory as the
// rest of the program.
void ResponseGraph::PaintGrid(QPainter& p, qreal dpr) const {
  const auto dev = [dpr](int v) { return int(std::lround(v * dpr)); };
  const int thick = std::max(1, dev(1));
  p.save();
  // Device pixels from here on.
  if (dpr != 1.0) p.scale(1 / dpr, 1 / dpr);
  p.fillRect(0, 0, qCeil(geometry_.Width() * dpr), qCeil(geometry_.Height() * dpr), ToColor(kGridBackground));
  const QColor major = ToColor(kGridMajor), minor = ToColor(kGridMinor);
  for (const GridLine& l : gridLines_) {
    const QColor& c = l.major ? major : minor;
    // Axis-parallel lines without their end point.
    if (l.x1 == l.x2)
      p.fillRect(dev(l.x1), dev(std::min(l.y1, l.y2)), thick, dev(std::abs(l.y2 - l.y1)), c);
    else if (l.y1 == l.y2)
      p.fillRect(dev(std::min(l.x1, l.x2)), dev(l.y1), dev(std::abs(l.x2 - l.x1)), thick, c);
    else {
      p.setPen(QPen(c, thick));
      p.drawLine(dev(l.x1), dev(l.y1), dev(l.x2), dev(l.y2));
    }
  }
  p.restore();
}

QImage ResponseGraph::GridBitmap() const {
  const qreal dpr = image1_->devicePixelRatioF();
  QImage grid(qCeil(geometry_.Width() * dpr), qCeil(geometry_.Height() * dpr), QImage::Format_RGB32);
  grid.setDevicePixelRatio(dpr);
  QPainter p(&grid);
  PaintGrid(p, dpr);
  return grid;
}

void ResponseGraph::PlaceAxisLabels(bool create) {
  const QPoint offset = PanelOffset();
  const std::vector<AxisLabel> labels = AxisLabels(geometry_, offset.x(), offset.y());
  if (create && axisLabels_.empty()) {
    QWidget* parent = labelParent_ ? labelParent_ : this;
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(kAxisFontPixels);
    for (std::size_t i = 0; i < labels.size(); ++i) {
      auto* label = new QLabel(QString::fromStdString(labels[i].text), parent);
      label->setObjectName(QString::fromStdString(labels[i].name));
      label->setFont(font);
      SetTextColour(label, kAxisLabelText);
      const bool level = labels[i].name.starts_with("EQLabelY");
      label->setAlignment(level ? Qt::AlignRight | Qt::AlignVCenter : Qt::AlignHCenter | Qt::AlignVCenter);
      label->show();
      axisLabels_.push_back(label);
    }
  }
  for (std::size_t i = 0; i < labels.size() && i < axisLabels_.size(); ++i)
    axisLabels_[i]->setGeometry(labels[i].left, labels[i].top, labels[i].width, labels[i].height);
}

void ResponseGraph::FormResize() {
  image1_->setGeometry(0, 0, width(), height());
  eqPassLabel_->move(width() / 2 - eqPassLabel_->width() / 2, height() / 2 - eqPassLabel_->height() / 2);
  DrawGrid(1);
  const int block = host_.PageBlock();
  RedrawCurve(kSelectAll, block);
  RedrawCurve(host_.SelectedBand(host_.PageAddress() & 0xFF), block);
}

void ResponseGraph::resizeEvent(QResizeEvent*) {
  FormResize();
}

void ResponseGraph::moveEvent(QMoveEvent*) {
  PlaceAxisLabels(false);
}

int ResponseGraph::LoadPageBands(int selection, int block) {
  entries_.clear();
  if (block < 0 || block >= kFirstBlockWithoutCurve || !CurveLayoutOf(block)) return -1;
  entries_ = CurveEntries(host_.Store().ViewImage[block], block);
  for (int i = 0; i < int(entries_.size()) && i < kCurvePointCount; ++i) {
    const CurveEntry& e = entries_[i];
    if (!IsBandPoint(e.point)) {
      QWidget* pane = host_.ReadoutControl(MakeAddress(block, e.freqWord));
      freqControl_[i] = freqControl_[e.point] = pane;
      gainControl_[i] = gainControl_[e.point] = nullptr;
    } else if (selection == kSelectAll || selection == i) {
      freqControl_[i] = host_.ValueControl(MakeAddress(block, e.freqWord));
      gainControl_[i] = host_.ValueControl(MakeAddress(block, e.gainWord));
    }
  }
  return PageBandsCode(block);
}

void ResponseGraph::RedrawCurve(int selection, int block) {
  if (selection > kSelectAll || host_.Refreshing()) return;
  const int code = LoadPageBands(selection, block);
  if (code < 0) {
    // A page without a curve (the system page) shows the empty grid rather than the curve
    // and points of the page shown before it.
    if (selection != kSelectAll) return;
    // A page without bands shows the empty grid.
    for (BandPoint* p : points_) p->hide();
    eqLabel_->hide();
    hasCurve_ = false;
    shownPoints_.clear();
    shownPath_ = {};
    DrawGrid(2);
    return;
  }
  const int last = code % 100 + code / 100;
  if (selection == kSelectAll) {
    const std::array<bool, kCurvePointCount> shown = VisiblePoints(code);
    for (int p = 0; p < kCurvePointCount; ++p) points_[p]->setVisible(shown[p]);
  }
  UpdateCurveBands(curveBands_, entries_, selection);
  if (!dragging_) {
    for (int i = 0; i <= last; ++i) {
      if (selection != kSelectAll && selection != i) continue;
      const CurveEntry& e = curveBands_[i].entry;
      const PixelRect r = PointRect(e, geometry_, points_[e.point]->height());
      points_[e.point]->move(r.left, r.top);
    }
  }
  // A selection past the page's entries (a band word the page does not show) has no label.
  if (selection == kSelectAll || selection > last)
    eqLabel_->hide();
  else
    PlaceEqLabel(curveBands_[selection].entry);

  curveSum_ = SumCurveBands(curveBands_, last);
  curvePoints_ = morvelin::CurvePoints(curveSum_, geometry_);
  const std::vector<QPointF> before = hasCurve_ ? shownPoints_ : std::vector<QPointF>{};
  const bool colourChanged = shownColour_ != curveColour_;
  hasCurve_ = true;
  SetShownCurve(image1_->devicePixelRatioF());
  InvalidateCurve(before, colourChanged);
}

std::vector<QPointF> ResponseGraph::PathPoints(qreal dpr) const {
  std::vector<QPointF> pts(GridSteps);
  for (int i = 0; i < GridSteps; ++i)
    pts[i] = QPointF(NearestInt(i * geometry_.GridScale() * dpr) / dpr,
                     NearestInt(geometry_.DbToY(curveSum_[i]) * dpr) / dpr);
  return pts;
}

void ResponseGraph::SetShownCurve(qreal dpr) {
  shownDpr_ = dpr;
  shownPoints_ = PathPoints(dpr);
  shownPath_ = CardinalSplinePath(std::span<const QPointF>(shownPoints_), kCurveTension);
  shownColour_ = curveColour_;
}

void ResponseGraph::InvalidateCurve(const std::vector<QPointF>& before, bool colourChanged) {
  pictureStale_ = true;
  const int lastSegment = GridSteps - 2;
  int first = 0, last = lastSegment;
  if (before.size() == shownPoints_.size() && !colourChanged) {
    // A point moves the segments of its two neighbours on either side.
    const auto differs = [&](int i) { return before[i] != shownPoints_[i]; };
    int a = 0, b = int(shownPoints_.size()) - 1;
    while (a <= b && !differs(a)) ++a;
    if (a > b) return;  // the same curve
    while (!differs(b)) --b;
    first = std::max(0, a - 2);
    last = std::min(lastSegment, b + 1);
  }
  // The pen's half width and a pixel of anti-aliasing around the control points' box.
  const qreal margin = kCurvePenWidth / 2 + 1.5;
  QRectF r = CardinalSplineBounds(shownPoints_, first, last, kCurveTension);
  if (!before.empty()) r |= CardinalSplineBounds(before, first, last, kCurveTension);
  image1_->update(r.adjusted(-margin, -margin, margin, margin).toAlignedRect());
}

void ResponseGraph::PaintPicture(QPainter& painter) {
  const qreal dpr = DeviceRatio(painter);
  // The first paint, or a move to a screen of another scale factor.
  if (painter.device() == image1_ && hasCurve_ && shownDpr_ != dpr) SetShownCurve(dpr);
  // The paint handler's painter is clipped to the region that needs it: only that much of the
  // grid is filled.
  PaintGrid(painter, dpr);
  if (spectrumOverlay_) spectrumOverlay_(painter, geometry_);
  PaintCurve(painter);
}

const QImage& ResponseGraph::Picture() {
  if (pictureStale_ || picture_.size() != size()) {
    picture_ = QImage(size(), QImage::Format_RGB32);
    QPainter p(&picture_);
    PaintPicture(p);
    pictureStale_ = false;
  }
  return picture_;
}

void ResponseGraph::PlaceEqLabel(const CurveEntry& entry) {
  // The label's line break is a carriage return; QLabel breaks lines at '\n'.
  eqLabel_->setText(QString::fromStdString(EqLabelText(entry)).replace(QChar('\r'), QChar('\n')));
  eqLabel_->adjustSize();
  const BandPoint* point = points_[entry.point];
  const PixelRect at{point->x(), point->y(), point->width(), point->height()};
  // Beside its point, but never cut off by an edge of the image, and drawn over every point.
  const PixelRect r =
      KeepInside(EqLabelRect(entry, at, eqLabel_->width(), eqLabel_->height()), width(), height());
  eqLabel_->move(r.left, r.top);
  eqLabel_->show();
  eqLabel_->raise();
}

void ResponseGraph::PaintCurve(QPainter& painter) const {
  if (!hasCurve_) return;
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(shownColour_, kCurvePenWidth));
  painter.setBrush(Qt::NoBrush);
  const qreal dpr = DeviceRatio(painter);
  if (dpr == shownDpr_)
    painter.drawPath(shownPath_);
  else
    painter.drawPath(CardinalSplinePath(std::span<const QPointF>(PathPoints(dpr)), kCurveTension));
  painter.restore();
}

void ResponseGraph::RepaintOverlay() {
  DrawGrid(2);
}

void ResponseGraph::SetCurveColour(QColor colour) {
  curveColour_ = colour;
}

void ResponseGraph::ShowMicBColour(bool micB) {
  curveColour_ = ToColor(morvelin::CurveColour(micB));
}

void ResponseGraph::ShowEqPass(bool on) {
  eqPassLabel_->setVisible(on);
}

bool ResponseGraph::EqPassShown() const {
  return !eqPassLabel_->isHidden();
}

void ResponseGraph::SetSpectrumOverlay(std::function<void(QPainter&, const GraphGeometry&)> overlay) {
  spectrumOverlay_ = std::move(overlay);
}

void ResponseGraph::SetSpectrumTick(std::function<void()> tick) {
  spectrumTick_ = std::move(tick);
}

int ResponseGraph::PageIndex() const {
  return host_.PageAddress() & 0xFF;
}

bool ResponseGraph::PageBlockValid() const {
  const int b = host_.PageBlock();
  return b >= 0 && b < kBlockCount;
}

QWidget* ResponseGraph::BandControl(int point, int word) const {
  if (!PageBlockValid()) return nullptr;
  const int block = host_.PageBlock();
  return host_.ValueControl(MakeAddress(block, BandWordIndex(EqBandStart(block), point, word)));
}

void ResponseGraph::ClickEdit(QWidget* edit) {
  if (edit && host_.IsEdit(edit) && host_.CanFocus(edit)) host_.MusFreEdit1Click(edit);
}

void ResponseGraph::ApplyWord(QWidget* control, int word) {
  if (control) host_.ApplyValue(control, GraphHost::StepNone, 0, word);
}

// The words a drag starts from are those the point shows, so that a motion that does not
// change a word writes nothing.
void ResponseGraph::StartDragWords(int point) {
  for (const CurveEntry& e : entries_) {
    if (e.point != point) continue;
    const int freq = FreqIndexOf(e.frequency);
    const int gain = IsBandPoint(point) ? GainWordOf(e.gain) : GainWordOf(0.0);
    dragWords_ = {freq, gain, freq, gain};
    dragTarget_ = point;
    return;
  }
}

void ResponseGraph::EP1MouseDown(int point, Qt::MouseButton button, QPoint pos) {
  if (point < 0 || point >= kCurvePointCount) return;
  const bool allowed = PointPressAllowed(PageIndex(), host_.AutoManual());
  if (button == Qt::LeftButton) {
    points_[point]->setCursor(Qt::CrossCursor);
    dragAnchor_ = pos;
    dragging_ = true;
    dragPoint_ = point;
    if (!host_.StartupDone()) return;
    qDragMode_ = false;
    if (!allowed) {
      dragging_ = false;
      return;
    }
    StartDragWords(point);
    if (IsBandPoint(point)) {
      ClickEdit(BandControl(point, 1));
    } else if (PageBlockValid() && BlockHasFilterPoints(host_.PageBlock())) {
      const int block = host_.PageBlock();
      RedrawCurve(EqBandCount(block) + point - kHighPassPoint, block);
    }
  } else if (button == Qt::RightButton) {
    dragging_ = false;
    if (!host_.StartupDone() || !IsBandPoint(point) || !allowed) return;
    QWidget* qEdit = BandControl(point, 3);
    if (!qEdit || !host_.IsEdit(qEdit)) return;
    if (host_.CanFocus(qEdit)) host_.MusFreEdit1Click(qEdit);
    qDragMode_ = true;
    dragPoint_ = point;
    dragAnchor_ = image1_->mapFrom(this, points_[point]->mapTo(this, pos));
  }
}

void ResponseGraph::EP1MouseMove(int point, QPoint pos) {
  if (!dragging_ || !host_.StartupDone() || dragPoint_ < 0 || qDragMode_ || point != dragPoint_) return;
  BandPoint* p = points_[dragPoint_];
  DragMotion motion{PageIndex(),
                    dragPoint_,
                    EqPassShown(),
                    p->x(),
                    p->y(),
                    pos.x() - dragAnchor_.x(),
                    pos.y() - dragAnchor_.y(),
                    p->height()};
  const DragStep step = DragPointStep(geometry_, motion);
  if (step.refused) return;
  p->move(step.left, step.top);
  dragTarget_ = dragPoint_;
  dragWords_.pendingFreq = step.freqIndex;
  dragWords_.pendingGain = step.gainWord;
  if (dragWords_.pendingFreq != dragWords_.appliedFreq || dragWords_.pendingGain != dragWords_.appliedGain)
    SyncCurveWithEdits();
}

void ResponseGraph::EP1MouseUp(int point, Qt::MouseButton button) {
  if (button != Qt::LeftButton || point < 0 || point >= kCurvePointCount) return;
  qDragMode_ = false;
  points_[point]->unsetCursor();
  if (!dragging_) return;
  dragging_ = false;
  // Before start-up has finished the press only marked the drag.
  if (!host_.StartupDone()) return;
  if (IsBandPoint(point) && PointPressAllowed(PageIndex(), host_.AutoManual()))
    ClickEdit(BandControl(point, 1));
}

void ResponseGraph::Image1MouseMove(QPoint pos, Qt::MouseButtons buttons) {
  if (!qDragMode_ || !QGesturePoint(dragPoint_) || !(buttons & Qt::RightButton)) return;
  const int step = QGestureStep(dragAnchor_.x(), pos.x());
  if (step == 0) return;
  host_.CommitEdit(step > 0 ? GraphHost::StepUp : GraphHost::StepDown);
  dragging_ = false;
  dragAnchor_ = pos;
  dragTarget_ = dragPoint_;
}

void ResponseGraph::Image1MouseUp(QPoint, Qt::MouseButton button) {
  if (button != Qt::RightButton || !qDragMode_ || !PointPressAllowed(PageIndex(), host_.AutoManual())) return;
  dragging_ = false;
  qDragMode_ = false;
  if (QGesturePoint(dragPoint_)) ClickEdit(BandControl(dragPoint_, 1));
}

void ResponseGraph::EQlabelMouseUp() {
  dragging_ = false;
  qDragMode_ = false;
}

void ResponseGraph::SyncCurveWithEdits() {
  const int t = std::clamp(dragTarget_, 0, kCurvePointCount - 1);
  QWidget* freq = freqControl_[t];
  QWidget* gain = IsBandPoint(t) ? gainControl_[t] : nullptr;
  switch (TakeDragWords(dragWords_, gain != nullptr)) {
    case DragApply::FreqThenGain:
      ApplyWord(freq, dragWords_.appliedFreq);
      ApplyWord(gain, dragWords_.appliedGain);
      break;
    case DragApply::Freq:
      ApplyWord(freq, dragWords_.appliedFreq);
      break;
    case DragApply::Gain:
      ApplyWord(gain, dragWords_.appliedGain);
      break;
    case DragApply::None:
      break;
  }
  const EditRecord edit = host_.LastEdit();
  if (edit == drawnEdit_) return;
  drawnEdit_ = edit;
  const int located = host_.Store().LocateBand(edit.address);
  if (located % 256 != kNoBandWord) RedrawCurve(located / 256, edit.address / 256);
}

void ResponseGraph::Timer1Timer() {
  if (dragging_) return;
  SyncCurveWithEdits();
  if (spectrumTick_) spectrumTick_();
}

bool ResponseGraph::EditPending() const {
  return host_.LastEdit() != drawnEdit_;
}

void ResponseGraph::StartTimer1(int intervalMs) {
  timer1_.start(intervalMs);
}

void ResponseGraph::StopTimer1() {
  timer1_.stop();
}

bool ResponseGraph::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  const bool mouse = type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick ||
                     type == QEvent::MouseMove || type == QEvent::MouseButtonRelease;
  if (!mouse) return QWidget::eventFilter(watched, event);
  auto* me = static_cast<QMouseEvent*>(event);
  const QPoint pos = me->position().toPoint();
  if (auto* point = qobject_cast<BandPoint*>(watched)) {
    const int p = point->Index();
    // The point keeps the pointer while a button is held, so motion and release over the
    // image arrive here and are passed on in the image's coordinates.
    const QPoint onImage = image1_->mapFrom(this, point->mapTo(this, pos));
    switch (type) {
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonDblClick:
        EP1MouseDown(p, me->button(), pos);
        break;
      case QEvent::MouseMove:
        EP1MouseMove(p, pos);
        if (me->buttons() & Qt::RightButton) Image1MouseMove(onImage, me->buttons());
        break;
      default:
        if (me->button() == Qt::LeftButton)
          EP1MouseUp(p, Qt::LeftButton);
        else if (image1_->rect().contains(onImage))
          Image1MouseUp(onImage, me->button());
        break;
    }
    return true;
  }
  if (watched == image1_) {
    // The graph is a control, not an empty spot: a press on it never moves the window.
    if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) {
      me->accept();
      return true;
    }
    if (type == QEvent::MouseMove) Image1MouseMove(pos, me->buttons());
    if (type == QEvent::MouseButtonRelease) Image1MouseUp(pos, me->button());
    return false;
  }
  if (watched == eqLabel_ || watched == eqPassLabel_) {
    if (type == QEvent::MouseButtonRelease) EQlabelMouseUp();
    return type != QEvent::MouseMove;
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace morvelin
