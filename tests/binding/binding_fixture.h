#pragma once
// The main window on a store whose edits are recorded instead of sent, and the whole program
// on the virtual unit for the tests that look at frames.

#include <QTest>
#include <utility>
#include <vector>

#include "editor/widgets/editor_binding.h"
#include "shell/main_window.h"
#include "shell/window_features.h"

namespace morvelin::test {

struct RecordingSender : EditSender {
  bool LinkOnline() const override { return true; }
  void SendEdit(int address, int value) override { sent.emplace_back(address, value); }
  void MarkNotReady() override {}
  std::vector<std::pair<int, int>> sent;
};

struct BoundWindow {
  BoundWindow() {
    store.SetEditSender(&sender);
    window.show();
    (void)QTest::qWaitForWindowExposed(&window);
    sender.sent.clear();
  }
  EditorBinding& Binding() { return features.binding; }
  template <class T>
  T* Get(const char* name) {
    return window.Components().Get<T>(QString::fromUtf8(name));
  }
  Control* Find(const char* name) { return window.Components().Find(QString::fromUtf8(name)); }

  EditorSession session;
  EditSelection& sel = session.Selection();
  ParamStore& store = session.Store();
  EditorState& state = session.State();
  RecordingSender sender;
  MainWindow window{session};
  WindowFeatures features{window};
};

}  // namespace morvelin::test
