#include "cli/cli_session.h"

#include <QDir>
#include <QEventLoop>
#include <limits>
#include <optional>

#include "cli/cli_backup.h"
#include "cli/cli_link_ui.h"
#include "cli/cli_safety.h"
#include "graphs/block_curve.h"
#include "link/frames.h"
#include "link/link_controller.h"
#include "unit/port_choice.h"

namespace morvelin {

namespace {

constexpr int kReadyPollMs = 20;
constexpr int kReleaseFlushMs = 100;  // lets the port put the release on the line

void PrintDump(const ParamStore& store, std::ostream& out) {
  for (int b = 0; b < kStatusBlock; ++b)
    for (int i = 0; i < BlockLengths(b); ++i) out << b << ' ' << i << ' ' << store.DeviceImage[b][i] << '\n';
  for (const StatusRead& r : kStatusReads) {
    if (r.text) continue;
    const int i = r.address & 0xFF;
    out << kStatusBlock << ' ' << i << ' ' << store.DeviceImage[kStatusBlock][i] << '\n';
  }
  for (int k = 0; k < kModeCount; ++k) out << "mode " << k + 1 << ' ' << store.Unit.ModeNames[k] << '\n';
}

// Drives one command over a linked controller.
class CliRun {
 public:
  CliRun(const CliCommand& command, LinkController& link, ParamStore& store, CliLinkUi& ui, std::ostream& out,
         std::ostream& err, SteppedClock* clock)
      : command_(command),
        link_(link),
        store_(store),
        ui_(ui),
        out_(out),
        err_(err),
        clock_(clock),
        ready_(clock, kReadyPollMs, [this] { PollReady(); }),
        start_(clock, 0, [this] { Start(); }),
        exit_(clock, kReleaseFlushMs, [this] { Exit(); }) {
    ui_.onEvent = [this](LinkEventKind k) { OnEvent(k); };
    ui_.onAck = [this] { OnAck(); };
    start_.SetSingleShot(true);
    exit_.SetSingleShot(true);
  }
  // Before a restore or recall overwrites the unit: the safety backup of the memory read.
  std::function<void(const QString& reason)> beforeOverwrite;

  ~CliRun() {
    ui_.onEvent = nullptr;
    ui_.onAck = nullptr;
  }

  int Exec() {
    link_.FillPortList();
    link_.LinkBtnClick(LinkController::Button::LinkBtn);
    if (!clock_) return loop_.exec();
    // The link always ends, at the latest by its time-outs.
    clock_->RunUntil([this] { return code_.has_value(); }, std::numeric_limits<std::int32_t>::max());
    return code_.value_or(1);
  }

 private:
  void Finish(int code) {
    if (finished_) return;
    finished_ = true;
    ready_.Stop();
    // Releases the unit and stops the timers; after a failure they have stopped already.
    if (link_.LinkOnline() || link_.Timer1().Running() || link_.Timer2().Running() ||
        link_.HoldTimer().Running())
      link_.LinkBtnClick(LinkController::Button::UnLinkBtn);
    finishCode_ = code;
    exit_.Start();
  }

  void Exit() {
    if (clock_)
      code_ = finishCode_;
    else
      loop_.exit(finishCode_);
  }

  void OnEvent(LinkEventKind kind) {
    if (finished_) return;
    if (kind == LinkEventKind::SearchFailed || kind == LinkEventKind::LinkLost) {
      Finish(1);
      return;
    }
    if (kind != LinkEventKind::Online) return;
    if (!started_) {
      started_ = true;
      // Out of the transfer tick that brought the link up.
      start_.Start();
    } else if (recallSent_) {
      err_ << "Mode " << command_.mode << " recalled\n";
      Finish(0);
    } else if (restoring_) {
      err_ << "Restored " << QDir::toNativeSeparators(CliPath(command_.file)).toStdString() << '\n';
      Finish(0);
    }
  }

  void Restore() {
    if (beforeOverwrite) beforeOverwrite(BeforeRestoreReason());
    if (!RestoreFromFile(command_.file, store_, link_, err_)) {
      Finish(kCliFileError);
      return;
    }
    // A step the unit does not acknowledge ends the link with its message, and the run with 1.
    restoring_ = true;
  }

