// The ribbon's tables and builders, its popup items and its keyed properties. Every adder
// refuses silently: a full table, the reserved key "@MAIN" or an id out of range stores
// nothing and returns 0 (false). Keys are stored trimmed and compared trimmed, with case.
#include <algorithm>
#include <cstdlib>

#include "ui/controls/ribbon/ribbon.h"

namespace {

std::string trimmed(std::string_view s) { return trim_blanks_(s); }

// A new id for a table with this count and capacity, or 0 when the table is full.
int16_t next_id(int16_t count, int16_t capacity) { return count < 0 || count >= capacity ? 0 : count + 1; }

bool owner_in_range(int32_t id) { return id >= -ribbon_max_owner_id_ && id <= ribbon_max_owner_id_; }

}  // namespace

xribbon_::xribbon_() : xribbon_(ui_metrics_) {}

xribbon_::xribbon_(const ui_metrics_rec_& metrics, const ribbon_sprite_metrics_& sprites)
    : mainmenu(ribbon_max_mainmenu_items_ + 1),
      popup(ribbon_max_popup_items_ + 1),
      list_items(ribbon_max_list_items_ + 1),
      quick(ribbon_max_quick_buttons_ + 1),
      special(ribbon_max_special_buttons_ + 1),
      tabs(ribbon_max_tabs_ + 1),
      toolbars(ribbon_max_toolbars_ + 1),
      controls(ribbon_max_controls_ + 1),
      m_(metrics),
      sprite_(sprites) {
  font_ui_.face = "Tahoma";
  font_ui_.height = -11;  // 8.25 points at 96 DPI
}

int32_t xribbon_::text_width_(std::string_view text) const { return text_measurer_in_use_().width_(font_ui_, text); }

void xribbon_::paint_bar_(bool force) {
  if (hooks.paint_bar) hooks.paint_bar(force);
}

// ---- Lookups: the first id from 1 whose trimmed key equals the trimmed argument, with case.

int32_t xribbon_::find_control_(std::string_view key) const {
  std::string k = trimmed(key);
  for (int32_t i = 1; i <= control_count; ++i)
    if (trimmed(controls[i].key) == k) return i;
  return 0;
}

int32_t xribbon_::find_toolbar_(std::string_view key) const {
  std::string k = trimmed(key);
  for (int32_t i = 1; i <= toolbar_count; ++i)
    if (trimmed(toolbars[i].key) == k) return i;
  return 0;
}

int32_t xribbon_::find_popup_(std::string_view key) const {
  std::string k = trimmed(key);
  for (int32_t i = 1; i <= popup_count; ++i)
    if (trimmed(popup[i].key) == k) return i;
  return 0;
}

bool xribbon_::on_active_tab_(int32_t toolbar_id) const {
  return toolbar_id >= 1 && toolbar_id <= toolbar_count && toolbars[toolbar_id].tab_id == active_tab_;
}

// ---- Application button and menu.

void xribbon_::set_buttonmaintext_(std::string_view bmaintext1_, std::string_view bmaintext2_) {
  main_text1 = std::string(bmaintext1_);
  main_text2 = std::string(bmaintext2_);
}

void xribbon_::set_appicon_(int16_t IconStd_, int16_t IconOver_, int16_t IconPress_, int16_t IconSmall_) {
  main_icons = {IconStd_, IconOver_ < 0 ? IconStd_ : IconOver_, IconPress_ < 0 ? IconStd_ : IconPress_, IconSmall_};
  paint_bar_(false);
}

int16_t xribbon_::add_mainmenuitem_(std::string_view m_key_, std::string_view m_text_, std::string_view m_shortcut_,
                                    int16_t m_icon_, std::string_view m_altkey_) {
  int16_t id = next_id(mainmenu_count, ribbon_max_mainmenu_items_);
  if (id == 0 || is_reserved_menu_key_(m_key_)) return 0;
  ribbon_mainmenu_item_rec_& m = mainmenu[id];
  m = {};
  m.key = trimmed(m_key_);
  m.text = trimmed(m_text_);
  m.icon = m_icon_;
  m.shortcut = trimmed(m_shortcut_);
  m.visible = true_;
  m.alt_key = trimmed(m_altkey_);
  m.height = m.text == "-" ? 5 : 38;
  mainmenu_count = id;
  return id;
}

void xribbon_::set_mainmenuvisible_(std::string_view mKey_, bool visible_) {
  std::string k = trimmed(mKey_);
  for (int32_t i = 1; i <= mainmenu_count; ++i)
    if (trimmed(mainmenu[i].key) == k) {
      mainmenu[i].visible = to_flag_(visible_);
      return;
    }
}

