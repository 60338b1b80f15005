// Whole-file reading and safe saving.
// Every writer that replaces a file decides where to write with resolve_save_target_: it
// follows symbolic links to the real file and refuses anything that is not a regular file.
#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

// A regular file opened for reading. Anything else (a device node, named pipe, socket or
// folder) is never opened: opening a pipe blocks until a writer comes, and opening a device
// can act on it.
class regular_file_reader_ {
 public:
  explicit regular_file_reader_(const std::string& path);
  ~regular_file_reader_();
  regular_file_reader_(const regular_file_reader_&) = delete;
  regular_file_reader_& operator=(const regular_file_reader_&) = delete;

  bool is_open() const { return fd_ >= 0; }
  uint64_t size() const { return size_; }
  // Appends up to n bytes from the current position to out; returns how many were read.
  size_t read(std::string& out, size_t n);
  // Reads up to n bytes from the current position into dst; returns how many were read.
  size_t read_into(char* dst, size_t n);

 private:
  int fd_ = -1;
  uint64_t size_ = 0;
};

// The whole content of a file, or nothing when it cannot be opened or read.
// Files above max_bytes, and anything that is not a regular file, are refused rather than read.
std::optional<std::string> read_file_bytes_(const std::string& path,
                                            uint64_t max_bytes = uint64_t(1) << 32);

// A whole file in storage that is not cleared before the read fills it, for readers that
// parse the bytes where they lie.
struct file_buffer_ {
  std::unique_ptr<char[]> bytes;
  size_t size = 0;
  std::string_view view() const { return {bytes.get(), size}; }
};
std::optional<file_buffer_> read_file_buffer_(const std::string& path,
                                             uint64_t max_bytes = uint64_t(1) << 32);

// The file a save to path must replace: path itself, or the end of its chain of symbolic
// links (the links are kept). False when that file exists and is not a regular file (a
// device node, named pipe, socket or folder), or the links loop or cannot be read; a file
// that does not exist yet is a valid target.
bool resolve_save_target_(const std::string& path, std::string& real);

// Writes data to a temporary file in the target's folder, flushes it and renames it over
// the target (the real file behind any symbolic links). On any failure the temporary file
// is removed, the target is left as it was and the result is false.
bool save_file_atomic_(const std::string& path, std::string_view data);

// The same save made piece by piece: the pieces go through a buffer into the temporary file,
// and commit() flushes, syncs and renames it over the target. A writer destroyed without a
// successful commit removes its temporary file and leaves the target as it was. The target is
// resolved (and refused) by resolve_save_target_ when the writer is made.
class atomic_file_writer_ {
 public:
  explicit atomic_file_writer_(const std::string& path);
  ~atomic_file_writer_();
  atomic_file_writer_(const atomic_file_writer_&) = delete;
  atomic_file_writer_& operator=(const atomic_file_writer_&) = delete;

  // False once anything failed; every later call then does nothing.
  bool ok() const { return ok_; }
  bool write(std::string_view data);
  bool commit();

 private:
  bool flush_buffer();
  void abandon();

  std::string real_, temp_;
  std::string buffer_;
  int fd_ = -1;
  bool ok_ = false;
};

// A file written front to back in place, with no temporary and no sync: for the program's own
// temporary files, where a failed write only means the file is not used. Long runs of zero
// bytes are skipped over and read back as zeros.
class plain_file_writer_ {
 public:
  explicit plain_file_writer_(const std::string& path);  // creates or empties the file
  ~plain_file_writer_();
  plain_file_writer_(const plain_file_writer_&) = delete;
  plain_file_writer_& operator=(const plain_file_writer_&) = delete;

  bool ok() const { return ok_; }
  bool write(std::string_view data);
  bool zeros(uint64_t count);
  // Writes what is pending and closes the file; false when anything failed.
  bool close();

 private:
  bool flush();

  std::string buffer_;
  uint64_t pending_zeros_ = 0;
  int fd_ = -1;
  bool ok_ = false;
};

// What the system tells of a path itself, never following a symbolic link: for deciding whether
// a file named by another program lies where only this user can have put it.
struct path_info_ {
  enum kind_ { none, regular, folder, link, other } kind = none;
  uint32_t mode = 0;         // permission bits
  bool owned_by_me = false;  // owned by the user this process runs as
};
path_info_ path_info_of_(const std::string& path);

bool file_exists_path_(const std::string& path);
bool remove_file_(const std::string& path);
// The folder of the running program (where resources lie), with a trailing '/'.
std::string program_folder_();
