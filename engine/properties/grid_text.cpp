#include "engine/properties/grid_text.h"

#include <charconv>
#include <cmath>

std::string edit_trim_(const std::string& s) {
  const char* ws = " \t\r\n";
  const size_t a = s.find_first_not_of(ws);
  if (a == std::string::npos) return {};
  return s.substr(a, s.find_last_not_of(ws) - a + 1);
}

bool edit_read_number_(const std::string& text, double& out) {
  const std::string t = edit_trim_(text);
  if (t.empty()) return false;
  // Only plain decimal notation: no hexadecimal, no "inf" or "nan".
  for (char c : t)
    if (!(std::isdigit(static_cast<unsigned char>(c)) || c == '.' || c == '-' || c == '+' || c == 'e' ||
          c == 'E'))
      return false;
  // Locale-independent: "." is the decimal point whatever the process locale says.
  const char* first = t.data();
  if (*first == '+') ++first;
  double v = 0;
  const auto r = std::from_chars(first, t.data() + t.size(), v);
  if (r.ec != std::errc() || r.ptr != t.data() + t.size() || !std::isfinite(v)) return false;
  out = v;
  return true;
}

std::string edit_format_number_(double v, int32_t decimals) {
  char buf[400];
  const auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, decimals < 0 ? 6 : decimals);
  std::string s(buf, r.ptr);
  if (decimals < 0 && s.find('.') != std::string::npos) {
    while (s.back() == '0') s.pop_back();
    if (s.back() == '.') s.pop_back();
  }
  // A negative value that rounds to zero shows without its sign.
  if (s[0] == '-' && s.find_first_not_of("-0.") == std::string::npos) s.erase(0, 1);
  return s;
}

std::string edit_value_text_(int32_t type, const std::string& value) {
  double v;
  if (!edit_read_number_(value, v)) return value;
  return edit_format_number_(v, type >= 10 && type <= 16 ? type - 10 : -1);
}
