#include "dialogs/select/select_model.h"

#include <algorithm>
#include <charconv>

#include "engine/zaz_class.h"
#include "shell/colors.h"
#include "shell/icons.h"
#include "shell/language.h"
#include "shell/program_dir.h"

row_rect_rec_ make_row_rect_(int32_t left, int32_t top, int32_t width, int32_t height) {
  return {left, top, left + width, top + height, width, height};
}

bool row_contains_(const row_rect_rec_& r, int32_t x, int32_t y) {
  return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
}

std::vector<int32_t> parse_used_values_(std::string_view text) {
  std::vector<int32_t> out;
  size_t start = 0;
  while (start <= text.size() && !text.empty()) {
    const size_t end = std::min(text.find(';', start), text.size());
    const std::string_view part = text.substr(start, end - start);
    int32_t v = 0;
    const auto r = std::from_chars(part.data(), part.data() + part.size(), v);
    if (!part.empty() && r.ec == std::errc() && r.ptr == part.data() + part.size()) out.push_back(v);
    start = end + 1;
  }
  std::sort(out.begin(), out.end());
  out.erase(std::unique(out.begin(), out.end()), out.end());
  return out;
}

namespace {

int32_t load(const char* file) { return add_icon_(icon_folder_(), file, file, 0, 0); }

const char* style_key(int32_t v) {
  switch (v) {
    case -4: return "style.bylayer";
    case -3: return "style.byblock";
    case 0: return "style.solid";
    case 1: return "style.dash";
    case 2: return "style.dot";
    case 3: return "style.dashdot";
    case 4: return "style.dash2dot";
    default: return nullptr;
  }
}

const char* width_key(int32_t v) {
  static const char* const widths[] = {"width.0", "width.1", "width.2", "width.3", "width.4", "width.5"};
  if (v == -4) return "width.bylayer";
  if (v == -3) return "width.byblock";
  if (v >= 0 && v <= 5) return widths[v];
  return nullptr;
}

struct kind_rec {
  int32_t type;
  const char* key;
  const char* icon;
};
// Hatches (9), angular dimensions (13), references (14) and block groups (16) have no row text.
constexpr kind_rec kinds[] = {
    {1, "object.point", "zaz.d2d.01.0.ico"},   {2, "object.line", "zaz.d2d.02.0.ico"},
    {3, "object.curve", "zaz.d2d.04.0.ico"},   {4, "object.polyline", "zaz.d2d.03.0.ico"},
    {5, "object.polygon", "zaz.d2d.06.0.ico"}, {6, "object.arc", "zaz.d2d.07.0.ico"},
    {7, "object.circle", "zaz.d2d.08.0.ico"},  {8, "object.ellipse", "zaz.d2d.09.0.ico"},
    {10, "object.text", "zaz.d2d.11.0.ico"},   {11, "object.image", "zaz.d2d.12.0.ico"},
    {12, "object.dim", "zaz.dim.02.0.ico"},    {15, "object.block", "zaz.d2d.13.0.ico"},
};

int32_t table_icon(const std::array<int32_t, 22>& table, int32_t code) {
  return code >= -5 && code <= 16 ? table[size_t(code + 5)] : 0;
}

}  // namespace

const select_icons_rec_& default_select_icons_() {
  static const select_icons_rec_ icons = [] {
    select_icons_rec_ i;
    i.bylayer = load("zaz.attr.01.0.ico");
    i.byblock = load("zaz.attr.02.0.ico");
    i.automatic = load("zaz.attr.03.0.ico");
    i.none = load("zaz.attr.05.0.ico");
    i.layer = load("zaz.lrs.09.0.ico");
    static const char* const styles[] = {"zaz.stl.10.0.ico", "zaz.stl.20.0.ico", "zaz.stl.30.0.ico",
                                         "zaz.stl.40.0.ico", "zaz.stl.50.0.ico"};
    static const char* const widths[] = {"zaz.wid.10.0.ico", "zaz.wid.20.0.ico", "zaz.wid.30.0.ico",
                                         "zaz.wid.40.0.ico", "zaz.wid.50.0.ico"};
    i.style[size_t(-4 + 5)] = i.width[size_t(-4 + 5)] = i.bylayer;
    i.style[size_t(-3 + 5)] = i.width[size_t(-3 + 5)] = i.byblock;
    for (int k = 0; k < 5; ++k) {
      i.style[size_t(k + 5)] = load(styles[k]);
      i.width[size_t(k + 1 + 5)] = load(widths[k]);
    }
    for (const kind_rec& k : kinds) i.kind[size_t(k.type)] = load(k.icon);
    return i;
  }();
  return icons;
}

select_row_rec_ select_row_look_(int32_t criterion, int32_t value, const zaz_class_& engine,
                                  const select_icons_rec_& icons) {
  select_row_rec_ look;
  switch (criterion) {
    case 1:
    case 2:
      look.text = color_name_(value, 0);
      if (value >= 0) {
        look.swatch = true;
        look.colour = value;
      } else if (value == -4) {
        look.icon = icons.bylayer;
      } else if (value == -3) {
        look.icon = icons.byblock;
      } else if (value == -2 && criterion == 2) {
        look.icon = icons.none;
      } else {
        look.icon = icons.automatic;
      }
      break;
    case 3:
      if (const char* k = style_key(value)) look.text = lang_text_(k);
      look.icon = table_icon(icons.style, value);
      break;
    case 4:
      if (const char* k = width_key(value)) look.text = lang_text_(k);
      look.icon = table_icon(icons.width, value);
      break;
    case 5:
      look.icon = icons.layer;
      if (value >= INT16_MIN && value <= INT16_MAX) look.text = engine.layer_title_(int16_t(value));
      break;
    case 6:
      for (const kind_rec& k : kinds) {
        if (k.type == value) {
          look.text = lang_text_(k.key);
          look.icon = icons.kind[size_t(k.type)];
        }
      }
      break;
    default:
      break;
  }
  return look;
}

std::array<int32_t, select_criteria_> select_arguments_(const std::array<bool, select_criteria_>& checked,
                                                        const std::array<int32_t, select_criteria_>& chosen_values,
                                                        const std::array<bool, select_criteria_>& has_choice) {
  std::array<int32_t, select_criteria_> out{};
  for (size_t i = 0; i < out.size(); ++i) {
    // A checked box without a chosen row asks for no particular value: any, not black or solid.
    out[i] = checked[i] && has_choice[i] ? chosen_values[i] : select_any_value_;
  }
  return out;
}
