#include "dialogs/dimstyles/dimstyle_delete_ask.h"

#include <string>

#include "engine/zaz_class.h"
#include "platform/services/dialogs.h"
#include "shell/language.h"
#include "shell/shell_text.h"

bool ask_and_delete_dimstyle_(zaz_class_& engine, window_* owner) {
  const int16_t style = engine.dimstyle_active_();
  const std::string name = trim_blanks_(engine.dimstyles_title_(style));
  const std::string title = lang_text_("window.dimstyle.title");
  if (message_box_(lang_text_("message.dimstyledel", name), title, box_yes_no_, owner) != answer_yes_) return false;
  const int32_t users = engine.dimstyle_users_(style);
  switch (engine.dimstyle_delete_(style)) {
    case dimstyle_del_result_::deleted:
      return true;
    case dimstyle_del_result_::last:
      message_box_(lang_text_("message.dimstyleisalonecantremove"), title, box_ok_ + box_icon_info_, owner);
      return false;
    case dimstyle_del_result_::in_use:
      message_box_(lang_text_("message.dimstyleusedcantremove", name, std::to_string(users)), title,
                   box_ok_ + box_icon_info_, owner);
      return false;
    case dimstyle_del_result_::no_style:
      return false;
  }
  return false;
}
