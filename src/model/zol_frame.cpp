#include "model/zol_frame.h"

#include <vector>

#include "foundation/ini_value.h"

namespace zol {

void TZolFrame::ReadParams(TZolObjectProps& node) {
  std::vector<std::string> size =
      node.Source() ? AsList(node.Source()->Find("Size")) : std::vector<std::string>();
  auto part = [&size](size_t i) { return i < size.size() ? float(TextToReal(size[i]).value_or(0)) : 0.0f; };
  SetContentSize({part(0), part(1)});
  TZolObject::ReadParams(node);
}

}  // namespace zol
