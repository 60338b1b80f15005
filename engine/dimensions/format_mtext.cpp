// Cleaning of user and imported texts: inline formatting codes out, special codes in.
#include <string>
#include <string_view>

#include "engine/dimensions/format.h"

namespace {

struct special_code_ {
  std::string_view code;
  std::string_view text;  // UTF-8
};

// Applied in this order; the comparison is case-sensitive.
constexpr special_code_ special_codes_[] = {
    {"%%d", dim_degree_mark_},   {"%%D", dim_degree_mark_},        {"%%c", dim_diameter_mark_},
    {"%%C", dim_diameter_mark_}, {"\\U+00D8", dim_diameter_mark_}, {"\\U+0105", "\xC4\x85"},
    {"\\U+0107", "\xC4\x87"},    {"\\U+0119", "\xC4\x99"},         {"\\U+0142", "\xC5\x82"},
    {"\\U+0144", "\xC5\x84"},    {"\\U+00F3", "\xC3\xB3"},         {"\\U+015B", "\xC5\x9B"},
    {"\\U+017A", "\xC5\xBA"},    {"\\U+017C", "\xC5\xBC"},
};

std::string_view trim_blanks_(std::string_view s) {
  size_t a = s.find_first_not_of(' ');
  if (a == std::string_view::npos) return {};
  return s.substr(a, s.find_last_not_of(' ') - a + 1);
}

char lower_(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

void replace_all_(std::string& s, std::string_view from, std::string_view to) {
  for (size_t at = 0; (at = s.find(from, at)) != std::string::npos; at += to.size())
    s.replace(at, from.size(), to);
}

}  // namespace

std::string strip_mtext_codes_(std::string_view text) {
  const std::string s = std::string(trim_blanks_(text)) + ' ';
  std::string out;
  bool copying = true;
  for (size_t i = 0; i < s.size(); ++i) {
    const char c = s[i];
    const char next = i + 1 < s.size() ? lower_(s[i + 1]) : '\0';
    if (c == '\\') {
      if (next == 'l' || next == '\\' || next == '{' || next == '}') {  // underline, escapes
        ++i;
        continue;
      }
      if (next == 'f' || next == 'c' || next == 'a' || next == 'h' || next == 'w') {
        copying = false;  // the code letter and its parameters go up to the next ";" or "{"
        continue;
      }
      if (next == 'p') {
        out += '\r';
        ++i;
        continue;
      }
    }
    if (c == ';' || c == '{') {
      copying = true;
    } else if (c == '}') {
      copying = false;
    } else if (copying) {
      out += c;
    }
  }
  for (const special_code_& sc : special_codes_) replace_all_(out, sc.code, sc.text);
  return std::string(trim_blanks_(out));
}
