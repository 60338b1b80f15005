// DXF files that import are then shown, measured and printed: whatever the file's values, the
// drawing they make must paint and print without harm.
#include <cstdint>
#include <memory>

#include "fuzz/fuzz_display.h"
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  auto e = std::make_unique<zaz_class_>();
  if (e->file_import_acdxf_(fuzz_input_file_(data, size, "input.dxf"))) fuzz_show_and_print_(*e, 2);
  return 0;
}
