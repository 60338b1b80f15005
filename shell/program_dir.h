// The folder the program's own files lie in: language files, "mobile", "settings.dat", icons.
#pragma once
#include <string>

// With a trailing '/'. The folder of the running program unless set_program_dir_ chose another.
std::string program_dir_();
// Lets tests (and a future command-line switch) point the shell at another folder;
// an empty text goes back to the program's own folder.
void set_program_dir_(const std::string& folder);

// The folder icons are loaded from by file name, with a trailing '/'. Lower case like every folder
// shipped beside the program, so that the cursors below it ("icons/cursors/") share it.
std::string icon_folder_();
