#include "shell/eq_preview_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "params/scales.h"

namespace morvelin {

namespace {

constexpr double kTopDb = 12.0;
constexpr double kBottomDb = -24.0;
const QColor kCurrentColour(150, 150, 150);
const QColor kImportedColour(0, 200, 0);

QString Pick(int uiLanguage, const char* zh, const char* en) {
  return QString::fromUtf8(uiLanguage == 1 ? zh : en);
}

}  // namespace

CurvePairView::CurvePairView(const Response& current, const Response& imported, QWidget* parent)
    : QWidget(parent), current_(current), imported_(imported) {
  setObjectName(QStringLiteral("EqPreviewCurves"));
  setMinimumSize(300, 140);
}

void CurvePairView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), Qt::black);
  const double w = width() - 1;
  const double h = height() - 1;
  auto y = [&](double db) { return (kTopDb - std::clamp(db, kBottomDb, kTopDb)) / (kTopDb - kBottomDb) * h; };
  p.setPen(QColor(60, 60, 60));
  for (double db = kBottomDb; db <= kTopDb; db += 6.0) p.drawLine(QPointF(0, y(db)), QPointF(w, y(db)));
  p.setRenderHint(QPainter::Antialiasing);
  for (const auto& [curve, colour] :
       {std::pair{&current_, kCurrentColour}, std::pair{&imported_, kImportedColour}}) {
    QPainterPath path;
    for (int i = 0; i < GridPoints; ++i) {
      const QPointF at(w * i / GridSteps, y((*curve)[static_cast<std::size_t>(i)]));
      if (i == 0)
        path.moveTo(at);
      else
        path.lineTo(at);
    }
    p.setPen(QPen(colour, 2));
    p.drawPath(path);
  }
}

EqPreviewDialog::EqPreviewDialog(const EqPreview& preview, int lang, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("EqPreviewDialog"));
  setWindowTitle(Pick(lang, "导入EQ", "Import EQ") + QStringLiteral(" - ") + preview.title);
  setAccessibleName(windowTitle());
  auto* layout = new QVBoxLayout(this);

  auto* legend = new QLabel(
      Pick(lang, "灰色：当前曲线　绿色：导入后的曲线", "Grey: current curve   Green: imported curve"), this);
  legend->setObjectName(QStringLiteral("EqPreviewLegend"));
  legend->setAccessibleName(legend->text());
  layout->addWidget(legend);

  auto* curves = new CurvePairView(preview.current, preview.imported, this);
  curves->setAccessibleName(Pick(lang, "当前与导入后的响应曲线", "Current and imported response curves"));
  layout->addWidget(curves, 1);

  const QString gap = QString::fromStdString(FormatFixed(preview.maxDifferenceDb, 2));
  auto* difference = new QLabel(Pick(lang, "文件与设备取值的最大差异：",
                                     "Largest difference between the file and the unit's values: ") +
                                    gap + " dB",
                                this);
  difference->setObjectName(QStringLiteral("EqPreviewDifference"));
  difference->setAccessibleName(difference->text());
  layout->addWidget(difference);

  auto* report = new QPlainTextEdit(this);
  report->setObjectName(QStringLiteral("EqPreviewReport"));
  report->setAccessibleName(Pick(lang, "导入报告", "Import report"));
  report->setReadOnly(true);
  QStringList lines = preview.report;
  lines.prepend(Pick(lang, "改变的参数：", "Words changed: ") + QString::number(preview.changes));
  report->setPlainText(lines.join('\n'));
  report->setMaximumHeight(110);
  layout->addWidget(report);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
  ok->setObjectName(QStringLiteral("EqPreviewApply"));
  ok->setText(Pick(lang, "应用", "Apply"));
  ok->setAccessibleName(ok->text());
  QPushButton* cancel = buttons->button(QDialogButtonBox::Cancel);
  cancel->setObjectName(QStringLiteral("EqPreviewCancel"));
  cancel->setText(Pick(lang, "取消", "Cancel"));
  cancel->setAccessibleName(cancel->text());
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
}

}  // namespace morvelin
