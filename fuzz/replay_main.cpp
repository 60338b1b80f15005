// Replays every file of a corpus folder through a fuzz target once, without the fuzzer, so that
// the regular (sanitizer) build checks every input that ever mattered.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/core/file_io.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

int main(int argc, char** argv) {
  namespace fs = std::filesystem;
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s corpus-folder\n", argv[0]);
    return 2;
  }
  std::vector<fs::path> files;
  std::error_code ec;
  for (const auto& e : fs::recursive_directory_iterator(argv[1], ec))
    if (e.is_regular_file()) files.push_back(e.path());
  if (ec || files.empty()) {
    std::fprintf(stderr, "no inputs in %s\n", argv[1]);
    return 1;
  }
  std::sort(files.begin(), files.end());
  for (const auto& f : files) {
    auto bytes = read_file_bytes_(f.string());
    if (!bytes) {
      std::fprintf(stderr, "cannot read %s\n", f.c_str());
      return 1;
    }
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes->data()), bytes->size());
  }
  std::printf("%zu inputs replayed\n", files.size());
  return 0;
}
