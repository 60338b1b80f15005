#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <future>
#include <set>

#include "drawing_fixture.h"
#include "engine/file/codec.h"
#include "engine/file/dimstyle_io.h"
#include "engine/file/file_kind.h"
#include "platform/core/file_io.h"

namespace {

namespace fs = std::filesystem;

class DrawingFile : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() / ("arvex-file-test-" + std::to_string(::getpid()) + "-" +
                                       ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir);
  }
  void TearDown() override { fs::remove_all(dir); }
  std::string path(const std::string& name) const { return (dir / name).string(); }
  static void write(const std::string& p, const std::string& bytes) { std::ofstream(p, std::ios::binary) << bytes; }
  static std::string read(const std::string& p) { return read_file_bytes_(p).value_or(""); }

  fs::path dir;
  std::mt19937 rng{42};
};

TEST_F(DrawingFile, SavedDrawingReadsBackToTheSameFile) {
  zaz_class_ a, b;
  fixture::build_rich_drawing(a, rng);
  ASSERT_TRUE(is_set_(a.file_save_(path("a.zaz"), 1, false_)));
  ASSERT_TRUE(is_set_(b.file_open_(path("a.zaz"))));
  EXPECT_EQ(b.file_name_(), path("a.zaz"));
  EXPECT_EQ(b.file_change_(), false_);
  ASSERT_TRUE(is_set_(b.file_save_(path("b.zaz"), 1, false_)));
  EXPECT_EQ(read(path("a.zaz")), read(path("b.zaz")));

  // Spot checks of what the bytes carry: document, pages with views, styles, fonts, library.
  EXPECT_EQ(b.docinfo.title, "Tytuł");
  EXPECT_EQ(b.docinfo.password_stored, "616263");
  EXPECT_EQ(link_backcolor_(b), 0x00336699);
  EXPECT_EQ(b.pages_count_(), 2);
  EXPECT_EQ(b.pages.pages[2].reserved, "r2");
  EXPECT_EQ(b.pages.pages[1].layers[2].reserved[2], "z");
  EXPECT_FLOAT_EQ(b.views.views[2].zoom, 5.0f);
  EXPECT_EQ(b.dimstyles_count_(), 3);
  EXPECT_EQ(b.styles.active, 2);
  EXPECT_EQ(b.styles.styles[3].name, "C");
  ASSERT_EQ(link_font_count_(b), 1);
  EXPECT_EQ(link_font_(b, 1)->glyphs[65].contours.size(), 2u);
  EXPECT_FLOAT_EQ(link_font_(b, 1)->glyphs[65].contours[0].points[1].y, 9.0f);
  EXPECT_EQ(link_library_(b).dirs[2].parent, 1);
  EXPECT_EQ(link_library_(b).blocks[1].folder, 2);
}

TEST_F(DrawingFile, DeletedRecordsAreLeftOutAndTheRestRenumbered) {
  zaz_class_ a, b;
  a.file_new_(true_, "");
  std::vector<int32_t> lines;
  for (int i = 0; i < 6; ++i) lines.push_back(a.add_line_(float(i), 0, float(i), 10));
  // Records 1 to 6 are lines; make 7 and 8 members of a block and delete 2 and 5.
  int32_t m1 = fixture::add_kind(a, ot_line_, rng, 0, true);
  int32_t m2 = fixture::add_kind(a, ot_point_, rng, 0, true);
  fixture::add_block(a, "blk", {m1, m2});
  a.store.live.objects[2].deleted = true_;
  a.store.live.objects[5].deleted = true_;
  ASSERT_TRUE(is_set_(a.file_save_(path("d.zaz"), 1, false_)));
  ASSERT_TRUE(is_set_(b.file_open_(path("d.zaz"))));

  // Members come first (1, 2), then the four live lines without gaps.
  EXPECT_EQ(b.records_(), 6);
  EXPECT_EQ(link_library_(b).blocks[1].members, (std::vector<int32_t>{0, 1, 2}));
  std::vector<float> xs;
  for (int32_t i = 3; i <= 6; ++i) {
    const object_rec_& o = b.store.live.objects[size_t(i)];
    EXPECT_EQ(o.type, ot_line_);
    EXPECT_EQ(o.deleted, false_);
    xs.push_back(b.store.live.lines[size_t(o.index)].x1);
  }
  EXPECT_EQ(xs, (std::vector<float>{0, 2, 3, 5}));
  EXPECT_EQ(b.subrecords_(ot_line_), 5);
  EXPECT_EQ(b.store.live.objects[2].page, 0);
}

