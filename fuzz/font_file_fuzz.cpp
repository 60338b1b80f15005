// Stroke-font files: any input parses or fails cleanly, and what parses writes back and re-reads
// to the same font.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "engine/fonts/font_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  font_rec_ font;
  if (!read_stroke_font_(std::string_view(reinterpret_cast<const char*>(data), size), font)) return 0;
  std::string image = write_stroke_font_(font);
  font_rec_ again;
  if (!image.empty() && (!read_stroke_font_(image, again) || write_stroke_font_(again) != image))
    std::abort();
  return 0;
}
