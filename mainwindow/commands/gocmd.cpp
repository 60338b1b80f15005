// The main window's one command entry: the word is normalised, the one case that owns it runs,
// a word no case owns is tried as "grid <size>" and then as a typed point, and a handled word
// brings the interface in line with what its case changed.
#include "engine/zaz_class.h"
#include "mainwindow/commands/command_run.h"
#include "mainwindow/mdi.h"
#include "shell/shell_text.h"
#include "ui/controls/docktb/xdocktb.h"
#include "ui/controls/ribbon/ribbon_control.h"
#include "ui/controls/sidepanel/xcpanelbox.h"

bool MDI_::gocmd_(const std::string& command) {
  command_run_rec_ c;
  c.word = lower_ascii_(trim_blanks_(command));
  // The empty word (sent once at start) matches nothing and changes nothing.
  if (c.word.empty()) return false;
  using w = command_words_;
  const bool matched = w::file_words_(*this, c) || w::selection_words_(*this, c) ||
                       w::page_layer_words_(*this, c) || w::edit_words_(*this, c) || w::tool_words_(*this, c) ||
                       w::arrange_words_(*this, c) || w::panel_block_words_(*this, c) ||
                       w::print_view_words_(*this, c);
  if (c.skip_tail) return c.handled;
  if (!matched) w::grid_size_(*this, c);
  w::tail_(*this, c);
  return c.handled;
}

bool command_words_::grid_size_(MDI_& m, command_run_rec_& c) {
  if (c.word.compare(0, 5, "grid ") != 0) return false;
  const float size = command_number_or_leading_(c.word.substr(5));
  if (!(size >= grid_size_min_)) return false;
  m.eng_.view_gridsize_(size);
  c.handled = true;
  m.ref_(false_, false_);
  return true;
}

void command_words_::tail_(MDI_& m, command_run_rec_& c) {
  if (c.tool_chosen && m.eng_.hpoint_count_() >= 1) {
    m.eng_.hpoint_clear_();
    if (!c.repainted) m.ref_(false_, false_);
  }
  if (!c.handled) {
    c.handled = typed_point_(m, c.word);
    return;
  }
  if (m.gui_type_ < gui_classic_) {
    // The ribbon click's closing steps, run without a key: the block to insert stays chosen.
    if (m.ribbon_) {
      m.xribbon_ButtonClick("", 0);
      m.ribbon_->refresh_();
    }
  } else {
    if (window_* p = m.panel_->panel_window_()) {
      const pixel_rect_ r = p->window_rect_();
      pixel_point_ at{r.left, r.top};
      if (window_* parent = p->parent_()) at = parent->screen_to_client_(at);
      p->move_(at.x, at.y, 119, m.panel_->panelheight_());
    }
    m.panel_->refresh_();
    if (m.docktb_) m.docktb_->resize_tools_(true);
    m.ref_tool_buttons_(0);
  }
}

void command_words_::tool_rows_(MDI_& m) { m.ref_adraw_(); }

void command_words_::uncheck_zoom_items_(MDI_& m) {
  for (const char* k : {"ZOOM_MOVE", "ZOOM_ZOOM", "ZOOM_AREA"}) m.panel_->item_checked_(k, false_);
}

void command_words_::clear_ribbon_tool_groups_(MDI_& m) {
  if (m.gui_type_ >= gui_classic_ || !m.ribbon_) return;
  static const char* const groups[] = {"PRINTP",    "SELECT_STD", "SELECT_TRN", "SELECT_DIM", "SELECT_VIEW",
                                       "SELECT_ARR", "CLIPBOARD", "SELECTION",  "TRANSFORM",  "DIMENSION",
                                       "MEASURE",   "DRAWING",    "ZOOM"};
  for (const char* g : groups) m.ribbon_->model().clear_btnschecked_(g);
}
