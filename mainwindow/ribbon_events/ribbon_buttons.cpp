// The ribbon's button event. A press dispatches on the control's second key, so a split button
// repeats the variant chosen last; the command entry calls this with ("", 0) after every word
// it handled, and that call runs only the refresh steps. Navigation, display switches and the
// background act on the engine directly and are no undo steps.
#include <cctype>
#include <string>

#include "engine/zaz_class.h"
#include "mainwindow/interface/command_words.h"
#include "mainwindow/mdi.h"
#include "mainwindow/ribbon_events/ribbon_events.h"
#include "shell/language.h"
#include "shell/shell_text.h"
#include "ui/controls/ribbon/ribbon_control.h"

namespace {

// First, previous, next or last (buttons 1 to 4) of a numbered table; the engine clamps.
int16_t step_to_(int16_t button, int32_t active, int32_t count) {
  switch (button) {
    case 1: return 1;
    case 2: return cint16_(double(active) - 1);
    case 3: return cint16_(double(active) + 1);
    default: return cint16_(double(count));
  }
}

bool is_nav_button_(int16_t b) { return b >= 1 && b <= 4; }

// The display switches: button i flips letter i of the state text; buttons 1 to 3 set the
// engine's colour, style and width switches to the new letter's case.
void display_switch_(MDI_& m, xribbon_& r, int16_t button) {
  std::string t = trim_blanks_(r.buttontext_("PVIEWG"));
  if (t.size() < 4 || button < 1 || button > 4) return;
  t.resize(4);
  char& c = t[size_t(button - 1)];
  const bool upper = !(c >= 'A' && c <= 'Z');
  c = char(upper ? std::toupper(uint8_t(c)) : std::tolower(uint8_t(c)));
  zaz_class_& e = m.engine();
  if (button == 1) e.attrib_color_(to_flag_(upper));
  if (button == 2) e.attrib_style_(to_flag_(upper));
  if (button == 3) e.attrib_width_(to_flag_(upper));
  r.buttontext_("PVIEWG", t);
  m.ref_(false_, false_);
}

void background_(MDI_& m, xribbon_& r, int16_t button) {
  static const struct {
    const char* text;
    int32_t colour;
  } choices[] = {{"Bbc", 0xFFFFFF}, {"bBc", 0x000000}, {"bbC", 0xC8C8C8}};
  if (button >= 1 && button <= 3) {
    r.buttontext_("PVCBG", choices[button - 1].text);
    m.engine().backcolor_(choices[button - 1].colour);
  }
  m.ref_(false_, false_);
}

// The engine's own actions of the groups; false when the key is none of them.
bool group_action_(MDI_& m, xribbon_& r, const std::string& key, int16_t button) {
  zaz_class_& e = m.engine();
  if (key == "PAGES_NAV" || key == "PAGES_NAV_EX" || key == "LAYERS_NAV") {
    if (!is_nav_button_(button)) return true;
    if (key == "LAYERS_NAV") e.layer_active_(step_to_(button, e.layer_active_(), e.layers_count_()));
    else e.page_active_(step_to_(button, e.page_active_(), e.pages_count_()));
    m.ref_pages_();
    m.ref_layers_();
    m.ref_(false_, false_);
  } else if (key == "DIMSTYLES_NAV") {
    if (!is_nav_button_(button)) return true;
    e.dimstyle_active_(step_to_(button, e.dimstyle_active_(), e.dimstyles_count_()));
    m.ref_dstyles_();
  } else if (key == "DIMSTYLES_EDIT") {
    // The same add and delete as the classic menu's style rows: one undo step each; a delete
    // the engine refuses (the last style, one in use) is explained and makes no step.
    if (button == 1) m.add_dimstyle_();
    else if (button == 2) m.delete_dimstyle_();
  } else if (key == "PVIEWG") {
    display_switch_(m, r, button);
  } else if (key == "PVCBG") {
    background_(m, r, button);
  } else {
    return false;
  }
  return true;
}

}  // namespace

void MDI_::xribbon_ButtonClick(const std::string& c_key_, int16_t bgIndex_) {
  if (!ribbon_) return;
  xribbon_& r = ribbon_->model();
  // The command entry's closing call has no key and must match no control, keyless ones included.
  const std::string key2 = c_key_.empty() ? std::string() : r.buttonkey2_(c_key_);
  if (!c_key_.empty()) block_to_insert_ = 0;
  ref_blocks_(-1, -1);
  ref_edit_(false_, false_);
  if (!key2.empty() && !group_action_(*this, r, key2, bgIndex_)) {
    std::string word = command_word_(command_event_::ribbon_button, key2, 0);
    if (word.empty() && bgIndex_ > 0) word = command_word_(command_event_::ribbon_button, key2, bgIndex_);
    if (!word.empty()) gocmd_(word);
  }
  auto_pointer_();
  ribbon_tool_rows_(*this);
  if (side_panel_mode_ == 1) r.buttonchecked_("BLOCK_SHOW", true);
  if (side_panel_mode_ == 2)
    for (const char* k : {"EDIT1_SHOW", "EDIT2_SHOW", "EDIT3_SHOW", "EDIT4_SHOW", "EDIT5_SHOW"})
      r.buttonchecked_(k, true);
}
