#include "shell/show_info.h"

#include <cstdio>
#include <exception>

#include "foundation/command_line.h"
#include "foundation/json_writer.h"
#include "package/package_names.h"
#include "model/show_report.h"
#include "model/show_settings_of.h"
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

std::string_view EndModeName(TEndMode mode) {
  switch (mode) {
    case TEndMode::Close: return "close";
    case TEndMode::Stop: return "stop";
    default: return "repeat";
  }
}

void WriteShow(TJsonWriter& json, TZolSource& show) {
  json.BeginObject();
  json.Key("slides").Int(show.SlideCount());
  json.Key("length_ms").Real(show.ShowLength());
  json.Key("end_mode").String(EndModeName(show.EndMode()));
  json.Key("design_size").BeginArray().Int(show.Main().DesignWidth()).Int(show.Main().DesignHeight()).EndArray();
  json.Key("manual").Bool(show.Main().ManualShow());
  json.Key("timings").BeginArray();
  for (const TSlideTimingRow& row : SlideTimingRows(show)) {
    json.BeginObject();
    json.Key("index").Int(row.index);
    json.Key("begin").Real(row.begin);
    json.Key("next_begin").Real(row.nextBegin);
    json.Key("incoming").Real(row.incoming);
    json.Key("outgoing").Real(row.outgoing);
    json.Key("end").Real(row.end);
    json.Key("slide_id").String(row.slideId);
    json.Key("end_action").String(EndKindName(row.endAction));
    json.Key("loop_ms").Real(row.loopMs);
    json.EndObject();
  }
  json.EndArray();
  json.Key("transitions").BeginArray();
  for (const TSlideTransitionRow& row : SlideTransitionRows(show)) {
    json.BeginObject();
    json.Key("index").Int(row.index);
    json.Key("name").String(row.name);
    json.Key("type");
    if (row.type == 0)
      json.Null();
    else
      json.String(row.typeName);
    json.Key("duration").Real(row.duration);
    json.Key("smoothline").Real(row.smoothline);
    json.EndObject();
  }
  json.EndArray();
  json.EndObject();
}

}  // namespace

std::string ShowInfoJson(TZolShowLocator& locator) {
  TJsonWriter json;
  json.BeginObject();
  json.Key("package");
  if (auto* packed = dynamic_cast<TPackedFileSource*>(&locator.Accessor().Source()))
    WritePackage(json, packed->Package());
  else
    json.Null();
  json.Key("project").String(locator.ProjectFileName());
  json.Key("show");
  WriteShow(json, ShowSettings(locator));
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
