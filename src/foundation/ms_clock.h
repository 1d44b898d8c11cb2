// The ms clock: monotonic milliseconds since a base taken at process start,
// as a signed 32-bit value. Readable from any thread.
#pragma once

#include <cstdint>

namespace zol {

int32_t MsClock();

// Takes a new base; done once at the start of the process.
void ResetMsClockBase();

}  // namespace zol
