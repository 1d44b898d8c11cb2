// TGLPipeline: the per-context helpers of the back end: the built-in shaders,
// linked programs for every vertex/fragment pair in use, one sampler object
// per stage and two scratch framebuffers for copies. Owned by the device
// holder; used under the device lock with its context current.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <utility>

#include "render/gl/gl_name.h"
#include "render/gl/gl_shader_sources.h"

namespace zol {

// A linked program and the locations of the uniforms the renderer feeds.
struct TGLProgram {
  TGLName program;
  int transform = -1;
  int pixelShift = -1;
  int pixelConstants = -1;
  int vertexConstants = -1;
};

// Which built-in texture-stage combine a draw needs (see
// BuiltinFragmentShaderSource).
struct TStageCombine {
  int stages = 0;
  bool modulateColor = false;
  int alphaModes[8] = {};
  uint32_t Key() const;
};

class TGLPipeline {
 public:
  // Compiles the built-in shaders and makes the samplers; false with ERROR.
  bool Init(std::string& error);
  // The program for a vertex and a fragment shader name (0: the built-in
  // vertex stage, or the built-in combine COMBINE); none when compiling or
  // linking failed (the log says why).
  const TGLProgram* ProgramFor(unsigned int vertexShader, unsigned int fragmentShader,
                               const TStageCombine& combine);
  // Drops the programs that use SHADER (before it is deleted).
  void ForgetShader(unsigned int shader, bool contextUsable);
  unsigned int Sampler(int stage) const { return samplers_[stage].Get(); }
  unsigned int ScratchReadFramebuffer() const { return scratchRead_.Get(); }
  unsigned int ScratchDrawFramebuffer() const { return scratchDraw_.Get(); }
  void Release(bool contextUsable);

 private:
  unsigned int BuiltinFragment(const TStageCombine& combine);

  TGLName builtinVertex_;
  std::map<uint32_t, TGLName> builtinFragments_;
  std::map<std::pair<unsigned int, unsigned int>, std::unique_ptr<TGLProgram>> programs_;
  TGLName samplers_[kMaxSamplerStages];
  TGLName scratchRead_;
  TGLName scratchDraw_;
};

// Compiles SOURCE for STAGE (a GL shader stage); false with LOG filled.
bool CompileGLShader(unsigned int stage, const std::string& source, TGLName& shader, std::string& log);

}  // namespace zol
