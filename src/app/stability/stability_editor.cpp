#include "stability/stability_editor.h"

#include <QDir>
#include <QFileInfo>
#include <QFontDialog>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTextCursor>

#include "files/file_chooser.h"
#include "files/file_messages.h"
#include "files/text_io.h"
#include "hydro/text_printing.h"
#include "model/app_state.h"

namespace skelmora::app {

TStabedit::TStabedit(AppState& state, ReportPrinter& printer, FileChooser& files, QString dataPath,
                     QWidget* parent)
    : QMainWindow(parent),
      state_(state),
      printer_(printer),
      files_(files),
      dataPath_(std::move(dataPath)) {
  setObjectName(QStringLiteral("Stabedit"));
  setWindowTitle(QString::fromLatin1(kStabilityDataCaption));
  // A window of its own beside the modal results, which stays usable.
  setWindowFlag(Qt::Window);
  setWindowModality(Qt::NonModal);
  text_ = new QPlainTextEdit(this);
  text_->setObjectName(QStringLiteral("StabText"));
  text_->setLineWrapMode(QPlainTextEdit::NoWrap);
  text_->setFont(QFont(QStringLiteral("Monospace")));
  setCentralWidget(text_);
  resize(900, 500);

  QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
  file->addAction(QStringLiteral("&Save"), this, [this] { Save(); });
  file->addAction(QStringLiteral("Save &As..."), this, [this] { SaveAs(); });
  file->addAction(QStringLiteral("&Print"), this, [this] { Print(); });
  file->addAction(QStringLiteral("&Quit"), this, &QWidget::close);
  QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
  edit->addAction(QStringLiteral("&Cut"), text_, &QPlainTextEdit::cut);
  edit->addAction(QStringLiteral("C&opy"), text_, &QPlainTextEdit::copy);
  edit->addAction(QStringLiteral("&Paste"), text_, &QPlainTextEdit::paste);
  edit->addAction(QStringLiteral("&Delete"), this,
                  [this] { text_->textCursor().removeSelectedText(); });
  QMenu* character = menuBar()->addMenu(QStringLiteral("&Character"));
  character->addAction(QStringLiteral("&Font"), this, [this] {
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, text_->font(), this);
    if (ok) text_->setFont(font);
  });
}

bool TStabedit::Load() {
  std::string text;
  if (ReadWholeFile(dataPath_.toStdString(), text, 64u << 20) != ReadFileResult::kOk) {
    state_.prompter->ShowError("Cannot open the file: " + dataPath_.toStdString());
    return false;
  }
  // The file has CR LF line ends; the editor holds plain lines.
  QString contents = QString::fromStdString(text);
  contents.remove(QLatin1Char('\r'));
  text_->setPlainText(contents);
  return true;
}

bool TStabedit::WriteTo(const QString& path) {
  QString contents = text_->toPlainText();
  contents.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
  if (!contents.isEmpty() && !contents.endsWith(QStringLiteral("\r\n"))) contents += "\r\n";
  if (SaveFileAtomically(path.toStdString(), contents.toStdString())) return true;
  state_.prompter->ShowError(CannotSaveMessage(path.toStdString()));
  return false;
}

bool TStabedit::Save() {
  if (!WriteTo(QDir::current().filePath(QString::fromLatin1(kEditorSaveName)))) return false;
  setWindowTitle(QStringLiteral("Stability Data -> Stabdata.txt"));
  return true;
}

bool TStabedit::SaveAs() {
  FileRequest request;
  request.caption = QStringLiteral("Save As");
  request.fileName = QString::fromLatin1(kEditorSaveName);
  request.filters = QStringLiteral("Text Files|*.txt|All Files|*");
  const std::optional<ChosenFile> chosen = files_.ChooseSave(this, request);
  if (!chosen || !WriteTo(chosen->path)) return false;
  setWindowTitle(QStringLiteral("Stability Data ->") + QFileInfo(chosen->path).fileName());
  return true;
}

bool TStabedit::Print() {
  // The user picks the printer each time; the wide rows go across the long
  // side of the page, in the font the editor shows.
  ReportJob job;
  job.text = text_->toPlainText().toStdString();
  job.name = QStringLiteral("stability-data");
  job.orientation = QPageLayout::Landscape;
  job.font = text_->font();
  job.askForPrinter = true;
  return printer_.Print(this, job);
}

}  // namespace skelmora::app
