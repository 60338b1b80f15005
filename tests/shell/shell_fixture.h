// A fresh program folder and per-user store in a temporary folder for every test, and the shell's
// process-wide state put back to its start.
#pragma once
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/core/file_io.h"
#include "platform/services/settings_backend.h"
#include "shell/icons.h"
#include "shell/language.h"
#include "shell/program_dir.h"
#include "shell/settings.h"

class shell_fixture : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string tmpl = (std::filesystem::temp_directory_path() / "arvex-test-XXXXXX").string();
    ASSERT_NE(::mkdtemp(tmpl.data()), nullptr);
    dir = tmpl + "/";
    set_program_dir_(dir);
    set_user_settings_folder_(dir + "user");
    close_settings_file_();
    portable_mode_ = false_;
    lang_table_.count = 0;
    icon_table_.assign(1, icon_entry_rec_{});
  }
  void TearDown() override {
    close_settings_file_();
    portable_mode_ = false_;
    set_program_dir_("");
    set_user_settings_folder_("");
    std::error_code ec;
    std::filesystem::remove_all(dir, ec);
  }
  // Writes bytes as they are (language files are Windows-1250).
  void write(const std::string& name, const std::string& bytes) {
    std::filesystem::create_directories(std::filesystem::path(dir + name).parent_path());
    std::ofstream(dir + name, std::ios::binary) << bytes;
  }
  std::string read(const std::string& name) { return read_file_bytes_(dir + name).value_or(""); }

  std::string dir;
};
