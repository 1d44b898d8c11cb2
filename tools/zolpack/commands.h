// The zolpack commands. Each returns the process exit code: 0 when all went
// well, 1 when the command failed or found damage, 2 for a usage error.
#pragma once

#include <string>
#include <vector>

namespace zol::pack {

int Build(const std::vector<std::string>& args);
int List(const std::vector<std::string>& args);
int Extract(const std::vector<std::string>& args);
int Verify(const std::vector<std::string>& args);

// Reports a failure on standard error ("zolpack: ...") and returns 1.
int Fail(const std::string& message);

}  // namespace zol::pack
