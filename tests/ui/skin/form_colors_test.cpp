// Skin colours on a dialog's standard controls, and its striped decoration band.
#include "ui/skin/form_colors.h"

#include <gtest/gtest.h>

#include "platform/window/controls.h"
#include "platform/window/event_loop.h"
#include "shell/colors.h"

namespace {

class form_colors : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ensure_application_(); }
  void SetUp() override {
    window_options_ o;
    o.width = 400;
    o.height = 200;
    form = create_window_(o);
  }
  std::unique_ptr<control_> add(control_kind_ kind) {
    control_options_ c;
    c.kind = kind;
    c.parent = form.get();
    c.caption = "x";
    auto ctl = create_control_(c);
    ctl->set_fore_colour_(0x111111);
    ctl->set_back_colour_(0x222222);
    return ctl;
  }
  std::unique_ptr<window_> form;
};

TEST_F(form_colors, standard_controls_take_the_colours_by_kind) {
  const struct {
    control_kind_ kind;
    bool fore;
  } cases[] = {{control_kind_::label, true}, {control_kind_::check_box, true}, {control_kind_::option_button, true},
               {control_kind_::command_button, false}, {control_kind_::frame, false}};
  std::vector<std::unique_ptr<control_>> controls;
  for (const auto& c : cases) controls.push_back(add(c.kind));
  window_options_ o;
  o.kind = window_kind_::child;
  o.parent = form.get();
  auto picture = create_window_(o);
  apply_form_colors_(*form, 0xABCDEF, 0x010203, 0x777777, {picture.get()});
  for (size_t i = 0; i < controls.size(); ++i) {
    EXPECT_EQ(controls[i]->back_colour_(), 0xABCDEFu) << i;
    EXPECT_EQ(controls[i]->fore_colour_(), cases[i].fore ? 0x010203u : 0x111111u) << i;
  }
}

TEST_F(form_colors, band_of_stripes_fades_towards_the_accent) {
  const int32_t c1 = 0xF0F0F0, c2 = 0x804020;
  set_skin_color_(20, c1);
  set_skin_color_(24, c2);
  auto blend = [&](float t) { return uint32_t(blend_colors_(c1, c2, t)); };
  ASSERT_EQ(form->client_width_(), 400);
  const int32_t H = form->client_height_(), Y = H - 47;
  draw_dialog_decoration_(*form, -1);
  const surface_& s = form->client_surface_();
  EXPECT_EQ(s.colour_(0, 0), uint32_t(c1));
  EXPECT_EQ(s.colour_(300, Y - 1), uint32_t(c1));
  EXPECT_EQ(s.colour_(49, Y + 1), blend(0.01f));   // first slice starts 350 left of the edge
  EXPECT_EQ(s.colour_(50, Y), blend(0.02f));       // its top edge
  EXPECT_EQ(s.colour_(45, Y + 5), blend(0.01f));
  EXPECT_EQ(s.colour_(44, Y + 5), uint32_t(c1));
  EXPECT_EQ(s.colour_(50 + 5 * 59 - 10, Y + 10), blend(0.5f));   // slice 60: capped at half way
  EXPECT_EQ(s.colour_(50 + 5 * 39, Y), blend(0.75f));             // slice 40: the edge at three quarters
  EXPECT_EQ(s.colour_(50 + 5 * 36, Y), blend(0.74f));
  // Without compact the band is 55 deep and starts 500 pixels in: past the left edge here.
  set_skin_color_(20, 0x101010);
  draw_dialog_decoration_(*form, 0);
  EXPECT_EQ(s.colour_(0, H - 56), 0x101010u);
  EXPECT_NE(s.colour_(0, H - 55), 0x101010u);
  set_skin_color_(20, 0);
  set_skin_color_(24, 0);
}

}  // namespace
