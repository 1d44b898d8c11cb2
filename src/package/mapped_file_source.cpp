#include "package/mapped_file_source.h"

#include "foundation/case_fold.h"
#include "foundation/ini_file.h"
#include "foundation/ini_value.h"
#include "package/file_stream_ex.h"
#include "package/real_file_source.h"

namespace zol {
namespace {

constexpr int kMaxMappingDepth = 8;

std::string_view Trim(std::string_view text) {
  auto blank = [](char c) { return uint8_t(c) <= 32; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

std::string_view Unquote(std::string_view text) {
  if (text.size() >= 2 && text.front() == '"' && text.back() == '"') return text.substr(1, text.size() - 2);
  return text;
}

}  // namespace

bool ParseFileMapping(std::string_view line, std::string& name, std::string& target) {
  if (!line.empty() && line.front() == ';') line.remove_prefix(1);
  bool quoted = false;
  size_t equals = std::string_view::npos;
  for (size_t i = 0; i < line.size(); ++i) {
    if (line[i] == '"') quoted = !quoted;
    if (line[i] == '=' && !quoted) {
      equals = i;
      break;
    }
  }
  if (equals == std::string_view::npos) return false;
  name = Unquote(Trim(line.substr(0, equals)));
  target = Unquote(Trim(line.substr(equals + 1)));
  return !name.empty() && !target.empty();
}

bool ParseRotationEntry(std::string_view line, std::string& name, int& code) {
  if (line.size() < 2 || line[0] != ';' || line[1] != '"') return false;
  line.remove_prefix(2);
  size_t close = line.find("\"=");
  if (close == std::string_view::npos) return false;
  name = line.substr(0, close);
  std::optional<int32_t> value = TextToInt(line.substr(close + 2));
  if (!value) return false;
  code = *value;
  return !name.empty();
}

TMappedFileSource::TMappedFileSource() : fileMap_(), rotations_() {}

void TMappedFileSource::AddMapping(std::string_view name, std::string target) {
  std::lock_guard guard(mapsLock_);
  fileMap_.GetOrCreateCommand(FoldCaseText(name))->Add(std::move(target));
}

void TMappedFileSource::AddRotation(std::string_view name, int code) {
  if (code != 1 && code != 3 && code != 6 && code != 8) return;
  std::lock_guard guard(mapsLock_);
  TCommand* entry = rotations_.GetOrCreateCommand(FoldCaseText(name));
  entry->Add(std::to_string(code));
  if (!hasRotations_) {
    hasRotations_ = true;
    SetImageTransformHook([this](std::string_view picture, int& width, int& height) -> std::optional<TImageTransform> {
      switch (RotationCode(picture)) {
        case 3:
          return TImageTransform::Rotate180;
        case 6:
          std::swap(width, height);
          return TImageTransform::QuarterRight;
        case 8:
          std::swap(width, height);
          return TImageTransform::QuarterLeft;
        default:
          return std::nullopt;
      }
    });
  }
}

void TMappedFileSource::LoadMaps(const TIniFile& project) {
  std::string name, target;
  if (const TIniSection* map = project.Section("FileMap")) {
    for (const TRef<TIniItem>& item : map->Items())
      if (ParseFileMapping(item->Value(), name, target)) AddMapping(name, target);
  }
  int code = 0;
  if (const TIniSection* rotations = project.Section("RotationState")) {
    for (const TRef<TIniItem>& item : rotations->Items())
      if (ParseRotationEntry(item->Value(), name, code)) AddRotation(name, code);
  }
}

const std::string* TMappedFileSource::MappedTarget(std::string_view name) const {
  std::lock_guard guard(mapsLock_);
  const TCommand* entry = fileMap_.Command(FoldCaseText(name));
  return entry && !entry->Items().empty() ? &entry->Items().front().Text() : nullptr;
}

int TMappedFileSource::RotationCode(std::string_view name) const {
  std::lock_guard guard(mapsLock_);
  const TCommand* entry = rotations_.Command(FoldCaseText(name));
  return entry && !entry->Items().empty() ? entry->Items().back().AsInt(0) : 0;
}

TRef<TStream> TMappedFileSource::Open(std::string_view name) { return OpenMapped(name, 0); }

TRef<TStream> TMappedFileSource::OpenMapped(std::string_view name, int depth) {
  if (const std::string* target = MappedTarget(name)) {
    if (depth >= kMaxMappingDepth) return nullptr;  // a loop or an endless chain
    std::string next = *target;
    return OpenMapped(next, depth + 1);
  }
  // "file|part" names a part inside a file: open the file.
  if (name.find('|') != std::string_view::npos) return OpenMapped(StripPartSuffix(name), depth + 1);
  return OpenUnmapped(name);
}

TRef<TStream> TMappedFileSource::OpenUnmapped(std::string_view name) {
  auto path = lookup_.Resolve(name);
  return path ? TFileStreamEx::Open(*path) : nullptr;
}

}  // namespace zol
