// Chunked tables shared between the live drawing and the undo snapshot: a write on one side
// never shows on the other, and the sizes and capacities behave as the store expects.
#include <gtest/gtest.h>

#include "engine/model/chunk_table.h"
#include "engine/zaz_class.h"

namespace {

using lines_t = chunk_table_<line_rec_>;
constexpr size_t cs = lines_t::chunk_size;

lines_t numbered(size_t n) {
  lines_t t;
  t.resize(n);
  for (size_t i = 0; i < n; ++i) t[i] = {float(i), 0, 0, 0};
  return t;
}

TEST(ChunkTable, WritesIntoASharedChunkStayOnTheirSide) {
  struct {
    size_t at;       // entry written
    bool on_copy;    // written through the copy rather than the original
  } cases[] = {{0, false}, {cs - 1, false}, {cs, true}, {2 * cs + 5, false}, {2 * cs + 5, true}};
  for (const auto& c : cases) {
    lines_t a = numbered(3 * cs);
    lines_t b = a;
    for (size_t k = 0; k < 3; ++k) EXPECT_TRUE(a.same_chunk(k, b));
    lines_t& written = c.on_copy ? b : a;
    const lines_t& other = c.on_copy ? a : b;
    written[c.at].x2 = 99;
    EXPECT_EQ(written[c.at].x2, 99);
    EXPECT_EQ(std::as_const(other)[c.at].x2, 0) << c.at;
    for (size_t k = 0; k < 3; ++k) EXPECT_EQ(a.same_chunk(k, b), k != c.at / cs) << c.at;
    // Every other entry reads the same on both sides.
    for (size_t i = 0; i < 3 * cs; ++i)
      if (i != c.at) {
        ASSERT_EQ(std::as_const(a)[i].x1, std::as_const(b)[i].x1);
      }
  }
}

TEST(ChunkTable, ShrinkingAndGrowingANotSharedPrefixKeepsTheSnapshot) {
  lines_t live = numbered(cs + 10);
  lines_t snap;
  snap.share_prefix(live, cs + 3);
  EXPECT_EQ(snap.size(), cs + 3);
  EXPECT_EQ(snap.capacity(), cs + 3);
  // Growing the live table writes fresh entries into the shared last chunk: only its copy changes.
  live.resize(cs + 2);
  live.resize(cs + 12);
  EXPECT_EQ(std::as_const(live)[cs + 2].x1, 0);
  EXPECT_EQ(std::as_const(live)[cs + 11].x1, 0);
  EXPECT_EQ(std::as_const(snap)[cs + 2].x1, float(cs + 2));
  EXPECT_TRUE(live.same_chunk(0, snap));
  EXPECT_FALSE(live.same_chunk(1, snap));
}

// Records that own storage (a polyline's points) are copied whole when a shared chunk is
// written, and an entry reached again after a shrink comes back empty.
TEST(ChunkTable, RecordsWithPointsCopyWholeAndComeBackEmpty) {
  chunk_table_<polyline_rec_> live;
  live.resize(3);
  live[2].x = {1, 2, 3};
  chunk_table_<polyline_rec_> snap = live;
  live[2].x.push_back(4);
  EXPECT_EQ(std::as_const(snap)[2].x, (std::vector<float>{1, 2, 3}));
  EXPECT_EQ(std::as_const(live)[2].x.size(), 4u);
  live.resize(1);
  live.resize(5);  // entry 2 reached again, entries 3 and 4 made for the first time
  for (size_t i = 1; i < 5; ++i) EXPECT_TRUE(std::as_const(live)[i].x.empty()) << i;
  EXPECT_EQ(std::as_const(snap)[2].x.size(), 3u);
}

TEST(ChunkTable, CapacityFollowsTheVectorRules) {
  lines_t t;
  t.assign(7, {});
  EXPECT_EQ(t.capacity(), 7u);
  t.resize(8);
  EXPECT_EQ(t.capacity(), 14u);
  t.reserve(100);
  t.resize(50);
  EXPECT_EQ(t.capacity(), 100u);
  EXPECT_EQ(t.size(), 50u);
  lines_t moved = std::move(t);
  EXPECT_EQ(moved.capacity(), 100u);
  EXPECT_EQ(t.capacity(), 0u);
}

TEST(ChunkTable, ASnapshotWriteThroughTheStoreNeverShowsInTheOtherSide) {
  zaz_class_ e;
  e.file_new_(true_, "");
  for (int i = 0; i < 9000; ++i) e.add_line_(float(i), 0, float(i) + 1, 1);
  e.state_begin_();
  const line_rec_ kept = std::as_const(e.store.snapshot).lines[5000];
  e.store.live.lines[5000].y2 = 42;
  e.store.live.objects[2].deleted = true_;
  EXPECT_EQ(std::as_const(e.store.snapshot).lines[5000].y2, kept.y2);
  EXPECT_EQ(std::as_const(e.store.snapshot).objects[2].deleted, false_);
  EXPECT_EQ(e.record_differs_(ot_line_, 5000), true_);
  EXPECT_EQ(e.record_differs_(ot_line_, 4999), false_);
  EXPECT_EQ(e.record_differs_(0, 2), true_);
  EXPECT_EQ(e.record_differs_(0, 3), false_);
  EXPECT_EQ(e.state_save_("two"), 2);
  e.state_undo_(1);
  EXPECT_EQ(std::as_const(e.store.live).lines[5000].y2, kept.y2);
  EXPECT_EQ(std::as_const(e.store.live).objects[2].deleted, false_);
}

}  // namespace
