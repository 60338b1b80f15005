// The three dialogs photographed: each window (the style editor on each of its pages) is grabbed
// as it shows, saved as a PNG beside the build, and checked for its painted list, table and
// preview; under an X server the screen itself is compared as well. No caption may show a key.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <set>
#include <string>

#include "dialogs/dimstyles/ex_dimstyles.h"
#include "dialogs/layers/ex_layers.h"
#include "dialogs/pages/ex_pages.h"
#include "dialogs/text/text_dialog.h"
#include "engine/zaz_class.h"
#include "platform/gdi/surface.h"
#include "platform/services/picture_file.h"
#include "platform/services/screen.h"
#include "platform/window/event_loop.h"
#include "shell/language.h"
#include "support/missing_texts.h"
#include "support/test_skin.h"

namespace {

void settle() {
  for (int i = 0; i < 20; ++i) {
    do_events_();
    sleep_ms_(5);
  }
}

// Pixels of a child's kept surface that the dialog's photograph does not show where the child lies.
int32_t child_mismatches(window_& dialog, window_& child, const surface_& shot, int32_t ox, int32_t oy) {
  const pixel_rect_ d = dialog.window_rect_(), c = child.client_rect_();
  const surface_& own = child.client_surface_();
  int32_t bad = 0;
  for (int32_t y = 0; y < own.height_(); ++y)
    for (int32_t x = 0; x < own.width_(); ++x)
      bad += shot.colour_(c.left - d.left + x + ox, c.top - d.top + y + oy) != own.colour_(x, y);
  return bad;
}

// Grabs the dialog, writes the PNG and checks each child area; under X the screen too.
void photograph(window_& dialog, const std::string& name, std::initializer_list<window_*> children) {
  settle();
  surface_ shot;
  ASSERT_TRUE(dialog.grab_(shot));
  picture_image_rec_ image;
  image.width = shot.width_();
  image.height = shot.height_();
  for (int32_t y = 0; y < image.height; ++y)
    for (int32_t x = 0; x < image.width; ++x) image.argb.push_back(surface_::argb_of_colour_(shot.colour_(x, y)) | 0xFF000000u);
  const std::string folder = std::string(ARVEX_BINARY_DIR) + "/dialog_shots";
  std::filesystem::create_directories(folder);
  EXPECT_TRUE(save_png_file_(folder + "/" + name + ".png", image));
  for (window_* c : children) EXPECT_EQ(child_mismatches(dialog, *c, shot, 0, 0), 0) << name;
  if (platform_name_() == "xcb") {
    surface_ screen;
    const pixel_rect_ r = dialog.window_rect_();
    for (window_* c : children) {
      int32_t bad = -1;
      for (int i = 0; i < 100 && bad != 0; ++i) {
        ASSERT_TRUE(capture_screen_(r, screen));
        bad = child_mismatches(dialog, *c, screen, 0, 0);
        if (bad != 0) settle();
      }
      EXPECT_EQ(bad, 0) << name << " on the screen";
    }
  }
}

class dialog_photo_test : public ::testing::Test {
 protected:
  void SetUp() override {
    ensure_application_();
    ASSERT_EQ(load_language_(ARVEX_SOURCE_DIR "/resources/program_en.lang"), true_);
    // A real skin, so the photographs look as the user sees them.
    load_skin_file_(real_skin_path_("blue.skin"));
    ASSERT_EQ(skin_loaded_, -1);
    eng.file_new_(true_, "");
    eng.page_add_("Detail", 420, 297);
    eng.layer_add_("Walls", true_, true_, 255, -2, 2, 3);
    eng.layer_add_("", false_, true_, -1, 38655, 0, 1);
  }
  missing_texts_recorder texts;
  zaz_class_ eng;
  dialog_host_rec_ host;
};

TEST_F(dialog_photo_test, page_manager) {
  ex_pages_ d(eng, host);
  d.show_modal_([&] {
    photograph(d.form(), "pages", {&d.pages_list()});
    d.close_();
  });
}

TEST_F(dialog_photo_test, layer_manager) {
  ex_layers_ d(eng, host);
  d.show_modal_(nullptr, [&] {
    photograph(d.form(), "layers", {&d.table()});
    d.close_();
  });
}

TEST_F(dialog_photo_test, style_editor_on_each_page) {
  ex_dimstyles_ d(eng, host);
  d.show_modal_([&] {
    for (const char* tab : {"ARR", "TXT", "UNI", "TOL"}) {
      d.tabs__TabClick(tab);
      photograph(d.dialog(), std::string("dimstyles_") + tab, {d.pic_.get()});
    }
    d.close_();
  });
}

TEST_F(dialog_photo_test, text_dialog_on_both_pages) {
  std::string text = "Room 12";
  text_dialog_host_ h;
  h.get_text = [&] { return text; };
  h.set_text = [&](const std::string& t) { text = t; };
  h.panel_text = [](int32_t) { return std::string("2.5"); };
  h.set_panel_text = [](int32_t, const std::string&) {};
  h.ref_view = [] {};
  h.ref_states = [] {};
  ex_text_ d(eng, nullptr, h);
  d.prepare_();
  d.show_();
  d.show_text_();
  // The text box's caret and the focused button's frame are drawn over their own surfaces, so the
  // pages are judged by the skin's painting around them.
  const auto painted_colours = [&] {
    surface_ shot;
    EXPECT_TRUE(d.window_of_().grab_(shot));
    std::set<uint32_t> colours;
    for (int32_t y = 0; y < shot.height_(); ++y)
      for (int32_t x = 0; x < shot.width_(); ++x) colours.insert(shot.colour_(x, y));
    return colours.size();
  };
  photograph(d.window_of_(), "text", {});
  EXPECT_GT(painted_colours(), 20u);
  d.show_font_();
  photograph(d.window_of_(), "text_font", {});
  EXPECT_GT(painted_colours(), 20u);
  d.close_dialog_();
}

}  // namespace
