#include "graphs/widgets/graph_pane.h"

#include <algorithm>

#include "graphs/graph_geometry.h"
#include "graphs/widgets/response_graph.h"

namespace morvelin {

namespace {

// The graph panel is anchored on all four sides of the pane.
constexpr int kRightMargin = kGraphPaneWidth - kGraphPanelLeft - kGraphDesignWidth;
constexpr int kBottomMargin = kGraphPaneHeight - kGraphPanelTop - kGraphDesignHeight;

}  // namespace

GraphPane::GraphPane(GraphHost& host, QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("AdvParentPane"));
  QPalette pal = palette();
  pal.setColor(QPalette::Window, Qt::black);
  setPalette(pal);
  setAutoFillBackground(true);
  resize(kGraphPaneWidth, kGraphPaneHeight);
  graph_ = new ResponseGraph(host, this, this);
  graph_->setObjectName(QStringLiteral("AdvPanel2"));
  graph_->setGeometry(kGraphPanelLeft, kGraphPanelTop, kGraphDesignWidth, kGraphDesignHeight);
  graph_->DrawGrid(1);
}

void GraphPane::resizeEvent(QResizeEvent*) {
  graph_->setGeometry(kGraphPanelLeft, kGraphPanelTop, std::max(0, width() - kGraphPanelLeft - kRightMargin),
                      std::max(0, height() - kGraphPanelTop - kBottomMargin));
}

}  // namespace morvelin
