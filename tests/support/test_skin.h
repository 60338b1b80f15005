// The flat test skin the build paints: every sprite rectangle one colour of its own, the rest
// the red key. Loading it makes painting checkable pixel by pixel.
#pragma once
#include <string>

#include "ui/skin/skin_file.h"

inline std::string test_skin_path_() { return std::string(ARVEX_BINARY_DIR) + "/test_skins/flat.skin"; }
inline std::string real_skin_path_(const char* name) {
  return std::string(ARVEX_BINARY_DIR) + "/bin/skins/" + name;
}
// Loads the test skin; true when it loaded completely.
inline bool load_test_skin_() {
  load_skin_file_(test_skin_path_());
  return skin_loaded_ == -1;
}
