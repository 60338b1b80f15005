#include "platform/services/settings_backend.h"

#include <QSettings>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

namespace {
std::string& folder_override() {
  static std::string folder;
  return folder;
}

QString file_of(const std::string& app) {
  return QString::fromStdString(user_settings_folder_()) + "/" + QString::fromStdString(app) +
         ".ini";
}

// Section and key joined into one QSettings path; both separators mean a level of the tree.
QString path_of(const std::string& section, const std::string& key) {
  QString path = QString::fromStdString(section) + "/" + QString::fromStdString(key);
  path.replace('\\', '/');
  return path;
}
}  // namespace

std::string user_settings_folder_() {
  if (!folder_override().empty()) return folder_override();
  QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  if (base.isEmpty()) base = QStringLiteral(".");
  return (base + QStringLiteral("/arvex")).toStdString();
}

void set_user_settings_folder_(const std::string& folder) { folder_override() = folder; }

std::optional<std::string> user_setting_get_(const std::string& app, const std::string& section,
                                             const std::string& key) {
  QSettings store(file_of(app), QSettings::IniFormat);
  if (store.status() != QSettings::NoError) return std::nullopt;
  QVariant v = store.value(path_of(section, key));
  if (!v.isValid()) return std::nullopt;
  // A hand-edited value with unquoted commas comes back as a list; the program wants the text.
  if (v.typeId() == QMetaType::QStringList) return v.toStringList().join(',').toStdString();
  return v.toString().toStdString();
}

bool user_setting_put_(const std::string& app, const std::string& section, const std::string& key,
                       const std::string& value) {
  QSettings store(file_of(app), QSettings::IniFormat);
  store.setValue(path_of(section, key), QString::fromStdString(value));
  store.sync();
  return store.status() == QSettings::NoError;
}
