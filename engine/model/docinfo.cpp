// Document information and the host's progress and break procedures.
#include <algorithm>
#include <cctype>

#include "engine/zaz_class.h"
#include "platform/core/codepage.h"

std::string zaz_class_::information_title_() const { return docinfo.title; }
void zaz_class_::information_title_(const std::string& nval_) { docinfo.title = nval_; }
std::string zaz_class_::information_description_() const { return docinfo.description; }
void zaz_class_::information_description_(const std::string& nval_) { docinfo.description = nval_; }
std::string zaz_class_::information_author_() const { return docinfo.author; }
void zaz_class_::information_author_(const std::string& nval_) { docinfo.author = nval_; }

namespace {

// Counts the records that lie on a page and a layer; block members (page 0) never count.
template <class Pred>
int32_t count_on_pages(const store_state_& s, Pred pred) {
  int32_t n = 0;
  for (int32_t r = 1; r <= s.counts[0]; ++r) {
    const object_rec_& o = s.live.objects[r];
    if (o.page >= 1 && o.layer >= 1 && pred(o)) ++n;
  }
  return n;
}

int hex_digit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

}  // namespace

int32_t zaz_class_::information_objects_all_() const {
  return count_on_pages(store, [](const object_rec_&) { return true; });
}
int32_t zaz_class_::information_objects_exs_() const {
  return count_on_pages(store, [](const object_rec_& o) { return o.deleted == false_; });
}
int32_t zaz_class_::information_objects_del_() const {
  return count_on_pages(store, [](const object_rec_& o) { return o.deleted != false_; });
}

// The stored form is two hex digits per Windows-1250 byte; an odd final digit is read alone.
std::string zaz_class_::security_password_() const {
  const std::string& s = docinfo.password_stored;
  std::string bytes;
  for (size_t i = 0; i < s.size(); i += 2) {
    int value = 0;
    bool digits = false, bad = false;
    for (size_t k = i; k < std::min(i + 2, s.size()); ++k) {
      if (s[k] == ' ' || s[k] == '\t') continue;
      const int d = hex_digit(s[k]);
      if (d < 0) bad = true;
      value = value * 16 + d;
      digits = true;
    }
    if (digits && !bad) bytes.push_back(static_cast<char>(value));
  }
  return cp1250_to_utf8_(bytes);
}

void zaz_class_::security_password_(const std::string& nval_) {
  static constexpr char hex[] = "0123456789abcdef";
  std::string stored;
  for (unsigned char b : utf8_to_cp1250_(nval_)) {
    stored.push_back(hex[b >> 4]);
    stored.push_back(hex[b & 15]);
  }
  docinfo.password_stored = std::move(stored);
}

void zaz_class_::progress_function_(std::function<void()> address_of_) {
  host.progress_proc = std::move(address_of_);
}

void zaz_class_::progress_refresh_(int32_t value_) {
  host.progress_value = value_;
  if (host.progress_proc) host.progress_proc();
}

int32_t zaz_class_::progress_() const { return host.progress_value; }
void zaz_class_::progress_(int32_t value_) { host.progress_value = value_; }

void zaz_class_::break_function_(std::function<void()> address_of_) {
  host.break_proc = std::move(address_of_);
}

void zaz_class_::break_() { host.break_flag = true_; }

void zaz_class_::break_call_() {
  if (host.break_proc) host.break_proc();
}
