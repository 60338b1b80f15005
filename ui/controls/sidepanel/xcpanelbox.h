// The side panel control: a column of groups, each with an optional title band, holding items
// at fixed pixel positions (labels, buttons, check boxes, text fields, checked value fields,
// combos with a drop list and header bands), edited in place, with named snapshots of the
// items' values. The panel paints itself into its window's surface; its drop list is a window
// of its own that becomes an owned popup while open. It tells its host what happens only
// through the events below.
//
// Files: xcpanelbox_model.cpp (tables, lookups, values, snapshots), panel_layout.cpp (group
// bands, item rectangles and look tables), panel_text.cpp (measures and character positions),
// xcpanelbox_paint.cpp (painting), xcpanelbox_input.cpp (mouse and keys), xcpanelbox_list.cpp
// (drop lists).
#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/window/window.h"
#include "ui/controls/sidepanel/panel_records.h"

class dc_;

class xcpanelbox_ {
 public:
  // The panel's window is a child of parent at (x, y), of the given size.
  xcpanelbox_(window_& parent, int32_t x = 0, int32_t y = 0, int32_t width = 200, int32_t height = 300);
  ~xcpanelbox_();
  xcpanelbox_(const xcpanelbox_&) = delete;
  xcpanelbox_& operator=(const xcpanelbox_&) = delete;

  // ---- Events in declaration order, raised synchronously; unset ones are skipped.
  std::function<void(const std::string& tooltip_)> HotBtnChange;
  std::function<void(const std::string& key_, int32_t id_)> ButtonClick;
  std::function<void(const std::string& key_, int32_t id_)> CheckboxClick;
  // The picked row's key and the picked cell of a value-list row (0 for a plain row).
  std::function<void(const std::string& key_, int32_t id_)> ComboItemClick;
  std::function<void(int16_t button_, int16_t shift_, float x_, float y_)> MouseDown;
  std::function<void(const std::string& key_, int32_t Item_)> TextEdit;
  std::function<void(const std::string& key_, int32_t id_, int32_t x_, int32_t y_, int32_t w_, int32_t h_)>
      TextEditOn;
  std::function<void()> TextEditOff;
  std::function<void()> ComboShow;

  // The main window's handle; nothing can be added before it is set, and the mouse is
  // handled only while that window is active.
  window_handle_ mdi_window_hwnd_ = 0;

  // ---- Building and clearing (no painting).
  int32_t add_group_(const std::string& key_, const std::string& title_, flag16_ ex_ = false_);
  int32_t add_item_(int32_t gid_, const std::string& key_, panel_item_kind_code_ type_ = 1,
                    const std::string& title_ = "", flag16_ defchk_ = false_, const std::string& deftxt_ = "",
                    int32_t ico_ = 0, int32_t px_ = 0, int32_t py_ = 0, int32_t sx_ = 22, int32_t sy_ = 22,
                    int32_t margin_ = 0, int32_t bottom_margin_ = 0, int32_t exheight_ = 0,
                    int32_t combo_value_ = 0, flag16_ nosave_ = false_, const std::string& tooltip_ = "",
                    flag16_ enabled_ = true_);
  void erase_group_(const std::string& key_);
  void move2begin_(const std::string& group_);
  void clear_();

  // ---- Lookups (keys compared exactly; the first match in id order wins).
  int32_t key2id_(const std::string& key_) const;
  std::string id2key_(int32_t id_) const;
  int32_t group2gid_(const std::string& key_) const;
  std::string id2group_(int32_t id_) const;
  int32_t lastbottom_(int32_t gid_) const;
  int32_t item_count_() const { return item_count; }
  int32_t group_count_() const { return group_count; }

  // ---- Item state. Key-based setters do not paint; the id-based lets paint the item.
  flag16_ item_checked_(const std::string& key_) const;
  void item_checked_(const std::string& key_, flag16_ chkval_);
  flag16_ item_enabled_(const std::string& key_) const;
  void item_enabled_(const std::string& key_, flag16_ value_);
  void clear_checked_(const std::string& group_);
  std::string labelv_(int32_t id_) const;
  void labelv_(int32_t id_, const std::string& nval_);
  std::string textv_(int32_t id_) const;
  void textv_(int32_t id_, const std::string& nval_);
  flag16_ chkv_(int32_t id_) const;
  void chkv_(int32_t id_, flag16_ nval_);
  // The text of the combo's first drop-list row, which becomes its selection.
  std::string cvalue_(const std::string& key_);
  void cvalue_(const std::string& key_, const std::string& keyitem_);

