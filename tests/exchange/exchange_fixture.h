// Small helpers of the exchange tests.
#pragma once
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "engine/zaz_class.h"
#include "shell/files.h"

// Live objects on pages (block members, on page 0, are not counted).
inline int32_t live_objects_(const zaz_class_& e, int32_t type = 0) {
  int32_t n = 0;
  for (int32_t r = 1; r <= e.store.counts[0]; ++r) {
    const object_rec_& o = e.store.live.objects[static_cast<size_t>(r)];
    if (o.deleted == 0 && o.page > 0 && (type == 0 || o.type == type)) ++n;
  }
  return n;
}

// Record numbers of the live page objects of one kind, in record order.
inline std::vector<int32_t> objects_of_(const zaz_class_& e, int32_t type) {
  std::vector<int32_t> out;
  for (int32_t r = 1; r <= e.store.counts[0]; ++r) {
    const object_rec_& o = e.store.live.objects[static_cast<size_t>(r)];
    if (o.deleted == 0 && o.page > 0 && o.type == type) out.push_back(r);
  }
  return out;
}

// Writes text to a file of the process's private temporary folder and returns its path.
inline std::string write_temp_(const std::string& name, const std::string& text) {
  const std::string path = temp_folder_() + name;
  std::ofstream(path, std::ios::binary) << text;
  return path;
}
