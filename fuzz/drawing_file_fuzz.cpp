// Drawing files of both versions: any input is read or refused without harm (file_open_ reads
// into a fresh engine, so a refused file never reaches the drawing), and what is read saves and
// reads back.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "engine/zaz_class.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static zaz_class_* e = new zaz_class_;  // one engine: its construction costs more than a read
  e->new_empty_drawing_();
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  if (!e->read_drawing_bytes_(bytes, nullptr)) return 0;
  const std::string again = e->drawing_file_bytes_();
  zaz_class_ copy;
  if (!copy.read_drawing_bytes_(again, nullptr) || copy.records_() > e->records_()) std::abort();
  return 0;
}
