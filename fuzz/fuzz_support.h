// Helpers for fuzz targets whose reader takes a file path rather than bytes.
#pragma once
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <unistd.h>

#include <fstream>

// A private folder for this process, made on first use.
inline const std::string& fuzz_folder_() {
  static const std::string folder = [] {
    std::string t = (std::filesystem::temp_directory_path() / "arvex-fuzz-XXXXXX").string();
    const char* made = ::mkdtemp(t.data());
    return std::string(made ? made : "/tmp") + "/";
  }();
  return folder;
}

// Writes the input over the file at path. A plain write: no sync or rename, so that the fuzzer
// runs thousands of inputs a second.
inline void fuzz_write_file_(const std::string& path, const uint8_t* data, size_t size) {
  std::ofstream(path, std::ios::binary | std::ios::trunc)
      .write(reinterpret_cast<const char*>(data), std::streamsize(size));
}

// Writes the input to a file of the given name in that folder and returns its path.
inline std::string fuzz_input_file_(const uint8_t* data, size_t size, std::string_view name) {
  std::string path = fuzz_folder_() + std::string(name);
  fuzz_write_file_(path, data, size);
  return path;
}
