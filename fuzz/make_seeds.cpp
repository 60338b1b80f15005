// Writes seed inputs for the fuzz targets whose files only the engine can make: a drawing file,
// a clipboard transfer file and an undo state file. Usage: make_seeds FOLDER
#include <cstdio>
#include <filesystem>
#include <string>

#include "engine/zaz_class.h"
#include "platform/core/file_io.h"

namespace fs = std::filesystem;

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  const fs::path out = argv[1];
  zaz_class_ e;
  e.file_new_(true_, "");
  e.add_line_(0, 0, 10, 10);
  e.add_circle_(5, 5, 3);
  e.vertex_clear_();
  for (float x : {0.f, 5.f, 9.f}) e.vertex_add_(x, x * 2, 0);
  e.add_polyline_();
  e.add_text_("Zażółć", 1, 1, 1, 2.5f, 1, 0);
  fs::create_directories(out / "drawing_file");
  if (!e.write_drawing_file_((out / "drawing_file" / "small.zaz").string())) return 1;
  e.select_all_();
  // The copy answers with the clipboard marker; its file is the engine's newest temporary file.
  if (e.clipboard_copy_(true_, 0).empty() || e.file.temp_files.empty()) return 1;
  const std::string transfer = e.file.temp_files.back();
  fs::create_directories(out / "transfer_file");
  fs::copy_file(transfer, out / "transfer_file" / "small.tmp", fs::copy_options::overwrite_existing);
  e.state_begin_();
  e.add_line_(1, 1, 2, 2);
  e.state_save_("step");
  fs::create_directories(out / "undo_state");
  fs::copy_file(e.file.states.back().file, out / "undo_state" / "step.tmp",
                fs::copy_options::overwrite_existing);
  std::puts("seeds written");
  return 0;
}
