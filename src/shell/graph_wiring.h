#pragma once
// The response graph inside the main window, a feature of the editor session: the graph fills
// AdvPanel2 with its axis labels in AdvParentPane when the form is created, follows the panel's
// size, ticks with the window's 10 ms timer and takes the redraws the editor asks for. The
// form's Image1 and EQlabel stand aside for the graph's own; the form's EQPassLabel stays the
// one the editor shows and hides, and the graph's "EQ PASS" follows it.

#include <QColor>
#include <QObject>
#include <QPointer>

#include "editor/widgets/graph_host_adapter.h"
#include "graphs/widgets/response_graph.h"

namespace morvelin {

class ComboBox;
class EditorBinding;
class EditorSession;
class FormComponents;

class GraphWiring : public QObject {
  Q_OBJECT
 public:
  GraphWiring(EditorSession& session, EditorBinding& binding);
  // Takes the graph it made off the form: the graph reads the editor through this object.
  ~GraphWiring() override;

  // FormCreate: the graph image, its labels and the 22 drag points, the grid drawn.
  void FormCreate(FormComponents& components);
  ResponseGraph* Graph() const { return graph_.data(); }

  // Every curve of a view block (100: the page shown); the graph only draws the page's block.
  void RedrawCurves(int block);
  // Every curve, then the group's selected band again with its value label.
  void RedrawAroundSelection(int block);
  void CurveColorChanged(const QColor& color);
  // The main window's 10 ms tick.
  void Timer1Timer();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The block the graph draws for a request, or -1 when the request is not for the page shown.
  int PageBlockFor(int block) const;
  void FilterTypeChanged(const ComboBox& list);
  void FitToPanel();

  EditorGraphHost host_;
  // The window owns the widgets.
  QPointer<QWidget> panel_;        // AdvPanel2
  QPointer<QWidget> passStandIn_;  // the form's EQPassLabel: its visibility is the state shown
  QPointer<ResponseGraph> graph_;
};

}  // namespace morvelin
