// Modal boxes and common dialogs, all through one gate that scripted replies can answer.
#include "platform/services/dialogs.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QGuiApplication>
#include <QInputDialog>
#include <QMenu>
#include <QMessageBox>
#include <QStringList>

#include <deque>

#include "platform/window/window.h"
#include "platform/window/window_widget.h"

namespace {

std::deque<dialog_reply_> replies;
std::vector<dialog_request_> requests;
int scripting = -1;  // -1 until decided from the platform

QWidget* owner_widget(window_* owner) {
  if (owner && owner->widget_()) return owner->widget_()->window();
  if (window_* a = active_window_(); a && a->widget_()) return a->widget_()->window();
  return nullptr;
}

// The gate: a queued reply answers the dialog; with scripting on and none queued the dialog
// is cancelled. Returns true when the reply (or the cancellation) stands for the dialog.
bool scripted(dialog_request_ req, dialog_reply_& reply) {
  if (!dialog_scripting_() && replies.empty()) return false;
  if (!replies.empty() && (replies.front().kind == dialog_kind_::any || replies.front().kind == req.kind)) {
    reply = replies.front();
    replies.pop_front();
    req.answered = true;
  } else {
    reply = dialog_reply_();
    reply.cancel = true;
    reply.answer = 0;  // the caller turns this into its own cancel answer
    req.answered = false;
  }
  requests.push_back(std::move(req));
  return true;
}

// What closing a box means for its button set.
int32_t closing_answer(int32_t buttons) {
  switch (buttons) {
    case box_ok_cancel_: case box_yes_no_cancel_: return answer_cancel_;
    case box_yes_no_: return answer_no_;
    default: return answer_ok_;
  }
}

bool answer_fits(int32_t answer, int32_t buttons) {
  switch (buttons) {
    case box_ok_cancel_: return answer == answer_ok_ || answer == answer_cancel_;
    case box_yes_no_cancel_: return answer == answer_yes_ || answer == answer_no_ || answer == answer_cancel_;
    case box_yes_no_: return answer == answer_yes_ || answer == answer_no_;
    default: return answer == answer_ok_;
  }
}

// "Text|*.a;*.b|Other|*.c" as Qt's name filters "Text (*.a *.b)".
QStringList name_filters(const std::string& filter) {
  const QStringList parts = QString::fromStdString(filter).trimmed().split(QLatin1Char('|'));
  QStringList out;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QString patterns = parts[i + 1].trimmed();
    patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
    out << QStringLiteral("%1 (%2)").arg(parts[i].trimmed(), patterns);
  }
  return out;
}

// "*.zaz", ".zaz" and "zaz" all mean the suffix "zaz".
QString suffix_of(const std::string& ext) {
  QString s = QString::fromStdString(ext).trimmed();
  while (s.startsWith(QLatin1Char('*')) || s.startsWith(QLatin1Char('.'))) s.remove(0, 1);
  return s;
}

std::string file_dialog(window_* owner, const std::string& filter, const std::string& ext, bool save,
                        int32_t* filter_index) {
  QFileDialog dlg(owner_widget(owner));
  dlg.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dlg.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  const QStringList filters = name_filters(filter);
  if (!filters.isEmpty()) dlg.setNameFilters(filters);
  dlg.setDefaultSuffix(suffix_of(ext));
  if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return {};
  if (filter_index) *filter_index = static_cast<int32_t>(filters.indexOf(dlg.selectedNameFilter()) + 1);
  return dlg.selectedFiles().front().toStdString();
}

}  // namespace

void set_dialog_scripting_(bool on) { scripting = on ? 1 : 0; }

bool dialog_scripting_() {
  if (scripting < 0) {
    const QString p = qGuiApp ? QGuiApplication::platformName() : QString();
    return p.isEmpty() || p == QLatin1String("offscreen") || p == QLatin1String("minimal");
  }
  return scripting == 1;
}

void push_dialog_reply_(const dialog_reply_& reply) { replies.push_back(reply); }
size_t pending_dialog_replies_() { return replies.size(); }
void clear_dialog_replies_() { replies.clear(); }

std::vector<dialog_request_> take_dialog_requests_() {
  std::vector<dialog_request_> out;
  out.swap(requests);
  return out;
}

int32_t message_box_(const std::string& text, const std::string& title, int32_t style, window_* owner) {
  const int32_t buttons = style & 15;
  const int32_t icon = style & 0x70;
  dialog_reply_ r;
  if (scripted({dialog_kind_::message_box, text, title, style, false}, r))
    return answer_fits(r.answer, buttons) ? r.answer : closing_answer(buttons);
  QMessageBox box(owner_widget(owner));
  box.setText(QString::fromStdString(text));
  box.setWindowTitle(QString::fromStdString(title));
  box.setIcon(icon == box_icon_error_ ? QMessageBox::Critical
              : icon == box_icon_question_ ? QMessageBox::Question
              : icon == box_icon_warning_ ? QMessageBox::Warning
              : icon == box_icon_info_ ? QMessageBox::Information : QMessageBox::NoIcon);
  switch (buttons) {
    case box_ok_cancel_: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    case box_yes_no_cancel_: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel); break;
    case box_yes_no_: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    default: box.setStandardButtons(QMessageBox::Ok);
  }
  box.exec();
  switch (box.standardButton(box.clickedButton())) {
    case QMessageBox::Ok: return answer_ok_;
    case QMessageBox::Yes: return answer_yes_;
    case QMessageBox::No: return answer_no_;
    case QMessageBox::Cancel: return answer_cancel_;
    default: return closing_answer(buttons);
  }
}

