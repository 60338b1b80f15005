// Builds the two default stroke fonts, technic_normal and technic_italic, from a single-stroke
// Hershey font (.jhf): ASCII glyphs as drawn, every other printable Windows-1250 character
// composed from those glyphs and a few drawn marks. The italic font is the same design slanted.
//
// Usage: make_stroke_fonts <font.jhf> <output folder>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/fonts/font_file.h"
#include "platform/core/codepage.h"
#include "platform/core/file_io.h"

namespace {

// Hershey coordinates: y grows downwards, baseline at 9, capitals reach up to -12,
// lower-case letters to -5.
constexpr double kBase = 9, kCapTop = -12, kXTop = -5;

struct pt {
  double x, y;
};
using stroke = std::vector<pt>;

struct glyph {
  double left = 0, right = 0;  // advance bounds
  std::vector<stroke> strokes;
  bool empty() const { return strokes.empty(); }
  double min_x() const { return extreme([](pt p) { return p.x; }, true); }
  double max_x() const { return extreme([](pt p) { return p.x; }, false); }
  double top() const { return extreme([](pt p) { return p.y; }, true); }
  double cx() const { return (min_x() + max_x()) / 2; }
  // x of the first topmost point: the stem of d, l, t, L, D.
  double top_x() const {
    const double t = top();
    for (const stroke& s : strokes)
      for (pt p : s)
        if (p.y == t) return p.x;
    return 0;
  }
  template <class F>
  double extreme(F f, bool lowest) const {
    double v = lowest ? 1e9 : -1e9;
    for (const stroke& s : strokes)
      for (pt p : s) v = lowest ? std::min(v, f(p)) : std::max(v, f(p));
    return strokes.empty() ? 0 : v;
  }
  glyph& add(stroke s) {
    strokes.push_back(std::move(s));
    return *this;
  }
  glyph& add(const glyph& g, double scale = 1, double dx = 0, double dy = 0) {
    for (const stroke& s : g.strokes) {
      stroke t;
      for (pt p : s) t.push_back({p.x * scale + dx, p.y * scale + dy});
      strokes.push_back(t);
    }
    return *this;
  }
  glyph& widen(double l, double r) {
    left = std::min(left, l);
    right = std::max(right, r);
    return *this;
  }
};

// Reads a .jhf file: per glyph a 5-column number, a 3-column pair count, then pairs of letters
// (value = letter - 'R'); the first pair holds the advance bounds, " R" lifts the pen.
std::vector<glyph> read_jhf(const std::string& text) {
  std::vector<glyph> out;
  size_t i = 0;
  while (i < text.size()) {
    if (text[i] == '\n' || text[i] == '\r') {
      ++i;
      continue;
    }
    if (i + 8 > text.size()) break;
    int pairs = std::atoi(text.substr(i + 5, 3).c_str());
    i += 8;
    std::string data;
    while (i < text.size() && int(data.size()) < 2 * pairs) {
      if (text[i] != '\n' && text[i] != '\r') data.push_back(text[i]);
      ++i;
    }
    while (i < text.size() && text[i] != '\n') ++i;
    glyph g;
    if (data.size() >= 2) {
      g.left = data[0] - 'R';
      g.right = data[1] - 'R';
    }
    stroke s;
    for (size_t k = 2; k + 1 < data.size(); k += 2) {
      if (data[k] == ' ' && data[k + 1] == 'R') {
        if (s.size() > 1) g.strokes.push_back(s);
        s.clear();
        continue;
      }
      s.push_back({double(data[k] - 'R'), double(data[k + 1] - 'R')});
    }
    if (s.size() > 1) g.strokes.push_back(s);
    out.push_back(g);
  }
  return out;
}

stroke circle(double cx, double cy, double r, int n = 16) {
  stroke s;
  for (int i = 0; i <= n; ++i) {
    double a = 2 * M_PI * i / n;
    s.push_back({cx + r * std::cos(a), cy + r * std::sin(a)});
  }
  return s;
}
stroke dot(double x, double y) { return {{x, y - 1}, {x - 1, y}, {x, y + 1}, {x + 1, y}, {x, y - 1}}; }

enum class mark { acute, caron, circumflex, breve, diaeresis, dot_above, ring, double_acute, ogonek, cedilla };

// Adds a mark whose lowest point is at b, centred on cx (ogonek and cedilla hang below the
// baseline from x = cx).
void add_mark(glyph& g, mark m, double cx, double b) {
  switch (m) {
    case mark::acute: g.add({{cx - 1.5, b}, {cx + 1.5, b - 3.5}}); break;
    case mark::caron: g.add({{cx - 3, b - 3}, {cx, b}, {cx + 3, b - 3}}); break;
    case mark::circumflex: g.add({{cx - 3, b}, {cx, b - 3}, {cx + 3, b}}); break;
    case mark::breve:
      g.add({{cx - 3, b - 3}, {cx - 2.5, b - 1.5}, {cx - 1.5, b - 0.5}, {cx, b}, {cx + 1.5, b - 0.5},
             {cx + 2.5, b - 1.5}, {cx + 3, b - 3}});
      break;
    case mark::diaeresis: g.add(dot(cx - 2.5, b - 1)).add(dot(cx + 2.5, b - 1)); break;
    case mark::dot_above: g.add(dot(cx, b - 1)); break;
    case mark::ring: g.add(circle(cx, b - 2, 2, 12)); break;
    case mark::double_acute:
      g.add({{cx - 3, b}, {cx - 1, b - 3.5}}).add({{cx + 1, b}, {cx + 3, b - 3.5}});
      break;
    case mark::ogonek:
      g.add({{cx, kBase}, {cx - 2, kBase + 1.5}, {cx - 2.5, kBase + 3}, {cx - 1.5, kBase + 4},
             {cx + 0.5, kBase + 4}});
      break;
    case mark::cedilla:
      g.add({{cx, kBase}, {cx, kBase + 1.5}, {cx + 1.5, kBase + 2}, {cx + 2.2, kBase + 3},
             {cx + 1.5, kBase + 4}, {cx - 1.5, kBase + 4.3}});
      break;
  }
}

// A letter with a mark above (or, for ogonek and cedilla, below).
glyph marked(glyph base, mark m) {
  const double top = base.top();
  double x = base.cx();
  if (m == mark::ogonek) x = base.max_x() - (top < kXTop ? 1 : 2);
  add_mark(base, m, x, top - 2);
  return base;
}

// i without its dot, for the marked i's.
glyph dotless(const glyph& i) {
  glyph g = i;
  g.strokes.erase(std::remove_if(g.strokes.begin(), g.strokes.end(),
                                 [](const stroke& s) {
                                   return std::all_of(s.begin(), s.end(), [](pt p) { return p.y < -8; });
                                 }),
                  g.strokes.end());
  return g;
}

// The caron of d, l, t and L: a short stroke right of the stem.
glyph with_apostrophe(glyph g) {
  const double x = g.top_x(), t = g.top();
  g.add({{x + 3, t}, {x + 2, t + 3.5}});
  return g.widen(g.left, std::max(g.right, x + 6));
}

struct composed {
  char32_t cp;
  char base;
  mark m;
};

const composed kMarked[] = {
    {U'Ś', 'S', mark::acute}, {U'ś', 's', mark::acute}, {U'Ź', 'Z', mark::acute}, {U'ź', 'z', mark::acute},
    {U'Ŕ', 'R', mark::acute}, {U'ŕ', 'r', mark::acute}, {U'Á', 'A', mark::acute}, {U'á', 'a', mark::acute},
    {U'Ĺ', 'L', mark::acute}, {U'ĺ', 'l', mark::acute}, {U'Ć', 'C', mark::acute}, {U'ć', 'c', mark::acute},
    {U'É', 'E', mark::acute}, {U'é', 'e', mark::acute}, {U'Í', 'I', mark::acute}, {U'í', 'i', mark::acute},
    {U'Ń', 'N', mark::acute}, {U'ń', 'n', mark::acute}, {U'Ó', 'O', mark::acute}, {U'ó', 'o', mark::acute},
    {U'Ú', 'U', mark::acute}, {U'ú', 'u', mark::acute}, {U'Ý', 'Y', mark::acute}, {U'ý', 'y', mark::acute},
    {U'Š', 'S', mark::caron}, {U'š', 's', mark::caron}, {U'Ž', 'Z', mark::caron}, {U'ž', 'z', mark::caron},
    {U'Č', 'C', mark::caron}, {U'č', 'c', mark::caron}, {U'Ě', 'E', mark::caron}, {U'ě', 'e', mark::caron},
    {U'Ň', 'N', mark::caron}, {U'ň', 'n', mark::caron}, {U'Ř', 'R', mark::caron}, {U'ř', 'r', mark::caron},
    {U'Ť', 'T', mark::caron}, {U'Ď', 'D', mark::caron},
    {U'Â', 'A', mark::circumflex}, {U'â', 'a', mark::circumflex}, {U'Î', 'I', mark::circumflex},
    {U'î', 'i', mark::circumflex}, {U'Ô', 'O', mark::circumflex}, {U'ô', 'o', mark::circumflex},
    {U'Ă', 'A', mark::breve}, {U'ă', 'a', mark::breve},
    {U'Ä', 'A', mark::diaeresis}, {U'ä', 'a', mark::diaeresis}, {U'Ë', 'E', mark::diaeresis},
    {U'ë', 'e', mark::diaeresis}, {U'Ö', 'O', mark::diaeresis}, {U'ö', 'o', mark::diaeresis},
    {U'Ü', 'U', mark::diaeresis}, {U'ü', 'u', mark::diaeresis},
    {U'Ů', 'U', mark::ring}, {U'ů', 'u', mark::ring},
    {U'Ő', 'O', mark::double_acute}, {U'ő', 'o', mark::double_acute}, {U'Ű', 'U', mark::double_acute},
    {U'ű', 'u', mark::double_acute},
    {U'Ż', 'Z', mark::dot_above}, {U'ż', 'z', mark::dot_above},
    {U'Ą', 'A', mark::ogonek}, {U'ą', 'a', mark::ogonek}, {U'Ę', 'E', mark::ogonek}, {U'ę', 'e', mark::ogonek},
    {U'Ç', 'C', mark::cedilla}, {U'ç', 'c', mark::cedilla}, {U'Ş', 'S', mark::cedilla}, {U'ş', 's', mark::cedilla},
    {U'Ţ', 'T', mark::cedilla}, {U'ţ', 't', mark::cedilla},
};

class designer {
 public:
  explicit designer(std::vector<glyph> ascii) : ascii_(std::move(ascii)) {}

