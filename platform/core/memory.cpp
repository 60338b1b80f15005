#include "platform/core/memory.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>

void prefault_for_write_(void* p, size_t n) {
#ifdef MADV_POPULATE_WRITE
  static const uintptr_t page = static_cast<uintptr_t>(sysconf(_SC_PAGESIZE));
  const uintptr_t a = (reinterpret_cast<uintptr_t>(p) + page - 1) & ~(page - 1);
  const uintptr_t b = (reinterpret_cast<uintptr_t>(p) + n) & ~(page - 1);
  if (b > a) madvise(reinterpret_cast<void*>(a), b - a, MADV_POPULATE_WRITE);
#else
  (void)p, (void)n;
#endif
}
