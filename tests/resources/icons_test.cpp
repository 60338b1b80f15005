// The icons and pointers the build draws beside the program: every file the interface names is
// there, loads as the program loads it, and tells its command apart from every other.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <string>
#include <unistd.h>
#include <vector>

#include "platform/core/file_io.h"
#include "platform/input/cursor.h"
#include "platform/services/picture_file.h"
#include "platform/window/event_loop.h"
#include "shell/icons.h"

namespace fs = std::filesystem;

namespace {

const std::string icon_dir = std::string(ARVEX_BINARY_DIR) + "/bin/icons/";

// "zaz.<family>.<number>.<suffix>.ico" for every number and suffix.
void add(std::vector<std::string>& out, const std::string& family, const std::vector<std::string>& numbers,
         const std::vector<std::string>& suffixes) {
  for (const std::string& n : numbers)
    for (const std::string& s : suffixes) out.push_back("zaz." + family + "." + n + "." + s + ".ico");
}

// Every icon file the interface loads, by the rows that name them.
std::vector<std::string> named_icons() {
  std::vector<std::string> v;
  add(v, "std", {"01", "02", "03", "04", "05", "09", "10", "11", "12"}, {"0", "1"});
  add(v, "std", {"07", "08"}, {"0"});
  add(v, "edt", {"01", "02", "04", "05", "09"}, {"0"});
  add(v, "edt", {"06", "07"}, {"0", "1"});
  add(v, "ptr", {"01"}, {"1"});
  add(v, "ptr", {"05"}, {"0"});
  add(v, "trn", {"01", "02", "03", "04", "05", "08"}, {"0"});
  add(v, "trn", {"06"}, {"0", "1", "0b", "1b"});
  add(v, "vzm", {"01", "02", "03", "04", "05", "06"}, {"0", "1"});
  add(v, "d2d", {"01", "01x", "02", "03", "04", "05", "06", "09", "10", "11", "12", "13", "14", "15", "16", "17"},
      {"0", "1"});
  add(v, "d2d", {"07", "08"}, {"0", "0a", "0b", "0c", "1a", "1b", "1c"});
  add(v, "dim", {"01"}, {"0"});
  add(v, "dim", {"02", "03", "04", "05", "06", "08", "10", "11", "12", "13"}, {"0", "1"});
  for (int k = 0; k < 20; ++k) {
    char n[8];
    std::snprintf(n, sizeof n, "%02d", k);
    v.push_back(std::string("zaz.dim.arrow.") + n + "a.ico");
    v.push_back(std::string("zaz.dim.arrow.") + n + "b.ico");
  }
  add(v, "dst", {"01", "02", "03", "04", "05", "06", "07"}, {"0"});
  add(v, "arr", {"01", "02", "03", "04", "05", "06", "08", "09", "10", "11", "12", "13", "17", "18", "19", "20", "21",
                 "22", "23", "24"},
      {"0", "1"});
  add(v, "mod", {"01", "02", "03", "04", "05"}, {"0", "1"});
  add(v, "snp", {"01", "02", "03", "04", "05"}, {"0"});
  add(v, "mes", {"01", "02"}, {"0", "1"});
  add(v, "pag", {"05", "06", "07"}, {"0"});
  add(v, "lrs", {"01", "02", "03", "04", "05", "06", "07", "09", "11", "12", "13", "14"}, {"0"});
  add(v, "lrs", {"08"}, {"0", "1"});
  add(v, "attr", {"01", "02", "03", "04", "05"}, {"0"});
  add(v, "stl", {"10", "20", "30", "40", "50"}, {"0"});
  add(v, "wid", {"10", "20", "30", "40", "50"}, {"0"});
  add(v, "pview", {"01", "02", "03", "04", "06", "07", "08"}, {"0"});
  add(v, "fnt", {"00"}, {"0"});
  for (const char* plain : {"app16.ico", "about.ico", "btncancel.ico", "btnsave.ico", "delete_.ico", "libdir0_.ico",
                            "libdir1_.ico", "pgvh_.ico"})
    v.push_back(plain);
  return v;
}

// The command a file serves: its name without the size digit, so that a small and a large file
// of one number may share a picture while different numbers and variants may not.
std::string number_of(const std::string& name) {
  if (name.rfind("zaz.", 0) != 0 || name.find(".arrow.") != std::string::npos) return name;
  const size_t after_family = name.find('.', 4), after_number = name.find('.', after_family + 1);
  if (after_family == std::string::npos || after_number == std::string::npos) return name;
  return name.substr(0, after_number + 1) + name.substr(after_number + 2);  // keeps a variant letter
}

picture_rec_ load(const std::string& path) {
  picture_rec_ p;
  EXPECT_TRUE(load_picture_file_(path, p)) << path;
  return p;
}

const picture_image_rec_* image_of_size(const picture_rec_& p, int size) {
  for (const picture_image_rec_& im : p.images)
    if (im.width == size && im.height == size) return &im;
  return nullptr;
}

bool border_clear(const picture_image_rec_& im) {
  for (int i = 0; i < im.width; ++i)
    if ((im.pixel_(i, 0) | im.pixel_(i, im.height - 1) | im.pixel_(0, i) | im.pixel_(im.width - 1, i)) >> 24) return false;
  return true;
}

int opaque_pixels(const picture_image_rec_& im) {
  int n = 0;
  for (uint32_t p : im.argb) n += (p >> 24) >= 128;
  return n;
}

const char* const cursor_files[] = {"zaz.cur.00.0.cur", "zaz.cur.01.0.cur", "zaz.cur.02.0.cur",
                                    "zaz.cur.03.0.cur", "zaz.cur.04.0.cur", "zaz.cur.05.0.cur"};

}  // namespace