  void Start() {
    if (finished_) return;
    switch (command_.kind) {
      case CliCommandKind::Dump:
        PrintDump(store_, out_);
        Finish(0);
        return;
      case CliCommandKind::Curve:
        PrintCurve();
        return;
      case CliCommandKind::Set:
      case CliCommandKind::Recall:
        ready_.Start();  // wait until nothing is in flight, so the command goes at once
        PollReady();
        return;
      case CliCommandKind::Backup:
        Finish(BackupToFile(command_.file, store_, err_));
        return;
      case CliCommandKind::Restore:
        Restore();
        return;
      case CliCommandKind::Ports:
      case CliCommandKind::Snapshots:  // carried out without the unit
        Finish(0);
        return;
    }
  }

  void PrintCurve() {
    const auto curve = BlockCurve(store_.DeviceImage, command_.block);
    if (!curve) {
      err_ << "Block " << command_.block << " has no curve\n";
      Finish(2);
      return;
    }
    WriteCurveCsv(out_, *curve);
    Finish(0);
  }

  void PollReady() {
    if (finished_ || sent_) return;
    if (!link_.LinkOnline() || link_.Flags().SendReady != 1 || !link_.Queue().Empty()) return;
    ready_.Stop();
    sent_ = true;
    if (command_.kind == CliCommandKind::Set) {
      acksAtSend_ = ui_.Acks;
      store_.SetDevice(command_.address, command_.value);
      link_.SendEdit(command_.address, command_.value);
    } else {
      recallSent_ = true;
      if (beforeOverwrite) beforeOverwrite(BeforeRecallReason(command_.mode));
      store_.SetParam(ModeRecallAddr, command_.mode - 1);
    }
  }

  void OnAck() {
    if (finished_ || !sent_ || command_.kind != CliCommandKind::Set || ui_.Acks <= acksAtSend_) return;
    err_ << "Acknowledged\n";
    Finish(0);
  }

  CliCommand command_;
  LinkController& link_;
  ParamStore& store_;
  CliLinkUi& ui_;
  std::ostream& out_;
  std::ostream& err_;
  SteppedClock* clock_;
  QEventLoop loop_;
  ClockTimer ready_;
  ClockTimer start_;
  ClockTimer exit_;
  int finishCode_ = 0;
  std::optional<int> code_;
  bool started_ = false;
  bool sent_ = false;
  bool recallSent_ = false;
  bool restoring_ = false;
  bool finished_ = false;
  int acksAtSend_ = 0;
};

int RunCliOn(const CliOptions& options, VirtualUnit* demoUnit, std::ostream& out, std::ostream& err) {
  PortSetup ports(options.ports, demoUnit, options.clock);
  const std::vector<std::string> names = ports.Lister().PortNames();
  if (options.command.kind == CliCommandKind::Ports) {
    for (const std::string& n : names) out << n << '\n';
    return 0;
  }
  if (options.command.kind == CliCommandKind::Snapshots) {
    CliSafety(options.safety).List(out);
    return 0;
  }
  if (options.command.kind == CliCommandKind::Restore && !RestorableFile(options.command.file, err))
    return kCliFileError;
  if (names.empty()) {
    err << "No serial port to search (give --port NAME)\n";
    err << "Off Line!\n";
    return 2;
  }

  EditSelection selection;
  ParamStore store(selection);
  CliLinkUi ui(err);
  LinkController link(ports.Port(), ports.Lister(), store, ui, TimerDrive::Qt, options.clock);
  link.SetSelfHealing(false);  // one command: a lost link ends the run
  CliRun run(options.command, link, store, ui, out, err, options.clock);
  std::optional<CliSafety> safety;
  if (options.command.kind == CliCommandKind::Restore || options.command.kind == CliCommandKind::Recall) {
    safety.emplace(options.safety);
    run.beforeOverwrite = [&](const QString& reason) { safety->SaveBefore(store, reason, err); };
  }
  return run.Exec();
}

}  // namespace

int RunCli(const CliOptions& options, std::ostream& out, std::ostream& err) {
  return RunCliOn(options, nullptr, out, err);
}

int RunCli(const CliOptions& options, VirtualUnit& demoUnit, std::ostream& out, std::ostream& err) {
  return RunCliOn(options, &demoUnit, out, err);
}

}  // namespace morvelin
