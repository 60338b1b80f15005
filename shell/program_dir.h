// The folder the program's own files lie in: language files, "mobile", "settings.dat", icons.
#pragma once
#include <string>

// With a trailing '/'. The folder of the running program unless set_program_dir_ chose another.
std::string program_dir_();
// Lets tests (and a future command-line switch) point the shell at another folder;
// an empty text goes back to the program's own folder.
void set_program_dir_(const std::string& folder);
