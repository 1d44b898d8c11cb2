#include "render/gl/gl_shader_sources.h"

namespace zol {
namespace {

constexpr std::string_view kVersion = "#version 330 core\n";

constexpr std::string_view kVertexInputs = R"(
layout(location = 0) in vec3 a_position;
layout(location = 1) in vec4 a_diffuse;
layout(location = 2) in vec4 a_specular;
layout(location = 3) in vec3 a_normal;
layout(location = 4) in vec2 a_tex0;
layout(location = 5) in vec2 a_tex1;
layout(location = 6) in vec2 a_tex2;
layout(location = 7) in vec2 a_tex3;
layout(location = 8) in vec2 a_tex4;
layout(location = 9) in vec2 a_tex5;
layout(location = 10) in vec2 a_tex6;
layout(location = 11) in vec2 a_tex7;
)";

constexpr std::string_view kVaryings = R"(
VARY vec4 v_diffuse;
VARY vec4 v_specular;
VARY vec2 v_tex0;
VARY vec2 v_tex1;
VARY vec2 v_tex2;
VARY vec2 v_tex3;
VARY vec2 v_tex4;
VARY vec2 v_tex5;
VARY vec2 v_tex6;
VARY vec2 v_tex7;
)";

// The renderer's clip space is the one its callers compute for: y up, depth
// 0 .. w, pixel centres on whole coordinates. Targets are stored top row
// first, so y is mirrored; pixel centres move half a pixel right and down so
// that a texel lands exactly on a pixel when callers apply the offset of
// GetPixelCenter; depth is mapped to GL's -w .. w.
constexpr std::string_view kToTarget = R"(
uniform vec2 zol_pixelShift;
vec4 ZolToTarget(vec4 p) {
  p.x += p.w * zol_pixelShift.x;
  p.y -= p.w * zol_pixelShift.y;
  return vec4(p.x, -p.y, 2.0 * p.z - p.w, p.w);
}
)";

std::string Varyings(std::string_view qualifier) {
  std::string text(kVaryings);
  for (size_t at = text.find("VARY"); at != std::string::npos; at = text.find("VARY", at))
    text.replace(at, 4, qualifier);
  return text;
}

// A caller's body without its own "#version" line (the prelude brings one).
std::string_view WithoutVersion(std::string_view body) {
  size_t start = body.find_first_not_of(" \t\r\n");
  if (start != std::string_view::npos && body.substr(start, 8) == "#version") {
    size_t end = body.find('\n', start);
    return end == std::string_view::npos ? std::string_view() : body.substr(end + 1);
  }
  return body;
}

}  // namespace

std::string BuiltinVertexShaderSource() {
  std::string s(kVersion);
  s += kVertexInputs;
  s += Varyings("out");
  s += kToTarget;
  s += R"(
uniform mat4 zol_transform;  // world * view * projection, for row vectors
void main() {
  gl_Position = ZolToTarget(zol_transform * vec4(a_position, 1.0));
  v_diffuse = a_diffuse;
  v_specular = a_specular;
  v_tex0 = a_tex0; v_tex1 = a_tex1; v_tex2 = a_tex2; v_tex3 = a_tex3;
  v_tex4 = a_tex4; v_tex5 = a_tex5; v_tex6 = a_tex6; v_tex7 = a_tex7;
}
)";
  return s;
}

std::string BuiltinFragmentShaderSource(int stages, bool modulateColor, const int* alphaModes) {
  std::string s(kVersion);
  s += Varyings("in");
  for (int i = 0; i < stages; ++i) s += "uniform sampler2D zol_tex" + std::to_string(i) + ";\n";
  s += "out vec4 o_color;\nvoid main() {\n  vec4 c = v_diffuse;\n  vec4 t;\n";
  // Each stage combines its texture with the result of the stages before it
  // (the vertex colour for the first).
  for (int i = 0; i < stages; ++i) {
    std::string n = std::to_string(i);
    s += "  t = texture(zol_tex" + n + ", v_tex" + n + ");\n";
    std::string rgb = modulateColor ? "t.rgb * c.rgb" : "t.rgb";
    std::string a = alphaModes[i] == 0 ? "t.a" : (alphaModes[i] == 1 ? "t.a * c.a" : "c.a");
    s += "  c = vec4(" + rgb + ", " + a + ");\n";
  }
  s += "  o_color = c;\n}\n";
  return s;
}

std::string CallerFragmentShaderSource(std::string_view body) {
  std::string s(kVersion);
  s += Varyings("in");
  s += "uniform vec4 c[" + std::to_string(kPixelConstantRegisters) + "];\n#line 1\n";
  s += WithoutVersion(body);
  return s;
}

std::string CallerVertexShaderSource(std::string_view body) {
  std::string s(kVersion);
  s += kVertexInputs;
  s += Varyings("out");
  s += kToTarget;
  s += "uniform vec4 vc[" + std::to_string(kVertexConstantRegisters) + "];\n";
  // The caller's main runs first; its position is then put into target space.
  s += "#define main zol_caller_main\n#line 1\n";
  s += WithoutVersion(body);
  s += "\n#undef main\nvoid main() {\n  zol_caller_main();\n  gl_Position = ZolToTarget(gl_Position);\n}\n";
  return s;
}

}  // namespace zol
