#include "platform/core/binary_io.h"
#include "platform/core/file_io.h"
#include "platform/core/types.h"

#include <gtest/gtest.h>

#include <filesystem>

TEST(Rounding, HalfToEven) {
  struct { double in; int32_t out; } cases[] = {
      {0.5, 0}, {1.5, 2}, {2.5, 2}, {-0.5, 0}, {-1.5, -2}, {2.4, 2}, {2.6, 3}, {1e12, INT32_MAX}, {-1e12, INT32_MIN}};
  for (auto c : cases) EXPECT_EQ(cint32_(c.in), c.out) << c.in;
  int16_t v = 7;
  EXPECT_FALSE(to_int_even_(40000.0, v));
  EXPECT_FALSE(to_int_even_(NAN, v));
  EXPECT_EQ(v, 7);
  EXPECT_TRUE(to_int_even_(-32768.4, v));
  EXPECT_EQ(v, -32768);
}

TEST(ByteReader, ShortReadFailsAndSticks) {
  byte_writer_ w;
  w.put<int16_t>(-1);
  w.put<float>(1.5f);
  byte_reader_ r(w.data());
  EXPECT_EQ(r.get<int16_t>(), -1);
  int32_t big = 5;
  EXPECT_TRUE(r.can_hold(1, 4));
  EXPECT_FALSE(r.can_hold(2, 4));
  EXPECT_TRUE(r.read(big));  // the float's 4 bytes, as an integer
  EXPECT_FALSE(r.read(big));
  EXPECT_FALSE(r.ok());
  EXPECT_EQ(r.remaining(), 0u);
}

TEST(FileIo, AtomicSaveReplacesOrLeavesTarget) {
  namespace fs = std::filesystem;
  fs::path dir = fs::temp_directory_path() / ("arvex_fileio_" + std::to_string(::getpid()));
  fs::create_directories(dir);
  std::string target = (dir / "a.bin").string();
  ASSERT_TRUE(save_file_atomic_(target, "first"));
  ASSERT_TRUE(save_file_atomic_(target, "second"));
  EXPECT_EQ(*read_file_bytes_(target), "second");
  // A folder that does not exist: failure, nothing written.
  EXPECT_FALSE(save_file_atomic_((dir / "none" / "b.bin").string(), "x"));
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
  EXPECT_FALSE(read_file_bytes_((dir / "missing").string()).has_value());
  fs::remove_all(dir);
}
