// The main window with every named dialog scripted to close at once (the calls are recorded),
// the decimal point pinned to '.', and small readers of the drawing and its undo history.
#pragma once
#include <string>
#include <vector>

#include "mainwindow/commands/command_run.h"
#include "mainwindow/mdi_fixture.h"
#include "mainwindow/view/view_input.h"

class cmd_fixture : public mdi_fixture {
 protected:
  void SetUp() override {
    mdi_fixture::SetUp();
    pin_command_decimal_('.');
  }
  void TearDown() override {
    pin_command_decimal_(0);
    mdi_fixture::TearDown();
  }

  void open_window(const std::string& gui_type = "0") {
    open(gui_type);
    for (const char* n : {dlg_pages_, dlg_layers_, dlg_dimstyles_, dlg_select_filter_, dlg_text_, dlg_drawing_props_,
                          dlg_library_, dlg_print_, dlg_line_width_, dlg_options_, dlg_about_, dlg_hatch_,
                          dlg_printer_setup_})
      mdi->dialogs_.script_(n, [](const std::string&) { return dlg_closed_; });
    mdi->dialogs_.take_calls_();
    take_dialog_requests_();
  }

  zaz_class_& eng() { return *engine; }

  // A line as one undo step, so that the drawing has unsaved changes.
  int32_t line(float x1, float y1, float x2, float y2) {
    eng().state_begin_();
    const int32_t r = eng().add_line_(x1, y1, x2, y2);
    eng().state_save_("line");
    return r;
  }

  // Live objects of a page.
  int32_t live_on_page(int32_t page) {
    int32_t n = 0;
    for (int32_t r = 1; r <= eng().store.counts[0]; ++r) {
      const object_rec_& o = eng().object_(r);
      n += !o.deleted && o.page == page;
    }
    return n;
  }

  // The description of the newest undo step ("" with none).
  std::string last_step() {
    const int32_t a = eng().state_active_();
    return a >= 1 ? eng().state_item_(a - 1) : std::string();
  }

  std::vector<std::string> dialog_names() {
    std::vector<std::string> out;
    for (const dialog_call_rec_& c : mdi->dialogs_.take_calls_()) out.push_back(c.name);
    return out;
  }

  // The texts of the message boxes asked since the last call.
  std::vector<std::string> messages() {
    std::vector<std::string> out;
    for (const dialog_request_& r : take_dialog_requests_())
      if (r.kind == dialog_kind_::message_box) out.push_back(r.text);
    return out;
  }

  void answer_box(int32_t answer) {
    dialog_reply_ r;
    r.kind = dialog_kind_::message_box;
    r.answer = answer;
    push_dialog_reply_(r);
  }
  void answer_file(dialog_kind_ kind, const std::string& path, int32_t filter = 1) {
    dialog_reply_ r;
    r.kind = kind;
    r.text = path;
    r.cancel = path.empty();
    r.filter_index = filter;
    push_dialog_reply_(r);
  }

  view_input_& view() { return mdi->view_input(); }
};
