// Writes seed inputs for the fuzz targets whose files only the engine can make: drawing files,
// clipboard transfer files and an undo state file, and a DXF export of the same drawing for the
// DXF readers. The main seed holds every kind of object, a block library in folders and several
// pages, so that the fuzzers start from every record layout the readers know.
// Usage: make_seeds FOLDER
#include <cstdio>
#include <filesystem>
#include <string>

#include "engine/zaz_class.h"
#include "platform/core/file_io.h"

namespace fs = std::filesystem;

namespace {

void vertices(zaz_class_& e, std::initializer_list<float> xy) {
  e.vertex_clear_();
  for (auto it = xy.begin(); it != xy.end(); it += 2) e.vertex_add_(*it, *(it + 1), 0);
}

// One object of each kind on the active page and layer, offset by (dx, dy).
void add_every_kind(zaz_class_& e, float dx, float dy, int32_t layer) {
  e.add_point_(dx + 1, dy + 1, 2, 4, 0x0000FF, 0, 1, layer);
  e.add_line_(dx, dy, dx + 40, dy + 10, color_auto_, 1, 2, layer);
  e.add_rect_(dx + 5, dy + 5, dx + 25, dy + 20, 0x00FF00, 0x808080, 0, 1, layer);
  vertices(e, {dx, dy + 30, dx + 10, dy + 45, dx + 20, dy + 30});
  e.add_polyline_(color_auto_, 2, 1, layer);
  e.add_curve_(false_, color_auto_, color_none_, 0, 1, layer);
  e.add_curve_(true_, 0xFF0000, 0x00FFFF, 0, 1, layer);
  e.add_arc_(dx + 60, dy + 20, 10, 6, 30, 0.25f, 2.5f, color_auto_, color_none_, 0, 1, layer);
  const int32_t circle = e.add_circle_(dx + 80, dy + 20, 8, color_auto_, 0xC0C0C0, 0, 1, layer);
  e.add_ellipse_(dx + 100, dy + 20, 12, 5, 15, color_auto_, color_none_, 3, 1, layer);
  vertices(e, {dx + 120, dy, dx + 150, dy, dx + 150, dy + 30, dx + 120, dy + 30});
  e.add_polygon_(color_auto_, color_none_, 0, 1, layer);
  e.add_hatch_(3, 2, 45, color_auto_, color_none_, 0, 1, layer);
  e.add_text_("Zażółć gęślą jaźń", 1, dx, dy + 60, 3.5f, 1, 0.3f, color_auto_, 0, 1, layer);
  e.add_text_("Italic", 2, dx + 40, dy + 60, 2.5f, 0.8f, 0, 0x0000FF, 0, 1, layer);
  e.add_image_("/nonexistent/picture.png", dx + 160, dy, 20, 15, layer);
  const int32_t style = e.dimstyle_active_();
  e.add_dimh_(style, dx, dy - 10, dx + 40, dy - 10, dx + 20, dy - 20, 40, color_auto_, 0, 1, layer, "");
  e.add_dimv_(style, dx + 45, dy, dx + 45, dy + 10, dx + 55, dy + 5, 10, color_auto_, 0, 1, layer, "<> mm");
  e.add_dimf_(style, dx, dy, dx + 30, dy + 30, dx + 35, dy + 25, dx + 5, dy + 5, 42.4f, color_auto_, 0, 1,
              layer, "");
  e.add_dimr_(style, circle, dx + 90, dy + 30, 8, color_auto_, 0, 1, layer, "");
  e.add_dimd_(style, circle, dx + 70, dy + 10, 16, color_auto_, 0, 1, layer, "");
  e.add_dima_(style, dx + 60, dy + 60, dx + 80, dy + 60, dx + 70, dy + 75, 0, color_auto_, 0, 1, layer, "");
  e.add_dimc_(style, circle, color_auto_, 0, 1, layer);
  vertices(e, {dx + 100, dy + 60, dx + 110, dy + 70, dx + 125, dy + 70});
  e.add_ref_(style, "A-A", color_auto_, 0, 1, layer);
  e.add_bgroup_(dx - 5, dy - 25, dx + 185, dy + 80, "Group", color_auto_, color_none_, 0, 1, layer);
}

// A block made of a few new objects of the active page, placed in the library folder given.
int32_t make_block(zaz_class_& e, const std::string& name, int32_t folder, float at) {
  for (int32_t r = 1; r <= e.records_(); ++r) e.object_(r).selected = false_;
  for (int32_t r : {e.add_line_(at, at, at + 5, at), e.add_circle_(at + 2, at + 2, 2),
                    e.add_text_(name, 1, at, at + 4, 1.5f, 1, 0)})
    e.object_(r).selected = true_;
  const int32_t id = e.block_create_(name, at, at, false_);
  if (id > 0) e.blocks_group_(id, folder);
  return id;
}

void build_seed_drawing(zaz_class_& e) {
  e.file_new_(true_, "");
  // One stroke font keeps the seed within the fuzzers' input size; texts of font 2 then show
  // how a missing font is handled.
  e.font_clear_();
  e.font_add_(program_folder_() + "fonts/technic_normal");
  e.docinfo.title = "Seed drawing";
  e.docinfo.author = "make_seeds";
  e.dimstyle_add_("Second");
  e.layer_add_("Hidden", false_, true_, 0x00FF00, color_none_, 1, 2);
  const int32_t parts = e.libdir_add_("Parts", 0);
  const int32_t screws = e.libdir_add_("Screws", parts);
  const int32_t a = make_block(e, "Bolt", screws, 300);
  const int32_t b = make_block(e, "Plate", parts, 320);
  add_every_kind(e, 0, 0, 1);
  add_every_kind(e, 0, 100, 2);
  e.add_block_(a, 200, 50, 1, 1, 0);
  e.add_block_(b, 220, 50, 2, 0.5f, 0.7f, 0x0000FF, 0, 1, 2);
  e.page_add_("Second sheet", 420, 297);
  e.layer_add_("Base", true_, true_, color_auto_, color_none_, 0, 0);
  add_every_kind(e, 10, 10, 1);
  e.add_block_(a, 50, 150, -1, 1, 3.1f);
  e.page_add_("Third sheet", 210, 297);
  e.layer_add_("Base", true_, true_, color_auto_, color_none_, 0, 0);
  e.add_line_(0, 0, 210, 297);
  e.add_block_(b, 100, 100);
  e.page_active_(1);
}

// True when the drawing holds every kind of object, blocks in folders and three pages.
bool covers_everything(zaz_class_& e) {
  int32_t kinds = 0;
  for (int32_t t = 1; t <= object_kinds_; ++t) kinds += e.store.counts[size_t(t)] > 0;
  return kinds == object_kinds_ && e.blocks_count_() >= 2 && e.libdir_count_() >= 2 && e.pages_count_() >= 3;
}

bool copy_to(const std::string& from, const fs::path& to) {
  std::error_code ec;
  fs::create_directories(to.parent_path(), ec);
  return fs::copy_file(from, to, fs::copy_options::overwrite_existing, ec);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  const fs::path out = argv[1];
  for (const char* d : {"drawing_file", "drawing_display", "transfer_file", "undo_state", "dxf", "dxf_display"})
    fs::create_directories(out / d);

  zaz_class_ small;
  small.file_new_(true_, "");
  small.add_line_(0, 0, 10, 10);
  small.add_circle_(5, 5, 3);
  vertices(small, {0, 0, 5, 10, 9, 18});
  small.add_polyline_();
  small.add_text_("Zażółć", 1, 1, 1, 2.5f, 1, 0);
  if (!small.write_drawing_file_((out / "drawing_file" / "small.zaz").string())) return 1;

  zaz_class_ rich;
  build_seed_drawing(rich);
  if (!covers_everything(rich)) {
    std::fputs("the seed drawing misses a kind of object, blocks or pages\n", stderr);
    return 1;
  }
  const std::string rich_file = (out / "drawing_file" / "every_kind.zaz").string();
  if (!rich.write_drawing_file_(rich_file) || !copy_to(rich_file, out / "drawing_display" / "every_kind.zaz"))
    return 1;
  // The DXF writer turns curves into many vertices: one page of every kind is enough there.
  zaz_class_ one_page;
  one_page.file_new_(true_, "");
  one_page.add_block_(make_block(one_page, "Bolt", 0, 300), 200, 50, 2, 1, 0.5f);
  add_every_kind(one_page, 0, 0, 1);
  if (!one_page.file_save_((out / "dxf" / "every_kind.dxf").string(), 2, false_) ||
      !copy_to((out / "dxf" / "every_kind.dxf").string(), out / "dxf_display" / "every_kind.dxf"))
    return 1;

  // Transfer files: the small drawing's selection, and every kind with all blocks. The copy
  // answers with the clipboard marker; its file is the engine's newest temporary file.
  small.select_all_();
  if (small.clipboard_copy_(true_, 0).empty() || !copy_to(small.file.temp_files.back(), out / "transfer_file" / "small.tmp"))
    return 1;
  rich.select_all_();
  if (rich.clipboard_copy_(true_, 0).empty() ||
      !copy_to(rich.file.temp_files.back(), out / "transfer_file" / "every_kind.tmp"))
    return 1;

  small.state_begin_();
  small.add_line_(1, 1, 2, 2);
  small.state_save_("step");
  if (!copy_to(small.file.states.back().file, out / "undo_state" / "step.tmp")) return 1;
  std::puts("seeds written");
  return 0;
}
