#pragma once
// TForm1: the frameless main window with its own title bar, the top bar, the graph panel and
// the pages; its start-up order, the volume shortcuts, moving and closing.

#include <QTimer>
#include <QWidget>
#include <memory>

#include "editor/editor_binding.h"
#include "editor/editor_state.h"
#include "editor/form_components.h"
#include "editor/tab_switch.h"
#include "params/param_store.h"
#include "shell/window_hooks.h"

namespace morvelin {

class EqHandlers;
class LinkController;
class TrackBar;
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

  // Runs FormCreate. `hooks` may be null: the window then runs its binding through
  // BindingWindowHooks. Hooks derived from BindingWindowHooks are attached to the binding too.
  MainWindow(ParamStore& store, EditorState& state, WindowHooks* hooks = nullptr);
  ~MainWindow() override;

  void SetLink(LinkController* link) { link_ = link; }
  LinkController* Link() const { return link_; }

  FormComponents& Components() { return comps_; }
  const FormComponents& Components() const { return comps_; }
  TabSwitch& Tabs() { return tabs_; }
  EditorBinding& Binding() { return *binding_; }
  // Band editing and the mode, routing and system switches, installed into the binding.
  EqHandlers& Eq() { return *eq_; }
  EditorState& State() { return state_; }
  ParamStore& Store() { return store_; }
  WindowHooks& Hooks() { return *hooks_; }
  // Problems the page tables showed while building (empty when all is well).
  const QStringList& BuildProblems() const { return buildProblems_; }
  QTimer& Timer1() { return timer1_; }

  void FormCreate();
  void FormShow();
  void FormCloseQuery();
  void FormKeyDown(int key);
  void RzBmpButton2Click();  // minimise
  void RzBmpButton1Click();  // maximise or restore
  void RzBmpButton3Click();  // close
  void SysMusNormalVolBarChange(TrackBar& slider);

 signals:
  // The first frame of the window has been painted.
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

  ParamStore& store_;
  EditorState& state_;
  std::unique_ptr<WindowHooks> ownHooks_;
  WindowHooks* hooks_;
  FormComponents comps_;
  TabSwitch tabs_;
  std::unique_ptr<EditorBinding> binding_;
  std::unique_ptr<EqHandlers> eq_;  // after binding_: uninstalls itself first
  QStringList buildProblems_;
  LinkController* link_ = nullptr;
  QTimer timer1_;
  VolumeKeys* volumeKeys_ = nullptr;
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
