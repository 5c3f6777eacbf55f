#include "resistance/table_csv.h"

#include <QTableWidget>

#include "files/file_chooser.h"
#include "files/text_io.h"
#include "model/prompter.h"

namespace skelmora::app {

namespace {

std::string Quoted(const QString& text) {
  const std::string cell = text.trimmed().toStdString();
  if (cell.find_first_of(",\"\r\n") == std::string::npos) return cell;
  std::string quoted = "\"";
  for (char c : cell) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + "\"";
}

}  // namespace

std::string TableCsv(const QTableWidget& table) {
  std::string csv;
  auto line = [&](auto cellText) {
    for (int c = 0; c < table.columnCount(); ++c) {
      if (c > 0) csv += ',';
      csv += Quoted(cellText(c));
    }
    csv += "\r\n";
  };
  line([&](int c) {
    const QTableWidgetItem* heading = table.horizontalHeaderItem(c);
    return heading ? heading->text() : QString();
  });
  for (int r = 0; r < table.rowCount(); ++r) {
    line([&](int c) {
      const QTableWidgetItem* item = table.item(r, c);
      return item ? item->text() : QString();
    });
  }
  return csv;
}

bool SaveTableCsv(QWidget* parent, const QTableWidget& table, FileChooser& files,
                  Prompter& prompter, const QString& name) {
  FileRequest request;
  request.caption = QStringLiteral("Save Table");
  request.fileName = name;
  request.filters = QStringLiteral("Comma-separated values|*.csv|All files|*");
  request.defaultSuffix = QStringLiteral("csv");
  const auto chosen = files.ChooseSave(parent, request);
  if (!chosen) return false;
  if (!SaveFileAtomically(chosen->path.toStdString(), TableCsv(table))) {
    prompter.ShowError("The table could not be written to " + chosen->path.toStdString());
    return false;
  }
  return true;
}

}  // namespace skelmora::app
