// Whole-file reading and safe saving.
// Every writer that replaces a file decides where to write with resolve_save_target_: it
// follows symbolic links to the real file and refuses anything that is not a regular file.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The whole content of a file, or nothing when it cannot be opened or read.
// Files above max_bytes are refused rather than read.
std::optional<std::string> read_file_bytes_(const std::string& path,
                                            uint64_t max_bytes = uint64_t(1) << 32);

// The file a save to path must replace: path itself, or the end of its chain of symbolic
// links (the links are kept). False when that file exists and is not a regular file (a
// device node, named pipe, socket or folder), or the links loop or cannot be read; a file
// that does not exist yet is a valid target.
bool resolve_save_target_(const std::string& path, std::string& real);

// Writes data to a temporary file in the target's folder, flushes it and renames it over
// the target (the real file behind any symbolic links). On any failure the temporary file
// is removed, the target is left as it was and the result is false.
bool save_file_atomic_(const std::string& path, std::string_view data);

bool file_exists_path_(const std::string& path);
bool remove_file_(const std::string& path);
// The folder of the running program (where resources lie), with a trailing '/'.
std::string program_folder_();
