#include "shell/browse.h"

#include "platform/services/desktop.h"
#include "platform/services/dialogs.h"
#include "shell/shell_text.h"

namespace {
std::string trimmed(const std::string& s) { return trim_blanks_(s); }
}  // namespace

std::string default_suffix_(const std::string& default_ext) {
  std::string e = trimmed(default_ext);
  while (!e.empty() && (e[0] == '*' || e[0] == '.')) e.erase(0, 1);
  // A list or a wildcard names no single suffix.
  if (e.empty() || e.find_first_of("*?;|/\\ ") != std::string::npos) return {};
  return "." + e;
}

std::string with_default_suffix_(const std::string& path, const std::string& default_ext) {
  if (path.empty()) return path;
  const std::string suffix = default_suffix_(default_ext);
  if (suffix.empty()) return path;
  const auto slash = path.find_last_of("/\\");
  const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  if (name.empty() || name.find('.') != std::string::npos) return path;
  return path + suffix;
}

std::string open_file_dialog_(window_handle_ owner, const std::string& filter,
                              const std::string& default_ext) {
  const std::string path = trimmed(open_file_path_(find_window_(owner), trimmed(filter), trimmed(default_ext)));
  return with_default_suffix_(path, default_ext);
}

std::string save_file_dialog_(window_handle_ owner, const std::string& filter,
                              const std::string& default_ext, int32_t& filter_index) {
  int32_t index = 0;
  const std::string path =
      trimmed(save_file_path_(find_window_(owner), trimmed(filter), trimmed(default_ext), index));
  filter_index = path.empty() ? 0 : index;
  return with_default_suffix_(path, default_ext);
}

std::string shell_open_(const std::string& path) {
  open_document_(trimmed(path));
  return {};
}

flag16_ choose_font_dialog_(window_handle_ owner, const std::string& initial_face, std::string& face,
                            uint8_t& bold, uint8_t& italic, uint8_t& underline) {
  font_choice_ chosen;
  chosen.face = initial_face;
  chosen.underline = underline != 0;
  if (!choose_font_(find_window_(owner), initial_face, chosen)) return false_;
  face = chosen.face;
  bold = chosen.bold ? 1 : 0;
  italic = chosen.italic ? 1 : 0;
  underline = chosen.underline ? 1 : 0;
  return true_;
}

int32_t choose_color_dialog_(window_handle_ owner) {
  const int32_t c = choose_colour_(find_window_(owner));
  return c < 0 ? -1 : (c & 0xFFFFFF);
}
