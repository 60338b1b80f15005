#include "mainwindow/interface/icon_loads.h"

#include <algorithm>

#include "shell/icons.h"

int32_t load_icon_run_(const std::string& folder, std::string_view files) {
  int32_t first = 0;
  size_t at = 0;
  while (at < files.size()) {
    const size_t end = std::min(files.find(' ', at), files.size());
    const std::string_view name = files.substr(at, end - at);
    at = end + 1;
    if (name.empty()) continue;
    int32_t id = add_icon_(folder, name, {}, 0, 0);
    if (id == 0) {
      if (icon_table_upper_() < 1) append_icon_entry_(icon_entry_rec_{});  // number 1 stays unused
      id = append_icon_entry_(icon_entry_rec_{});
    }
    if (first == 0) first = id;
  }
  return first;
}
