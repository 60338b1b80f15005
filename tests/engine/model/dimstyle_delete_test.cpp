// Removing a dimension style: the refusals, the records of later styles following, the active
// style, and the one undo step that puts everything back.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/zaz_class.h"
#include "shell/language.h"

namespace {

class dimstyle_delete_test : public ::testing::Test {
 protected:
  void SetUp() override {
    e.file_new_(true_, "");
    ASSERT_EQ(e.dimstyles_count_(), 1);
    e.dimstyles_title_(1, "A");
    for (const char* n : {"B", "C", "D"}) e.dimstyle_add_(n);
    e.dimstyles_prop_(3, 3, value_::of(7.5));  // C's arrow size tells it apart
  }
  // A dimension, angular dimension or reference (kind 0, 1, 2) of style s; its record number.
  int32_t add(int32_t kind, int32_t s) {
    if (kind == 0) return e.add_dimh_(s, 0, 0, 10, 0, 0, 5, 0, -1, 0, 1, 1, "");
    if (kind == 1) return e.add_dima_(s, 0, 0, 10, 0, 0, 10, 0, -1, 0, 1, 1, "");
    e.vertex_clear_(false_);
    e.vertex_add_(0, 0, 0, false_);
    e.vertex_add_(5, 5, 0, false_);
    return e.add_ref_(s, "R", -1, 0, 1, 1);
  }
  int32_t style_of(int32_t record) {
    const object_rec_& o = e.store.live.objects[size_t(record)];
    if (o.type == ot_dimension_) return e.store.live.dimensions[size_t(o.index)].style_id;
    if (o.type == ot_angular_dim_) return e.store.live.angular_dims[size_t(o.index)].style_id;
    return e.store.live.references[size_t(o.index)].style_id;
  }
  std::vector<std::string> names() {
    std::vector<std::string> out;
    for (int16_t i = 1; i <= e.dimstyles_count_(); ++i) out.push_back(e.dimstyles_title_(i));
    return out;
  }
  zaz_class_ e;
};

TEST_F(dimstyle_delete_test, refusals_change_nothing_and_make_no_step) {
  const int32_t dim = add(0, 2), ang = add(1, 3), ref = add(2, 4);
  struct { int16_t style; dimstyle_del_result_ why; } cases[] = {
      {0, dimstyle_del_result_::no_style}, {5, dimstyle_del_result_::no_style},
      {2, dimstyle_del_result_::in_use},   {3, dimstyle_del_result_::in_use},
      {4, dimstyle_del_result_::in_use}};
  e.dimstyle_active_(3);
  const int32_t steps = e.state_active_();
  for (const auto& c : cases) {
    EXPECT_EQ(e.dimstyle_delete_(c.style), c.why) << c.style;
    EXPECT_EQ(names(), (std::vector<std::string>{"A", "B", "C", "D"})) << c.style;
    EXPECT_EQ(e.state_active_(), steps) << c.style;
  }
  EXPECT_EQ(e.dimstyle_active_(), 3);
  EXPECT_EQ((std::vector{style_of(dim), style_of(ang), style_of(ref)}), (std::vector{2, 3, 4}));
  // A block member counts as a user too; a deleted record does not.
  e.store.live.objects[size_t(dim)].page = 0;
  EXPECT_EQ(e.dimstyle_users_(2), 1);
  e.store.live.objects[size_t(dim)].deleted = true_;
  EXPECT_EQ(e.dimstyle_users_(2), 0);

  zaz_class_ single;
  single.file_new_(true_, "");
  EXPECT_EQ(single.dimstyle_delete_(1), dimstyle_del_result_::last);
  EXPECT_EQ(single.dimstyles_count_(), 1);
}

TEST_F(dimstyle_delete_test, later_styles_move_down_and_the_active_style_keeps_its_style) {
  struct { int16_t active, removed; const char* shown; } cases[] = {
      {1, 2, "A"}, {2, 2, "C"}, {3, 2, "C"}, {4, 2, "D"}, {4, 4, "C"}, {1, 1, "B"}};
  for (const auto& c : cases) {
    SetUp();
    e.dimstyle_active_(c.active);
    ASSERT_EQ(e.dimstyle_delete_(c.removed), dimstyle_del_result_::deleted);
    EXPECT_EQ(e.dimstyles_count_(), 3);
    EXPECT_EQ(e.dimstyles_title_(e.dimstyle_active_()), c.shown) << c.active << " " << c.removed;
  }
}

TEST_F(dimstyle_delete_test, one_undo_step_puts_the_style_and_the_numbers_back) {
  const int32_t a = add(0, 1), c = add(1, 3), d = add(2, 4), gone = add(0, 2);
  e.store.live.objects[size_t(gone)].deleted = true_;  // no user, but it names style 2
  e.dimstyle_active_(3);
  const int32_t steps = e.state_active_();
  ASSERT_EQ(e.dimstyle_delete_(2), dimstyle_del_result_::deleted);
  EXPECT_EQ(e.state_active_(), steps + 1);
  EXPECT_EQ(e.state_name_(1), lang_text_("change.dimstyle.del"));

  struct side { std::vector<std::string> names; std::vector<int32_t> ids; std::string active; double c_arrow; };
  const side after{{"A", "C", "D"}, {1, 2, 3, 0}, "C", 7.5};
  const side before{{"A", "B", "C", "D"}, {1, 3, 4, 2}, "C", 7.5};
  auto check = [&](const side& s, const char* when) {
    EXPECT_EQ(names(), s.names) << when;
    EXPECT_EQ((std::vector{style_of(a), style_of(c), style_of(d), style_of(gone)}), s.ids) << when;
    EXPECT_EQ(e.dimstyles_title_(e.dimstyle_active_()), s.active) << when;
    EXPECT_EQ(e.dimstyles_prop_(int16_t(s.names.size() - 1), 3).number, s.c_arrow) << when;
  };
  check(after, "deleted");
  e.state_undo_(1);
  check(before, "undone");
  e.state_undo_(2);
  check(after, "redone");
}

}  // namespace
