#include "exchange/dxf_values.h"

#include <array>
#include <bit>
#include <cstring>
#include <charconv>
#include <cmath>

#include "platform/core/codepage.h"
#include "platform/core/types.h"

namespace {

bool is_digit(char c) { return c >= '0' && c <= '9'; }

// Length of the leading number that starts at `at` (after blanks); 0 when there is none.
size_t number_span(std::string_view s, size_t at) {
  size_t i = at;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  size_t digits = 0;
  while (i < s.size() && is_digit(s[i])) ++i, ++digits;
  if (i < s.size() && s[i] == '.') {
    ++i;
    while (i < s.size() && is_digit(s[i])) ++i, ++digits;
  }
  if (digits == 0) return 0;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    size_t j = i + 1;
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
    if (j < s.size() && is_digit(s[j])) {
      while (j < s.size() && is_digit(s[j])) ++j;
      i = j;
    }
  }
  return i - at;
}

size_t skip_blanks(std::string_view s) {
  size_t i = 0;
  while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
  return i;
}

constexpr std::array<std::string_view, 49> keywords_ = {
    "3DFACE",   "3DSOLID", "ACAD_PROXY_ENTITY", "ARC",      "ATTDEF",    "ATTRIB",    "BODY",
    "CIRCLE",   "DIMENSION", "ELLIPSE",         "HATCH",    "IMAGE",     "INSERT",    "LEADER",
    "LINE",     "LWPOLYLINE", "MLINE",          "MTEXT",    "OLEFRAME",  "OLE2FRAME", "POINT",
    "POLYLINE", "RAY",     "REGION",            "SEQEND",   "SHAPE",     "SOLID",     "SPLINE",
    "TEXT",     "TOLERANCE", "TRACE",           "VIEWPORT", "XLINE",     "BLOCK",     "ENDBLK",
    "APPID",    "BLOCK_RECORD", "DIMSTYLE",     "LAYER",    "LTYPE",     "STYLE",     "UCS",
    "VIEW",     "VPORT",   "SECTION",           "ENDSEC",   "TABLE",     "ENDTAB",    "EOF"};

bool valid_utf8(std::string_view s) {
  size_t i = 0;
  while (i < s.size()) {
    const auto c = static_cast<unsigned char>(s[i]);
    size_t n = c < 0x80 ? 0 : (c >> 5) == 6 ? 1 : (c >> 4) == 14 ? 2 : (c >> 3) == 30 ? 3 : 9;
    if (n == 9 || (n == 1 && c < 0xC2) || i + n >= s.size() + (n ? 0 : 1)) return false;
    for (size_t k = 1; k <= n; ++k)
      if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
    i += n + 1;
  }
  return true;
}

}  // namespace

namespace {

// The next eight characters as a number when all are digits (read eight at a time).
bool eight_digits(const char* p, const char* e, uint32_t& out) {
  if (e - p < 8 || std::endian::native != std::endian::little) return false;
  uint64_t w = 0;
  std::memcpy(&w, p, 8);
  constexpr uint64_t zeros = 0x3030303030303030u, highs = 0xF0F0F0F0F0F0F0F0u;
  // Each byte 0x30..0x39: its high half is 3, and adding 6 keeps it 3.
  if ((w & highs) != zeros || ((w + 0x0606060606060606u) & highs) != zeros) return false;
  w -= zeros;                            // digits, the first in the lowest byte
  w = w * 10 + (w >> 8);                 // pairs of digits in bytes 0, 2, 4, 6
  const uint64_t pairs = w & 0x000000FF000000FFu, pairs2 = (w >> 16) & 0x000000FF000000FFu;
  out = static_cast<uint32_t>((pairs * (100 + (uint64_t(1000000) << 32)) + pairs2 * (1 + (uint64_t(10000) << 32))) >> 32);
  return true;
}

// Plain decimals without an exponent whose digits make a whole number m of at most 2^53 and
// that have at most 22 digits after the point, the numbers DXF files are made of: m and the
// power of ten p = 10^k are then exact doubles, so m / p is the correctly rounded value, the one
// from_chars gives. False for anything else, which goes the long way.
bool plain_decimal(std::string_view s, size_t at, double& out) {
  static constexpr double tens[23] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                      1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                      1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
  constexpr uint64_t exact_limit = uint64_t(1) << 53;
  const char* p = s.data() + at;
  const char* const e = s.data() + s.size();
  const bool minus = p < e && *p == '-';
  if (p < e && (*p == '+' || *p == '-')) ++p;
  uint64_t m = 0;
  int digits = 0, fraction = 0;
  // Past 19 digits m could overflow; such numbers go the long way anyway.
  auto run = [&] {  // the digits of one run, into m; how many they were
    const int before = digits;
    uint32_t eight = 0;
    while (digits + 8 <= 19 && eight_digits(p, e, eight)) m = m * 100000000 + eight, p += 8, digits += 8;
    for (; p < e && is_digit(*p); ++p, ++digits)
      if (digits < 19) m = m * 10 + uint64_t(*p - '0');
    return digits - before;
  };
  run();
  if (p < e && *p == '.') {
    ++p;
    fraction = run();
  }
  if (digits == 0 || digits > 19 || m > exact_limit || fraction > 22) return false;
  if (p < e && (*p == 'e' || *p == 'E')) return false;
  const double v = static_cast<double>(m) / tens[fraction];
  out = minus ? -v : v;
  return true;
}

}  // namespace

double dxf_number_(std::string_view text) {
  const size_t at = skip_blanks(text);
  if (double v = 0; plain_decimal(text, at, v)) return v;
  const size_t n = number_span(text, at);
  if (n == 0) return 0;
  std::string_view num = text.substr(at, n);
  if (num.front() == '+') num.remove_prefix(1);
  double v = 0;
  const auto r = std::from_chars(num.data(), num.data() + num.size(), v);
  if (r.ec != std::errc() || !std::isfinite(v)) return 0;
  return v;
}

bool dxf_has_number_(std::string_view text) {
  return number_span(text, skip_blanks(text)) > 0;
}

bool dxf_whole_(std::string_view text, int32_t& out) {
  return to_int_even_(dxf_number_(text), out);
}

std::string_view dxf_trim_(std::string_view s) {
  size_t a = 0, b = s.size();
  while (a < b && (s[a] == ' ' || s[a] == '\t')) ++a;
  while (b > a && (s[b - 1] == ' ' || s[b - 1] == '\t')) --b;
  return s.substr(a, b - a);
}

std::string dxf_upper_(std::string_view s) {
  std::string u(s);
  for (char& c : u)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return u;
}

bool dxf_keyword_test_(std::string_view value_) {
  const std::string v = dxf_upper_(dxf_trim_(value_));
  if (!v.empty() && v[0] == '$') return true;
  for (std::string_view k : keywords_)
    if (v == k) return true;
  return false;
}

bool dxf_is_empty_value_(std::string_view value_, bool zero_is_empty_) {
  if (value_.empty()) return true;
  return zero_is_empty_ && dxf_has_number_(value_) && dxf_number_(value_) == 0;
}

std::string dxf_text_to_utf8_(std::string_view bytes) {
  if (valid_utf8(bytes)) return std::string(bytes);
  return cp1250_to_utf8_(bytes);
}
