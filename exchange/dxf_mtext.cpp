#include "exchange/dxf_mtext.h"

#include "engine/dimensions/format.h"
#include "exchange/dxf_values.h"

namespace exchange_ {
namespace {

struct special_code_ {
  std::string_view code;
  std::string_view text;  // UTF-8
};

// In this order; case-sensitive.
constexpr special_code_ special_codes_[] = {
    {"%%d", dim_degree_mark_},   {"%%D", dim_degree_mark_},   {"%%c", dim_diameter_mark_},
    {"%%C", dim_diameter_mark_}, {"\\U+00D8", dim_diameter_mark_},
    {"\\U+0105", "\xC4\x85"},    {"\\U+0107", "\xC4\x87"},    {"\\U+0119", "\xC4\x99"},
    {"\\U+0142", "\xC5\x82"},    {"\\U+0144", "\xC5\x84"},    {"\\U+00F3", "\xC3\xB3"},
    {"\\U+015B", "\xC5\x9B"},    {"\\U+017A", "\xC5\xBA"},    {"\\U+017C", "\xC5\xBC"},
};

void replace_all(std::string& s, std::string_view from, std::string_view to) {
  for (size_t at = 0; (at = s.find(from, at)) != std::string::npos; at += to.size())
    s.replace(at, from.size(), to);
}

// Codes whose parameters run up to a ";".
bool has_parameters(char c) {
  switch (c) {
    case 'f': case 'F': case 'c': case 'C': case 'a': case 'A': case 'h': case 'H':
    case 'w': case 'W': case 'q': case 'Q': case 't': case 'T': case 'p':
      return true;
    default:
      return false;
  }
}

}  // namespace

std::string dxf_special_chars_(std::string text) {
  for (const special_code_& sc : special_codes_) replace_all(text, sc.code, sc.text);
  return text;
}

std::string strip_mtext_codes_(std::string_view text) {
  const std::string_view s = dxf_trim_(text);
  std::string out;
  out.reserve(s.size());
  size_t i = 0;
  while (i < s.size()) {
    const char c = s[i];
    if (c == '{' || c == '}') {
      ++i;
      continue;
    }
    if (c != '\\' || i + 1 >= s.size()) {
      out += c;
      ++i;
      continue;
    }
    const char code = s[i + 1];
    if (code == '\\' || code == '{' || code == '}') {
      out += code;
      i += 2;
    } else if (code == 'P') {
      out += '\r';
      i += 2;
    } else if (code == '~') {
      out += ' ';
      i += 2;
    } else if (code == 'L' || code == 'l' || code == 'O' || code == 'o' || code == 'K' ||
               code == 'k') {
      i += 2;  // underline, overline and strike-through switches
    } else if (has_parameters(code)) {
      const size_t end = s.find(';', i + 2);
      i = end == std::string_view::npos ? s.size() : end + 1;
    } else if (code == 'S') {  // stacked numbers: "\S1^2;" shows 1/2
      const size_t end = s.find(';', i + 2);
      const size_t stop = end == std::string_view::npos ? s.size() : end;
      for (size_t k = i + 2; k < stop; ++k) out += (s[k] == '^' || s[k] == '#') ? '/' : s[k];
      i = end == std::string_view::npos ? s.size() : end + 1;
    } else {
      out += c;  // not a code of ours (\U+ codes among them): kept as text
      ++i;
    }
  }
  return std::string(dxf_trim_(dxf_special_chars_(std::move(out))));
}

}  // namespace exchange_
