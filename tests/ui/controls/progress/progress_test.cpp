// The progress bar's stored value and when its picture changes.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "ui/controls/progress/progress.h"
#include "ui/controls/xc_fixture.h"

// Fontconfig keeps its caches until exit.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

namespace {

TEST(progress, value_is_clamped_then_rounded_half_to_even) {
  const std::pair<double, int32_t> cases[] = {{72.5, 72}, {73.5, 74}, {101, 100}, {-0.4, 0},   {150, 100},
                                              {-5, 0},    {49.5, 50}, {50.5, 50}, {99.6, 100}, {std::nan(""), 0},
                                              {std::numeric_limits<double>::infinity(), 100}};
  for (auto [in, out] : cases) EXPECT_EQ(progress_value_of_(in), out) << in;
}

std::vector<uint32_t> pixels(const surface_& s) {
  std::vector<uint32_t> out;
  for (int32_t y = 0; y < s.height_(); ++y)
    for (int32_t x = 0; x < s.width_(); ++x) out.push_back(s.colour_(x, y));
  return out;
}

TEST(progress, picture_changes_only_on_refresh) {
  ASSERT_TRUE(load_window_test_skin_());
  auto host = make_host_();
  xcprogress_ bar(*host, 10, 10, 150, 12);
  const surface_& s = bar.win_()->client_surface_();
  const auto empty = pixels(s);
  bar.value_(50.0);
  EXPECT_EQ(bar.value_(), 50);
  EXPECT_EQ(pixels(s), empty);
  bar.refresh_();
  const auto half = pixels(s);
  EXPECT_NE(half, empty);
  // The fill ends halfway: the right half still looks empty.
  for (int32_t x = 80; x < 150; ++x) EXPECT_EQ(s.colour_(x, 6), empty[size_t(6 * 150 + x)]) << x;
}

}  // namespace
