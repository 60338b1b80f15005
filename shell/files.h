// File existence and temporary file names.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/core/types.h"

// True (-1) when path names an existing regular file. False for an empty path, a path ending in a
// separator, a folder, or a text holding a NUL (which the system would read as a shorter path).
flag16_ file_exists_(std::string_view path);

// This process's private temporary folder, with a trailing '/': made on first use (mode 0700) in
// the system's temporary folder and removed, with whatever is left in it, when the process ends
// normally. Empty when it cannot be made.
std::string temp_folder_();

// A new file in temp_folder_ named by four numbers 0..999 and ".tmp" (such as "7120999.tmp").
// The file is created empty and exclusively, so no other process or call can take the same name,
// and a name is never handed out twice in a run, even after the caller deleted the file. The caller
// writes over it and deletes it when done. Empty when no file could be created.
std::string temp_file_name_();

// Tests only: makes the name sequence repeatable; forget_issued also forgets the names handed out.
void temp_names_seed_(uint32_t seed, bool forget_issued = false);
