#include <sys/stat.h>

#include <cstdio>
#include <exception>

#include "foundation/file_stream.h"
#include "foundation/ini_file.h"
#include "package/package_writer.h"
#include "zolpack/commands.h"
#include "zolpack/project_references.h"

namespace zol::pack {
namespace {

std::string ReadWholeFile(const std::string& path) {
  auto in = MakeRef<TFileStream>(path, TFileStream::Mode::Read);
  std::string bytes(size_t(in->GetSize()), '\0');
  in->ReadBuffer(bytes.data(), bytes.size());
  return bytes;
}

}  // namespace

int Fail(const std::string& message) {
  fprintf(stderr, "zolpack: %s\n", message.c_str());
  return 1;
}

int Build(const std::vector<std::string>& args) {
  std::string project, out, host;
  TPackageOptions options;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "-o" && i + 1 < args.size()) {
      out = args[++i];
    } else if (a == "--exe" && i + 1 < args.size()) {
      host = args[++i];
    } else if (a == "--compress") {
      options.compress = true;
    } else if (a == "--cipher") {
      options.cipher = true;
    } else if (a == "--allow-modify") {
      options.allowModify = true;
    } else if (project.empty() && !a.empty() && a[0] != '-') {
      project = a;
    } else {
      return Fail("unknown argument \"" + a + "\"");
    }
  }
  if (project.empty() || out.empty()) return Fail("build needs PROJECT.zol and -o OUT");

  try {
    auto tree = MakeRef<TIniFile>();
    if (!tree->LoadFile(project)) return Fail("cannot read project \"" + project + "\"");
    options.version = tree->ReadString("Main", "ZolVersion", "");

    TPackageWriter writer(options);
    writer.Add("Project.zol", ReadWholeFile(project));
    auto references = ProjectReferences(*tree, project);
    for (const auto& [name, path] : references) writer.Add(name, ReadWholeFile(path));

    std::string hostBytes = host.empty() ? "" : ReadWholeFile(host);
    auto output = MakeRef<TFileStream>(out, TFileStream::Mode::Create);
    output->WriteBuffer(hostBytes.data(), hostBytes.size());
    writer.Write(*output, int64_t(hostBytes.size()));
    output.reset();
    if (!host.empty()) {
      struct stat st{};
      if (stat(host.c_str(), &st) == 0) chmod(out.c_str(), st.st_mode & 07777);
    }
    printf("packed %zu files into %s\n", references.size() + 1, out.c_str());
    return 0;
  } catch (const std::exception& e) {
    return Fail(e.what());
  }
}

}  // namespace zol::pack
