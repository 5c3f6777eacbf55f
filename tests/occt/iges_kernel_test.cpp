// IGES against a real CAD kernel (OpenCASCADE): a surface the kernel writes
// imports to the surface the kernel evaluates.
#include <gtest/gtest.h>

#include <BRepBuilderAPI_MakeFace.hxx>
#include <TopoDS_Face.hxx>
#include <Geom_BSplineSurface.hxx>
#include <BRep_Tool.hxx>
#include <Geom_Surface.hxx>
#include <IGESControl_Controller.hxx>
#include <IGESControl_Reader.hxx>
#include <TopExp_Explorer.hxx>
#include <TopoDS.hxx>
#include <IGESControl_Writer.hxx>
#include <Interface_Static.hxx>
#include <TColStd_Array1OfInteger.hxx>
#include <TColStd_Array1OfReal.hxx>
#include <TColStd_Array2OfReal.hxx>
#include <TColgp_Array2OfPnt.hxx>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <memory>
#include <string>

#include "core/files/file_test_support.h"
#include "exchange/iges_file.h"
#include "files/design_file.h"
#include "files/iges_import.h"
#include "model/shape_changed.h"

namespace skelmora {
namespace {

constexpr int kLastColumn = 6, kLastRow = 3, kDegreeU = 3, kDegreeV = 2;
constexpr double kMm = 25.4;

// Clamped uniform knots as distinct values and multiplicities.
void UniformKnots(int last, int degree, TColStd_Array1OfReal& knots, TColStd_Array1OfInteger& mults) {
  const int spans = last - degree + 1;
  for (int k = 0; k <= spans; ++k) {
    knots.SetValue(k + 1, static_cast<double>(k) / spans);
    mults.SetValue(k + 1, (k == 0 || k == spans) ? degree + 1 : 1);
  }
}

// A hull side in the program's axes (x half-breadth, y aft, z up), in
// millimetres (the kernel's own unit), 9.1 m long:
// columns bow to stern, rows keel to sheer, some weights off 1.
Handle(Geom_BSplineSurface) KernelHull() {
  TColgp_Array2OfPnt poles(1, kLastColumn + 1, 1, kLastRow + 1);
  TColStd_Array2OfReal weights(1, kLastColumn + 1, 1, kLastRow + 1);
  for (int i = 0; i <= kLastColumn; ++i) {
    const double s = static_cast<double>(i) / kLastColumn;
    for (int j = 0; j <= kLastRow; ++j) {
      const double t = static_cast<double>(j) / kLastRow;
      const double halfBeam = j == 0 ? 0.0 : 48.0 * std::sqrt(t) * (0.3 + 0.7 * std::sin(3.0 * s));
      poles.SetValue(i + 1, j + 1, gp_Pnt(kMm * halfBeam, kMm * 360.0 * s,
                                          kMm * (-24.0 + 60.0 * t + 8.0 * s * s)));
      weights.SetValue(i + 1, j + 1, (i % 2 == 1 && j > 0 && j < kLastRow) ? 1.25 : 1.0);
    }
  }
  TColStd_Array1OfReal uKnots(1, kLastColumn - kDegreeU + 2), vKnots(1, kLastRow - kDegreeV + 2);
  TColStd_Array1OfInteger uMults(1, kLastColumn - kDegreeU + 2), vMults(1, kLastRow - kDegreeV + 2);
  UniformKnots(kLastColumn, kDegreeU, uKnots, uMults);
  UniformKnots(kLastRow, kDegreeV, vKnots, vMults);
  return new Geom_BSplineSurface(poles, weights, uKnots, vKnots, uMults, vMults, kDegreeU, kDegreeV);
}

TEST(IgesKernel, ASurfaceTheKernelWritesImportsToTheSurfaceItEvaluates) {
  const Handle(Geom_BSplineSurface) hull = KernelHull();
  testing::TempDir dir;
  const std::string path = dir.File("kernel.igs");
  IGESControl_Controller::Init();
  IGESControl_Writer writer("MM", 0);  // faces: entity 144 over the 128
  const TopoDS_Face face = BRepBuilderAPI_MakeFace(hull, 1e-7).Face();
  ASSERT_TRUE(writer.AddShape(face));
  writer.ComputeModel();
  ASSERT_TRUE(writer.Write(path.c_str()));

  auto design = std::make_unique<HullDesign>();
  auto surface = std::make_unique<Surface>();
  testing::ScriptedPrompter prompter({false, false});  // no exchange; millimetres
  std::string message;
  ASSERT_TRUE(ImportIgesFile(*design, *surface, path, prompter, message)) << message;
  EXPECT_EQ(design->Units, kMillimetres);
  EXPECT_EQ(design->LastColumn, kLastColumn);
  EXPECT_EQ(design->LastRow, kLastRow);

  double worst = 0.0;
  for (int i = 0; i <= surface->columnDivisions; ++i) {
    for (int j = 0; j <= surface->rowDivisions; ++j) {
      const gp_Pnt p = hull->Value(static_cast<double>(i) / surface->columnDivisions,
                                   static_cast<double>(j) / surface->rowDivisions);
      const SurfacePoint& q = surface->grid[i][j];
      worst = std::max({worst, std::fabs(p.X() - q.x), std::fabs(p.Y() - q.y), std::fabs(p.Z() - q.z)});
    }
  }
  EXPECT_LT(worst, 1e-4 * kMm * 360.0);
}

TEST(IgesKernel, TheKernelReadsOurSurfaceAsTheOneWeEvaluate) {
  auto design = std::make_unique<HullDesign>();
  auto surface = std::make_unique<Surface>();
  std::string message;
  ASSERT_TRUE(ReadDesignFile(*design, *surface, std::string(SKELMORA_EXAMPLES_DIR) + "/runabout.s98",
                             message))
      << message;
  RebuildSurface(*design, *surface);
  testing::TempDir dir;
  const std::string path = dir.File("ours.igs");
  testing::WriteFileText(path, FormatIges(*design, *surface,
                                          IgesOptions{.mirror = false, .fileName = "ours.igs",
                                                      .timeStamp = "20261210.120000"}));

  IGESControl_Controller::Init();
  IGESControl_Reader reader;
  ASSERT_EQ(reader.ReadFile(path.c_str()), IFSelect_RetDone);
  ASSERT_GT(reader.TransferRoots(), 0);
  TopExp_Explorer faces(reader.OneShape(), TopAbs_FACE);
  ASSERT_TRUE(faces.More());
  const Handle(Geom_Surface) kernel = BRep_Tool::Surface(TopoDS::Face(faces.Current()));
  ASSERT_FALSE(kernel.IsNull());
  // The kernel keeps the file's unit unless told; compare in millimetres.
  const double toKernel = design->Units == kInches ? 25.4 : 1.0;
  double worst = 0.0, size = 0.0;
  for (int i = 0; i <= surface->columnDivisions; ++i) {
    for (int j = 0; j <= surface->rowDivisions; ++j) {
      const SurfacePoint& q = surface->grid[i][j];
      const gp_Pnt p = kernel->Value(q.u, q.v);
      worst = std::max({worst, std::fabs(p.X() - toKernel * q.x), std::fabs(p.Y() - toKernel * q.y),
                        std::fabs(p.Z() - toKernel * q.z)});
      size = std::max(size, toKernel * std::fabs(q.y));
    }
  }
  EXPECT_LT(worst, 1e-4 * size);
}

}  // namespace
}  // namespace skelmora
