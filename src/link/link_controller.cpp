#include "link/link_controller.h"

#include <algorithm>
#include <cmath>

#include "link/frame_dispatcher.h"
#include "link/frames.h"
#include "params/mode_words.h"

namespace morvelin {

namespace {

constexpr int kTicksPerSecond = 50;
constexpr int kKeepAliveMisses = 4;  // lost on the fifth second without an acknowledgement
constexpr int kCommandMisses = 50;   // a mode command waits 51 s

}  // namespace

LinkController::LinkController(SerialPort& port, PortLister& lister, ParamStore& store, LinkUi& ui,
                               TimerDrive drive, SteppedClock* clock)
    : port_(port),
      lister_(lister),
      store_(store),
      ui_(ui),
      receiver_(port),
      timer1_(kSearchIntervalMs, drive, clock, [this] { Timer1Timer(); }),
      timer2_(kTransferIntervalMs, drive, clock, [this] { Timer2Timer(); }),
      holdTimer_(kHoldIntervalMs, drive, clock, [this] { HoldTimerTimer(); }),
      healTimer_(kHealIntervalMs, drive, clock, [this] { HealTimerTimer(); }) {
  receiver_.SetHandlers({[this] { OnAck(); }, [this](const Bytes& f) { OnFrame(f); },
                         [this](const std::string& line) { ui_.AppendDiagnostic(line); }});
  port_.SetReceiveHandler([this](int count) { OnBytesAvailable(count); });
  port_.SetErrorHandler([this] { OnPortError(); });
  store_.SetEditSender(this);
  window_.Caption = InLanguage(kStatusWindowCaption, ui_.UiLanguage());
  window_.WaitText = InLanguage(kStatusWindowWait, ui_.UiLanguage());
}

LinkController::~LinkController() {
  port_.SetReceiveHandler({});
  port_.SetErrorHandler({});
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
  if (acksOwed_ > 0 && --acksOwed_ == 0) unacked_.clear();
  if (timer2_.Running() && direction_ == Direction::Write && acksAwaited_ > 0) --acksAwaited_;
  const bool linkWithoutRead = !readOnLink_ && timer1_.Running() && !online_;
  ui_.Acknowledged();
  // The probe answered: online on this port at once, instead of at the next search tick.
  if (linkWithoutRead) {
    timer1_.Stop();
    ShowStatusWindow(false);
    LinkEvent(LinkEventKind::Online);
  }
}

void LinkController::OnFrame(const Bytes& frame) {
  const int slot = modeNameAwaited_ ? modeNameCounter_ - 1 : kNoModeNameAwaited;
  const DispatchResult r = DispatchFrame(frame, store_, slot);
  if (r.modeNameStored) modeNameAwaited_ = false;
  if (r.deviceIdReported) ui_.SetDeviceId(store_.Unit.DeviceId);
  flags_.TransferPhase = kPhaseReported;
  NoteReport(frame);
}

void LinkController::OnPortError() {
  // The port has closed itself; the supervision would only notice after seconds of silence.
  if (online_ || pending_ != PendingCommand::None || holdTimer_.Running()) {
    holdTimer_.Stop();
    pending_ = PendingCommand::None;
    LinkEvent(LinkEventKind::LinkLost);
  } else if (timer1_.Running() || timer2_.Running()) {
    const bool heal = selfHealing_ && !healing_;
    if (heal) healing_ = true;  // the failure below then schedules the first attempt
    SearchFailed(timer2_.Running() && direction_ == Direction::Write, heal);
    ui_.LinkEventDone(LinkEventKind::SearchFailed);
  }
}

// ---- search, link up and down

void LinkController::LinkBtnClick(Button sender) {
  StopHealing();
  if (sender == Button::LinkBtn && !online_)
    StartSearch();
  else
    TakeDown();
}

void LinkController::StartSearch() {
  ui_.HideHiddenPageTab();
  flags_.LinkAcked = 0;
  searchPos_ = 0;
  searchRound_ = 0;
  store_.SendSuppressed = false;
  receiver_.Reset();
  ui_.SetFirstCheckState(0);
  selectedPort_ = ports_.empty() ? -1 : 0;
  timer1_.Start();
  SetLinkButton(true);
  timer2_.Stop();
  holdTimer_.Stop();
  queue_.Clear();
  ForgetOwedAcks();
  pending_ = PendingCommand::None;  // a command cut off by the loss completes nothing
  modeNameAwaited_ = false;
  SetStatus(StatusText(LinkStatus::Search));
  done_ = 0;
  total_ = kReadSteps;
  ShowStatusWindow(!autoSearch_);
}

void LinkController::Timer1Timer() {
  if (!autoSearch_) ShowStatusWindow(true);
  if (flags_.LinkAcked == 1) {
    StartLinking();
    return;
  }
  if (searchPos_ > lastTried_ + 1 || selectedPort_ < 0) {
    searchPos_ = 0;
    // One lost probe answer must not end the search: every port is tried a second time.
    if (searchRound_ == 0 && !ports_.empty()) {
      searchRound_ = 1;
      TryPort(searchPos_);
      ++searchPos_;
      return;
    }
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
      SearchFailed(timer2_.Running() && direction_ == Direction::Write);
      break;
    case LinkEventKind::ModeSaved:
      ModeSaved();
      return;
  }
  ui_.LinkEventDone(kind);
}

void LinkController::LinkUp() {
  store_.Selection().SceneIndex = SceneFromWord(store_.Device(kSceneWord));
  if (ui_.FirstCheckState() == 0) ui_.SetFirstCheckState(1);
  ui_.RefreshAllPages();
  SetOnline(true);
  SetLinkButton(true);
  SetStatus(StatusText(LinkStatus::Online));
  ShowStatusWindow(false);
  ui_.ShowMainWindow();
  holdTimer_.Start();
  StopHealing();
  if (lostLink_) {
    lostLink_ = false;
    OfferOfflineEdits();
  }
}

// After a healed link the unit's values are shown; the user decides whether the changes made
// meanwhile replace them.
void LinkController::OfferOfflineEdits() {
  if (offlineEdits_.empty()) return;
  std::deque<EditQueue::Entry> edits;
  edits.swap(offlineEdits_);
  const int lang = ui_.UiLanguage();
  const bool send = ui_.AskYesNo(InLanguage(kQuestionCaption, lang),
                                 OfflineEditsQuestion(static_cast<int>(edits.size()), lang));
  if (!send || !online_) return;
  for (const EditQueue::Entry& e : edits) store_.SetDevice(e.address, e.value);
  backlog_ = std::move(edits);
  FeedBacklog();
  ui_.RefreshAllPages();
}

void LinkController::FeedBacklog() {
  while (!backlog_.empty() && !queue_.Full()) {
    queue_.QueuePush(backlog_.front().address, backlog_.front().value);
    backlog_.pop_front();
  }
}

void LinkController::EditWhileOffline(int d, int v) {
  if (!lostLink_) return;
  // One entry per word, with its latest value; words the unit acts on keep every write in order.
  if (!HasSideEffect(d)) {
    for (auto it = offlineEdits_.rbegin(); it != offlineEdits_.rend(); ++it) {
      if (it->address == d) {
        it->value = v;
        return;
      }
      if (HasSideEffect(it->address)) break;
    }
  }
  offlineEdits_.push_back({d, v});
}

// ---- self-healing after a loss

void LinkController::StartHealing() {
  healing_ = true;
  healAttempt_ = 0;
  ScheduleHeal();
}

void LinkController::ScheduleHeal() {
  const auto last = static_cast<int>(kHealDelaysS.size()) - 1;
  healWaitS_ = kHealDelaysS[static_cast<std::size_t>(std::min(healAttempt_, last))];
  ++healAttempt_;
  autoSearch_ = false;
  healTimer_.Start();
}

void LinkController::StopHealing() {
  healing_ = false;
  autoSearch_ = false;
  healTimer_.Stop();
}

void LinkController::HealTimerTimer() {
  if (--healWaitS_ > 0) return;
  healTimer_.Stop();
  autoSearch_ = true;
  StartSearch();
}

void LinkController::LinkLost() {
  timer2_.Stop();
  timer1_.Stop();
  store_.SendSuppressed = false;
  SetOnline(false);
  modeNameAwaited_ = false;
  pending_ = PendingCommand::None;  // the command's answer can no longer come
  lostLink_ = true;
  SetLinkButton(false);
  SetStatus(StatusText(LinkStatus::OffLine));
  ShowStatusWindow(false);
  // Before the message: a message box waits for the user, the search must not.
  if (selfHealing_) StartHealing();
  ShowMessage(LinkMessage::LinkLost);
}

void LinkController::SearchFailed(bool writeInterrupted, bool firstLoss) {
  timer2_.Stop();
  timer1_.Stop();
  store_.SendSuppressed = false;
  modeNameAwaited_ = false;
  SetStatus(StatusText(LinkStatus::OffLine));
  SetColour(kOfflineColour);
  SetLinkButton(false);
  ShowStatusWindow(false);
  if (writeInterrupted) lostLink_ = true;
  if (healing_) {
    if (firstLoss) healAttempt_ = 0;
    ScheduleHeal();
    // The loss is shown once; later attempts fail quietly.
    if (!firstLoss) return;
  }
  ShowMessage(writeInterrupted ? LinkMessage::WriteInterrupted : LinkMessage::LinkFailed);
}

void LinkController::TakeDown() {
  ui_.HideHiddenPageTab();
  lostLink_ = false;
  offlineEdits_.clear();
  backlog_.clear();
  SetOnline(false);
  SetLinkButton(false);
  timer1_.Stop();
  timer2_.Stop();
  holdTimer_.Stop();
  modeNameAwaited_ = false;
  pending_ = PendingCommand::None;  // a command cut off by the take-down completes nothing
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

  FeedBacklog();
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
    const EditQueue::Entry sent = e;
    SendWordFrame(WriteType, sent.address, sent.value);
    RecordSent(sent.address, sent.value);
  }

