#include "engine/file/file_kind.h"

#include <cctype>

#include "engine/file/codec.h"

namespace {

std::string_view trim_blanks(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

// Reads one line ended by a carriage return and line feed (or the end); false at the end.
bool next_line(std::string_view text, size_t& pos, std::string& line) {
  if (pos >= text.size()) return false;
  size_t end = text.find("\r\n", pos);
  if (end == std::string_view::npos) end = text.size();
  std::string_view raw = trim_blanks(text.substr(pos, end - pos));
  line.assign(raw);
  for (char& c : line) c = char(std::toupper(static_cast<unsigned char>(c)));
  pos = end == text.size() ? end : end + 2;
  return true;
}

}  // namespace

int32_t file_kind_of_bytes_(std::string_view head) {
  if (head.size() >= 5) {
    std::string_view magic = head.substr(0, 5);
    if (magic == drawing_magic_v1_ || magic == drawing_magic_v2_) return file_type_drawing_;
  }
  if (head.substr(0, 7) == "GrafZAZ") return file_type_grafzaz_;
  if (head.empty()) return file_type_none_;
  std::string text = normalize_line_end_bytes_(head.substr(0, 65536));
  size_t pos = 0;
  std::string code, value;
  for (int pair = 0; pair < 99; ++pair) {
    if (!next_line(text, pos, code) || !next_line(text, pos, value)) break;
    std::string joined = code + "|" + value;
    if (joined == "0|SECTION" || joined == "2|HEADER" || joined == "2|ENTITIES") return file_type_dxf_;
  }
  return file_type_none_;
}
