// GrafZAZ text drawings: read and checked whole first, then built into a new drawing, so a
// broken file leaves the current drawing as it was.
#include <algorithm>
#include <cmath>
#include <map>
#include <optional>

#include "engine/zaz_class.h"
#include "exchange/dxf_values.h"
#include "exchange/engine_bridge.h"
#include "platform/core/codepage.h"
#include "platform/core/file_io.h"
#include "shell/files.h"
#include "shell/language.h"

using namespace exchange_;

namespace {

constexpr int32_t max_items_ = 32767;  // points, triangles or segments of one record

// Lines end at CR LF or a lone CR; a lone LF is part of the line.
struct gz_lines_ {
  std::string_view data;
  size_t pos = 0;
  bool next(std::string_view& line) {
    if (pos >= data.size()) return false;
    const size_t end = data.find('\r', pos);
    if (end == std::string_view::npos) {
      line = data.substr(pos);
      pos = data.size();
    } else {
      line = data.substr(pos, end - pos);
      pos = end + ((end + 1 < data.size() && data[end + 1] == '\n') ? 2 : 1);
    }
    return true;
  }
};

std::string_view trim_spaces(std::string_view s) {
  size_t a = 0, b = s.size();
  while (a < b && s[a] == ' ') ++a;
  while (b > a && s[b - 1] == ' ') --b;
  return s.substr(a, b - a);
}

std::string_view mid(std::string_view s, size_t from, size_t len) {
  return from >= s.size() ? std::string_view() : s.substr(from, len);
}

// The text of a code-3 record: the program's Polish letters at 0x80..0x98, else the code page.
std::string gz_text(std::string_view bytes) {
  static constexpr char32_t letters_[25] = {
      0x104, 0x106, 0x118, 0x141, 0x143, 0xD3,  0x15A, 0x179, 0x17B, 0, 0, 0, 0,
      0,     0,     0,     0x105, 0x107, 0x119, 0x142, 0x144, 0xF3,  0x15B, 0x17A, 0x17C};
  std::string out;
  for (char ch : bytes) {
    const auto b = static_cast<uint8_t>(ch);
    const char32_t l = (b >= 0x80 && b <= 0x98) ? letters_[b - 0x80] : 0;
    if (l) utf8_append_(out, l);
    else out += cp1250_to_utf8_(std::string_view(&ch, 1));
  }
  return out;
}

struct gz_record_ {
  int32_t code = 0;
  int32_t layer = 0;
  int32_t color = color_auto_;
  int16_t style = 0;
  int16_t width = 1;
  int32_t group = 0;
  std::vector<double> values;
  std::string text;
};

struct gz_file_ {
  bool layers_seen = false;
  bool ensure_layer = false;
  std::vector<std::string> layers;
  std::vector<gz_record_> records;
};

int32_t map_color(int32_t i) {
  static constexpr int32_t colors_[7] = {color_auto_, 0xFF5000, 0x9600FF, 0x800000,
                                         0x00C8FF,    0x00C800, 0x0000FF};
  return (i >= 0 && i <= 6) ? colors_[i] : color_auto_;
}
int16_t map_style(int16_t i) {
  static constexpr int16_t styles_[4] = {0, 1, 3, 2};
  return (i >= 0 && i <= 3) ? styles_[i] : 1;
}
int16_t map_width(int16_t i) {
  static constexpr int16_t widths_[10] = {1, 1, 1, 2, 2, 3, 3, 4, 4, 5};
  return (i >= 0 && i <= 9) ? widths_[i] : 1;
}

bool whole(std::string_view s, int32_t& out) { return dxf_whole_(s, out); }

// Value lines of each code; nullopt for codes that make nothing.
std::optional<int64_t> value_lines(int32_t code, int32_t count) {
  switch (code) {
    case 0: case 244: return 2;
    case 1: case 9: return 2 * int64_t(count / 2);
    case 3: case 7: return 7;
    case 4: case 8: return 4;
    case 5: case 16: return 5;
    case 15: return 3;
    case 128: return 6 * int64_t((count / 2) / 3);
    case 129: return 5 + 5 * int64_t((count - 5) / 5);
    default: return std::nullopt;
  }
}

bool parse(std::string_view data, gz_file_& f) {
  gz_lines_ in{data};
  std::string_view raw;
  while (in.next(raw)) {
    std::string_view last = trim_spaces(raw);
    std::string last_name;
    if (last.substr(0, 9) == "CZCIONKI ") {
      int32_t n = 0;
      if (!whole(mid(last, 8, 255), n)) return false;
      for (int32_t i = 0; i < n; ++i)
        if (!in.next(last)) return false;
    } else if (last.substr(0, 8) == "WARSTWY ") {
      int32_t n = 0;
      if (!whole(mid(last, 7, 255), n)) return false;
      f.layers_seen = true;
      if (n < 1) f.ensure_layer = true;
      for (int32_t i = 0; i < n; ++i) {
        std::string_view l;
        if (!in.next(l)) return false;
        l = trim_spaces(l);
        const size_t sp = l.find(' ');
        last_name = std::string(trim_spaces(mid(l, sp == std::string_view::npos ? 3 : sp + 4, 255)));
        f.layers.push_back(last_name);
        last = last_name;
      }
    }
    if (std::count(last.begin(), last.end(), ' ') < 8) continue;
    std::vector<std::string_view> fields;
    for (size_t a = 0;;) {
      const size_t b = last.find(' ', a);
      fields.push_back(last.substr(a, b == std::string_view::npos ? std::string_view::npos : b - a));
      if (b == std::string_view::npos) break;
      a = b + 1;
    }
    int32_t h[8] = {};
    for (int i = 0; i < 8; ++i)
      if (!whole(fields[static_cast<size_t>(i)], h[i])) return false;
    const auto lines = value_lines(h[0], h[1]);
    if (!lines) continue;
    if (h[0] != 244 && (h[3] < INT16_MIN || h[3] > INT16_MAX || h[4] < INT16_MIN || h[4] > INT16_MAX))
      return false;
    const int64_t items = h[0] == 129 ? (*lines - 5) / 5 : h[0] == 128 ? *lines / 6 : *lines / 2;
    if (items > max_items_) return false;
    gz_record_ r;
    r.code = h[0];
    r.layer = h[2];
    r.group = h[7];
    int16_t style = static_cast<int16_t>(r.code == 3 ? 0 : h[4]);
    r.color = map_color(h[5]);
    r.style = (h[5] >= 0 && h[5] <= 6) ? map_style(style) : 0;
    r.width = map_width(static_cast<int16_t>(h[3]));
    const int64_t numbers = r.code == 3 ? 6 : *lines;
    for (int64_t i = 0; i < numbers; ++i) {
      std::string_view v;
      if (!in.next(v)) return false;
      r.values.push_back(dxf_number_(v));
    }
    if (r.code == 3) {
      std::string_view t;
      if (!in.next(t)) return false;
      r.text = gz_text(t);
    }
    f.records.push_back(std::move(r));
  }
  return true;
}

float v32(const gz_record_& r, size_t i) { return f32_(r.values[i]); }

// Sets an elliptical arc's radii and box after it was added as a circular one.
void make_elliptic(zaz_class_& e, int32_t rec, float rx, float ry) {
  if (rec < 1 || e.object_(rec).type != ot_arc_) return;
  object_rec_& o = e.object_(rec);
  if (o.index < 1 || static_cast<size_t>(o.index) >= e.store.live.arcs.size()) return;
  arc_rec_& a = e.store.live.arcs[static_cast<size_t>(o.index)];
  a.rx = rx, a.ry = ry;
  e.conic_box_(a, 0.05f, o);
}

// Objects of one record; each record number made goes to `made`.
void build(zaz_class_& e, const gz_record_& r, std::vector<int32_t>& made) {
  const int32_t c = r.color, l = r.layer;
  const int16_t s = r.style, w = r.width;
  const auto keep = [&](int32_t rec) {
    if (rec > 0) made.push_back(rec);
  };
  const auto polyline = [&](size_t from, size_t pairs) {
    e.vertex_clear_(false_);
    for (size_t i = 0; i < pairs; ++i) e.vertex_add_(v32(r, from + 2 * i), v32(r, from + 2 * i + 1), 0, false_);
  };
  switch (r.code) {
    case 0: keep(e.add_point_(v32(r, 0), v32(r, 1), 0, 5, c, s, w, l)); break;
    case 1: polyline(0, r.values.size() / 2); keep(e.add_polyline_(c, s, w, l, 0)); break;
    case 9: polyline(0, r.values.size() / 2); keep(e.add_polygon_(c, color_none_, s, w, l, 0)); break;
    case 3:
      keep(bridge_add_text_(e, r.text, 1, v32(r, 0), v32(r, 1), v32(r, 3), 1, v32(r, 5), c, 0, w, l));
      break;
    case 4: {
      const double a = r.values[3] * 3.1415927 / 180;
      keep(e.add_line_(v32(r, 0), v32(r, 1), f32_(r.values[0] + r.values[2] * std::cos(a)),
                       f32_(r.values[1] - r.values[2] * std::sin(a)), c, s, w, l, 0));
      break;
    }
    case 5: {
      const double x = r.values[0], y = r.values[1], hw = r.values[2] / 2, hh = r.values[3] / 2;
      e.vertex_clear_(false_);
      e.vertex_add_(f32_(x - hw), f32_(y - hh), 0, false_);
      e.vertex_add_(f32_(x + hw), f32_(y - hh), 0, false_);
      e.vertex_add_(f32_(x + hw), f32_(y + hh), 0, false_);
      e.vertex_add_(f32_(x - hw), f32_(y + hh), 0, false_);
      keep(e.add_polygon_(c, color_none_, s, w, l, 0));
      break;
    }
    case 7:
      if (r.values[5] == r.values[6]) {
        keep(e.add_ellipse_(v32(r, 0), v32(r, 1), v32(r, 2), v32(r, 3), v32(r, 4), c, color_none_, s, w, l));
      } else {
        const int32_t rec = e.add_arc_(v32(r, 0), v32(r, 1), v32(r, 2), v32(r, 2), v32(r, 4),
                                       v32(r, 5), v32(r, 6), c, color_none_, s, w, l);
        make_elliptic(e, rec, v32(r, 2), v32(r, 3));
        keep(rec);
      }
      break;
    case 8: keep(e.add_line_(v32(r, 0), v32(r, 1), v32(r, 2), v32(r, 3), c, s, w, l, 0)); break;
    case 15: keep(e.add_circle_(v32(r, 0), v32(r, 1), v32(r, 2), c, color_none_, s, w, l)); break;
    case 16:
      keep(e.add_arc_(v32(r, 0), v32(r, 1), v32(r, 2), v32(r, 2), 0, v32(r, 3), v32(r, 4), c,
                      color_none_, s, w, l));
      break;
    case 128:
      for (size_t t = 0; t + 6 <= r.values.size(); t += 6) {
        polyline(t, 3);
        keep(e.add_polygon_(c, c, 0, 1, l, 0));
      }
      break;
    case 129:
      for (size_t t = 5; t + 5 <= r.values.size(); t += 5)
        keep(e.add_line_(v32(r, t), v32(r, t + 1), v32(r, t + 2), v32(r, t + 3), c, s, 1, l, 0));
      break;
    default: break;
  }
}

}  // namespace

