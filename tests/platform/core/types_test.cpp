#include "platform/core/binary_io.h"
#include "platform/core/file_io.h"
#include "platform/core/types.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

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

namespace {
namespace fs = std::filesystem;

struct TempFolder {
  fs::path dir;
  TempFolder() {
    char tmpl[] = "/tmp/arvex_save_XXXXXX";
    dir = ::mkdtemp(tmpl);
  }
  ~TempFolder() { fs::remove_all(dir); }
};
}  // namespace

// A save never replaces a device node, named pipe or folder with a regular file.
TEST(FileIo, AtomicSaveRefusesTargetsThatAreNotRegularFiles) {
  TempFolder t;
  std::string fifo = (t.dir / "pipe").string();
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  std::string node = (t.dir / "null").string();
  bool have_node = ::mknod(node.c_str(), S_IFCHR | 0600, makedev(1, 3)) == 0;
  fs::create_directory(t.dir / "folder");
  fs::create_symlink("pipe", t.dir / "to_pipe");

  struct { std::string name; fs::file_type type; } cases[] = {
      {"pipe", fs::file_type::fifo},
      {"null", fs::file_type::character},
      {"folder", fs::file_type::directory},
      {"to_pipe", fs::file_type::symlink},
  };
  for (const auto& c : cases) {
    if (c.name == "null" && !have_node) continue;  // mknod needs privileges
    std::string path = (t.dir / c.name).string();
    EXPECT_FALSE(save_file_atomic_(path, "data")) << c.name;
    EXPECT_EQ(fs::symlink_status(path).type(), c.type) << c.name;
  }
  EXPECT_EQ(fs::status(fifo).type(), fs::file_type::fifo);
  // Nothing else was left in the folder (no stray temporary files).
  EXPECT_EQ(std::distance(fs::directory_iterator(t.dir), fs::directory_iterator()),
            have_node ? 4 : 3);
  if (!have_node) GTEST_SKIP() << "mknod not allowed here: the device node case was not tried";
}

// A save through a symbolic link replaces the file it points to and keeps the link, through
// chains and relative links, and creates the file when the link points to none yet.
TEST(FileIo, AtomicSaveThroughSymbolicLinkWritesItsTarget) {
  TempFolder t;
  fs::create_directory(t.dir / "real");
  std::string real = (t.dir / "real" / "a.bin").string();
  ASSERT_TRUE(save_file_atomic_(real, "old"));
  ::chmod(real.c_str(), 0600);
  fs::create_symlink("real/a.bin", t.dir / "link");
  fs::create_symlink(t.dir / "link", t.dir / "link2");
  fs::create_symlink("real/new.bin", t.dir / "dangling");

  ASSERT_TRUE(save_file_atomic_((t.dir / "link2").string(), "new"));
  EXPECT_TRUE(fs::is_symlink(t.dir / "link"));
  EXPECT_TRUE(fs::is_symlink(t.dir / "link2"));
  EXPECT_EQ(read_file_bytes_(real).value_or("(none)"), "new");
  EXPECT_EQ(fs::status(real).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write);

  ASSERT_TRUE(save_file_atomic_((t.dir / "dangling").string(), "made"));
  EXPECT_TRUE(fs::is_symlink(t.dir / "dangling"));
  EXPECT_EQ(read_file_bytes_((t.dir / "real" / "new.bin").string()).value_or("(none)"), "made");
  EXPECT_EQ(std::distance(fs::directory_iterator(t.dir / "real"), fs::directory_iterator()), 2);

  // A loop of links is refused.
  fs::create_symlink("loop_b", t.dir / "loop_a");
  fs::create_symlink("loop_a", t.dir / "loop_b");
  EXPECT_FALSE(save_file_atomic_((t.dir / "loop_a").string(), "x"));
  EXPECT_TRUE(fs::is_symlink(t.dir / "loop_a"));
}