// ---- Quick-access and special buttons, list items.

bool xribbon_::add_quickbutton_(std::string_view q_key_, std::string_view q_text_, std::string_view q_tooltip_,
                                int16_t q_icon_, std::string_view q_altkey_) {
  int16_t id = next_id(quick_count, ribbon_max_quick_buttons_);
  if (id == 0 || is_reserved_menu_key_(q_key_)) return false;
  quick[id] = {trimmed(q_key_), trimmed(q_text_), trimmed(q_tooltip_), q_icon_, false_, trimmed(q_altkey_)};
  quick_count = id;
  return true;
}

void xribbon_::add_qbs2frm_(int32_t id_) {
  if (hooks.clear_caption_buttons) hooks.clear_caption_buttons(id_);
  if (!hooks.add_caption_button) return;
  for (int32_t i = 1; i <= quick_count; ++i) {
    const ribbon_quick_button_rec_& q = quick[i];
    hooks.add_caption_button(id_, q.key, q.text, q.tooltip, static_cast<int16_t>(q.icon), q.alt_key);
  }
}

bool xribbon_::add_special_button_(std::string_view sp_key_, std::string_view sp_text_, std::string_view sp_tooltip_,
                                int16_t sp_icon_, std::string_view sp_altkey_) {
  int16_t id = next_id(special_count, ribbon_max_special_buttons_);
  if (id == 0 || is_reserved_menu_key_(sp_key_)) return false;
  ribbon_special_button_rec_& s = special[id];
  s = {trimmed(sp_key_), trimmed(sp_text_), trimmed(sp_tooltip_), sp_icon_, 0, 0, 0, trimmed(sp_altkey_)};
  if (s.text == "-") {
    s.width = 4;
  } else {
    int32_t tw = text_width_(s.text);
    s.width = 6 + (sp_icon_ >= 1 ? 16 : 0) + (tw >= 1 ? tw + 8 : 0);
  }
  s.left = id == 1 ? 2 : special[id - 1].right;
  s.right = s.left + s.width;
  special_count = id;
  return true;
}

int16_t xribbon_::add_list_item_(int32_t button_id_, std::string_view cm_key_, std::string_view cm_text_,
                                 bool cmChecked, int16_t cm_icon_, bool cm_boldtext_, std::string_view cm_altkey_) {
  int16_t id = next_id(list_count, ribbon_max_list_items_);
  if (id == 0 || !owner_in_range(button_id_) || is_reserved_menu_key_(cm_key_)) return 0;
  ribbon_list_item_rec_& l = list_items[id];
  l = {button_id_,          trimmed(cm_key_),       trimmed(cm_text_),   cm_icon_,
       to_flag_(cmChecked), to_flag_(cm_boldtext_), trimmed(cm_altkey_), 0};
  l.height = l.text == "-" ? 6 : m_.list_row_h_;
  list_count = id;
  return id;
}

// ---- Tabs.

void xribbon_::layout_tab_(int32_t id) {
  ribbon_tab_rec_& t = tabs[id];
  bool upper = hooks.uppercase_tabs && hooks.uppercase_tabs();
  t.layout_width = text_width_(upper ? upper_ascii_(t.text) : t.text) + 24;
  t.left = id == 1 ? 0 : tabs[id - 1].right;
  t.right = t.left + t.layout_width;
}

int16_t xribbon_::add_tabtop_(std::string_view t_key_, std::string_view t_text_, std::string_view t_altkey_,
                              std::string_view t_shortcut_) {
  int16_t id = next_id(tab_count, ribbon_max_tabs_);
  if (id == 0 || is_reserved_menu_key_(t_key_)) return 0;
  ribbon_tab_rec_& t = tabs[id];
  t = {};
  t.key = trimmed(t_key_);
  t.text = trimmed(t_text_);
  t.alt_key = trimmed(t_altkey_);
  t.shortcut = trimmed(t_shortcut_);
  tab_count = id;
  layout_tab_(id);
  if (active_tab_ == 0) active_tab_ = 1;
  return id;
}

int16_t xribbon_::update_tabs_() {
  for (int32_t i = 1; i <= tab_count; ++i) layout_tab_(i);
  return 0;
}

void xribbon_::set_tabextracolor_(int32_t tid_, int32_t tExtraColor_) {
  if (tid_ >= 1 && tid_ <= tab_count) tabs[tid_].extra_color = tExtraColor_;
}

