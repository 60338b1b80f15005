// DXF files: any input imports or fails cleanly; a failed import keeps the drawing.
#include <cstdint>
#include <cstdlib>

#include "engine/zaz_class.h"
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static zaz_class_* e = new zaz_class_;
  const std::string path = fuzz_input_file_(data, size, "input.dxf");
  e->new_empty_drawing_();
  e->page_add_("kept", 297, 210);
  if (!e->file_import_acdxf_(path) && e->pages_count_() != 1) std::abort();
  return 0;
}
