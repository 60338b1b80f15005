#include "shell/icons.h"

#include <algorithm>
#include <string>

#include "shell/shell_text.h"

std::vector<icon_entry_rec_> icon_table_(1);

int32_t icon_table_upper_() { return int32_t(icon_table_.size()) - 1; }

const icon_entry_rec_* icon_entry_(int32_t id) {
  return id >= 1 && id <= icon_table_upper_() ? &icon_table_[size_t(id)] : nullptr;
}

int32_t append_icon_entry_(icon_entry_rec_ entry) {
  icon_table_.push_back(std::move(entry));
  return icon_table_upper_();
}

namespace {
std::string file_name_of(std::string_view name) {
  std::string n = trim_blanks_(name);
  std::replace(n.begin(), n.end(), '\\', ' ');
  std::replace(n.begin(), n.end(), '/', ' ');
  return n;
}
}  // namespace

int32_t add_icon_(std::string_view folder, std::string_view small_file,
                  std::string_view large_file, int32_t width, int32_t height) {
  std::string dir = with_separator_(trim_blanks_(folder));
  std::string small_name = file_name_of(small_file);
  std::string large_name = file_name_of(large_file);
  if (large_name.empty()) large_name = small_name;
  if (small_name.empty()) small_name = large_name;
  if (small_name.empty()) return 0;

  icon_entry_rec_ entry;
  if (!load_picture_file_(dir + small_name, entry.small_picture) ||
      !load_picture_file_(dir + large_name, entry.large_picture))
    return 0;
  entry.width = width;
  entry.height = height;
  int32_t id = std::max(icon_table_upper_(), 1) + 1;
  icon_table_.resize(size_t(id) + 1);
  icon_table_[size_t(id)] = std::move(entry);
  return id;
}

void get_icon_size_(int32_t id, int32_t& width, int32_t& height) {
  width = 0;
  height = 0;
  if (const icon_entry_rec_* e = icon_entry_(id)) {
    width = e->width;
    height = e->height;
  }
}
