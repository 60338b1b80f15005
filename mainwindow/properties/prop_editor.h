// The side panel's property editor and blocks list, the main window's side of them: the rows
// per object kind, the value editors, applying a value, the blocks list, the block choice and
// the unit texts. Reaches the main window only through prop_host_.
#pragma once
#include <cstdint>
#include <string>

#include "mainwindow/properties/prop_host.h"
#include "platform/core/types.h"

class prop_editor_ {
 public:
  explicit prop_editor_(prop_host_& host) : host_(host) {}

  // Rebuilds the rows (set_) and repaints the grid; only in side-panel mode 2.
  void ref_edit_(flag16_ set_, flag16_ reset_);
  // Repaints the blocks list and answers the shown block whose cell holds (mx, my), 0 none;
  // only in side-panel mode 1.
  int32_t ref_blocks_(int32_t mx, int32_t my);
  // The side panel's mouse-down: Button 1 left, 2 right, 4 middle; X, Y panel pixels.
  void panel2_MouseDown(int16_t Button, int16_t Shift, float X, float Y);
  void panel2_Click();
  void p2vsc_Scroll();
  void cedit_ItemClick(int32_t Item_);
  void tedit_KeyPress(int16_t KeyAscii);
  void tedit_GotFocus();
  void tedit_LostFocus();
  // Makes bid the block to insert with tool BLOCK at step 0; outside 1..count clears it only.
  void set_block_(int32_t bid);
  // The short name of a page unit code in the interface language; "" outside 0..6.
  static std::string unit_key_(int32_t unit);

  // Wires the controls' events to the handlers above.
  void connect_();

 private:
  void build_edit_rows_(bool reset);
  void open_list_(int32_t type, const std::string& value, int32_t x, int32_t y, int32_t w, int32_t h);
  void open_text_(const std::string& value, int32_t x, int32_t y, int32_t w, int32_t h);
  void fill_list_(int32_t type);
  void blocks_press_(int16_t button, int32_t x, int32_t y);
  void hide_editors_();

  prop_host_& host_;
};
