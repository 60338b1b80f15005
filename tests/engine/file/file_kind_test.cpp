#include "engine/file/file_kind.h"

#include <gtest/gtest.h>


namespace {

TEST(FileKind, TellsKindFromLeadingBytes) {
  std::string many_pairs;
  for (int i = 0; i < 99; ++i) many_pairs += "999\ncomment\n";
  struct Case {
    std::string head;
    int32_t kind;
  } cases[] = {
      {"ArvV2 anything", file_type_drawing_},
      {"Arvex", file_type_drawing_},
      {"ArvV", file_type_none_},
      {"GrafZAZ 1.0", file_type_grafzaz_},
      {"  0  \r\nsection\r\n", file_type_dxf_},
      {"0\nSECTION\n2\nHEADER\n", file_type_dxf_},
      {"0\rSECTION\r", file_type_dxf_},
      {"999\nnote\n2\nentities\n", file_type_dxf_},
      {"0\n", file_type_none_},  // a code without its value ends the test
      {"", file_type_none_},
      {"hello world\n", file_type_none_},
      {many_pairs + "0\nSECTION\n", file_type_none_},  // beyond the 99th pair
      {std::string(65536, ' ') + "\n0\nSECTION\n", file_type_none_},
  };
  for (const auto& c : cases) EXPECT_EQ(file_kind_of_bytes_(c.head), c.kind) << c.head.substr(0, 40);
}

}  // namespace
