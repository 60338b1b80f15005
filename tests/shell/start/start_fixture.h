// A program folder of its own, a fake main window registered through the shell's link, and the
// exit kept from ending the test process.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "../shell_fixture.h"
#include "engine/zaz_class.h"
#include "platform/core/file_io.h"
#include "shell/language.h"
#include "platform/gdi/dc.h"
#include "platform/services/dialogs.h"
#include "platform/window/event_loop.h"
#include "platform/window/window.h"
#include "shell/main_link.h"
#include "shell/program.h"

// Records what the start and the exit ask of the main window.
struct fake_main_ : main_link_ {
  explicit fake_main_(std::vector<std::string>& log) : log(log) {
    window_options_ o;
    o.width = 400;
    o.height = 300;
    win = create_window_(o);
  }
  window_* main_window_() override { return win && win->exists_() ? win.get() : nullptr; }
  int32_t gui_type_val_() override { return gui_type; }
  void view_attach_(zaz_class_& e) override {
    log.push_back("view");
    e.dinit_(&dc);
  }
  void ref_(flag16_, flag16_) override { log.push_back("ref"); }
  void ribbon_refresh_() override { log.push_back("ribbon"); }
  void ref_lists_() override { log.push_back("lists"); }
  void show_progress_(int32_t p) override { log.push_back("progress " + std::to_string(p)); }
  void show_() override {
    log.push_back(win->enabled_() ? "show" : "show-disabled");
    win->show_();
  }
  void destroy_() override {
    log.push_back("destroy");
    win->destroy_();
  }
  void dock_state_save_(const std::string& path) override {
    log.push_back("save-layout");
    save_file_atomic_(path, "layout");
  }
  void dock_state_disable_() override {}
  void dock_close_menus_() override { log.push_back("close menus"); }
  void close_popups_() override { log.push_back("close popups"); }
  void quick_button_(int32_t b) override { log.push_back("quick " + std::to_string(b)); }
  void show_bars_(bool on) override { log.push_back(on ? "bars on" : "bars off"); }
  void apply_skin_() override {}

  std::vector<std::string>& log;
  std::unique_ptr<window_> win;
  surface_ view{400, 300};
  dc_ dc{view};
  int32_t gui_type = 1;
};

class start_fixture : public shell_fixture {
 protected:
  void SetUp() override {
    shell_fixture::SetUp();
    ensure_application_();
    ASSERT_EQ(load_language_(program_folder_() + "program_en.lang"), true_);
    set_dialog_scripting_(true);
    clear_dialog_replies_();
    take_dialog_requests_();
    set_process_end_([this] { ended = true; });
    set_main_link_maker_([this] {
      auto m = std::make_unique<fake_main_>(log);
      m->gui_type = gui_type;
      return m;
    });
  }
  void TearDown() override {
    set_main_link_maker_(nullptr);
    main_engine_.reset();
    library_engine_.reset();
    set_process_end_([] {});
    shell_fixture::TearDown();
  }
  fake_main_* main() { return static_cast<fake_main_*>(main_link_if_made_()); }

  std::vector<std::string> log;
  int32_t gui_type = 1;
  bool ended = false;
};
