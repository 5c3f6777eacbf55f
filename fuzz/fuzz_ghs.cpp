// GHS reader: any input is refused with a message or converted into a
// point file that the reference-hull reader reads back point for point.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

#include "files/ghs_import.h"
#include "files/text_io.h"
#include "model/silent_prompter.h"

using namespace skelmora;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view ghs(reinterpret_cast<const char*>(data), size);
  auto design = std::make_unique<HullDesign>();
  SilentPrompter prompter;
  std::string text;
  std::string message;
  // The units question, when there is one, is answered "feet".
  const GhsConvert result =
      ConvertGhsText(ghs, *design, prompter, GhsUnits::kFeet, text, message);
  if (result == GhsConvert::kCancelled) std::abort();  // nobody was asked
  if (result == GhsConvert::kFailed) {
    if (message.empty()) std::abort();
    return 0;
  }
  size_t lines = 0;
  for (char c : text) lines += c == '\n';
  const auto points = ParseReferenceHull(text);
  if (lines < kMaxReferencePoints && points.size() != lines) std::abort();
  for (const PenPoint& p : points) {
    if (!std::isfinite(p.x) || !std::isfinite(p.y) || !std::isfinite(p.z)) std::abort();
  }
  return 0;
}
