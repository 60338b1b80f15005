#include <gtest/gtest.h>

#include "drawing_fixture.h"
#include "platform/core/file_io.h"

namespace {

class Undo : public ::testing::Test {
 protected:
  void SetUp() override { e.file_new_(true_, ""); }
  int32_t step(const std::string& name, const std::function<void()>& change) {
    e.state_begin_();
    change();
    return e.state_save_(name);
  }
  zaz_class_ e;
  std::mt19937 rng{7};
};

TEST_F(Undo, ListCountersAndNames) {
  EXPECT_EQ(e.states_count_(), 0);
  EXPECT_EQ(e.state_name_(1), "");
  step("one", [&] { e.add_line_(0, 0, 1, 1); });
  EXPECT_EQ(e.states_count_(), 0);
  EXPECT_EQ(e.state_active_(), 1);
  EXPECT_EQ(e.file_change_(), true_);
  step("two", [&] { e.add_line_(0, 0, 2, 2); });
  EXPECT_EQ(e.states_count_(), 1);
  EXPECT_EQ(e.state_active_(), 2);
  struct {
    int32_t type;
    std::string name;
  } names[] = {{1, "two"}, {2, ""}, {3, ""}};
  for (const auto& n : names) EXPECT_EQ(e.state_name_(n.type), n.name);
  EXPECT_EQ(e.state_item_(0), "one");
  EXPECT_EQ(e.state_item_(2), "");
  EXPECT_EQ(e.state_item_(-1), "");

  e.state_undo_(1);
  EXPECT_EQ(e.records_(), 1);
  EXPECT_EQ(e.state_name_(2), "two");
  e.state_undo_(1);
  e.state_undo_(1);  // at the start: harmless
  EXPECT_EQ(e.records_(), 0);
  EXPECT_EQ(e.state_active_(), 0);
  EXPECT_EQ(e.state_name_(1), "");
  e.state_undo_(2);
  EXPECT_EQ(e.records_(), 1);
  // A new step after an undo replaces the undone ones.
  step("three", [&] { e.add_line_(5, 5, 6, 6); });
  EXPECT_EQ(e.states_count_(), 1);
  EXPECT_EQ(e.state_item_(1), "three");
  e.state_undo_(2);  // nothing left to redo
  EXPECT_EQ(e.state_active_(), 2);
  EXPECT_EQ(e.records_(), 2);
}

TEST_F(Undo, StepCountsTheChangedRecords) {
  int32_t a = e.add_line_(0, 0, 1, 1);
  e.add_line_(0, 0, 2, 2);
  EXPECT_EQ(step("nothing", [] {}), 0);
  EXPECT_EQ(step("select", [&] { e.object_(a).selected = true_; }), 0);  // selection alone is no record change
  EXPECT_EQ(step("move", [&] { e.store.live.lines[1].x2 = 9; }), 1);
  EXPECT_EQ(step("add", [&] { e.add_line_(3, 3, 4, 4); e.object_(a).deleted = true_; }), 2);
  e.state_undo_(1);
  EXPECT_EQ(e.object_(a).deleted, false_);
  EXPECT_EQ(e.records_(), 2);
  e.state_undo_(1);
  EXPECT_FLOAT_EQ(e.store.live.lines[1].x2, 1);
  e.state_undo_(1);
  EXPECT_EQ(e.object_(a).selected, false_);
  e.state_undo_(2);
  EXPECT_EQ(e.object_(a).selected, true_);
}

// Changes the first version of the state comparison missed: undo must bring them back.
TEST_F(Undo, ChangesOfHatchPatternAndGroupTitleAreRecorded) {
  int32_t h = fixture::add_kind(e, ot_hatch_, rng);
  int32_t g = fixture::add_kind(e, ot_block_group_, rng);
  const hatch_rec_ hatch = e.store.live.hatches[size_t(e.object_(h).index)];
  const std::string title = e.store.live.block_groups[size_t(e.object_(g).index)].title;
  struct {
    const char* what;
    std::function<void()> change;
  } cases[] = {
      {"pattern", [&] { e.store.live.hatches[1].pattern += 1; }},
      {"scale", [&] { e.store.live.hatches[1].scale *= 2; }},
      {"rotation", [&] { e.store.live.hatches[1].rotation += 1; }},
      {"title", [&] { e.store.live.block_groups[1].title = "renamed"; }},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(step(c.what, c.change), 1) << c.what;
    e.state_undo_(1);
    EXPECT_EQ(e.store.live.hatches[1].pattern, hatch.pattern) << c.what;
    EXPECT_EQ(e.store.live.hatches[1].scale, hatch.scale) << c.what;
    EXPECT_EQ(e.store.live.hatches[1].rotation, hatch.rotation) << c.what;
    EXPECT_EQ(e.store.live.block_groups[1].title, title) << c.what;
  }
}

TEST_F(Undo, PagesKeepTheirReservedTextsAndBlocksTheirMembers) {
  e.pages.pages[1].reserved = "kept";
  int32_t m = fixture::add_kind(e, ot_line_, rng, 0, true);
  fixture::add_block(e, "b", {m});
  step("page", [&] { e.page_add_("two", 10, 10); e.pages.pages[2].reserved = "second"; });
  step("drop page", [&] { e.page_delete_(1); });
  EXPECT_EQ(e.pages_count_(), 1);
  e.state_undo_(1);
  ASSERT_EQ(e.pages_count_(), 2);
  EXPECT_EQ(e.pages.pages[1].reserved, "kept");
  EXPECT_EQ(e.pages.pages[2].reserved, "second");
  e.state_undo_(1);
  EXPECT_EQ(e.pages_count_(), 1);
  EXPECT_EQ(e.pages.pages[1].reserved, "kept");

  // A block emptied in a step is empty again after redo, not left with its old members.
  step("empty block", [&] { link_library_(e).blocks[1].members = {0}; });
  e.state_undo_(1);
  EXPECT_EQ(link_library_(e).blocks[1].member_count(), 1);
  e.state_undo_(2);
  EXPECT_EQ(link_library_(e).blocks[1].member_count(), 0);
}

TEST_F(Undo, DamagedStateFileChangesNothing) {
  e.add_line_(0, 0, 1, 1);
  step("move", [&] { e.store.live.lines[1].x1 = 5; e.add_line_(1, 1, 2, 2); });
  const std::string state_file = e.file.states[0].file;
  const std::string good = read_file_bytes_(state_file).value();
  const std::string before = fixture::dump_restorable(e);
  for (size_t cut : {size_t(0), size_t(100), size_t(1024 + 10), good.size() - 1}) {
    ASSERT_TRUE(save_file_atomic_(state_file, good.substr(0, cut)));
    e.state_undo_(1);
    EXPECT_EQ(fixture::dump_restorable(e), before) << cut;
    EXPECT_EQ(e.state_active_(), 1) << cut;
  }
  remove_file_(state_file);
  e.state_undo_(1);
  EXPECT_EQ(fixture::dump_restorable(e), before);
  EXPECT_EQ(e.state_active_(), 1);
}

TEST_F(Undo, StateFilesGoWithTheEngine) {
  std::vector<std::string> files;
  {
    zaz_class_ local;
    local.file_new_(true_, "");
    for (int i = 0; i < 3; ++i) {
      local.state_begin_();
      local.add_line_(0, 0, float(i), 1);
      local.state_save_("l");
    }
    local.state_undo_(1);
    local.state_begin_();
    local.state_save_("drops the undone step");
    for (const auto& s : local.file.states) files.push_back(s.file);
    for (const auto& f : files) EXPECT_TRUE(file_exists_path_(f));
  }
  for (const auto& f : files) EXPECT_FALSE(file_exists_path_(f));
}

// A long random run of edits, undos and redos: after each, the drawing is exactly the one the
// history says it should be.
TEST_F(Undo, RandomHistoryAlwaysRestoresTheRightDrawing) {
  std::vector<std::string> history{fixture::dump_restorable(e)};
  size_t at = 0;
  auto live_record = [&]() -> int32_t {
    int32_t n = e.records_();
    return n == 0 ? 0 : 1 + int32_t(rng() % uint32_t(n));
  };
  for (int round = 0; round < 400; ++round) {
    int action = int(rng() % 10);
    if (action < 2) {
      e.state_undo_(1);
      if (at > 0) --at;
    } else if (action < 3) {
      e.state_undo_(2);
      if (at + 1 < history.size()) ++at;
    } else {
      e.state_begin_();
      int kind = int(rng() % 9);
      int32_t r = live_record();
      if (kind <= 2 || r == 0) {
        e.page_active_(int16_t(1 + rng() % uint32_t(e.pages_count_())));
        fixture::add_kind(e, int32_t(1 + rng() % 16), rng, 1);
      } else if (kind == 3) {
        e.object_(r).deleted = true_;
      } else if (kind == 4) {
        object_rec_& o = e.object_(r);
        if (o.type >= 1 && o.type <= 16) fixture::fill_entry(e, o.type, o.index, rng);
        o.x2 += 1;
      } else if (kind == 5) {
        e.object_(r).selected = e.object_(r).selected ? false_ : true_;
        e.object_(live_record()).draw_color = int32_t(rng() % 100);
      } else if (kind == 6) {
        if (e.pages_count_() < 4) e.page_add_("p" + std::to_string(round), 100, 100);
        else e.page_delete_(int16_t(1 + rng() % 4));
        e.pages.pages.back().reserved = "r" + std::to_string(round);
      } else if (kind == 7) {
        e.layer_add_("l", true_, true_, -1, -2, 0, 0);
        e.pages.pages[size_t(e.page_active_())].title = "t" + std::to_string(round);
      } else {
        auto& lib = link_library_(e);
        if (lib.block_count() > 0 && rng() % 2) lib.blocks.back().members = {0};
        else fixture::add_block(e, "b", {fixture::add_kind(e, ot_line_, rng, 0, true)});
      }
      e.state_save_("edit");
      history.resize(at + 1);
      history.push_back(fixture::dump_restorable(e));
      ++at;
    }
    ASSERT_EQ(fixture::dump_restorable(e), history[at]) << "round " << round;
    ASSERT_EQ(size_t(e.state_active_()), at);
  }
}

}  // namespace
