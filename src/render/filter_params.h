// TFilterParams: the empty base of the parameter objects transitions hand to
// the drawer. Reference-counted like everything else.
#pragma once

#include "foundation/ref.h"

namespace zol {

class TFilterParams : public TRefObject {};

}  // namespace zol
