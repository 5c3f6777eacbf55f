// The realistic window's Draw event through a recording stand-in for the
// control: every call by dispatch id, in order, with its arguments, and
// what happens when a call fails part way.
#include <QtTest>

#include <array>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "core/surface/test_nets.h"
#include "render/render_draw.h"
#include "render/render_view.h"
#include "vistrel_typelib.h"

using namespace skelmora;
using namespace skelmora::app;
using hosting::Variant;

namespace {

// One call as the control received it; by-reference arrays are copied.
struct Call {
  std::string name;
  std::vector<double> numbers;
  std::vector<Variant::Kind> kinds;
  std::vector<std::vector<float>> arrays;
};

class RecordingControl : public hosting::Dispatch {
 public:
  std::vector<Call> calls;
  std::function<bool(const Call&)> failWhen;  // answers hr::fail for this call
  int renderersMade = 0;
  int renderersDeleted = 0;
  bool noRenderer = false;  // GLU could not make one: the handle is 0

  hosting::HResult invoke(hosting::DispId id, hosting::InvokeKind, std::span<Variant> args,
                          Variant* result, hosting::ExceptionInfo*) override {
    const hosting::MemberInfo* member = vistrel::kTypeLibrary.findMember(id);
    if (!member) return hosting::hr::memberNotFound;
    Call call{std::string(member->name), {}, {}, {}};
    for (Variant& a : args) {
      call.kinds.push_back(a.kind());
      if (auto* v = a.get<int16_t>()) call.numbers.push_back(*v);
      else if (auto* v = a.get<int32_t>()) call.numbers.push_back(*v);
      else if (auto* v = a.get<float>()) call.numbers.push_back(*v);
      else if (auto* v = a.get<double>()) call.numbers.push_back(*v);
      else if (auto* r = a.get<hosting::ArrayRef<float>>()) {
        call.arrays.emplace_back(r->data, r->data + r->count);
        call.numbers.push_back(static_cast<double>(r->count));
      }
    }
    calls.push_back(call);
    if (failWhen && failWhen(call)) return hosting::hr::fail;
    if (call.name == "ogluNewNurbsRenderer") {
      ++renderersMade;
      if (result) *result = Variant(int32_t(noRenderer ? 0 : 700 + renderersMade));
    }
    if (call.name == "ogluDeleteNurbsRenderer") ++renderersDeleted;
    return hosting::hr::ok;
  }
  hosting::DispId idOfName(std::string_view name) const override {
    const auto* m = vistrel::kTypeLibrary.findMember(name);
    return m ? m->id : hosting::kDispIdUnknown;
  }
  const hosting::TypeLibrary& typeInfo() const override { return vistrel::kTypeLibrary; }
};

struct Expected {
  const char* name;
  std::vector<double> numbers;
};

// The argument kinds each call must carry: exactly the interface's.
bool KindsMatch(const Call& call) {
  using K = hosting::ArgKind;
  using V = Variant::Kind;
  const auto* m = vistrel::kTypeLibrary.findMember(call.name);
  if (!m || m->argc != call.kinds.size()) return false;
  for (size_t i = 0; i < call.kinds.size(); ++i) {
    const K want = m->args[i];
    const V got = call.kinds[i];
    const bool ok = (want == K::I2 && got == V::I2) || (want == K::I4 && got == V::I4) ||
                    (want == K::R4 && got == V::R4) || (want == K::R8 && got == V::R8) ||
                    (want == K::R4Ref && got == V::R4Ref);
    if (!ok) return false;
  }
  return true;
}

}  // namespace

class RenderDrawTest : public QObject {
  Q_OBJECT

 private slots:
  void drawSendsTheFixedSequence();
  void aFailedCallEndsTheDrawingAndPutsTheRendererAway();
  void withoutAHullOnlyTheBackgroundIsDrawn();
  void turningKeepsTheMiddleOfTheHullInPlace();
};

