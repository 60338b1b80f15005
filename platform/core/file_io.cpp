#include "platform/core/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <filesystem>

namespace fs = std::filesystem;

regular_file_reader_::regular_file_reader_(const std::string& path) {
  // Look before opening, so that a device is never opened; open without blocking, so that a
  // pipe put in the file's place meanwhile cannot hang us; then make sure of what was opened.
  struct stat st {};
  if (path.empty() || ::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return;
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
  if (fd < 0) return;
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    return;
  }
  fd_ = fd;
  size_ = uint64_t(st.st_size);
}

regular_file_reader_::~regular_file_reader_() {
  if (fd_ >= 0) ::close(fd_);
}

size_t regular_file_reader_::read(std::string& out, size_t n) {
  if (fd_ < 0) return 0;
  const size_t old = out.size();
  out.resize(old + n);
  size_t got = 0;
  while (got < n) {
    ssize_t r = ::read(fd_, out.data() + old + got, n - got);
    if (r < 0 && errno == EINTR) continue;
    if (r <= 0) break;
    got += size_t(r);
  }
  out.resize(old + got);
  return got;
}

std::optional<std::string> read_file_bytes_(const std::string& path, uint64_t max_bytes) {
  regular_file_reader_ in(path);
  if (!in.is_open() || in.size() > max_bytes) return std::nullopt;
  std::string data;
  data.reserve(size_t(in.size()));
  if (in.read(data, size_t(in.size())) != in.size()) return std::nullopt;
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

path_info_ path_info_of_(const std::string& path) {
  path_info_ info;
  struct stat st {};
  if (path.empty() || ::lstat(path.c_str(), &st) != 0) return info;
  info.kind = S_ISREG(st.st_mode)   ? path_info_::regular
              : S_ISDIR(st.st_mode) ? path_info_::folder
              : S_ISLNK(st.st_mode) ? path_info_::link
                                    : path_info_::other;
  info.mode = uint32_t(st.st_mode & 07777);
  info.owned_by_me = st.st_uid == ::geteuid();
  return info;
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
