// The main window MDI_: the drawing view the engine paints, ribbon or classic menus with
// docking toolbars, tool panel, side panel, pan bars, status bar and command line. Its handlers
// live in one file per concern: life cycle, layout, status and pan bars, command line, tools and
// interface type, refreshes, lists, popup menus and keys. Every handler runs step by step: a step
// that cannot be done is skipped and the next one runs; nothing is reported.
#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "mainwindow/dialog_seam.h"
#include "mainwindow/draw_state.h"
#include "mainwindow/interface/gui_fields.h"
#include "platform/core/types.h"
#include "platform/gdi/dc.h"
#include "platform/window/controls.h"
#include "platform/window/event_loop.h"
#include "platform/window/window.h"

class zaz_class_;
class xcpanelbox_;
class xcscrollbox_;
class xcstatusbar_;
class xctextbox_;
class xdocktb_;
class xribbon_control_;
class mdi_host_;
class mdi_view_link_;
class view_input_;
class xccombobox_;
class prop_editor_;
class mdi_prop_host_;

// The interface type of a run: 0 ribbon, 1 classic menus with docking toolbars.
enum gui_type_code_ : int32_t { gui_ribbon_ = 0, gui_classic_ = 1 };

// One drawing-view tool: its name, the command words that choose it, the ribbon key shown
// pressed ("" none), the key the command entry passes in the classic interface and its cursor.
struct tool_code_rec_ {
  const char* tool;
  const char* words;  // blank-separated
  const char* ribbon_key;
  const char* classic_key;
  int16_t cursor;
};
// The tool table; the tool of a command word, or null.
const tool_code_rec_* tool_of_word_(const std::string& word);
const tool_code_rec_* tool_record_(const std::string& tool);

// The interface type a stored GUI/Type value gives: 1 or more classic, below 1 ribbon.
int32_t gui_type_from_setting_(double stored);
// The zoom factor of a slider position (100 doubles, -100 halves) and its text ("125%").
float zoom_slider_factor_(int32_t value);
std::string zoom_percent_text_(int32_t value);
// The text of a page, layer or style list item: "2 - Plan", or the numbered no-title text.
std::string list_item_text_(int32_t number, const std::string& title, const std::string& no_title_key);

// The window caption of an untitled drawing and the title of the main window's message boxes.
inline constexpr const char* program_title_ = "Arvex 2014";

// Zoom limits the view handlers keep: repeated drags and steps never leave them.
inline constexpr float zoom_lowest_ = 1e-6f;
inline constexpr float zoom_highest_ = 1e6f;

class MDI_ {
 public:
  // The main window over the main engine, which outlives it. The window is built but hidden.
  explicit MDI_(zaz_class_& engine);
  ~MDI_();
  MDI_(const MDI_&) = delete;
  MDI_& operator=(const MDI_&) = delete;

  // ---- Life cycle.
  void Form_Initialize();
  void Form_Load();
  void Form_Activate();
  void Form_Deactivate();
  void Form_GotFocus();
  void Form_MouseDown();
  void Form_Resize() { mdi_resize_(); }
  // Returns the cancel value: 1 keeps the window.
  int16_t Form_QueryUnload();
  void Form_Unload();
  void set_skincolors_();
  // Runs after Form_Unload (the start ends the event loop there).
  std::function<void()> on_unload;

  // ---- Layout.
  void mdi_resize_();

  // ---- Status bar and pan bars.
  void statusbar_ButtonClick(const std::string& bkey_);
  void statusbar_ZoomMouseDown(int32_t value_);
  void statusbar_ZoomScroll(int32_t value_);
  void statusbar_ZoomMouseUp(int32_t value_);
  void statusbar_ZoomPressLeft(int32_t value_);
  void statusbar_ZoomPressRight(int32_t value_);
  void hscroll_MouseDown();
  void hscroll_Scroll();
  void hscroll_MouseUp();
  void vscroll_MouseDown();
  void vscroll_Scroll();
  void vscroll_MouseUp();

  // ---- Command line and bar mouse-downs.
  void cmd_GotFocus();
  void cmd_LostFocus();
  void cmd_KeyPress(int16_t& KeyAscii);
  void cmd_MouseDown();
  void cmdbar_MouseDown();
  void dock_MouseDown();

