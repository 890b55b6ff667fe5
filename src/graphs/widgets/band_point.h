#pragma once
// One draggable point of the response graph: a small yellow disc with the band's number or
// the filter's letter on a transparent background.

#include <QPixmap>
#include <QString>
#include <QWidget>

namespace morvelin {

class BandPoint : public QWidget {
  Q_OBJECT
 public:
  // index 0..19 shows "1".."20", 20 "H", 21 "L"; the index is also the point's "Tag".
  BandPoint(int index, QWidget* parent);

  int Index() const { return index_; }
  static QString NameOf(int index);   // "EP1".."EP20", "HPF", "LPF"
  static QString LabelOf(int index);  // "1".."20", "H", "L"

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  int index_;
  QPixmap picture_;
};

}  // namespace morvelin
