#include "package/inflator.h"

#include <zlib.h>

#include <vector>

#include "package/z_decompression_error.h"

namespace zol {
namespace {

constexpr size_t kBufferSize = 32768;

struct CallbackState {
  TStream* input;
  TStream* output;
  const TInflator::ProgressRoutine* progress;
  std::vector<unsigned char> inputBuffer;
};

unsigned ReadInput(void* context, z_const unsigned char** next) {
  auto* state = static_cast<CallbackState*>(context);
  size_t got = state->input->Read(state->inputBuffer.data(), state->inputBuffer.size());
  if (*state->progress) (*state->progress)();
  *next = state->inputBuffer.data();
  return unsigned(got);
}

int WriteOutput(void* context, unsigned char* data, unsigned count) {
  auto* state = static_cast<CallbackState*>(context);
  // A non-zero answer tells zlib the output failed.
  return state->output->Write(data, count) == count ? 0 : 1;
}

}  // namespace

void TInflator::Inflate(TStream& input, TStream& output) {
  CallbackState state{&input, &output, &progress_, std::vector<unsigned char>(kBufferSize)};
  std::vector<unsigned char> window(kBufferSize);
  z_stream zs{};
  int rc = inflateBackInit(&zs, 15, window.data());
  if (rc != Z_OK) RaiseZlibError(rc);
  rc = inflateBack(&zs, ReadInput, &state, WriteOutput, &state);
  inflateBackEnd(&zs);
  if (rc != Z_OK && rc != Z_STREAM_END) RaiseZlibError(rc);
}

}  // namespace zol
