// Telling the kind of a file from its first bytes.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

enum file_type_code_ : int32_t {
  file_type_none_ = 0,
  file_type_drawing_ = 1,
  file_type_dxf_ = 2,
  file_type_grafzaz_ = 4,
};

inline constexpr std::string_view drawing_magic_v1_ = "Arvex";
inline constexpr std::string_view drawing_magic_v2_ = "ArvV2";

// The kind of a file whose leading bytes (at most 65,536 are looked at) are given.
int32_t file_kind_of_bytes_(std::string_view head);
