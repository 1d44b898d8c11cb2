// TMappedFileSource: the disk files of a project-file show, with the show's
// two maps: the file map (a name read as another file) and the rotation map
// (pictures that must be turned). The maps are filled when the show's locator
// is made and only read afterwards, from any thread.
#pragma once

#include <string>
#include <string_view>

#include "foundation/commands_storage.h"
#include "foundation/hash_list.h"
#include "package/file_source.h"
#include "package/show_file_lookup.h"

namespace zol {

class TIniFile;

class TMappedFileSource : public TFileSource {
 public:
  TMappedFileSource();

  TRef<TStream> Open(std::string_view name) override;

  // Reads the "FileMap" and "RotationState" sections of PROJECT.
  void LoadMaps(const TIniFile& project);
  void AddMapping(std::string_view name, std::string target);
  void AddRotation(std::string_view name, int code);

  // The first target mapped to NAME (any letter case), if any.
  const std::string* MappedTarget(std::string_view name) const;
  // The orientation code stored for NAME, 0 when none.
  int RotationCode(std::string_view name) const;

  TShowFileLookup& Lookup() { return lookup_; }

 protected:
  // Follows the file map: the target of NAME opened with OpenUnmapped.
  // Chains of mappings are followed a few steps; a longer one (or a loop)
  // counts as a missing file.
  TRef<TStream> OpenMapped(std::string_view name, int depth);
  virtual TRef<TStream> OpenUnmapped(std::string_view name);

 private:
  // THashList only hands out its items while it is not changed, which after
  // LoadMaps is always; its remembered look-up is not thread-safe, so
  // look-ups go through a lock.
  mutable std::mutex mapsLock_;
  mutable TCommandsStorage fileMap_;
  mutable TCommandsStorage rotations_;
  bool hasRotations_ = false;
  TShowFileLookup lookup_;
};

// One "FileMap" line: ";name=target", quotes allowed around either part and
// around an "=" that belongs to the name.
bool ParseFileMapping(std::string_view line, std::string& name, std::string& target);
// One "RotationState" line: ';"name"=code'.
bool ParseRotationEntry(std::string_view line, std::string& name, int& code);

}  // namespace zol
