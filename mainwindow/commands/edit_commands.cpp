// Words that change the selection as a whole: delete, the library folders from block-group
// frames, the conversions, the dimension-style dialog and the twenty arrangement words. Each
// change is one undo step; the conversions and arrangements make theirs even when nothing was
// selected, "delete" only when something was.
#include "engine/zaz_class.h"
#include "mainwindow/commands/command_run.h"
#include "mainwindow/mdi.h"
#include "platform/input/cursor.h"
#include "shell/language.h"

namespace {
enum class arrange_op { order, align, resize, space };

struct arrange_word_rec {
  const char* word;
  arrange_op op;
  int32_t code;
  const char* undo_key;
};

// The codes are the engine's, not the digits of the words; several keys serve two words.
const arrange_word_rec arrange_words[] = {
    {"a2front", arrange_op::order, 1, "change.arrange.2front"},
    {"a2back", arrange_op::order, 2, "change.arrange.2back"},
    {"a2left", arrange_op::align, 1, "change.arrange.a.left"},
    {"a2center", arrange_op::align, 5, "change.arrange.a.vmin"},
    {"a2right", arrange_op::align, 2, "change.arrange.a.right"},
    {"a2top", arrange_op::align, 3, "change.arrange.a.top"},
    {"a2middle", arrange_op::align, 6, "change.arrange.a.hmin"},
    {"a2bottom", arrange_op::align, 4, "change.arrange.a.bottom"},
    {"a2max", arrange_op::resize, 4, "change.arrange.s.both"},
    {"a2maxh", arrange_op::resize, 5, "change.arrange.s.height"},
    {"a2maxv", arrange_op::resize, 6, "change.arrange.s.width"},
    {"a2min", arrange_op::resize, 1, "change.arrange.s.both"},
    {"a2minh", arrange_op::resize, 2, "change.arrange.s.height"},
    {"a2minv", arrange_op::resize, 3, "change.arrange.s.width"},
    {"a2d1h", arrange_op::space, 2, "change.arrange.d.heq"},
    {"a2d2h", arrange_op::space, 1, "change.arrange.d.heq"},
    {"a2d0h", arrange_op::space, 3, "change.arrange.d.hrm"},
    {"a2d1v", arrange_op::space, 5, "change.arrange.d.veq"},
    {"a2d2v", arrange_op::space, 4, "change.arrange.d.veq"},
    {"a2d0v", arrange_op::space, 6, "change.arrange.d.vrm"},
};

// One bracketed change under the wait cursor: state_begin_, the change, state_save_, refreshes.
template <typename F>
void undo_step(MDI_& m, const char* undo_key, F change) {
  zaz_class_& e = m.engine();
  set_screen_cursor_(cursor_shape_::wait);
  e.state_begin_();
  change(e);
  e.state_save_(lang_text_(undo_key));
  m.ref_states_();
  m.ref_(false_, false_);
  restore_screen_cursor_();
}
}  // namespace

bool command_words_::edit_words_(MDI_& m, command_run_rec_& c) {
  zaz_class_& e = m.eng_;
  const std::string& w = c.word;
  if (w == "delete") {
    c.handled = true;
    if (e.select_info_() >= 1) undo_step(m, "change.trn.delete", [](zaz_class_& z) { z.delete_object_(0); });
  } else if (w == "bg2d" || w == "bg2ld") {
    e.bg2ldir_();  // leaves the word unhandled
  } else if (w == "c2pl" || w == "conv2pl" || w == "c2ln" || w == "conv2ln") {
    c.handled = true;
    const bool lines = w == "c2ln" || w == "conv2ln";
    undo_step(m, lines ? "change.trn.c2ln" : "change.trn.c2pl",
              [lines](zaz_class_& z) { z.conv2pl_(to_flag_(lines)); });
  } else if (w == "c2pg") {
    c.handled = true;
    undo_step(m, "change.trn.c2pl", [](zaz_class_& z) { z.conv2pg_(); });
  } else {
    return false;
  }
  return true;
}

bool command_words_::arrange_words_(MDI_& m, command_run_rec_& c) {
  const std::string& w = c.word;
  if (w == "dimstyles") {
    c.handled = true;
    m.dialogs_.show_(dlg_dimstyles_);
    m.ref_dstyles_();
    m.ref_states_();
    m.ref_(false_, false_);
    return true;
  }
  for (const arrange_word_rec& a : arrange_words) {
    if (w != a.word) continue;
    c.handled = true;
    undo_step(m, a.undo_key, [&a](zaz_class_& z) {
      z.hpoint_clear_();
      switch (a.op) {
        case arrange_op::order: z.arrange_order_(a.code); break;
        case arrange_op::align: z.arrange_align_(a.code); break;
        case arrange_op::resize: z.arrange_resize_(a.code); break;
        case arrange_op::space: z.arrange_space_(a.code); break;
      }
    });
    return true;
  }
  return false;
}
