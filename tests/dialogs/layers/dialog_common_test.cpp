// What the three dialogs share: the opening position from the settings and the locale's numbers.
#include "dialogs/layers/dialog_common.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

#include "platform/services/screen.h"
#include "platform/services/settings_backend.h"
#include "platform/window/event_loop.h"
#include "shell/settings.h"

namespace {

class dialog_position_test : public ::testing::Test {
 protected:
  void SetUp() override {
    ensure_application_();
    std::string tmpl = (std::filesystem::temp_directory_path() / "arvex-dlgpos-XXXXXX").string();
    ASSERT_NE(::mkdtemp(tmpl.data()), nullptr);
    dir = tmpl;
    set_user_settings_folder_(dir + "/user");
    close_settings_file_();
    portable_mode_ = false_;
  }
  void TearDown() override {
    close_settings_file_();
    set_user_settings_folder_("");
    std::error_code ec;
    std::filesystem::remove_all(dir, ec);
  }
  std::string dir;
};

TEST_F(dialog_position_test, a_stored_value_that_is_no_number_gives_the_default) {
  ASSERT_EQ(twips_per_pixel_x_(), 15);
  ASSERT_EQ(twips_per_pixel_y_(), 15);
  const pixel_point_ def = dialog_position_("exlayers", nullptr);
  EXPECT_EQ(def.x, 150);
  EXPECT_EQ(def.y, 165);
  struct { const char* left; const char* top; int32_t x, y; } cases[] = {
      {"3000", "1500", 200, 100}, {"abc", "1500", 150, 100}, {"3000", "", 200, 165},
      {"12px", "  450 ", 150, 30}, {"nan", "inf", 150, 165}};
  for (auto c : cases) {
    ASSERT_TRUE(save_setting_("kalvinor.zaz", "windows\\exlayers", "left", c.left));
    ASSERT_TRUE(save_setting_("kalvinor.zaz", "windows\\exlayers", "top", c.top));
    const pixel_point_ p = dialog_position_("exlayers", nullptr);
    EXPECT_EQ(p.x, c.x) << c.left;
    EXPECT_EQ(p.y, c.y) << c.top;
  }
}

TEST(locale_numbers, parse_takes_only_whole_numbers_of_text) {
  const std::string sep = decimal_separator_();
  struct { std::string text; bool ok; double v; } cases[] = {
      {"297", true, 297},           {" 4" + sep + "5 ", true, 4.5}, {"-1", true, -1},
      {"abc", false, 0},            {"", false, 0},                 {"1" + sep + "5x", false, 0},
      {"1e400", false, 0},          {"0x10", false, 0}};
  for (const auto& c : cases) {
    double v = 0;
    EXPECT_EQ(parse_locale_number_(c.text, v), c.ok) << c.text;
    if (c.ok) {
      EXPECT_EQ(v, c.v) << c.text;
    }
  }
  EXPECT_EQ(format_locale_(297, 2), "297" + sep + "00");
  EXPECT_EQ(format_locale_(-0.001, 2), "0" + sep + "00");
  EXPECT_EQ(format_locale_(3, 0), "3");
}

}  // namespace
