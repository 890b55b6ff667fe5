// The real serial port against the simulated unit on a pseudo-terminal, in real time.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <unistd.h>

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <filesystem>

#include "link/frames.h"
#include "params/block_table.h"
#include "platform/qt_port_lister.h"
#include "platform/qt_serial_port.h"
#include "support/answer_frames.h"
#include "unit/pty_unit_server.h"
#include "unit/virtual_unit.h"

namespace morvelin {
namespace {

using test::SplitAnswers;

const Bytes kAck{0xEE, 0xBB};

// Collects what the port announces until the wanted number of bytes is there.
class Collector {
 public:
  explicit Collector(QtSerialPort& port) : port_(port) {
    port_.SetReceiveHandler([this](int waiting) {
      ++notifications;
      const Bytes got = port_.Read(waiting);
      bytes.insert(bytes.end(), got.begin(), got.end());
    });
  }
  bool WaitFor(std::size_t n, int ms = 3000) {
    return QTest::qWaitFor([&] { return bytes.size() >= n; }, ms);
  }
  Bytes bytes;
  int notifications = 0;

 private:
  QtSerialPort& port_;
};

TEST(PtySerialTest, TheQtPortExchangesProbeAndBlockReadWithTheServedUnit) {
  VirtualUnit unit;
  unit.wordsPerReport = 60;
  PtyUnitServer server(unit);
  std::string error;
  ASSERT_TRUE(server.Start(&error)) << error;
  ASSERT_FALSE(server.SlavePath().empty());

  QtSerialPort port;
  port.SetPortName(server.SlavePath());
  ASSERT_TRUE(port.Open()) << port.ErrorText();
  EXPECT_TRUE(port.IsOpen());
  EXPECT_EQ(port.ErrorText(), "");  // the terminal's refusal of DTR and RTS is not an error here
  Collector rx(port);

  ASSERT_TRUE(port.Write(LinkCodeFrame(LinkProbe)));
  ASSERT_TRUE(rx.WaitFor(2));
  EXPECT_EQ(rx.bytes, kAck);
  EXPECT_GE(rx.notifications, 1);
  EXPECT_EQ(unit.ReceivedFrames(), std::vector<Bytes>{LinkCodeFrame(LinkProbe)});

  rx.bytes.clear();
  unit.SetWord(0, 100, 0x1234);
  ASSERT_TRUE(port.Write(WordFrame(ReadType, BlockReadAddr, 0)));
  const std::size_t expected = 3 * 7 + 2 * 165;  // 60 + 60 + 45 words
  ASSERT_TRUE(rx.WaitFor(expected));
  const auto answers = SplitAnswers(rx.bytes);
  ASSERT_EQ(answers.frames.size(), 3u);
  int next = 0;
  for (const Bytes& r : answers.frames) {
    EXPECT_EQ(test::ReportAddress(r), next);
    const Bytes data = test::ReportData(r);
    for (std::size_t k = 0; k < data.size() / 2; ++k, ++next)
      EXPECT_EQ(data[2 * k] + 256 * data[2 * k + 1], unit.WordAt(0, next)) << next;
  }
  EXPECT_EQ(next, 165);

  // Clients come and go; the unit stays reachable.
  port.Close();
  EXPECT_FALSE(port.IsOpen());
  EXPECT_FALSE(port.Write(LinkCodeFrame(LinkProbe)));
  ASSERT_TRUE(port.Open()) << port.ErrorText();
  rx.bytes.clear();
  port.Write(LinkCodeFrame(KeepAlive));
  ASSERT_TRUE(rx.WaitFor(2));
  EXPECT_EQ(rx.bytes, kAck);
}

// The bare master side of a pseudo-terminal, read without any event loop.
class RawPty {
 public:
  RawPty() {
    master_ = posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ >= 0 && grantpt(master_) == 0 && unlockpt(master_) == 0) slave_ = ptsname(master_);
  }
  ~RawPty() {
    if (master_ >= 0) close(master_);
  }
  const std::string& SlavePath() const { return slave_; }
  // What has reached the master within ms; the kernel passes the bytes on by itself.
  Bytes ReadFor(std::size_t n, int ms) {
    Bytes got;
    pollfd fd{master_, POLLIN, 0};
    while (got.size() < n && poll(&fd, 1, ms) > 0) {
      std::uint8_t buf[256];
      const ssize_t r = read(master_, buf, sizeof buf);
      if (r <= 0) break;
      got.insert(got.end(), buf, buf + r);
    }
    return got;
  }

