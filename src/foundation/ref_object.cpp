#include "foundation/ref_object.h"

#include <cxxabi.h>

#include <cstdlib>
#include <exception>
#include <memory>
#include <typeinfo>

#include "foundation/assertion.h"

namespace zol {

std::string TRefObject::ClassName() const {
  const char* mangled = typeid(*this).name();
  int status = 0;
  std::unique_ptr<char, void (*)(void*)> demangled(
      abi::__cxa_demangle(mangled, nullptr, nullptr, &status), std::free);
  std::string name = status == 0 && demangled ? demangled.get() : mangled;
  // Keep the bare class name: drop namespaces but not template arguments.
  size_t cut = 0, depth = 0;
  for (size_t i = 0; i < name.size(); ++i) {
    if (name[i] == '<') ++depth;
    if (name[i] == '>' && depth > 0) --depth;
    if (depth == 0 && name.compare(i, 2, "::") == 0) cut = i + 2;
  }
  return name.substr(cut);
}

void TRefObject::AfterConstruction() {
  if (RefCount() > 0)
    flags_.fetch_or(kConstructed);
  else
    ZOL_CHECK_FAILED("No Inherited Create call at " + ClassName());
}

void TRefObject::Dispose() { flags_.fetch_or(kDisposed); }

void TRefObject::ReleaseDisposed() {
  if (count_.fetch_sub(1, std::memory_order_acq_rel) - 1 == 0) delete this;
}

void TRefObject::Release() {
  if (count_.fetch_sub(1, std::memory_order_acq_rel) - 1 == 0) {
    count_.store(1, std::memory_order_relaxed);
    Free();
  }
}

void TRefObject::Free() {
  int32_t left = count_.fetch_sub(1, std::memory_order_acq_rel) - 1;
  if (left >= 1) return;
  if (left < 0 && (flags_.load() & kConstructed))
    ZOL_CHECK_FAILED("Dupliacte free or _release at " + ClassName());

  try {
    Dispose();
  } catch (...) {
    ReportAssertion("Unhandled Exception at \"" + ClassName() + "\" Disposing", __FILE__, __LINE__);
    // Give the memory back all the same: a failed clean-up should not also leak.
    if (count_.load() == 0) delete this;
    throw;
  }

  // A Dispose override that forgot its inherited call is reported; the memory
  // is still given back so that the mistake does not also leak.
  std::string missing;
  if (!(flags_.load() & kDisposed)) missing = "Error: inherited " + ClassName() + ".Dispose not called!";
  if (count_.load() == 0) delete this;
  if (!missing.empty()) ZOL_CHECK_FAILED(missing);
}

}  // namespace zol
