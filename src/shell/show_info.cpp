#include "shell/show_info.h"

#include <cstdio>
#include <exception>

#include "foundation/command_line.h"
#include "foundation/json_writer.h"
#include "package/package_names.h"
#include "package/packed_file_source.h"
#include "shell/show_opener.h"

namespace zol {
namespace {

void WritePackage(TJsonWriter& json, TZolUnpack& package) {
  json.BeginObject();
  json.Key("path").String(package.Path());
  json.Key("version").String(package.Version());
  json.Key("allow_modify").Bool(package.AllowModify());
  json.Key("delta").Int(package.Delta());
  json.Key("files").BeginArray();
  const TIniFile& directory = package.Directory();
  for (int i = 0; i < directory.SectionCount(); ++i) {
    const TIniSection* section = directory.SectionAt(i);
    if (section->Name() == "$protection$") continue;
    const std::string name = UnescapePackageName(section->Name());
    auto entry = package.FindEntry(name);
    if (!entry) continue;
    json.BeginObject();
    json.Key("name").String(name);
    json.Key("position").Int(entry->position);
    json.Key("size").Int(entry->size);
    json.Key("method").Int(entry->method);
    json.EndObject();
  }
  json.EndArray();
  json.EndObject();
}

void PrintMessage(const std::string& message) {
  std::string shown = message;
  for (char& c : shown)
    if (c == '\r') c = '\n';
  fprintf(stderr, "%s\n", shown.c_str());
}

}  // namespace

std::string ShowInfoJson(const TZolShowLocator& locator) {
  TJsonWriter json;
  json.BeginObject();
  json.Key("package");
  if (auto* packed = dynamic_cast<TPackedFileSource*>(&locator.Accessor().Source()))
    WritePackage(json, packed->Package());
  else
    json.Null();
  json.Key("project").String(locator.ProjectFileName());
  json.EndObject();
  return json.Text();
}

int RunShowInfo(TCommandLine& commandLine) {
  std::string message;
  try {
    TShowRequest request = ShowRequestFromCommandLine(commandLine);
    if (TRef<TZolShowLocator> locator = OpenRequestedShow(request, message)) {
      printf("%s\n", ShowInfoJson(*locator).c_str());
      return 0;
    }
  } catch (const std::exception& e) {
    message = e.what();
  }
  PrintMessage(message);
  return 2;
}

}  // namespace zol
