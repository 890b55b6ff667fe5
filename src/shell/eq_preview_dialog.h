#pragma once
// The preview of an EQ file import: the page's current curve and the imported one side by
// side on the graph's axis, the largest gap between the file and the unit's words, and what
// did not fit. Apply or Cancel.

#include <QDialog>
#include <QStringList>
#include <QWidget>

#include "graphs/response_grid.h"

namespace morvelin {

struct EqPreview {
  QString title;  // the page
  Response current{};
  Response imported{};
  double maxDifferenceDb = 0;
  QStringList report;
  int changes = 0;  // words the import changes
};

// Two responses on the graph's logarithmic axis, -24..+12 dB.
class CurvePairView : public QWidget {
 public:
  CurvePairView(const Response& current, const Response& imported, QWidget* parent = nullptr);
  QSize sizeHint() const override { return {460, 200}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Response current_;
  Response imported_;
};

class EqPreviewDialog : public QDialog {
 public:
  // uiLanguage: 1 Chinese, 0 English.
  EqPreviewDialog(const EqPreview& preview, int uiLanguage, QWidget* parent = nullptr);
};

}  // namespace morvelin