TEST_F(DrawingFile, ObjectsOnLayerZeroOfAPageAreKept) {
  zaz_class_ a, b;
  a.file_new_(true_, "");
  a.add_line_(0, 0, 1, 1, -1, 0, 1, 0);
  ASSERT_TRUE(is_set_(a.file_save_(path("l.zaz"), 1, false_)));
  ASSERT_TRUE(is_set_(b.file_open_(path("l.zaz"))));
  EXPECT_EQ(b.records_(), 1);
}

// The byte layout of single fields, checked against the format rather than against the writer.
TEST_F(DrawingFile, RecordLayouts) {
  zaz_class_ e;
  e.file_new_(true_, "");
  e.vertex_clear_();
  for (int i = 0; i < 4; ++i) e.vertex_add_(float(i), float(i * 2));
  int32_t curve = e.add_curve_(true_);
  ASSERT_GT(curve, 0);
  byte_writer_ w;
  e.write_object_record_(w, curve);
  byte_reader_ r(w.data());
  EXPECT_EQ(r.get<int32_t>(), ot_curve_);
  r.skip(16 + 2 + 1 + 4 + 4 + 2 + 2 + 2 + 4);
  EXPECT_EQ(r.get<int32_t>(), -4);
  EXPECT_EQ(r.remaining(), 4u * 8u);

  byte_writer_ none;
  e.write_object_record_(none, 0);
  EXPECT_EQ(none.data(), std::string(4, '\0'));

  // A style entry is its name and the 55 properties; 18 and 19 are swapped in the file.
  dimstyle_rec_ s = zaz_class_::dimstyle_template_();
  s.kept18 = 0x5A;
  s.kept19 = 123.5f;
  byte_writer_ sw;
  write_dimstyle_record_(sw, s);
  byte_reader_ sr(sw.data());
  sr.skip(3 + 4 + 4 + 2 + 2 + 4 + 4 + 2 + 2 + 4 + 2 + 2 + 4 + 4 + 2 + 2);
  EXPECT_EQ(sr.get<float>(), 123.5f);
  EXPECT_EQ(sr.get<uint8_t>(), 0x5A);
}

TEST_F(DrawingFile, OddRecordsKeepTheirNumbersAsDeletedSlots) {
  zaz_class_ e;
  e.file_new_(false_, "");
  byte_writer_ w;
  w.put<int32_t>(300);  // unknown type: only the type is consumed
  w.put<int32_t>(20);   // a kind without a table: header only, counted
  for (int i = 0; i < 4; ++i) w.put<float>(0);
  w.put<int16_t>(1);
  w.put<uint8_t>(1);
  w.put<int32_t>(-1);
  w.put<int32_t>(-2);
  w.put<int16_t>(0);
  w.put<int16_t>(0);
  w.put<int16_t>(0);
  w.put<int32_t>(0);
  byte_reader_ r(w.data());
  flag16_ ok = true_;
  EXPECT_TRUE(e.read_object_record_(r, 1, ok));
  EXPECT_EQ(ok, false_);
  EXPECT_EQ(r.pos(), 4u);
  EXPECT_EQ(e.store.live.objects[1].deleted, true_);
  EXPECT_EQ(e.store.live.objects[1].type, 0);
  EXPECT_TRUE(e.read_object_record_(r, 2, ok));
  EXPECT_EQ(ok, true_);
  EXPECT_TRUE(r.at_end());
  EXPECT_EQ(e.store.counts[20], 1);
  EXPECT_EQ(e.records_(), 2);
}

