#pragma once
// The black pane around the response graph (AdvParentPane): the graph panel (AdvPanel2) at
// its design place with the axis labels beside and below it.

#include <QWidget>

#include "graphs/widgets/graph_host.h"

namespace morvelin {

class ResponseGraph;

inline constexpr int kGraphPaneWidth = 1188;
inline constexpr int kGraphPaneHeight = 290;

class GraphPane : public QWidget {
  Q_OBJECT
 public:
  explicit GraphPane(GraphHost& host, QWidget* parent = nullptr);

  ResponseGraph* Graph() const { return graph_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  ResponseGraph* graph_;
};

}  // namespace morvelin
