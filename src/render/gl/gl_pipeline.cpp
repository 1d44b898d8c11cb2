#include "render/gl/gl_pipeline.h"

#include <epoxy/gl.h>

#include "foundation/log.h"

namespace zol {

bool CompileGLShader(unsigned int stage, const std::string& source, TGLName& shader, std::string& log) {
  shader = CreateGLShader(stage);
  const char* text = source.c_str();
  glShaderSource(shader.Get(), 1, &text, nullptr);
  glCompileShader(shader.Get());
  GLint ok = 0;
  glGetShaderiv(shader.Get(), GL_COMPILE_STATUS, &ok);
  if (ok) return true;
  GLint length = 0;
  glGetShaderiv(shader.Get(), GL_INFO_LOG_LENGTH, &length);
  log.assign(size_t(std::max(length, 1)), '\0');
  glGetShaderInfoLog(shader.Get(), length, nullptr, log.data());
  shader.Reset();
  return false;
}

uint32_t TStageCombine::Key() const {
  uint32_t key = uint32_t(stages) | (modulateColor ? 16u : 0u);
  for (int i = 0; i < stages; ++i) key |= uint32_t(alphaModes[i] & 3) << (5 + 2 * i);
  return key;
}

bool TGLPipeline::Init(std::string& error) {
  std::string log;
  if (!CompileGLShader(GL_VERTEX_SHADER, BuiltinVertexShaderSource(), builtinVertex_, log) ||
      !BuiltinFragment(TStageCombine{})) {
    error = "built-in shader: " + log;
    return false;
  }
  for (int i = 0; i < kMaxSamplerStages; ++i) {
    samplers_[i] = GenSampler();
    glBindSampler(GLuint(i), samplers_[i].Get());
  }
  scratchRead_ = GenFramebuffer();
  scratchDraw_ = GenFramebuffer();
  return true;
}

unsigned int TGLPipeline::BuiltinFragment(const TStageCombine& combine) {
  uint32_t key = combine.Key();
  if (auto it = builtinFragments_.find(key); it != builtinFragments_.end()) return it->second.Get();
  TGLName shader;
  std::string log;
  std::string source = BuiltinFragmentShaderSource(combine.stages, combine.modulateColor, combine.alphaModes);
  if (!CompileGLShader(GL_FRAGMENT_SHADER, source, shader, log)) {
    LogText("Built-in shader compile failed: " + log);
    return 0;
  }
  unsigned int name = shader.Get();
  builtinFragments_.emplace(key, std::move(shader));
  return name;
}

const TGLProgram* TGLPipeline::ProgramFor(unsigned int vertexShader, unsigned int fragmentShader,
                                          const TStageCombine& combine) {
  if (!fragmentShader && !(fragmentShader = BuiltinFragment(combine))) return nullptr;
  auto key = std::make_pair(vertexShader, fragmentShader);
  if (auto it = programs_.find(key); it != programs_.end()) return it->second.get();

  auto p = std::make_unique<TGLProgram>();
  p->program = CreateGLProgram();
  GLuint program = p->program.Get();
  glAttachShader(program, vertexShader ? vertexShader : builtinVertex_.Get());
  glAttachShader(program, fragmentShader);
  glLinkProgram(program);
  GLint ok = 0;
  glGetProgramiv(program, GL_LINK_STATUS, &ok);
  if (!ok) {
    char log[1024] = {};
    glGetProgramInfoLog(program, sizeof log, nullptr, log);
    LogText(std::string("Shader link failed: ") + log);
    p->program.Reset();
    return nullptr;
  }
  p->transform = glGetUniformLocation(program, "zol_transform");
  p->pixelShift = glGetUniformLocation(program, "zol_pixelShift");
  p->pixelConstants = glGetUniformLocation(program, "c");
  p->vertexConstants = glGetUniformLocation(program, "vc");

  // Samplers are bound to their stages once: built-in ones zol_texN, the
  // caller's sN.
  glUseProgram(program);
  for (int i = 0; i < kMaxSamplerStages; ++i) {
    std::string n = std::to_string(i);
    if (int loc = glGetUniformLocation(program, ("zol_tex" + n).c_str()); loc >= 0) glUniform1i(loc, i);
    if (int loc = glGetUniformLocation(program, ("s" + n).c_str()); loc >= 0) glUniform1i(loc, i);
  }
  const TGLProgram* result = p.get();
  programs_.emplace(key, std::move(p));
  return result;
}

void TGLPipeline::ForgetShader(unsigned int shader, bool contextUsable) {
  for (auto it = programs_.begin(); it != programs_.end();) {
    if (it->first.first == shader || it->first.second == shader) {
      it->second->program.Release(contextUsable);
      it = programs_.erase(it);
    } else {
      ++it;
    }
  }
}

void TGLPipeline::Release(bool contextUsable) {
  for (auto& [key, program] : programs_) program->program.Release(contextUsable);
  programs_.clear();
  builtinVertex_.Release(contextUsable);
  for (auto& [key, shader] : builtinFragments_) shader.Release(contextUsable);
  builtinFragments_.clear();
  for (auto& s : samplers_) s.Release(contextUsable);
  scratchRead_.Release(contextUsable);
  scratchDraw_.Release(contextUsable);
}

}  // namespace zol
