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

struct StatusRequest {
  int step;
  int address;
};
// The status words read at the end of a full read, after the mode names.
constexpr std::array<StatusRequest, 8> kStatusRequests{{
    {31, 0x1E01},
    {32, 0x1E02},
    {33, 0x1E03},
    {34, 0x1E04},
    {35, 0x1E08},
    {36, 0x1E07},
    {37, 0x1E05},
    {38, 0x1E14},
}};

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
    } else {
      for (const StatusRequest& r : kStatusRequests)
        if (r.step == step) SendParamFrame(ReadType, r.address, {});
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

// Each start awaits the answer to its first step with the same time-outs as every later step,
// so that a unit that falls silent right after answering cannot leave the transfer hanging.
void LinkController::StartLinking() {
  StartTransfer(Direction::Read, kReadSteps);
  SendStep(0, Direction::Read);
  flags_.TransferPhase = kPhaseSent;
  t2_ = 0;
  SetOnline(false);
  SetStatus(StatusText(LinkStatus::Linking));
  ui_.LinkEventDone(LinkEventKind::StartLinking);
}

void LinkController::StartLoading() {
  StartTransfer(Direction::Read, kReadSteps);
  SetStatus(StatusText(LinkStatus::Loading));
  SendStep(0, Direction::Read);
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
  flags_.TransferPhase = kPhaseSent;
  t2_ = 0;
  ui_.LinkEventDone(LinkEventKind::StartDownload);
}

void LinkController::Timer2Timer() {
  if (t2_ < kMaxT2) ++t2_;
  ShowStatusWindow(true, true);
  const int phase = flags_.TransferPhase;
  if (phase == kPhaseReported || (phase == kPhaseAcked && direction_ == Direction::Write)) {
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
        requestBytes_ = {static_cast<std::uint8_t>(modeNameCounter_), 0};
        ++modeNameCounter_;
      }
      ++done_;
    }
    SendStep(done_, direction_);
    flags_.TransferPhase = kPhaseSent;
    t2_ = 0;
  } else if (phase == kPhaseSent && t2_ > kResendAfter) {
    flags_.TransferPhase = kPhaseWaited;
    t2_ = 0;
  } else if (phase == kPhaseWaited && t2_ > kResendWait) {
    SendStep(done_, direction_);
    flags_.TransferPhase = kPhaseResent;
    t2_ = 0;
  } else if (phase == kPhaseResent && t2_ >= kFailWait) {
    flags_.TransferPhase = kPhaseIdle;
    LinkEvent(LinkEventKind::SearchFailed);
  }
}

// ---- single edits

void LinkController::SendEdit(int d, int v) {
  tick_ = 0;
  if (flags_.SendReady == 1 && queue_.Empty()) {
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
}

void LinkController::ChangeSystemPassword(const std::string& text) {
  SendText(SystemPassAddr, text.substr(0, 6));
}

}  // namespace morvelin