  // ---- Tools, interface type, shared icons.
  // The main window's one command entry; true when the word was handled.
  bool gocmd_(const std::string& command);
  int32_t gui_type_val_() const { return gui_type_; }
  int32_t ds_tn_() const { return ds_.tool_step_; }
  void ds_tn_(int32_t val_) { ds_.tool_step_ = val_; }
  const std::string& tool_name_() const { return ds_.tool_name_; }
  int32_t icon_page_() const { return page_icon_; }
  int32_t icon_layer_visible_(flag16_ on_) const { return on_ ? layer_visible_icon_ : layer_hidden_icon_; }
  int32_t icon_layer_enabled_(flag16_ on_) const { return on_ ? layer_editable_icon_ : layer_locked_icon_; }
  int32_t icon_layer_sicon_(uint8_t type_, int32_t val_) const;

  // ---- Refreshes and cursors.
  void ref_(flag16_ fast_, flag16_ resize_);
  void mouse_pointer_(int32_t id_);
  void auto_pointer_();
  void ref_pages_();
  void ref_layers_();
  void ref_dstyles_();
  void ref_states_();
  void ref_tool_buttons_(int32_t);
  void xribbon_UserDraw(dc_* hdc_, const std::string& key_, const std::string& text_, int32_t ux_, int32_t uy_,
                        int32_t uw_, int32_t uh_, int32_t value_);
  void timer_tick_();

  // ---- Property editor and blocks list of the side panel (mdi_props.cpp).
  // Mode 2: rebuilds the rows (set_) and repaints the property grid; other modes do nothing.
  void ref_edit_(flag16_ set_, flag16_ reset_);
  // Mode 1: repaints the blocks list and answers the shown block under (mx, my), 0 none.
  int32_t ref_blocks_(int32_t mx, int32_t my);
  // Makes bid the BLOCK tool's block (tool BLOCK, step 0); outside 1..count clears it only.
  void set_block_(int32_t bid);
  // The short name of a page unit code in the interface language; "" outside 0..6.
  static std::string unit_key_(int32_t unit);
  void panel2_MouseDown(int16_t Button, int16_t Shift, float X, float Y);
  void panel2_Click();
  void p2vsc_Scroll();
  void cedit_ItemClick(int32_t Item_);
  void tedit_KeyPress(int16_t KeyAscii);
  // Opens the side panel in mode 1 (blocks list) or 2 (property editor) as the command words
  // "blocks" and "edit" do, without their ribbon buttons.
  void side_panel_open_(int32_t mode);
  xctextbox_& tedit() { return *tedit_; }
  xccombobox_& cedit() { return *cedit_; }
  xcscrollbox_& p2vsc() { return *p2vsc_; }

  // ---- Tool panel: its groups, the current tool's rows and the panel's events.
  // Rebuilds group "ADRAW" for the current tool. When the rows shown belong to another tool
  // (a tool switch happened since the last rebuild), they are saved under that tool first.
  void ref_adraw_();
  // Saves the rows shown under the tool they belong to (the tool-switch path, "AD_MLINE").
  void save_adraw_();
  void panel_ButtonClick(const std::string& key_, int32_t id_);
  void panel_CheckboxClick(const std::string& key_, int32_t id_);
  void panel_ComboItemClick(const std::string& key_, int32_t id_);
  void panel_HotBtnChange(const std::string& tooltip_);
  void panel_MouseDown(int16_t button_, int16_t shift_, float x_, float y_);
  void panel_TextEdit(const std::string& key_, int32_t Item_);
  void panel_ComboShow();
  // The tool whose rows group "ADRAW" shows ("" before the first rebuild).
  std::string adraw_tool_;
  // Font size in points of the side panel's texts: 6 for the blocks list, 8 for the editor.
  int32_t panel2_font_size_ = 8;

  // ---- Popup menus and keys.
  void common_keydown_(int16_t keycode_, int16_t shift_);
  void common_keypress_(int16_t) {}
  flag16_ key_busy_ = false_;

