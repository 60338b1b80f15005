// The program's main window run: the main engine, the window on a new (or named) drawing, and
// the event loop until the window closes.
#include <memory>

#include "engine/zaz_class.h"
#include "mainwindow/mdi.h"
#include "platform/services/dialogs.h"
#include "shell/key_dispatch.h"
#include "shell/language.h"
#include "shell/main_window_entry.h"
#include "shell/shell_text.h"
#include "shell/ui_metrics.h"
#include "ui/skin/skin_file.h"

int32_t run_main_window_(const std::string& path) {
  ensure_application_();
  // Until the shell's start chooses them, the skin of the settings and the screen's metrics.
  if (!skin_loaded_) {
    init_ui_metrics_();
    select_skin_file_();
  }
  auto engine = std::make_unique<zaz_class_>();
  auto mdi = std::make_unique<MDI_>(*engine);
  mdi->new_drawing_();
  if (!trim_blanks_(path).empty() && !engine->file_open_(path))
    message_box_(lang_text_("message.cantopenfile"), program_title_, box_ok_ + box_icon_error_, &mdi->form());
  mdi->ref_(true_, false_);
  mdi->form().show_();
  install_keyboard_hook_();
  mdi->on_unload = [] { quit_event_loop_(0); };
  const int32_t code = run_event_loop_();
  remove_keyboard_hook_();
  mdi.reset();
  return code;
}
