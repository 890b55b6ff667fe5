#include "shell/main_window.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>
#include <algorithm>

#include "editor/page_tables.h"
#include "editor/widgets/accessibility/accessible_form.h"
#include "editor/widgets/controls/bmp_button.h"
#include "editor/widgets/controls/containers.h"
#include "editor/widgets/controls/desk_style.h"
#include "editor/widgets/controls/text_controls.h"
#include "editor/widgets/controls/track_bar.h"
#include "editor/widgets/page_builder.h"
#include "graphs/graph_geometry.h"
#include "link/link_controller.h"
#include "link/status_texts.h"
#include "shell/volume_keys.h"

namespace morvelin {

namespace {

// Room below the graph image for the frequency labels.
constexpr int kGraphBottomMargin = 24;

// The groups above the graph, left to right; the visible ones close up at the right edge.
constexpr const char* kGraphStripGroups[] = {"SingleDiscoGrop", "EQPassGrop", "CopyGrop", "RzGroupBox19"};
constexpr int kGraphStripTop = 1;
constexpr int kGraphStripGap = 4;
// The strip of the graph panel above the graph pane, holding those groups, and the pane's
// margins at the panel's left and right edges.
constexpr int kGraphStrip = 26;
constexpr int kGraphPaneLeft = 3;
constexpr int kGraphPaneRight = 7;

}  // namespace

MainWindow::MainWindow(EditorSession& session)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint),
      session_(session),
      store_(session.Store()),
      state_(session.State()),
      tabs_(comps_, session) {
  // Before any control exists: Qt keeps the first interface made for an object.
  a11y::InstallFactory();
  setObjectName("Form1");
  setWindowTitle("Morvelin");
  setFont(desk::Font(12));
  resize(kDesignWidth, kDesignHeight);
  setAttribute(Qt::WA_OpaquePaintEvent);
  buildProblems_ = BuildPages(this, comps_);
  buildProblems_ << HandleProblems(comps_);
  ConnectControls();
  timer1_.setInterval(10);
  connect(&timer1_, &QTimer::timeout, this, &MainWindow::Timer1Timer);
  // Every edit is made by some event; once the events are handled, the tick takes it up.
  if (auto* dispatcher = QAbstractEventDispatcher::instance())
    connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this, &MainWindow::WakeTimer1);
  volumeKeys_ = new VolumeKeys(
      this, [this](int key) { FormKeyDown(key); },
      [this](const QWidget* receiver) {
        // The value edits discard letters; every other text field (names, codes, passwords) takes them.
        const auto* edit = dynamic_cast<const QLineEdit*>(receiver);
        if (!edit || edit->isReadOnly()) return false;
        const auto* control = dynamic_cast<const Control*>(receiver);
        return !control || !isValueEdit_ || !isValueEdit_(*control);
      });
  LayoutClient();
}

MainWindow::~MainWindow() {
  qApp->removeEventFilter(volumeKeys_);
}

void MainWindow::ConnectControls() {
  auto white = [this](const char* name) {
    if (Control* c = comps_.Find(name)) c->SetCaptionColor(Qt::white);
  };
  white("RzLabel9");
  white("EQlabel");
  white("Label3");
  if (auto* pass = comps_.Get(handle::EQPassLabel)) {
    pass->setFont(desk::Font(20, true));
    pass->SetCaptionColor(QColor(255, 80, 80));
  }
  if (auto* status = comps_.Get(handle::LinkLabel)) {
    status->SetCaptionColor(QColor(kOfflineColour.red, kOfflineColour.green, kOfflineColour.blue));
    status->SetHalo(true);
  }
  if (auto* top = comps_.Get(handle::topGrop))
    top->SetColors(QColor(0x7a, 0x7a, 0x7a), QColor(0x50, 0x50, 0x50));
  if (auto* bar = comps_.Get(handle::TopTileGrop)) bar->SetFill(QColor(0x7a, 0x7a, 0x7a));
  if (auto* panel = comps_.Get(handle::AdvPanel1)) panel->SetFill(QColor(0x80, 0x80, 0x80));
  if (auto* graph = comps_.Get(handle::AdvPanel2)) graph->SetFill(QColor(0x12, 0x14, 0x16));

  const std::pair<const char*, const char*> windowButtons[] = {
      {"RzBmpButton2", "—"}, {"RzBmpButton1", "□"}, {"RzBmpButton3", "✕"}};
  for (const auto& [name, glyph] : windowButtons) {
    if (auto* b = comps_.Get<BmpButton>(name)) {
      b->SetCaption(QString::fromUtf8(glyph));
      b->SetCaptionColor(Qt::white);
    }
  }
  if (auto* b = comps_.Get(handle::RzBmpButton2))
    connect(b, &BmpButton::Clicked, this, [this] { RzBmpButton2Click(); });
  if (auto* b = comps_.Get(handle::RzBmpButton1))
    connect(b, &BmpButton::Clicked, this, [this] { RzBmpButton1Click(); });
  if (auto* b = comps_.Get(handle::RzBmpButton3))
    connect(b, &BmpButton::Clicked, this, [this] { RzBmpButton3Click(); });

  if (auto* b = comps_.Get(handle::LinkBtn))
    connect(b, &BmpButton::Clicked, this, [this] {
      if (LinkController* link = Link()) link->LinkBtnClick(LinkController::Button::LinkBtn);
    });
  if (auto* b = comps_.Get(handle::UnLinkBtn))
    connect(b, &BmpButton::Clicked, this, [this] {
      if (LinkController* link = Link()) link->LinkBtnClick(LinkController::Button::UnLinkBtn);
    });

  // The nine system volume sliders (the master volumes and the limits of the system page) show
  // their position; the binding handles their moves.
  for (const pages::LineRow& r : pages::LineRows()) {
    if (r.kind != pages::Kind::Slider || BlockOf(r.address) != 29) continue;
    if (auto* bar = comps_.Get<TrackBar>(QString::fromUtf8(r.name)))
      if (Control* pane = comps_.Find(QString::fromUtf8(r.pane)))
        pane->SetCaption(QString::number(bar->Position()));
  }
  tabs_.Connect();
  if (QWidget* panel = comps_.Widget(handle::AdvPanel1)) panel->installEventFilter(this);
  for (const char* group : kGraphStripGroups)
    if (QWidget* g = comps_.Widget(group)) g->installEventFilter(this);
}

