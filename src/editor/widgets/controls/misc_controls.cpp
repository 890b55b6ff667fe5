#include "editor/widgets/controls/misc_controls.h"

#include <QHeaderView>
#include <QPainter>
#include <QScrollBar>

#include "editor/widgets/controls/desk_style.h"

namespace morvelin {

ListEditor::ListEditor(QWidget* parent) : QTableWidget(0, 2, parent), Control(ControlClass::ListEditor) {
  setFont(desk::Font(12));
  horizontalHeader()->setStretchLastSection(true);
  horizontalHeader()->setFont(desk::Font(12, true));
  verticalHeader()->setVisible(false);
  verticalHeader()->setDefaultSectionSize(20);
  setHorizontalHeaderLabels({"Key", "Value"});
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
}

void ListEditor::scrollTo(const QModelIndex& index, ScrollHint hint) {
  const int x = horizontalScrollBar()->value();
  QTableWidget::scrollTo(index, hint);
  horizontalScrollBar()->setValue(x);
}

ImageBox::ImageBox(QWidget* parent) : QWidget(parent), Control(ControlClass::Image) {}

void ImageBox::SetPicture(const QImage& image) {
  picture_ = image;
  update();
}

void ImageBox::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (!picture_.isNull()) {
    p.drawImage(rect(), picture_);
    return;
  }
  QLinearGradient g(0, 0, 0, height());
  g.setColorAt(0, desk::kTitleBar.lighter(135));
  g.setColorAt(1, desk::kTitleBar);
  p.fillRect(rect(), g);
}

}  // namespace morvelin