// Unknown records keep their numbers as deleted slots, but a file made mostly of them (a drawing
// padded with zeros) is damaged: it is refused without growing the record table with it.
TEST_F(DrawingFile, RunsOfUnknownRecordsAreBounded) {
  zaz_class_ a;
  a.file_new_(true_, "");
  a.add_line_(0, 0, 5, 5);
  a.add_line_(1, 1, 2, 2);
  const std::string drawing = a.drawing_file_bytes_();
  byte_writer_ one;
  a.write_object_record_(one, 1);
  const std::string line = one.take();
  const std::string unknown(4, '\0');  // type 0
  auto repeat = [](const std::string& s, int n) {
    std::string out;
    for (int i = 0; i < n; ++i) out += s;
    return out;
  };
  const struct {
    const char* name;
    std::string tail;
    int32_t records;  // 0: refused
  } cases[] = {
      {"a megabyte of zeros", std::string(1 << 20, '\0'), 0},
      {"1001 in a row", repeat(unknown, 1001) + line, 0},
      {"more than the known ones", repeat(repeat(unknown, 600) + line, 3), 0},
      {"1000 in a row", repeat(unknown, 1000) + line, 1003},
      {"a few among known ones", repeat(unknown + line, 50), 102},
  };
  for (const auto& c : cases) {
    zaz_class_ e;
    EXPECT_EQ(e.read_drawing_bytes_(drawing + c.tail, nullptr), c.records != 0) << c.name;
    EXPECT_LE(e.store.live.objects.capacity(), 4096u) << c.name;
    if (c.records != 0) {
      EXPECT_EQ(e.records_(), c.records) << c.name;
    }
  }
  // Opening the padded file leaves the drawing as it was.
  write(path("padded.zaz"), drawing + std::string(1 << 20, '\0'));
  zaz_class_ e;
  e.file_new_(true_, "");
  e.add_line_(3, 3, 4, 4);
  const std::string before = fixture::dump_restorable(e);
  EXPECT_EQ(e.file_open_(path("padded.zaz")), false_);
  EXPECT_TRUE(fixture::dump_restorable(e) == before);
}

// A version-1 file: no reserved page text, no folders, no folder id in blocks.
std::string version1_file(int32_t active_style = 1, int32_t active_page = 1) {
  byte_writer_ w;
  w.bytes("Arvex");
  for (const char* s : {"T", "", "A", ""}) put_string_(w, s);
  w.put<int32_t>(0xFFFFFF);
  w.put<int32_t>(0);  // fonts
  w.put<int32_t>(0);
  w.put<int32_t>(active_style);
  w.put<int32_t>(1);  // styles after the template
  for (const char* n : {"<>", "S"}) {
    put_string_(w, n);
    write_dimstyle_record_(w, zaz_class_::dimstyle_template_());
  }
  w.put<int32_t>(1);  // pages
  w.put<int32_t>(active_page);
  put_string_(w, "P");
  w.put<int16_t>(0);
  w.put<float>(1);
  for (int i = 0; i < 4; ++i) w.put<int16_t>(0);
  for (float f : {10.f, 20.f, 1.f, 0.f, 0.f, 297.f, 210.f}) w.put<float>(f);
  for (int32_t i : {1, 1, 0, 0}) w.put<int32_t>(i);
  w.put<int16_t>(-1);
  w.put<int16_t>(0);
  w.put<int16_t>(1);
  w.put<int32_t>(1);  // layers
  put_string_(w, "L");
  w.put<int16_t>(-1);
  w.put<int16_t>(-1);
  for (int32_t i : {-1, -2, 0, 0}) w.put<int32_t>(i);
  for (int i = 0; i < 3; ++i) put_string_(w, "");
  w.put<int32_t>(1);  // blocks
  w.put<int32_t>(0);
  for (int i = 0; i < 4; ++i) w.put<float>(0);
  w.put<int16_t>(0);
  put_string_(w, "B");
  w.put<int32_t>(0);  // members
  return w.take();
}

