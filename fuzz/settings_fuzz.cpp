// The portable settings file: any content reads, and a value saved into it reads back.
#include <cstdint>
#include <cstdlib>

#include "fuzz/fuzz_support.h"
#include "shell/program_dir.h"
#include "shell/settings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  set_program_dir_(fuzz_folder_());
  fuzz_input_file_(data, size, "settings.dat");
  portable_mode_ = true_;
  open_settings_file_();
  get_setting_(setting_gui_skin_);
  get_setting_("kalvinor.zaz", "windows\\MDI", "width", 0);
  if (save_setting_("kalvinor.common", "GUI", "Lang", "EN") &&
      value_text_(get_setting_(setting_gui_lang_)) != "EN")
    std::abort();
  close_settings_file_();
  return 0;
}
