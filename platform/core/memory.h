// Memory the caller is about to fill.
#pragma once
#include <cstddef>

// Makes the whole pages inside [p, p + n) present and writable now, in one request, instead
// of one fault per page as they are first written. A hint only: where the system cannot, the
// pages come as they are touched.
void prefault_for_write_(void* p, size_t n);
