#include "shell/program_dir.h"

#include "platform/core/file_io.h"
#include "shell/shell_text.h"

namespace {
std::string& override_dir() {
  static std::string dir;
  return dir;
}
}  // namespace

std::string program_dir_() {
  const std::string& dir = override_dir();
  return dir.empty() ? program_folder_() : dir;
}

void set_program_dir_(const std::string& folder) {
  override_dir() = folder.empty() ? std::string() : with_separator_(folder);
}

std::string icon_folder_() { return program_dir_() + "icons/"; }