std::string input_box_(const std::string& prompt, const std::string& title, const std::string& default_text,
                       window_* owner, bool* cancelled) {
  dialog_reply_ r;
  if (scripted({dialog_kind_::input_box, prompt, title, 0, false}, r)) {
    if (cancelled) *cancelled = r.cancel;
    return r.cancel ? std::string() : r.text;
  }
  bool ok = false;
  const QString s = QInputDialog::getText(owner_widget(owner), QString::fromStdString(title),
                                          QString::fromStdString(prompt), QLineEdit::Normal,
                                          QString::fromStdString(default_text), &ok);
  if (cancelled) *cancelled = !ok;
  return ok ? s.toStdString() : std::string();
}

std::string open_file_path_(window_* owner, const std::string& filter, const std::string& default_ext) {
  dialog_reply_ r;
  if (scripted({dialog_kind_::open_file, filter, default_ext, 0, false}, r)) return r.cancel ? std::string() : r.text;
  return file_dialog(owner, filter, default_ext, false, nullptr);
}

std::string save_file_path_(window_* owner, const std::string& filter, const std::string& default_ext,
                            int32_t& filter_index) {
  filter_index = 0;
  dialog_reply_ r;
  if (scripted({dialog_kind_::save_file, filter, default_ext, 0, false}, r)) {
    if (r.cancel) return {};
    // Only a pair that the filter holds can have been chosen.
    const int32_t pairs = static_cast<int32_t>(name_filters(filter).size());
    filter_index = r.filter_index >= 1 && r.filter_index <= pairs ? r.filter_index : (pairs > 0 ? 1 : 0);
    return r.text;
  }
  return file_dialog(owner, filter, default_ext, true, &filter_index);
}

int32_t choose_colour_(window_* owner, int32_t initial) {
  dialog_reply_ r;
  if (scripted({dialog_kind_::colour, {}, {}, 0, false}, r))
    return r.cancel ? -1 : static_cast<int32_t>(static_cast<uint32_t>(r.colour) & 0xFFFFFFu);
  const QColor start = initial >= 0 ? QColor(initial & 0xFF, (initial >> 8) & 0xFF, (initial >> 16) & 0xFF) : QColor(Qt::black);
  const QColor c = QColorDialog::getColor(start, owner_widget(owner));
  if (!c.isValid()) return -1;
  return c.red() | (c.green() << 8) | (c.blue() << 16);
}

bool choose_font_(window_* owner, const std::string& initial_face, font_choice_& chosen) {
  dialog_reply_ r;
  if (scripted({dialog_kind_::font, initial_face, {}, 0, false}, r)) {
    if (r.cancel) return false;
    chosen = r.font;
    return true;
  }
  bool ok = false;
  QFont start(QString::fromStdString(initial_face));
  start.setPointSize(12);
  const QFont f = QFontDialog::getFont(&ok, start, owner_widget(owner));
  if (!ok) return false;
  chosen.face = f.family().toStdString();
  chosen.bold = f.weight() >= QFont::Bold;
  chosen.italic = f.italic();
  chosen.underline = f.underline();
  return true;
}

int32_t context_menu_(window_* owner, int32_t screen_x, int32_t screen_y, const std::vector<menu_item_>& items) {
  auto choosable = [&](int32_t n) {
    return n >= 1 && n <= static_cast<int32_t>(items.size()) && items[n - 1].enabled && !items[n - 1].separator;
  };
  std::string captions;
  for (const menu_item_& i : items) captions += (captions.empty() ? "" : "|") + (i.separator ? std::string("-") : i.caption);
  dialog_reply_ r;
  if (scripted({dialog_kind_::context_menu, captions, {}, 0, false}, r))
    return !r.cancel && choosable(r.answer) ? r.answer : 0;
  QMenu menu(owner_widget(owner));
  std::vector<QAction*> actions;
  for (const menu_item_& i : items) {
    QAction* a = i.separator ? menu.addSeparator() : menu.addAction(QString::fromStdString(i.caption));
    a->setEnabled(i.enabled && !i.separator);
    actions.push_back(a);
  }
  QAction* chosen = menu.exec(QPoint(screen_x, screen_y));
  for (size_t n = 0; n < actions.size(); ++n)
    if (actions[n] == chosen && choosable(static_cast<int32_t>(n + 1))) return static_cast<int32_t>(n + 1);
  return 0;
}