void MainWindow::FormCreate() {
  if (created_) return;
  created_ = true;
  session_.FormCreate(comps_);
  // Installed after the features' filters, so the volume keys see a key before they do.
  qApp->installEventFilter(volumeKeys_);
}

void MainWindow::FormShow() {
  session_.RunStartupStep(StartupStep::BuildRegistry);
  session_.RunStartupStep(StartupStep::BuildRegistry);
  store_.ResetBands(kAllBlocks);
  try {
    if (LinkController* link = Link()) {
      link->FillPortList();
      link->LinkBtnClick(LinkController::Button::LinkBtn);
    }
  } catch (...) {
    // The search reports its own failure; start-up goes on in any case.
  }
  session_.RunStartupStep(StartupStep::EnsureFolders);
  session_.RunStartupStep(StartupStep::RefreshBackupList);
  if (QWidget* prompt = comps_.Widget(handle::FirstCheckGrop); !prompt || prompt->isHidden())
    tabs_.ClickTab(0);
  timer1_.start();
  state_.StartupDone = true;
}

void MainWindow::Timer1Timer() {
  session_.Tick();
  if (!session_.TicksWanted()) timer1_.stop();
}

void MainWindow::WakeTimer1() {
  if (state_.StartupDone && !timer1_.isActive() && session_.TicksWanted()) timer1_.start();
}

void MainWindow::FormCloseQuery() {
  if (LinkController* link = Link()) link->CloseQuery();
}

void MainWindow::FormKeyDown(int key) {
  for (const VolumeKey& v : kVolumeKeys) {
    if (v.key != key) continue;
    if (auto* bar = comps_.Get<TrackBar>(v.slider)) bar->SetPosition(bar->Position() + v.step);
  }
}

void MainWindow::RzBmpButton2Click() {
  QTimer::singleShot(0, this, [this] { showMinimized(); });
}

void MainWindow::RzBmpButton1Click() {
  if (isMaximized()) {
    restoring_ = normalGeometry_.isValid();
    showNormal();
    RestoreNormalGeometry();
    return;
  }
  normalGeometry_ = geometry();
  // The window manager (or the platform without one) maximises into the screen's available
  // area, which leaves every task bar uncovered wherever it sits. Setting a geometry here
  // would end the maximised state again.
  showMaximized();
}

void MainWindow::RestoreNormalGeometry() {
  // A window manager may put back a geometry of its own, late; ours is the one before maximising.
  if (!restoring_ || isMaximized()) return;
  if (geometry() != normalGeometry_) setGeometry(normalGeometry_);
}

void MainWindow::changeEvent(QEvent* e) {
  QWidget::changeEvent(e);
  if (e->type() == QEvent::WindowStateChange && !isMaximized() && restoring_) {
    RestoreNormalGeometry();
    restoring_ = false;
  }
}

void MainWindow::RzBmpButton3Click() {
  close();
}

void MainWindow::showEvent(QShowEvent* e) {
  if (!centred_) {
    centred_ = true;
    if (QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen()) {
      QRect r = geometry();
      r.moveCenter(s->availableGeometry().center());
      move(r.topLeft());
    }
  }
  QWidget::showEvent(e);
  if (!shown_) {
    shown_ = true;
    FormCreate();
    FormShow();
  }
}