// ---- Toolbars.

int16_t xribbon_::add_toolbar_(int32_t tab_id_, std::string_view tb_key_, std::string_view tb_text_, bool tb_exicon_,
                               std::string_view tb_shortcut_) {
  int16_t id = next_id(toolbar_count, ribbon_max_toolbars_);
  if (id == 0 || tab_id_ < 1 || is_reserved_menu_key_(tb_key_)) return 0;
  ribbon_toolbar_rec_& t = toolbars[id];
  t = {};
  t.tab_id = tab_id_;
  t.key = trimmed(tb_key_);
  t.text = trimmed(tb_text_);
  t.corner_button = to_flag_(tb_exicon_);
  t.shortcut = tb_exicon_ ? std::string(tb_shortcut_) : std::string();
  t.std_width = t.min_width = t.collapsed_width = 48;
  t.visible = true_;
  int32_t collapsed = std::abs(text_width_(t.text)) + 8;
  if (collapsed >= 48) t.collapsed_width = collapsed;
  toolbar_count = id;
  return id;
}

void xribbon_::clear_btnschecked_(std::string_view key_toolbar_) {
  std::string k = upper_ascii_(trimmed(key_toolbar_));
  for (int32_t t = 1; t <= toolbar_count; ++t) {
    if (upper_ascii_(trimmed(toolbars[t].key)) != k) continue;
    for (int32_t i = 1; i <= control_count; ++i)
      if (controls[i].toolbar_id == t) controls[i].checked = false_;
    return;
  }
}

// ---- Controls. The toolbar must exist: the construction always adds it first, and a control
// on a toolbar id beyond the table would have no record to widen.

int16_t xribbon_::add_control_(int32_t toolbar_id, std::string_view key, std::string_view text, int32_t icon,
                               int32_t size_std, int32_t size_min, int32_t type, bool enabled, int32_t row_std,
                               int32_t row_min, int32_t width_std, int32_t width_min, std::string_view shortcut,
                               std::string_view alt_key, std::string_view tooltip) {
  int16_t id = next_id(control_count, ribbon_max_controls_);
  if (id == 0 || toolbar_id < 1 || toolbar_id > toolbar_count || is_reserved_menu_key_(key)) return 0;
  ribbon_control_rec_& c = controls[id];
  c = {};
  c.toolbar_id = toolbar_id;
  c.enabled = to_flag_(enabled);
  c.shortcut = std::string(shortcut);
  c.key = trimmed(key);
  c.key2 = c.key;
  c.text = trimmed(text);
  c.tooltip = std::string(tooltip);
  c.type = type;
  c.icon = icon;
  c.alt_key = std::string(alt_key);
  control_count = id;

  place_control_(id, true, size_std, row_std);
  place_control_(id, false, size_min, row_min);
  if (type == ribbon_combo_ || type == ribbon_group_) {
    if (width_min >= 25) c.min_rect.w = width_min;
    if (width_std >= 25) c.std_rect.w = width_std;
  }
  widen_toolbar_(id, true);
  widen_toolbar_(id, false);
  return id;
}

int16_t xribbon_::add_button_(int32_t toolbar_id_, std::string_view c_key_, std::string_view c_text_, int16_t c_icon_,
                              int32_t bSizeStd_, int32_t bSizeMin_, int32_t c_type_, bool c_enabled_,
                              std::string_view c_shortcut_, std::string_view c_altkey_, std::string_view c_tooltip_) {
  int32_t type = c_type_ == ribbon_dropdown_button_ || c_type_ == ribbon_split_button_ ? c_type_ : ribbon_plain_button_;
  return add_control_(toolbar_id_, c_key_, c_text_, c_icon_, bSizeStd_, bSizeMin_, type, c_enabled_, 1, 1, 0, 0,
                      c_shortcut_, c_altkey_, c_tooltip_);
}

int16_t xribbon_::add_group_(int32_t toolbar_id_, std::string_view g_key_, std::string_view g_buttons_,
                             int16_t g_firsticon_, int16_t g_groupstdrow_, int16_t g_groupminrow_, bool gEnabled_,
                             std::string_view g_altkey_, std::string_view g_tooltip_) {
  return add_control_(toolbar_id_, g_key_, g_buttons_, g_firsticon_, 1, 1, ribbon_group_, gEnabled_, g_groupstdrow_,
                      g_groupminrow_, 0, 0, {}, g_altkey_, g_tooltip_);
}

