// zolpack: builds show packages from a project file and its media, and lists,
// extracts and verifies packages.
#include <cstdio>
#include <string>
#include <vector>

#include "zolpack/commands.h"

namespace {

constexpr const char* kUsage =
    "usage:\n"
    "  zolpack build PROJECT.zol -o OUT [--exe HOST] [--compress] [--cipher] [--allow-modify]\n"
    "  zolpack list PKG\n"
    "  zolpack extract PKG DIR\n"
    "  zolpack verify PKG\n";

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) {
    fputs(kUsage, stderr);
    return 2;
  }
  const std::string command = args.front();
  args.erase(args.begin());
  if (command == "build") return zol::pack::Build(args);
  if (command == "list") return zol::pack::List(args);
  if (command == "extract") return zol::pack::Extract(args);
  if (command == "verify") return zol::pack::Verify(args);
  fputs(kUsage, stderr);
  return 2;
}
