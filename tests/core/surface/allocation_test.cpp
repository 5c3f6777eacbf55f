// Grid evaluation and the cuts run at every drag step; they must not touch
// the heap. The test counts global operator new calls around them.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "surface/sections.h"
#include "test_nets.h"
#include "surface/surface_build.h"

namespace {
std::atomic<long> g_allocations{0};
}  // namespace

void* operator new(std::size_t size) {
  g_allocations.fetch_add(1, std::memory_order_relaxed);
  if (void* p = std::malloc(size ? size : 1)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace skelmora {
namespace {

TEST(HotPathAllocation, GridEvaluationAndCutsDoNotAllocate) {
  nets::Hull hull = nets::MakeHull(12, 8, 3, 3, nets::BoatVertex, 50, 50);
  hull.d().ColumnChineCount = 2;
  hull.d().ColumnChines[0] = 4;
  hull.d().ColumnChines[1] = 8;
  hull.Rebuild();
  auto buffers = std::make_unique<CutBuffers>();
  const double length = hull.s().extents.hullLength;

  const long before = g_allocations.load();
  EvaluateSurfaceGrid(hull.d(), hull.s());
  const CutResult station = CutStation(hull.d(), hull.s(), *buffers, length / 2);
  const CutResult waterline = CutWaterline(hull.d(), hull.s(), *buffers, 0.0);
  const CutResult buttock = CutButtock(hull.d(), hull.s(), *buffers, 1.0);
  const long after = g_allocations.load();

  // The cuts found something, so the paths that store points were taken.
  EXPECT_GT(station.last, 0);
  EXPECT_GT(waterline.last, 0);
  EXPECT_GE(buttock.last, 0);
  EXPECT_EQ(after - before, 0);
}

}  // namespace
}  // namespace skelmora
