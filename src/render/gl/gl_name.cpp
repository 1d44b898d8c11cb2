#include "render/gl/gl_name.h"

#include <epoxy/gl.h>

namespace zol {

TGLName GenTexture() {
  GLuint n = 0;
  glGenTextures(1, &n);
  return {n, [](unsigned int v) { glDeleteTextures(1, &v); }};
}

TGLName GenBuffer() {
  GLuint n = 0;
  glGenBuffers(1, &n);
  return {n, [](unsigned int v) { glDeleteBuffers(1, &v); }};
}

TGLName GenVertexArray() {
  GLuint n = 0;
  glGenVertexArrays(1, &n);
  return {n, [](unsigned int v) { glDeleteVertexArrays(1, &v); }};
}

TGLName GenFramebuffer() {
  GLuint n = 0;
  glGenFramebuffers(1, &n);
  return {n, [](unsigned int v) { glDeleteFramebuffers(1, &v); }};
}

TGLName GenSampler() {
  GLuint n = 0;
  glGenSamplers(1, &n);
  return {n, [](unsigned int v) { glDeleteSamplers(1, &v); }};
}

TGLName CreateGLShader(unsigned int stage) {
  return {glCreateShader(stage), [](unsigned int v) { glDeleteShader(v); }};
}

TGLName CreateGLProgram() {
  return {glCreateProgram(), [](unsigned int v) { glDeleteProgram(v); }};
}

}  // namespace zol
