// The dimension-style editor's sample drawing and its value write-back, over real engines.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "dialogs/dimstyles/dimstyle_preview.h"
#include "dialogs/dimstyles/dimstyle_values.h"
#include "engine/zaz_class.h"
#include "platform/services/screen.h"

namespace {

class dimstyle_test : public ::testing::Test {
 protected:
  void SetUp() override {
    main.file_new_(true_, "");
    ASSERT_EQ(main.dimstyles_count_(), 1);
  }
  std::vector<float> dimension_values() {
    std::vector<float> out;
    const auto& dims = preview.store.live.dimensions;  // entry 0 is the unused slot
    for (size_t i = 1; i < dims.size(); ++i) out.push_back(dims[i].length);
    return out;
  }
  zaz_class_ main, preview;
};

TEST_F(dimstyle_test, each_refresh_leaves_eleven_records_and_the_main_drawing_as_it_was) {
  main.dimstyles_prop_(1, 4, value_::of(255.0));
  const auto counts_before = main.store.counts;
  const size_t dims_before = main.store.live.dimensions.size();
  for (int i = 0; i < 2; ++i) {
    render_style_preview_(main, 1, preview, nullptr, 0xFFFFFF);
    EXPECT_EQ(preview.store.counts[0], 11);
    EXPECT_EQ(dimension_values().size(), 4u);  // three aligned, one diameter
    EXPECT_EQ(preview.store.live.angular_dims.size(), 2u);  // the unused slot and one
  }
  for (int32_t n = 0; n <= 54; ++n)
    EXPECT_EQ(preview.dimstyles_prop_(1, n), main.dimstyles_prop_(1, n)) << "property " << n;
  EXPECT_EQ(main.store.counts, counts_before);
  EXPECT_EQ(main.store.live.dimensions.size(), dims_before);
  EXPECT_EQ(main.states_count_(), 0);
}

TEST_F(dimstyle_test, doubling_the_text_height_scales_the_sample_but_keeps_the_values) {
  main.dimstyles_prop_(1, 3, value_::of(1.0));
  main.dimstyles_prop_(1, 26, value_::of(2.5));
  main.dimstyles_prop_(1, 30, value_::of(1.0));
  main.dimstyles_prop_(1, 22, value_::of(1.0));
  render_style_preview_(main, 1, preview, nullptr, 0);
  const float u1 = preview_sample_unit_(main, 1);
  const auto values = dimension_values();
  main.dimstyles_prop_(1, 26, value_::of(5.0));
  render_style_preview_(main, 1, preview, nullptr, 0);
  EXPECT_FLOAT_EQ(preview_sample_unit_(main, 1), 2 * u1);
  EXPECT_EQ(dimension_values(), values);
  ASSERT_EQ(values.size(), 4u);
  EXPECT_FLOAT_EQ(values[0], 1.8f);
  EXPECT_FLOAT_EQ(values[2], float(std::sqrt(2.52 * 2.52 + 1.619 * 1.619)));
  EXPECT_FLOAT_EQ(values[3], 0.63f);
}

TEST_F(dimstyle_test, an_edit_writes_only_the_control_that_changed) {
  const int32_t rgb = 10 | (20 << 8) | (30 << 16);  // from a DXF file: no list item carries it
  main.dimstyles_prop_(1, 4, value_::of(double(rgb)));
  main.dimstyles_prop_(1, 35, value_::of(7.0));
  main.dimstyles_prop_(1, 34, value_::of(0.0));
  const dimstyle_shown_ before = dimstyle_show_(main, 1);
  dimstyle_shown_ now = before;
  now[3].text = "4" + decimal_separator_() + "5";  // the arrow size box
  EXPECT_TRUE(dimstyle_write_changed_(main, 1, before, now).empty());
  EXPECT_FLOAT_EQ(float(main.dimstyles_prop_(1, 3).number), 4.5f);
  EXPECT_EQ(main.dimstyles_prop_(1, 4).number, rgb);
  EXPECT_EQ(main.dimstyles_prop_(1, 35).number, 7);
  EXPECT_EQ(main.dimstyles_prop_(1, 34).number, 0);
}

TEST_F(dimstyle_test, bad_sizes_are_refused_and_the_style_keeps_its_value) {
  main.dimstyles_prop_(1, 26, value_::of(2.5));
  const dimstyle_shown_ before = dimstyle_show_(main, 1);
  for (const char* bad : {"abc", "-1", "1e9", ""}) {
    dimstyle_shown_ now = before;
    now[13].text = bad;  // the text height box
    const auto refused = dimstyle_write_changed_(main, 1, before, now);
    ASSERT_EQ(refused.size(), 1u) << bad;
    EXPECT_EQ(refused[0], 13);
    EXPECT_FLOAT_EQ(float(main.dimstyles_prop_(1, 26).number), 2.5f) << bad;
  }
}

TEST_F(dimstyle_test, accuracy_samples_follow_the_unit) {
  const auto frac = length_accuracy_items_(main, 4);
  ASSERT_EQ(frac.size(), 7u);
  EXPECT_EQ(frac[3], "0 1/8\"");
  const auto dms = angle_accuracy_items_(1);
  ASSERT_EQ(dms.size(), 4u);
  EXPECT_EQ(dms[2], "0\xC2\xB0" "0'0.0\"");
  EXPECT_EQ(angle_accuracy_items_(0)[3], "0.000");
}

TEST_F(dimstyle_test, separator_zero_shows_the_locale_and_a_typed_one_stores_its_code) {
  EXPECT_EQ(separator_shown_(0), decimal_separator_());
  EXPECT_EQ(separator_shown_(44), ",");
  EXPECT_EQ(separator_code_("  ;x"), 59);
  EXPECT_EQ(separator_code_("   "), -1);
}

TEST_F(dimstyle_test, the_binding_table_covers_forty_distinct_properties) {
  std::vector<int32_t> seen;
  for (const auto& b : dimstyle_bindings_) {
    EXPECT_EQ(std::count(seen.begin(), seen.end(), b.prop), 0) << b.control;
    seen.push_back(b.prop);
  }
  for (int32_t p : {5, 6, 7, 8, 12, 13, 14, 15, 18, 19, 32, 40, 41, 47, 48})
    EXPECT_EQ(std::count(seen.begin(), seen.end(), p), 0) << p;
}

}  // namespace
