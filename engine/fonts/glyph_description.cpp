// Glyph description texts: "#nnn" starts glyph nnn, "!HH:" sets the font height, "!DX:" and
// "!DY:" the spacing added to later glyphs, "~1 x1,y1,x2,y2" adds a stroke and
// "~2 n,x1,y1,..." a polyline of n points.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "engine/fonts/font_convert.h"
#include "platform/core/file_io.h"
#include "platform/core/types.h"

namespace {

std::string_view trim_spaces(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

// A leading decimal number with blanks allowed anywhere in it; 0 when there is none.
double leading_number(std::string_view s) {
  std::string digits;
  bool seen_digit = false, seen_point = false, seen_exp = false;
  for (char ch : s) {
    if (ch == ' ' || ch == '\t' || ch == '\n') continue;
    const char last = digits.empty() ? 0 : digits.back();
    if (ch >= '0' && ch <= '9') seen_digit = true;
    else if ((ch == '+' || ch == '-') && (digits.empty() || last == 'E')) {
    } else if (ch == '.' && !seen_point && !seen_exp) seen_point = true;
    else if ((ch == 'e' || ch == 'E') && seen_digit && !seen_exp) { seen_exp = true; ch = 'E'; }
    else break;
    digits.push_back(ch);
  }
  if (!seen_digit) return 0;
  if (!digits.empty() && (digits.back() == 'E' || digits.back() == '+' || digits.back() == '-'))
    digits.pop_back();
  double v = std::strtod(digits.c_str(), nullptr);
  return std::isfinite(v) ? v : 0;
}

// Comma- or blank-separated numbers; false when a field is not a number.
bool split_numbers(std::string_view s, std::vector<double>& out) {
  out.clear();
  size_t i = 0;
  while (i < s.size()) {
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t' || s[i] == ',')) ++i;
    if (i >= s.size()) break;
    size_t j = i;
    while (j < s.size() && s[j] != ' ' && s[j] != '\t' && s[j] != ',') ++j;
    std::string field(s.substr(i, j - i));
    char* end = nullptr;
    double v = std::strtod(field.c_str(), &end);
    if (end == field.c_str() || *end != 0 || !std::isfinite(v)) return false;
    out.push_back(v);
    i = j;
  }
  return true;
}

void finish_glyph(glyph_rec_& g, float dx, float dy) {
  float mx = 0, my = 0;
  for (const glyph_contour_rec_& c : g.contours)
    for (const glyph_point_rec_& p : c.points) {
      mx = std::max(mx, p.x);
      my = std::max(my, p.y);
    }
  g.box_width = std::max(g.box_width, mx);
  g.box_height = std::max(g.box_height, my);
  g.advance_x = dx + g.box_width;
  g.advance_y = dy + g.box_height;
}

}  // namespace

bool read_glyph_description_(const std::string& path, font_rec_& buffer) {
  buffer = font_rec_{};
  std::optional<std::string> text = read_file_bytes_(path, uint64_t(64) << 20);
  if (!text) return false;
  int c = 0;
  float dx = 0, dy = 0;
  std::vector<double> nums;
  std::string_view rest(*text);
  while (!rest.empty()) {
    size_t nl = rest.find('\n');
    std::string_view line = trim_spaces(rest.substr(0, nl));
    rest = nl == std::string_view::npos ? std::string_view() : rest.substr(nl + 1);
    if (line.substr(0, 1) == "#") {
      if (c >= 1 && c <= 255) finish_glyph(buffer.glyphs[size_t(c)], dx, dy);
      std::vector<double> code;
      if (!split_numbers(line.substr(1, 3), code) || code.size() != 1) return false;
      int32_t n = 0;
      if (!to_int_even_(code[0], n)) return false;
      c = (n < 0 || n > 255) ? 0 : n;
      glyph_rec_& g = buffer.glyphs[size_t(c)];
      g.box_width = g.box_height = g.advance_x = g.advance_y = 0;
      g.contours.clear();
    } else if (line.substr(0, 4) == "!HH:") {
      buffer.height = float(leading_number(line.substr(4)));
      buffer.cap_top = 0;
    } else if (line.substr(0, 4) == "!DX:") {
      dx = float(leading_number(line.substr(4)));
    } else if (line.substr(0, 4) == "!DY:") {
      dy = float(leading_number(line.substr(4)));
    } else if (c >= 1) {
      std::string_view kind = line.size() > 1 ? line.substr(1, 2) : std::string_view();
      if (kind != "~1" && kind != "~2") continue;
      if (!split_numbers(line.size() > 5 ? line.substr(5) : std::string_view(), nums)) return false;
      glyph_rec_& g = buffer.glyphs[size_t(c)];
      glyph_contour_rec_ contour;
      if (kind == "~1") {
        if (nums.size() < 4) return false;
        contour.points = {{float(nums[0]), float(nums[1])}, {float(nums[2]), float(nums[3])}};
      } else {
        int32_t n = 0;
        if (nums.empty() || !to_int_even_(nums[0], n)) return false;
        if (n > std::numeric_limits<int16_t>::max() || (n > 0 && nums.size() < 1 + 2 * size_t(n)))
          return false;
        for (int32_t i = 0; i < n; ++i)
          contour.points.push_back({float(nums[1 + 2 * size_t(i)]), float(nums[2 + 2 * size_t(i)])});
      }
      if (g.contours.size() >= size_t(std::numeric_limits<int16_t>::max())) return false;
      g.fill_flag = 0;
      g.contours.push_back(std::move(contour));
    }
  }
  return true;
}
