// The rendering control's bitmap loader: any file gives either a refusal
// with an empty slot or an image whose pixel buffer has exactly the size its
// recorded width, height and depth call for (or none).
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "bmp_image.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  vistrel::BmpImage image;
  const auto status = vistrel::parseBmp({data, size}, image);
  if (status == vistrel::BmpStatus::NotABitmap) {
    if (image.width || image.height || image.bitsPerPixel || !image.pixels.empty()) std::abort();
    return 0;
  }
  if (image.pixels.empty()) return 0;
  if (image.width < 1 || image.height < 1) std::abort();
  const size_t bytesPerRow = image.bitsPerPixel == 24 ? 3u * image.width
                             : image.bitsPerPixel == 8 ? size_t(image.width)
                                                       : 0;
  if (!bytesPerRow) std::abort(); // only 8 and 24 bits get pixels
  if (image.pixels.size() != ((bytesPerRow + 3) & ~size_t{3}) * image.height) std::abort();
  // Touch every byte so the sanitizer sees the whole buffer.
  volatile uint8_t sum = 0;
  for (uint8_t b : image.pixels) sum = sum + b;
  return 0;
}
