// GLSL sources of the back end: the built-in vertex shader (transforms and
// the pixel-centre rule) and fragment shader (the texture-stage combine), and
// the preludes that turn a caller's shader body into a complete shader with
// the same inputs. Pure functions.
//
// Caller shaders (GLSL 3.30 core, any "#version" line is replaced):
//  - fragment: may read v_diffuse, v_specular (vec4) and v_tex0 ... v_tex7
//    (vec2), the constant registers c[0 .. 31] (vec4), and declares its own
//    samplers s0 ... s15 of any type (bound to stages 0 ... 15); it writes
//    one vec4 output.
//  - vertex: may read a_position (vec3), a_diffuse, a_specular (vec4),
//    a_normal (vec3), a_tex0 ... a_tex7 (vec2) and vc[0 .. 127] (vec4); it
//    writes gl_Position in the renderer's clip space and the v_ outputs.
#pragma once

#include <string>
#include <string_view>

namespace zol {

constexpr int kPixelConstantRegisters = 32;
constexpr int kVertexConstantRegisters = 128;
constexpr int kMaxSamplerStages = 16;

std::string BuiltinVertexShaderSource();
// The texture-stage combine for one configuration: STAGES textures (0-8),
// colour modulated by the result so far when MODULATECOLOR, and per stage
// the alpha source ALPHAMODES[i]: 0 texture alpha, 1 texture x current
// alpha, 2 current alpha alone. Each configuration is its own small shader:
// uniform branches cost a software rasteriser dearly.
std::string BuiltinFragmentShaderSource(int stages, bool modulateColor, const int* alphaModes);
std::string CallerFragmentShaderSource(std::string_view body);
std::string CallerVertexShaderSource(std::string_view body);

}  // namespace zol