  const glyph& at(char c) const {
    static const glyph none;
    size_t i = size_t(uint8_t(c)) - 32;
    return i < ascii_.size() ? ascii_[i] : none;
  }

  glyph make(char32_t cp) const {
    if (cp == '^') {  // the Hershey face draws an arrow here
      glyph g = at('^');
      g.strokes = {{{-4, -6}, {0, kCapTop}, {4, -6}}};
      return g;
    }
    if (cp >= 32 && cp < 127) return at(char(cp));
    for (const composed& c : kMarked)
      if (c.cp == cp) {
        glyph base = at(c.base);
        if (c.base == 'i') base = dotless(base);
        return marked(base, c.m);
      }
    glyph g;
    g.left = -6;
    g.right = 6;
    switch (cp) {
      case U'ď': return with_apostrophe(at('d'));
      case U'ľ': return with_apostrophe(at('l'));
      case U'ť': return with_apostrophe(at('t'));
      case U'Ľ': return with_apostrophe(at('L'));
      case U'Ł': case U'ł': {
        glyph b = at(cp == U'Ł' ? 'L' : 'l');
        double x = b.top_x();
        return b.add({{x - 3, 1}, {x + 3.5, -4.5}});
      }
      case U'Đ': return glyph(at('D')).add({{at('D').top_x() - 3, -1.5}, {at('D').top_x() + 4, -1.5}});
      case U'đ': return glyph(at('d')).add({{at('d').top_x() - 4, -9}, {at('d').top_x() + 2, -9}});
      case U'ß':
        g.left = -9, g.right = 9;
        return g.add({{-5, kBase}, {-5, -7}, {-4, -10}, {-2, -12}, {1, -12}, {3, -11}, {4, -9}, {4, -7},
                      {3, -5}, {0, -4}, {3, -3}, {5, -1}, {5.5, 2}, {5, 5}, {4, 7.5}, {2, kBase}, {-1, kBase}});
      case 0x20AC: {  // euro sign
        glyph c = at('C');
        return c.add({{-10, -3.5}, {2, -3.5}}).add({{-10, 0.5}, {1, 0.5}}).widen(-12, c.right);
      }
      case 0x201A: return at(',');
      case 0x201E: return glyph().add(at(','), 1, -2.5).add(at(','), 1, 2.5).widen(-6, 6);
      case 0x2026: return g.add(dot(-6, 8)).add(dot(0, 8)).add(dot(6, 8)).widen(-9, 9);
      case 0x2020: return g.add({{0, kCapTop}, {0, kBase}}).add({{-4, -6}, {4, -6}});
      case 0x2021: return g.add({{0, kCapTop}, {0, kBase}}).add({{-4, -6}, {4, -6}}).add({{-4, 3}, {4, 3}});
      case 0x2030: {  // per mille: percent sign with a second lower ring
        glyph p = at('%');
        glyph ring;
        ring.strokes.push_back(p.strokes.back());
        return p.add(ring, 1, 8).widen(p.left, p.right + 8);
      }
      case 0x2039: return g.add({{2, -1.5}, {-2, 2}, {2, 5.5}}).widen(-5, 5);
      case 0x203A: return g.add({{-2, -1.5}, {2, 2}, {-2, 5.5}}).widen(-5, 5);
      case 0x2019: return at('\'');
      case 0x2018: return rotated(at('\''));
      case 0x201D: return glyph().add(at('\''), 1, -2).add(at('\''), 1, 2).widen(-6, 6);
      case 0x201C: return glyph().add(rotated(at('\'')), 1, -2).add(rotated(at('\'')), 1, 2).widen(-6, 6);
      case 0x2022: return g.add(circle(0, 2, 2)).add(circle(0, 2, 1, 8)).widen(-5, 5);
      case 0x2013: return g.add({{-10, 0}, {10, 0}}).widen(-12, 12);
      case 0x2014: return g.add({{-16, 0}, {16, 0}}).widen(-17, 17);
      case 0x2122: return glyph().add(at('T'), 0.4, -5, -7.2).add(at('M'), 0.4, 4, -7.2).widen(-11, 11);
      case 0x00A0: return g;  // no-break space, spaced like a space later
      case 0x02C7: add_mark(g, mark::caron, 0, -9); return g;
      case 0x02D8: add_mark(g, mark::breve, 0, -9); return g;
      case 0x02D9: add_mark(g, mark::dot_above, 0, -9); return g;
      case 0x02DD: add_mark(g, mark::double_acute, 0, -9); return g;
      case 0x00B4: add_mark(g, mark::acute, 0, -9); return g;
      case 0x00A8: add_mark(g, mark::diaeresis, 0, -9); return g;
      case 0x00B8: add_mark(g, mark::cedilla, 0, -9); return g;
      case 0x00A4: {
        g.add(circle(0, 0, 4));
        for (int sx : {-1, 1})
          for (int sy : {-1, 1}) g.add({{sx * 2.8, sy * 2.8}, {sx * 5.5, sy * 5.5}});
        return g.widen(-8, 8);
      }
      case 0x00A6: return g.add({{0, kCapTop}, {0, -3}}).add({{0, 1}, {0, kBase + 1}}).widen(-4, 4);
      case 0x00A7: return glyph().add(at('s'), 0.75, 0, -8).add(at('s'), 0.75, 0, 2).widen(-7, 7);
      case 0x00A9: return g.add(circle(0, -1.5, 10, 32)).add(at('C'), 0.5, 0, -1).widen(-12, 12);
      case 0x00AE: return g.add(circle(0, -1.5, 10, 32)).add(at('R'), 0.5, 0, -1).widen(-12, 12);
      case 0x00AB: return g.add({{0, -1.5}, {-4, 2}, {0, 5.5}}).add({{4, -1.5}, {0, 2}, {4, 5.5}}).widen(-7, 7);
      case 0x00BB: return g.add({{-4, -1.5}, {0, 2}, {-4, 5.5}}).add({{0, -1.5}, {4, 2}, {0, 5.5}}).widen(-7, 7);
      case 0x00AC: return g.add({{-8, -1}, {8, -1}, {8, 4}}).widen(-10, 10);
      case 0x00AD: return at('-');
      case 0x00B0: return g.add(circle(0, -9.5, 2.5)).widen(-5, 5);
      case 0x00B1: return g.add({{0, -9}, {0, 3}}).add({{-8, -3}, {8, -3}}).add({{-8, kBase}, {8, kBase}}).widen(-11, 11);
      case 0x00B5: {
        glyph u = at('u');
        return u.add({{u.min_x(), 3}, {u.min_x(), 16}});
      }
      case 0x00B6:
        return g.add({{2, kCapTop}, {2, kBase}}).add({{6, kCapTop}, {6, kBase}})
            .add({{6, kCapTop}, {-1, kCapTop}, {-3, -11}, {-4, -9}, {-4, -5}, {-3, -3}, {-1, -2}, {2, -2}})
            .widen(-7, 9);
      case 0x00B7: return g.add(dot(0, 2)).widen(-4, 4);
      case 0x00D7: return g.add({{-5, -5}, {5, 5}}).add({{5, -5}, {-5, 5}}).widen(-8, 8);
      case 0x00F7: return g.add({{-8, 0}, {8, 0}}).add(dot(0, -5)).add(dot(0, 5)).widen(-11, 11);
      default: return glyph{};
    }
  }

