// Terminator shapes at a tip (50, 50) mm pointing along +x, size 10, on a 96 dpi image.
#include <gtest/gtest.h>

#include <cmath>
#include <utility>
#include <vector>

#include "engine/zaz_class.h"
#include "platform/gdiplus/graphics.h"
#include "platform/window/event_loop.h"

namespace {

constexpr float screen_px_per_mm = 96 / 25.4f;

struct shape_case {
  int32_t kind;
  float sense;
  std::vector<std::pair<float, float>> inked, blank;
};

TEST(terminators, shapes_by_kind_and_sense) {
  ensure_application_();
  const shape_case cases[] = {
      {1, 1, {{65, 50}, {68, 51.5f}}, {{45, 50}, {60, 53}, {58, 57}}},      // 2s long, s/2 wide
      {1, -1, {{35, 50}, {32, 51.5f}}, {{55, 50}, {65, 50}}},                // reversed
      {7, 1, {{58, 57}, {55, 46}}, {{62, 50}, {45, 50}}},                    // s long, 2s wide
      {3, 1, {{60, 51.25f}, {69.9f, 52.4f}}, {{65, 50}}},                    // outline: hollow
      {2, 1, {{60, 51.25f}}, {{65, 50}, {69.9f, 50}}},                       // open: no base
      {5, 1, {{65, 51.5f}}, {{65, 50}, {65, 53.75f}}},                       // open, 0.2 s half-width
      {10, 1, {{55, 55}, {45, 45}}, {{55, 45}, {45, 55}}},                   // tick turned 45 degrees
      {10, -1, {{55, 55}, {45, 45}}, {{55, 45}, {45, 55}}},                  // ticks ignore the sense
      {12, 1, {{52, 52}, {50, 50}}, {{50, 56}, {56, 50}}},                   // filled dot, radius s/2
      {11, 1, {{55, 50}, {45, 50}}, {{50, 50}}},                             // dot outline
      {19, 1, {{55, 50}, {45, 50}}, {{50, 50}}},                             // the same as 11
      {13, 1, {{58, 52}}, {{58, 48}, {45, 50}}},                             // half arrowhead, left side
      {16, 1, {{58, 48}}, {{58, 52}, {45, 50}}},                             // and the right side
      {0, 1, {}, {{55, 50}, {50, 50}, {58, 52}}},                            // none
      {20, 1, {}, {{55, 50}, {50, 50}, {58, 52}}},                           // unknown kinds draw nothing
  };
  zaz_class_ e;
  for (const shape_case& c : cases) {
    surface_ s(int32_t(std::lround(100 * screen_px_per_mm)), int32_t(std::lround(100 * screen_px_per_mm)));
    s.fill_colour_(0xFFFFFF);
    {
      graphics_ g(s);
      g.set_page_unit_(gp_unit_::millimetre_);
      g.translate_world_(0, 100);
      g.scale_world_(1, -1);
      const gp_pen_ pen{0xFF000000u, 0.3f, gp_dash_::solid_, gp_join_::miter_};
      e.print_terminator_(g, 0, 0, 1, c.kind, 50, 50, 0, c.sense, 10, pen, 0xFF000000u);
    }
    auto dark = [&](std::pair<float, float> p) {
      const int32_t x = int32_t(std::floor(p.first * screen_px_per_mm)), y = int32_t(std::floor((100 - p.second) * screen_px_per_mm));
      for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
          if (s.colour_(x + dx, y + dy) != 0xFFFFFFu) return true;
      return false;
    };
    for (auto p : c.inked) EXPECT_TRUE(dark(p)) << "kind " << c.kind << " sense " << c.sense << " at " << p.first << "," << p.second;
    for (auto p : c.blank) EXPECT_FALSE(dark(p)) << "kind " << c.kind << " sense " << c.sense << " at " << p.first << "," << p.second;
  }
}

}  // namespace
