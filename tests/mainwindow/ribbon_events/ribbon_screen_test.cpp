// The main window in the ribbon interface photographed tab by tab (from the screen on an X
// server, else its rendering) and written to PNG: every control of the tab shows pixels of its
// own icon, drawn over the colours of the skin's band around the controls.
#include <cctype>
#include <set>
#include <string>
#include <vector>

#include "ribbon_fixture.h"
#include "support/test_skin.h"
#include "support/screen_photo.h"

namespace {

bool inside(const ribbon_rect_& r, int32_t x, int32_t y) { return x >= r.x && x < r.right() && y >= r.y && y < r.y + r.h; }

}  // namespace

// The program's blue skin, as a user first sees the window.
class ribbon_screen : public ribbon_fixture {
 protected:
  void SetUp() override {
    old_skin_ = skin_file_path_;
    skin_file_path_ = real_skin_path_("blue.skin");
    ribbon_fixture::SetUp();
    ASSERT_EQ(skin_loaded_, true_);
  }
  void TearDown() override {
    ribbon_fixture::TearDown();
    skin_file_path_ = old_skin_;
    skin_loaded_ = false_;
  }
  std::string old_skin_;
};

TEST_F(ribbon_screen, every_control_shows_its_icon_on_the_band) {
  mdi->form().activate_();
  xribbon_& r = rb();
  window_& bar = mdi->ribbon()->bar();
  // A quiet bar: nothing pressed or hot, so every control sits on the band itself.
  for (int32_t id = 1; id <= r.control_count; ++id) {
    ribbon_control_rec_& c = r.controls[size_t(id)];
    c.checked = false_;
    if (c.type == ribbon_group_)  // a group shows its upper-case letters pressed
      for (char& letter : c.text) letter = char(std::tolower(uint8_t(letter)));
  }
  inject_mouse_at_(mdi->client(), mouse_type_::move, 5, 5);
  int32_t checked = 0;
  for (int32_t tab = 1; tab <= r.tab_count; ++tab) {
    SCOPED_TRACE(r.tabid2key_(tab));
    r.tab_id_(tab);
    mdi->ribbon()->refresh_();
    surface_ with, without, whole;
    ASSERT_TRUE(photograph_(mdi->form(), whole));
    save_png_(whole, "ribbon_window_" + r.tabid2key_(tab) + ".png");
    // With their captions: a caption drawn in the font it was measured in leaves its icon clear.
    ASSERT_TRUE(photograph_(bar, with));
    std::vector<int32_t> icons(size_t(r.control_count) + 1);
    for (int32_t id = 1; id <= r.control_count; ++id) std::swap(icons[size_t(id)], r.controls[size_t(id)].icon);
    mdi->ribbon()->refresh_();
    ASSERT_TRUE(photograph_(bar, without));
    for (int32_t id = 1; id <= r.control_count; ++id) {
      std::swap(icons[size_t(id)], r.controls[size_t(id)].icon);
    }
    mdi->ribbon()->refresh_();
    ASSERT_EQ(with.width_(), without.width_());
    // The tab's controls, and the band's colours: the body's pixels outside every control.
    std::vector<std::pair<int32_t, ribbon_rect_>> controls;
    for (int32_t id = 1; id <= r.control_count; ++id) {
      const ribbon_control_rec_& c = r.controls[size_t(id)];
      if (r.toolbars[size_t(c.toolbar_id)].tab_id != tab) continue;
      ribbon_rect_ rect;
      ASSERT_TRUE(r.control_rect_on_bar_(id, rect)) << c.key;
      controls.push_back({id, rect});
    }
    ASSERT_FALSE(controls.empty());
    int32_t top = with.height_(), bottom = 0;
    for (const auto& [id, rect] : controls) top = std::min(top, rect.y), bottom = std::max(bottom, rect.y + rect.h);
    std::set<uint32_t> band;
    for (int32_t y = top; y < bottom; ++y)
      for (int32_t x = 0; x < without.width_(); ++x) {
        bool on_control = false;
        for (const auto& [id, rect] : controls) on_control = on_control || inside(rect, x, y);
        if (!on_control) band.insert(without.colour_(x, y) & 0xFFFFFFu);
      }
    ASSERT_GT(band.size(), 1u);  // a painted skin band, not one flat fill
    for (const auto& [id, rect] : controls) {
      const ribbon_control_rec_& c = r.controls[size_t(id)];
      if (c.type == ribbon_combo_ || c.type == ribbon_separator_) continue;
      int32_t on_band = 0;
      for (int32_t y = rect.y; y < rect.y + rect.h; ++y)
        for (int32_t x = rect.x; x < rect.right(); ++x)
          if (with.colour_(x, y) != without.colour_(x, y) && band.count(without.colour_(x, y) & 0xFFFFFFu)) ++on_band;
      EXPECT_GE(on_band, 20) << c.key;
      ++checked;
    }
  }
  int32_t expected = 0;
  for (int32_t id = 1; id <= r.control_count; ++id)
    expected += r.controls[size_t(id)].type != ribbon_combo_ && r.controls[size_t(id)].type != ribbon_separator_;
  EXPECT_EQ(checked, expected);
}
