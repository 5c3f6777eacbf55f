#include "render/render_draw.h"

#include <initializer_list>
#include <vector>

#include "vistrel_typelib.h"

namespace skelmora::app {

namespace {

using hosting::Variant;

consteval int32_t Gl(std::string_view name) {
  for (const auto& c : vistrel::kConstants)
    if (c.name == name) return c.value;
  throw "no such constant";
}
// The control's 16-bit enumeration arguments.
consteval int16_t Gs(std::string_view name) { return static_cast<int16_t>(Gl(name)); }

struct CallFailed {};

class Caller {
 public:
  explicit Caller(hosting::Dispatch& control) : control_(control) {}

  Variant operator()(hosting::DispId id, std::initializer_list<Variant> args = {}) {
    std::vector<Variant> list(args);
    Variant result;
    if (!hosting::succeeded(control_.invoke(id, hosting::InvokeKind::Method, list, &result)))
      throw CallFailed{};
    return result;
  }

 private:
  hosting::Dispatch& control_;
};

void DrawSide(Caller& call, int32_t renderer, int32_t steps, RenderControlPoints& p, bool mirror) {
  using vistrel::id;
  const float fSteps = static_cast<float>(steps);
  call(id("ogluNurbsProperty"), {renderer, Gl("GLU_DISPLAY_MODE"), static_cast<float>(Gl("GLU_FILL"))});
  call(id("ogluNurbsProperty"),
       {renderer, Gl("GLU_SAMPLING_METHOD"), static_cast<float>(Gl("GLU_DOMAIN_DISTANCE"))});
  call(id("ogluNurbsProperty"), {renderer, Gl("GLU_U_STEP"), fSteps});
  call(id("ogluNurbsProperty"), {renderer, Gl("GLU_V_STEP"), fSteps});
  call(id("ogluBeginSurface"), {renderer});
  auto& buffer = mirror ? p.mirror : p.hull;
  call(id("ogluNurbsSurface"),
       {renderer, static_cast<int16_t>(p.uKnotCount), Variant::byRef(p.uKnots.data(), p.uKnots.size()),
        static_cast<int16_t>(p.vKnotCount), Variant::byRef(p.vKnots.data(), p.vKnots.size()),
        static_cast<int16_t>(p.uStride), static_cast<int16_t>(p.vStride),
        Variant::byRef(buffer.data(), static_cast<size_t>(p.pointValues)),
        static_cast<int16_t>(p.uOrder), static_cast<int16_t>(p.vOrder), Gs("GL_MAP2_VERTEX_4")});
  call(id("ogluEndSurface"), {renderer});
}

}  // namespace

bool DrawRenderedHull(hosting::Dispatch& control, RenderViewState& view, int qualityIndex,
                      double aspect, RenderControlPoints& points) {
  using vistrel::id;
  Caller call(control);
  int32_t renderer = 0;
  try {
    view.QualitySteps = RenderQualitySteps(qualityIndex);
    // Components above 1 are clamped: a white background.
    call(id("oglClearColor"), {256.0f, 256.0f, 256.0f, 0.0f});
    call(id("oglMatrixMode"), {Gs("GL_PROJECTION")});
    call(id("oglLoadIdentity"));
    call(id("ogluPerspective"), {55.0, aspect, 0.1, 1500.0});
    call(id("oglEnable"), {Gs("GL_LIGHTING")});
    call(id("oglEnable"), {Gs("GL_LIGHT0")});
    call(id("oglEnable"), {Gs("GL_DEPTH_TEST")});
    call(id("oglEnable"), {Gs("GL_AUTO_NORMAL")});
    // The light is placed under an identity model view: it stays where it is
    // relative to the viewer as the hull turns.
    call(id("oglMatrixMode"), {Gs("GL_MODELVIEW")});
    call(id("oglLoadIdentity"));
    const auto& [lx, ly, lz] = view.LightPosition;
    call(id("oglLightv"), {Gs("GL_LIGHT0"), Gs("GL_POSITION"), static_cast<float>(lx),
                           static_cast<float>(ly), static_cast<float>(lz), 1.0f});
    call(id("oglLightModel"), {Gs("GL_LIGHT_MODEL_TWO_SIDE"), 1.0f});
    call(id("oglClear"), {int16_t(3)});

    call(id("oglLoadIdentity"));
    const auto& [tx, ty, tz] = view.ViewShift;
    const auto& [pitch, yaw, roll] = view.ViewAngles;
    call(id("oglTranslate"), {double(tx), double(ty), double(tz)});
    // The angles turn the hull about the middle of its length, not the bow,
    // so turning never carries it out of the window.
    const double pivot = points.valid ? double(points.pivotZ) : 0.0;
    call(id("oglTranslate"), {0.0, 0.0, pivot});
    call(id("oglRotate"), {static_cast<int16_t>(pitch), 1.0, 0.0, 0.0});
    call(id("oglRotate"), {static_cast<int16_t>(yaw), 0.0, 1.0, 0.0});
    call(id("oglRotate"), {static_cast<int16_t>(roll), 0.0, 0.0, 1.0});
    call(id("oglTranslate"), {0.0, 0.0, -pivot});

    const int16_t face = Gs("GL_FRONT_AND_BACK");
    const auto& [red, green, blue] = view.HullDiffuse;
    call(id("oglMaterialv"), {face, Gs("GL_AMBIENT"), 0.1f, 0.1f, 0.1f, 1.0f});
    call(id("oglMaterialv"), {face, Gs("GL_DIFFUSE"), red, green, blue, 1.0f});
    call(id("oglMaterialv"), {face, Gs("GL_SPECULAR"), 0.6f, 0.3f, 0.3f, 1.0f});
    call(id("oglMaterialv"), {face, Gs("GL_EMISSION"), 0.0f, 0.0f, 0.0f, 1.0f});
    call(id("oglMaterial"), {face, Gs("GL_SHININESS"), int16_t(77)});

    if (!points.valid) return true;
    for (bool mirror : {false, true}) {
      const Variant made = call(id("ogluNewNurbsRenderer"));
      const int32_t* handle = made.get<int32_t>();
      if (!handle || *handle == 0) return false;  // no renderer: nothing to draw with
      renderer = *handle;
      DrawSide(call, renderer, view.QualitySteps, points, mirror);
      const int32_t done = renderer;
      renderer = 0;
      call(id("ogluDeleteNurbsRenderer"), {done});
    }
    return true;
  } catch (...) {
    // The drawing ends quietly; only the renderer is put away.
    if (renderer) {
      std::vector<Variant> args{renderer};
      control.invoke(id("ogluDeleteNurbsRenderer"), hosting::InvokeKind::Method, args);
    }
    return false;
  }
}

}  // namespace skelmora::app
