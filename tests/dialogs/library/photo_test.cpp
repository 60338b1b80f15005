// The four windows photographed as they show on the screen: the text dialog on both pages, the
// selection filter with rows, the drawing properties and the library with a small tree. Each
// photograph is written as a PNG beside the build and checked against the surfaces its lists
// and pages painted; under an X server the screen itself is compared too. Any language key
// without a text fails the test through the fixture's recorder.
#include <filesystem>

#include "dialogs/drawprop/drawprop.h"
#include "dialogs/library/library_window.h"
#include "dialogs/select/select_dialog.h"
#include "dialogs/text/dialog_fixture.h"
#include "dialogs/text/text_dialog.h"
#include "platform/services/picture_file.h"
#include "platform/services/screen.h"
#include "shell/colors.h"

namespace {

struct photo_test : dialog_fixture {
  static void settle() {
    for (int i = 0; i < 20; ++i) {
      do_events_();
      sleep_ms_(5);
    }
  }
  // Mismatching pixels between what part (a child window) painted and where it shows in shot,
  // a picture of the whole window top whose top-left corner is at (ox, oy) on the screen.
  // Columns at the right that a child (a scroll bar) covers are left out.
  static int32_t mismatches(const surface_& shot, int32_t ox, int32_t oy, window_& part, int32_t covered_right = 0) {
    const pixel_rect_ r = part.client_rect_();
    const surface_& own = part.client_surface_();
    int32_t bad = 0;
    for (int32_t y = 0; y < part.client_height_(); ++y)
      for (int32_t x = 0; x < part.client_width_() - covered_right; ++x)
        bad += (shot.argb_(r.left - ox + x, r.top - oy + y) & 0xFFFFFF) != (own.argb_(x, y) & 0xFFFFFF);
    return bad;
  }
  // Photographs top, writes it as name.png and compares each part; on an X server the screen too.
  void photograph(window_& top, const std::string& name, const std::vector<window_*>& parts,
                  int32_t covered_right_of_first = 0) {
    top.activate_();
    settle();
    surface_ shot;
    ASSERT_TRUE(top.grab_(shot));
    picture_image_rec_ png{shot.width_(), shot.height_(), {}};
    for (int32_t y = 0; y < shot.height_(); ++y)
      for (int32_t x = 0; x < shot.width_(); ++x) png.argb.push_back(shot.argb_(x, y) | 0xFF000000u);
    const std::filesystem::path dir = std::filesystem::path(ARVEX_BINARY_DIR) / "dialog_photos";
    std::filesystem::create_directories(dir);
    EXPECT_TRUE(save_png_file_((dir / (name + ".png")).string(), png));
    const pixel_rect_ w = top.window_rect_();
    for (size_t i = 0; i < parts.size(); ++i) EXPECT_EQ(mismatches(shot, w.left, w.top, *parts[i], i == 0 ? covered_right_of_first : 0), 0) << name << " part " << i;
    if (platform_name_() == "xcb") {
      for (window_* p : parts) {
        surface_ screen;
        int32_t bad = -1;
        for (int i = 0; i < 100 && bad != 0; ++i) {
          const pixel_rect_ r = p->client_rect_();
          ASSERT_TRUE(capture_screen_(r, screen));
          bad = mismatches(screen, r.left, r.top, *p, p == parts[0] ? covered_right_of_first : 0);
          if (bad != 0) settle();
        }
        EXPECT_EQ(bad, 0) << name << " on the screen";
      }
    }
  }
};

TEST_F(photo_test, four_windows_show_their_controls_and_rows) {
  engine.layer_add_("walls", true_, true_, -1, -2, 0, 1);
  engine.add_circle_(0, 0, 5, 255, -2, 0, 3, 2);
  engine.add_circle_(9, 0, 5, 0xFF0000, -2, 1, 1, 1);

  std::string ddraw = "first\rsecond";
  std::map<int32_t, std::string> panel{{5, "10"}, {6, "1"}, {7, "0"}};
  text_dialog_host_ host{[&] { return ddraw; }, [&](const std::string& t) { ddraw = t; },
                         [&](int32_t i) { return panel[i]; }, [&](int32_t i, const std::string& t) { panel[i] = t; },
                         {}, {}};
  {
    ex_text_ text(engine, owner.get(), host);
    text.show_text_();
    text.prepare_();
    text.show_();
    photograph(text.window_of_(), "text_page", {text.tabs_->win_()});
    EXPECT_EQ(text.text_->state_().line_count, 2);
    text.show_font_();
    photograph(text.window_of_(), "font_page", {text.value_font_->win_(), text.tabs_->win_()});
    EXPECT_EQ(text.value_font_->ListCount(), 2);
  }
  {
    ex_select_ select(engine, owner.get());
    select.show_();
    photograph(select.window_of_(), "select", {&select.list_()});
    EXPECT_EQ(select.values_(1).size(), 2u);
  }
  {
    ex_drawprop_ props(engine, owner.get());
    props.show_();
    photograph(props.window_of_(), "drawprop", {props.info_objects_->win_(), props.label_secstate_->win_()});
    EXPECT_EQ(props.info_objects_->caption_(), "2 / 0");
  }
  {
    zaz_class_ lib;
    lib.file_new_(true_, "");
    lib.libdir_add_("Doors", 0);
    lib.libdir_add_("Inner", 1);
    const int32_t c = lib.add_circle_(0, 0, 5);
    lib.select_record_(c, -1);
    lib.blocks_group_(lib.block_create_("door", 0, 0, 0), 1);
    ex_xlib_ library(engine, lib, owner.get());
    library.show_();
    library.tree.folder_open.assign(3, true_);
    library.tree.sel_kind = 0;
    library.tree.sel_id = 1;
    library.ref_library_(true);
    EXPECT_GT(library.tree.block_rects[1].right, 0);
    photograph(library.window_of_(), "library", {&library.tree_(), &library.preview_()},
               library.scroll_->win_()->client_width_());
  }
}

}  // namespace
