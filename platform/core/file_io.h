// Whole-file reading and safe saving.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The whole content of a file, or nothing when it cannot be opened or read.
// Files above max_bytes are refused rather than read.
std::optional<std::string> read_file_bytes_(const std::string& path,
                                            uint64_t max_bytes = uint64_t(1) << 32);

// Writes data to a temporary file in the target's folder, flushes it and renames it over
// the target. On any failure the temporary file is removed, the target is left as it was
// and the result is false.
bool save_file_atomic_(const std::string& path, std::string_view data);

bool file_exists_path_(const std::string& path);
bool remove_file_(const std::string& path);
// The folder of the running program (where resources lie), with a trailing '/'.
std::string program_folder_();
