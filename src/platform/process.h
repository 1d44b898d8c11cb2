// Facts about the running process: its executable path, thread ids, the
// debugger-output stand-in and the environment. Callable from any thread.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zol::platform {

// Full path of the running executable (the "module file name").
std::string ModulePath();

// Kernel id of the calling thread, as shown in log lines.
uint32_t CurrentThreadId();

// The debugger output: one line to standard error.
void DebugOutput(std::string_view text);

std::optional<std::string> GetEnv(const char* name);

bool FileExists(const std::string& path);

// Ends the process at once, without running static destructors: used when
// threads that would not stop are still running and must not see the
// program's objects torn down under them.
[[noreturn]] void ExitProcessNow(int code);

}  // namespace zol::platform
