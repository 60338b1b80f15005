#include "dialogs/common/dialog_numbers.h"

#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <string>

#include "platform/services/screen.h"

bool parse_locale_number_(std::string_view text, double& value) {
  std::string s(text);
  const auto first = s.find_first_not_of(" \t");
  if (first == std::string::npos) return false;
  s = s.substr(first, s.find_last_not_of(" \t") - first + 1);
  // The user's separator, and the point as well, read as the decimal mark.
  const std::string sep = decimal_separator_();
  if (!sep.empty() && sep != ".") {
    for (size_t p = s.find(sep); p != std::string::npos; p = s.find(sep, p + 1)) s.replace(p, sep.size(), ".");
  }
  for (char c : s) {
    if (!(std::isdigit(static_cast<unsigned char>(c)) || c == '.' || c == '-' || c == '+' || c == 'e' || c == 'E'))
      return false;
  }
  char* end = nullptr;
  errno = 0;
  const double v = std::strtod(s.c_str(), &end);
  if (end != s.c_str() + s.size() || errno == ERANGE || !std::isfinite(v)) return false;
  value = v;
  return true;
}
