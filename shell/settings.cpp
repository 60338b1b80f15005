#include "shell/settings.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cmath>

#include "platform/core/codepage.h"
#include "platform/services/settings_backend.h"
#include "shell/files.h"
#include "shell/program_dir.h"
#include "shell/shell_text.h"

flag16_ portable_mode_ = false_;

namespace {
int settings_fd = -1;

std::string name_of(std::string_view s) { return lower_ascii_(trim_blanks_(s)); }

// The key as it stands in a record: Windows-1250, at most the width of the key field.
std::string record_key(std::string_view key) {
  std::string k = utf8_to_cp1250_(name_of(key));
  if (k.size() > size_t(settings_key_size_)) k.resize(settings_key_size_);
  return k;
}

bool read_record(int32_t n, std::string& rec) {
  rec.resize(settings_record_size_);
  off_t at = off_t(n - 1) * settings_record_size_;
  size_t got = 0;
  while (got < rec.size()) {
    ssize_t r = ::pread(settings_fd, rec.data() + got, rec.size() - got, at + off_t(got));
    if (r < 0 && errno == EINTR) continue;
    if (r <= 0) return false;
    got += size_t(r);
  }
  return true;
}

bool write_record(int32_t n, const std::string& rec) {
  off_t at = off_t(n - 1) * settings_record_size_;
  size_t done = 0;
  while (done < rec.size()) {
    ssize_t w = ::pwrite(settings_fd, rec.data() + done, rec.size() - done, at + off_t(done));
    if (w < 0 && errno == EINTR) continue;
    if (w <= 0) return false;
    done += size_t(w);
  }
  return true;
}

// The whole key field must equal the key; only the padding after it is ignored.
int32_t scan_for(const std::string& rkey, std::string* rec_out) {
  if (settings_fd < 0 || rkey.empty()) return 0;
  std::string rec;
  for (int32_t n = 1; n < INT32_MAX && read_record(n, rec); ++n) {
    std::string_view field(rec.data(), settings_key_size_);
    size_t end = field.find_last_not_of(std::string_view(" \0", 2));
    field = end == std::string_view::npos ? std::string_view() : field.substr(0, end + 1);
    if (field == rkey) {
      if (rec_out) *rec_out = std::move(rec);
      return n;
    }
  }
  return 0;
}

std::string composite_key(std::string_view app, std::string_view section, std::string_view key) {
  return name_of(app) + "\\" + name_of(section) + "\\" + name_of(key);
}

bool any_empty(std::string_view app, std::string_view section, std::string_view key) {
  return name_of(app).empty() || name_of(section).empty() || name_of(key).empty();
}
}  // namespace

flag16_ is_portable_() { return file_exists_(program_dir_() + "mobile"); }

void open_settings_file_() {
  if (portable_mode_ != true_) return;
  close_settings_file_();
  std::string path = program_dir_() + "settings.dat";
  int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
  if (fd < 0) fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return;
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    return;
  }
  settings_fd = fd;
}

void close_settings_file_() {
  if (settings_fd >= 0) ::close(settings_fd);
  settings_fd = -1;
}

int32_t find_setting_record_(std::string_view key) { return scan_for(record_key(key), nullptr); }

value_ get_setting_(std::string_view app, std::string_view section, std::string_view key,
                    const value_& def) {
  if (any_empty(app, section, key)) return def;
  if (portable_mode_ != true_) {
    auto stored = user_setting_get_(name_of(app), name_of(section), name_of(key));
    return value_::of(stored ? *stored : value_text_(def));
  }
  std::string rec;
  if (scan_for(record_key(composite_key(app, section, key)), &rec) == 0) return def;
  std::string_view field(rec.data() + settings_key_size_, settings_value_size_);
  return value_::of(cp1250_to_utf8_(trim_blanks_(remove_nuls_(field))));
}

value_ get_setting_(const setting_def_rec_& s) { return get_setting_(s.app, s.section, s.key, s.def); }

bool save_setting_(std::string_view app, std::string_view section, std::string_view key,
                   std::string_view value) {
  if (any_empty(app, section, key)) return false;
  if (portable_mode_ != true_)
    return user_setting_put_(name_of(app), name_of(section), name_of(key), std::string(value));
  if (settings_fd < 0) return false;
  std::string rkey = record_key(composite_key(app, section, key));
  int32_t n = scan_for(rkey, nullptr);
  if (n == 0) {
    struct stat st {};
    if (::fstat(settings_fd, &st) != 0) return false;
    int64_t next = int64_t(st.st_size) / settings_record_size_ + 1;
    if (next >= INT32_MAX) return false;
    n = int32_t(next);  // a torn last record is overwritten
  }
  std::string rval = utf8_to_cp1250_(value);
  if (rval.size() > size_t(settings_value_size_)) rval.resize(settings_value_size_);
  std::string rec = rkey;
  rec.resize(settings_key_size_, ' ');
  rec += rval;
  rec.resize(settings_record_size_, ' ');
  return write_record(n, rec);
}

std::string value_text_(const value_& v) {
  if (v.is_text()) return v.text;
  if (!v.is_number()) return {};
  char buf[64];
  auto r = std::to_chars(buf, buf + sizeof buf, v.number);
  return r.ec == std::errc() ? std::string(buf, r.ptr) : std::string();
}

double value_number_(const value_& v, double fallback) {
  if (v.is_number()) return v.number;
  if (!v.is_text()) return fallback;
  std::string t = trim_blanks_(v.text);
  if (!t.empty() && t.front() == '+') t.erase(0, 1);
  double d = 0;
  auto r = std::from_chars(t.data(), t.data() + t.size(), d);
  if (t.empty() || r.ec != std::errc() || r.ptr != t.data() + t.size() || !std::isfinite(d))
    return fallback;
  return d;
}

bool value_equals_(const value_& v, double n) {
  double d = value_number_(v, std::nan(""));
  return d == n;
}