  if (online_ && tick_ == kTicksPerSecond) {
    tick_ = 0;
    ++miss_;
    if (flags_.SendReady == 1 && acksOwed_ == 0) {
      flags_.SendReady = 0;
      miss_ = 0;
      SendLinkCode(KeepAlive);
      ++acksOwed_;
    } else if (miss_ % 2 == 0) {
      ResendUnacknowledged();
    }
    if (miss_ > kKeepAliveMisses) {
      miss_ = 0;
      holdTimer_.Stop();
      LinkEvent(LinkEventKind::LinkLost);
    }
  }
}

}  // namespace morvelin

namespace morvelin {

// ---- acknowledgement accounting of the hold step

// The unit acknowledges in order but without naming the frame, so everything sent since all was
// last acknowledged stays a candidate for the resend, each word with the value it was last sent.
void LinkController::RecordSent(int address, int value) {
  ++acksOwed_;
  std::erase_if(unacked_, [address](const EditQueue::Entry& e) { return e.address == address; });
  unacked_.push_back({address, value});
}

void LinkController::ForgetOwedAcks() {
  acksOwed_ = 0;
  unacked_.clear();
}

// Exactly what went out without its acknowledgement, with its own values; a keep-alive when that
// was all. Each frame sent again owes one acknowledgement.
void LinkController::ResendUnacknowledged() {
  if (unacked_.empty()) {
    SendLinkCode(KeepAlive);
    acksOwed_ = 1;
    return;
  }
  for (const EditQueue::Entry& e : unacked_) SendWordFrame(WriteType, e.address, e.value);
  acksOwed_ = static_cast<int>(unacked_.size());
}

}  // namespace morvelin
