// Undo state files: a damaged or crafted step file is refused before anything is applied.
#include <cstdint>
#include <cstdlib>

#include "engine/zaz_class.h"
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  zaz_class_ e;
  e.file_new_(false_, "");
  e.page_add_("p", 297, 210);
  e.layer_add_("l", true_, true_, -1, -2, 0, 0);
  e.state_begin_();
  e.add_line_(0, 0, 10, 10);
  if (e.state_save_("step") == 0 || e.file.states.empty()) return 0;
  // Replace the step's file with the input, then undo and redo through it.
  const std::string& state_file = e.file.states.back().file;
  fuzz_input_file_(data, size, "state.tmp");
  if (std::rename((fuzz_folder_() + "state.tmp").c_str(), state_file.c_str()) != 0) return 0;
  e.state_undo_(1);
  e.state_undo_(2);
  if (e.records_() < 0) std::abort();
  return 0;
}
