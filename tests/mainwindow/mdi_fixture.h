// A main window over a real engine on a new drawing, with its own per-user settings store in a
// temporary folder, the English texts, and message boxes and file dialogs answered by script.
#pragma once
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <memory>
#include <string>

#include "engine/zaz_class.h"
#include "mainwindow/mdi.h"
#include "platform/services/dialogs.h"
#include "platform/services/settings_backend.h"
#include "platform/window/event_loop.h"
#include "shell/icons.h"
#include "shell/language.h"
#include "shell/program.h"
#include "shell/settings.h"

class mdi_fixture : public ::testing::Test {
 protected:
  void SetUp() override {
    ensure_application_();
    std::string tmpl = (std::filesystem::temp_directory_path() / "arvex-mdi-XXXXXX").string();
    ASSERT_NE(::mkdtemp(tmpl.data()), nullptr);
    dir = tmpl + "/";
    set_user_settings_folder_(dir + "user");
    // Other test programs leave their layouts beside the shared program folder.
    set_toolbar_layout_path_(dir + "xtoolbars2_.ini");
    close_settings_file_();
    portable_mode_ = false_;
    icon_table_.assign(1, icon_entry_rec_{});
    ASSERT_TRUE(load_language_("program_en.lang"));
    set_dialog_scripting_(true);
    clear_dialog_replies_();
    take_dialog_requests_();
  }
  void TearDown() override {
    close();
    clear_dialog_replies_();
    set_user_settings_folder_("");
    set_toolbar_layout_path_("");
    std::error_code ec;
    std::filesystem::remove_all(dir, ec);
  }

  // Opens the main window with a stored interface type on a new drawing, shown.
  void open(const std::string& gui_type = "0") {
    save_setting_("kalvinor.common", "GUI", "Type", gui_type);
    engine = std::make_unique<zaz_class_>();
    mdi = std::make_unique<MDI_>(*engine);
    mdi->new_drawing_();
    mdi->form().show_();
    do_events_();
    mdi->timer_tick_();
  }
  void close() {
    mdi.reset();
    engine.reset();
  }
  std::string setting(const char* key) {
    return value_text_(get_setting_("kalvinor.zaz", "windows\\MDI", key, value_::of(std::string("absent"))));
  }

  std::string dir;
  std::unique_ptr<zaz_class_> engine;
  std::unique_ptr<MDI_> mdi;
};
