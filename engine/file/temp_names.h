// Temporary files of the engines: made exclusively in a private folder of this process,
// removed by the engine that made them and, failing that, when the process ends normally.
#pragma once
#include <string>

// The private temporary folder of this process, ending in '/'; "/" when none can be made.
std::string engine_temp_dir_();
// Creates a new empty file there, named by four random numbers 0..999 and ".tmp", and returns
// its full path; "" when no file could be created.
std::string engine_temp_create_();
// Deletes a temporary file made above and forgets it; false when it was already gone.
bool engine_temp_remove_(const std::string& path);
