// The one setting kept between runs: the design directory, key "Directory"
// in section "Design Directory" of the settings file "s.ini".
#pragma once

#include <QString>

namespace skelmora::app {

class DesignDirectorySetting {
 public:
  // settingsFile: the full path of s.ini.
  explicit DesignDirectorySetting(QString settingsFile) : file_(std::move(settingsFile)) {}
  // s.ini in the per-user configuration location.
  static QString DefaultFile();

  // The stored value; "false" when the key is missing.
  QString Read() const;
  void Write(const QString& directory) const;
  // The stored directory when it names one that exists, else empty (used at
  // start, so that the open dialog starts where the user left it).
  QString StoredDirectory() const;

  const QString& file() const { return file_; }

 private:
  QString file_;
};

}  // namespace skelmora::app
