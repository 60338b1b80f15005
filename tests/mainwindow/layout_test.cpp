// Where the main window puts its children, for both interfaces, two window sizes and the three
// side-panel modes; a window smaller than the fixed parts places what it can without trouble.
#include "mdi_fixture.h"
#include "ui/controls/ribbon/ribbon_control.h"
#include "ui/controls/scrollbox/scrollbox.h"
#include "ui/controls/statusbar/statusbar.h"
#include "ui/controls/textbox/textbox.h"

namespace {
struct rect_in_parent {
  int32_t x, y, w, h;
  bool operator==(const rect_in_parent&) const = default;
};
std::ostream& operator<<(std::ostream& o, const rect_in_parent& r) {
  return o << "(" << r.x << ", " << r.y << ", " << r.w << " x " << r.h << ")";
}
rect_in_parent where(window_& w) {
  const pixel_rect_ r = w.window_rect_();
  const pixel_point_ p = w.parent_()->screen_to_client_({r.left, r.top});
  return {p.x, p.y, r.right - r.left, r.bottom - r.top};
}
void resize_client(MDI_& m, int32_t cw, int32_t ch) {
  window_& f = m.form();
  const pixel_rect_ wr = f.window_rect_();
  const int32_t extra_w = (wr.right - wr.left) - f.client_width_(), extra_h = (wr.bottom - wr.top) - f.client_height_();
  f.move_(wr.left, wr.top, cw + extra_w, ch + extra_h);
  do_events_();
  m.mdi_resize_();
}
}  // namespace

TEST_F(mdi_fixture, ribbon_layout_at_two_sizes_and_three_side_panel_modes) {
  open("0");
  // As opened, the command line already sits right of its caption in the command bar.
  EXPECT_EQ(mdi->cmd().win_()->parent_(), &mdi->cmdbar());
  EXPECT_EQ(where(*mdi->cmd().win_()).x, mdi->clabel().rect_().right + 10);
  for (auto [cw, ch] : {std::pair{900, 640}, std::pair{1200, 800}})
    for (auto [mode, side] : {std::pair{0, 0}, std::pair{1, 140}, std::pair{2, 210}}) {
      SCOPED_TRACE(testing::Message() << cw << "x" << ch << " mode " << mode);
      mdi->side_panel_mode_ = mode;
      resize_client(*mdi, cw, ch);
      ASSERT_EQ(mdi->form().client_width_(), cw);
      const int32_t RH = mdi->ribbon()->grbh_();
      ASSERT_GE(RH, 1);
      const int32_t P = 119, VW = cw - (17 + P + side), VH = ch - (RH + 17 + 22 + 28);
      EXPECT_EQ(where(mdi->client()), (rect_in_parent{P, RH, VW, VH}));
      EXPECT_EQ(where(*mdi->hscroll().win_()), (rect_in_parent{P, ch - 22 - 45, cw - side - P - 17, 17}));
      EXPECT_EQ(where(*mdi->vscroll().win_()), (rect_in_parent{cw - side - 17, RH, 17, VH}));
      EXPECT_EQ(where(*mdi->statusbar().win_()), (rect_in_parent{0, ch - 22, cw, 22}));
      EXPECT_EQ(where(mdi->cmdbar()), (rect_in_parent{P, ch - 50, cw - P, 28}));
      EXPECT_EQ(where(mdi->ribbon()->bar()), (rect_in_parent{0, 0, cw, RH}));
      EXPECT_EQ(where(*mdi->panel_window()), (rect_in_parent{0, RH, P, ch - (RH + 22)}));
      const pixel_rect_ lr = mdi->clabel().rect_();
      const int32_t lw = lr.right - lr.left;
      EXPECT_EQ(where(*mdi->cmd().win_()), (rect_in_parent{lw + 15, 4, cw - P - (lw + 20), 20}));
      if (side > 0) {
        EXPECT_EQ(where(mdi->panel2()), (rect_in_parent{P + VW + 17, RH, side, VH + 17}));
      }
      EXPECT_EQ(mdi->first_tick_, true_);
    }
}

TEST_F(mdi_fixture, switched_off_ribbon_leaves_no_tool_panel_column) {
  open("0");
  mdi->ribbon()->model().tben_(false);
  resize_client(*mdi, 900, 640);
  EXPECT_EQ(mdi->ribbon()->grbh_(), 0);
  EXPECT_EQ(where(mdi->client()), (rect_in_parent{0, 0, 900 - 17, 640 - 67}));
}