  // ---- The panel.
  void refresh_() { paint_panel_(0, 0); }
  window_handle_ hwnd() const;
  window_* panel_window_() const { return win.get(); }
  int32_t panelheight_() const { return content_bottom; }
  flag16_ rborder_() const { return right_border; }
  void rborder_(flag16_ val_) { right_border = val_; }
  void exit_action_(flag16_ val_) { exit_flag = val_; }

  // ---- Painting: (0, 0) everything; (g, 0) group g's header and items; (-1, id) one item.
  void paint_panel_(int32_t group, int32_t item);

  // ---- Keyboard (the shell's key dispatcher forwards keys while the panel holds the focus).
  void key_event_(int16_t keycode_, int16_t shift_ = 0, int16_t keyascii_ = 0);
  int32_t next_(flag16_ selectall_ = false_, flag16_ back_ = false_);

  // ---- Drop lists.
  int32_t add_comboitem_(const std::string& combo_key_, const std::string& ci_key_, const std::string& ci_text_,
                         const std::string& ci_shortcut_ = "", flag16_ pmChecked = false_, int16_t ci_icon_ = -1,
                         int32_t ci_color_ = -1, flag16_ ci_boldtext_ = false_, const std::string& ci_altkey_ = "",
                         flag16_ ci_visible_ = true_, const std::string& ci_tooltip_ = "");
  void show_combolist_(window_handle_ p_hwnd_, const std::string& combo_key_, int32_t smx_ = -1, int32_t smy_ = -1);
  void hide_winex_();
  window_* list_window_() const { return win_ex.get(); }
  bool list_open_() const;
  // Paints the open list into its window (its move, release and opening paint it).
  void paint_drop_list_();

  // ---- Snapshots.
  flag16_ save_settings_(const std::string& name_);
  flag16_ restore_settings_(const std::string& name_);

  // ---- Records, read-only, for hosts and tests.
  const panel_group_rec_& group_(int32_t gid) const { return groups[size_t(gid)]; }
  const panel_item_rec_& item_(int32_t id) const { return items[size_t(id)]; }
  const panel_list_item_rec_& list_item_(int32_t id) const { return list_items[size_t(id)]; }
  int32_t combo_count_() const { return combo_count; }
  bool valid_item_(int32_t id) const { return id >= 1 && id <= item_count; }
  bool valid_group_(int32_t gid) const { return gid >= 1 && gid <= group_count; }

  // ---- Window notifications (the panel's window routes its events here).
  void mouse_down_(int32_t button, int32_t shift, int32_t x, int32_t y);
  void mouse_move_(int32_t button, int32_t shift, int32_t x, int32_t y);
  void mouse_up_(int32_t button, int32_t shift, int32_t x, int32_t y);
  void dbl_click_();
  void lost_focus_();
  void list_mouse_down_();
  void list_mouse_move_(int32_t x, int32_t y);
  void list_mouse_up_();
  void list_lost_focus_();

  // ---- Helpers shared by the control's files.
  // Caret (characters from the start) for a pointer x over a text drawn from left.
  int32_t caret_from_x_(int32_t x, int32_t left, const std::string& text) const;
  void set_edit_item_(int32_t id, flag16_ select_all);
  void track_capture_(int32_t x, int32_t y);
  bool main_window_active_() const;
  // Whether item id currently takes typed keys.
  bool takes_keys_(int32_t id) const;

  // State read by painting, input and the drop list.
  int32_t group_count = 0, item_count = 0, combo_count = 0;
  int32_t mouse_x = -1, mouse_y = -1;
  flag16_ button_down = 0;
  int32_t pressed_item = 0;
  int32_t hot_item = 0;
  std::string last_tip;
  flag16_ edit_started = 0;
  int32_t prev_edit_item = 0;
  flag16_ exit_flag = 0;
  flag16_ captured = 0;
  int32_t content_bottom = 0;
  flag16_ right_border = 0;
  int32_t list_item = 0;
  std::string list_key;
  int32_t list_mouse_x = -1, list_mouse_y = -1, list_hot_row = -1;
  flag16_ list_button = 0;
  std::string picked_key;
  int32_t picked_value = 0;

 private:
  void paint_item_(dc_& dc, int32_t id, bool alone);
  void paint_text_field_(dc_& dc, const panel_item_rec_& it, int32_t id);
  void wire_windows_();

  std::array<panel_group_rec_, panel_group_limit_ + 1> groups{};
  std::array<panel_item_rec_, panel_item_limit_ + 1> items{};
  std::vector<panel_list_item_rec_> list_items;  // slot 0 unused
  std::vector<panel_snapshot_rec_> snapshots;
  std::unique_ptr<window_> win;
  std::unique_ptr<window_> win_ex;
  // The window that was active when the list opened; it gets the activation back if the
  // platform handed it to the list.
  window_handle_ active_before_list = 0;
};