bool zaz_class_::import_grafzaz_(const std::string& file_) {
  if (file_exists_(file_) != true_) return false;
  const std::optional<std::string> data = read_file_bytes_(file_);
  if (!data) return false;
  exchange.pair_counter_ = 0;
  gz_file_ f;
  if (!parse(*data, f)) return false;

  bridge_file_new_(*this, true);
  for (size_t i = 0; i < f.layers.size(); ++i) {
    const std::string name = cp1250_to_utf8_(f.layers[i]);
    if (i == 0 && layers_count_() >= 1) layer_title_(1, name);
    else layer_add_(name, true_, true_, color_auto_, color_none_, 0, 0);
  }
  if (f.ensure_layer && layers_count_() <= 0)
    layer_add_(lang_text_("common.layer.new"), true_, true_, color_auto_, color_none_, 0, 0);

  // Groups by number, kept sparse: only numbers that occur take memory.
  struct group_ {
    std::vector<int32_t> records;
    float x = 0, y = 0;
    bool based = false;
  };
  std::map<int32_t, group_> groups;
  int32_t highest = 0;
  const size_t total = f.records.size();
  for (size_t i = 0; i < total; ++i) {
    const gz_record_& r = f.records[i];
    highest = std::max(highest, r.group);
    if (r.code == 244) {
      if (r.group >= 1 && r.group <= highest) {
        group_& g = groups[r.group];
        g.x = v32(r, 0), g.y = v32(r, 1), g.based = true;
      }
    } else {
      std::vector<int32_t> made;
      build(*this, r, made);
      for (int32_t rec : made) object_(rec).group = r.group;
      if (r.group >= 1 && !made.empty()) {
        auto& list = groups[r.group].records;
        list.insert(list.end(), made.begin(), made.end());
      }
    }
    if (++exchange.pair_counter_ % 25 == 0)
      progress_refresh_(static_cast<int32_t>(round_even_(100.0 * double(i + 1) / double(total))));
  }

  select_clear_();
  for (auto& [number, g] : groups) {
    if (g.records.empty()) continue;
    for (int32_t rec : g.records) object_(rec).selected = true_;
    float bx = g.x, by = g.y;
    if (!g.based) {
      float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
      get_exarea_(x1, y1, x2, y2, true_);
      bx = f32_((double(x1) + x2) * 0.5);
      by = f32_((double(y1) + y2) * 0.5);
    }
    const int32_t id = block_create_("SYMBOL " + std::to_string(number), bx, by, false_);
    if (id > 0) add_block_(id, bx, by, 1, 1, 0, color_auto_, 0, 1, 1);
    for (int32_t rec : g.records) object_(rec).selected = false_;
  }
  for (int32_t r = 1; r <= store.counts[0]; ++r) object_(r).group = 0;
  progress_refresh_(-1);
  return true;
}
