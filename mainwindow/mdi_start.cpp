// The program's run: the main window registered with the shell as the window its start and exit
// work with, then the shell's whole start and the event loop. Closing the window runs the exit.
#include <memory>

#include "engine/zaz_class.h"
#include "mainwindow/mdi.h"
#include "mainwindow/mdi_start.h"
#include "platform/window/event_loop.h"
#include "shell/main_link.h"
#include "shell/main_window_entry.h"
#include "shell/program.h"
#include "ui/controls/docktb/xdocktb.h"
#include "ui/controls/ribbon/ribbon_control.h"
#include "ui/controls/statusbar/statusbar.h"

namespace {

class mdi_main_link_ final : public main_link_ {
 public:
  explicit mdi_main_link_(zaz_class_& engine)
      : mdi_(std::make_unique<MDI_>(engine)) {
    // The exit destroys the window, so it runs after the unload has returned.
    mdi_->on_unload = [] { post_task_([] { exit_program_(false_); }); };
  }

  window_* main_window_() override { return mdi_ ? &mdi_->form() : nullptr; }
  int32_t gui_type_val_() override { return mdi_ ? mdi_->gui_type_val_() : 1; }
  void view_attach_(zaz_class_&) override {
    if (mdi_) mdi_->attach_view_();
  }
  void ref_(flag16_ fast, flag16_ resize) override {
    if (mdi_) mdi_->ref_(fast, resize);
  }
  void ribbon_refresh_() override {
    if (mdi_ && mdi_->ribbon()) mdi_->ribbon()->refresh_();
  }
  void ref_lists_() override {
    if (!mdi_) return;
    mdi_->ref_pages_();
    mdi_->ref_layers_();
    mdi_->ref_dstyles_();
    mdi_->ref_states_();
  }
  void show_progress_(int32_t progress) override {
    if (!mdi_) return;
    mdi_->statusbar().progress_(progress);
    mdi_->statusbar().refresh_();
  }
  void show_() override {
    if (mdi_) mdi_->form().show_();
  }
  void destroy_() override {
    mdi_.reset();
  }
  void dock_state_save_(const std::string& path) override {
    if (mdi_ && mdi_->docktb()) mdi_->docktb()->state_save_(path);
  }
  void dock_state_disable_() override {
    if (mdi_ && mdi_->docktb()) mdi_->docktb()->state_disable_();
  }
  void dock_close_menus_() override {
    if (mdi_ && mdi_->docktb()) mdi_->docktb()->hide_menu_();
  }
  void close_popups_() override {
    if (mdi_ && mdi_->ribbon()) mdi_->ribbon()->hide_winex_();
  }
  // The main window registers its own frame procedures for the quick-access buttons and the
  // bars; these two entries serve callers that reach them through the shell.
  void quick_button_(int32_t) override {}
  void show_bars_(bool) override {}
  MDI_* mdi() { return mdi_.get(); }
  void apply_skin_() override {
    if (!mdi_) return;
    mdi_->set_skincolors_();
    mdi_->ref_edit_(true_, false_);
    mdi_->ref_blocks_(-1, -1);
    mdi_->ref_(false_, true_);
  }

 private:
  std::unique_ptr<MDI_> mdi_;
};

}  // namespace

void install_main_window_link_() {
  set_main_link_maker_([]() -> std::unique_ptr<main_link_> {
    if (!main_engine_) return nullptr;
    return std::make_unique<mdi_main_link_>(*main_engine_);
  });
}

MDI_* running_main_window_() {
  auto* link = dynamic_cast<mdi_main_link_*>(main_link_if_made_());
  return link ? link->mdi() : nullptr;
}

int32_t run_main_window_(const std::string& command_line) {
  install_main_window_link_();
  Main(command_line);
  return run_event_loop_();
}
