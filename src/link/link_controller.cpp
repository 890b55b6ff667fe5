#include "link/link_controller.h"

#include <algorithm>
#include <cmath>

#include "link/frame_dispatcher.h"
#include "link/frames.h"

namespace morvelin {

namespace {

constexpr int kTicksPerSecond = 50;
constexpr int kKeepAliveMisses = 4;  // lost on the fifth second without an acknowledgement
constexpr int kCommandMisses = 50;   // a mode command waits 51 s
constexpr int kSceneWord = 161;

}  // namespace

LinkController::LinkController(SerialPort& port, PortLister& lister, ParamStore& store, LinkUi& ui,
                               TimerDrive drive)
    : port_(port),
      lister_(lister),
      store_(store),
      ui_(ui),
      receiver_(port),
      timer1_(kSearchIntervalMs, drive, [this] { Timer1Timer(); }),
      timer2_(kTransferIntervalMs, drive, [this] { Timer2Timer(); }),
      holdTimer_(kHoldIntervalMs, drive, [this] { HoldTimerTimer(); }) {
  receiver_.SetHandlers({[this] { OnAck(); }, [this](const Bytes& f) { OnFrame(f); },
                         [this](const std::string& line) { ui_.AppendDiagnostic(line); }});
  port_.SetReceiveHandler([this](int count) { OnBytesAvailable(count); });
  store_.SetEditSender(this);
  window_.Caption = InLanguage(kStatusWindowCaption, ui_.UiLanguage());
  window_.WaitText = InLanguage(kStatusWindowWait, ui_.UiLanguage());
}

LinkController::~LinkController() {
  port_.SetReceiveHandler({});
  store_.SetEditSender(nullptr);
}

void LinkController::FillPortList() {
  ports_ = lister_.PortNames();
  selectedPort_ = ports_.empty() ? -1 : 0;
}

int LinkController::Percent() const {
  if (total_ <= 0) return 0;
  return static_cast<int>(std::nearbyint(100.0 * done_ / total_));
}

// ---- texts and windows

void LinkController::SetStatus(const TextPair& text) {
  status_ = text;
  const int lang = ui_.UiLanguage();
  ui_.SetLinkStatus(InLanguage(text, lang), OtherLanguage(text, lang));
}

void LinkController::ApplyLanguage() {
  const int lang = ui_.UiLanguage();
  SetStatus(status_);
  window_.Caption = InLanguage(kStatusWindowCaption, lang);
  window_.WaitText = InLanguage(kStatusWindowWait, lang);
  window_.StatusCopy = InLanguage(status_, lang);
  ui_.UpdateStatusWindow(window_, false);
}

void LinkController::SetLinkButton(bool pressed) {
  ui_.SetLinkButton(pressed, InLanguage(pressed ? kLinkButtonPressed : kLinkButtonNormal, ui_.UiLanguage()));
}

void LinkController::SetColour(Rgb colour) {
  ui_.SetLinkColour(colour);
}

void LinkController::SetOnline(bool online) {
  // The status label is dark blue exactly while the link is online, silver otherwise.
  online_ = online;
  SetColour(online ? kOnlineColour : kOfflineColour);
}

void LinkController::ShowStatusWindow(bool visible, bool bringToFront) {
  const int lang = ui_.UiLanguage();
  window_.Caption = InLanguage(kStatusWindowCaption, lang);
  window_.WaitText = InLanguage(kStatusWindowWait, lang);
  window_.StatusCopy = InLanguage(status_, lang);
  window_.Percent = Percent();
  window_.Visible = visible;
  ui_.UpdateStatusWindow(window_, bringToFront);
}

void LinkController::ShowMessage(LinkMessage message) {
  const int lang = ui_.UiLanguage();
  ui_.ShowMessage(InLanguage(kMessageCaption, lang), InLanguage(MessageText(message), lang));
}

// ---- encoders

void LinkController::SendParamFrame(std::uint8_t type, int address, std::span<const std::uint8_t> data) {
  if (!port_.IsOpen()) return;
  port_.Write(ParamFrame(type, address, data));
}

void LinkController::SendWordFrame(std::uint8_t type, int address, int value) {
  if (!port_.IsOpen()) return;
  port_.Write(WordFrame(type, address, value));
}

void LinkController::SendLinkCode(int code) {
  SendWordFrame(WriteType, LinkCodeAddr, code);
}

void LinkController::SendText(int address, const std::string& text) {
  if (!port_.IsOpen()) return;
  port_.Write(TextFrame(address, text));
}

// ---- receiver

void LinkController::OnBytesAvailable(int count) {
  receiver_.OnBytesAvailable(count);
}

void LinkController::OnAck() {
  flags_.LinkAcked = 1;
  flags_.SendReady = 1;
  flags_.TransferPhase = kPhaseAcked;
  inFlightUnacked_ = false;
  ui_.Acknowledged();
}

void LinkController::OnFrame(const Bytes& frame) {
  const int slot = modeNameAwaited_ ? modeNameCounter_ - 1 : kNoModeNameAwaited;
  const DispatchResult r = DispatchFrame(frame, store_, slot);
  if (r.modeNameStored) modeNameAwaited_ = false;
  if (r.deviceIdReported) ui_.SetDeviceId(store_.Unit.DeviceId);
  flags_.TransferPhase = kPhaseReported;
}

// ---- search, link up and down

void LinkController::LinkBtnClick(Button sender) {
  if (sender == Button::LinkBtn && !online_)
    StartSearch();
  else
    TakeDown();
}

void LinkController::StartSearch() {
  ui_.HideHiddenPageTab();
  flags_.LinkAcked = 0;
  searchPos_ = 0;
  store_.SendSuppressed = false;
  receiver_.Reset();
  ui_.SetFirstCheckState(0);
  selectedPort_ = ports_.empty() ? -1 : 0;
  timer1_.Start();
  inFlightUnacked_ = false;
  SetLinkButton(true);
  timer2_.Stop();
  holdTimer_.Stop();
  queue_.Clear();
  modeNameAwaited_ = false;
  SetStatus(StatusText(LinkStatus::Search));
  done_ = 0;
  total_ = kReadSteps;
  ShowStatusWindow(true);
}

void LinkController::Timer1Timer() {
  ShowStatusWindow(true);
  if (flags_.LinkAcked == 1) {
    StartLinking();
    return;
  }
  if (searchPos_ > lastTried_ + 1 || selectedPort_ < 0) {
    searchPos_ = 0;
    LinkEvent(LinkEventKind::SearchFailed);
    return;
  }
  TryPort(searchPos_);
  ++searchPos_;
}

void LinkController::TryPort(int position) {
  if (port_.IsOpen()) port_.Close();
  selectedPort_ = position < static_cast<int>(ports_.size()) ? position : -1;
  const std::string name = selectedPort_ >= 0 ? ports_[selectedPort_] : std::string();
  window_.PortName = name;
  lastTried_ = selectedPort_;
  ui_.UpdateStatusWindow(window_, false);
  if (name.empty()) return;  // past the end of the list: nothing to open
  port_.SetPortName(name);
  if (!port_.Open()) return;  // missing or busy: the next tick tries the next port
  SendLinkCode(LinkProbe);
}

void LinkController::LinkEvent(LinkEventKind kind) {
  switch (kind) {
    case LinkEventKind::StartLinking:
      StartLinking();
      return;
    case LinkEventKind::StartLoading:
      StartLoading();
      return;
    case LinkEventKind::StartDownload:
      StartDownload();
      return;
    case LinkEventKind::Online:
      LinkUp();
      break;
    case LinkEventKind::LinkLost:
      LinkLost();
      break;
    case LinkEventKind::SearchFailed:
      SearchFailed();
      break;
    case LinkEventKind::ModeSaved:
      ModeSaved();
      return;
  }
  ui_.LinkEventDone(kind);
}

void LinkController::LinkUp() {
  store_.Selection().SceneIndex = SceneFromWord(store_.DeviceImage[0][kSceneWord]);
  if (ui_.FirstCheckState() == 0) ui_.SetFirstCheckState(1);
  ui_.RefreshAllPages();
  SetOnline(true);
  SetLinkButton(true);
  SetStatus(StatusText(LinkStatus::Online));
  ShowStatusWindow(false);
  ui_.ShowMainWindow();
  holdTimer_.Start();
}

void LinkController::LinkLost() {
  timer2_.Stop();
  timer1_.Stop();
  store_.SendSuppressed = false;
  SetOnline(false);
  modeNameAwaited_ = false;
  SetLinkButton(false);
  SetStatus(StatusText(LinkStatus::OffLine));
  ShowStatusWindow(false);
  ShowMessage(LinkMessage::LinkLost);
}

void LinkController::SearchFailed() {
  timer2_.Stop();
  timer1_.Stop();
  store_.SendSuppressed = false;
  modeNameAwaited_ = false;
  SetStatus(StatusText(LinkStatus::OffLine));
  SetColour(kOfflineColour);
  SetLinkButton(false);
  ShowStatusWindow(false);
  ShowMessage(LinkMessage::LinkFailed);
}

void LinkController::TakeDown() {
  ui_.HideHiddenPageTab();
  SetOnline(false);
  SetLinkButton(false);
  timer1_.Stop();
  timer2_.Stop();
  holdTimer_.Stop();
  modeNameAwaited_ = false;
  SendLinkCode(LinkRelease);
  SetStatus(StatusText(LinkStatus::OffLine));
  total_ = kWriteSteps;
  ShowStatusWindow(false);
}

void LinkController::CloseQuery() {
  if (online_) SendLinkCode(LinkRelease);
}

// ---- hold step: pending commands, the edit queue, keep-alive and supervision

void LinkController::HoldTimerTimer() {
  tick_ = tick_ <= kTicksPerSecond ? tick_ + 1 : kTicksPerSecond;

  if (flags_.SendReady == 1 && pending_ != PendingCommand::None) {
    const PendingCommand done = pending_;
    pending_ = PendingCommand::None;
    if (done == PendingCommand::Recall)
      LinkEvent(LinkEventKind::StartLoading);
    else
      LinkEvent(LinkEventKind::ModeSaved);
    miss_ = 0;
    tick_ = 0;
  } else if (pending_ != PendingCommand::None && tick_ == kTicksPerSecond) {
    tick_ = 0;
    if (++miss_ > kCommandMisses) {
      miss_ = 0;
      holdTimer_.Stop();
      LinkEvent(LinkEventKind::LinkLost);
    }
  }

  if (flags_.SendReady == 1 && !queue_.Empty()) {
    flags_.SendReady = 0;
    miss_ = 0;
    tick_ = 0;
    const EditQueue::Entry& e = queue_.Slot(queue_.QueuePop());
    // A recall that had to wait still reloads the memory once the unit has switched modes.
    if (e.address == ModeRecallAddr) {
      SetStatus(StatusText(LinkStatus::Loading));
      SetOnline(false);
      miss_ = 0;
      pending_ = PendingCommand::Recall;
    }
    SendWordFrame(WriteType, e.address, e.value);
    inFlightUnacked_ = true;
  }

  if (online_ && tick_ == kTicksPerSecond) {
    tick_ = 0;
    ++miss_;
    if (flags_.SendReady == 1) {
      flags_.SendReady = 0;
      miss_ = 0;
      SendLinkCode(KeepAlive);
    } else if (miss_ % 2 == 0) {
      // The last queued edit is sent again too: a keep-alive in its place would drop it.
      if (!queue_.Empty() || inFlightUnacked_) {
        const EditQueue::Entry& e = queue_.InFlight();
        SendWordFrame(WriteType, e.address, e.value);
      } else {
        SendLinkCode(KeepAlive);
      }
    }
    if (miss_ > kKeepAliveMisses) {
      miss_ = 0;
      holdTimer_.Stop();
      LinkEvent(LinkEventKind::LinkLost);
    }
  }
}

}  // namespace morvelin
