#include <gtest/gtest.h>

#include "foundation/ref.h"

namespace zol {
namespace {
class TProbe : public TRefObject {};
TEST(RefObject, Smoke) {
  auto p = MakeRef<TProbe>();
  EXPECT_EQ(p->RefCount(), 1);
}
}  // namespace
}  // namespace zol