  // ---- Classic events: what the docking toolbar control reports, and its owner-drawn buttons
  // and rows (painted into the context they are given, during the event).
  void xdocktb_ButtonClick(int32_t tbid_, int32_t bid_, const std::string& key_, const std::string& key2_);
  void xdocktb_MenuItemClick(int32_t tbid_, int32_t btn_, int32_t bid_, const std::string& key_, int32_t mx_,
                             int32_t my_);
  void xdocktb_PressEnter(int32_t tbid_, int32_t btn_, int32_t bid_, const std::string& key_);
  void xdocktb_ResizeDocks();
  void xdocktb_ToolbarHide(int32_t tbid_);
  void xdocktb_MouseDown(int16_t button_, int16_t shift_, float x_, float y_);
  void xdocktb_WinActivate(int16_t status_);
  void xdocktb_UserDraw(int32_t tbid_, int32_t bid_, const std::string& key_, const std::string& key2_,
                        int32_t value_, dc_* uhdc_, int32_t ux_, int32_t uy_, int32_t uw_, int32_t uh_, int32_t um_,
                        int16_t vert_);
  void xdocktb_ItmDraw(int32_t bid_, const std::string& key_, const std::string& Item_, int32_t value_,
                       const std::string& text_, dc_* uhdc_, int32_t ux_, int32_t uy_, int32_t uw_, int32_t uh_,
                       int32_t um_);
  // Sees every command word a classic event sends before the command entry does; a true answer
  // keeps the word from it (scripted sessions and the tests that walk every key).
  std::function<bool(const std::string& word)> event_word_tap;
  // The status bar as the VIEW menu's switch left it (the classic layout leaves no strip when off).
  flag16_ statusbar_shown_ = true_;

  // ---- Command entry: the file commands (mainwindow/commands/). New and open ask to save
  // unsaved changes first and stop when the save did not complete.
  void new_drawing_();
  void open_drawing_();
  // True only when the drawing was written (a cancelled dialog or a failed write is false).
  bool save_drawing_(bool saveas);
  // The active dimension style copied to a new one, or removed after the question; each one
  // undo step, a refused removal explained (the style group's buttons, the classic rows).
  void add_dimstyle_();
  void delete_dimstyle_();
  // Asks whether to save unsaved changes. True when the caller may go on: nothing changed, No,
  // or Yes with a save that completed.
  bool save_question_();
  void open_help_();
  // Hands the engine the drawing view again (the start does so before it fits an imported view).
  void attach_view_();
  // What the interface builders leave for the tool words: the variant icons of shared buttons.
  gui_fields_rec_ gui_fields_;

  // ---- The window and its controls, for the start, the shell and tests.
  window_& form() { return *form_; }
  window_& client() { return *client_; }
  window_& cmdbar() { return *cmdbar_; }
  window_& panel2() { return *panel2_; }
  window_* dock_area(int i) { return dock_[i].get(); }
  xcstatusbar_& statusbar() { return *statusbar_; }
  xcscrollbox_& hscroll() { return *hscroll_; }
  xcscrollbox_& vscroll() { return *vscroll_; }
  xctextbox_& cmd() { return *cmd_; }
  xcpanelbox_& panel() { return *panel_; }
  control_& clabel() { return *clabel_; }
  xribbon_control_* ribbon() { return ribbon_.get(); }
  xdocktb_* docktb() { return docktb_.get(); }
  zaz_class_& engine() { return eng_; }
  ::timer_& timer() { return timer_; }
  // The tool-panel window (a child of the form in the ribbon interface).
  window_* panel_window();
  // The drawing view's mouse and timer handlers.
  view_input_& view_input();

  // Every dialog the main window shows goes through here.
  dialog_seam_ dialogs_;

  // ---- State (names shared with the command entry and the drawing-view tools).
  draw_state_rec_ ds_, ds_saved_;
  std::string ddraw_text_;
  int32_t gui_type_ = 0;
  flag16_ first_tick_ = false_;  // the next timer tick repaints the whole drawing
  int32_t attr_dcolor_ = 0, attr_fcolor_ = 0;
  int16_t attr_style_ = 0, attr_width_ = 0;
  int32_t side_panel_mode_ = 0;
  int32_t block_to_insert_ = 0;
  flag16_ status_synced_ = false_;
  float zoom_slider_base_ = 0;
  int32_t pan_start_h_ = 0, pan_start_v_ = 0;
  float pan_start_x_ = 0, pan_start_y_ = 0;
  int32_t frame_no_ = 0;
  std::string image_file_;
  float image_w_ = 0, image_h_ = 0;
  // The drawing view's cursor file last asked for ("" for the arrow).
  std::string cursor_path_;

