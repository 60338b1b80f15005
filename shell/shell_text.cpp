#include "shell/shell_text.h"

std::string trim_blanks_(std::string_view s) {
  size_t b = s.find_first_not_of(' ');
  if (b == std::string_view::npos) return {};
  size_t e = s.find_last_not_of(' ');
  return std::string(s.substr(b, e - b + 1));
}

std::string lower_ascii_(std::string_view s) {
  std::string out(s);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
  return out;
}

std::string upper_ascii_(std::string_view s) {
  std::string out(s);
  for (char& c : out)
    if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
  return out;
}

std::string replace_all_(std::string_view s, std::string_view what, std::string_view with) {
  if (what.empty()) return std::string(s);
  std::string out;
  out.reserve(s.size());
  size_t pos = 0;
  for (size_t hit; (hit = s.find(what, pos)) != std::string_view::npos; pos = hit + what.size()) {
    out.append(s.substr(pos, hit - pos));
    out.append(with);
  }
  out.append(s.substr(pos));
  return out;
}

std::string remove_nuls_(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  for (char c : s)
    if (c != '\0') out.push_back(c);
  return out;
}

bool ends_with_separator_(std::string_view s) {
  return !s.empty() && (s.back() == '/' || s.back() == '\\');
}

std::string with_separator_(std::string_view folder) {
  std::string out(folder);
  if (!ends_with_separator_(out)) out.push_back('/');
  return out;
}