int16_t xribbon_::add_combo_(int32_t toolbar_id_, std::string_view c_key_, std::string_view c_text_,
                             int16_t c_combostdrow_, int16_t c_combominrow_, int16_t c_combostdwidth_,
                             int16_t c_combominwidth_, bool c_enabled_, std::string_view c_altkey_,
                             std::string_view c_tooltip_) {
  return add_control_(toolbar_id_, c_key_, c_text_, 0, 1, 1, ribbon_combo_, c_enabled_, c_combostdrow_, c_combominrow_,
                      c_combostdwidth_, c_combominwidth_, {}, c_altkey_, c_tooltip_);
}

int16_t xribbon_::add_separator_(int32_t toolbar_id_, std::string_view s_key_) {
  return add_control_(toolbar_id_, s_key_, {}, 0, 1, 1, ribbon_separator_, true, 1, 1, 0, 0, {}, {}, {});
}

void xribbon_::set_buttonicon_(std::string_view btnkey_, int32_t ico_) {
  if (int32_t id = find_control_(btnkey_)) controls[id].icon = ico_;
}

// ---- Popup items.

int16_t xribbon_::add_popupmenuitem_(int32_t button_id_, int32_t group_index_, std::string_view pm_key_,
                                     std::string_view pm_text_, std::string_view pm_shortcut_, bool pmChecked,
                                     int32_t pm_icon_, bool pm_boldtext_, std::string_view pm_altkey_, bool pm_visible_,
                                     int32_t value_, bool big_, bool multiselect_) {
  int16_t id = next_id(popup_count, ribbon_max_popup_items_);
  if (id == 0 || !owner_in_range(button_id_) || is_reserved_menu_key_(pm_key_)) return 0;
  menu_item_rec_& p = popup[id];
  p = {};
  p.text = trimmed(pm_text_);
  set_menu_values_(p, p.text);
  p.owner_id = button_id_;
  p.group_index = group_index_;
  p.key = trimmed(pm_key_);
  p.shortcut = trimmed(pm_shortcut_);
  p.alt_key = trimmed(pm_altkey_);
  p.icon = pm_icon_;
  p.checked = to_flag_(pmChecked);
  p.visible = to_flag_(pm_visible_);
  p.bold = to_flag_(pm_boldtext_);
  p.multi_select = to_flag_(multiselect_);
  p.value = value_;
  p.enabled = true_;
  p.height = p.text == "-" ? 6 : big_ ? m_.big_item_h_ : m_.list_row_h_;
  popup_count = id;
  return id;
}

// Drops the owner's rows, and every row of owner 0, keeping the others in order from id 1.
void xribbon_::clear_popupmenu_(int32_t button_id_) {
  for (menu_item_rec_& p : popup)
    if (p.owner_id == button_id_) p.owner_id = p.group_index = 0;
  int16_t kept = 0;
  for (size_t i = 1; i < popup.size(); ++i) {
    if (popup[i].owner_id == 0) continue;
    ++kept;
    if (static_cast<size_t>(kept) != i) popup[kept] = std::move(popup[i]);
  }
  for (size_t i = kept + 1; i < popup.size(); ++i) popup[i] = {};
  popup[0] = {};
  popup_count = kept;
}

// The new text is stored as passed; its values come from the trimmed text after "%:".
void xribbon_::set_pmenutext_(std::string_view pmkey_, std::string_view pmtext_) {
  int32_t id = find_popup_(pmkey_);
  if (id == 0) return;
  popup[id].text = std::string(pmtext_);
  set_menu_values_(popup[id], trimmed(pmtext_));
}

// ---- Keyed properties.

window_handle_ xribbon_::cHWnd() const { return hooks.window_handle ? hooks.window_handle() : 0; }
dc_* xribbon_::cHdc() const { return hooks.device_context ? hooks.device_context() : nullptr; }
int32_t xribbon_::cWidth() const { return std::abs(scale_w_); }
int32_t xribbon_::cHeight() const { return std::abs(scale_h_); }

void xribbon_::tben_(bool nval_) {
  blanked_ = !nval_;
  if (!nval_ && hooks.blank) hooks.blank();
}

int32_t xribbon_::grbh_() const { return blanked_ ? 0 : frame_top_offset_() + m_.ribbon_base_h_; }

