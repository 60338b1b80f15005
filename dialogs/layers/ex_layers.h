// The layer manager: the active page's layers as a painted table (visible, editable, name,
// draw colour, fill colour, line style, line width), four attribute popups, renaming in place,
// add and delete. Every change goes to the engine at once; only add and delete are undo steps.
#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "dialogs/layers/dialog_common.h"
#include "ui/controls/button/button.h"
#include "ui/controls/popupmenu/popupmenu.h"
#include "ui/controls/scrollbox/scrollbox.h"
#include "ui/controls/textbox/textbox.h"

class zaz_class_;

// The cell of a row: 0 none, -1 visible, -2 editable, the layer number for the name, -3 draw
// colour, -4 fill colour, -5 line style, -6 line width (also the popup menus' ids).
inline constexpr int32_t layer_cell_none_ = 0, layer_cell_visible_ = -1, layer_cell_editable_ = -2,
                         layer_cell_dcolor_ = -3, layer_cell_fcolor_ = -4, layer_cell_style_ = -5,
                         layer_cell_width_ = -6;
// The fixed column widths, index 0..8 (8 stays 0).
inline constexpr std::array<int32_t, 9> layer_col_width_ = {0, 22, 22, 200, 90, 90, 90, 90, 0};
// The cell code of a table x for layer row `layer`: the first column whose inclusive range holds x.
int32_t layer_cell_at_(int32_t x, int32_t layer);

class ex_layers_ {
 public:
  ex_layers_(zaz_class_& engine, const dialog_host_rec_& host);
  ~ex_layers_();
  ex_layers_(const ex_layers_&) = delete;
  ex_layers_& operator=(const ex_layers_&) = delete;

  // Shows the dialog modally over owner (the host's main window when null).
  void show_modal_(window_* owner = nullptr, std::function<void()> queued = {});
  void close_();
  window_& form() { return *form_; }
  window_& table() { return *layers_; }

  int32_t scroll_top_ = 0, rename_layer_ = 0, hot_row_ = 0, hot_cell_ = 0, hot_row_bottom_ = 0, popup_layer_ = 0;
  flag16_ mouse_pressed_ = false_;
  int32_t mouse_x_ = -1, mouse_y_ = -1;
  int32_t edit_rect_[4] = {0, 0, 0, 0};

  void paint_layer_table_();
  void layers__MouseMove(int32_t x, int32_t y);
  void layers__MouseDown(int32_t y);
  void layers__MouseUp();
  void xpopup__PopupMenuClick(const std::string& key);
  void layer_addnew__Click();
  void layer_delete__Click();
  void Form_Resize();

  std::unique_ptr<window_> form_, layers_;
  std::unique_ptr<xcscrollbox_> vsc_;
  std::unique_ptr<xctextbox_> edit_;
  std::unique_ptr<xcpopupmenu_> xpopup_;
  std::unique_ptr<xcbutton_> layer_addnew_, layer_delete_, close_btn_;

 private:
  void build_();
  void Form_Load();
  void fill_popups_();
  void edit_commit_();
  void hide_popup_();
  int32_t row_h_ = 23;
  bool closing_ = false;
  zaz_class_& eng_;
  dialog_host_rec_ host_;
};

// The routine the main window registers for "layers": shows the layer manager modally.
void show_ex_layers_(zaz_class_& engine, const dialog_host_rec_& host, std::function<void()> queued = {});
