// Long random sequences of edits, undos, redos and saves, checked after every step against a
// plain record of what the drawing must be: the history of full dumps an undo list implies.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "drawing_fixture.h"
#include "platform/core/file_io.h"

namespace {

// The selected flags 0..counter 0 as a state file holds them.
std::string flags_of(const zaz_class_& e) {
  std::string out(2, '\0');
  for (int32_t i = 1; i <= e.store.counts[0]; ++i) {
    const int16_t f = e.store.live.objects[size_t(i)].selected;
    out.append(reinterpret_cast<const char*>(&f), 2);
  }
  return out;
}

// Both selection sections of the newest state file.
std::string selections_in_newest_state(const zaz_class_& e) {
  const auto data = read_file_bytes_(e.file.states.back().file);
  if (!data) return "unreadable";
  constexpr size_t counts_bytes = 256 * 4;
  int32_t before = 0, after = 0;
  std::memcpy(&before, data->data(), 4);
  std::memcpy(&after, data->data() + counts_bytes, 4);
  const size_t len = size_t(std::max(before, 0) + 1 + std::max(after, 0) + 1) * 2;
  return data->substr(2 * counts_bytes, len);
}

class UndoModel : public ::testing::TestWithParam<uint32_t> {
 protected:
  void SetUp() override {
    e.file_new_(true_, "");
    rng.seed(GetParam());
    // Enough records for several chunks of every table the steps touch.
    for (int i = 0; i < 1500; ++i) fixture::add_kind(e, 1 + int32_t(rng() % object_kinds_), rng);
    history = {fixture::dump_restorable(e)};
  }
  void TearDown() override { std::filesystem::remove(path); }

  int32_t pick_record() {
    for (int tries = 0; tries < 20; ++tries) {
      const int32_t r = 1 + int32_t(rng() % uint32_t(e.store.counts[0]));
      const object_rec_& o = e.store.live.objects[size_t(r)];
      if (o.type >= 1 && o.type <= object_kinds_ && o.page >= 1) return r;
    }
    return 0;
  }

  void change_one() {
    switch (rng() % 5) {
      case 0: fixture::add_kind(e, 1 + int32_t(rng() % object_kinds_), rng); break;
      case 1:
        if (int32_t r = pick_record()) {
          object_rec_& o = e.store.live.objects[size_t(r)];
          fixture::fill_entry(e, o.type, o.index, rng);
        }
        break;
      case 2:
        if (int32_t r = pick_record()) e.store.live.objects[size_t(r)].x1 = fixture::coord(rng);
        break;
      case 3:
        if (int32_t r = pick_record()) e.store.live.objects[size_t(r)].deleted = true_;
        break;
      default:
        if (int32_t r = pick_record()) {
          flag16_& s = e.store.live.objects[size_t(r)].selected;
          s = s == true_ ? false_ : true_;
        }
        break;
    }
  }

  void edit_step() {
    const std::string before_flags = flags_of(e);
    e.state_begin_();
    const int changes = int(rng() % 4);  // 0: a step in which nothing changed
    for (int k = 0; k < changes; ++k) change_one();
    e.state_save_("step");
    ASSERT_EQ(selections_in_newest_state(e), before_flags + flags_of(e));
    history.resize(at + 1);  // the steps undone so far are dropped
    history.push_back(fixture::dump_restorable(e));
    at = size_t(e.state_active_());
  }

  zaz_class_ e;
  std::mt19937 rng;
  std::vector<std::string> history;  // history[i]: the drawing with i steps applied
  size_t at = 0;
  const std::string path = (std::filesystem::temp_directory_path() /
                            ("arvex-undo-model-" + std::to_string(GetParam()) + ".zaz")).string();
};

TEST_P(UndoModel, RandomSequencesMatchThePlainHistory) {
  for (int step = 0; step < 150; ++step) {
    const uint32_t op = rng() % 10;
    if (op < 5) {
      edit_step();
      if (HasFatalFailure()) return;
    } else if (op < 7) {
      e.state_undo_(1);
      if (at > 0) --at;
    } else if (op < 9) {
      e.state_undo_(2);
      if (at + 1 < history.size()) ++at;
    } else {
      // A save empties the undo list; the file holds the drawing's bytes as they stand.
      ASSERT_EQ(e.file_save_(path, 1, false_), true_);
      history = {history[at]};
      at = 0;
      const auto saved = read_file_bytes_(path);
      ASSERT_TRUE(saved.has_value());
      EXPECT_TRUE(*saved == e.drawing_file_bytes_()) << "step " << step;
    }
    ASSERT_EQ(size_t(e.state_active_()), at) << "step " << step;
    ASSERT_EQ(fixture::dump_restorable(e), history[at]) << "step " << step << " op " << op;
  }
}

INSTANTIATE_TEST_SUITE_P(Seeds, UndoModel, ::testing::Values(1u, 2u));

// A drawing large enough that its selection sections are written with long runs of zeros, and
// that its file is handed to the disk in several pieces.
TEST(UndoLarge, SelectionSectionsAndStreamedSaveKeepEveryByte) {
  zaz_class_ e;
  e.file_new_(true_, "");
  for (int i = 0; i < 70000; ++i) e.add_line_(float(i % 300), float(i / 300), float(i % 300) + 1, 2);
  const int32_t picked[] = {1, 4095, 4096, 40000, 70000};
  for (int32_t r : picked) e.store.live.objects[size_t(r)].selected = true_;
  const std::string before = flags_of(e);
  const float x2 = e.store.live.lines[7].x2;
  e.state_begin_();
  e.store.live.lines[7].x2 = 9;
  e.store.live.objects[4096].selected = false_;
  e.store.live.objects[69999].selected = true_;
  EXPECT_EQ(e.state_save_("one"), 1);
  EXPECT_EQ(selections_in_newest_state(e), before + flags_of(e));
  const std::string after = fixture::dump_restorable(e);
  e.state_undo_(1);
  EXPECT_EQ(flags_of(e), before);
  EXPECT_EQ(e.store.live.lines[7].x2, x2);
  e.state_undo_(2);
  EXPECT_EQ(fixture::dump_restorable(e), after);

  const std::string path = (std::filesystem::temp_directory_path() / "arvex-undo-large.zaz").string();
  ASSERT_EQ(e.file_save_(path, 1, false_), true_);
  const auto saved = read_file_bytes_(path);
  std::filesystem::remove(path);
  ASSERT_TRUE(saved.has_value());
  ASSERT_GT(saved->size(), size_t(2) << 20);
  EXPECT_TRUE(*saved == e.drawing_file_bytes_());
}

}  // namespace
