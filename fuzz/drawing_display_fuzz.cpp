// Drawing files that read cleanly are then shown and printed: whatever values a file stores
// (angles, sizes, counts, views), painting, measuring and printing its pages must end without harm.
#include <cstdint>
#include <memory>
#include <string_view>

#include "fuzz/fuzz_display.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  auto e = std::make_unique<zaz_class_>();
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  if (e->read_drawing_bytes_(bytes, nullptr)) fuzz_show_and_print_(*e, 3);
  return 0;
}
