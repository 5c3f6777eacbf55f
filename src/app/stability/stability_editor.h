// "Stability Data": the stability data file in a text editor, to read, copy,
// print and save under another name.
#pragma once

#include <QMainWindow>
#include <QString>

class QPlainTextEdit;

namespace skelmora::app {

class ReportPrinter;

struct AppState;
class FileChooser;

inline constexpr const char* kStabilityDataCaption = "Stability Data";
inline constexpr const char* kEditorSaveName = "stabdata.txt";

class TStabedit : public QMainWindow {
  Q_OBJECT

 public:
  TStabedit(AppState& state, ReportPrinter& printer, FileChooser& files, QString dataPath,
            QWidget* parent = nullptr);

  // Loads the data file; false after the error when it cannot be read.
  bool Load();
  // "&Save": "stabdata.txt" in the current folder.
  bool Save();
  // "Save &As...".
  bool SaveAs();
  // "&Print": the lines as text, landscape.
  bool Print();

  QPlainTextEdit* text() const { return text_; }

 private:
  bool WriteTo(const QString& path);

  AppState& state_;
  ReportPrinter& printer_;
  FileChooser& files_;
  QString dataPath_;
  QPlainTextEdit* text_ = nullptr;
};

}  // namespace skelmora::app
