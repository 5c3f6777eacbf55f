// "Save Table..." for any window with a table: the headings and the cells as
// shown, as comma-separated values. Other calculation windows can take it up
// with one button.
#pragma once

#include <QString>
#include <QStringList>
#include <string>
#include <vector>

class QTableWidget;
class QWidget;

namespace skelmora {
class Prompter;
}

namespace skelmora::app {

class FileChooser;

// Headings on the first line, then one line per row; cells are trimmed and
// quoted when they hold a comma, a quote or a line break. Lines end in CR LF.
std::string TableCsv(const QTableWidget& table);

// The headings and rows as CSV text (CR LF lines; a cell holding a comma, a
// quote or a line end is quoted).
std::string CsvText(const QStringList& headings, const std::vector<std::vector<std::string>>& rows);

// Asks for a .csv name (proposing `name`) and writes the table there,
// replacing the file only when the whole text was written. False when
// cancelled or when writing failed (the failure shown through prompter).
bool SaveTableCsv(QWidget* parent, const QTableWidget& table, FileChooser& files,
                  Prompter& prompter, const QString& name);

}  // namespace skelmora::app
