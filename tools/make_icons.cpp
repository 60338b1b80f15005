// Draws the program's icons and pointers from the small vector descriptions in icons.txt and
// writes them beside the program: every icon file holds 16, 32 and 48 pixel pictures, every
// pointer one 32 pixel picture with its hot spot. A description that cannot be read stops the
// whole run with a message naming the file and line, so a broken description never ships.
//
// Usage: make_icons <descriptions> <icons folder>   (pointers go to <icons folder>/cursors)
//
// The description language, one statement per line, '#' starting a comment:
//   family <name> <accent>            accent colour of the icons that follow
//   shape <name> ... end              a reusable piece, placed with "use"
//   icon <file> [<file> ...] ... end  one picture written to each named file
//   cursor <file> <hot x> <hot y> ... end   a pointer (hot spot in pixels of its 32 px picture)
// Inside a block, coordinates are on a 16 x 16 grid (pixel centres at .5) scaled to each size:
//   line x1 y1 x2 y2 | poly x y x y ... | polygon x y ... | fill x y ...
//   rect x y w h | box x y w h | circle cx cy r | disc cx cy r | ellipse cx cy rx ry
//   oval cx cy rx ry (filled) | arc cx cy r from to (degrees, counter-clockwise from east)
//   curve x0 y0 x1 y1 x2 y2 x3 y3 | head kind x y angle size [side] (a dimension arrowhead at
//   the tip x y on a line of that angle, its body on the side 1 (along the angle, the default)
//   or -1 (against it); half arrows keep their wing left of the angle either way)
//   | use name [dx dy]
// followed by options: a colour (ink, accent, tint, paper, white, black, grey, light, red,
// green, yellow, #rrggbb, #aarrggbb), w<width> in grid units, dash, dot, dashdot, dashdotdot.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "platform/core/file_io.h"
#include "platform/gdiplus/graphics.h"
#include "platform/services/picture_file.h"

