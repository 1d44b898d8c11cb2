// Drawing cost of the screen layer's batcher against a minimal raw OpenGL
// loop: 2,000 textured quads per frame into a 1920 x 1080 target, headless.
// Both wait for the frame to finish (a one-pixel read) so the times are
// whole frames. Prints ms per frame for each and their ratio.
#include <benchmark/benchmark.h>
#include <epoxy/gl.h>

#include <cstdio>
#include <map>
#include <string>

#include "platform/egl_headless_context.h"
#include "platform/gl_context.h"
#include "render/color.h"
#include "render/gl/gl_engine.h"
#include "render/headless_draw_device.h"
#include "render/image_texture.h"
#include "render/screen_3d.h"
#include "render/surface_3d.h"

namespace zol {
namespace {

constexpr int kWidth = 1920, kHeight = 1080;
constexpr int kQuads = 2000, kColumns = 60, kSize = 32;

TRef<TPixelImage> Picture() {
  auto p = MakeRef<TPixelImage>(64, 64, TPixelFormat::kARGB32);
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x) p->SetPixel(x, y, PackColor(uint8_t(x * 4), uint8_t(y * 4), 128, 255));
  return p;
}

float QuadX(int i) {
  return float((i % kColumns) * kSize);
}
float QuadY(int i) {
  return float((i / kColumns) * kSize);
}

void BM_ScreenBatcher(benchmark::State& state) {
  InstallGLEngine();
  auto device = MakeRef<THeadlessDrawDevice>(kWidth, kHeight);
  auto screen = MakeRef<T3DScreen>();
  screen->Bind(device.get());
  if (!screen->Renderer()) {
    state.SkipWithError("no GL context");
    return;
  }
  auto texture = MakeRef<TImageTexture>(*screen, Picture());
  TCustomTexture* list[] = {texture.get()};
  const uint32_t white[4] = {kOpaqueWhite, kOpaqueWhite, kOpaqueWhite, kOpaqueWhite};
  const TRectF uv{0, 0, 64, 64};
  const TRect pixel{0, 0, 1, 1};
  for (auto _ : state) {
    screen->BeginScene();
    screen->ClearAll(kOpaqueBlack, false);
    for (int i = 0; i < kQuads; ++i)
      screen->DrawTexturedQuad(list, white, &uv, {kSize, 0, 0}, {0, kSize, 0}, {0, 0},
                               {QuadX(i), QuadY(i), 0}, 1);
    screen->EndScene(false);
    TRef<T3DSurface> back = screen->Renderer()->GetBackBuffer();
    TRef<TPixelImage> one = back->Lock(&pixel, true);
    benchmark::DoNotOptimize(one->GetPixel(0, 0));
    back->Unlock(one.get());
  }
  state.counters["ms_per_frame"] = benchmark::Counter(
      double(state.iterations()), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

GLuint Compile(GLenum stage, const char* source) {
  GLuint s = glCreateShader(stage);
  glShaderSource(s, 1, &source, nullptr);
  glCompileShader(s);
  return s;
}

void BM_RawGL(benchmark::State& state) {
  std::string error;
  auto context = platform::CreateHeadlessGLContext(error);
  if (!context || !context->MakeCurrent()) {
    state.SkipWithError(("no GL context: " + error).c_str());
    return;
  }
  GLuint target = 0, fbo = 0, texture = 0, vbo = 0, vao = 0;
  glGenTextures(1, &target);
  glBindTexture(GL_TEXTURE_2D, target);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, kWidth, kHeight, 0, GL_BGRA, GL_UNSIGNED_BYTE, nullptr);
  glGenFramebuffers(1, &fbo);
  glBindFramebuffer(GL_FRAMEBUFFER, fbo);
  glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, target, 0);
  TRef<TPixelImage> picture = Picture();
  glGenTextures(1, &texture);
  glBindTexture(GL_TEXTURE_2D, texture);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, 64, 64, 0, GL_BGRA, GL_UNSIGNED_BYTE, picture->ScanLine(0));
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
  // All quads in one vertex buffer: position and texture coordinate.
  std::vector<float> vertices;
  for (int i = 0; i < kQuads; ++i) {
    float x0 = QuadX(i) / kWidth * 2 - 1, x1 = (QuadX(i) + kSize) / kWidth * 2 - 1;
    float y0 = 1 - QuadY(i) / kHeight * 2, y1 = 1 - (QuadY(i) + kSize) / kHeight * 2;
    const float quad[6][4] = {{x0, y0, 0, 0}, {x1, y0, 1, 0}, {x0, y1, 0, 1},
                              {x1, y0, 1, 0}, {x1, y1, 1, 1}, {x0, y1, 0, 1}};
    for (const auto& v : quad) vertices.insert(vertices.end(), v, v + 4);
  }
  glGenVertexArrays(1, &vao);
  glBindVertexArray(vao);
  glGenBuffers(1, &vbo);
  glBindBuffer(GL_ARRAY_BUFFER, vbo);
  glBufferData(GL_ARRAY_BUFFER, GLsizeiptr(vertices.size() * sizeof(float)), vertices.data(), GL_STATIC_DRAW);
  glEnableVertexAttribArray(0);
  glVertexAttribPointer(0, 2, GL_FLOAT, GL_FALSE, 16, nullptr);
  glEnableVertexAttribArray(1);
  glVertexAttribPointer(1, 2, GL_FLOAT, GL_FALSE, 16, reinterpret_cast<const void*>(8));
  GLuint program = glCreateProgram();
  glAttachShader(program, Compile(GL_VERTEX_SHADER, R"(#version 330 core
layout(location = 0) in vec2 p; layout(location = 1) in vec2 t; out vec2 uv;
void main() { uv = t; gl_Position = vec4(p, 0.0, 1.0); })"));
  glAttachShader(program, Compile(GL_FRAGMENT_SHADER, R"(#version 330 core
uniform sampler2D s; in vec2 uv; out vec4 c; void main() { c = texture(s, uv); })"));
  glLinkProgram(program);
  glUseProgram(program);
  glViewport(0, 0, kWidth, kHeight);
  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  uint32_t pixel = 0;
  for (auto _ : state) {
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    glDrawArrays(GL_TRIANGLES, 0, kQuads * 6);
    glReadPixels(0, 0, 1, 1, GL_BGRA, GL_UNSIGNED_BYTE, &pixel);
    benchmark::DoNotOptimize(pixel);
  }
  state.counters["ms_per_frame"] = benchmark::Counter(
      double(state.iterations()), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
  context->ReleaseCurrent();
}

BENCHMARK(BM_ScreenBatcher)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);
BENCHMARK(BM_RawGL)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

// Collects each benchmark's time per frame to print the ratio at the end.
class TRatioReporter : public benchmark::ConsoleReporter {
 public:
  std::map<std::string, double> msPerFrame;
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs)
      if (run.run_type == Run::RT_Iteration && run.iterations > 0)
        msPerFrame[run.run_name.function_name] = run.real_accumulated_time * 1000.0 / double(run.iterations);
    ConsoleReporter::ReportRuns(runs);
  }
};

}  // namespace
}  // namespace zol

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  zol::TRatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  auto& ms = reporter.msPerFrame;
  if (ms.count("BM_ScreenBatcher") && ms.count("BM_RawGL")) {
    double batcher = ms["BM_ScreenBatcher"], raw = ms["BM_RawGL"];
    std::printf("batcher %.2f ms/frame, raw GL %.2f ms/frame, ratio %.3f (goal below 1.3)\n", batcher, raw,
                batcher / raw);
  }
  benchmark::Shutdown();
  return 0;
}
