#include "cli/cli_session.h"

#include <QDir>
#include <QEventLoop>
#include <limits>
#include <optional>

#include "cli/cli_backup.h"
#include "cli/cli_exchange.h"
#include "cli/cli_link_ui.h"
#include "cli/cli_safety.h"
#include "graphs/block_curve.h"
#include "link/frames.h"
#include "link/link_controller.h"
#include "unit/port_choice.h"
#if defined(__unix__)
#include "platform/posix/termination_signals.h"
#endif

namespace morvelin {

namespace {

constexpr int kReadyPollMs = 20;
constexpr int kReleaseFlushMs = 100;  // lets the port put the release on the line
constexpr int kSignalExitBase = 128;  // the shell's code of a program ended by a signal

std::string JoinedNames(const std::vector<std::string>& names) {
  std::string joined;
  for (const std::string& n : names) joined += (joined.empty() ? "" : ", ") + n;
  return joined;
}

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
        exit_(clock, kReleaseFlushMs, [this] { Exit(); }),
        exchange_(command, store, link, out, err, clock, [this](int code) { Finish(code); }) {
    ui_.onEvent = [this](LinkEventKind k) { OnEvent(k); };
    ui_.onAck = [this] { OnAck(); };
    ui_.messageDetail = [this] { return FailureDetail(); };
    start_.SetSingleShot(true);
    exit_.SetSingleShot(true);
  }
  // Before a restore or recall overwrites the unit: the safety backup of the memory read.
  std::function<void(const QString& reason)> beforeOverwrite;

  ~CliRun() {
    ui_.onEvent = nullptr;
    ui_.onAck = nullptr;
    ui_.messageDetail = nullptr;
  }

  // SIGINT or SIGTERM: the unit is released and the run ends with 128 + the signal. A full write
  // is finished first, so that the unit is never left holding half a backup.
  void OnSignal(int signal) {
    if (finished_) return;
    signalCode_ = kSignalExitBase + signal;
    if (Writing() && !signalled_) {
      signalled_ = true;
      ui_.Error("Finishing the write to the unit before stopping");
      return;
    }
    Finish(signalCode_);
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
  bool Writing() const {
    return link_.Timer2().Running() && link_.TransferDirection() == LinkController::Direction::Write;
  }

  // Which port failed: the one whose unit stopped answering, or every port searched.
  std::string FailureDetail() const {
    const auto& ports = link_.PortList();
    const int at = link_.SelectedPort();
    if (link_.Flags().LinkAcked == 1 && at >= 0 && at < static_cast<int>(ports.size()))
      return "the unit on " + ports[static_cast<std::size_t>(at)] + " stopped answering";
    return "no unit answered on " + JoinedNames(ports);
  }

  void Finish(int code) {
    if (finished_) return;
    finished_ = true;
    ready_.Stop();
    ui_.CloseProgress();
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
      Finish(signalled_ ? signalCode_ : 1);
      return;
    }
    if (kind != LinkEventKind::Online) return;
    if (restoring_) {
      ui_.Note("Restored " + ShownCliPath(command_.file).toStdString());
      Finish(signalled_ ? signalCode_ : 0);
      return;
    }
    if (!started_) {
      started_ = true;
      // Out of the transfer tick that brought the link up.
      start_.Start();
    } else if (recallSent_) {
      ui_.Note("Mode " + std::to_string(command_.mode) + " recalled");
      Finish(0);
    }
  }

  void Backup() {
    ui_.EndProgressLine();  // a notice of the file starts a line of its own
    const int code = BackupToFile(command_.file, store_, err_);
    if (code == 0) ui_.Note("Saved " + ShownCliPath(command_.file).toStdString());
    Finish(code);
  }

  void Restore() {
    ui_.EndProgressLine();
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
        Backup();
        return;
      case CliCommandKind::Restore:
        Restore();
        return;
      case CliCommandKind::Ports:
      case CliCommandKind::Snapshots:  // carried out without the unit
        Finish(0);
        return;
      case CliCommandKind::EqExport:
      case CliCommandKind::EqImport:
      case CliCommandKind::Export:
      case CliCommandKind::Import:
      case CliCommandKind::Diff:
        exchange_.Start();
        return;
    }
  }

  void PrintCurve() {
    const auto curve = BlockCurve(store_.DeviceImage, command_.block);
    if (!curve) {
      ui_.Error("Block " + std::to_string(command_.block) + " has no curve");
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
    ui_.Note("Acknowledged");
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
  CliExchange exchange_;
  int finishCode_ = 0;
  int signalCode_ = 0;
  bool signalled_ = false;
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
  // A file that cannot be read or written fails before the unit is touched.
  if (options.command.kind == CliCommandKind::Restore && !RestorableFile(options.command.file, err))
    return kCliFileError;
  if (options.command.kind == CliCommandKind::Backup && !BackupWritable(options.command.file, err))
    return kCliFileError;
  if (IsExchangeCommand(options.command.kind))
    if (const auto code = ExchangeWithoutUnit(options.command, out, err)) return *code;
  if (names.empty()) {
    err << "No serial port to search (give --port NAME)\n";
    err << "Off Line!\n";
    return 2;
  }

  EditSelection selection;
  ParamStore store(selection);
  CliLinkUi ui(err, options.progress);
  LinkController link(ports.Port(), ports.Lister(), store, ui, TimerDrive::Qt, options.clock);
  link.SetSelfHealing(false);  // one command: a lost link ends the run
  link.SetReadOnLink(CommandReadsMemory(options.command.kind));
  CliRun run(options.command, link, store, ui, out, err, options.clock);
#if defined(__unix__)
  std::optional<TerminationSignals> stopSignals;
  if (options.watchSignals) stopSignals.emplace([&run](int signal) { run.OnSignal(signal); });
#endif
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
