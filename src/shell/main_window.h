#pragma once
// TForm1: the frameless main window with its own title bar, the top bar, the graph panel and
// the pages; its start-up order, the volume shortcuts, moving and closing.

#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

#include "editor/editor_session.h"
#include "editor/widgets/form_components.h"
#include "editor/widgets/tab_switch.h"

namespace morvelin {

class Control;
class LinkController;
class VolumeKeys;

class MainWindow : public QWidget {
  Q_OBJECT
 public:
  static constexpr int kDesignWidth = 1198;
  static constexpr int kDesignHeight = 618;
  static constexpr int kTitleHeight = 25;
  static constexpr int kTopBarHeight = 36;
  // The pages keep this height above the graph; the graph panel below takes the rest.
  static constexpr int kPageHeight = 240;

  // Builds the pages. The features of the session are made next, on the window's components;
  // then FormCreate announces the form to them (showing the window runs it at the latest).
  explicit MainWindow(EditorSession& session);
  ~MainWindow() override;

  EditorSession& Session() { return session_; }
  LinkController* Link() const { return session_.Link(); }

  FormComponents& Components() { return comps_; }
  const FormComponents& Components() const { return comps_; }
  TabSwitch& Tabs() { return tabs_; }
  EditorState& State() { return session_.State(); }
  ParamStore& Store() { return session_.Store(); }
  // Problems the page tables showed while building (empty when all is well).
  const QStringList& BuildProblems() const { return buildProblems_; }
  // The 10 ms graph timer. It runs from the end of start-up while the session wants ticks and
  // sleeps when nothing changes; WakeTimer1 runs each time the event loop is about to wait.
  QTimer& Timer1() { return timer1_; }
  void Timer1Timer();
  void WakeTimer1();
  // Which controls are the registered value edits (they discard letters, so the volume keys act
  // in them); every other text field takes letters and keeps the keys. Set by the binding.
  void SetValueEditRule(std::function<bool(const Control&)> rule) { isValueEdit_ = std::move(rule); }

  void FormCreate();
  void FormShow();
  void FormCloseQuery();
  void FormKeyDown(int key);
  void RzBmpButton2Click();  // minimise
  void RzBmpButton1Click();  // maximise or restore
  void RzBmpButton3Click();  // close

 signals:
  // The first frame of the window, with every control on it, has been painted and handed to
  // the screen.
  void FirstFrame();
  // The window has closed (after FormCloseQuery).
  void Closed();

 protected:
  void showEvent(QShowEvent*) override;
  void changeEvent(QEvent*) override;
  void paintEvent(QPaintEvent*) override;
  void resizeEvent(QResizeEvent*) override;
  void mousePressEvent(QMouseEvent*) override;
  void mouseMoveEvent(QMouseEvent*) override;
  void mouseReleaseEvent(QMouseEvent*) override;
  void closeEvent(QCloseEvent*) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ConnectControls();
  void LayoutClient();
  void RestoreNormalGeometry();

  EditorSession& session_;
  ParamStore& store_;
  EditorState& state_;
  FormComponents comps_;
  TabSwitch tabs_;
  QStringList buildProblems_;
  QTimer timer1_;
  VolumeKeys* volumeKeys_ = nullptr;
  std::function<bool(const Control&)> isValueEdit_;
  bool created_ = false;
  bool shown_ = false;
  bool painted_ = false;
  bool centred_ = false;
  QRect normalGeometry_;
  bool restoring_ = false;  // restore asked for; the former geometry follows the state change
  // Moving by hand where the platform offers no system move.
  bool dragging_ = false;
  QPoint dragOffset_;
};

}  // namespace morvelin
