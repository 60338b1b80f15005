#include "shell/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <set>

#include "shell/shell_text.h"

namespace fs = std::filesystem;

flag16_ file_exists_(std::string_view path) {
  if (path.empty() || ends_with_separator_(path) || path.find('\0') != std::string_view::npos)
    return false_;
  struct stat st {};
  return to_flag_(::stat(std::string(path).c_str(), &st) == 0 && S_ISREG(st.st_mode));
}

namespace {
struct temp_state {
  std::string folder;  // with trailing '/'
  pid_t owner = 0;
  std::set<std::string> issued;
  std::mt19937 rng{std::random_device{}()};

  ~temp_state() { remove_folder(); }
  void remove_folder() {
    // Only the process that made the folder removes it (a forked child must not).
    if (folder.empty() || owner != ::getpid()) return;
    std::error_code ec;
    fs::remove_all(folder, ec);
    folder.clear();
  }
};

temp_state& state() {
  static temp_state s;
  return s;
}

std::string system_temp_dir() {
  const char* env = std::getenv("TMPDIR");
  std::string dir = env && *env == '/' ? env : "/tmp";
  return with_separator_(dir);
}

bool folder_usable(const std::string& folder) {
  struct stat st {};
  return ::lstat(folder.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::geteuid();
}
}  // namespace

std::string temp_folder_() {
  temp_state& s = state();
  // A forked child makes a folder of its own rather than share (and outlive) its parent's.
  if (!s.folder.empty() && s.owner == ::getpid() && folder_usable(s.folder)) return s.folder;
  std::string tmpl = system_temp_dir() + "arvex-XXXXXX";
  if (::mkdtemp(tmpl.data()) == nullptr) {  // mkdtemp makes the folder 0700
    s.folder.clear();
    return {};
  }
  s.folder = tmpl + "/";
  s.owner = ::getpid();
  return s.folder;
}

std::string temp_file_name_() {
  temp_state& s = state();
  std::uniform_int_distribution<int> part(0, 999);
  for (int attempt = 0; attempt < 100000; ++attempt) {
    std::string folder = temp_folder_();
    if (folder.empty()) return {};
    std::string name = folder;
    for (int i = 0; i < 4; ++i) name += std::to_string(part(s.rng));
    name += ".tmp";
    if (s.issued.count(name)) continue;
    int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd >= 0) {
      ::close(fd);
      s.issued.insert(name);
      return name;
    }
    if (errno != EEXIST) {
      if (folder_usable(folder)) return {};
      s.folder.clear();  // the folder went away: make a fresh one and try again
    }
  }
  return {};
}

void temp_names_seed_(uint32_t seed, bool forget_issued) {
  state().rng.seed(seed);
  if (forget_issued) state().issued.clear();
}
