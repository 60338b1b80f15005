#include "shell/language.h"

#include "platform/core/codepage.h"
#include "platform/core/file_io.h"
#include "shell/files.h"
#include "shell/program_dir.h"
#include "shell/shell_text.h"

lang_table_rec_ lang_table_;
std::function<void(const std::string& key)> lang_missing_key_hook_;

namespace {
// Language files are a few hundred kilobytes; anything far larger is not one.
constexpr uint64_t max_language_file = 16u << 20;

std::string path_of(std::string_view name) {
  if (name.find('/') != std::string_view::npos || name.find('\\') != std::string_view::npos)
    return replace_all_(name, "\\", "/");
  return program_dir_() + trim_blanks_(name);
}

void add_line(std::string_view line) {
  std::string l = trim_blanks_(remove_nuls_(trim_blanks_(line)));
  size_t eq = l.find('=');
  if (eq == std::string::npos || eq == 0) return;
  if (lang_table_.count >= lang_table_size_) return;
  lang_entry_rec_& e = lang_table_.entries[size_t(++lang_table_.count)];
  e.key = lower_ascii_(trim_blanks_(std::string_view(l).substr(0, eq)));
  e.text = trim_blanks_(std::string_view(l).substr(eq + 1));
}
}  // namespace

flag16_ load_language_(std::string_view name) {
  lang_table_.count = 0;
  std::string path = path_of(name);
  if (file_exists_(path) != true_) return false_;
  auto bytes = read_file_bytes_(path, max_language_file);
  if (!bytes) return false_;
  constexpr std::string_view bom = "\xEF\xBB\xBF";
  std::string text = std::string_view(*bytes).substr(0, 3) == bom ? bytes->substr(3)
                                                                  : cp1250_to_utf8_(*bytes);
  // Lines end in CR LF, LF or CR.
  std::string_view rest(text);
  while (!rest.empty()) {
    size_t end = rest.find_first_of("\r\n");
    add_line(rest.substr(0, end));
    if (end == std::string_view::npos) break;
    size_t next = end + 1;
    if (rest[end] == '\r' && next < rest.size() && rest[next] == '\n') ++next;
    rest.remove_prefix(next);
  }
  return true_;
}

std::string lang_text_(std::string_view key, std::string_view p0, std::string_view p1,
                       std::string_view p2, std::string_view p3, std::string_view p4,
                       std::string_view p5, std::string_view p6, std::string_view p7,
                       std::string_view p8, std::string_view p9) {
  std::string k = lower_ascii_(trim_blanks_(key));
  for (int32_t i = 1; i <= lang_table_.count; ++i) {
    const lang_entry_rec_& e = lang_table_.entries[size_t(i)];
    if (e.key != k) continue;
    std::string t = replace_all_(trim_blanks_(e.text), "|", "\r\n");
    t = replace_all_(t, "_", "\u00A0");
    const std::string_view params[10] = {p0, p1, p2, p3, p4, p5, p6, p7, p8, p9};
    for (int p = 0; p < 10; ++p)
      t = replace_all_(t, "{" + std::to_string(p) + "}", params[p]);
    return t;
  }
  if (lang_missing_key_hook_) lang_missing_key_hook_(k);
  return "%" + k;
}