TEST(Icons, TheListNamesEachFileOnce) {
  const std::vector<std::string> names = named_icons();
  EXPECT_EQ(names.size(), 274u);
  std::map<std::string, int> seen;
  for (const std::string& n : names) EXPECT_EQ(++seen[n], 1) << n;
}

TEST(Icons, EveryNamedFileLoadsAtThreeSizesOnAClearBorder) {
  for (const std::string& name : named_icons()) {
    const picture_rec_ p = load(icon_dir + name);
    for (int size : {16, 32, 48}) {
      const picture_image_rec_* im = image_of_size(p, size);
      ASSERT_NE(im, nullptr) << name << " has no " << size << " px picture";
      EXPECT_TRUE(border_clear(*im)) << name << " at " << size;
      // Something solid to see, not only faint edges.
      EXPECT_GE(opaque_pixels(*im), size * size / 64) << name << " at " << size;
      // The fully transparent pixels are transparent, not black with alpha 0 treated as ink.
      EXPECT_EQ(im->pixel_(0, 0), 0u) << name;
    }
    // What the interface asks for at 16 and 32 pixels is the picture drawn for that size.
    EXPECT_EQ(p.image_for_size_(16)->width, 16) << name;
    EXPECT_EQ(p.image_for_size_(32)->width, 32) << name;
  }
}

TEST(Icons, TheInterfaceLoaderTakesEveryFile) {
  // As the builders load them: a small or a large file alone serves both pictures.
  for (const std::string& name : named_icons())
    for (bool as_large : {false, true}) {
      const int32_t id = as_large ? add_icon_(icon_dir, "", name, 0, 0) : add_icon_(icon_dir, name, "", 0, 0);
      ASSERT_GT(id, 0) << name;
      const icon_entry_rec_* e = icon_entry_(id);
      ASSERT_NE(e, nullptr) << name;
      EXPECT_EQ(e->small_picture.image_for_size_(16)->width, 16) << name;
      EXPECT_EQ(e->large_picture.image_for_size_(32)->width, 32) << name;
    }
}

TEST(Icons, DifferentCommandsNeverShareAPicture) {
  std::map<std::vector<uint32_t>, std::string> small_owner, large_owner;
  for (const std::string& name : named_icons()) {
    const picture_rec_ p = load(icon_dir + name);
    const picture_image_rec_ *small = image_of_size(p, 16), *large = image_of_size(p, 32);
    ASSERT_TRUE(small && large) << name;
    const std::string number = number_of(name);
    for (auto [owners, im] : {std::pair{&small_owner, small}, std::pair{&large_owner, large}}) {
      auto [it, fresh] = owners->emplace(im->argb, name);
      if (!fresh) {
        EXPECT_EQ(number_of(it->second), number) << name << " looks like " << it->second;
      }
    }
  }
}

