// Rows of the tool panel: the conversion every tool reads them with, and the table of each
// tool's rows in their fixed order (tools address rows by position, so order is binding).
#include "mainwindow/view/adraw_rows.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "platform/services/screen.h"
#include "shell/icons.h"
#include "shell/language.h"
#include "shell/program_dir.h"
#include "ui/controls/sidepanel/xcpanelbox.h"

namespace {

bool blank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

// The whole text as a number in the given notation, or false. A grouping separator counts
// only between digits and before exactly three digits, so "7.25" is never read as 725.
bool whole_number(const std::string& t, char decimal, char grouping, double& out) {
  size_t b = 0, e = t.size();
  while (b < e && blank(t[b])) ++b;
  while (e > b && blank(t[e - 1])) --e;
  std::string s;
  size_t i = b;
  if (i < e && (t[i] == '+' || t[i] == '-')) s += t[i++];
  int digits = 0;
  while (i < e) {
    const char c = t[i];
    if (std::isdigit(static_cast<unsigned char>(c))) {
      s += c, ++digits, ++i;
    } else if (c == grouping && grouping != decimal && digits > 0 && i + 3 <= e &&
               std::isdigit(static_cast<unsigned char>(t[i + 1])) &&
               std::isdigit(static_cast<unsigned char>(t[i + 2])) &&
               std::isdigit(static_cast<unsigned char>(t[i + 3])) &&
               (i + 4 >= e || !std::isdigit(static_cast<unsigned char>(t[i + 4])))) {
      ++i;
    } else {
      break;
    }
  }
  if (i < e && t[i] == decimal) {
    s += '.', ++i;
    while (i < e && std::isdigit(static_cast<unsigned char>(t[i]))) s += t[i++], ++digits;
  }
  if (digits == 0) return false;
  if (i < e && (t[i] == 'e' || t[i] == 'E')) {
    s += 'e', ++i;
    if (i < e && (t[i] == '+' || t[i] == '-')) s += t[i++];
    int exp_digits = 0;
    while (i < e && std::isdigit(static_cast<unsigned char>(t[i]))) s += t[i++], ++exp_digits;
    if (exp_digits == 0) return false;
  }
  if (i != e) return false;
  out = std::strtod(s.c_str(), nullptr);
  return true;
}

// The number at the start of the text with "." as the decimal point; blanks anywhere are
// skipped, &H and &O read hexadecimal and octal digits; 0 when there is none.
double leading_number(const std::string& t) {
  std::string s;
  for (char c : t)
    if (!blank(c)) s += c;
  if (s.size() >= 2 && s[0] == '&') {
    const char r = char(std::toupper(static_cast<unsigned char>(s[1])));
    const int base = r == 'H' ? 16 : r == 'O' ? 8 : 0;
    if (base == 0) return 0;
    double v = 0;
    for (size_t i = 2; i < s.size(); ++i) {
      const int c = std::toupper(static_cast<unsigned char>(s[i]));
      const int d = std::isdigit(c) ? c - '0' : (c >= 'A' && c <= 'F') ? c - 'A' + 10 : 99;
      if (d >= base) break;
      v = v * base + d;
    }
    return v;
  }
  std::string n;
  size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) n += s[i++];
  int digits = 0;
  while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) n += s[i++], ++digits;
  if (i < s.size() && s[i] == '.') {
    n += s[i++];
    while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) n += s[i++], ++digits;
  }
  if (digits == 0) return 0;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    std::string x = "e";
    size_t j = i + 1;
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) x += s[j++];
    const size_t start = j;
    while (j < s.size() && std::isdigit(static_cast<unsigned char>(s[j]))) x += s[j++];
    if (j > start) n += x;
  }
  return std::strtod(n.c_str(), nullptr);
}

// A result a float cannot hold reads as 0 rather than infinity.
float to_single(double v) {
  const float f = static_cast<float>(v);
  return std::isfinite(f) ? f : 0.0f;
}

char user_decimal() {
  const std::string d = decimal_separator_();
  return d.empty() ? '.' : d[0];
}

}  // namespace

float text_to_single_in_(const std::string& text, char decimal, char grouping) {
  double v = 0;
  if (whole_number(text, decimal, grouping, v)) return to_single(v);
  return to_single(leading_number(text));
}

float text_to_single_(const std::string& text) {
  const char d = user_decimal();
  return text_to_single_in_(text, d, d == ',' ? ' ' : ',');
}

bool text_is_number_(const std::string& text, float& out) {
  const char d = user_decimal();
  double v = 0;
  if (!whole_number(text, d, d == ',' ? ' ' : ',', v) || !std::isfinite(float(v))) return false;
  out = float(v);
  return true;
}

double text_leading_number_(const std::string& text) { return leading_number(text); }

int32_t text_to_count_(const std::string& text) {
  int32_t n = 0;
  return to_int_even_(leading_number(text), n) ? n : 0;
}

