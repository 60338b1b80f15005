#include <gtest/gtest.h>

#include "drawing_fixture.h"
#include "engine/file/codec.h"
#include "platform/core/file_io.h"

namespace {

// Two engines sharing an in-memory clipboard, as the host wires the system one.
class Clipboard : public ::testing::Test {
 protected:
  void SetUp() override {
    for (zaz_class_* e : {&src, &dst}) {
      e->file_new_(true_, "");
      e->file.clipboard_set_text = [this](const std::string& t) { clip = t; };
      e->file.clipboard_get_text = [this] { return clip; };
      e->file.error_box = [this](const std::string& t) { errors.push_back(t); };
    }
  }
  std::vector<int32_t> selected_on(zaz_class_& e, int16_t page) {
    std::vector<int32_t> out;
    for (int32_t i = 1; i <= e.records_(); ++i) {
      const object_rec_& o = e.object_(i);
      if (!o.deleted && o.page == page && o.selected) out.push_back(i);
    }
    return out;
  }
  zaz_class_ src, dst;
  std::string clip;
  std::vector<std::string> errors;
  std::mt19937 rng{11};
};

TEST_F(Clipboard, CopiedLinesLandOnTheActivePageAndLayer) {
  src.page_add_("two", 100, 100);  // active page 2
  std::vector<int32_t> lines;
  for (int i = 0; i < 3; ++i) lines.push_back(src.add_line_(float(i), 0, float(i), 5, -1, 0, 1, i == 0 ? 0 : 1));
  src.add_line_(9, 9, 9, 9);  // not selected
  for (int32_t l : lines) src.object_(l).selected = true_;
  std::string marker = src.clipboard_copy_(false_, 0);
  EXPECT_EQ(clip, marker);
  EXPECT_EQ(marker.rfind("Arvex.clipboard:", 0), 0u);

  for (int i = 0; i < 4; ++i) dst.layer_add_("l", true_, true_, -1, -2, 0, 0);
  dst.layer_active_(4);
  int32_t old = dst.add_line_(50, 50, 60, 60);
  dst.object_(old).selected = true_;
  dst.clipboard_paste_(false_, "", false_);
  EXPECT_EQ(dst.records_(), 4);
  EXPECT_EQ(selected_on(dst, 1), (std::vector<int32_t>{2, 3, 4}));
  for (int32_t i = 2; i <= 4; ++i) {
    EXPECT_EQ(dst.object_(i).layer, 4);
    EXPECT_FLOAT_EQ(dst.store.live.lines[size_t(dst.object_(i).index)].x1, float(i - 2));
  }
  // Copying to a file leaves the clipboard alone.
  clip = "unchanged";
  EXPECT_NE(src.clipboard_copy_(true_, 0), "");
  EXPECT_EQ(clip, "unchanged");
}

TEST_F(Clipboard, NothingSelectedWritesAnEmptyTransfer) {
  std::string marker = src.clipboard_copy_(true_, 0);
  std::string bytes = read_file_bytes_(clipboard_marker_decode_(marker)).value();
  EXPECT_EQ(bytes, std::string("ArvV2\0\0\0\0", 9));
  int32_t l = dst.add_line_(0, 0, 1, 1);
  dst.object_(l).selected = true_;
  dst.clipboard_paste_(false_, marker, false_);
  EXPECT_EQ(dst.records_(), 1);
  EXPECT_EQ(dst.object_(l).selected, false_);
}

TEST_F(Clipboard, BlocksAreMatchedOrAddedOnce) {
  std::vector<int32_t> members{fixture::add_kind(src, ot_line_, rng, 0, true),
                               fixture::add_kind(src, ot_dimension_, rng, 0, true)};
  fixture::add_block(src, "b", members);
  int32_t ins = fixture::add_kind(src, ot_block_insert_, rng);
  src.store.live.block_inserts[size_t(src.object_(ins).index)].block = 1;
  src.object_(ins).selected = true_;
  std::string marker = src.clipboard_copy_(true_, 0);

  dst.clipboard_paste_(false_, marker, true_);
  dst.clipboard_paste_(false_, marker, true_);
  ASSERT_EQ(link_library_(dst).block_count(), 1);
  EXPECT_EQ(link_library_(dst).blocks[1].hidden, true_);
  std::vector<int32_t> inserts;
  for (int32_t i = 1; i <= dst.records_(); ++i)
    if (dst.object_(i).type == ot_block_insert_) inserts.push_back(dst.store.live.block_inserts[size_t(dst.object_(i).index)].block);
  EXPECT_EQ(inserts, (std::vector<int32_t>{1, 1}));

  // A block whose dimension member differs only in its style copy is a different block.
  src.store.live.dimensions[1].style.arrow_size += 1;
  dst.clipboard_paste_(false_, src.clipboard_copy_(true_, 0), false_);
  EXPECT_EQ(link_library_(dst).block_count(), 2);
}

TEST_F(Clipboard, InsertOfABlockLeftOutIsDropped) {
  fixture::add_block(src, "one", {fixture::add_kind(src, ot_line_, rng, 0, true)});
  fixture::add_block(src, "two", {fixture::add_kind(src, ot_circle_, rng, 0, true)});
  int32_t ins = fixture::add_kind(src, ot_block_insert_, rng);
  src.store.live.block_inserts[size_t(src.object_(ins).index)].block = 2;
  src.object_(ins).selected = true_;
  dst.clipboard_paste_(false_, src.clipboard_copy_(true_, 1), false_);  // only block 1 travels
  EXPECT_EQ(selected_on(dst, 1), std::vector<int32_t>{});
  EXPECT_EQ(link_library_(dst).block_count(), 0);
}

TEST_F(Clipboard, CentredPasteMovesToTheViewCentre) {
  int32_t a = src.add_line_(0, 0, 10, 0);
  int32_t b = src.add_line_(0, 20, 0, 0);
  src.object_(a).selected = src.object_(b).selected = true_;
  dst.view_posx_(100);
  dst.view_posy_(100);
  dst.clipboard_paste_(true_, src.clipboard_copy_(true_, 0), false_);
  const line_rec_& l = dst.store.live.lines[size_t(dst.object_(1).index)];
  EXPECT_FLOAT_EQ(l.x1, 95);
  EXPECT_FLOAT_EQ(l.y1, 90);
}

TEST_F(Clipboard, ForeignOrDamagedFilesPasteNothing) {
  int32_t l = dst.add_line_(0, 0, 1, 1);
  const std::string foreign = dst.engine_temp_file_();
  ASSERT_TRUE(save_file_atomic_(foreign, "hello there"));
  dst.object_(l).selected = true_;
  dst.clipboard_paste_(false_, clipboard_marker_encode_(foreign), false_);
  EXPECT_EQ(errors, std::vector<std::string>{"ERROR!"});
  EXPECT_EQ(dst.object_(l).selected, false_);

  int32_t s = src.add_line_(0, 0, 5, 5);
  src.object_(s).selected = true_;
  std::string marker = src.clipboard_copy_(true_, 0);
  std::string path = clipboard_marker_decode_(marker);
  std::string good = read_file_bytes_(path).value();
  const std::string before = fixture::dump_restorable(dst);
  for (size_t cut = 6; cut < good.size(); ++cut) {
    ASSERT_TRUE(save_file_atomic_(path, good.substr(0, cut)));
    dst.clipboard_paste_(false_, marker, false_);
    ASSERT_EQ(fixture::dump_restorable(dst), before) << cut;
  }
  for (const char* text : {"", "not a marker", "Arvex.clipboard:ZZ", "Arvex.clipboard:D0D0"}) {
    clip = text;
    dst.clipboard_paste_(false_, "", false_);
    EXPECT_EQ(fixture::dump_restorable(dst), before) << text;
  }
}

TEST_F(Clipboard, ObjectsDifferCompareTheirContent) {
  struct Case {
    const char* what;
    std::function<void(zaz_class_&, int32_t, int32_t)> change;
    flag16_ differ;
  } cases[] = {
      {"other layer only", [](zaz_class_& e, int32_t, int32_t b) { e.object_(b).layer = 9; }, false_},
      {"colour", [](zaz_class_& e, int32_t, int32_t b) { e.object_(b).draw_color = 77; }, true_},
      {"fewer points", [](zaz_class_& e, int32_t, int32_t b) { e.store.live.polylines[size_t(e.object_(b).index)].count -= 1; }, true_},
      {"one point", [](zaz_class_& e, int32_t, int32_t b) { e.store.live.polylines[size_t(e.object_(b).index)].y[1] += 1; }, true_},
  };
  for (const auto& c : cases) {
    zaz_class_ e;
    e.file_new_(true_, "");
    std::mt19937 same(5), again(5);
    int32_t a = fixture::add_kind(e, ot_polyline_, same);
    int32_t b = fixture::add_kind(e, ot_polyline_, again);
    ASSERT_EQ(e.objects_differ_(a, b), false_);
    c.change(e, a, b);
    EXPECT_EQ(e.objects_differ_(a, b), c.differ) << c.what;
  }
  // The payloads of dimension-like kinds count in full.
  for (int32_t type : {ot_dimension_, ot_angular_dim_, ot_reference_}) {
    zaz_class_ e;
    e.file_new_(true_, "");
    std::mt19937 same(5), again(5);
    int32_t a = fixture::add_kind(e, type, same);
    int32_t b = fixture::add_kind(e, type, again);
    ASSERT_EQ(e.objects_differ_(a, b), false_);
    e.store.live.visit(type, [&](auto& t) {
      if constexpr (requires { t[1].text_box; }) t[size_t(e.object_(b).index)].text_box[3].x += 1;
    });
    EXPECT_EQ(e.objects_differ_(a, b), true_) << type;
  }
}

}  // namespace
