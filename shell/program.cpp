// The start opens the drawing named on the command line only when such a file exists; any other
// line starts a new drawing from the template, and a file that cannot be read is reported after
// the new drawing stands, so the user is never left without one. The exit goes on step by step
// whatever fails.
#include "shell/program.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "engine/zaz_class.h"
#include "platform/input/cursor.h"
#include "platform/services/dialogs.h"
#include "platform/services/settings_backend.h"
#include "platform/window/event_loop.h"
#include "platform/window/window.h"
#include "shell/balloon.h"
#include "shell/colors.h"
#include "shell/files.h"
#include "shell/frame_shadows.h"
#include "shell/frame_table.h"
#include "shell/key_dispatch.h"
#include "shell/language.h"
#include "shell/main_link.h"
#include "shell/program_dir.h"
#include "shell/quick_buttons.h"
#include "shell/settings.h"
#include "shell/shell_text.h"
#include "shell/splash.h"
#include "shell/startup.h"
#include "shell/ui_metrics.h"
#include "ui/controls/calendar/calendar.h"
#include "ui/controls/textbox/textbox.h"
#include "ui/skin/skin_file.h"

std::unique_ptr<zaz_class_> main_engine_;
std::unique_ptr<zaz_class_> library_engine_;

namespace {
bool layout_disabled = false;

std::function<void()> process_end = [] {
  std::fflush(nullptr);
  std::_Exit(0);
};

void new_drawing(const std::string& template_file) {
  main_engine_->file_new_(true_, file_exists_(template_file) == true_ ? template_file : std::string());
}
}  // namespace

void set_process_end_(std::function<void()> end) { process_end = std::move(end); }

std::string command_line_path_(const std::string& command_line) {
  std::string s;
  for (char c : command_line)
    if (c != '"') s += c;
  return trim_blanks_(s);
}

std::string template_name_() {
  return trim_blanks_(value_text_(get_setting_("kalvinor.zaz", "default", "template", "")));
}

std::string template_path_() { return program_dir_() + "templates/" + template_name_(); }

std::string file_name_of_(const std::string& path) {
  const auto slash = path.find_last_of("/\\");
  return trim_blanks_(slash == std::string::npos ? path : path.substr(slash + 1));
}

namespace {
std::string& layout_path_override() {
  static std::string path;
  return path;
}
}  // namespace

std::string toolbar_layout_path_() {
  const std::string& path = layout_path_override();
  if (!path.empty()) return path;
  if (portable_mode_ == true_) return program_dir_() + "xtoolbars2_.ini";
  return user_settings_folder_() + "/xtoolbars2_.ini";
}

void set_toolbar_layout_path_(const std::string& path) { layout_path_override() = path; }

void disable_toolbar_layout_() {
  layout_disabled = true;
  if (main_link_* m = main_link_if_made_()) m->dock_state_disable_();
}

bool toolbar_layout_disabled_() { return layout_disabled; }

void progress_callback_() {
  if (!main_engine_) return;
  if (main_link_* m = main_link_if_made_()) m->show_progress_(main_engine_->progress_());
}

void break_callback_() { do_events_(); }

void Main(const std::string& command_line) {
  ensure_application_();
  program_command_line_() = command_line;
  // "+nohook" keeps the platform's frames; decided before any window exists.
  if (has_nohook_switch_(command_line)) set_system_decorations_(true);
  start_settings_and_language_();
  select_skin_file_();
  init_ui_metrics_();
  start_gdiplus_();
  load_skin_file_(skin_file_path_);
  load_textbox_menu_captions_();
  set_dropdown_registrar_(set_open_dropdown_);
  start_program_(command_line);
}

void start_program_(const std::string& command_line) {
  layout_disabled = false;
  main_engine_ = std::make_unique<zaz_class_>();
  main_engine_->break_function_(break_callback_);
  main_engine_->progress_function_(progress_callback_);
  library_engine_ = std::make_unique<zaz_class_>();
  library_engine_->file_new_(true_, "");
  tray_add_icon_();
  set_screen_cursor_(cursor_shape_::wait);
  splash_load_();
  if (value_equals_(get_setting_("kalvinor.common", "GUI", "WScreen", 1.0), 1)) {
    splash_show_();
    do_events_();
  }
  const std::string path = command_line_path_(command_line);
  const std::string template_file = trim_blanks_(template_path_());
  main_link_* main = nullptr;
  if (file_exists_(path) == true_) {
    main = main_link_in_use_();
    window_* w = main ? main->main_window_() : nullptr;
    if (w) w->enable_(false);
    set_screen_cursor_(cursor_shape_::wait);
    if (main_engine_->file_open_(path) == true_) {
      if (main_engine_->file_type_(path) != 1) {
        if (main) main->view_attach_(*main_engine_);
        main_engine_->view_all_(false_, 0);
      }
    } else {
      new_drawing(template_file);
      message_box_(lang_text_("message.cantopenfile", path), "", box_ok_ + box_icon_warning_, w);
    }
    restore_screen_cursor_();
    if (w) w->enable_(true);
  } else {
    new_drawing(template_file);
  }
  main = main_link_in_use_();
  if (main) {
    main->ref_(true_, false_);
    main->ribbon_refresh_();
  }
  restore_screen_cursor_();
  splash_unload_();
  if (main) {
    main->ref_lists_();
    main->show_();
  }
  install_keyboard_hook_();
  check_shadow_support_();
}

void exit_program_(flag16_ keep_windows) {
  main_link_* main = main_link_if_made_();
  // The toolbar layout is written over the old file in one step, so no old file is deleted first.
  if (main && main->gui_type_val_() >= 1 && !layout_disabled) {
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(toolbar_layout_path_()).parent_path(), ec);
    main->dock_state_save_(toolbar_layout_path_());
  }
  if (keep_windows != true_) {
    if (main && main->main_window_()) main->main_window_()->enable_(false);
    splash_unload_();
    if (main) main->destroy_();
  }
  main_engine_.reset();
  remove_keyboard_hook_();
  process_end();
}

void frame_cb_ribbon_refresh_() {
  if (main_link_* m = main_link_if_made_()) m->ribbon_refresh_();
}
void frame_cb_close_popups_() {
  if (main_link_* m = main_link_if_made_()) m->close_popups_();
}
void frame_cb_quick_button_() {
  if (main_link_* m = main_link_if_made_()) m->quick_button_(hovered_quick_button_);
}
void frame_cb_show_bars_() {
  if (main_link_* m = main_link_if_made_()) m->show_bars_(true);
  do_events_();
}
void frame_cb_hide_bars_() {
  if (main_link_* m = main_link_if_made_()) m->show_bars_(false);
  do_events_();
}
void frame_cb_close_menus_() {
  if (main_link_* m = main_link_if_made_()) m->dock_close_menus_();
}