namespace {

constexpr uint32_t kInk = 0xFF37474Fu;
constexpr uint32_t kPaper = 0xFFFFFFFFu;
constexpr double kPi = 3.14159265358979323846;

enum class op_ { line, poly, polygon, fill, rect, box, circle, disc, ellipse, oval, arc, curve, head, use };

struct statement {
  op_ op;
  std::vector<float> v;
  std::string name;        // of "use"
  uint32_t colour = 0;     // 0: the primitive's default
  bool accent = false;     // colour follows the family accent
  bool tint = false;       // colour is the accent's light tint
  float width = 1.0f;
  gp_dash_ dash = gp_dash_::solid_;
  int line_no = 0;
};

struct block {
  std::vector<std::string> files;
  std::vector<statement> body;
  uint32_t accent = 0xFF1976D2u;
  bool cursor = false;
  int hot_x = 0, hot_y = 0;
  int line_no = 0;
};

struct description {
  std::map<std::string, block> shapes;
  std::vector<block> pictures;
};

std::string g_source;  // the description file, for messages

[[noreturn]] void fail(int line_no, const std::string& what) {
  std::fprintf(stderr, "%s:%d: %s\n", g_source.c_str(), line_no, what.c_str());
  std::exit(1);
}

bool parse_number(const std::string& s, float& out) {
  if (s.empty()) return false;
  char* end = nullptr;
  const double d = std::strtod(s.c_str(), &end);
  if (end != s.c_str() + s.size() || !std::isfinite(d) || std::fabs(d) > 1000) return false;
  out = float(d);
  return true;
}

bool parse_colour(const std::string& s, uint32_t& out) {
  static const std::map<std::string, uint32_t> named = {
      {"ink", kInk},           {"paper", kPaper},       {"white", 0xFFFFFFFFu},
      {"black", 0xFF000000u},  {"grey", 0xFF90A4AEu},   {"light", 0xFFCFD8DCu},
      {"red", 0xFFE53935u},    {"green", 0xFF43A047u},  {"yellow", 0xFFFBC02Du}};
  auto it = named.find(s);
  if (it != named.end()) {
    out = it->second;
    return true;
  }
  if (s.size() != 7 && s.size() != 9) return false;
  if (s[0] != '#') return false;
  uint32_t v = 0;
  for (size_t i = 1; i < s.size(); ++i) {
    const char c = s[i];
    int d = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
    if (d < 0) return false;
    v = v * 16 + uint32_t(d);
  }
  out = s.size() == 7 ? 0xFF000000u | v : v;
  return true;
}

// Numbers each operation takes: exact, or at least (negative) with a step for the rest.
struct arity {
  int count;
  int step;
};

const std::map<std::string, std::pair<op_, arity>>& ops() {
  static const std::map<std::string, std::pair<op_, arity>> m = {
      {"line", {op_::line, {4, 0}}},       {"poly", {op_::poly, {-4, 2}}},
      {"polygon", {op_::polygon, {-6, 2}}}, {"fill", {op_::fill, {-6, 2}}},
      {"rect", {op_::rect, {4, 0}}},       {"box", {op_::box, {4, 0}}},
      {"circle", {op_::circle, {3, 0}}},   {"disc", {op_::disc, {3, 0}}},
      {"ellipse", {op_::ellipse, {4, 0}}}, {"oval", {op_::oval, {4, 0}}},
      {"arc", {op_::arc, {5, 0}}},         {"curve", {op_::curve, {8, 0}}},
      {"head", {op_::head, {-5, 1}}}};
  return m;
}

statement parse_statement(const std::vector<std::string>& words, int line_no, const description& d) {
  statement st;
  st.line_no = line_no;
  size_t i = 1;
  if (words[0] == "use") {
    st.op = op_::use;
    if (words.size() < 2) fail(line_no, "use needs a shape name");
    st.name = words[1];
    if (!d.shapes.count(st.name)) fail(line_no, "unknown shape '" + st.name + "'");
    i = 2;
    float x = 0;
    while (i < words.size() && parse_number(words[i], x)) st.v.push_back(x), ++i;
    if (st.v.size() != 0 && st.v.size() != 2) fail(line_no, "use takes no offset or dx dy");
    if (i < words.size()) fail(line_no, "use takes no options ('" + words[i] + "')");
  } else {
    auto it = ops().find(words[0]);
    if (it == ops().end()) fail(line_no, "unknown statement '" + words[0] + "'");
    st.op = it->second.first;
    float x = 0;
    while (i < words.size() && parse_number(words[i], x)) st.v.push_back(x), ++i;
    const arity a = it->second.second;
    const int n = int(st.v.size());
    const bool ok = a.count >= 0 ? n == a.count : n >= -a.count && (n + a.count) % a.step == 0;
    if (!ok) fail(line_no, "'" + words[0] + "' has the wrong number of values");
    if (st.op == op_::head && (st.v[0] < 0 || st.v[0] > 19 || st.v[0] != std::floor(st.v[0])))
      fail(line_no, "arrowhead kind must be 0 to 19");
    if (st.op == op_::head && (n > 6 || (n == 6 && st.v[5] != 1 && st.v[5] != -1)))
      fail(line_no, "arrowhead takes kind, x, y, angle, size and an optional side of 1 or -1");
  }
  for (; i < words.size(); ++i) {
    const std::string& w = words[i];
    uint32_t c = 0;
    float f = 0;
    if (w == "accent") st.accent = true;
    else if (w == "tint") st.tint = true;
    else if (w == "dash") st.dash = gp_dash_::dash_;
    else if (w == "dot") st.dash = gp_dash_::dot_;
    else if (w == "dashdot") st.dash = gp_dash_::dash_dot_;
    else if (w == "dashdotdot") st.dash = gp_dash_::dash_dot_dot_;
    else if (w.size() > 1 && w[0] == 'w' && parse_number(w.substr(1), f) && f > 0 && f <= 8) st.width = f;
    else if (parse_colour(w, c)) st.colour = c;
    else fail(line_no, "unknown option '" + w + "'");
  }
  return st;
}

description parse(const std::string& text) {
  description d;
  std::istringstream in(text);
  std::string raw;
  int line_no = 0;
  uint32_t accent = 0xFF1976D2u;
  block* open = nullptr;
  block shape_block;
  std::string shape_name;
  std::set<std::string> files_seen;
  while (std::getline(in, raw)) {
    ++line_no;
    // A '#' that begins a word starts a comment unless it is a colour.
    std::istringstream words_in(raw);
    std::vector<std::string> words;
    std::string w;
    while (words_in >> w) {
      uint32_t c = 0;
      if (w[0] == '#' && !parse_colour(w, c)) break;
      words.push_back(w);
    }
    if (words.empty()) continue;
    const std::string& head = words[0];
    if (head == "end") {
      if (!open) fail(line_no, "'end' without a block");
      if (open->body.empty()) fail(line_no, "empty block");
      if (open == &shape_block) d.shapes[shape_name] = shape_block;
      open = nullptr;
      continue;
    }
    if (head == "family" || head == "shape" || head == "icon" || head == "cursor") {
      if (open) fail(line_no, "'" + head + "' inside a block (missing 'end')");
      if (head == "family") {
        if (words.size() != 3 || !parse_colour(words[2], accent)) fail(line_no, "family needs a name and a colour");
      } else if (head == "shape") {
        if (words.size() != 2) fail(line_no, "shape needs one name");
        shape_name = words[1];
        if (d.shapes.count(shape_name)) fail(line_no, "shape '" + shape_name + "' defined twice");
        shape_block = block{};
        shape_block.line_no = line_no;
        open = &shape_block;
      } else {
        block b;
        b.accent = accent;
        b.line_no = line_no;
        b.cursor = head == "cursor";
        size_t last = words.size();
        if (b.cursor) {
          float x = 0, y = 0;
          if (words.size() != 4 || !parse_number(words[2], x) || !parse_number(words[3], y) || x < 0 || y < 0 ||
              x > 31 || y > 31 || x != std::floor(x) || y != std::floor(y))
            fail(line_no, "cursor needs a file and a hot spot inside 32 x 32");
          b.hot_x = int(x), b.hot_y = int(y);
          last = 2;
        }
        for (size_t i = 1; i < last; ++i) {
          const std::string& f = words[i];
          const std::string ext = b.cursor ? ".cur" : ".ico";
          if (f.size() <= ext.size() || f.compare(f.size() - ext.size(), ext.size(), ext) != 0 ||
              f.find('/') != std::string::npos || f.find('\\') != std::string::npos)
            fail(line_no, "'" + f + "' is not a plain " + ext + " file name");
          if (!files_seen.insert(f).second) fail(line_no, "'" + f + "' described twice");
          b.files.push_back(f);
        }
        if (b.files.empty()) fail(line_no, "icon names no file");
        d.pictures.push_back(b);
        open = &d.pictures.back();
      }
      continue;
    }
    if (!open) fail(line_no, "'" + head + "' outside a block");
    open->body.push_back(parse_statement(words, line_no, d));
  }
  if (open) fail(line_no, "missing 'end' at the end of the file");
  if (d.pictures.empty()) fail(line_no, "no icons described");
  return d;
}

// ---- Painting ----------------------------------------------------------------------------

struct painter {
  graphics_& g;
  const description& d;
  uint32_t accent;
  bool halo;        // pointers: a white outline pass under the picture
  int depth = 0;    // of nested shapes

