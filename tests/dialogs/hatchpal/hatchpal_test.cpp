#include <gtest/gtest.h>

#include "dialogs/hatchpal/hatchpal.h"
#include "engine/zaz_class.h"
#include "platform/core/file_io.h"
#include "platform/services/dialogs.h"
#include "platform/window/event_loop.h"
#include "platform/window/inject.h"
#include "shell/colors.h"
#include "shell/language.h"
#include "tests/support/missing_texts.h"

extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

namespace {

const int32_t frame_colour = 0x0000FE;

class hatchpal_test : public ::testing::Test {
 protected:
  void SetUp() override {
    ensure_application_();
    set_dialog_scripting_(true);
    load_language_(program_folder_() + "program_en.lang");
    set_skin_color_(16, frame_colour);
    engine.file_new_(true_, "");
  }
  int frame_pixels(window_& pic) {
    const surface_& s = pic.client_surface_();
    int n = 0;
    for (int32_t y = 0; y < s.height_(); ++y)
      for (int32_t x = 0; x < s.width_(); ++x) n += s.colour_(x, y) == uint32_t(frame_colour);
    return n;
  }
  zaz_class_ engine;
  missing_texts_recorder texts;
};

TEST_F(hatchpal_test, clicks_pick_the_swatch_under_them) {
  struct row {
    int32_t x, y, before, after;
  };
  const row rows[] = {
      {125, 125, 0, 16},   // the corner of swatch 16's hit square
      {120, 120, 3, 3},    // the gap between swatches
      {5, 5, 7, 0},        // swatch 0's corner
      {415, 235, 2, 27},   // swatch 27's far corner
      {416, 236, 2, 2},    // just outside it
      {200, 250, 9, 9},    // below the last row
  };
  for (const row& r : rows) {
    SCOPED_TRACE(std::to_string(r.x) + "," + std::to_string(r.y));
    engine.hatch_active_(r.before);
    ex_hatchpal_ pal(engine);
    pal.dialog().win().show_();
    do_events_();
    ASSERT_TRUE(inject_mouse_at_(pal.pic(), mouse_type_::down, r.x, r.y, 1));
    inject_mouse_at_(pal.pic(), mouse_type_::up, r.x, r.y, 1);
    do_events_();
    EXPECT_EQ(engine.hatch_active_(), r.after);
    // The frame moved with the pick: inside its grey outline lies the frame colour.
    const pixel_rect_& hit = pal.swatch_rects_[size_t(r.after)];
    EXPECT_EQ(pal.pic().client_surface_().colour_(hit.left + 1, hit.top + 1), uint32_t(frame_colour));
  }
}

TEST_F(hatchpal_test, pattern_28_frames_no_swatch) {
  engine.hatch_active_(28);
  ex_hatchpal_ pal(engine);
  EXPECT_EQ(pal.swatch_last_, 27);
  EXPECT_EQ(frame_pixels(pal.pic()), 0);
  pal.pick_(320, 100);  // swatch 12
  EXPECT_EQ(engine.hatch_active_(), 12);
  EXPECT_GT(frame_pixels(pal.pic()), 0);
}

TEST_F(hatchpal_test, modal_run_ends_with_close_button) {
  engine.hatch_active_(0);
  ex_hatchpal_ pal(engine);
  post_task_([&] {
    inject_mouse_at_(pal.pic(), mouse_type_::down, 190, 70, 1);  // swatch 10
    window_* b = pal.close_button().win_();
    inject_mouse_at_(*b, mouse_type_::down, 5, 5, 1);
    inject_mouse_at_(*b, mouse_type_::up, 5, 5, 1);
  });
  pal.show_modal_(nullptr);
  EXPECT_FALSE(pal.dialog().win().visible_());
  EXPECT_EQ(engine.hatch_active_(), 10);
  EXPECT_EQ(pal.dialog().win().title_(), lang_text_("window.hatchpal.title"));
}

}  // namespace
