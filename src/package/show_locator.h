// TZolShowLocator: an open show: its project tree bound to the file accessor
// its files are read through, and the version it declares. Made and owned on
// the main thread; the tree and accessor are then read by the engine threads.
#pragma once

#include <string>

#include "foundation/ini_file.h"
#include "foundation/ref.h"
#include "package/file_accessor.h"

namespace zol {

class TZolShowLocator : public TRefObject {
 public:
  // Reads PROJECTFILENAME through ACCESSOR; when that fails Project() is null.
  TZolShowLocator(TRef<TFileAccessor> accessor, std::string projectFileName);

  TFileAccessor& Accessor() const { return *accessor_; }
  const TRef<TFileAccessor>& AccessorRef() const { return accessor_; }
  TIniFile* Project() const { return project_.get(); }
  const TRef<TIniFile>& ProjectRef() const { return project_; }
  const std::string& ProjectFileName() const { return projectFileName_; }
  const std::string& Version() const { return version_; }
  bool Packed() const { return packed_; }
  void SetPacked(bool packed) { packed_ = packed; }
  // The show settings, made on first request by the show model (which sits
  // above this layer) and kept with the locator.
  TRef<TRefObject>& SettingsSlot() { return settings_; }

 protected:
  void Dispose() override;

 private:
  TRef<TFileAccessor> accessor_;
  TRef<TIniFile> project_;
  TRef<TRefObject> settings_;
  std::string projectFileName_;
  std::string version_;
  bool packed_ = false;
};

// Opens the show packed in the program or package file PATH; on failure gives
// nothing and ERROR says why ("" when PATH simply holds no package).
TRef<TZolShowLocator> OpenPackedShow(const std::string& path, std::string& error);
// Opens the project file PATH with its media on disk; nothing on failure.
TRef<TZolShowLocator> OpenProjectShow(const std::string& path);
// The version of the package in PATH, without opening the show.
bool ReadPackageVersion(const std::string& path, std::string& version);

}  // namespace zol