  uint32_t tint_of(uint32_t a) const {
    auto mix = [&](int shift) { return ((((a >> shift) & 0xFFu) * 30 + 255u * 70) / 100) << shift; };
    return 0xFF000000u | mix(16) | mix(8) | mix(0);
  }
  uint32_t colour(const statement& st, uint32_t fallback) const {
    if (halo) return 0xFFFFFFFFu;
    if (st.accent) return accent;
    if (st.tint) return tint_of(accent);
    return st.colour ? st.colour : fallback;
  }
  gp_pen_ pen(const statement& st, uint32_t fallback) const {
    gp_pen_ p;
    p.argb = colour(st, fallback);
    p.width = st.width + (halo ? 1.0f : 0.0f);
    p.dash = halo ? gp_dash_::solid_ : st.dash;
    p.join = gp_join_::round_;
    return p;
  }
  static std::vector<gp_point_> points(const std::vector<float>& v, size_t from, float dx, float dy) {
    std::vector<gp_point_> pts;
    for (size_t i = from; i + 1 < v.size(); i += 2) pts.push_back({v[i] + dx, v[i + 1] + dy});
    return pts;
  }
  // Closed figures: filled, then outlined (halo pass: outlined wide in white only).
  void filled(const statement& st, const std::vector<gp_point_>& pts, uint32_t fallback) {
    if (halo) {
      g.fill_polygon_(0xFFFFFFFFu, pts.data(), pts.size());
      g.draw_polygon_(pen(st, fallback), pts.data(), pts.size());
    } else {
      g.fill_polygon_(colour(st, fallback), pts.data(), pts.size());
    }
  }
  void arrowhead(const statement& st, float dx, float dy) {
    const int kind = int(st.v[0]);
    const float tx = st.v[1] + dx, ty = st.v[2] + dy, s = st.v[4];
    const double a = st.v[3] * kPi / 180.0, side = st.v.size() == 6 ? st.v[5] : 1.0;
    // Screen y grows downwards: angles turn counter-clockwise as seen, and n is u turned a
    // quarter counter-clockwise as seen. The side flips the body along the line, never n.
    const double ux = std::cos(a), uy = -std::sin(a), nx = uy, ny = -ux;
    const gp_point_ tip{tx, ty};
    auto at = [&](double along, double across) {
      return gp_point_{float(tx + side * along * ux + across * nx), float(ty + side * along * uy + across * ny)};
    };
    const uint32_t c = colour(st, kInk);
    const gp_pen_ p = pen(st, kInk);
    auto closed = [&](const std::vector<gp_point_>& pts, bool solid) {
      if (solid || halo) g.fill_polygon_(c, pts.data(), pts.size());
      else g.fill_polygon_(kPaper, pts.data(), pts.size());
      g.draw_polygon_(p, pts.data(), pts.size());
    };
    auto open = [&](const std::vector<gp_point_>& pts) { g.draw_lines_(p, pts.data(), pts.size()); };
    if (kind >= 1 && kind <= 9) {
      static const float L[] = {2, 2, 2, 2, 2, 2, 1, 1, 1}, W[] = {.25f, .25f, .25f, .5f, .2f, .5f, 1, 1, 1};
      const float l = L[kind - 1] * s, w = W[kind - 1] * s;
      const int style = (kind - 1) % 3;  // 0 filled, 1 open, 2 hollow (kind 5 is open)
      const std::vector<gp_point_> tri = {tip, at(l, w), at(l, -w)};
      if (style == 1) open({at(l, w), tip, at(l, -w)});
      else closed(tri, style == 0);
    } else if (kind == 10) {
      // The stroke lies at 45 degrees to the line whatever the side.
      const double r = s * 0.7071;
      const gp_point_ e[] = {{float(tx + r * (ux + nx)), float(ty + r * (uy + ny))},
                             {float(tx - r * (ux + nx)), float(ty - r * (uy + ny))}};
      g.draw_lines_(p, e, 2);
    } else if (kind == 11 || kind == 12 || kind == 19) {
      const float r = s / 2;
      if (kind == 12 || halo) g.fill_ellipse_(c, tx - r, ty - r, 2 * r, 2 * r);
      else g.fill_ellipse_(kPaper, tx - r, ty - r, 2 * r, 2 * r);
      g.draw_ellipse_(p, tx - r, ty - r, 2 * r, 2 * r);
    } else if (kind >= 13 && kind <= 18) {
      const float w = kind <= 15 ? s : -s;
      const int style = (kind - 13) % 3;
      if (style == 1) open({at(s, w), tip, at(s, 0)});
      else closed({tip, at(s, w), at(s, 0)}, style == 0);
    }
  }
  void run(const block& b, float dx, float dy) {
    for (const statement& st : b.body) draw(st, dx, dy);
  }
  void draw(const statement& st, float dx, float dy) {
    const std::vector<float>& v = st.v;
    switch (st.op) {
      case op_::line: {
        const gp_point_ pts[] = {{v[0] + dx, v[1] + dy}, {v[2] + dx, v[3] + dy}};
        g.draw_lines_(pen(st, kInk), pts, 2);
        break;
      }
      case op_::poly: {
        auto pts = points(v, 0, dx, dy);
        g.draw_lines_(pen(st, kInk), pts.data(), pts.size());
        break;
      }
      case op_::polygon: {
        auto pts = points(v, 0, dx, dy);
        g.draw_polygon_(pen(st, kInk), pts.data(), pts.size());
        break;
      }
      case op_::fill: filled(st, points(v, 0, dx, dy), tint_of(accent)); break;
      case op_::rect: {
        const gp_point_ pts[] = {{v[0] + dx, v[1] + dy}, {v[0] + v[2] + dx, v[1] + dy},
                                 {v[0] + v[2] + dx, v[1] + v[3] + dy}, {v[0] + dx, v[1] + v[3] + dy}};
        g.draw_polygon_(pen(st, kInk), pts, 4);
        break;
      }
      case op_::box: {
        const std::vector<gp_point_> pts = {{v[0] + dx, v[1] + dy}, {v[0] + v[2] + dx, v[1] + dy},
                                            {v[0] + v[2] + dx, v[1] + v[3] + dy}, {v[0] + dx, v[1] + v[3] + dy}};
        filled(st, pts, tint_of(accent));
        break;
      }
      case op_::circle: g.draw_ellipse_(pen(st, kInk), v[0] - v[2] + dx, v[1] - v[2] + dy, 2 * v[2], 2 * v[2]); break;
      case op_::ellipse: g.draw_ellipse_(pen(st, kInk), v[0] - v[2] + dx, v[1] - v[3] + dy, 2 * v[2], 2 * v[3]); break;
      case op_::disc:
      case op_::oval: {
        const float rx = v[2], ry = st.op == op_::disc ? v[2] : v[3];
        const uint32_t c = colour(st, kInk);
        if (halo) g.draw_ellipse_(pen(st, kInk), v[0] - rx + dx, v[1] - ry + dy, 2 * rx, 2 * ry);
        g.fill_ellipse_(c, v[0] - rx + dx, v[1] - ry + dy, 2 * rx, 2 * ry);
        break;
      }
      case op_::arc: {
        std::vector<gp_point_> pts;
        const double a0 = v[3], a1 = v[4] < v[3] ? v[4] + 360 : v[4];
        const int n = std::max(2, int(std::ceil((a1 - a0) / 6)));
        for (int i = 0; i <= n; ++i) {
          const double a = (a0 + (a1 - a0) * i / n) * kPi / 180;
          pts.push_back({float(v[0] + dx + v[2] * std::cos(a)), float(v[1] + dy - v[2] * std::sin(a))});
        }
        g.draw_lines_(pen(st, kInk), pts.data(), pts.size());
        break;
      }
      case op_::curve: {
        auto pts = points(v, 0, dx, dy);
        g.draw_beziers_(pen(st, kInk), pts.data(), pts.size());
        break;
      }
      case op_::head: arrowhead(st, dx, dy); break;
      case op_::use: {
        if (++depth > 8) fail(st.line_no, "shapes nested too deeply");
        run(d.shapes.at(st.name), dx + (v.empty() ? 0 : v[0]), dy + (v.empty() ? 0 : v[1]));
        --depth;
        break;
      }
    }
  }
};

// One picture of size pixels, straight (not premultiplied) alpha.
picture_image_rec_ render(const description& d, const block& b, int size) {
  surface_ s(size, size, surface_kind_::alpha_);
  {
    graphics_ g(s);
    if (!g.valid_()) fail(b.line_no, "no graphics for " + b.files[0]);
    g.set_smoothing_(true);
    const double k = size / 16.0;
    g.set_transform_(k, 0, 0, k, 0, 0);
    // The outermost ring of pixels stays clear at every size.
    g.set_clip_rect_(pixel_rect_{1, 1, size - 1, size - 1});
    if (b.cursor) {
      painter{g, d, b.accent, true}.run(b, 0, 0);
    }
    painter{g, d, b.accent, false}.run(b, 0, 0);
  }
  picture_image_rec_ im;
  im.width = im.height = size;
  im.argb.resize(size_t(size) * size_t(size));
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) {
      const uint32_t p = s.argb_(x, y), a = p >> 24;
      uint32_t out = 0;
      if (a) {
        auto un = [&](int shift) { return std::min(255u, (((p >> shift) & 0xFFu) * 255u + a / 2) / a) << shift; };
        out = (a << 24) | un(16) | un(8) | un(0);
      }
      im.argb[size_t(y) * size_t(size) + size_t(x)] = out;
    }
  return im;
}