void RenderDrawTest::drawSendsTheFixedSequence() {
  nets::Hull hull = nets::MakeHull(6, 4, 3, 2, [](double s, double t) {
    Vertex v = nets::BoatVertex(s, t);
    v.w = 2.0f;  // drawn unweighted all the same
    return v;
  });
  auto points = std::make_unique<RenderControlPoints>();
  BuildRenderControlPoints(hull.s(), *points);
  QVERIFY(points->valid);
  RenderViewState view;
  ResetRenderView(view, 30, 60, 90);
  view.ViewShift = {-30, -40, -220};
  view.ViewAngles = {25, -15, 5};
  view.LightPosition = {0, 100, 170};

  RecordingControl control;
  QVERIFY(DrawRenderedHull(control, view, 2, 1.5, *points));
  QCOMPARE(view.QualitySteps, 75);

  const double uKnots = points->uKnotCount, vKnots = points->vKnotCount;
  const double stride = points->uStride, values = points->pointValues;
  auto side = [&](double handle) {
    return std::vector<Expected>{
        {"ogluNewNurbsRenderer", {}},
        {"ogluNurbsProperty", {handle, 100204, 100012}},  // display mode: fill
        {"ogluNurbsProperty", {handle, 100205, 100217}},  // sampling: domain distance
        {"ogluNurbsProperty", {handle, 100206, 75}},
        {"ogluNurbsProperty", {handle, 100207, 75}},
        {"ogluBeginSurface", {handle}},
        {"ogluNurbsSurface",
         {handle, uKnots, double(points->uKnots.size()), vKnots, double(points->vKnots.size()),
          stride, 4, values, 4, 3, 0x0DB8}},
        {"ogluEndSurface", {handle}},
        {"ogluDeleteNurbsRenderer", {handle}},
    };
  };
  std::vector<Expected> expected{
      {"oglClearColor", {256, 256, 256, 0}},
      {"oglMatrixMode", {0x1701}},
      {"oglLoadIdentity", {}},
      {"ogluPerspective", {55, 1.5, 0.1, 1500}},
      {"oglEnable", {0x0B50}},  // lighting
      {"oglEnable", {0x4000}},  // light 0
      {"oglEnable", {0x0B71}},  // depth test
      {"oglEnable", {0x0D80}},  // automatic normals
      {"oglMatrixMode", {0x1700}},
      {"oglLoadIdentity", {}},
      {"oglLightv", {0x4000, 0x1203, 0, 100, 170, 1}},
      {"oglLightModel", {0x0B52, 1}},
      {"oglClear", {3}},
      {"oglLoadIdentity", {}},
      {"oglTranslate", {-30, -40, -220}},
      {"oglTranslate", {0, 0, points->pivotZ}},
      {"oglRotate", {25, 1, 0, 0}},
      {"oglRotate", {-15, 0, 1, 0}},
      {"oglRotate", {5, 0, 0, 1}},
      {"oglTranslate", {0, 0, -points->pivotZ}},
      {"oglMaterialv", {0x0408, 0x1200, 0.1f, 0.1f, 0.1f, 1}},
      {"oglMaterialv", {0x0408, 0x1201, 0.3f, 0.6f, 0.9f, 1}},
      {"oglMaterialv", {0x0408, 0x1202, 0.6f, 0.3f, 0.3f, 1}},
      {"oglMaterialv", {0x0408, 0x1600, 0, 0, 0, 1}},
      {"oglMaterial", {0x0408, 0x1601, 77}},
  };
  for (double handle : {701.0, 702.0}) {
    const auto s = side(handle);
    expected.insert(expected.end(), s.begin(), s.end());
  }
  QCOMPARE(control.calls.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    const Call& call = control.calls[i];
    QCOMPARE(call.name, std::string(expected[i].name));
    QVERIFY2(KindsMatch(call), call.name.c_str());
    QCOMPARE(call.numbers.size(), expected[i].numbers.size());
    for (size_t k = 0; k < call.numbers.size(); ++k) {
      QVERIFY2(std::abs(call.numbers[k] - expected[i].numbers[k]) < 1e-6,
               qPrintable(QStringLiteral("%1 argument %2: %3")
                              .arg(QString::fromStdString(call.name))
                              .arg(k)
                              .arg(call.numbers[k])));
    }
  }
  // The surfaces' arrays: the knots, then the stored side and the mirror, w = 1.
  const Call& first = control.calls[25 + 6];
  const Call& second = control.calls[25 + 9 + 6];
  QCOMPARE(first.arrays.size(), size_t(3));
  for (int i = 0; i < points->uKnotCount; ++i) QCOMPARE(first.arrays[0][i], hull.s().knots.u[i]);
  for (int i = 0; i < points->vKnotCount; ++i) QCOMPARE(first.arrays[1][i], hull.s().knots.v[i]);
  const std::vector<float>& stored = first.arrays[2];
  const std::vector<float>& mirror = second.arrays[2];
  QCOMPARE(stored.size(), size_t(points->pointValues));
  for (size_t k = 3; k < stored.size(); k += 4) {
    QCOMPARE(stored[k], 1.0f);
    QCOMPARE(mirror[k], 1.0f);
  }
  QCOMPARE(mirror[0], -stored[stored.size() - 4]);
  QCOMPARE(control.renderersMade, 2);
  QCOMPARE(control.renderersDeleted, 2);
}

