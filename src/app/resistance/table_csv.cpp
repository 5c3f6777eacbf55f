#include "resistance/table_csv.h"

#include <QTableWidget>

#include <string>
#include <vector>

#include "files/file_chooser.h"
#include "files/text_io.h"
#include "model/prompter.h"

namespace skelmora::app {

namespace {

std::string Quoted(const std::string& cell) {
  if (cell.find_first_of(",\"\r\n") == std::string::npos) return cell;
  std::string quoted = "\"";
  for (char c : cell) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + "\"";
}

void AppendLine(std::string& csv, const std::vector<std::string>& cells) {
  for (std::size_t k = 0; k < cells.size(); ++k) {
    if (k > 0) csv += ',';
    csv += Quoted(cells[k]);
  }
  csv += "\r\n";
}

}  // namespace

std::string CsvText(const QStringList& headings, const std::vector<std::vector<std::string>>& rows) {
  std::vector<std::string> first;
  for (const QString& heading : headings) first.push_back(heading.toStdString());
  std::string csv;
  AppendLine(csv, first);
  for (const auto& row : rows) AppendLine(csv, row);
  return csv;
}

std::string TableCsv(const QTableWidget& table) {
  QStringList headings;
  for (int c = 0; c < table.columnCount(); ++c) {
    const QTableWidgetItem* heading = table.horizontalHeaderItem(c);
    headings << (heading ? heading->text().trimmed() : QString());
  }
  std::vector<std::vector<std::string>> rows;
  for (int r = 0; r < table.rowCount(); ++r) {
    std::vector<std::string>& row = rows.emplace_back();
    for (int c = 0; c < table.columnCount(); ++c) {
      const QTableWidgetItem* item = table.item(r, c);
      row.push_back(item ? item->text().trimmed().toStdString() : std::string());
    }
  }
  return CsvText(headings, rows);
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
