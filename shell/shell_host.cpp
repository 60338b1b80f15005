#include "shell/shell_host.h"

namespace {
shell_host_* host = nullptr;
}

void set_shell_host_(shell_host_* h) { host = h; }
shell_host_* shell_host_in_use_() { return host; }