TEST_F(DrawingFile, VersionOneIsReadAndSavedAsVersionTwo) {
  write(path("v1.zaz"), version1_file());
  zaz_class_ e;
  ASSERT_TRUE(is_set_(e.file_open_(path("v1.zaz"))));
  EXPECT_EQ(e.pages_count_(), 1);
  EXPECT_EQ(e.pages.pages[1].reserved, "");
  EXPECT_EQ(e.pages.pages[1].title, "P");
  EXPECT_EQ(link_library_(e).block_count(), 1);
  EXPECT_EQ(link_library_(e).blocks[1].folder, 0);
  EXPECT_EQ(link_library_(e).blocks[1].name, "B");
  EXPECT_EQ(link_library_(e).dir_count(), 0);
  EXPECT_EQ(e.records_(), 0);
  ASSERT_TRUE(is_set_(e.file_save_(path("v2.zaz"), 1, false_)));
  std::string saved = read(path("v2.zaz"));
  EXPECT_EQ(saved.substr(0, 5), "ArvV2");
  // The same content, one reserved text (4 bytes), a folder count and a folder id longer.
  EXPECT_EQ(saved.size(), version1_file().size() + 4 + 4 + 4);
  zaz_class_ again;
  ASSERT_TRUE(is_set_(again.file_open_(path("v2.zaz"))));
  EXPECT_EQ(fixture::dump_restorable(again), fixture::dump_restorable(e));
}

TEST_F(DrawingFile, ActiveNumbersAreBroughtIntoRange) {
  struct Case {
    int32_t stored_style, stored_page;
    int32_t style, page;
  } cases[] = {{2, 1, 1, 1}, {0, 1, 0, 1}, {-3, 9, 0, 1}, {1, -1, 1, 1}, {1, 0, 1, 1}};
  for (const auto& c : cases) {
    std::string v1 = version1_file(c.stored_style, c.stored_page);
    write(path("c.zaz"), v1);
    zaz_class_ e;
    ASSERT_TRUE(is_set_(e.file_open_(path("c.zaz"))));
    EXPECT_EQ(e.styles.active, c.style);
    EXPECT_EQ(e.pages.active, c.page);
  }
}

TEST_F(DrawingFile, EveryTruncationFailsCleanlyOrEndsOnARecord) {
  zaz_class_ a;
  fixture::build_rich_drawing(a, rng, false, 1);
  std::string full = a.drawing_file_bytes_();
  // Where each object record of the final section starts and ends.
  std::set<size_t> ends;
  size_t tail = 0;
  std::vector<size_t> sizes;
  for (int32_t i = 1; i <= a.records_(); ++i) {
    const object_rec_& o = a.store.live.objects[size_t(i)];
    if (o.deleted || o.page < 1) continue;
    byte_writer_ w;
    a.write_object_record_(w, i);
    sizes.push_back(w.size());
    tail += w.size();
  }
  size_t at = full.size() - tail;
  ends.insert(at);
  for (size_t s : sizes) ends.insert(at += s);

  zaz_class_ e;
  e.file_new_(true_, "");
  e.add_line_(1, 2, 3, 4);
  write(path("prev.zaz"), "");
  ASSERT_TRUE(is_set_(e.file_save_(path("prev.zaz"), 1, false_)));
  const std::string before = fixture::dump_restorable(e);
  for (size_t cut = 0; cut < full.size(); ++cut) {
    zaz_class_ fresh;
    ASSERT_EQ(fresh.read_drawing_bytes_(std::string_view(full).substr(0, cut), nullptr), ends.count(cut) > 0) << cut;
  }
  // Through the file operation: a failed read leaves the drawing, its name and flag as they were.
  for (size_t cut = 0; cut < full.size(); cut += 13) {
    if (ends.count(cut)) continue;
    write(path("cut.zaz"), full.substr(0, cut));
    ASSERT_EQ(e.read_drawing_file_(path("cut.zaz")), false_) << cut;
    ASSERT_EQ(fixture::dump_restorable(e), before) << cut;
    ASSERT_EQ(e.file_name_(), path("prev.zaz"));
  }
}

