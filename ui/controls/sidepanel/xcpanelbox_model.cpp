// Tables, lookups, item values and snapshots. No member here fails loudly: an invalid id, a
// key nothing has or a full table does nothing and answers 0 or an empty text.
#include <algorithm>

#include "shell/focus_state.h"
#include "ui/controls/sidepanel/panel_text.h"
#include "ui/controls/sidepanel/xcpanelbox.h"

xcpanelbox_::xcpanelbox_(window_& parent, int32_t x, int32_t y, int32_t width, int32_t height) {
  window_options_ o;
  o.kind = window_kind_::child;
  o.parent = &parent;
  o.x = x;
  o.y = y;
  o.width = width;
  o.height = height;
  win = create_window_(o);
  // The drop list starts as a hidden child of the panel, like a picture box on it.
  window_options_ l;
  l.kind = window_kind_::child;
  l.parent = win.get();
  l.width = 1;
  l.height = 1;
  l.takes_focus = false;
  win_ex = create_window_(l);
  win_ex->hide_();  // else it would show with the panel
  list_items.resize(1);
  focus_toolbar_ = 0;
  focus_item_ = 0;
  wire_windows_();
  clear_();
}

xcpanelbox_::~xcpanelbox_() {
  if (list_open_()) hide_winex_();
  if (win_ex) {
    win_ex->on_mouse = nullptr;
    win_ex->on_focus = nullptr;
  }
  if (win) {
    win->on_mouse = nullptr;
    win->on_focus = nullptr;
    win->on_resize = nullptr;
  }
  win_ex.reset();
  win.reset();
}

window_handle_ xcpanelbox_::hwnd() const { return win ? win->handle_() : 0; }

int32_t xcpanelbox_::add_group_(const std::string& key_, const std::string& title_, flag16_ ex_) {
  if (mdi_window_hwnd_ == 0 || group_count >= panel_group_limit_) return 0;
  panel_group_rec_& g = groups[size_t(++group_count)];
  g = panel_group_rec_{};
  g.key = key_;
  g.title = title_;
  g.expanded = ex_;
  return group_count;
}

int32_t xcpanelbox_::add_item_(int32_t gid_, const std::string& key_, panel_item_kind_code_ type_,
                               const std::string& title_, flag16_, const std::string& deftxt_, int32_t ico_,
                               int32_t px_, int32_t py_, int32_t sx_, int32_t sy_, int32_t margin_,
                               int32_t bottom_margin_, int32_t exheight_, int32_t combo_value_, flag16_ nosave_,
                               const std::string& tooltip_, flag16_ enabled_) {
  if (mdi_window_hwnd_ == 0 || item_count >= panel_item_limit_ || !valid_group_(gid_)) return 0;
  if (sx_ < 1) sx_ = panel_text_width_(title_) + 8 + (ico_ >= 1 ? 25 : 0);
  if (sy_ < 1) sy_ = std::max(22, panel_text_height_(title_) + 8);
  panel_item_rec_& it = items[size_t(++item_count)];
  it = panel_item_rec_{};
  it.group_id = gid_;
  it.key = key_;
  it.kind = type_;
  it.title = title_;
  it.text = deftxt_;
  it.enabled = enabled_;
  it.px = px_;
  it.py = py_;
  it.sx = sx_;
  it.sy = sy_;
  it.margin = margin_;
  it.bottom_margin = bottom_margin_;
  it.combo_value = combo_value_;
  it.icon = ico_;
  it.nosave = nosave_;
  it.tooltip = tooltip_;
  panel_group_rec_& g = groups[size_t(gid_)];
  g.bottom = std::max(g.bottom, py_ + sy_ + exheight_);
  g.last_bottom = py_ + sy_;
  return item_count;
}

void xcpanelbox_::erase_group_(const std::string& key_) {
  const int32_t gid = group2gid_(key_);
  if (gid == 0) return;
  int32_t kept = 0;
  // An item that stays where it is is not moved onto itself, which would empty its texts.
  for (int32_t i = 1; i <= item_count; ++i)
    if (items[size_t(i)].group_id != gid && ++kept != i) items[size_t(kept)] = std::move(items[size_t(i)]);
  for (int32_t i = kept + 1; i <= item_count; ++i) items[size_t(i)] = panel_item_rec_{};
  item_count = kept;
  groups[size_t(gid)].bottom = 0;
  groups[size_t(gid)].last_bottom = 0;
}

void xcpanelbox_::move2begin_(const std::string& group_) {
  const int32_t gid = group2gid_(group_);
  if (gid == 0) return;
  std::stable_partition(items.begin() + 1, items.begin() + 1 + item_count,
                        [gid](const panel_item_rec_& it) { return it.group_id == gid; });
}

