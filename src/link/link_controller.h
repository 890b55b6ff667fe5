#pragma once
// The link to the unit: the search over the machine's ports, the link state and its timers,
// the keep-alive and supervision, and every transfer between the store and the unit.
// Everything runs on the UI thread; the timer handlers are plain methods so that tests can
// step them tick by tick.

#include <array>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "link/edit_queue.h"
#include "link/frame_receiver.h"
#include "link/link_flags.h"
#include "link/link_timer.h"
#include "link/link_ui.h"
#include "link/status_texts.h"
#include "params/param_store.h"
#include "platform/serial_port.h"

namespace morvelin {

class LinkController : public EditSender {
 public:
  static constexpr int kSearchIntervalMs = 1000;
  static constexpr int kTransferIntervalMs = 100;
  static constexpr int kHoldIntervalMs = 20;
  static constexpr int kReadSteps = 38;
  static constexpr int kWriteSteps = 29;
  static constexpr int kHealIntervalMs = 1000;
  // Seconds before each automatic search after a link loss; the last one repeats.
  static constexpr std::array<int, 5> kHealDelaysS{1, 2, 5, 10, 30};

  enum class Direction { Read, Write };
  enum class PendingCommand { None, Recall, Save };
  // Which button a click came from: LinkBtn searches while not online, UnLinkBtn always takes down.
  enum class Button { LinkBtn, UnLinkBtn };

  // Registers itself as the store's edit sender and as the port's receive handler. The timers
  // run on the clock when one is given, else on the event loop.
  LinkController(SerialPort& port, PortLister& lister, ParamStore& store, LinkUi& ui,
                 TimerDrive drive = TimerDrive::Qt, SteppedClock* clock = nullptr);
  ~LinkController() override;
  LinkController(const LinkController&) = delete;
  LinkController& operator=(const LinkController&) = delete;

  // ComComboBox1: the machine's port names, filled at start-up before the first search.
  void FillPortList();
  const std::vector<std::string>& PortList() const { return ports_; }

  void LinkBtnClick(Button sender);
  // FormCloseQuery: releases the unit when online.
  void CloseQuery();
  void LinkEvent(LinkEventKind kind);
  void SetStatus(const TextPair& text);
  // Re-applies the link's texts after a language switch.
  void ApplyLanguage();

  void Timer1Timer();
  void Timer2Timer();
  void HoldTimerTimer();
  // Counts down to the next automatic search after a link loss.
  void HealTimerTimer();
  // The port's notification of waiting bytes.
  void OnBytesAvailable(int count);
  // The port failed and closed itself.
  void OnPortError();
  // Off for one-shot users (the command line): a lost link then stays down.
  void SetSelfHealing(bool on) { selfHealing_ = on; }
  // Off for users that only send (the command line's set): the probe's acknowledgement brings
  // the link online at once, without the full read; the device image then holds nothing read.
  void SetReadOnLink(bool on) { readOnLink_ = on; }

  // Transfers.
  void SendStep(int step, Direction direction);
  void StartLinking();
  void StartLoading();
  void StartDownload();
  // A save while not online is not sent; the "Off Line!" message is shown instead. True when sent.
  bool SaveMode(int modeIndex, const std::string& name);
  void ModeSaved();
  void ChangePanelPassword(const std::string& text);
  void ChangeSystemPassword(const std::string& text);

  // EditSender
  bool LinkOnline() const override { return online_; }
  void SendEdit(int deviceAddress, int value) override;
  void MarkNotReady() override { flags_.SendReady = 0; }
  void EditWhileOffline(int deviceAddress, int value) override;

  // Encoders: send only while the port is open; write errors are left to the supervision.
  void SendWordFrame(std::uint8_t type, int address, int value);
  void SendParamFrame(std::uint8_t type, int address, std::span<const std::uint8_t> data);
  void SendLinkCode(int code);
  void SendText(int address, const std::string& text);

