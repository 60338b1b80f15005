#include "shell/main_link.h"

namespace {
std::function<std::unique_ptr<main_link_>()> maker;
std::unique_ptr<main_link_> made;
}  // namespace

void set_main_link_maker_(std::function<std::unique_ptr<main_link_>()> m) {
  made.reset();
  maker = std::move(m);
}

main_link_* main_link_in_use_() {
  if (!made && maker) made = maker();
  return made.get();
}

main_link_* main_link_if_made_() { return made.get(); }

void drop_main_link_() { made.reset(); }
