#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

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

// Clipboard text can come from any program: a marker naming a file that none of our copies
// could have written is ignored, even when the file holds a sound transfer. A transfer file in
// a private folder of our kind (another running instance of the program) is pasted.
TEST_F(Clipboard, OnlyTransferFilesInOurOwnFoldersArePasted) {
  namespace fs = std::filesystem;
  src.object_(src.add_line_(0, 0, 5, 5)).selected = true_;
  const std::string good = read_file_bytes_(clipboard_marker_decode_(src.clipboard_copy_(true_, 0))).value();
  const fs::path own = fs::path(dst.engine_temp_folder_()).parent_path();  // .../arvex-XXXXXX
  const fs::path system_temp = own.parent_path();
  auto private_folder = [](const fs::path& where, const std::string& prefix) {
    std::string t = (where / (prefix + "XXXXXX")).string();
    return fs::path(::mkdtemp(t.data()));
  };
  auto plant = [&](const fs::path& file) {
    std::ofstream(file, std::ios::binary) << good;
    return file.string();
  };
  const fs::path other_instance = private_folder(system_temp, "arvex-");
  const fs::path open_folder = private_folder(system_temp, "arvex-");
  ::chmod(open_folder.c_str(), 0755);
  const fs::path foreign = private_folder(system_temp, "other-");
  const fs::path nested = private_folder(foreign, "arvex-");
  const std::string elsewhere = plant(foreign / "5555.tmp");
  fs::create_symlink(elsewhere, own / "4444.tmp");
  const std::string not_mine = plant(other_instance / "7777.tmp");
  const bool chowned = ::chown(not_mine.c_str(), 65534, 65534) == 0;

  const struct {
    std::string path;
    bool pasted;
  } cases[] = {
      {plant(other_instance / "1234999.tmp"), true},
      {plant(other_instance / "planted.zaz"), false},
      {plant(other_instance / "12.tmp"), false},
      {plant(open_folder / "1234.tmp"), false},
      {elsewhere, false},
      {plant(nested / "1234.tmp"), false},
      {(own / "4444.tmp").string(), false},
      {chowned ? not_mine : "", false},
  };
  for (const auto& c : cases) {
    if (c.path.empty()) continue;
    zaz_class_ e;
    e.file_new_(true_, "");
    const int32_t mine = e.add_line_(1, 1, 2, 2);
    e.object_(mine).selected = true_;
    const std::string before = fixture::dump_restorable(e);
    e.clipboard_paste_(false_, clipboard_marker_encode_(c.path), false_);
    if (c.pasted) {
      EXPECT_EQ(e.records_(), 2) << c.path;
      EXPECT_EQ(selected_on(e, 1), std::vector<int32_t>{2}) << c.path;
    } else {
      EXPECT_TRUE(fixture::dump_restorable(e) == before) << c.path;
    }
  }
  for (const fs::path& f : {other_instance, open_folder, foreign}) fs::remove_all(f);
  fs::remove(own / "4444.tmp");
}

// Transfer files are written by the program alone: a record of an unknown type in one is
// damage and nothing of it is pasted, and a file above 256 MB is refused without being read.
TEST_F(Clipboard, GarbageOrOversizedTransferFilesPasteNothing) {
  src.object_(src.add_line_(0, 0, 5, 5)).selected = true_;
  const std::string good = read_file_bytes_(clipboard_marker_decode_(src.clipboard_copy_(true_, 0))).value();
  const std::string head("ArvV2\0\0\0\0", 9);  // no blocks
  byte_writer_ block;
  block.put<int32_t>(1);
  block.put<int32_t>(7);
  for (int i = 0; i < 4; ++i) block.put<float>(0);
  block.put<int16_t>(0);
  block.put<int32_t>(0);
  put_string_(block, "b");
  block.put<int32_t>(1);
  block.put<int32_t>(0);  // a member of unknown type
  // One polyline whose points run just past 256 MB: sound, but far larger than any copy.
  byte_writer_ big;
  big.bytes(head);
  big.put<int32_t>(ot_polyline_);
  for (int i = 0; i < 4; ++i) big.put<float>(0);
  big.put<int16_t>(1);
  big.put<uint8_t>(1);
  for (int32_t v : {-1, -2}) big.put<int32_t>(v);
  for (int i = 0; i < 3; ++i) big.put<int16_t>(0);
  big.put<int32_t>(0);
  const uint64_t points = ((uint64_t(256) << 20) - big.data().size()) / 8 + 1;
  big.put<int32_t>(int32_t(points));

  const struct {
    const char* name;
    std::string bytes;
    uint64_t size;  // with zeros (points at the origin) up to this size
  } cases[] = {
      {"no blocks, then zeros", head + std::string(4000, '\0'), 0},
      {"sound records, then zeros", good + std::string(4, '\0'), 0},
      {"zeros, then a sound record", head + std::string(4, '\0') + good.substr(9), 0},
      {"block member of unknown type", "ArvV2" + block.take(), 0},
      {"over 256 MB", big.take(), 8 * points},
  };
  for (const auto& c : cases) {
    const std::string path = dst.engine_temp_file_();
    std::ofstream(path, std::ios::binary) << c.bytes;
    if (c.size) std::filesystem::resize_file(path, c.bytes.size() + c.size);
    const int32_t records = dst.records_();
    dst.clipboard_paste_(false_, clipboard_marker_encode_(path), false_);
    EXPECT_EQ(dst.records_(), records) << c.name;
    EXPECT_EQ(link_library_(dst).block_count(), 0) << c.name;
    remove_file_(path);
  }
  // The sound file still pastes.
  const std::string path = dst.engine_temp_file_();
  ASSERT_TRUE(save_file_atomic_(path, good));
  dst.clipboard_paste_(false_, clipboard_marker_encode_(path), false_);
  EXPECT_EQ(dst.records_(), 1);
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
