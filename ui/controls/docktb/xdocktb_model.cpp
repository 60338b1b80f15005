// The control's store: tool windows, the one button store keyed by trimmed upper-case keys,
// menu items with one level of sub-items, the plain properties and the small helpers.
// Full tables refuse: a 65th tool window, a 65th slot and a 1,025th distinct key return 0 and
// change nothing.
#include <algorithm>
#include <cmath>

#include "platform/core/types.h"
#include "platform/gdi/font.h"
#include "shell/shell_text.h"
#include "shell/ui_metrics.h"
#include "ui/controls/docktb/xdocktb.h"

namespace {

std::string norm_key(std::string_view s) { return upper_ascii_(trim_blanks_(s)); }

}  // namespace

void xdocktb_::resize_keep_place_(window_& w, int32_t width, int32_t height) {
  const pixel_rect_ r = w.window_rect_();
  int32_t x = r.left, y = r.top;
  if (window_* p = w.parent_()) {
    const pixel_rect_ pc = p->client_rect_();
    x -= pc.left;
    y -= pc.top;
  }
  w.move_(x, y, width, height);
}

void xdocktb_::set_centre_(dock_window_rec_& r) const {
  r.centre_x = cint32_(double(r.x) + double(r.cx) / 2);
  r.centre_y = cint32_(double(r.y) + double(r.cy) / 2);
}

xdocktb_::xdocktb_() : buttons(size_t(dock_toolbar_limit_ + dock_button_limit_ + 1)) {}

xdocktb_::~xdocktb_() {
  // Embedded windows belong to the host: hand them back before our windows go.
  for (int32_t b = 1; b <= button_count; ++b) {
    if (button_(b).type != dock_btn_embedded_ || button_(b).xc_hwnd == 0) continue;
    window_* e = find_window_(button_(b).xc_hwnd);
    if (!e || !e->parent_()) continue;
    const bool ours = std::any_of(tool_.begin(), tool_.end(), [&](const auto& w) { return w.get() == e->parent_(); });
    if (!ours) continue;
    const pixel_rect_ r = e->window_rect_();
    e->make_top_level_(main_window_(), r.left, r.top);
    e->hide_();
  }
}

window_* xdocktb_::tool_window_(int32_t t) const {
  if (!valid_toolbar_(t)) return nullptr;
  const int32_t w = toolbars[size_t(t)].window;
  if (w < 1 || size_t(w) >= tool_.size() || !tool_[size_t(w)]) return nullptr;
  return tool_[size_t(w)]->exists_() ? tool_[size_t(w)].get() : nullptr;
}

window_* xdocktb_::dock_window_(dock_area_code_ a) const {
  if (!dock_is_docked_(a) || dock_hwnd[size_t(a)] == 0) return nullptr;
  return find_window_(dock_hwnd[size_t(a)]);
}

window_* xdocktb_::main_window_() const { return main_hwnd ? find_window_(main_hwnd) : nullptr; }

int32_t xdocktb_::text_width_(std::string_view text) const {
  if (text.empty()) return 0;
  font_ f;
  f.face = interface_font_family_();
  f.height = -13;
  return text_measurer_in_use_().width_(f, text);
}

double xdocktb_::random_unit_() { return double(rng() >> 8) / double(1u << 24); }

void xdocktb_::dock_(int32_t main_hwnd_, int32_t d_top_hwnd_, int32_t d_bottom_hwnd_,
                     int32_t d_left_hwnd_, int32_t d_right_hwnd_) {
  main_hwnd = main_hwnd_;
  dock_hwnd = {0, d_top_hwnd_, d_bottom_hwnd_, d_left_hwnd_, d_right_hwnd_};
  for (dock_area_code_ a = 1; a <= 4; ++a)
    if (window_* w = dock_window_(a)) resize_keep_place_(*w, 0, 0);
}

int32_t xdocktb_::add_toolbar_(const std::string& title_, int32_t dock_, int32_t rownr_,
                               int32_t posx_, int32_t posy_, bool menu_, int32_t snap_,
                               bool close_) {
  if (toolbar_count >= dock_toolbar_limit_ || toolbar_count < 0) return 0;
  const int32_t id = ++toolbar_count;
  dock_toolbar_rec_& tb = toolbars[size_t(id)];
  tb = dock_toolbar_rec_{};
  tb.snap = snap_ >= 0 && snap_ <= 2 ? snap_ : 0;
  tb.dock = dock_is_docked_(dock_) && dock_hwnd[size_t(dock_)] == 0 ? 0 : dock_;
  // Rows beyond the table join its last row.
  tb.row = std::clamp(rownr_, 1, dock_row_limit_);
  tb.title = trim_blanks_(title_);
  tb.posx = posx_;
  tb.posy = posy_;
  tb.menu = to_flag_(menu_);
  tb.close = to_flag_(close_);
  return id;
}

