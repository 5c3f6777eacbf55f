// IGES reader: any input is refused with a message or gives a surface of at
// most 51 x 51 points whose import (both questions answered No, so the
// metres rule runs too) evaluates to finite points.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

#include "files/iges_import.h"
#include "model/silent_prompter.h"

using namespace skelmora;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  IgesSurface iges;
  std::string message;
  if (ParseIgesText(text, iges, message) != IgesParse::kOk) {
    if (message.empty()) std::abort();
    return 0;
  }
  const size_t points = static_cast<size_t>(iges.k1 + 1) * static_cast<size_t>(iges.k2 + 1);
  if (iges.k1 > kMaxIndex || iges.k2 > kMaxIndex || iges.x.size() != points) std::abort();
  static const auto surface = std::make_unique<Surface>();
  auto design = std::make_unique<HullDesign>();
  design->ColumnDivisions = design->RowDivisions = 6;
  SilentPrompter prompter;
  ImportIgesSurface(*design, *surface, iges, prompter);
  for (int i = 0; i <= surface->columnDivisions; ++i) {
    for (int j = 0; j <= surface->rowDivisions; ++j) {
      const SurfacePoint& p = surface->grid[i][j];
      if (!std::isfinite(p.x) || !std::isfinite(p.y) || !std::isfinite(p.z)) std::abort();
    }
  }
  return 0;
}
