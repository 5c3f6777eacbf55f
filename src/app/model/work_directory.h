// The per-user directory that holds the undo history and the work files.
// Each running copy locks the one it uses, so two copies never write into
// the same history: the first takes <base>/work, a second <base>/work-2,
// and so on.
#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

namespace skelmora::app {

class WorkDirectory {
 public:
  // Takes the first unlocked directory under base (created as needed).
  // Returns null when none of the first 99 can be created and locked.
  static std::unique_ptr<WorkDirectory> Acquire(const QString& base);
  // The base in the per-user application data location.
  static QString DefaultBase();

  const QString& path() const { return path_; }

 private:
  WorkDirectory(QString path, std::unique_ptr<QLockFile> lock)
      : path_(std::move(path)), lock_(std::move(lock)) {}

  QString path_;
  std::unique_ptr<QLockFile> lock_;  // released when the program ends
};

}  // namespace skelmora::app
