// Language files: any content loads into the bounded table and every lookup stays well formed.
#include <cstdint>
#include <cstdlib>

#include "fuzz/fuzz_support.h"
#include "shell/language.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string path = fuzz_input_file_(data, size, "program_xx.lang");
  if (load_language_(path) != true_) std::abort();  // a readable file always loads
  if (lang_table_.count < 0 || lang_table_.count > lang_table_size_) std::abort();
  for (int32_t i = 1; i <= lang_table_.count; ++i)
    lang_text_(lang_table_.entries[size_t(i)].key, "a", "b");
  lang_text_("message.cantopenfile", "x");
  return 0;
}