bool any_ink(const picture_image_rec_& im) {
  for (uint32_t p : im.argb)
    if (p >> 24) return true;
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: make_icons <descriptions> <icons folder>\n");
    return 2;
  }
  g_source = argv[1];
  const std::optional<std::string> text = read_file_bytes_(argv[1], 1u << 22);
  if (!text) fail(0, "cannot read the descriptions");
  const description d = parse(*text);
  const std::filesystem::path folder = argv[2], cursors = folder / "cursors";
  std::error_code ec;
  std::filesystem::create_directories(cursors, ec);
  if (ec) fail(0, "cannot make " + cursors.string());
  for (const block& b : d.pictures) {
    std::vector<picture_image_rec_> images;
    for (int size : b.cursor ? std::vector<int>{32} : std::vector<int>{16, 32, 48}) {
      images.push_back(render(d, b, size));
      if (!any_ink(images.back())) fail(b.line_no, b.files[0] + " draws nothing at " + std::to_string(size) + " px");
    }
    for (const std::string& f : b.files) {
      const bool ok = b.cursor ? save_cursor_file_((cursors / f).string(), images[0], b.hot_x, b.hot_y)
                               : save_icon_file_((folder / f).string(), images);
      if (!ok) fail(b.line_no, "cannot write " + f);
    }
  }
  return 0;
}
