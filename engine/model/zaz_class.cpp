// Creation, release and the empty-drawing reset of an engine.
#include "engine/zaz_class.h"

zaz_class_::zaz_class_() {
  host.progress_proc = nullptr;
  new_empty_drawing_();
}

zaz_class_::~zaz_class_() {
  // The host's procedures may belong to windows already gone: never call them from here.
  host.progress_proc = nullptr;
  host.break_proc = nullptr;
}

void zaz_class_::new_empty_drawing_() {
  docinfo = docinfo_state_{};
  store.live.clear();
  store.snapshot.clear();
  store.counts.fill(0);
  store.origin_x = store.origin_y = 0;

  pages = page_state_{};

  // View 0 belongs to no page and keeps its settings.
  for (int32_t i = 1; i < views_count_; ++i) views.views[i] = view_rec_{};

  styles.styles.assign(1, dimstyle_template_());  // the active style number is kept

  // Ids 11..32 are the user's and survive a new drawing.
  static constexpr float defaults[11] = {0.01f, 0.12f, 0.25f, 0.5f,  0.75f, 1.0f,
                                         1.25f, 1.5f,  1.75f, 2.0f, 2.5f};
  for (int i = 0; i < 11; ++i) widths.widths[i] = defaults[i];
}
