// Copy, cut and paste through the platform clipboard, and the context menu that replays their
// shortcuts. There is no undo: the menu's undo entry is always disabled. A paste that would
// push the box past 256 lines is refused with the beep and leaves the text as it was.
#include "platform/services/clipboard.h"
#include "platform/services/dialogs.h"
#include "platform/window/event_loop.h"
#include "ui/controls/textbox/textbox.h"

void xctextbox_::copy_selection_() {
  clipboard_clear_();
  clipboard_set_text_(st_.sel_text);
}

// Ctrl+V: the selection goes, then the clipboard's text comes in at the caret.
void xctextbox_::text_paste_() {
  if (st_.enabled != true_) return;
  const bool has_text = clipboard_has_text_();
  const std::string clip = has_text ? clipboard_text_() : std::string();
  if (has_text) {
    // Measure on a copy first, so a refused paste leaves even the selection in place.
    textbox_state_ probe = st_;
    if (probe.sel_length >= 1) textbox_split_text_(probe, textbox_text_without_selection_(probe));
    if (textbox_paste_text_(probe, clip).lines > textbox_max_lines_) {
      control_beep_();
      return;
    }
  }
  if (st_.sel_length >= 1) text_delete_selection_();
  if (!has_text) return;
  const textbox_paste_ p = textbox_paste_text_(st_, clip);
  text(p.text);
  st_.caret_line = p.caret_line;
  st_.caret_col = p.caret_col;
  textbox_select_to_caret_(st_, 0);
}

void xctextbox_::open_context_menu_(int32_t screen_x, int32_t screen_y) {
  window_* w = win_();
  if (!w || st_.enabled != true_) return;
  const std::weak_ptr<int> alive = life_;
  w->set_focus_();
  do_events_();
  if (alive.expired() || !win_()) return;
  w->set_cursor_(cursor_shape_::wait);
  const bool has_clip = !clipboard_text_().empty();
  const bool has_sel = st_.sel_length >= 1;
  const auto& c = textbox_menu_captions_;
  const std::vector<menu_item_> items = {
      {c[0], false, false}, {"-", true, true},       {c[1], has_sel, false}, {c[2], has_sel, false},
      {c[3], has_clip, false}, {"-", true, true}, {c[4], true, false}};
  const int32_t pick = context_menu_(w, screen_x, screen_y, items);
  if (alive.expired()) return;
  static constexpr int32_t keys[8] = {0, 'Z', 0, 'X', 'C', 'V', 0, 'A'};
  if (pick >= 1 && pick <= 7 && keys[pick] != 0 && win_()) key_down_(keys[pick], 2);
  if (alive.expired()) return;
  if (window_* still = win_()) still->set_cursor_(cursor_shape_::ibeam);
}
