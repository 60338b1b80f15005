#include "engine/file/temp_names.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <mutex>
#include <random>
#include <set>

namespace {

struct temp_registry {
  std::mutex lock;
  std::string dir;
  std::set<std::string> live;
};

temp_registry& registry() {
  static temp_registry* r = new temp_registry;  // outlives static destructors; cleaned at exit
  return *r;
}

void remove_all_at_exit() {
  temp_registry& r = registry();
  std::lock_guard<std::mutex> g(r.lock);
  for (const std::string& p : r.live) ::unlink(p.c_str());
  r.live.clear();
  if (!r.dir.empty()) {
    std::error_code ec;
    std::filesystem::remove_all(r.dir, ec);
  }
}

// Caller holds the lock.
const std::string& private_dir(temp_registry& r) {
  if (!r.dir.empty()) return r.dir;
  const char* base = std::getenv("TMPDIR");
  std::string tmpl = std::string(base && *base ? base : "/tmp") + "/arvex-engine-XXXXXX";
  if (::mkdtemp(tmpl.data()) == nullptr) return r.dir;  // mkdtemp makes it mode 0700
  r.dir = tmpl + "/";
  std::atexit(remove_all_at_exit);
  return r.dir;
}

}  // namespace

std::string engine_temp_dir_() {
  temp_registry& r = registry();
  std::lock_guard<std::mutex> g(r.lock);
  const std::string& d = private_dir(r);
  return d.empty() ? "/" : d;
}

std::string engine_temp_create_() {
  temp_registry& r = registry();
  std::lock_guard<std::mutex> g(r.lock);
  const std::string& dir = private_dir(r);
  if (dir.empty()) return {};
  static std::mt19937 rng(std::random_device{}());
  std::uniform_int_distribution<int> pick(0, 999);
  for (int attempt = 0; attempt < 10000; ++attempt) {
    std::string name = dir;
    for (int i = 0; i < 4; ++i) name += std::to_string(pick(rng));
    name += ".tmp";
    int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd >= 0) {
      ::close(fd);
      r.live.insert(name);
      return name;
    }
    if (errno != EEXIST) return {};
  }
  return {};
}

bool engine_temp_remove_(const std::string& path) {
  temp_registry& r = registry();
  {
    std::lock_guard<std::mutex> g(r.lock);
    r.live.erase(path);
  }
  return !path.empty() && ::unlink(path.c_str()) == 0;
}
