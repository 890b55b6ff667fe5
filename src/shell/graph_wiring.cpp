#include "shell/graph_wiring.h"

#include <QEvent>
#include <QLabel>

#include "editor/editor_session.h"
#include "editor/widgets/controls/bmp_button.h"
#include "editor/widgets/controls/combo_box.h"
#include "editor/widgets/controls/containers.h"
#include "editor/widgets/form_components.h"
#include "graphs/curve_layout.h"
#include "graphs/widgets/response_graph.h"

namespace morvelin {

namespace {

const QString kHighPassHint = QStringLiteral("20");
const QString kLowPassHint = QStringLiteral("21");

}  // namespace

GraphWiring::GraphWiring(EditorSession& session, EditorBinding& binding) : host_(binding) {
  connect(&session, &EditorSession::FormCreated, this, &GraphWiring::FormCreate);
  connect(&session, &EditorSession::Ticked, this, &GraphWiring::Timer1Timer);
  connect(&session, &EditorSession::TicksQueried, this, [this](bool& wanted) {
    if (graph_ && graph_->EditPending()) wanted = true;
  });
  connect(&session, &EditorSession::CurvesRedrawRequested, this, &GraphWiring::RedrawCurves);
  connect(&session, &EditorSession::CurveColourChanged, this, &GraphWiring::CurveColorChanged);
}

GraphWiring::~GraphWiring() {
  delete graph_.data();
}

void GraphWiring::FormCreate(FormComponents& comps) {
  if (graph_) return;
  panel_ = comps.Widget(handle::AdvPanel2);
  QWidget* pane = comps.Widget(handle::AdvParentPane);
  if (!panel_ || !pane) return;
  if (auto* black = comps.Get(handle::AdvParentPane)) black->SetFill(Qt::black);
  graph_ = new ResponseGraph(host_, pane, panel_);
  graph_->setObjectName(QStringLiteral("GraphView"));
  // The graph draws its own image and value label; the form's stand-ins stay out of sight.
  for (const char* standIn : {"Image1", "EQlabel"})
    if (QWidget* w = comps.Widget(standIn)) w->hide();
  passStandIn_ = comps.Widget(handle::EQPassLabel);
  if (passStandIn_) {
    passStandIn_->installEventFilter(this);
    graph_->ShowEqPass(!passStandIn_->isHidden());
  }
  if (QWidget* label3 = comps.Widget(handle::Label3)) {
    label3->raise();
    // It lies over the top right of the image, where a band point may be dragged.
    label3->setAttribute(Qt::WA_TransparentForMouseEvents);
  }
  // The high-pass and low-pass type lists ("20", "21"): after the editor has stored and
  // redrawn, the changed filter is selected on the graph with its value label.
  for (Control* c : comps.InOrder()) {
    auto* list = dynamic_cast<ComboBox*>(c);
    if (list && (list->Hint() == kHighPassHint || list->Hint() == kLowPassHint))
      connect(list, &ComboBox::UserChanged, this, [this, list] { FilterTypeChanged(*list); });
  }
  // EQ reset and the pair buttons redraw the page around the group's selected band, so the
  // selected band's value label comes back after the editor's refresh.
  for (const char* name : {"EQResetBtn", "LeftBtn", "SameBtn", "RightBtn"})
    if (auto* b = comps.Get<BmpButton>(name))
      connect(b, &BmpButton::Clicked, this, [this] { RedrawAroundSelection(kAllBlocks); });
  panel_->installEventFilter(this);
  FitToPanel();
  graph_->show();
}

void GraphWiring::FitToPanel() {
  if (graph_ && panel_) graph_->setGeometry(panel_->rect());
}

int GraphWiring::PageBlockFor(int block) const {
  const int page = host_.PageBlock();
  return block == kAllBlocks || block == page ? page : -1;
}

void GraphWiring::RedrawCurves(int block) {
  const int b = PageBlockFor(block);
  if (graph_ && b >= 0) graph_->RedrawCurve(kSelectAll, b);
}

void GraphWiring::RedrawAroundSelection(int block) {
  const int b = PageBlockFor(block);
  if (!graph_ || b < 0) return;
  graph_->RedrawCurve(kSelectAll, b);
  graph_->RedrawCurve(host_.SelectedBand(host_.PageAddress() & 0xFF), b);
}

void GraphWiring::FilterTypeChanged(const ComboBox& list) {
  const int block = BlockOf(list.Tag());
  const CurveLayout* layout = CurveLayoutOf(block);
  // Lists of a block the graph does not draw keep the editor's full redraw alone.
  if (!graph_ || block != host_.PageBlock() || !layout || layout->highPassWord < 0) return;
  graph_->RedrawCurve(EqBandCount(block) + (list.Hint() == kLowPassHint ? 1 : 0), block);
}

void GraphWiring::CurveColorChanged(const QColor& color) {
  // The pen of the next redraw; every caller redraws the page right after.
  if (graph_) graph_->SetCurveColour(color);
}

void GraphWiring::Timer1Timer() {
  if (graph_) graph_->Timer1Timer();
}

bool GraphWiring::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (watched == panel_ && type == QEvent::Resize) FitToPanel();
  if (watched == passStandIn_ && graph_ && (type == QEvent::ShowToParent || type == QEvent::HideToParent))
    graph_->ShowEqPass(type == QEvent::ShowToParent);
  return QObject::eventFilter(watched, event);
}

}  // namespace morvelin