void RenderDrawTest::aFailedCallEndsTheDrawingAndPutsTheRendererAway() {
  nets::Hull hull = nets::MakeHull(4, 4, 2, 2, nets::BoatVertex);
  auto points = std::make_unique<RenderControlPoints>();
  BuildRenderControlPoints(hull.s(), *points);
  RenderViewState view;

  // Failing on the first surface: nothing after it but the renderer's deletion.
  RecordingControl control;
  control.failWhen = [](const Call& c) { return c.name == "ogluNurbsSurface"; };
  QVERIFY(!DrawRenderedHull(control, view, 0, 1.0, *points));
  QCOMPARE(control.calls[control.calls.size() - 2].name, std::string("ogluNurbsSurface"));
  QCOMPARE(control.calls.back().name, std::string("ogluDeleteNurbsRenderer"));
  QCOMPARE(control.calls.back().numbers, std::vector<double>{701});
  QCOMPARE(control.renderersMade, 1);

  // Failing before any renderer exists: the drawing just stops.
  RecordingControl early;
  early.failWhen = [](const Call& c) { return c.name == "oglClear"; };
  QVERIFY(!DrawRenderedHull(early, view, 0, 1.0, *points));
  QCOMPARE(early.calls.back().name, std::string("oglClear"));
  QCOMPARE(early.renderersMade, 0);

  // No renderer to be had: nothing is sent to a handle of 0.
  RecordingControl none;
  none.noRenderer = true;
  QVERIFY(!DrawRenderedHull(none, view, 0, 1.0, *points));
  QCOMPARE(none.calls.back().name, std::string("ogluNewNurbsRenderer"));
}

void RenderDrawTest::withoutAHullOnlyTheBackgroundIsDrawn() {
  auto points = std::make_unique<RenderControlPoints>();  // never built: invalid
  RenderViewState view;
  RecordingControl control;
  QVERIFY(DrawRenderedHull(control, view, 1, 1.0, *points));
  QCOMPARE(view.QualitySteps, 20);
  QCOMPARE(control.calls.back().name, std::string("oglMaterial"));
  QCOMPARE(control.renderersMade, 0);
}

namespace {

// The model-view matrix the recorded translations and rotations build, as
// OpenGL composes them (each call multiplies on the right), applied to p.
std::array<double, 3> EyePoint(const std::vector<Call>& calls, std::array<double, 3> p) {
  // Walk the calls backwards: the last one acts on the point first.
  size_t start = 0;
  for (size_t i = 0; i < calls.size(); ++i) {
    if (calls[i].name == "oglLoadIdentity") start = i + 1;
    if (calls[i].name == "oglMaterialv") break;
  }
  size_t end = start;
  while (end < calls.size() && calls[end].name != "oglMaterialv") ++end;
  for (size_t i = end; i-- > start;) {
    const std::vector<double>& n = calls[i].numbers;
    if (calls[i].name == "oglTranslate") {
      for (int k = 0; k < 3; ++k) p[k] += n[k];
    } else if (calls[i].name == "oglRotate") {
      const double a = n[0] * M_PI / 180.0, c = std::cos(a), s = std::sin(a);
      const double x = p[0], y = p[1], z = p[2];
      if (n[1] == 1) p = {x, c * y - s * z, s * y + c * z};
      if (n[2] == 1) p = {c * x + s * z, y, -s * x + c * z};
      if (n[3] == 1) p = {c * x - s * y, s * x + c * y, z};
    }
  }
  return p;
}

}  // namespace

// The angles turn the hull about the middle of its length: that point stays
// where the view shift puts it while the bow swings round it.
void RenderDrawTest::turningKeepsTheMiddleOfTheHullInPlace() {
  nets::Hull hull = nets::MakeHull(6, 4, 3, 2, nets::BoatVertex);
  auto points = std::make_unique<RenderControlPoints>();
  BuildRenderControlPoints(hull.s(), *points);
  QVERIFY(points->valid);
  const Surface& surface = hull.s();
  const double middleY = 0.5 * (surface.extents.smallestY + surface.extents.hullLength);
  QVERIFY(std::abs(points->pivotZ + points->scale * middleY) < 1e-3);

  RenderViewState view;
  ResetRenderView(view, 80, 80, 80);
  const std::array<double, 3> middle{0.0, 0.0, points->pivotZ};
  const std::array<double, 3> bow{0.0, 0.0, -points->scale * surface.extents.smallestY};
  std::array<double, 3> firstBow{};
  for (int yaw : {-20, 25, 70}) {
    view.ViewAngles = {20, yaw, 5};
    RecordingControl control;
    QVERIFY(DrawRenderedHull(control, view, 0, 1.0, *points));
    const auto m = EyePoint(control.calls, middle);
    QVERIFY(std::abs(m[0] - view.ViewShift[0]) < 1e-3);
    QVERIFY(std::abs(m[1] - view.ViewShift[1]) < 1e-3);
    QVERIFY(std::abs(m[2] - (view.ViewShift[2] + points->pivotZ)) < 1e-3);
    const auto b = EyePoint(control.calls, bow);
    if (yaw == -20) firstBow = b;
    else QVERIFY(std::abs(b[0] - firstBow[0]) > 10.0);
  }
  // The defaults are unchanged.
  QCOMPARE(view.ViewShift, (std::array<int32_t, 3>{-20, -50, -180}));
}

QTEST_GUILESS_MAIN(RenderDrawTest)
#include "render_draw_test.moc"