  // Shared icons.
  int32_t page_icon_ = 0, layers_icon_ = 0;
  std::array<int32_t, 20> arrow1_icons_{}, arrow2_icons_{};
  int32_t layer_visible_icon_ = 0, layer_hidden_icon_ = 0, layer_editable_icon_ = 0, layer_locked_icon_ = 0;
  int32_t icon_none_ = 0, icon_bylayer_ = 0, icon_byblock_ = 0, icon_auto_ = 0, icon_rgb_ = 0;
  std::array<int32_t, 16> type_icons_{};
  std::array<int32_t, 2> print_icons_{};
  std::array<int32_t, 22> style_icons_{}, width_icons_{};  // index -5 .. 16 at [i + 5]
  std::array<int32_t, 2> orient_icons_{};                   // portrait, landscape

  // ---- Ribbon events (mainwindow/ribbon_events/): the ribbon's controls, popups, application
  // menu, lists and the wheel turned into command words or engine actions.
  void xribbon_ButtonClick(const std::string& c_key_, int16_t bgIndex_);
  void xribbon_PopupMenuClick(const std::string& pm_key_, int32_t pm_index_);
  void xribbon_MainButtonClick(int16_t btn_);
  void xribbon_MainMenuClick(const std::string& m_key_);
  void xribbon_QuickButtonClick(const std::string& q_key_);
  void xribbon_ListItemClick(const std::string& lt_key_, int32_t lt_index_, int32_t x_, int32_t y_);
  void xribbon_ToolbarExBtnClick(const std::string& tbExKey_);
  void xribbon_ControlHotChange(uint8_t object_type_, int32_t control_index_, int32_t c_id_);
  void xribbon_HelpButtonClick();
  void xribbon_ShowEx();
  void xribbon_TabButtonClick(const std::string& t_key_);
  void xribbon_MouseScroll(int16_t scroll_val_);
  // What the application menu's exit button runs once it may end the program; empty: the
  // shell's exit, after the event has returned.
  std::function<void()> exit_program;
  xcscrollbox_& blocks_scroll() { return *p2vsc_; }

 private:
  friend class mdi_host_;
  friend struct command_words_;  // the command entry's groups of words
  bool set_tool_(const std::string& tool, const std::string& key, int32_t flag);
  int32_t build_gui_();
  void load_shared_icons_();
  void build_ribbon_gui_();
  void build_classic_gui_();
  void build_popup_menus_();
  // Classic events' own steps.
  void send_event_word_(const std::string& word);
  void pick_attribute_(const std::string& key);
  void toggle_statusbar_();
  void rebuild_classic_lists_();

  void build_tool_panel_();
  void choose_image_file_();
  void escape_key_();
  void zoom_text_update_(int32_t value);
  void set_view_zoom_clamped_(float zoom);
  void create_controls_();
  void restore_placement_();
  void layout_classic_();
  void layout_ribbon_();
  void pan_release_(xcscrollbox_& bar);
  void frame_cb_show_bars_();
  void frame_cb_hide_bars_();

  zaz_class_& eng_;
  std::unique_ptr<window_> form_, client_, panel2_, cmdbar_;
  std::array<std::unique_ptr<window_>, 5> dock_;  // 1 top, 2 bottom, 3 left, 4 right
  std::unique_ptr<dc_> client_dc_;
  std::unique_ptr<xcpanelbox_> panel_;
  std::unique_ptr<xcscrollbox_> p2vsc_, hscroll_, vscroll_;
  std::unique_ptr<xcstatusbar_> statusbar_;
  std::unique_ptr<control_> clabel_;
  std::unique_ptr<xctextbox_> cmd_;
  std::unique_ptr<xribbon_control_> ribbon_;
  std::unique_ptr<xdocktb_> docktb_;
  std::unique_ptr<mdi_host_> host_;
  std::unique_ptr<mdi_view_link_> view_link_;
  ::timer_ timer_;
  cursor_handle_ cursor_ = 0;
  bool unloaded_ = false;

  // ---- Property editor and blocks list: the editor over its host, then the value box and
  // the value list inside panel2_ (declared last, so they go first).
  friend class mdi_prop_host_;
  void create_side_panel_views_();
  std::unique_ptr<mdi_prop_host_> prop_host_;
  std::unique_ptr<prop_editor_> props_;
  std::unique_ptr<xctextbox_> tedit_;
  std::unique_ptr<xccombobox_> cedit_;
};
