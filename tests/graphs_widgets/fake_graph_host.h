#pragma once
// An editor stand-in for the graph: edits and panes registered like the editor's, ApplyValue
// clamping, storing and sending through a real ParamStore, and a sender that records what
// reaches the unit.

#include <QLabel>
#include <QLineEdit>
#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <vector>

#include "graphs/curve_layout.h"
#include "graphs/widgets/graph_host.h"
#include "params/value_tables.h"

namespace morvelin::testing {

struct SentWord {
  int address, value;
  friend bool operator==(const SentWord&, const SentWord&) = default;
};

class RecordingSender : public EditSender {
 public:
  bool LinkOnline() const override { return true; }
  void SendEdit(int deviceAddress, int value) override { sent.push_back({deviceAddress, value}); }
  void MarkNotReady() override {}
  std::vector<SentWord> sent;
};

// Pages by their page address: view block in the high byte, page index in the low byte.
inline constexpr int kMusicPage = 0x0000;
inline constexpr int kDeqPage = 0x0108;
inline constexpr int kMicPage = 0x0201;
inline constexpr int kOutputPage = 0x0603;

class FakeGraphHost : public GraphHost {
 public:
  static constexpr int kFreqKind = 2, kGainKind = 3, kQKind = 4, kFilterPaneKind = 6;

  FakeGraphHost() {
    store.ResetBands(kAllBlocks);
    // The editor presets the low-pass frequencies below the bypass entry.
    for (const CurveLayout& l : kCurveLayouts)
      if (l.lowPassWord >= 0) store.DeviceImage[l.block][l.lowPassWord + 1] = 360;
    store.RefreshView();
    store.SetEditSender(&sender);
    for (const CurveLayout& l : kCurveLayouts) Register(l);
  }

  ParamStore& MutableStore() { return store; }
  const ParamStore& Store() const override { return store; }
  int PageAddress() const override { return pageAddress; }
  int PageBlock() const override { return pageAddress / 256; }
  int AutoManual() const override { return autoManual; }
  bool Refreshing() const override { return refreshing; }
  bool StartupDone() const override { return startupDone; }
  EditRecord LastEdit() const override { return lastEdit; }
  int SelectedBand(int) const override { return selectedBand; }

  QWidget* ValueControl(int address) const override { return Find(edits_, address); }
  QWidget* ReadoutControl(int address) const override { return Find(panes_, address); }
  bool IsEdit(const QWidget* c) const override { return qobject_cast<const QLineEdit*>(c) != nullptr; }
  bool CanFocus(const QWidget* c) const override { return c && c->isEnabled(); }

  void ApplyValue(QWidget* control, int step, int displayOnly, double value) override {
    const int kind = control->property("Hint").toInt();
    const int address = store.ActiveQWord(control->property("Tag").toInt());
    double x = value;
    if (kind >= kFreqKind && kind <= kQKind && !displayOnly)
      x += step == StepUp ? 1 : step == StepDown ? -1 : 0;
    switch (kind) {
      case kFreqKind:
      case kFilterPaneKind:
        x = std::clamp(x, 0.0, double(kFreqTop));
        break;
      case kGainKind:
        if (PageBlock() == 1) x = std::max(x, 60.0);
        x = std::clamp(x, 0.0, 180.0);
        break;
      case kQKind: {
        const int base = address - store.LocateBand(address) % 256;
        x = std::clamp(x, 0.0, store.View(base) >= 2 ? 24.0 : 100.0);
        break;
      }
      default:
        return;
    }
    const int n = int(std::trunc(x));
    if (kind <= kQKind) {
      store.SetView(address, n);
      store.SetDevice(store.DeviceAddressOf(address), n);
    }
    if (!displayOnly) {
      store.SetParam(address, n);
      applied.push_back({address, n});
    }
    if (!refreshing) lastEdit = {address, n};
  }

  void MusFreEdit1Click(QWidget* edit) override {
    clicked.push_back(edit);
    currentEdit = edit;
    store.SendSuppressed = true;
    CommitEdit(StepNone);
    store.SendSuppressed = false;
  }

  // The edit shows its word; committing it reads the word back instead of parsing the text.
  void CommitEdit(int step) override {
    if (!currentEdit) return;
    ApplyValue(currentEdit, step, 0, store.View(store.ActiveQWord(currentEdit->property("Tag").toInt())));
  }

  // Words the graph sent to the unit (not counting the click path, which sends nothing).
  const std::vector<SentWord>& Sent() const { return sender.sent; }

  EditSelection selection;
  ParamStore store{selection};
  RecordingSender sender;
  int pageAddress = kMusicPage;
  int autoManual = 1;
  bool refreshing = false;
  bool startupDone = true;
  int selectedBand = 100;
  EditRecord lastEdit;
  QWidget* currentEdit = nullptr;
  std::vector<QWidget*> clicked;
  std::vector<SentWord> applied;

 private:
  using Controls = std::map<int, std::shared_ptr<QWidget>>;

  static QWidget* Find(const Controls& c, int address) {
    auto it = c.find(address);
    return it == c.end() ? nullptr : it->second.get();
  }

  template <class W>
  std::shared_ptr<QWidget> Make(int tag, int kind) {
    auto w = std::make_shared<W>();
    w->setProperty("Tag", tag);
    w->setProperty("Hint", kind);
    return w;
  }

  void Register(const CurveLayout& l) {
    const int b = l.block;
    const int start = EqBandStart(b);
    for (int band = 0; band < EqBandCount(b); ++band) {
      auto word = [&](int w) { return MakeAddress(b, BandWordIndex(start, band, w)); };
      edits_[word(1)] = Make<QLineEdit>(word(1), kFreqKind);
      edits_[word(2)] = Make<QLineEdit>(word(2), kGainKind);
      // One Q edit serves the peaking and the shelving Q word.
      edits_[word(3)] = edits_[word(4)] = Make<QLineEdit>(word(4), kQKind);
    }
    if (l.highPassWord >= 0) {
      panes_[MakeAddress(b, l.highPassWord + 1)] =
          Make<QLabel>(MakeAddress(b, l.highPassWord + 1), kFilterPaneKind);
      panes_[MakeAddress(b, l.lowPassWord + 1)] =
          Make<QLabel>(MakeAddress(b, l.lowPassWord + 1), kFilterPaneKind);
    }
  }

  Controls edits_;
  Controls panes_;
};

}  // namespace morvelin::testing
