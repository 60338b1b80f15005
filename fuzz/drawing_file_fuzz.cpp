// Drawing files of both versions: any input is read or refused without harm, and what is read
// saves and reads back. Each read goes into a fresh engine, as opening a file does, so that
// nothing one input leaves behind (fonts, tables) weighs on the next.
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string_view>

#include "engine/zaz_class.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  auto e = std::make_unique<zaz_class_>();
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  if (!e->read_drawing_bytes_(bytes, nullptr)) return 0;
  const std::string again = e->drawing_file_bytes_();
  auto copy = std::make_unique<zaz_class_>();
  if (!copy->read_drawing_bytes_(again, nullptr) || copy->records_() > e->records_()) std::abort();
  return 0;
}
