#include "shell/startup.h"

#include "shell/language.h"
#include "shell/settings.h"
#include "shell/shell_text.h"

std::string language_file_for_(const value_& lang) {
  return upper_ascii_(value_text_(lang)) == "EN" ? "program_en.lang" : "program_pl.lang";
}

std::string start_settings_and_language_() {
  portable_mode_ = false_;
  portable_mode_ = is_portable_();
  if (portable_mode_ == true_) open_settings_file_();
  std::string name = language_file_for_(get_setting_(setting_gui_lang_));
  load_language_(name);
  return name;
}
