#include "platform/core/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <filesystem>

namespace fs = std::filesystem;

std::optional<std::string> read_file_bytes_(const std::string& path, uint64_t max_bytes) {
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || uint64_t(st.st_size) > max_bytes) {
    ::close(fd);
    return std::nullopt;
  }
  std::string data;
  data.resize(size_t(st.st_size));
  size_t got = 0;
  while (got < data.size()) {
    ssize_t n = ::read(fd, data.data() + got, data.size() - got);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    got += size_t(n);
  }
  ::close(fd);
  if (got != data.size()) return std::nullopt;
  return data;
}

bool resolve_save_target_(const std::string& path, std::string& real) {
  if (path.empty()) return false;
  // Follow a chain of symbolic links by hand so that a link to a file not yet made still
  // resolves (realpath would refuse it); 40 hops is the kernel's own limit for loops.
  fs::path cur(path);
  for (int hop = 0; hop < 40; ++hop) {
    struct stat st {};
    if (::lstat(cur.c_str(), &st) != 0) {
      if (errno != ENOENT) return false;
      real = cur.string();
      return true;
    }
    if (S_ISREG(st.st_mode)) {
      real = cur.string();
      return true;
    }
    if (!S_ISLNK(st.st_mode)) return false;  // device, pipe, socket, folder: never replaced
    std::string link(size_t(st.st_size > 0 ? st.st_size : PATH_MAX) + 1, '\0');
    ssize_t n = ::readlink(cur.c_str(), link.data(), link.size());
    if (n <= 0 || size_t(n) >= link.size()) return false;
    link.resize(size_t(n));
    fs::path next(link);
    cur = next.is_absolute() ? next : cur.parent_path() / next;
  }
  return false;
}

bool save_file_atomic_(const std::string& path, std::string_view data) {
  std::string real;
  if (!resolve_save_target_(path, real)) return false;
  fs::path target(real);
  fs::path dir = target.has_parent_path() ? target.parent_path() : fs::path(".");
  std::string tmpl = (dir / ("." + target.filename().string() + ".XXXXXX")).string();
  int fd = ::mkstemp(tmpl.data());
  if (fd < 0) return false;
  bool ok = true;
  for (size_t done = 0; ok && done < data.size();) {
    ssize_t n = ::write(fd, data.data() + done, data.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) ok = false;
    else done += size_t(n);
  }
  // Keep the permissions of a file being replaced; a new file gets the usual 0644 less umask.
  struct stat st {};
  mode_t mode = 0;
  if (::stat(real.c_str(), &st) == 0) mode = st.st_mode & 07777;
  else {
    mode_t mask = ::umask(0);
    ::umask(mask);
    mode = 0666 & ~mask;
  }
  if (ok) ok = ::fchmod(fd, mode) == 0;
  if (ok) ok = ::fsync(fd) == 0;
  if (::close(fd) != 0) ok = false;
  if (ok) ok = ::rename(tmpl.c_str(), real.c_str()) == 0;
  if (!ok) ::unlink(tmpl.c_str());
  return ok;
}

bool file_exists_path_(const std::string& path) {
  std::error_code ec;
  return !path.empty() && fs::is_regular_file(path, ec);
}

bool remove_file_(const std::string& path) {
  return !path.empty() && ::unlink(path.c_str()) == 0;
}

std::string program_folder_() {
  char buf[PATH_MAX];
  ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
  if (n <= 0) return "./";
  buf[n] = 0;
  std::string p = fs::path(buf).parent_path().string();
  return p.empty() ? "./" : p + "/";
}