std::string format_fixed_(double n, int32_t decimals, bool regional) {
  if (!std::isfinite(n)) n = 0;
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.*f", int(decimals), n);
  std::string s = buf;
  if (s.size() > 1 && s[0] == '-' && s.find_first_not_of("-0.") == std::string::npos) s.erase(0, 1);
  if (regional) {
    const char d = user_decimal();
    for (char& c : s)
      if (c == '.') c = d;
  }
  return s;
}

std::string current_tool_key_(const std::string& tool_name) {
  size_t b = 0, e = tool_name.size();
  while (b < e && tool_name[b] == ' ') ++b;
  while (e > b && tool_name[e - 1] == ' ') --e;
  return tool_name.substr(b, e - b);
}

int32_t adraw_row_height_(int32_t kind) {
  switch (kind) {
    case 0: return 16;
    case 1: case 5: return 40;
    case 2: case 3: case 4: return 25;
    default: return 0;
  }
}

int32_t add_adraw_row_(xcpanelbox_& panel, int32_t gid, const adraw_row_rec_& row) {
  const int32_t top = panel.lastbottom_(gid);
  return panel.add_item_(gid, row.key, row.kind, row.caption, to_flag_(row.checked), row.text, 0, 0, top, 110,
                         adraw_row_height_(row.kind), 2, 0, 5, 0, false_, row.tip, to_flag_(row.enabled));
}

namespace {

// Builds the rows of one tool into the group.
class row_builder {
 public:
  row_builder(xcpanelbox_& p, int32_t gid) : p_(p), gid_(gid) {}

  void row(const char* key, int32_t kind, const char* caption, const std::string& text = "0.00",
           bool enabled = true) {
    const std::string c = caption;
    add_adraw_row_(p_, gid_, {key, kind, lang_text_(c), false, text, lang_text_(c + ".tip"), enabled});
  }
  void check(const char* key, const char* caption) { row(key, 3, caption); }
  void button(const char* key, const char* caption) { row(key, 2, caption, ""); }
  // An item that is not a row: an icon button or a frame at a fixed place.
  void extra(const char* key, int32_t kind, const std::string& caption, const char* icon, int32_t x, int32_t y,
             int32_t w, int32_t h, bool enabled) {
    const int32_t ico = icon ? add_icon_(icon_folder_(), icon, "", 0, 0) : 0;
    p_.add_item_(gid_, key, kind, caption, false_, "", ico, x, y, w, h, 0, 0, 0, 0, false_, "", to_flag_(enabled));
  }
  void hatch_button(bool enabled) {
    extra("AD_HATCH", 2, lang_text_("adraw.hatch"), "zaz.d2d.10.0.ico", 10, p_.lastbottom_(gid_) + 4, 97, 24,
          enabled);
  }
  // The optional hatch fill of closed figures: off until "AD_FHATCH" is checked.
  void fill_rows() {
    check("AD_FHATCH", "adraw.fhatch");
    hatch_button(false);
    row("AD_SCALE", 5, "adraw.scale", format_fixed_(1, 2, true), false);
    row("AD_ROTATE", 5, "adraw.rotate", format_fixed_(0, 2, true), false);
  }
  void length_angle() {
    row("AD_LENGTH", 1, "adraw.length");
    row("AD_ANGLE", 1, "adraw.angle");
  }

