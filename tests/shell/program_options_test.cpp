// The editor's and the command line's options as the programs answer them: help, version and
// usage errors, none of which opens a window or touches a port.

#include <gtest/gtest.h>

#include <QProcess>

#include "support/program_run.h"

namespace morvelin {
namespace {

using Answer = ProgramRun;

Answer RunProgram(const char* program, const QStringList& args) {
  return RunBuiltProgram(QString::fromUtf8(program), args, {}, 20000);
}

TEST(ProgramOptions, HelpListsEveryOptionAndVersionPrintsTheVersion) {
  const struct {
    const char* program;
    std::vector<const char*> options;
  } cases[] = {
      {"morvelin", {"--demo", "--port", "--bench-startup", "--help", "--version"}},
      {"morvelin-cli", {"--port", "--quiet", "--help", "--version"}},
      {"morvelin-unitsim", {"--link", "--log-frames", "--help", "--version"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.program);
    for (const char* help : {"--help", "-h"}) {
      const Answer a = RunProgram(c.program, {help});
      EXPECT_EQ(a.code, 0) << a.err.toStdString();
      for (const char* option : c.options)
        EXPECT_TRUE(a.out.contains(option)) << option << "\n" << a.out.toStdString();
    }
    const Answer v = RunProgram(c.program, {"--version"});
    EXPECT_EQ(v.code, 0) << v.err.toStdString();
    EXPECT_TRUE(v.out.contains(MORVELIN_VERSION)) << v.out.toStdString();
  }
}

TEST(ProgramOptions, BadArgumentsAreUsageErrors) {
  const struct {
    const char* program;
    QStringList args;
    const char* error;
  } cases[] = {
      {"morvelin", {"--bogus"}, "Unknown option 'bogus'"},
      {"morvelin", {"--demo", "--port"}, "Missing value after '--port'"},
      {"morvelin", {"--demo", "stray"}, "unexpected argument 'stray'"},
      {"morvelin-cli", {"--bogus", "ports"}, "Unknown option 'bogus'"},
      {"morvelin-cli", {"ports", "--port"}, "Missing value after '--port'"},
      {"morvelin-cli", {"ports", "stray"}, "ports takes no arguments"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.program + (" " + c.args.join(' ').toStdString()));
    const Answer a = RunProgram(c.program, c.args);
    EXPECT_EQ(a.code, 2);
    EXPECT_TRUE(a.err.contains(c.error)) << a.err.toStdString();
    EXPECT_TRUE(a.out.isEmpty()) << a.out.toStdString();
  }
}

}  // namespace
}  // namespace morvelin
