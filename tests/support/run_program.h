// Test helper: runs one of our programs (from the folder of the test binary)
// and captures its exit code, standard output and standard error.
#pragma once

#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/process.h"
#include "support/temp_dir.h"

namespace zol::test {

struct RunResult {
  int exitCode = -1;
  std::string out, err;
};

// The path of PROGRAM built beside the running test binary.
inline std::string BuiltProgram(const std::string& program) {
  return (std::filesystem::path(platform::ModulePath()).parent_path() / program).string();
}

inline std::string ShellQuote(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

// COMMAND is a shell command line; its output goes to files in a scratch folder.
inline RunResult RunCommand(const std::string& command) {
  TempDir scratch;
  std::string out = scratch / "out", err = scratch / "err";
  int status = std::system((command + " >" + ShellQuote(out) + " 2>" + ShellQuote(err) + " </dev/null").c_str());
  RunResult result;
  result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  result.out = ReadFile(out);
  result.err = ReadFile(err);
  return result;
}

}  // namespace zol::test