TEST_F(mdi_fixture, classic_layout_between_the_dock_areas) {
  open("1");
  for (auto [cw, ch] : {std::pair{900, 640}, std::pair{1200, 800}})
    for (auto [mode, side] : {std::pair{0, 0}, std::pair{1, 140}, std::pair{2, 210}}) {
      SCOPED_TRACE(testing::Message() << cw << "x" << ch << " mode " << mode);
      mdi->side_panel_mode_ = mode;
      resize_client(*mdi, cw, ch);
      const int32_t T = mdi->dock_area(1)->client_height_(), B = mdi->dock_area(2)->client_height_();
      const int32_t L = mdi->dock_area(3)->client_width_(), R = mdi->dock_area(4)->client_width_();
      EXPECT_GT(T, 0);  // the stand-in toolbar docks at the top
      const int32_t VW = cw - (L + R + side + 17), VH = ch - (T + B) - 39;
      EXPECT_EQ(where(mdi->client()), (rect_in_parent{L, T, VW, VH}));
      EXPECT_EQ(where(*mdi->hscroll().win_()), (rect_in_parent{L, T + VH, VW, 17}));
      EXPECT_EQ(where(*mdi->vscroll().win_()), (rect_in_parent{L + VW, T, 17, VH}));
      EXPECT_EQ(where(*mdi->statusbar().win_()), (rect_in_parent{0, ch - 22, cw, 22}));
      EXPECT_EQ(where(*mdi->dock_area(1)), (rect_in_parent{0, 0, cw, T}));
      EXPECT_FALSE(mdi->cmdbar().visible_());
      EXPECT_FALSE(mdi->cmd().win_()->visible_());
      if (side > 0) {
        EXPECT_EQ(where(mdi->panel2()), (rect_in_parent{L + VW + 17, T, side, VH}));
      }
    }
}

TEST_F(mdi_fixture, a_window_smaller_than_the_fixed_parts_places_the_rest) {
  for (const char* type : {"0", "1"}) {
    SCOPED_TRACE(type);
    open(type);
    mdi->side_panel_mode_ = 2;
    resize_client(*mdi, 120, 60);
    // The status bar still goes along the bottom; nothing got a negative size.
    EXPECT_EQ(where(*mdi->statusbar().win_()), (rect_in_parent{0, 60 - 22, 120, 22}));
    for (window_* w : {&mdi->client(), mdi->hscroll().win_(), mdi->vscroll().win_()}) {
      const pixel_rect_ r = w->window_rect_();
      EXPECT_GE(r.right - r.left, 0);
      EXPECT_GE(r.bottom - r.top, 0);
    }
    EXPECT_EQ(mdi->first_tick_, true_);
    close();
  }
}

TEST_F(mdi_fixture, the_side_panel_writes_smaller_for_the_blocks_list) {
  open("0");
  for (auto [mode, size] : {std::pair{1, 6}, std::pair{2, 8}, std::pair{0, 8}, std::pair{1, 6}}) {
    mdi->side_panel_mode_ = mode;
    mdi->mdi_resize_();
    EXPECT_EQ(mdi->panel2_font_size_, size) << "mode " << mode;
  }
}

TEST_F(mdi_fixture, the_classic_layout_hides_the_tool_panel_only_while_no_toolbar_holds_it) {
  open("1");
  window_& p = *mdi->panel_window();
  // Back on the main window itself: nothing holds it, so the layout hides it.
  p.make_child_(mdi->form(), 0, 0);
  p.show_();
  mdi->mdi_resize_();
  EXPECT_FALSE(p.visible_());
  // Held by another window (a toolbar places it there itself): the layout leaves it shown.
  window_options_ o;
  o.kind = window_kind_::child;
  o.parent = &mdi->form();
  o.width = 200, o.height = 300;
  std::unique_ptr<window_> holder = create_window_(o);
  holder->show_();
  p.make_child_(*holder, 2, 3);
  p.move_(2, 3, 119, 200);
  p.show_();
  resize_client(*mdi, 900, 640);
  EXPECT_TRUE(p.visible_());
  EXPECT_EQ(p.parent_(), holder.get());
  p.make_child_(mdi->form(), 0, 0);
}
