#include "files/file_chooser.h"

#include <QDir>
#include <QFileDialog>

namespace skelmora::app {

QStringList NameFilters(const QString& filters) {
  const QStringList parts = filters.split(QLatin1Char('|'));
  QStringList out;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    out << QStringLiteral("%1 (%2)").arg(parts[i], parts[i + 1]);
  }
  return out;
}

namespace {

std::optional<ChosenFile> Run(QWidget* parent, const FileRequest& request, bool save) {
  QFileDialog dialog(parent, request.caption,
                     request.directory.isEmpty() ? QDir::currentPath() : request.directory);
  const QStringList names = NameFilters(request.filters);
  dialog.setNameFilters(names);
  // Two filters may share a pattern (the two DXF kinds); the choice is the
  // filter's position, so the dialog must keep them apart by name.
  const int index = qBound(1, request.filterIndex, static_cast<int>(names.size()));
  if (!names.isEmpty()) dialog.selectNameFilter(names[index - 1]);
  dialog.setDefaultSuffix(request.defaultSuffix);
  if (!request.defaultSuffix.isEmpty()) {
    // A typed name without an extension gets the one of the chosen filter.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog](const QString& filter) {
                       const qsizetype dot = filter.lastIndexOf(QLatin1String("*."));
                       const qsizetype close = filter.lastIndexOf(QLatin1Char(')'));
                       if (dot >= 0 && close > dot + 2) {
                         dialog.setDefaultSuffix(filter.mid(dot + 2, close - dot - 2));
                       }
                     });
  }
  if (!request.fileName.isEmpty()) dialog.selectFile(request.fileName);
  if (save) {
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
  } else {
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
  }
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  ChosenFile chosen;
  chosen.path = dialog.selectedFiles().constFirst();
  chosen.filterIndex = static_cast<int>(names.indexOf(dialog.selectedNameFilter())) + 1;
  if (chosen.filterIndex < 1) chosen.filterIndex = 1;
  return chosen;
}

}  // namespace

std::optional<ChosenFile> DialogFileChooser::ChooseOpen(QWidget* parent,
                                                        const FileRequest& request) {
  return Run(parent, request, false);
}

std::optional<ChosenFile> DialogFileChooser::ChooseSave(QWidget* parent,
                                                        const FileRequest& request) {
  return Run(parent, request, true);
}

}  // namespace skelmora::app