void xcpanelbox_::clear_() {
  for (auto& g : groups) g = panel_group_rec_{};
  for (auto& it : items) it = panel_item_rec_{};
  group_count = 0;
  item_count = 0;
}

int32_t xcpanelbox_::key2id_(const std::string& key_) const {
  for (int32_t i = 1; i <= item_count; ++i)
    if (items[size_t(i)].key == key_) return i;
  return 0;
}

std::string xcpanelbox_::id2key_(int32_t id_) const { return valid_item_(id_) ? items[size_t(id_)].key : ""; }

int32_t xcpanelbox_::group2gid_(const std::string& key_) const {
  for (int32_t g = 1; g <= group_count; ++g)
    if (groups[size_t(g)].key == key_) return g;
  return 0;
}

std::string xcpanelbox_::id2group_(int32_t id_) const {
  if (!valid_item_(id_) || !valid_group_(items[size_t(id_)].group_id)) return "";
  return groups[size_t(items[size_t(id_)].group_id)].key;
}

int32_t xcpanelbox_::lastbottom_(int32_t gid_) const {
  return valid_group_(gid_) ? groups[size_t(gid_)].last_bottom : 0;
}

flag16_ xcpanelbox_::item_checked_(const std::string& key_) const {
  const int32_t id = key2id_(key_);
  return id ? items[size_t(id)].checked : 0;
}

void xcpanelbox_::item_checked_(const std::string& key_, flag16_ chkval_) {
  if (const int32_t id = key2id_(key_)) items[size_t(id)].checked = chkval_;
}

flag16_ xcpanelbox_::item_enabled_(const std::string& key_) const {
  const int32_t id = key2id_(key_);
  return id ? items[size_t(id)].enabled : 0;
}

void xcpanelbox_::item_enabled_(const std::string& key_, flag16_ value_) {
  if (const int32_t id = key2id_(key_)) items[size_t(id)].enabled = value_;
}

void xcpanelbox_::clear_checked_(const std::string& group_) {
  const int32_t gid = group2gid_(group_);
  if (gid == 0) return;
  for (int32_t i = 1; i <= item_count; ++i)
    if (items[size_t(i)].group_id == gid) items[size_t(i)].checked = 0;
}

std::string xcpanelbox_::labelv_(int32_t id_) const { return valid_item_(id_) ? items[size_t(id_)].title : ""; }
void xcpanelbox_::labelv_(int32_t id_, const std::string& nval_) {
  if (!valid_item_(id_)) return;
  items[size_t(id_)].title = nval_;
  paint_panel_(-1, id_);
}

std::string xcpanelbox_::textv_(int32_t id_) const { return valid_item_(id_) ? items[size_t(id_)].text : ""; }
void xcpanelbox_::textv_(int32_t id_, const std::string& nval_) {
  if (!valid_item_(id_)) return;
  items[size_t(id_)].text = nval_;
  paint_panel_(-1, id_);
}

flag16_ xcpanelbox_::chkv_(int32_t id_) const { return valid_item_(id_) ? items[size_t(id_)].checked : 0; }
void xcpanelbox_::chkv_(int32_t id_, flag16_ nval_) {
  if (!valid_item_(id_)) return;
  items[size_t(id_)].checked = nval_;
  paint_panel_(-1, id_);
}

flag16_ xcpanelbox_::save_settings_(const std::string& name_) {
  auto s = std::find_if(snapshots.begin(), snapshots.end(),
                        [&](const panel_snapshot_rec_& x) { return x.name == name_; });
  if (s == snapshots.end()) s = snapshots.insert(snapshots.end(), panel_snapshot_rec_{});
  s->name = name_;
  s->item_count = item_count;
  s->items.assign(items.begin() + 1, items.begin() + 1 + item_count);
  return true_;
}

flag16_ xcpanelbox_::restore_settings_(const std::string& name_) {
  auto s = std::find_if(snapshots.begin(), snapshots.end(),
                        [&](const panel_snapshot_rec_& x) { return x.name == name_; });
  if (s == snapshots.end()) return false_;
  for (int32_t i = 1; i <= item_count; ++i) {
    panel_item_rec_& it = items[size_t(i)];
    for (const panel_item_rec_& kept : s->items) {
      if (kept.key != it.key || kept.nosave != 0) continue;
      it.checked = kept.checked;
      it.combo_value = kept.combo_value;
      it.text = kept.text;
      it.enabled = kept.enabled;
      break;
    }
  }
  return true_;
}
