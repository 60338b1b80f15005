// Clipboard transfer files: any input pastes whole or not at all.
#include <cstdint>
#include <cstdlib>

#include "engine/file/codec.h"
#include "engine/zaz_class.h"
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static zaz_class_* e = [] {
    auto* x = new zaz_class_;
    x->file_new_(true_, "");
    x->file.error_box = [](const std::string&) {};
    return x;
  }();
  // Pastes read only files where a copy of ours puts them: the engine's own temporary files.
  static const std::string path = e->engine_temp_file_();
  fuzz_write_file_(path, data, size);
  const int32_t before = e->records_();
  // The clipboard names the file by a marker text, as a copy leaves it.
  e->clipboard_paste_(false_, clipboard_marker_encode_(path), false_);
  if (e->records_() < before) std::abort();
  // Keep the engine small across runs.
  if (e->records_() > 100000) e->file_new_(true_, "");
  return 0;
}