int32_t xdocktb_::add_button_(int32_t tbid_, std::string& btn_key_, std::string& btn_text_,
                              int32_t btn_type_, int32_t* btn_ico_, bool show_text_,
                              const std::string& btn_tip_, bool check_, bool sep_, int32_t csize_,
                              int32_t cwidth_, int32_t /*maxitems_*/, const std::string& key2_,
                              int32_t xc_hwnd_) {
  if (!valid_toolbar_(tbid_)) return 0;
  dock_toolbar_rec_& tb = toolbars[size_t(tbid_)];
  if (tb.slot_count < 0 || tb.slot_count >= dock_slot_limit_) return 0;
  csize_ = std::max(csize_, 24);
  btn_key_ = norm_key(btn_key_);

  int32_t id = 0;
  for (int32_t b = 1; b <= button_count && id == 0; ++b)
    if (norm_key(button_(b).key) == btn_key_) id = b;
  if (id == 0) {
    // A full store adds nothing, not even the slot.
    if (button_count >= dock_button_limit_) return 0;
    int32_t icon = btn_ico_ ? *btn_ico_ : 0;
    if (btn_type_ >= 4 && btn_type_ <= 7) {
      icon = 0;
      if (btn_ico_) *btn_ico_ = 0;
    }
    id = button_count + 1;
    dock_button_rec_& b = button_(id);
    b = dock_button_rec_{};
    b.key = btn_key_;
    const std::string k2 = norm_key(key2_);
    b.key2 = k2.empty() ? btn_key_ : k2;
    b.tip = trim_blanks_(btn_tip_);
    b.show_text = to_flag_(show_text_);
    b.type = btn_type_;
    b.csize = csize_;
    b.cwidth = cwidth_;
    b.check = to_flag_(check_);
    b.icon = icon;
    b.xc_hwnd = btn_type_ == dock_btn_embedded_ ? xc_hwnd_ : 0;
    button_count = id;  // before the adder, which checks the entry against the count
    item_adder_(-tbid_, 0, "EXBTN_" + btn_key_, btn_text_, "", true_, icon, false_, true_, false_,
                true_, id);
  }
  dock_button_slot_rec_& s = tb.slots[size_t(++tb.slot_count)];
  s = dock_button_slot_rec_{};
  s.button_id = id;
  s.separator = to_flag_(sep_);
  s.text = btn_text_;
  s.visible = true_;
  return id;
}

int32_t xdocktb_::item_adder_(int32_t entry, int32_t parent, const std::string& key,
                              const std::string& text, const std::string& shortcut, flag16_ check,
                              int32_t icon, flag16_ bold, flag16_ visible, flag16_ customdraw,
                              flag16_ customtext, int32_t value) {
  if (entry < -toolbar_count || entry > button_count || entry == 0) return 0;
  std::vector<dock_menu_item_rec_>* list = &button_(entry).items;
  if (parent >= 1) {
    // A parent beyond the list has nowhere to hold sub-items.
    if (size_t(parent) > list->size()) return 0;
    list = &(*list)[size_t(parent - 1)].subs;
  }
  dock_menu_item_rec_ it;
  it.key = norm_key(key);
  it.text = trim_blanks_(text);
  it.shortcut = trim_blanks_(shortcut);
  it.check = check;
  it.icon = icon;
  it.bold = bold;
  it.visible = visible;
  it.customdraw = customdraw;
  it.customtext = customtext;
  it.value = value;
  it.x = 2;
  it.y = list->empty() ? 2 : list->back().y + std::abs(list->back().height);
  if (it.text == "-") {
    it.width = 10;
    it.height = 3;
  } else {
    it.width = std::abs(text_width_(it.text) + 10);
    it.height = std::abs(ui_metrics_.list_row_h_);
  }
  list->push_back(std::move(it));
  return int32_t(list->size());
}

int32_t xdocktb_::add_menu_(int32_t bid_, const std::string& key_, const std::string& text_,
                            const std::string& shortcut_, bool check_, int32_t icon_, bool bold_,
                            bool visible_, bool customdraw_, bool customtext_, int32_t value_) {
  return item_adder_(bid_, 0, key_, text_, shortcut_, to_flag_(check_), icon_, to_flag_(bold_),
                     to_flag_(visible_), to_flag_(customdraw_), to_flag_(customtext_), value_);
}

int32_t xdocktb_::add_submenu_(int32_t bid_, int32_t sub_, const std::string& key_,
                               const std::string& text_, const std::string& shortcut_, bool check_,
                               int32_t icon_, bool bold_, bool visible_, bool customdraw_,
                               bool customtext_, int32_t value_) {
  return item_adder_(bid_, sub_, key_, text_, shortcut_, to_flag_(check_), icon_, to_flag_(bold_),
                     to_flag_(visible_), to_flag_(customdraw_), to_flag_(customtext_), value_);
}

// ---- Plain properties.

