// Pages: the table, adding and deleting, and the per-page properties.
#include <algorithm>

#include "engine/zaz_class.h"

page_rec_* zaz_class_::page_ptr_(int32_t pid) {
  if (pid < 1 || pid >= static_cast<int32_t>(pages.pages.size())) return nullptr;
  return &pages.pages[pid];
}

const page_rec_* zaz_class_::page_ptr_(int32_t pid) const {
  return const_cast<zaz_class_*>(this)->page_ptr_(pid);
}

int32_t zaz_class_::pages_count_() const {
  return pages.pages.empty() ? 0 : static_cast<int32_t>(pages.pages.size() - 1);
}

int32_t zaz_class_::saved_pages_count_() const {
  return pages.saved_pages.empty() ? 0 : static_cast<int32_t>(pages.saved_pages.size() - 1);
}

int16_t zaz_class_::page_active_() const { return static_cast<int16_t>(pages.active); }

void zaz_class_::page_active_(int16_t page_nr_) {
  int32_t n = page_nr_;
  if (n < 1) n = 1;
  if (n > pages_count_()) n = pages_count_();
  pages.active = n;
}

int16_t zaz_class_::page_add_(const std::string& title_, float width_, float height_) {
  const int16_t previous = static_cast<int16_t>(pages.active);
  // The table is full: refuse rather than overwrite the last page and its objects.
  if (pages_count_() >= pages_max_) return previous;
  if (width_ <= 0 || height_ <= 0) {
    float pw = 0, ph = 0;
    if (host.printer_page_mm && host.printer_page_mm(pw, ph)) {
      if (width_ <= 0) width_ = pw;
      if (height_ <= 0) height_ = ph;
    }
  }
  try {
    if (pages.pages.empty()) pages.pages.resize(1);  // slot 0
    pages.pages.emplace_back();
  } catch (const std::bad_alloc&) {
    return previous;
  }
  const int32_t n = pages_count_();
  page_rec_& p = pages.pages[n];
  p.title = title_;
  p.width = width_;
  p.height = height_;
  p.cx = p.cy = 1;
  p.show_border = true_;
  p.show_coords = false_;
  view_rec_& v = views.views[n];
  v.posx = f32_(width_ / 2.0);
  v.posy = f32_(height_ / 2.0);
  pages.active = n;
  return previous;
}

int16_t zaz_class_::page_delete_(int16_t page_id_) {
  const int32_t count = pages_count_();
  if (count < 2 || page_id_ < 1 || page_id_ > count) return 0;
  pages.pages.erase(pages.pages.begin() + page_id_);
  for (int32_t r = 1; r <= store.counts[0]; ++r) {
    object_rec_& o = store.live.objects[r];
    if (o.page == page_id_) {
      o.deleted = true_;
      o.selected = false_;  // keeps its old page number
    } else if (o.page > page_id_) {
      --o.page;
    }
  }
  if (pages.active > pages_count_()) pages.active = pages_count_();
  return 0;
}

// Properties: a missing page reads its default and ignores writes.
std::string zaz_class_::page_title_(int16_t pid_) const {
  const page_rec_* p = page_ptr_(pid_);
  return p ? p->title : std::string();
}
void zaz_class_::page_title_(int16_t pid_, const std::string& pname_) {
  if (page_rec_* p = page_ptr_(pid_)) p->title = pname_;
}

int32_t zaz_class_::page_unit_(int16_t pid_) const {
  const page_rec_* p = page_ptr_(pid_);
  return p ? p->unit : 0;
}
void zaz_class_::page_unit_(int16_t pid_, int32_t unit_id_) {
  if (page_rec_* p = page_ptr_(pid_)) p->unit = unit_id_;
}

int32_t zaz_class_::page_scale_(int16_t pid_) const {
  const page_rec_* p = page_ptr_(pid_);
  return p ? p->scale : 0;
}
void zaz_class_::page_scale_(int16_t pid_, int32_t scale_id_) {
  if (page_rec_* p = page_ptr_(pid_)) p->scale = scale_id_;
}

int32_t zaz_class_::page_cx_(int16_t pid_) const {
  const page_rec_* p = page_ptr_(pid_);
  return p ? std::clamp(p->cx, 1, 999) : 1;
}
void zaz_class_::page_cx_(int16_t pid_, int32_t count_) {
  if (page_rec_* p = page_ptr_(pid_)) p->cx = count_;
}

int32_t zaz_class_::page_cy_(int16_t pid_) const {
  const page_rec_* p = page_ptr_(pid_);
  return p ? std::clamp(p->cy, 1, 999) : 1;
}
void zaz_class_::page_cy_(int16_t pid_, int32_t count_) {
  if (page_rec_* p = page_ptr_(pid_)) p->cy = count_;
}

float zaz_class_::page_width_(int16_t pid_) const {
  const page_rec_* p = page_ptr_(pid_);
  return p ? p->width : 0.0f;
}
void zaz_class_::page_width_(int16_t pid_, float width_) {
  page_rec_* p = page_ptr_(pid_);
  if (p && width_ > 0) p->width = width_;
}

float zaz_class_::page_height_(int16_t pid_) const {
  const page_rec_* p = page_ptr_(pid_);
  return p ? p->height : 0.0f;
}
void zaz_class_::page_height_(int16_t pid_, float height_) {
  page_rec_* p = page_ptr_(pid_);
  if (p && height_ > 0) p->height = height_;
}

float zaz_class_::page_posx_(int16_t pid_) const {
  const page_rec_* p = page_ptr_(pid_);
  return p ? p->posx : 0.0f;
}
void zaz_class_::page_posx_(int16_t pid_, float posx_) {
  if (page_rec_* p = page_ptr_(pid_)) p->posx = posx_;
}

float zaz_class_::page_posy_(int16_t pid_) const {
  const page_rec_* p = page_ptr_(pid_);
  return p ? p->posy : 0.0f;
}
void zaz_class_::page_posy_(int16_t pid_, float posy_) {
  if (page_rec_* p = page_ptr_(pid_)) p->posy = posy_;
}

flag16_ zaz_class_::page_show_border_(int16_t pid_) const {
  const page_rec_* p = page_ptr_(pid_);
  return p ? p->show_border : false_;
}
void zaz_class_::page_show_border_(int16_t pid_, flag16_ visible_) {
  if (page_rec_* p = page_ptr_(pid_)) p->show_border = visible_;
}

flag16_ zaz_class_::page_show_coords_(int16_t pid_) const {
  const page_rec_* p = page_ptr_(pid_);
  return p ? p->show_coords : false_;
}
void zaz_class_::page_show_coords_(int16_t pid_, flag16_ visible_) {
  if (page_rec_* p = page_ptr_(pid_)) p->show_coords = visible_;
}