  // State, for the windows and for tests.
  const LinkFlags& Flags() const { return flags_; }
  LinkFlags& Flags() { return flags_; }
  const EditQueue& Queue() const { return queue_; }
  const StatusWindowModel& StatusWindow() const { return window_; }
  const TextPair& CurrentStatus() const { return status_; }
  PendingCommand Pending() const { return pending_; }
  Direction TransferDirection() const { return direction_; }
  const LinkTimer& Timer1() const { return timer1_; }
  const LinkTimer& Timer2() const { return timer2_; }
  const LinkTimer& HoldTimer() const { return holdTimer_; }
  const LinkTimer& HealTimer() const { return healTimer_; }
  // A search started by the link itself after a loss, without the status window.
  bool AutoSearch() const { return autoSearch_; }
  bool Healing() const { return healing_; }
  // Edits made since the link was lost, one per word, oldest first.
  const std::deque<EditQueue::Entry>& OfflineEdits() const { return offlineEdits_; }
  // Write frames sent since everything sent was last acknowledged (what a resend repeats).
  const std::vector<EditQueue::Entry>& Unacknowledged() const { return unacked_; }
  int Tick() const { return tick_; }
  int Miss() const { return miss_; }
  int Done() const { return done_; }
  int Total() const { return total_; }
  int T2() const { return t2_; }
  int ModeNameCounter() const { return modeNameCounter_; }
  int Percent() const;
  int SearchPosition() const { return searchPos_; }
  int SelectedPort() const { return selectedPort_; }
  SerialPort& ComPort() { return port_; }
  FrameReceiver& Receiver() { return receiver_; }

 private:
  void StartSearch();
  void TakeDown();
  void TryPort(int position);
  void LinkUp();
  void LinkLost();
  void SearchFailed(bool writeInterrupted, bool firstLoss = false);
  void StartTransfer(Direction direction, int total);
  // Arms the answer the step just sent waits for.
  void ArmStep();
  bool StepAnswered() const;
  void NoteReport(const Bytes& frame);
  void RecordSent(int address, int value);
  void ForgetOwedAcks();
  void ResendUnacknowledged();
  void StartHealing();
  void ScheduleHeal();
  void StopHealing();
  void OfferOfflineEdits();
  void FeedBacklog();
  void SendBlockWrite(int block, int first, int last);
  void SetLinkButton(bool pressed);
  void SetColour(Rgb colour);
  void SetOnline(bool online);
  void ShowStatusWindow(bool visible, bool bringToFront = false);
  void ShowMessage(LinkMessage message);
  void OnAck();
  void OnFrame(const Bytes& frame);

  SerialPort& port_;
  PortLister& lister_;
  ParamStore& store_;
  LinkUi& ui_;
  FrameReceiver receiver_;
  LinkTimer timer1_;
  LinkTimer timer2_;
  LinkTimer holdTimer_;
  LinkTimer healTimer_;

  std::vector<std::string> ports_;
  int selectedPort_ = -1;
  int searchPos_ = 0;
  int lastTried_ = -1;
  int searchRound_ = 0;  // every port is probed twice before the search fails

  bool online_ = false;
  LinkFlags flags_;
  int tick_ = 0;
  int miss_ = 0;
  PendingCommand pending_ = PendingCommand::None;

  Direction direction_ = Direction::Read;
  int done_ = 0;
  int total_ = kReadSteps;
  int t2_ = 0;
  int modeNameCounter_ = 0;
  std::array<std::uint8_t, 2> requestBytes_{};
  bool modeNameAwaited_ = false;

  // The answer the current transfer step waits for.
  enum class StepPhase { Sent, Waited, Resent };
  StepPhase stepPhase_ = StepPhase::Sent;
  int armedStep_ = -1;
  bool readAnswered_ = false;
  std::vector<bool> wordsReported_;  // block steps: the words of the block reported since the request
  int acksAwaited_ = 0;              // write steps

  EditQueue queue_;
  // Hold step accounting: acknowledgements owed for the write frames sent while online.
  int acksOwed_ = 0;
  std::vector<EditQueue::Entry> unacked_;

  bool selfHealing_ = true;
  bool readOnLink_ = true;
  bool healing_ = false;     // the link was lost and is being searched for by itself
  bool autoSearch_ = false;  // the running search was started by the link itself
  bool lostLink_ = false;    // from a loss until the link is up again: edits are remembered
  int healAttempt_ = 0;
  int healWaitS_ = 0;
  std::deque<EditQueue::Entry> offlineEdits_;
  std::deque<EditQueue::Entry> backlog_;  // accepted offline edits the queue had no room for

  TextPair status_ = StatusText(LinkStatus::OffLine);
  StatusWindowModel window_;
};

}  // namespace morvelin
