// TPackedFileSource: the stored files of one package, which it owns, with the
// show's file and rotation maps. Any thread may open files: each gets its own
// handle on the host file.
#pragma once

#include "package/mapped_file_source.h"
#include "package/zol_unpack.h"

namespace zol {

class TPackedFileSource : public TMappedFileSource {
 public:
  explicit TPackedFileSource(TRef<TZolUnpack> package);

  TZolUnpack& Package() { return *package_; }

 protected:
  TRef<TStream> OpenUnmapped(std::string_view name) override;
  void Dispose() override;

 private:
  TRef<TZolUnpack> package_;
};

}  // namespace zol
