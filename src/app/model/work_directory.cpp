#include "model/work_directory.h"

#include <QDir>
#include <QStandardPaths>

namespace skelmora::app {

namespace {
constexpr int kMaxCopies = 99;
constexpr const char* kLockName = "skelmora.lock";
}  // namespace

QString WorkDirectory::DefaultBase() {
  return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
}

std::unique_ptr<WorkDirectory> WorkDirectory::Acquire(const QString& base) {
  for (int copy = 1; copy <= kMaxCopies; ++copy) {
    const QString name = copy == 1 ? QStringLiteral("work") : QStringLiteral("work-%1").arg(copy);
    const QString path = QDir(base).filePath(name);
    if (!QDir().mkpath(path)) continue;
    auto lock = std::make_unique<QLockFile>(QDir(path).filePath(kLockName));
    // A lock left by a copy that crashed names a process that no longer
    // runs; QLockFile takes such a lock over.
    if (lock->tryLock(0)) {
      return std::unique_ptr<WorkDirectory>(new WorkDirectory(path, std::move(lock)));
    }
  }
  return nullptr;
}

}  // namespace skelmora::app