TEST(Icons, PointersLoadWithTheirHotSpotInside) {
  ensure_application_();
  for (const char* name : cursor_files) {
    const std::string path = icon_dir + "cursors/" + name;
    const picture_rec_ p = load(path);
    ASSERT_EQ(p.images.size(), 1u) << name;
    const picture_image_rec_& im = p.images[0];
    EXPECT_EQ(im.width, 32) << name;
    EXPECT_EQ(im.height, 32) << name;
    const std::optional<std::string> bytes = read_file_bytes_(path);
    ASSERT_TRUE(bytes) << name;
    int32_t x = -1, y = -1;
    ASSERT_TRUE(read_cursor_hotspot_(*bytes, x, y)) << name;
    EXPECT_TRUE(x >= 0 && y >= 0 && x < im.width && y < im.height) << name << " " << x << "," << y;
    // The hot spot sits on the drawn figure (or right next to it), where the user aims.
    bool inked = false;
    for (int dy = -1; dy <= 1; ++dy)
      for (int dx = -1; dx <= 1; ++dx) inked = inked || (im.pixel_(x + dx, y + dy) >> 24) >= 128;
    EXPECT_TRUE(inked) << name;
    const cursor_handle_ c = load_cursor_file_(path);
    EXPECT_NE(c, 0) << name;
    free_cursor_(c);
  }
}

TEST(Icons, PointersDifferFromEachOther) {
  std::map<std::vector<uint32_t>, std::string> owner;
  for (const char* name : cursor_files) {
    const picture_rec_ p = load(icon_dir + "cursors/" + name);
    ASSERT_FALSE(p.empty_());
    auto [it, fresh] = owner.emplace(p.images[0].argb, name);
    EXPECT_TRUE(fresh) << name << " looks like " << it->second;
  }
}

// Every icon at 16 and 32 pixels and every pointer on a light sheet, written beside the build
// for people to review (and once more three times enlarged).
TEST(Icons, ContactSheetIsWritten) {
  std::vector<std::pair<std::string, std::string>> files;
  for (const std::string& n : named_icons()) files.push_back({n, icon_dir + n});
  for (const char* n : cursor_files) files.push_back({n, icon_dir + "cursors/" + n});
  const int cols = 14, cell_w = 60, cell_h = 44, rows = int(files.size() + cols - 1) / cols;
  picture_image_rec_ sheet;
  sheet.width = cols * cell_w;
  sheet.height = rows * cell_h;
  sheet.argb.assign(size_t(sheet.width) * size_t(sheet.height), 0xFFF4F6F8u);
  auto blend = [&](int x, int y, uint32_t p) {
    const uint32_t a = p >> 24;
    uint32_t& d = sheet.argb[size_t(y) * size_t(sheet.width) + size_t(x)];
    auto mix = [&](int s) { return ((((p >> s) & 0xFFu) * a + ((d >> s) & 0xFFu) * (255 - a)) / 255) << s; };
    d = 0xFF000000u | mix(16) | mix(8) | mix(0);
  };
  for (size_t i = 0; i < files.size(); ++i) {
    const picture_rec_ p = load(files[i].second);
    const int ox = int(i % cols) * cell_w, oy = int(i / cols) * cell_h;
    for (int x = 0; x < cell_w; ++x) blend(ox + x, oy + cell_h - 1, 0xFFDDE1E5u);
    int at = ox + 4;
    const bool pointer = files[i].first.ends_with(".cur");
    for (int size : pointer ? std::vector<int>{32} : std::vector<int>{16, 32}) {
      const picture_image_rec_* im = p.image_for_size_(size);
      ASSERT_NE(im, nullptr) << files[i].first;
      for (int y = 0; y < im->height && y < cell_h - 6; ++y)
        for (int x = 0; x < im->width; ++x) blend(at + x, oy + 4 + y, im->pixel_(x, y));
      at += im->width + 4;
    }
  }
  const std::string path = std::string(ARVEX_BINARY_DIR) + "/icons_contact_sheet.png";
  ASSERT_TRUE(save_png_file_(path, sheet));
  picture_image_rec_ big;
  big.width = sheet.width * 3;
  big.height = sheet.height * 3;
  big.argb.resize(size_t(big.width) * size_t(big.height));
  for (int y = 0; y < big.height; ++y)
    for (int x = 0; x < big.width; ++x) big.argb[size_t(y) * size_t(big.width) + size_t(x)] = sheet.pixel_(x / 3, y / 3);
  ASSERT_TRUE(save_png_file_(std::string(ARVEX_BINARY_DIR) + "/icons_contact_sheet_x3.png", big));
  const picture_rec_ back = load(path);
  ASSERT_EQ(back.images.size(), 1u);
  EXPECT_EQ(back.images[0].argb, sheet.argb);
}