std::string xdocktb_::toolbar_title_(int32_t tbid_) const {
  return valid_toolbar_(tbid_) ? toolbars[size_t(tbid_)].title : std::string();
}
void xdocktb_::toolbar_title_(int32_t tbid_, const std::string& val_) {
  if (valid_toolbar_(tbid_)) toolbars[size_t(tbid_)].title = val_;
}
flag16_ xdocktb_::button_ckeck_(int32_t bid_) const { return valid_button_(bid_) ? button_(bid_).check : 0; }
void xdocktb_::button_ckeck_(int32_t bid_, flag16_ val_) {
  if (valid_button_(bid_)) button_(bid_).check = val_;
}
int32_t xdocktb_::button_ico_(int32_t bid_) const { return valid_button_(bid_) ? button_(bid_).icon : 0; }
void xdocktb_::button_ico_(int32_t bid_, int32_t val_) {
  if (valid_button_(bid_)) button_(bid_).icon = val_;
}
std::string xdocktb_::button_key_(int32_t bid_) const {
  return valid_button_(bid_) ? button_(bid_).key : std::string();
}
void xdocktb_::button_key_(int32_t bid_, const std::string& val_) {
  if (valid_button_(bid_)) button_(bid_).key = val_;
}
std::string xdocktb_::button_key2_(int32_t bid_) const {
  return valid_button_(bid_) ? button_(bid_).key2 : std::string();
}
void xdocktb_::button_key2_(int32_t bid_, const std::string& val_) {
  if (valid_button_(bid_)) button_(bid_).key2 = val_;
}
flag16_ xdocktb_::button_cdraw_(int32_t bid_) const { return valid_button_(bid_) ? button_(bid_).cdraw : 0; }
void xdocktb_::button_cdraw_(int32_t bid_, flag16_ val_) {
  if (valid_button_(bid_)) button_(bid_).cdraw = val_;
}
std::string xdocktb_::button_text_(int32_t tbid_, int32_t btn_) const {
  if (!valid_toolbar_(tbid_) || btn_ < 1 || btn_ > toolbars[size_t(tbid_)].slot_count) return {};
  return toolbars[size_t(tbid_)].slots[size_t(btn_)].text;
}
void xdocktb_::button_text_(int32_t tbid_, int32_t btn_, const std::string& val_) {
  if (!valid_toolbar_(tbid_) || btn_ < 1 || btn_ > toolbars[size_t(tbid_)].slot_count) return;
  toolbars[size_t(tbid_)].slots[size_t(btn_)].text = val_;
}

int32_t xdocktb_::key2id_(const std::string& btnkey_, bool k2_) const {
  const std::string k = norm_key(btnkey_);
  for (int32_t b = 1; b <= button_count; ++b)
    if (norm_key(k2_ ? button_(b).key2 : button_(b).key) == k) return b;
  return 0;
}

int32_t xdocktb_::mix_color_(int32_t c1_, int32_t c2_, float mix_) {
  double m = mix_;
  if (!(m >= 0)) m = 0;  // also NaN
  if (m > 1) m = 1;
  int32_t out = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    const double a = (c1_ >> shift) & 0xFF, b = (c2_ >> shift) & 0xFF;
    out |= int32_t(round_even_((1 - m) * a + m * b)) << shift;
  }
  return out;
}

int32_t xdocktb_::slot_button_id_(int32_t tbid, int32_t btn) const {
  if (!valid_toolbar_(tbid) || btn < 1 || btn > toolbars[size_t(tbid)].slot_count) return 0;
  return toolbars[size_t(tbid)].slots[size_t(btn)].button_id;
}

// ---- Menu maintenance and the menu state the keyboard closes.

void xdocktb_::erase_menu_(int32_t bid, int32_t menu) {
  if (!valid_button_(bid)) return;
  auto& items = button_(bid).items;
  if (menu >= 1) {
    if (size_t(menu) <= items.size()) items[size_t(menu - 1)].subs.clear();
  } else {
    items.clear();
  }
}

int32_t xdocktb_::icount_menu_(int32_t bid, int32_t menu) const {
  if (!valid_button_(bid)) return 0;
  const auto& items = button_(bid).items;
  if (menu < 1) return int32_t(items.size());
  return size_t(menu) <= items.size() ? int32_t(items[size_t(menu - 1)].subs.size()) : 0;
}

void xdocktb_::hide_menu_() {
  if (menu1_) menu1_->hide_();
  menu_open = 0;
  menu_tb = 0;
  menu_slot = 0;
  if (menu2_) menu2_->hide_();
  for (dock_hit_rec_* h : {&last_hit, &press_hit, &hover_hit, &prev_hover_hit}) h->toolbar = h->slot = 0;
  endbtn_menu_tb = 0;
  refresh(0);
}

void xdocktb_::refresh(int32_t tbid_) {
  for (int32_t t = 1; t <= toolbar_count; ++t) {
    if (valid_toolbar_(tbid_) && t != tbid_) continue;
    if (window_* w = tool_window_(t)) w->invalidate_();
  }
}
