#include "editor/widgets/accessibility/graph_accessibles.h"

#include <QAccessibleWidget>
#include <QStringList>

#include "editor/widgets/accessibility/accessible_names.h"
#include "graphs/curve_layout.h"
#include "graphs/widgets/band_point.h"
#include "graphs/widgets/graph_image.h"
#include "graphs/widgets/response_graph.h"

namespace morvelin::a11y {

namespace {

const ResponseGraph* GraphOf(const QWidget* w) {
  for (; w; w = w->parentWidget())
    if (const auto* g = qobject_cast<const ResponseGraph*>(w)) return g;
  return nullptr;
}

QString PointName(int index) {
  return index < kHighPassPoint ? QStringLiteral("EQ%1").arg(index + 1) : BandPoint::NameOf(index);
}

// What the value label shows for the point, on one line.
QString PointText(const ResponseGraph& graph, int index) {
  const QString text = QString::fromStdString(EqLabelText(graph.Bands()[index].entry));
  return Trimmed(QString(text).replace(QChar('\r'), QChar(' ')));
}

// The points the page shows, each with its values.
QString BandsText(const ResponseGraph& graph) {
  QStringList bands;
  for (int i = 0; i < kCurvePointCount; ++i)
    if (const BandPoint* p = graph.Point(i); p && !p->isHidden())
      bands << PointName(i) + ": " + PointText(graph, i);
  return bands.join(QStringLiteral("; "));
}

class GraphAccessible : public QAccessibleWidget {
 public:
  explicit GraphAccessible(QWidget* w) : QAccessibleWidget(w, QAccessible::Graphic) {}

  QString text(QAccessible::Text t) const override {
    const ResponseGraph* graph = GraphOf(widget());
    if (t == QAccessible::Name) return InLanguageOf(widget(), "频率响应曲线", "Frequency response");
    if (t == QAccessible::Description && graph) return BandsText(*graph);
    return QAccessibleWidget::text(t);
  }
};

class PointAccessible : public QAccessibleWidget {
 public:
  explicit PointAccessible(BandPoint* p) : QAccessibleWidget(p, QAccessible::Button) {}

  QString text(QAccessible::Text t) const override {
    const auto* point = static_cast<const BandPoint*>(widget());
    if (t == QAccessible::Name) return PointName(point->Index());
    if (t == QAccessible::Description)
      if (const ResponseGraph* graph = GraphOf(point)) return PointText(*graph, point->Index());
    return QAccessibleWidget::text(t);
  }
};

}  // namespace

QAccessibleInterface* GraphInterface(QObject* object) {
  if (auto* p = qobject_cast<BandPoint*>(object)) return new PointAccessible(p);
  if (qobject_cast<ResponseGraph*>(object) || qobject_cast<GraphImage*>(object))
    return new GraphAccessible(static_cast<QWidget*>(object));
  return nullptr;
}

}  // namespace morvelin::a11y
