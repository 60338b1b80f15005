// The whole program photographed from the screen at 1280x800: both interfaces with each of the
// three skins, on a drawing opened from the command line. Each photograph is written as a PNG
// beside the test program and checked: the caption band, the ribbon or toolbar area and the
// status bar hold the skin's own painting (they differ from skin to skin and are no flat fill),
// and the drawing view shows the opened drawing's line. Needs an X server (xvfb-run).
#include <map>
#include <set>

#include "../session_steps.h"
#include "platform/services/picture_file.h"
#include "platform/services/screen.h"
#include "shell/language.h"
#include "shell/program_dir.h"
#include "ui/controls/statusbar/statusbar.h"

// Qt's font lookup and, on a real display, its session bus keep allocations until exit.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\nleak:libdbus-1.so\n"; }

namespace {

void save_png(const surface_& s, const std::string& path) {
  picture_image_rec_ im;
  im.width = s.width_();
  im.height = s.height_();
  for (int32_t y = 0; y < im.height; ++y)
    for (int32_t x = 0; x < im.width; ++x) {
      const uint32_t c = s.colour_(x, y);
      im.argb.push_back(0xFF000000u | ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF));
    }
  EXPECT_TRUE(save_png_file_(path, im)) << path;
}

// The colours of a rectangle of the photograph (window coordinates), clipped to it.
std::multiset<uint32_t> colours(const surface_& s, pixel_rect_ r) {
  std::multiset<uint32_t> out;
  for (int32_t y = std::max(0, r.top); y < std::min(s.height_(), r.bottom); ++y)
    for (int32_t x = std::max(0, r.left); x < std::min(s.width_(), r.right); ++x) out.insert(s.colour_(x, y) & 0xFFFFFFu);
  return out;
}

class screen_session : public session_steps {
 protected:
  void SetUp() override {
    session_steps::SetUp();
    if (platform_name_() != "xcb") GTEST_SKIP() << "photographs need an X server (run under xvfb-run)";
  }
  // A rectangle of a window, in the form's photograph coordinates.
  pixel_rect_ in_form(window_& w) {
    const pixel_rect_ f = mdi->form().window_rect_(), r = w.window_rect_();
    return {r.left - f.left, r.top - f.top, r.right - f.left, r.bottom - f.top};
  }
  void run_until_painted() {
    mdi->first_tick_ = true_;
    for (int i = 0; i < 400 && mdi->first_tick_; ++i) wait_events_(10);
    for (int i = 0; i < 30; ++i) wait_events_(10);
  }
};

TEST_F(screen_session, both_interfaces_in_every_skin_paint_the_skin_and_show_the_drawing) {
  // The drawing the user opens: one red line across the middle of its view.
  const std::string drawing = dir + "line.zaz";
  {
    // Made as the program makes it: the first page and layer take their names from the texts,
    // in the language the program runs in (the default).
    ASSERT_EQ(load_language_("program_pl.lang"), true_);
    zaz_class_ e;
    e.file_new_(true_, "");
    e.add_line_(40, 100, 250, 100, 0x0000FF, 0, 3);
    ASSERT_EQ(e.file_save_(drawing, 1, false_), true_);
  }
  struct area_ {
    std::string name;
    pixel_rect_ rect;
  };
  const char* const skins[] = {"blue", "silver", "black"};
  for (const char* type : {"0", "1"}) {
    std::map<std::string, std::vector<std::multiset<uint32_t>>> by_area;
    for (int32_t skin = 0; skin < 3; ++skin) {
      SCOPED_TRACE(std::string(skins[skin]) + " type " + type);
      save_setting_("kalvinor.common", "GUI", "Skin", std::to_string(skin));
      start(type, drawing);
      mdi->form().move_(0, 0, 1280, 800);
      mdi->form().activate_();
      mdi->gocmd_("zoomall");
      run_until_painted();
      const pixel_rect_ f = mdi->form().window_rect_();
      surface_ shot;
      ASSERT_TRUE(capture_screen_(f, shot));
      save_png(shot, program_dir_() + "session_" + std::string(*type == '0' ? "ribbon" : "classic") + "_" +
                         skins[skin] + ".png");
      // The skin's areas: the caption band above the client area, the ribbon or the top dock
      // area, the status bar.
      const pixel_rect_ client = mdi->form().client_rect_();
      const pixel_rect_ bar = *type == '0' ? in_form(mdi->ribbon()->bar()) : in_form(*mdi->dock_area(1));
      window_* status = find_window_(mdi->statusbar().hwnd());
      ASSERT_NE(status, nullptr);
      const area_ areas[] = {{"caption", {8, 2, f.right - f.left - 150, std::max(6, client.top - f.top - 4)}},
                             {"bar", bar},
                             {"status", in_form(*status)}};
      for (const area_& a : areas) {
        const std::multiset<uint32_t> c = colours(shot, a.rect);
        ASSERT_GT(c.size(), 50u) << a.name;
        std::set<uint32_t> distinct(c.begin(), c.end());
        EXPECT_GT(distinct.size(), 1u) << a.name << ": one flat fill";
        by_area[a.name].push_back(c);
      }
      // The view: the line's row is red across the line.
      window_& v = mdi->client();
      const view_transform_rec_ t = engine().view_transform_(v.client_width_(), v.client_height_());
      const pixel_point_ a = zaz_class_::map_px_(t, 40, 100), b = zaz_class_::map_px_(t, 250, 100);
      const pixel_rect_ vr = in_form(v);
      ASSERT_GT(b.x - a.x, 100);
      int32_t red = 0;
      for (int32_t x = a.x + 4; x < b.x - 4; ++x)
        for (int32_t dy = -1; dy <= 1; ++dy)
          if ((shot.colour_(vr.left + x, vr.top + a.y + dy) & 0xFFFFFFu) == 0x0000FFu) {
            ++red;
            break;
          }
      EXPECT_GE(red, (b.x - a.x - 8) * 9 / 10);
      quit();
    }
    // Each skin paints its own: no two skins give the same area.
    for (const auto& [name, shots] : by_area)
      for (size_t i = 0; i < shots.size(); ++i)
        for (size_t j = i + 1; j < shots.size(); ++j)
          EXPECT_NE(shots[i], shots[j]) << name << " type " << type << ": " << skins[i] << " and " << skins[j];
  }
}

}  // namespace
