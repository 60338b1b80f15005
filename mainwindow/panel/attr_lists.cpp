#include "mainwindow/panel/attr_lists.h"

#include <array>

namespace {

constexpr int32_t rgb(int32_t r, int32_t g, int32_t b) { return r | (g << 8) | (b << 16); }

#define ATTR_COLOURS(P)                                                         \
  {P ".BYLAYER", "color.bylayer", "zaz.attr.01.0.ico", -1, -4},                 \
  {P ".BYBLOCK", "color.byblock", "zaz.attr.02.0.ico", -1, -3},                 \
  {P ".AUTO", "color.auto", "zaz.attr.03.0.ico", -1, -1},                       \
  {P ".BLACK", "color.black", nullptr, rgb(0, 0, 0), rgb(0, 0, 0)},             \
  {P ".RED", "color.red", nullptr, rgb(255, 0, 0), rgb(255, 0, 0)},             \
  {P ".ORANGE", "color.orange", nullptr, rgb(255, 150, 0), rgb(255, 150, 0)},   \
  {P ".YELLOW", "color.yellow", nullptr, rgb(255, 255, 0), rgb(255, 255, 0)},   \
  {P ".GREEN", "color.green", nullptr, rgb(0, 200, 0), rgb(0, 200, 0)},         \
  {P ".BLUE", "color.blue", nullptr, rgb(0, 0, 255), rgb(0, 0, 255)},           \
  {P ".SEA", "color.sea", nullptr, rgb(0, 200, 255), rgb(0, 200, 255)},         \
  {P ".WHITE", "color.white", nullptr, rgb(255, 255, 255), rgb(255, 255, 255)}, \
  {P ".RGB", "color.rgb", "zaz.attr.04.0.ico", -1, attr_ask_colour_}

constexpr attr_item_rec_ dcolors[] = {ATTR_COLOURS("DC")};

constexpr attr_item_rec_ fcolors[] = {
    {"FC.EMPTY", "color.none", "zaz.attr.05.0.ico", -1, -2},
    {"-", "-", nullptr, -1, attr_no_code_},
    ATTR_COLOURS("FC"),
};
#undef ATTR_COLOURS

constexpr attr_item_rec_ styles[] = {
    {"ST.BYLAYER", "style.bylayer", "zaz.attr.01.0.ico", -1, -4},
    {"ST.BYBLOCK", "style.byblock", "zaz.attr.02.0.ico", -1, -3},
    {"ST.0", "style.solid", "zaz.stl.10.0.ico", -1, 0},
    {"ST.1", "style.dash", "zaz.stl.20.0.ico", -1, 1},
    {"ST.2", "style.dot", "zaz.stl.30.0.ico", -1, 2},
    {"ST.3", "style.dashdot", "zaz.stl.40.0.ico", -1, 3},
    {"ST.4", "style.dash2dot", "zaz.stl.50.0.ico", -1, 4},
};

constexpr attr_item_rec_ widths[] = {
    {"WI.BYLAYER", "width.bylayer", "zaz.attr.01.0.ico", -1, -4},
    {"WI.BYBLOCK", "width.byblock", "zaz.attr.02.0.ico", -1, -3},
    {"WI.1", "width.1", "zaz.wid.10.0.ico", -1, 1},
    {"WI.2", "width.2", "zaz.wid.20.0.ico", -1, 2},
    {"WI.3", "width.3", "zaz.wid.30.0.ico", -1, 3},
    {"WI.4", "width.4", "zaz.wid.40.0.ico", -1, 4},
    {"WI.5", "width.5", "zaz.wid.50.0.ico", -1, 5},
};

constexpr std::array<attr_list_rec_, 4> lists = {{
    {"AT_DCOLOR", "LABEL_1", "attributes.dcolor", "change.atr.dcolor", dcolors},
    {"AT_FCOLOR", "LABEL_2", "attributes.fcolor", "change.atr.fcolor", fcolors},
    {"AT_STYLE", "LABEL_3", "attributes.style", "change.atr.lstyle", styles},
    {"AT_WIDTH", "LABEL_4", "attributes.width", "change.atr.lwidth", widths},
}};

}  // namespace

std::span<const attr_list_rec_> attr_lists_() { return lists; }

bool attr_pick_(const std::string& key, int32_t& list, int32_t& code) {
  for (size_t l = 0; l < lists.size(); ++l)
    for (const attr_item_rec_& it : lists[l].items)
      if (key == it.key && it.code != attr_no_code_) {
        list = int32_t(l);
        code = it.code;
        return true;
      }
  return false;
}
