#include "engine/file/file_kind.h"

#include <gtest/gtest.h>

#include <set>

#include "engine/file/temp_names.h"
#include "platform/core/file_io.h"

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

TEST(TempNames, DistinctExclusiveAndRemovable) {
  std::set<std::string> names;
  for (int i = 0; i < 50; ++i) {
    std::string n = engine_temp_create_();
    ASSERT_FALSE(n.empty());
    EXPECT_TRUE(file_exists_path_(n));
    EXPECT_EQ(n.rfind(engine_temp_dir_(), 0), 0u);
    EXPECT_EQ(n.substr(n.size() - 4), ".tmp");
    EXPECT_TRUE(names.insert(n).second);
  }
  for (const std::string& n : names) {
    EXPECT_TRUE(engine_temp_remove_(n));
    EXPECT_FALSE(file_exists_path_(n));
  }
}

}  // namespace
