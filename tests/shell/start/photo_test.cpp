// The shell's windows and the palette and print dialogs photographed as they are on the screen,
// saved as PNG files beside the test program ("photos/"), with every control showing something
// of its own and every text found in the language file.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "dialogs/hatchpal/hatchpal.h"
#include "dialogs/print/printer_choice.h"
#include "dialogs/print/printing.h"
#include "platform/services/picture_file.h"
#include "shell/guiopt.h"
#include "shell/splash.h"
#include "shell/xopt.h"
#include "start_fixture.h"
#include "tests/support/missing_texts.h"
#include "ui/controls/control_base.h"
#include "ui/skin/skin_file.h"
#include "ui/skin/skin_palette.h"

namespace {

void settle() {
  for (int i = 0; i < 10; ++i) {
    do_events_();
    sleep_ms_(5);
  }
}

class photo_test : public start_fixture {
 protected:
  void SetUp() override {
    start_fixture::SetUp();
    std::filesystem::copy(program_folder_() + "skins", dir + "skins");
    select_skin_file_();
    load_skin_file_(skin_file_path_);
    start_program_("");
    std::filesystem::create_directories(program_folder_() + "photos");
  }
  void TearDown() override {
    skin_palette_ = skin_palette_rec_{};
    start_fixture::TearDown();
  }

  // Shows the window, saves its photograph and checks that each control window on it (and on
  // the given panels) shows at least two colours.
  void photograph(window_& win, const std::string& name, const std::vector<window_*>& hosts) {
    win.show_();
    settle();
    surface_ shot;
    ASSERT_TRUE(win.grab_(shot)) << name;
    picture_image_rec_ img;
    img.width = shot.width_();
    img.height = shot.height_();
    for (int32_t y = 0; y < img.height; ++y)
      for (int32_t x = 0; x < img.width; ++x) img.argb.push_back(0xFF000000u | (shot.argb_(x, y) & 0xFFFFFF));
    EXPECT_TRUE(save_png_file_(program_folder_() + "photos/" + name + ".png", img));
    const pixel_rect_ at = win.window_rect_();
    int controls = 0;
    for (window_* host : hosts)
      for (xc_control_* c : controls_on_(host)) {
        window_* cw = c->win_();
        if (!cw || !cw->visible_()) continue;
        ++controls;
        const pixel_rect_ r = cw->window_rect_();
        std::set<uint32_t> colours;
        for (int32_t y = r.top; y < r.bottom; ++y)
          for (int32_t x = r.left; x < r.right; ++x) colours.insert(shot.colour_(x - at.left, y - at.top));
        EXPECT_GE(colours.size(), 2u) << name << ": a control at " << r.left - at.left << "," << r.top - at.top;
      }
    EXPECT_GT(controls, 0) << name;
  }
  missing_texts_recorder texts;
};

TEST_F(photo_test, shell_windows) {
  splash_load_();
  {
    window_& s = splash_in_use_()->win();
    s.show_();
    settle();
    surface_ shot;
    ASSERT_TRUE(s.grab_(shot));
    EXPECT_EQ(shot.width_(), 500);
    EXPECT_EQ(shot.colour_(14 + 50, 7 + 45), 0x0099562AU);  // the version box
    splash_unload_();
  }
  {
    ex_xopt_ d(*main_engine_);
    photograph(d.dialog().win(), "options_drawing", {&d.dialog().win(), &d.page1()});
    d.tab_click_("T2");
    photograph(d.dialog().win(), "options_program", {&d.dialog().win(), &d.page2()});
  }
  {
    OPT_ o;
    o.reload_();
    photograph(o.dialog().win(), "interface_options", {&o.dialog().win(), &o.dialog().form()});
  }
  {
    about_ a;
    photograph(a.dialog().win(), "about", {&a.dialog().win()});
  }
}

TEST_F(photo_test, palette_and_print_windows) {
  {
    ex_hatchpal_ p(*main_engine_);
    photograph(p.dialog().win(), "hatch_palette", {&p.dialog().win()});
  }
  {
    ex_printing_ d(*main_engine_);
    photograph(d.dialog().win(), "print", {&d.dialog().win(), &d.dialog().form()});
  }
  {
    ex_printset_ d(*main_engine_);
    photograph(d.dialog().win(), "line_widths", {&d.dialog().win(), &d.dialog().form()});
  }
  {
    ex_printer_ d;
    photograph(d.dialog().win(), "printer_choice", {&d.dialog().win(), &d.dialog().form()});
  }
}

}  // namespace
