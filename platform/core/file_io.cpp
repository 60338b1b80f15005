#include "platform/core/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <filesystem>
#include <new>

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
  const size_t got = read_into(out.data() + old, n);
  out.resize(old + got);
  return got;
}

size_t regular_file_reader_::read_into(char* dst, size_t n) {
  if (fd_ < 0) return 0;
  size_t got = 0;
  while (got < n) {
    ssize_t r = ::read(fd_, dst + got, n - got);
    if (r < 0 && errno == EINTR) continue;
    if (r <= 0) break;
    got += size_t(r);
  }
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

std::optional<file_buffer_> read_file_buffer_(const std::string& path, uint64_t max_bytes) {
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || uint64_t(st.st_size) > max_bytes) {
    ::close(fd);
    return std::nullopt;
  }
  file_buffer_ buf;
  buf.size = size_t(st.st_size);
  buf.bytes.reset(new (std::nothrow) char[buf.size + 1]);  // default-initialised: not zeroed
  if (!buf.bytes) {
    ::close(fd);
    return std::nullopt;
  }
  size_t got = 0;
  while (got < buf.size) {
    ssize_t n = ::read(fd, buf.bytes.get() + got, buf.size - got);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    got += size_t(n);
  }
  ::close(fd);
  if (got != buf.size) return std::nullopt;
  return buf;
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

namespace {

constexpr size_t write_buffer_bytes_ = size_t(1) << 20;

bool write_all(int fd, std::string_view data) {
  for (size_t done = 0; done < data.size();) {
    ssize_t n = ::write(fd, data.data() + done, data.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += size_t(n);
  }
  return true;
}

}  // namespace

atomic_file_writer_::atomic_file_writer_(const std::string& path) {
  if (!resolve_save_target_(path, real_)) return;
  fs::path target(real_);
  fs::path dir = target.has_parent_path() ? target.parent_path() : fs::path(".");
  temp_ = (dir / ("." + target.filename().string() + ".XXXXXX")).string();
  fd_ = ::mkstemp(temp_.data());
  if (fd_ < 0) return;
  buffer_.reserve(write_buffer_bytes_);
  ok_ = true;
}

atomic_file_writer_::~atomic_file_writer_() { abandon(); }

void atomic_file_writer_::abandon() {
  ok_ = false;
  if (fd_ < 0) return;
  ::close(fd_);
  ::unlink(temp_.c_str());
  fd_ = -1;
}

bool atomic_file_writer_::flush_buffer() {
  if (ok_ && !write_all(fd_, buffer_)) abandon();
  buffer_.clear();
  return ok_;
}

bool atomic_file_writer_::write(std::string_view data) {
  if (!ok_) return false;
  if (buffer_.size() + data.size() <= write_buffer_bytes_) {
    buffer_.append(data);
    return true;
  }
  if (!flush_buffer()) return false;
  // A piece larger than the buffer goes straight to the file.
  if (data.size() >= write_buffer_bytes_) {
    if (!write_all(fd_, data)) abandon();
    return ok_;
  }
  buffer_.append(data);
  return true;
}

bool atomic_file_writer_::commit() {
  if (!ok_ || !flush_buffer()) return false;
  // Keep the permissions of a file being replaced; a new file gets the usual 0644 less umask.
  struct stat st {};
  mode_t mode = 0;
  if (::stat(real_.c_str(), &st) == 0) mode = st.st_mode & 07777;
  else {
    mode_t mask = ::umask(0);
    ::umask(mask);
    mode = 0666 & ~mask;
  }
  bool done = ::fchmod(fd_, mode) == 0 && ::fsync(fd_) == 0;
  const int fd = fd_;
  fd_ = -1;
  if (::close(fd) != 0) done = false;
  if (done) done = ::rename(temp_.c_str(), real_.c_str()) == 0;
  if (!done) ::unlink(temp_.c_str());
  ok_ = false;  // the writer is spent either way
  return done;
}

bool save_file_atomic_(const std::string& path, std::string_view data) {
  atomic_file_writer_ out(path);
  return out.write(data) && out.commit();
}

plain_file_writer_::plain_file_writer_(const std::string& path) {
  fd_ = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
  ok_ = fd_ >= 0;
}

plain_file_writer_::~plain_file_writer_() {
  if (fd_ >= 0) ::close(fd_);
}

bool plain_file_writer_::flush() {
  if (ok_ && !buffer_.empty()) ok_ = write_all(fd_, buffer_);
  buffer_.clear();
  if (ok_ && pending_zeros_ > 0) {
    // A run long enough to skip leaves a hole; a short one is cheaper written.
    if (pending_zeros_ >= (uint64_t(64) << 10)) {
      ok_ = ::lseek(fd_, off_t(pending_zeros_), SEEK_CUR) >= 0;
    } else {
      buffer_.assign(size_t(pending_zeros_), '\0');
      ok_ = write_all(fd_, buffer_);
      buffer_.clear();
    }
  }
  pending_zeros_ = 0;
  return ok_;
}

bool plain_file_writer_::write(std::string_view data) {
  if (!ok_) return false;
  if (data.empty()) return true;  // keeps a run of zeros whole
  if (pending_zeros_ > 0 && !flush()) return false;
  if (buffer_.size() + data.size() > write_buffer_bytes_ && !flush()) return false;
  if (data.size() >= write_buffer_bytes_) ok_ = write_all(fd_, data);
  else buffer_.append(data);
  return ok_;
}

bool plain_file_writer_::zeros(uint64_t count) {
  if (!ok_) return false;
  if (pending_zeros_ == 0 && count < 64) {
    buffer_.append(size_t(count), '\0');
    if (buffer_.size() >= write_buffer_bytes_) flush();
    return ok_;
  }
  if (pending_zeros_ == 0 && !flush()) return false;
  pending_zeros_ += count;
  return true;
}

bool plain_file_writer_::close() {
  if (fd_ < 0) return false;
  const bool trailing_hole = pending_zeros_ >= (uint64_t(64) << 10);
  flush();
  // A file that ends in a hole gets its length from the position reached.
  if (ok_ && trailing_hole) {
    const off_t end = ::lseek(fd_, 0, SEEK_CUR);
    ok_ = end >= 0 && ::ftruncate(fd_, end) == 0;
  }
  if (::close(fd_) != 0) ok_ = false;
  fd_ = -1;
  const bool done = ok_;
  ok_ = false;
  return done;
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