void MainWindow::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), desk::kWindow);
  p.setPen(QColor(0x40, 0x40, 0x40));
  p.drawRect(rect().adjusted(0, 0, -1, -1));
  if (!painted_) {
    painted_ = true;
    // The children are painted after this handler and the frame is then handed to the screen;
    // the mark comes when that has happened.
    QMetaObject::invokeMethod(this, &MainWindow::FirstFrame, Qt::QueuedConnection);
  }
}

void MainWindow::resizeEvent(QResizeEvent* e) {
  QWidget::resizeEvent(e);
  LayoutClient();
}

void MainWindow::LayoutClient() {
  const int w = width();
  const int h = height();
  auto place = [this](const char* name, int x, int y, int pw, int ph) {
    if (QWidget* c = comps_.Widget(name)) c->setGeometry(x, y, pw, ph);
  };
  auto moveX = [this](const char* name, int x) {
    if (QWidget* c = comps_.Widget(name)) c->move(x, c->y());
  };
  place("Image2", 0, 0, w, kTitleHeight);
  moveX("RzBmpButton2", w - 71);
  moveX("RzBmpButton1", w - 48);
  moveX("RzBmpButton3", w - 25);
  moveX("LinkLabel", w - 318);
  place("topGrop", 0, kTitleHeight, w, kTopBarHeight);
  moveX("LinkBtn", w - 70);
  moveX("UnLinkBtn", w - 70);

  const int top = kTitleHeight + kTopBarHeight;
  QWidget* panel = comps_.Widget(handle::AdvPanel1);
  const bool panelShown = panel && !panel->isHidden();
  // The pane keeps at least the design graph's height; the pages yield below the design size.
  const int paneMinH = kGraphPanelTop + kGraphDesignHeight + kGraphBottomMargin;
  const int panelH = std::max(kGraphStrip + paneMinH + 1, h - top - kPageHeight);
  // The pages keep their design width; a wider window centres them.
  const int pagesX = std::max(0, (w - kDesignWidth) / 2);
  const int pagesW = std::min(w, kDesignWidth);
  if (panelShown) {
    place("FormPageItem", pagesX, top, pagesW, std::max(0, h - top - panelH));
    place("AdvPanel1", 0, h - panelH, w, panelH);
  } else {
    place("FormPageItem", pagesX, top, pagesW, h - top);
  }
  const int paneW = w - kGraphPaneLeft - kGraphPaneRight;
  const int paneH = panelH - kGraphStrip - 1;
  place("AdvParentPane", kGraphPaneLeft, kGraphStrip, paneW, paneH);
  // The graph panel leaves the pane's left and bottom edges to the axis labels.
  const int imageW = std::max(0, paneW - kGraphPanelLeft);
  const int imageH = std::max(0, paneH - kGraphPanelTop - kGraphBottomMargin);
  place("AdvPanel2", kGraphPanelLeft, kGraphPanelTop, imageW, imageH);
  place("Image1", 0, 0, imageW, imageH);
  if (QWidget* pass = comps_.Widget(handle::EQPassLabel))
    pass->move((imageW - pass->width()) / 2, (imageH - pass->height()) / 2);
  moveX("Label3", imageW - 180);
  // The groups above the graph: the visible ones close up from the pane's right edge, without
  // holes where hidden ones sit.
  int columnX = kGraphPaneLeft + paneW;
  for (auto it = std::rbegin(kGraphStripGroups); it != std::rend(kGraphStripGroups); ++it) {
    QWidget* g = comps_.Widget(*it);
    if (!g) continue;
    if (!g->isHidden()) columnX -= g->width();
    g->move(columnX, kGraphStripTop);
    if (!g->isHidden()) columnX -= kGraphStripGap;
  }
  if (QWidget* prompt = comps_.Widget(handle::FirstCheckGrop))
    prompt->move((w - prompt->width()) / 2, (h - prompt->height()) / 2);
}

void MainWindow::mousePressEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton) return;
  // The bare surface acts as a title bar.
  if (windowHandle() && windowHandle()->startSystemMove()) return;
  dragging_ = true;
  dragOffset_ = e->globalPosition().toPoint() - frameGeometry().topLeft();
}

void MainWindow::mouseMoveEvent(QMouseEvent* e) {
  if (dragging_ && (e->buttons() & Qt::LeftButton)) move(e->globalPosition().toPoint() - dragOffset_);
}

void MainWindow::mouseReleaseEvent(QMouseEvent*) {
  dragging_ = false;
}

void MainWindow::closeEvent(QCloseEvent* e) {
  FormCloseQuery();
  e->accept();
  emit Closed();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent) {
    const bool column = std::any_of(std::begin(kGraphStripGroups), std::end(kGraphStripGroups),
                                    [&](const char* g) { return watched == comps_.Widget(g); });
    if (column || watched == comps_.Widget(handle::AdvPanel1)) LayoutClient();
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace morvelin
