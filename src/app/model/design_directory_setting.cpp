#include "model/design_directory_setting.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace skelmora::app {

namespace {
constexpr const char* kKey = "Design Directory/Directory";
constexpr const char* kUnset = "false";
}  // namespace

QString DesignDirectorySetting::DefaultFile() {
  const QString dir = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
  return QDir(dir).filePath(QStringLiteral("s.ini"));
}

QString DesignDirectorySetting::Read() const {
  QSettings settings(file_, QSettings::IniFormat);
  return settings.value(kKey, QString::fromLatin1(kUnset)).toString();
}

void DesignDirectorySetting::Write(const QString& directory) const {
  QDir().mkpath(QFileInfo(file_).absolutePath());
  QSettings settings(file_, QSettings::IniFormat);
  settings.setValue(kKey, directory);
  settings.sync();
}

QString DesignDirectorySetting::StoredDirectory() const {
  const QString value = Read();
  if (value == QLatin1String(kUnset) || value.isEmpty() || !QFileInfo(value).isDir()) return {};
  return value;
}

}  // namespace skelmora::app
