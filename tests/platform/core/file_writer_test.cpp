// Writers that take a file piece by piece: the atomic one keeps the target whole until it
// commits, the plain one may leave runs of zeros as holes that still read back as zeros.
#include <gtest/gtest.h>

#include <signal.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/core/file_io.h"

namespace {
namespace fs = std::filesystem;

struct Folder {
  fs::path dir;
  Folder() {
    char tmpl[] = "/tmp/arvex_writer_XXXXXX";
    dir = ::mkdtemp(tmpl);
  }
  ~Folder() { fs::remove_all(dir); }
  size_t entries() const { return size_t(std::distance(fs::directory_iterator(dir), fs::directory_iterator())); }
};

// Pieces of every size around the writer's one-megabyte buffer.
std::string pieces_text(const std::vector<size_t>& sizes) {
  std::string all;
  for (size_t i = 0; i < sizes.size(); ++i) all.append(sizes[i], char('a' + i % 26));
  return all;
}

TEST(FileWriter, AtomicWriterCommitsEveryPieceInOrder) {
  const std::vector<std::vector<size_t>> cases = {
      {}, {1}, {1 << 20}, {(1 << 20) - 1, 2}, {3, (1 << 20) + 7, 5}, {700000, 700000, 700000}};
  for (const auto& sizes : cases) {
    Folder f;
    const std::string target = (f.dir / "d.zaz").string();
    ASSERT_TRUE(save_file_atomic_(target, "old"));
    atomic_file_writer_ w(target);
    size_t at = 0;
    const std::string all = pieces_text(sizes);
    for (size_t n : sizes) {
      ASSERT_TRUE(w.write(std::string_view(all).substr(at, n)));
      at += n;
    }
    EXPECT_EQ(*read_file_bytes_(target), "old");  // nothing shows before the commit
    ASSERT_TRUE(w.commit());
    EXPECT_TRUE(*read_file_bytes_(target) == all) << sizes.size();
    EXPECT_EQ(f.entries(), 1u);
  }
}

TEST(FileWriter, AtomicWriterThatFailsOrIsDroppedLeavesTheOldFile) {
  Folder f;
  const std::string target = (f.dir / "d.zaz").string();
  ASSERT_TRUE(save_file_atomic_(target, "old"));
  {
    atomic_file_writer_ w(target);
    ASSERT_TRUE(w.write("new"));
  }  // dropped without a commit
  EXPECT_EQ(*read_file_bytes_(target), "old");
  EXPECT_EQ(f.entries(), 1u);

  // A write the system refuses part of the way (the file size limit) is reported, and the
  // temporary file goes.
  struct sigaction ignore {}, before {};
  ignore.sa_handler = SIG_IGN;
  ASSERT_EQ(::sigaction(SIGXFSZ, &ignore, &before), 0);
  rlimit old_limit{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old_limit), 0);
  rlimit small = old_limit;
  small.rlim_cur = 1 << 20;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  bool wrote = true, committed = true;
  {
    atomic_file_writer_ w(target);
    for (int i = 0; i < 3 && wrote; ++i) wrote = w.write(std::string(700000, 'x'));
    committed = w.commit();
  }
  ::setrlimit(RLIMIT_FSIZE, &old_limit);
  ::sigaction(SIGXFSZ, &before, nullptr);
  EXPECT_FALSE(wrote && committed);
  EXPECT_EQ(*read_file_bytes_(target), "old");
  EXPECT_EQ(f.entries(), 1u);
}

TEST(FileWriter, AtomicWriterRefusesAPipeAndWritesThroughALink) {
  Folder f;
  const fs::path fifo = f.dir / "pipe";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  atomic_file_writer_ to_pipe(fifo.string());
  EXPECT_FALSE(to_pipe.ok());
  EXPECT_FALSE(to_pipe.write("x"));
  EXPECT_FALSE(to_pipe.commit());
  EXPECT_EQ(fs::status(fifo).type(), fs::file_type::fifo);

  ASSERT_TRUE(save_file_atomic_((f.dir / "real.zaz").string(), "old"));
  fs::create_symlink("real.zaz", f.dir / "link.zaz");
  atomic_file_writer_ w((f.dir / "link.zaz").string());
  ASSERT_TRUE(w.write("new") && w.commit());
  EXPECT_TRUE(fs::is_symlink(f.dir / "link.zaz"));
  EXPECT_EQ(*read_file_bytes_((f.dir / "real.zaz").string()), "new");
}

TEST(FileWriter, PlainWriterZerosReadBackAsZeros) {
  struct piece {
    bool zeros;
    size_t n;
  };
  const std::vector<std::vector<piece>> cases = {
      {{true, 10}},
      {{false, 3}, {true, 200000}},                                    // ends in a hole
      {{true, 70000}, {false, 5}, {true, 30}, {true, 40}, {false, 1}},  // hole first, short runs
      {{false, 2}, {true, 1 << 20}, {true, 1 << 20}, {false, 4}},
  };
  for (const auto& c : cases) {
    Folder f;
    const std::string path = (f.dir / "state").string();
    std::string expected;
    plain_file_writer_ w(path);
    for (const piece& p : c) {
      const std::string bytes = p.zeros ? std::string(p.n, '\0') : std::string(p.n, 'q');
      expected += bytes;
      ASSERT_TRUE(p.zeros ? w.zeros(p.n) : w.write(bytes));
    }
    ASSERT_TRUE(w.close());
    EXPECT_TRUE(*read_file_bytes_(path) == expected) << c.size();
  }
}

}  // namespace