TEST_F(DrawingFile, HostileCountsNeverReadPastTheEnd) {
  // A small drawing with every counted section: fonts, styles, pages, layers, folders, blocks,
  // members and point lists.
  zaz_class_ a;
  a.file_new_(false_, "");
  link_font_append_(a, fixture::small_font("f"));
  a.page_add_("p", 10, 10);
  a.layer_add_("l", true_, true_, -1, -2, 0, 0);
  link_library_(a).dirs.push_back({"d", 0});
  fixture::add_block(a, "b", {fixture::add_kind(a, ot_line_, rng, 0, true)});
  for (int32_t type : {ot_polyline_, ot_hatch_, ot_reference_, ot_text_}) fixture::add_kind(a, type, rng);
  std::string full = a.drawing_file_bytes_();
  size_t glyphs_end = full.find(std::string("\x01\x00\x00\x00p", 5));  // the page title
  ASSERT_NE(glyphs_end, std::string::npos);
  for (int32_t hostile : {int32_t(0x7FFFFFFF), int32_t(0x80000000), 300}) {
    for (size_t at = 5; at + 4 <= full.size(); ++at) {
      if (at > 60 && at + 4 < glyphs_end - 4000) at = glyphs_end - 4000;  // glyph contents are plain floats
      std::string bad = full;
      std::memcpy(bad.data() + at, &hostile, 4);
      zaz_class_ e;
      if (e.read_drawing_bytes_(bad, nullptr)) {
        EXPECT_LE(e.pages_count_(), pages_max_);
        EXPECT_LE(e.records_(), 16) << at;
      }
    }
  }
}

TEST_F(DrawingFile, OpeningSomethingElseLeavesTheDrawing) {
  zaz_class_ e;
  e.file_new_(true_, "");
  e.add_line_(0, 0, 5, 5);
  ASSERT_TRUE(is_set_(e.file_save_(path("keep.zaz"), 1, false_)));
  e.add_line_(1, 1, 2, 2);
  const std::string before = fixture::dump_restorable(e);
  std::string broken = "ArvV2";
  broken += std::string("\x05\x00\x00\x00" "ab", 6);
  struct Case {
    std::string name, bytes;
  } cases[] = {{"text.txt", "just some words\n"}, {"broken.zaz", broken}, {"empty.zaz", ""}};
  for (const auto& c : cases) {
    write(path(c.name), c.bytes);
    EXPECT_EQ(e.file_open_(path(c.name)), false_) << c.name;
    EXPECT_EQ(fixture::dump_restorable(e), before) << c.name;
    EXPECT_EQ(e.file_name_(), path("keep.zaz"));
    EXPECT_EQ(e.file_change_(), false_);
  }
  EXPECT_EQ(e.file_open_(path("missing.zaz")), false_);
  EXPECT_EQ(e.file_open_(path("x.dxf")), false_);
}

