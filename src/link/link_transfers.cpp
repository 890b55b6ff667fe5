// The transfers of the link controller: full read and write, single edits, mode commands and
// passwords.

#include <algorithm>

#include "link/frame_dispatcher.h"
#include "link/frames.h"
#include "link/link_controller.h"

namespace morvelin {

namespace {

constexpr int kModeNameStep = 30;
constexpr int kLastBlockStep = 29;
constexpr int kBlock0FirstPart = 112;  // block 0 is written as words 0..111 and 112..164
constexpr int kResendAfter = 10;       // ticks in phase 3 before the first wait expires
constexpr int kResendWait = 20;        // further ticks before the step goes again
constexpr int kFailWait = 100;         // ticks after the resend before the transfer fails
constexpr int kMaxT2 = 100;
constexpr int kInputSourceWord = 20;

// Block 0 goes as two frames, and the last step carries the input-source word as well.
int FramesOfWriteStep(int step) {
  return step == 0 || step == kLastBlockStep ? 2 : 1;
}

static_assert(kModeNameStep + static_cast<int>(kStatusReads.size()) == LinkController::kReadSteps);

}  // namespace

void LinkController::SendBlockWrite(int block, int first, int last) {
  Bytes data{static_cast<std::uint8_t>(block), static_cast<std::uint8_t>((2 * first) & 0xFF)};
  data.reserve(2 + 2 * (last - first + 1));
  for (int i = first; i <= last; ++i) {
    const int v = store_.DeviceImage[block][i];
    data.push_back(static_cast<std::uint8_t>(v & 0xFF));
    data.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
  }
  SendParamFrame(WriteType, BlockWriteAddr, data);
}

void LinkController::SendStep(int step, Direction direction) {
  modeNameAwaited_ = false;
  if (direction == Direction::Read) {
    if (step >= 0 && step <= kLastBlockStep) {
      SendWordFrame(ReadType, BlockReadAddr, step);
    } else if (step == kModeNameStep) {
      modeNameAwaited_ = true;
      SendParamFrame(ReadType, ModeNameAddr, requestBytes_);
    } else if (step > kModeNameStep && step <= kModeNameStep + static_cast<int>(kStatusReads.size())) {
      SendParamFrame(ReadType, kStatusReads[static_cast<std::size_t>(step - kModeNameStep - 1)].address, {});
    }
    return;
  }
  if (step == 0) {
    // Written back to back: the port queues the frames, so a pause here would not reach the wire.
    SendBlockWrite(0, 0, kBlock0FirstPart - 1);
    SendBlockWrite(0, kBlock0FirstPart, BlockLengths(0) - 1);
  } else if (step >= 1 && step <= kLastBlockStep) {
    SendBlockWrite(step, 0, BlockLengths(step) - 1);
    if (step == kLastBlockStep)
      SendWordFrame(WriteType, InputSourceAddr, store_.DeviceImage[kStatusBlock][kInputSourceWord]);
  }
}

void LinkController::StartTransfer(Direction direction, int total) {
  timer1_.Stop();
  timer2_.Start();
  holdTimer_.Stop();
  done_ = 0;
  total_ = total;
  direction_ = direction;
}

void LinkController::ArmStep() {
  stepPhase_ = StepPhase::Sent;
  armedStep_ = done_;
  readAnswered_ = false;
  wordsReported_.clear();
  if (direction_ == Direction::Read && done_ <= kLastBlockStep)
    wordsReported_.assign(static_cast<std::size_t>(BlockLengths(done_)), false);
  acksAwaited_ = direction_ == Direction::Write ? FramesOfWriteStep(done_) : 0;
}

bool LinkController::StepAnswered() const {
  return direction_ == Direction::Read ? readAnswered_ : acksAwaited_ == 0;
}

// Only the answer to the request outstanding counts; anything else is stored and nothing more.
void LinkController::NoteReport(const Bytes& f) {
  if (!timer2_.Running() || direction_ != Direction::Read || readAnswered_ || f.size() < 7) return;
  const int block = f[4];
  const int index = f[5];
  if (armedStep_ <= kLastBlockStep) {
    if (block != armedStep_) return;
    const int words = (f[2] - 4) / 2;
    const int length = static_cast<int>(wordsReported_.size());
    for (int k = index; k < index + words && k < length; ++k)
      wordsReported_[static_cast<std::size_t>(k)] = true;
    readAnswered_ = std::all_of(wordsReported_.begin(), wordsReported_.end(), [](bool b) { return b; });
    return;
  }
  if (block != kStatusBlock) return;
  if (armedStep_ == kModeNameStep) {
    readAnswered_ = index == (ModeNameAddr & 0xFF);
    return;
  }
  const int status = armedStep_ - kModeNameStep - 1;
  if (status >= 0 && status < static_cast<int>(kStatusReads.size()))
    readAnswered_ = index == (kStatusReads[static_cast<std::size_t>(status)].address & 0xFF);
}

// Each start awaits the answer to its first step with the same time-outs as every later step,
// so that a unit that falls silent right after answering cannot leave the transfer hanging.
void LinkController::StartLinking() {
  StartTransfer(Direction::Read, kReadSteps);
  ForgetOwedAcks();
  SendStep(0, Direction::Read);
  ArmStep();
  flags_.TransferPhase = kPhaseSent;
  t2_ = 0;
  SetOnline(false);
  SetStatus(StatusText(LinkStatus::Linking));
  ui_.LinkEventDone(LinkEventKind::StartLinking);
}

void LinkController::StartLoading() {
  StartTransfer(Direction::Read, kReadSteps);
  SetStatus(StatusText(LinkStatus::Loading));
  ForgetOwedAcks();
  SendStep(0, Direction::Read);
  ArmStep();
  flags_.TransferPhase = kPhaseSent;
  t2_ = 0;
  SetOnline(false);
  ui_.LinkEventDone(LinkEventKind::StartLoading);
}

void LinkController::StartDownload() {
  if (!online_) return;
  StartTransfer(Direction::Write, kWriteSteps);
  SetStatus(StatusText(LinkStatus::Download));
  SetOnline(false);
  SendStep(0, Direction::Write);
  ArmStep();
  // Acknowledgements still owed to the hold step (the last keep-alive) arrive first.
  acksAwaited_ += acksOwed_;
  ForgetOwedAcks();
  flags_.TransferPhase = kPhaseSent;
  t2_ = 0;
  ui_.LinkEventDone(LinkEventKind::StartDownload);
}

void LinkController::Timer2Timer() {
  if (t2_ < kMaxT2) ++t2_;
  ShowStatusWindow(true, true);
  // Each step waits for its own answer, whatever else arrives, and always times out.
  if (StepAnswered()) {
    if (done_ >= total_) {
      flags_.TransferPhase = kPhaseIdle;
      timer2_.Stop();
      LinkEvent(LinkEventKind::Online);
      return;
    }
    if (done_ == kModeNameStep) {
      requestBytes_ = {static_cast<std::uint8_t>(modeNameCounter_), 0};
      if (++modeNameCounter_ > kModeCount) {
        modeNameCounter_ = 0;
        ++done_;
      }
    } else {
      if (done_ == kLastBlockStep) {
        // A read that failed waiting for the last name reads them all again: there is no 17th mode.
        if (modeNameCounter_ >= kModeCount) modeNameCounter_ = 0;
        requestBytes_ = {static_cast<std::uint8_t>(modeNameCounter_), 0};
        ++modeNameCounter_;
      }
      ++done_;
    }
    SendStep(done_, direction_);
    ArmStep();
    flags_.TransferPhase = kPhaseSent;
    t2_ = 0;
  } else if (stepPhase_ == StepPhase::Sent && t2_ > kResendAfter) {
    stepPhase_ = StepPhase::Waited;
    flags_.TransferPhase = kPhaseWaited;
    t2_ = 0;
  } else if (stepPhase_ == StepPhase::Waited && t2_ > kResendWait) {
    SendStep(done_, direction_);
    // Words already reported stay reported; the frames written again are acknowledged again.
    if (direction_ == Direction::Write) acksAwaited_ = FramesOfWriteStep(done_);
    stepPhase_ = StepPhase::Resent;
    flags_.TransferPhase = kPhaseResent;
    t2_ = 0;
  } else if (stepPhase_ == StepPhase::Resent && t2_ >= kFailWait) {
    flags_.TransferPhase = kPhaseIdle;
    LinkEvent(LinkEventKind::SearchFailed);
  }
}

// ---- single edits

void LinkController::SendEdit(int d, int v) {
  // A newer value of a word waiting for the queue replaces the one accepted from offline.
  std::erase_if(backlog_, [d](const EditQueue::Entry& e) { return e.address == d && !HasSideEffect(d); });
  if (flags_.SendReady == 1 && queue_.Empty()) {
    // Only a frame actually sent restarts the resend clock: an edit that merely queues must
    // not hold back the resend of a lost acknowledgement.
    tick_ = 0;
    flags_.TransferPhase = kPhaseIdle;
    if (d == ModeRecallAddr) {
      SetStatus(StatusText(LinkStatus::Loading));
      SetOnline(false);
      miss_ = 0;
      pending_ = PendingCommand::Recall;
    } else if (d == ModeSaveAddr) {
      pending_ = PendingCommand::Save;
    } else {
      pending_ = PendingCommand::None;
    }
    queue_.Clear();
    queue_.QueuePush(d, v);
    queue_.QueuePop();
    SendWordFrame(WriteType, d, v);
    RecordSent(d, v);
    if (pending_ != PendingCommand::None) flags_.SendReady = 0;
    return;
  }
  queue_.QueuePush(d, v);
}

// ---- mode commands and passwords

bool LinkController::SaveMode(int k, const std::string& name) {
  if (k < 0 || k >= kModeCount) return false;
  if (!online_) {
    ShowMessage(LinkMessage::LinkLost);
    return false;
  }
  const std::string kept = name.substr(0, kModeNameLength);
  store_.Unit.ModeNames[k] = kept;
  std::string text;
  text.push_back(static_cast<char>(k));
  text.push_back('\0');
  text += kept;
  SendText(ModeSaveAddr, text);
  ++acksOwed_;
  pending_ = PendingCommand::Save;
  // Only the save's own acknowledgement may complete it.
  flags_.SendReady = 0;
  SetStatus(StatusText(LinkStatus::Saving));
  SetOnline(false);
  miss_ = 0;
  return true;
}

void LinkController::ModeSaved() {
  ui_.SetModeList(ModeListEntries(store_.Unit));
  SetOnline(true);
  SetStatus(StatusText(LinkStatus::Online));
  ShowMessage(LinkMessage::SaveSuccess);
  ui_.LinkEventDone(LinkEventKind::ModeSaved);
}

void LinkController::ChangePanelPassword(const std::string& text) {
  SendText(PanelPassAddr, text.substr(0, 4));
  if (online_) ++acksOwed_;
}

void LinkController::ChangeSystemPassword(const std::string& text) {
  SendText(SystemPassAddr, text.substr(0, 6));
  if (online_) ++acksOwed_;
}

}  // namespace morvelin
