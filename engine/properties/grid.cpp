// The property grid's model, layout and hit test. Every member works on whatever it is given:
// numbers outside the tables are ignored or answer empty, and the tables never grow past
// 64 groups and 256 rows (a further add is refused with 0).
#include <algorithm>
#include <cctype>

#include "engine/properties/grid_text.h"
#include "engine/zaz_class.h"

namespace {

std::string lower_(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

edit_choice_rec_* choice_(std::array<edit_choice_rec_, 2 * edit_code_limit_ + 1>& t, int32_t code) {
  if (code < -edit_code_limit_ || code > edit_code_limit_) return nullptr;
  return &t[static_cast<size_t>(code + edit_code_limit_)];
}
const edit_choice_rec_* choice_(const std::array<edit_choice_rec_, 2 * edit_code_limit_ + 1>& t,
                                int32_t code) {
  return choice_(const_cast<std::array<edit_choice_rec_, 2 * edit_code_limit_ + 1>&>(t), code);
}

bool inside_(int32_t x, int32_t y, int32_t l, int32_t t, int32_t r, int32_t b) {
  return l <= x && x <= r && t <= y && y <= b;
}

// Rows whose value the editor gets as stored: the coded kinds the lists and flags show.
bool raw_value_type_(int32_t type) {
  switch (type) {
    case 1: case 2: case 3: case 4: case 17: case 20: case 21: case 22: case 23: case 111: return true;
    default: return false;
  }
}

}  // namespace

void zaz_class_::edit_clear_(int32_t x_, int32_t y_, int32_t w_, int32_t h_, int32_t c0_, int32_t c1_,
                             int32_t c2_, int32_t c3_, int32_t ct0_, int32_t ct1_, int32_t csel_,
                             flag16_ reset_def_values_) {
  grid.groups.fill({});
  grid.items.fill({});
  grid.group_count = grid.item_count = 0;
  grid.x = x_, grid.y = y_, grid.w = w_, grid.h = h_;
  grid.c0 = c0_, grid.c1 = c1_, grid.c2 = c2_, grid.c3 = c3_;
  grid.ct0 = ct0_, grid.ct1 = ct1_, grid.csel = csel_;
  if (is_set_(reset_def_values_)) grid.vertex = 1;
}

int32_t zaz_class_::edit_add_group_(const std::string& name_, const std::string& text_, int16_t collapsed_) {
  if (grid.group_count >= edit_groups_max_) return 0;
  edit_group_rec_& g = grid.groups[static_cast<size_t>(++grid.group_count)];
  g = {};
  g.key = lower_(edit_trim_(name_));
  g.caption = edit_trim_(text_);
  g.collapsed = collapsed_;
  return grid.group_count;
}

int32_t zaz_class_::edit_add_item_(int32_t group_, const std::string& name_, const std::string& text_,
                                   int32_t type_, const std::string& value_) {
  if (group_ < 1 || group_ > grid.group_count) return 0;
  const std::string key = edit_trim_(name_), caption = edit_trim_(text_);
  if (key.empty() || caption.empty() || grid.item_count >= edit_items_max_) return 0;
  edit_item_rec_& it = grid.items[static_cast<size_t>(++grid.item_count)];
  it = {};
  it.group = group_;
  it.key = lower_(key);
  it.caption = caption;
  it.type = type_;
  it.value = value_;
  return grid.item_count;
}

void zaz_class_::edit_recalc_() {
  int32_t top = grid.y;
  for (int32_t g = 1; g <= grid.group_count; ++g) {
    edit_group_rec_& gr = grid.groups[static_cast<size_t>(g)];
    gr.left = grid.x, gr.top = top, gr.right = grid.x + grid.w, gr.bottom = top + 20;
    top += 21;
    for (int32_t i = 1; i <= grid.item_count; ++i) {
      edit_item_rec_& it = grid.items[static_cast<size_t>(i)];
      if (it.group != g) continue;
      if (is_set_(gr.collapsed)) {
        it.left = it.top = it.right = it.bottom = 0;
      } else {
        it.left = grid.x + 20, it.top = top, it.right = grid.x + grid.w, it.bottom = top + 20;
        top += 21;
      }
    }
  }
}

int32_t zaz_class_::edit_click_(int32_t x_, int32_t y_, int32_t& g_, int32_t& i_, int32_t& xe_, int32_t& ye_,
                                int32_t& we_, int32_t& he_, std::string& value_, int32_t& type_) {
  grid.current = {};
  value_.clear();
  g_ = i_ = xe_ = ye_ = we_ = he_ = 0;
  type_ = 0;
  for (int32_t g = 1; g <= grid.group_count; ++g) {
    edit_group_rec_& gr = grid.groups[static_cast<size_t>(g)];
    if (inside_(x_, y_, gr.left, gr.top, gr.right, gr.bottom)) {
      g_ = g;
      int32_t result = 1;
      if (std::abs(x_ - (gr.left + 10)) <= 6 && std::abs(y_ - (gr.top + 10)) <= 6) {
        gr.collapsed = is_set_(gr.collapsed) ? false_ : true_;
        result = 2;
      }
      edit_recalc_();
      return result;
    }
    if (is_set_(gr.collapsed)) continue;
    for (int32_t i = 1; i <= grid.item_count; ++i) {
      const edit_item_rec_& it = grid.items[static_cast<size_t>(i)];
      if (it.group != g || !inside_(x_, y_, it.left, it.top, it.right, it.bottom)) continue;
      i_ = i;
      grid.selected = i;
      xe_ = it.left + 102;
      ye_ = it.top;
      we_ = it.right - xe_ - 1;
      he_ = it.bottom - it.top;
      value_ = raw_value_type_(it.type) ? it.value : edit_value_text_(it.type, it.value);
      grid.current = it;
      type_ = it.type;
      return x_ < it.left + 100 ? 3 : 4;
    }
  }
  return 0;
}

std::string zaz_class_::edit_itn_() const {
  std::string k = edit_trim_(grid.current.key);
  for (char& c : k) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return k;
}

std::string zaz_class_::edit_value_(int32_t i_) const {
  if (i_ < 0 || i_ > edit_items_max_) return {};
  return grid.items[static_cast<size_t>(i_)].value;
}

void zaz_class_::edit_value_(int32_t i_, const std::string& value_) {
  if (i_ < 0 || i_ > edit_items_max_) return;
  grid.items[static_cast<size_t>(i_)].value = value_;
}

int32_t zaz_class_::edit_selected_() const { return grid.selected; }

const edit_group_rec_* zaz_class_::edit_group_(int32_t g) const {
  return g >= 1 && g <= grid.group_count ? &grid.groups[static_cast<size_t>(g)] : nullptr;
}
const edit_item_rec_* zaz_class_::edit_item_(int32_t i) const {
  return i >= 1 && i <= grid.item_count ? &grid.items[static_cast<size_t>(i)] : nullptr;
}

void zaz_class_::edit_s_c_set_(int32_t cid_, const std::string& txt_, int32_t ico_) {
  if (auto* c = choice_(grid.colors, cid_)) *c = {txt_, ico_};
}
void zaz_class_::edit_stl_set_(int32_t cid_, const std::string& txt_, int32_t ico_) {
  if (auto* c = choice_(grid.styles, cid_)) *c = {txt_, ico_};
}
void zaz_class_::edit_wid_set_(int32_t cid_, const std::string& txt_, int32_t ico_) {
  if (auto* c = choice_(grid.widths, cid_)) *c = {txt_, ico_};
}
std::string zaz_class_::edit_s_c_gettxt_(int32_t cid_) const {
  const auto* c = choice_(grid.colors, cid_);
  return c ? edit_trim_(c->text) : std::string();
}
std::string zaz_class_::edit_stl_gettxt_(int32_t cid_) const {
  const auto* c = choice_(grid.styles, cid_);
  return c ? edit_trim_(c->text) : std::string();
}
std::string zaz_class_::edit_wid_gettxt_(int32_t cid_) const {
  const auto* c = choice_(grid.widths, cid_);
  return c ? edit_trim_(c->text) : std::string();
}
int32_t zaz_class_::edit_s_c_getico_(int32_t cid_) const {
  const auto* c = choice_(grid.colors, cid_);
  return c ? c->icon : 0;
}
int32_t zaz_class_::edit_stl_getico_(int32_t cid_) const {
  const auto* c = choice_(grid.styles, cid_);
  return c ? c->icon : 0;
}
int32_t zaz_class_::edit_wid_getico_(int32_t cid_) const {
  const auto* c = choice_(grid.widths, cid_);
  return c ? c->icon : 0;
}

void zaz_class_::set_arrow1_icon_(int32_t arrow_, int32_t icon_id_) {
  if (arrow_ >= 0 && arrow_ < edit_arrows_) grid.arrow1[static_cast<size_t>(arrow_)] = icon_id_;
}
void zaz_class_::set_arrow2_icon_(int32_t arrow_, int32_t icon_id_) {
  if (arrow_ >= 0 && arrow_ < edit_arrows_) grid.arrow2[static_cast<size_t>(arrow_)] = icon_id_;
}

void zaz_class_::edit_icon_painter_(std::function<void(dc_&, int32_t, int32_t, int32_t)> painter_) {
  grid.icon_painter = std::move(painter_);
}