// The generator refuses a description it cannot draw, naming the file and line, so the build
// stops there instead of shipping a missing or wrong icon.
namespace {

struct run_result {
  int status = 0;
  std::string output;
};

run_result run_generator(const std::string& description) {
  const fs::path dir = fs::temp_directory_path() / ("arvex_icons_" + std::to_string(::getpid()));
  fs::remove_all(dir);
  fs::create_directories(dir);
  const std::string source = (dir / "sample.txt").string();
  EXPECT_TRUE(save_file_atomic_(source, description));
  const std::string cmd = "ASAN_OPTIONS=detect_leaks=0 QT_QPA_PLATFORM=offscreen '" + std::string(ARVEX_BINARY_DIR) +
                          "/tools/make_icons' '" + source + "' '" + (dir / "out").string() + "' 2>&1";
  run_result r;
  FILE* p = ::popen(cmd.c_str(), "r");
  if (!p) return {-1, ""};
  char buf[512];
  while (std::fgets(buf, sizeof buf, p)) r.output += buf;
  r.status = ::pclose(p);
  return r;
}

}  // namespace

TEST(IconDescriptions, BrokenOnesStopWithFileAndLine) {
  struct broken_case {
    const char* text;
    const char* where;  // the file and line the message must name
  };
  const broken_case cases[] = {
      {"icon a.ico\n  lin 1 2 3 4\nend\n", "sample.txt:2:"},
      {"icon a.ico\n  line 1 2 3\nend\n", "sample.txt:2:"},
      {"icon a.ico\n  line 1 2 3 4 purple\nend\n", "sample.txt:2:"},
      {"icon a.ico\n  use nowhere\nend\n", "sample.txt:2:"},
      {"shape s\n  line 1 2 3 4\nend\nicon a.ico\n  use s 1 1 red\nend\n", "sample.txt:5:"},
      {"shape s\n  use s\nend\n", "sample.txt:2:"},
      {"icon a.ico\n  head 20 8 8 0 3\nend\n", "sample.txt:2:"},
      {"icon a.ico\n  head 1 8 8 0 3 2\nend\n", "sample.txt:2:"},
      {"icon a.ico\n  line 1 2 3 4\n", "sample.txt:2:"},
      {"line 1 2 3 4\n", "sample.txt:1:"},
      {"icon a.ico\n  line 2 8 14 8\nend\nicon a.ico\n  line 2 8 14 8\nend\n", "sample.txt:4:"},
      {"icon a.png\n  line 2 8 14 8\nend\n", "sample.txt:1:"},
      {"icon ../a.ico\n  line 2 8 14 8\nend\n", "sample.txt:1:"},
      {"cursor c.cur 40 2\n  line 2 8 14 8\nend\n", "sample.txt:1:"},
      {"icon a.ico\n  line 0.2 0.2 0.2 15.8 w0.3\nend\n", "sample.txt:1:"},  // nothing inside the frame
      {"icon a.ico\nend\n", "sample.txt:2:"},
      {"# nothing but a comment\n", "sample.txt:1:"},
  };
  for (const broken_case& c : cases) {
    const run_result r = run_generator(c.text);
    EXPECT_NE(r.status, 0) << c.text;
    EXPECT_NE(r.output.find(c.where), std::string::npos) << c.text << " said: " << r.output;
  }
}

TEST(IconDescriptions, AGoodOneWritesEveryFileItNames) {
  const run_result r = run_generator(
      "shape bar\n  box 2 2 4 4 accent\nend\nfamily t #102030\n"
      "icon one.ico two.ico\n  use bar 6 6\n  circle 8 8 5 #ff0000 w1.5\nend\n"
      "cursor p.cur 3 4\n  line 1.5 1.5 8 8 black\nend\n");
  ASSERT_EQ(r.status, 0) << r.output;
  const fs::path out = fs::temp_directory_path() / ("arvex_icons_" + std::to_string(::getpid())) / "out";
  for (const char* f : {"one.ico", "two.ico"}) {
    const picture_rec_ p = load((out / f).string());
    ASSERT_EQ(p.images.size(), 3u) << f;
    // The accent box of the shape, moved by 6: fully inked in the family colour at 32 px.
    EXPECT_EQ(image_of_size(p, 32)->pixel_(2 * 10, 2 * 10), 0xFF102030u) << f;
    EXPECT_TRUE(border_clear(*image_of_size(p, 48))) << f;
  }
  const std::optional<std::string> bytes = read_file_bytes_((out / "cursors" / "p.cur").string());
  ASSERT_TRUE(bytes);
  int32_t x = 0, y = 0;
  ASSERT_TRUE(read_cursor_hotspot_(*bytes, x, y));
  EXPECT_EQ(x, 3);
  EXPECT_EQ(y, 4);
  fs::remove_all(out.parent_path());
}
