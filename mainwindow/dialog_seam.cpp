#include "mainwindow/dialog_seam.h"

#include "platform/services/dialogs.h"

int32_t dialog_seam_::show_(const std::string& name, const std::string& arg) {
  calls_.push_back({name, arg});
  if (auto s = scripted_.find(name); s != scripted_.end()) return s->second(arg);
  if (dialog_scripting_() && !real_in_scripts_) return dlg_closed_;
  return run_registered_(name, arg);
}

int32_t dialog_seam_::run_registered_(const std::string& name, const std::string& arg) {
  auto r = real_.find(name);
  return r != real_.end() && r->second ? r->second(arg) : dlg_closed_;
}

std::vector<dialog_call_rec_> dialog_seam_::take_calls_() {
  std::vector<dialog_call_rec_> out;
  out.swap(calls_);
  return out;
}