 private:
  xcpanelbox_& p_;
  int32_t gid_;
};

void build_rows(row_builder& b, const adraw_context_rec_& c) {
  const std::string& t = c.tool_name;
  const auto f = [](double n) { return format_fixed_(n, 2, true); };
  if (t == "SELECT") return;
  if (t == "MOVE") {
    b.length_angle();
    b.check("AD_COPY", "adraw.copy");
  } else if (t == "ROTATE" || t == "MIRROR") {
    b.row("AD_ROTATE", 1, "adraw.rotate");
    b.check("AD_COPY", "adraw.copy");
  } else if (t == "SCALE") {
    b.check("AD_LOCKXY", "adraw.scalelock");
    b.row("AD_SCALEX", 1, "adraw.scalex");
    b.row("AD_SCALEY", 1, "adraw.scaley");
    b.check("AD_COPY", "adraw.copy");
  } else if (t == "ARRAY" || t == "ARRAY.RECT") {
    b.row("AD_COLS", 5, "adraw.cols", "2");
    b.row("AD_ROWS", 5, "adraw.rows", "2");
    b.row("AD_DISTX", 5, "adraw.distancex", "100");
    b.row("AD_DISTY", 5, "adraw.distancey", "100");
  } else if (t == "ARRAY.CIRC") {
    b.row("AD_COLS", 5, "adraw.cols", "3");
    b.row("AD_ROWS", 5, "adraw.rows", "4");
    b.row("AD_DISTX", 5, "adraw.distancex", "100");
    b.row("AD_ANGLE", 5, "adraw.rotaterow", "15");
  } else if (t == "POINT") {
    return;
  } else if (t == "POINTS") {
    b.length_angle();
    b.row("AD_MLINE", 1, "adraw.mline");
    b.row("AD_PCOUNT", 5, "adraw.pcount", "3");
  } else if (t == "LINE" || t == "POLYLINE") {
    b.length_angle();
    b.row("AD_MLINE", 1, "adraw.mline");
    if (t == "POLYLINE") b.button("AD_PU", "adraw.pundo");
  } else if (t == "CURVE") {
    b.length_angle();
    b.check("AD_CLOSE", "adraw.close");
  } else if (t == "RECTANGLE") {
    b.row("AD_WIDTH", 1, "adraw.width");
    b.row("AD_HEIGHT", 1, "adraw.height");
    b.row("AD_MLINE", 1, "adraw.mline");
    b.fill_rows();
  } else if (t == "POLYGON") {
    b.length_angle();
    b.row("AD_MLINE", 1, "adraw.mline");
    b.fill_rows();
    b.button("AD_PU", "adraw.pundo");
  } else if (t == "ARC.R" || t == "ARC.2P") {
    b.row("AD_RADIUS", 1, "adraw.radius");
    b.row("AD_ANG1", 5, "adraw.ang1", "0");
    b.row("AD_ANG2", 5, "adraw.ang2", "270");
    b.fill_rows();
  } else if (t == "ARC.3P" || t == "CIRCLE.R" || t == "CIRCLE.2P" || t == "CIRCLE.3P") {
    b.row("AD_RADIUS", 1, "adraw.radius");
    b.fill_rows();
  } else if (t == "ELLIPSE") {
    b.row("AD_RADIUSX", 1, "adraw.radiusx");
    b.row("AD_RADIUSY", 1, "adraw.radiusy");
    b.fill_rows();
  } else if (t == "TEXT") {
    b.row("AD_TEXTV", 5, "adraw.text", c.ddraw_text);
    b.extra("FBG", 6, "", nullptr, 59, 40, 48, 24, true);
    b.extra("AD_TEXTV.TEXT", 2, "", "zaz.d2d.11.0.ico", 59, 40, 24, 24, true);
    b.extra("AD_TEXTV.FONT", 2, "", "zaz.fnt.00.0.ico", 83, 40, 24, 24, true);
    b.row("AD_TH", 5, "adraw.theight", f(10));
    b.row("AD_TS", 5, "adraw.tscalex", f(1));
    b.row("AD_ROT", 5, "adraw.rotate", f(0));
  } else if (t == "BLOCK") {
    b.row("AD_SCALEX", 5, "adraw.scalex");
    b.row("AD_SCALEY", 5, "adraw.scaley");
    b.row("AD_ROTATE", 5, "adraw.rotate");
  } else if (t == "BGROUP") {
    b.row("AD_BGROUP", 5, "adraw.bgroup", "");
  } else if (t == "DIM.F" || t == "DIM.B" || t == "DIM.G") {
    b.length_angle();
    b.row("AD_DIST", 1, "adraw.distance");
  } else if (t == "DIM.E") {
    b.length_angle();
    b.row("AD_TEXTV", 5, "adraw.text", c.ddraw_text);
  } else if (t == "IMAGE") {
    b.extra("AD_IMAGE", 2, lang_text_("adraw.browse"), "zaz.std.02.0.ico", 0, 0, 108, 32, true);
    b.row("AD_WIDTH", 1, "adraw.width", f(c.image_w));
    b.row("AD_HEIGHT", 1, "adraw.height", f(c.image_h));
  } else if (t == "VSLASH") {
    b.row("AD_DIST", 5, "adraw.distance", f(10));
  } else if (t == "VROUND") {
    b.row("AD_RADIUS", 5, "adraw.radius", f(10));
  } else if (t == "HATCH") {
    b.length_angle();
    b.hatch_button(true);
    b.row("AD_SCALE", 5, "adraw.scale", f(1));
    b.row("AD_ROTATE", 5, "adraw.rotate", f(0));
  }
}

}  // namespace

void ref_adraw_(xcpanelbox_& panel, const adraw_context_rec_& ctx) {
  const int32_t gid = panel.group2gid_("ADRAW");
  if (gid < 1) return;
  panel.erase_group_("ADRAW");
  row_builder b(panel, gid);
  build_rows(b, ctx);
  panel.move2begin_("ADRAW");
  panel.restore_settings_(current_tool_key_(ctx.tool_name));
  const std::string& t = ctx.tool_name;
  if ((t == "DIM.F" || t == "DIM.B" || t == "DIM.G") && panel.valid_item_(3) &&
      text_to_single_(panel.textv_(3)) == 0)
    panel.textv_(3, format_fixed_(10, 2, true));
  panel.refresh_();
}