 private:
  int master_ = -1;
  std::string slave_;
};

TEST(PtySerialTest, AWrittenFrameLeavesBeforeTheEventLoopRunsAgain) {
  RawPty pty;
  ASSERT_FALSE(pty.SlavePath().empty());
  QtSerialPort port;
  port.SetPortName(pty.SlavePath());
  ASSERT_TRUE(port.Open()) << port.ErrorText();
  for (const Bytes& frame : {WordFrame(WriteType, MakeAddress(0, 22), 100), LinkCodeFrame(KeepAlive)}) {
    ASSERT_TRUE(port.Write(frame));
    // No event is processed here: a frame left in the port's buffer would not arrive.
    EXPECT_EQ(pty.ReadFor(frame.size(), 1000), frame);
  }
}

TEST(PtySerialTest, OpeningAMissingPortFails) {
  QtSerialPort port;
  port.SetPortName("/dev/morvelin-no-such-port");
  EXPECT_FALSE(port.Open());
  EXPECT_FALSE(port.IsOpen());
  EXPECT_EQ(port.BytesAvailable(), 0);
  EXPECT_TRUE(port.Read(5).empty());
}

TEST(PtySerialTest, TheSimulatorServesALinkAndEndsCleanlyOnSigterm) {
  const QString program = QStringLiteral(MORVELIN_BINARY_DIR "/src/morvelin-unitsim");
  ASSERT_TRUE(QFileInfo::exists(program)) << program.toStdString();
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString link = dir.filePath("unit");

  QProcess sim;
  sim.start(program, {"--link", link, "--words-per-report", "30"});
  ASSERT_TRUE(sim.waitForStarted(5000));
  ASSERT_TRUE(QTest::qWaitFor([&] { return sim.canReadLine(); }, 5000));
  const std::string slave = sim.readLine().trimmed().toStdString();
  EXPECT_EQ(slave.rfind("/dev/", 0), 0u) << slave;
  EXPECT_EQ(std::filesystem::read_symlink(link.toStdString()).string(), slave);

  QtSerialPort port;
  port.SetPortName(link.toStdString());
  ASSERT_TRUE(port.Open()) << port.ErrorText();
  Collector rx(port);
  port.Write(LinkCodeFrame(LinkProbe));
  ASSERT_TRUE(rx.WaitFor(2));
  EXPECT_EQ(rx.bytes, kAck);

  rx.bytes.clear();
  port.Write(WordFrame(ReadType, BlockReadAddr, 6));  // 70 words: 30 + 30 + 10
  ASSERT_TRUE(rx.WaitFor(3 * 7 + 2 * 70));
  const auto answers = SplitAnswers(rx.bytes);
  ASSERT_EQ(answers.frames.size(), 3u);
  EXPECT_EQ(test::ReportAddress(answers.frames[2]), MakeAddress(6, 60));
  port.Close();

  ::kill(static_cast<pid_t>(sim.processId()), SIGTERM);
  ASSERT_TRUE(sim.waitForFinished(5000));
  EXPECT_EQ(sim.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(sim.exitCode(), 0);
  EXPECT_FALSE(std::filesystem::is_symlink(link.toStdString()));
}

TEST(PtySerialTest, TheSimulatorRefusesABadReportSize) {
  QProcess sim;
  sim.start(QStringLiteral(MORVELIN_BINARY_DIR "/src/morvelin-unitsim"), {"--words-per-report", "126"});
  ASSERT_TRUE(sim.waitForFinished(5000));
  EXPECT_NE(sim.exitCode(), 0);
  EXPECT_TRUE(sim.readAllStandardOutput().isEmpty());
}

TEST(PtySerialTest, TheSimulatorOptions) {
  const struct {
    QStringList args;
    int exitCode;
    const char* output;  // on stdout for 0, on stderr otherwise
  } cases[] = {
      {{"--help"}, 0, "--silent-after"},
      {{"-h"}, 0, "--bad-checksum"},
      {{"--version"}, 0, "morvelin-unitsim " MORVELIN_VERSION},
      {{"--frobnicate"}, 2, "frobnicate"},
      {{"--latency"}, 2, "latency"},
      {{"stray"}, 2, "stray"},
      {{"--noise", "101"}, 2, "--noise takes a number from 0 to 100"},
      {{"--drop-acks", "x"}, 2, "--drop-acks"},
  };
  for (const auto& c : cases) {
    QProcess sim;
    sim.start(QStringLiteral(MORVELIN_BINARY_DIR "/src/morvelin-unitsim"), c.args);
    ASSERT_TRUE(sim.waitForFinished(5000)) << c.args.join(' ').toStdString();
    EXPECT_EQ(sim.exitCode(), c.exitCode) << c.args.join(' ').toStdString();
    const QByteArray text = c.exitCode == 0 ? sim.readAllStandardOutput() : sim.readAllStandardError();
    EXPECT_TRUE(text.contains(c.output)) << c.args.join(' ').toStdString() << ": " << text.toStdString();
  }
  QProcess help;
  help.start(QStringLiteral(MORVELIN_BINARY_DIR "/src/morvelin-unitsim"), {"--help"});
  ASSERT_TRUE(help.waitForFinished(5000));
  const QByteArray text = help.readAllStandardOutput();
  for (const char* option : {"--link", "--words-per-report", "--latency", "--noise", "--bad-checksum",
                             "--drop-acks", "--silent-after", "--seed", "--version", "--help"})
    EXPECT_TRUE(text.contains(option)) << option;
}

TEST(PtySerialTest, APortWhoseDeviceVanishesClosesAndSaysSo) {
  QProcess sim;
  sim.start(QStringLiteral(MORVELIN_BINARY_DIR "/src/morvelin-unitsim"), {});
  ASSERT_TRUE(sim.waitForStarted(5000));
  ASSERT_TRUE(QTest::qWaitFor([&] { return sim.canReadLine(); }, 5000));
  const std::string slave = sim.readLine().trimmed().toStdString();
  QtSerialPort port;
  port.SetPortName(slave);
  ASSERT_TRUE(port.Open()) << port.ErrorText();
  int errors = 0;
  port.SetErrorHandler([&] { ++errors; });
  Collector rx(port);
  port.Write(LinkCodeFrame(LinkProbe));
  ASSERT_TRUE(rx.WaitFor(2));
  sim.kill();
  ASSERT_TRUE(sim.waitForFinished(5000));
  port.Write(LinkCodeFrame(KeepAlive));
  ASSERT_TRUE(QTest::qWaitFor([&] { return errors > 0; }, 3000));
  EXPECT_FALSE(port.IsOpen());
  QTest::qWait(200);
  EXPECT_EQ(errors, 1);
}

TEST(PtySerialTest, TheSimulatorKeepsTheAccessStateItWasGiven) {
  QProcess sim;
  sim.start(QStringLiteral(MORVELIN_BINARY_DIR "/src/morvelin-unitsim"),
            {"--panel-lock", "on", "--access-level", "manager", "--panel-password", "4321",
             "--system-password", "12345"});
  ASSERT_TRUE(sim.waitForStarted(5000));
  ASSERT_TRUE(QTest::qWaitFor([&] { return sim.canReadLine(); }, 5000));
  QtSerialPort port;
  port.SetPortName(sim.readLine().trimmed().toStdString());
  ASSERT_TRUE(port.Open()) << port.ErrorText();
  Collector rx(port);
  struct Expected {
    int address;
    Bytes data;
  };
  const Expected reads[] = {{PanelSwitchAddr, {1, 0}},
                            {AccessLevelAddr, {1, 0}},
                            {PanelPassAddr, {'4', '3', '2', '1'}},
                            {SystemPassAddr, {'1', '2', '3', '4', '5'}}};
  for (const Expected& e : reads) {
    rx.bytes.clear();
    port.Write(ParamFrame(ReadType, e.address, {}));
    ASSERT_TRUE(rx.WaitFor(7 + e.data.size())) << e.address;
    const auto answers = SplitAnswers(rx.bytes);
    ASSERT_EQ(answers.frames.size(), 1u) << e.address;
    EXPECT_EQ(test::ReportAddress(answers.frames[0]), e.address);
    EXPECT_EQ(test::ReportData(answers.frames[0]), e.data) << e.address;
  }
  port.Close();
  ::kill(static_cast<pid_t>(sim.processId()), SIGTERM);
  EXPECT_TRUE(sim.waitForFinished(5000));
}

TEST(PtySerialTest, TheSimulatorRefusesUnknownAccessValues) {
  const QStringList bad[] = {{"--panel-lock", "1"}, {"--access-level", "admin"}};
  for (const QStringList& args : bad) {
    QProcess sim;
    sim.start(QStringLiteral(MORVELIN_BINARY_DIR "/src/morvelin-unitsim"), args);
    ASSERT_TRUE(sim.waitForFinished(5000));
    EXPECT_EQ(sim.exitCode(), 2) << args.join(' ').toStdString();
    EXPECT_TRUE(sim.readAllStandardOutput().isEmpty());
  }
}

TEST(QtPortListerTest, SortsNamesWithNumbersByValue) {
  EXPECT_EQ(SortedPortNames({"COM10", "ttyUSB0", "COM2", "COM1", "COM2", "ttyS10", "ttyS9"}),
            (std::vector<std::string>{"COM1", "COM2", "COM10", "ttyS9", "ttyS10", "ttyUSB0"}));
  const QtPortLister lister({"/tmp/unit"});
  const auto names = lister.PortNames();
  ASSERT_FALSE(names.empty());
  EXPECT_EQ(names.back(), "/tmp/unit");
  EXPECT_EQ(lister.PortNames(), names);  // the same order every time
}

}  // namespace
}  // namespace morvelin
