// Writes the program's skin files (silver, black, blue) into a folder, and the flat test skin
// to a path of its own.
//   make_skins <skins folder> <test skin path>
#include <cstdio>
#include <string>

#include "platform/core/file_io.h"
#include "tools/skin_art.h"
#include "ui/skin/skin_file.h"

namespace {

bool write_skin_(const skin_pictures_rec_& s, const std::string& path) {
  const std::string bmp = encode_bmp24_(s.picture), png = encode_png_(s.alpha);
  if (bmp.empty() || png.empty() || s.text.empty()) return false;
  return save_file_atomic_(path, make_skin_file_(bmp, png, s.text));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: make_skins <skins folder> <test skin path>\n");
    return 2;
  }
  std::string folder = argv[1];
  if (!folder.empty() && folder.back() != '/') folder += '/';
  const struct {
    skin_look_ look;
    const char* name;
  } skins[] = {{skin_look_::silver, "silver.skin"}, {skin_look_::black, "black.skin"}, {skin_look_::blue, "blue.skin"}};
  for (const auto& s : skins)
    if (!write_skin_(make_skin_(s.look), folder + s.name)) {
      std::fprintf(stderr, "make_skins: cannot write %s%s\n", folder.c_str(), s.name);
      return 1;
    }
  if (!write_skin_(make_test_skin_(), argv[2])) {
    std::fprintf(stderr, "make_skins: cannot write %s\n", argv[2]);
    return 1;
  }
  return 0;
}
