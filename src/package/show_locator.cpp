#include "package/show_locator.h"

#include "foundation/ini_value.h"
#include "package/colour_selection.h"
#include "package/disk_path.h"
#include "package/exe_alias.h"
#include "package/packed_file_source.h"
#include "package/path_modifiers.h"

namespace zol {

TZolShowLocator::TZolShowLocator(TRef<TFileAccessor> accessor, std::string projectFileName)
    : accessor_(std::move(accessor)), projectFileName_(std::move(projectFileName)) {
  if (TRef<TStream> stream = accessor_->OpenStream(projectFileName_)) {
    auto project = MakeRef<TIniFile>();
    if (project->Load(*stream)) project_ = std::move(project);
  }
  if (!project_) return;
  version_ = project_->ReadString("Main", "ZolVersion", "");
  if (auto* mapped = dynamic_cast<TMappedFileSource*>(&accessor_->Source())) mapped->LoadMaps(*project_);
}

void TZolShowLocator::Dispose() {
  settings_.reset();
  project_.reset();
  accessor_.reset();
  TRefObject::Dispose();
}

TRef<TZolShowLocator> OpenPackedShow(const std::string& path, std::string& error) {
  error.clear();
  if (IsExeAlias(path)) return OpenProjectShow(ExeAlias().projectPath);
  auto package = MakeRef<TZolUnpack>(path);
  if (!package->IsOpen()) {
    error = package->Error();
    return nullptr;
  }
  auto accessor = MakeRef<TFileAccessor>(MakeRef<TPackedFileSource>(std::move(package)));
  accessor->SetBaseFolder(FolderOf(ToDiskPath(path)));
  auto locator = MakeRef<TZolShowLocator>(std::move(accessor), "Project.zol");
  if (!locator->Project()) {
    error = "Executable SlideShow Open Error";
    return nullptr;
  }
  locator->SetPacked(true);
  SelectColourManagement(*locator);
  return locator;
}

namespace {

// A project's own list of path modifiers replaces the process's list.
void InstallProjectPathModifiers(const TIniFile& project) {
  const TIniSection* section = project.Section("PathModifiers");
  if (!section) return;
  TPathModifierList list;
  const int count = AsInt(section->Find("Count"), 0);
  for (int i = 0; i < count; ++i) {
    const std::string n = std::to_string(i);
    AddPathModifier(list, AsString(section->Find("Env" + n)), AsString(section->Find("Path" + n)),
                    AsBool(section->Find("Def" + n), false));
  }
  InstallPathModifiers(std::move(list));
}

}  // namespace

TRef<TZolShowLocator> OpenProjectShow(const std::string& path) {
  auto source = MakeRef<TMappedFileSource>();
  auto accessor = MakeRef<TFileAccessor>(source);
  auto locator = MakeRef<TZolShowLocator>(accessor, path);
  if (!locator->Project()) return nullptr;
  const TIniFile& project = *locator->Project();
  // The folder the show was made in, then the folder its project file is in now.
  std::string declared = project.ReadString("Main", "opt_exefn", "");
  accessor->SetBaseFolder(declared.empty() ? "" : FolderOf(declared));
  source->Lookup().folders = {accessor->BaseFolder(), FolderOf(ToDiskPath(path))};
  source->Lookup().authoringFolder = accessor->BaseFolder();
  InstallProjectPathModifiers(project);
  SelectColourManagement(*locator);
  return locator;
}

bool ReadPackageVersion(const std::string& path, std::string& version) {
  try {
    auto package = MakeRef<TZolUnpack>(path);
    if (!package->IsOpen()) return false;
    version = package->Version();
    return true;
  } catch (...) {
    return false;
  }
}

}  // namespace zol
