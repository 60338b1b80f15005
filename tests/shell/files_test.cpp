#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <set>

#include "shell/files.h"
#include "shell_fixture.h"

namespace {

namespace fs = std::filesystem;

TEST_F(shell_fixture, FileExistsOnlyForRegularFiles) {
  write("drawing.zaz", "x");
  fs::create_directory(dir + "folder");
  struct probe { std::string path; flag16_ expected; };
  const probe cases[] = {
      {dir + "drawing.zaz", true_},
      {dir + "missing.zaz", false_},
      {dir + "folder", false_},
      {dir + "folder/", false_},
      {dir + "drawing.zaz/", false_},
      {dir + "drawing.zaz\\", false_},
      {"", false_},
      {dir + std::string("drawing.zaz\0.txt", 16), false_},  // must not be read as "drawing.zaz"
  };
  for (const probe& c : cases) {
    SCOPED_TRACE(c.path);
    EXPECT_EQ(file_exists_(c.path), c.expected);
  }
}

TEST(temp_names, AreUniqueCreatedAndPrivate) {
  std::string folder = temp_folder_();
  ASSERT_FALSE(folder.empty());
  EXPECT_EQ(folder.back(), '/');
  struct stat st {};
  ASSERT_EQ(::lstat(folder.c_str(), &st), 0);
  EXPECT_TRUE(S_ISDIR(st.st_mode));
  EXPECT_EQ(st.st_mode & 0777, 0700u);

  // Four numbers 0..999 run together, then ".tmp".
  auto well_formed = [](const std::string& base) {
    size_t digits = base.size() - 4;
    return base.size() > 4 && base.substr(digits) == ".tmp" && digits >= 4 && digits <= 12 &&
           base.find_first_not_of("0123456789") == digits;
  };
  std::set<std::string> names;
  for (int i = 0; i < 300; ++i) {
    std::string name = temp_file_name_();
    ASSERT_EQ(name.rfind(folder, 0), 0u) << name;
    EXPECT_TRUE(well_formed(name.substr(folder.size()))) << name;
    EXPECT_EQ(file_exists_(name), true_);
    EXPECT_TRUE(names.insert(name).second) << name;
    if (i % 2) fs::remove(name);  // deleting a name does not free it for reuse
  }
  for (const std::string& n : names) fs::remove(n);
}

TEST(temp_names, NeverRepeatAndNeverTakeAnExistingFile) {
  temp_names_seed_(42, true);
  std::string first = temp_file_name_();
  ASSERT_FALSE(first.empty());

  // Same sequence again: the name was handed out already, even though its file is gone.
  fs::remove(first);
  temp_names_seed_(42);
  std::string second = temp_file_name_();
  EXPECT_NE(second, first);

  // Same sequence with the record forgotten: the file that now lies there is not taken.
  { std::ofstream(first) << "someone else's"; }
  temp_names_seed_(42, true);
  std::string third = temp_file_name_();
  EXPECT_NE(third, first);
  EXPECT_EQ(read_file_bytes_(first).value_or(""), "someone else's");
  for (const std::string& n : {first, second, third}) fs::remove(n);
}

TEST(temp_names, EachProcessHasItsOwnFolderRemovedAtExit) {
  std::string parent_folder = temp_folder_();
  ASSERT_FALSE(parent_folder.empty());
  int pipe_fd[2];
  ASSERT_EQ(::pipe(pipe_fd), 0);
  pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    std::string name = temp_file_name_();
    ssize_t n = ::write(pipe_fd[1], name.data(), name.size());
    std::exit(n == ssize_t(name.size()) ? 0 : 1);
  }
  ::close(pipe_fd[1]);
  std::string child_name;
  char buf[512];
  for (ssize_t n; (n = ::read(pipe_fd[0], buf, sizeof buf)) > 0;) child_name.append(buf, size_t(n));
  ::close(pipe_fd[0]);
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);

  ASSERT_FALSE(child_name.empty());
  std::string child_folder = fs::path(child_name).parent_path().string() + "/";
  EXPECT_NE(child_folder, parent_folder);
  EXPECT_FALSE(fs::exists(child_folder));
  EXPECT_TRUE(fs::is_directory(parent_folder));
}

}  // namespace