 private:
  // Turned half a turn about its centre: a closing quote becomes an opening one.
  static glyph rotated(const glyph& g) {
    double cx = g.cx(), cy = (g.top() + g.extreme([](pt p) { return p.y; }, false)) / 2;
    glyph r = g;
    for (stroke& s : r.strokes)
      for (pt& p : s) p = {2 * cx - p.x, 2 * cy - p.y};
    return r;
  }
  std::vector<glyph> ascii_;
};

// The code the dimension texts use for the diameter mark.
constexpr int kDiameterCode = 178;

glyph diameter_mark() {
  glyph g;
  g.left = -11, g.right = 11;
  return g.add(circle(0, -1.5, 7, 24)).add({{-8.5, 7.5}, {8.5, -10.5}});
}

font_rec_ build_font(const designer& d, double slant) {
  font_rec_ f;
  auto put = [&](int code, const glyph& g) {
    glyph_rec_& r = f.glyphs[size_t(code)];
    r = glyph_rec_{};
    double x0 = 1e9, x1 = -1e9, y0 = 1e9, y1 = -1e9;
    for (const stroke& s : g.strokes) {
      glyph_contour_rec_ c;
      for (pt p : s) {
        double y = kBase - p.y;  // y up from the baseline
        double x = p.x - g.left + slant * y;
        c.points.push_back({float(x), float(y)});
        x0 = std::min(x0, x), x1 = std::max(x1, x), y0 = std::min(y0, y), y1 = std::max(y1, y);
      }
      r.contours.push_back(std::move(c));
    }
    if (!g.strokes.empty()) {
      r.box_width = float(x1 - x0);
      r.box_height = float(y1 - y0);
    }
    r.advance_x = float(g.right - g.left);
  };
  for (int code = 33; code < 256; ++code) {
    char32_t cp = cp1250_to_unicode_(uint8_t(code));
    if (code == 127 || cp == 0) continue;
    put(code, code == kDiameterCode ? diameter_mark() : d.make(cp));
  }
  const glyph_rec_& x = f.glyphs[88];
  f.height = x.box_height;
  // Spaces advance as the painter spaces them: three quarters of the width of "X".
  for (int code : {32, 160}) {
    f.glyphs[size_t(code)] = glyph_rec_{};
    f.glyphs[size_t(code)].advance_x = 0.75f * x.box_width;
  }
  return f;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s <font.jhf> <output folder>\n", argv[0]);
    return 2;
  }
  std::optional<std::string> text = read_file_bytes_(argv[1], 1 << 24);
  if (!text) {
    std::fprintf(stderr, "cannot read %s\n", argv[1]);
    return 1;
  }
  std::vector<glyph> ascii = read_jhf(*text);
  if (ascii.size() < 95) {
    std::fprintf(stderr, "%s: %zu glyphs, expected the 95 printable ASCII characters\n", argv[1],
                 ascii.size());
    return 1;
  }
  designer d(std::move(ascii));
  std::filesystem::create_directories(argv[2]);
  const std::string dir = std::string(argv[2]) + "/";
  const double italic_slant = std::tan(15.0 * M_PI / 180.0);
  if (!save_stroke_font_(dir + "technic_normal", build_font(d, 0)) ||
      !save_stroke_font_(dir + "technic_italic", build_font(d, italic_slant))) {
    std::fprintf(stderr, "cannot write the fonts into %s\n", argv[2]);
    return 1;
  }
  return 0;
}