TEST_F(DrawingFile, FailedSaveKeepsOldFileNameAndUndo) {
  zaz_class_ e;
  e.file_new_(true_, "");
  ASSERT_TRUE(is_set_(e.file_save_(path("old.zaz"), 1, false_)));
  const std::string old_bytes = read(path("old.zaz"));
  e.state_begin_();
  e.add_line_(0, 0, 1, 1);
  e.state_save_("line");
  ASSERT_EQ(e.file_change_(), true_);
  EXPECT_EQ(e.file_save_(path("no/such/folder/new.zaz"), 1, false_), false_);
  EXPECT_EQ(e.file_name_(), path("old.zaz"));
  EXPECT_EQ(e.file_change_(), true_);
  EXPECT_EQ(e.state_active_(), 1);
  EXPECT_EQ(read(path("old.zaz")), old_bytes);
  EXPECT_EQ(e.file_save_(path("x.zaz"), 3, false_), false_);
  EXPECT_FALSE(file_exists_path_(path("x.zaz")));
}

TEST_F(DrawingFile, TemporaryCopyKeepsNameAndFlagButEmptiesUndo) {
  zaz_class_ e;
  e.file_new_(true_, "");
  ASSERT_TRUE(is_set_(e.file_save_(path("main.zaz"), 1, false_)));
  e.state_begin_();
  e.add_line_(0, 0, 1, 1);
  e.state_save_("line");
  ASSERT_TRUE(is_set_(e.file_save_(path("copy.zaz"), 1, true_)));
  EXPECT_EQ(e.file_name_(), path("main.zaz"));
  EXPECT_EQ(e.file_change_(), true_);
  EXPECT_EQ(e.state_active_(), 0);
  EXPECT_EQ(e.states_count_(), 0);
}

TEST_F(DrawingFile, InformationTextsWithoutOpening) {
  zaz_class_ a;
  a.file_new_(true_, "");
  a.docinfo.title = "  Plan  ";
  a.docinfo.author = "Ewa";
  ASSERT_TRUE(is_set_(a.file_save_(path("i.zaz"), 1, false_)));
  struct Case {
    int32_t itype;
    std::string text;
  } cases[] = {{0, "Plan||Ewa|"}, {1, "Plan"}, {2, ""}, {3, "Ewa"}, {4, ""}, {7, ""}, {-1, ""}};
  zaz_class_ e;
  for (const auto& c : cases) EXPECT_EQ(e.file_get_info_(path("i.zaz"), c.itype), c.text) << c.itype;
  write(path("bad.zaz"), std::string("ArvV2\xFF\xFF\xFF\x7F", 9));
  EXPECT_EQ(e.file_get_info_(path("bad.zaz"), 0), "");
  EXPECT_EQ(e.file_get_info_(path("none.zaz"), 1), "");
  EXPECT_EQ(e.pages_count_(), 0);
}

// A named pipe given to open or to the information reader is refused at once and never
// waited on. Should a call block, a writer is opened on the pipe to release it, so the test
// fails instead of hanging.
TEST_F(DrawingFile, NamedPipeIsRefusedWithoutWaiting) {
  const std::string fifo = path("pipe.zaz");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  zaz_class_ e;
  e.file_new_(true_, "");
  e.add_line_(0, 0, 5, 5);
  const std::string before = fixture::dump_restorable(e);
  struct Case {
    const char* name;
    std::function<bool()> call;  // true when the call refused the pipe
  } cases[] = {
      {"file_open_", [&] { return e.file_open_(fifo) == false_; }},
      {"file_type_", [&] { return e.file_type_(fifo) == file_type_none_; }},
      {"file_get_info_", [&] { return e.file_get_info_(fifo, 0).empty(); }},
      {"read_file_bytes_", [&] { return !read_file_bytes_(fifo).has_value(); }},
  };
  for (const auto& c : cases) {
    auto done = std::async(std::launch::async, c.call);
    if (done.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
      ADD_FAILURE() << c.name << " waits on a named pipe";
      int fd = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
      if (fd >= 0) ::close(fd);  // the reader wakes, then sees the end of the file
      done.wait();
      continue;
    }
    EXPECT_TRUE(done.get()) << c.name;
  }
  EXPECT_EQ(fixture::dump_restorable(e), before);
  EXPECT_EQ(fs::status(fifo).type(), fs::file_type::fifo);
}

}  // namespace