std::string xribbon_::tabtooltip_(int32_t tab_id_) const {
  return tab_id_ >= 1 && tab_id_ <= tab_count ? tabs[tab_id_].tooltip : std::string();
}
void xribbon_::tabtooltip_(int32_t tab_id_, std::string_view nval_) {
  if (tab_id_ >= 1 && tab_id_ <= tab_count) tabs[tab_id_].tooltip = std::string(nval_);
}

std::string xribbon_::buttontooltip_(int32_t btnid_) const {
  return btnid_ >= 1 && btnid_ <= control_count ? controls[btnid_].tooltip : std::string();
}
void xribbon_::buttontooltip_(int32_t btnid_, std::string_view nval_) {
  if (btnid_ >= 1 && btnid_ <= control_count) controls[btnid_].tooltip = std::string(nval_);
}

flag16_ xribbon_::buttonchecked_(std::string_view btnkey_) const {
  int32_t id = find_control_(btnkey_);
  return id ? controls[id].checked : false_;
}
void xribbon_::buttonchecked_(std::string_view btnkey_, bool nval_) {
  if (int32_t id = find_control_(btnkey_)) controls[id].checked = to_flag_(nval_);
}

std::string xribbon_::buttontext_(std::string_view btnkey_) const {
  int32_t id = find_control_(btnkey_);
  return id ? controls[id].text : std::string();
}
void xribbon_::buttontext_(std::string_view btnkey_, std::string_view nval_) {
  if (int32_t id = find_control_(btnkey_)) controls[id].text = std::string(nval_);
}

std::string xribbon_::buttonkey2_(std::string_view btnkey_) const {
  int32_t id = find_control_(btnkey_);
  return id ? controls[id].key2 : std::string();
}
void xribbon_::buttonkey2_(std::string_view btnkey_, std::string_view nval_) {
  if (int32_t id = find_control_(btnkey_)) controls[id].key2 = std::string(nval_);
}

flag16_ xribbon_::buttonuserdraw_(std::string_view btnkey_) const {
  int32_t id = find_control_(btnkey_);
  return id ? controls[id].user_draw : false_;
}
void xribbon_::buttonuserdraw_(std::string_view btnkey_, bool nval_) {
  if (int32_t id = find_control_(btnkey_)) controls[id].user_draw = to_flag_(nval_);
}

void xribbon_::tab_id_(int32_t id_) {
  if (id_ < 1 || id_ > tab_count) return;
  active_tab_ = id_;
  fit_toolbars_();
  paint_bar_(false);
}

std::string xribbon_::tabid2key_(int32_t id_) const {
  return id_ >= 1 && id_ <= tab_count ? tabs[id_].key : std::string();
}

flag16_ xribbon_::popupmenuchecked_(std::string_view pmkey_) const {
  int32_t id = find_popup_(pmkey_);
  return id ? popup[id].checked : false_;
}
void xribbon_::popupmenuchecked_(std::string_view pmkey_, bool nval_) {
  if (int32_t id = find_popup_(pmkey_)) popup[id].checked = to_flag_(nval_);
}

std::string xribbon_::popupmenutext_(std::string_view pmkey_) const {
  int32_t id = find_popup_(pmkey_);
  return id ? popup[id].text : std::string();
}
void xribbon_::popupmenutext_(std::string_view pmkey_, std::string_view nval_) {
  if (int32_t id = find_popup_(pmkey_)) popup[id].text = std::string(nval_);
}

flag16_ xribbon_::popupmenuvisible_(std::string_view pmkey_) const {
  int32_t id = find_popup_(pmkey_);
  return id ? popup[id].visible : false_;
}
void xribbon_::popupmenuvisible_(std::string_view pmkey_, bool nval_) {
  if (int32_t id = find_popup_(pmkey_)) popup[id].visible = to_flag_(nval_);
}

int32_t xribbon_::popupmenuicon_(std::string_view pmkey_) const {
  int32_t id = find_popup_(pmkey_);
  return id ? popup[id].icon : 0;
}
void xribbon_::popupmenuicon_(std::string_view pmkey_, int32_t nval_) {
  if (int32_t id = find_popup_(pmkey_)) popup[id].icon = nval_;
}

flag16_ xribbon_::toolbarvisible_(std::string_view tb_key_) const {
  int32_t id = find_toolbar_(tb_key_);
  return id ? toolbars[id].visible : false_;
}
void xribbon_::toolbarvisible_(std::string_view tb_key_, bool nval_) {
  int32_t id = find_toolbar_(tb_key_);
  if (id == 0 || toolbars[id].visible == to_flag_(nval_)) return;
  toolbars[id].visible = to_flag_(nval_);
  fit_toolbars_();
}
