// The Output menu's writers and printouts; the work is in
// src/app/files/export_commands.cpp and the core's exchange/.
#include "files/export_commands.h"
#include "shell/main_form.h"

namespace skelmora::app {

namespace {

// The status bar's line for an export that was written, else empty.
QString Exported(AppState& state, QWidget* parent, FileChooser& files, Prompter& prompter,
                 ExportKind kind) {
  QString written;
  return RunExport(state, parent, files, prompter, kind, &written) ? ExportedMessage(kind, written)
                                                                   : QString();
}

}  // namespace

void TMainForm::printoffsets1Click() { PrintOffsets(state_, this, *reportPrinter_, *prompter_); }

void TMainForm::printvertices1Click() { PrintVertices(state_, this, *reportPrinter_); }

void TMainForm::IGESNURBSurface1Click() {
  const QString said = Exported(state_, this, *fileChooser_, *prompter_, ExportKind::kIges);
  if (!said.isEmpty()) Status(said);
}

void TMainForm::DXFStations1Click() {
  const QString said = Exported(state_, this, *fileChooser_, *prompter_, ExportKind::kDxfStations);
  if (!said.isEmpty()) Status(said);
}

void TMainForm::DXFWaterlines1Click() {
  const QString said = Exported(state_, this, *fileChooser_, *prompter_, ExportKind::kDxfWaterlines);
  if (!said.isEmpty()) Status(said);
}

void TMainForm::DXFButtocks1Click() {
  const QString said = Exported(state_, this, *fileChooser_, *prompter_, ExportKind::kDxfButtocks);
  if (!said.isEmpty()) Status(said);
}

void TMainForm::DXFSpecialSections1Click() {
  const QString said = Exported(state_, this, *fileChooser_, *prompter_, ExportKind::kDxfSpecial);
  if (!said.isEmpty()) Status(said);
}

void TMainForm::DXFVertices1Click() {
  const QString said = Exported(state_, this, *fileChooser_, *prompter_, ExportKind::kDxfVertices);
  if (!said.isEmpty()) Status(said);
}

void TMainForm::DXF3DSurface1Click() {
  const QString said = Exported(state_, this, *fileChooser_, *prompter_, ExportKind::kDxfSurface);
  if (!said.isEmpty()) Status(said);
}

void TMainForm::STLClosedHull1Click() {
  const QString said = Exported(state_, this, *fileChooser_, *prompter_, ExportKind::kStl);
  if (!said.isEmpty()) Status(said);
}

void TMainForm::GHSGeometryFile1Click() {
  const QString said = Exported(state_, this, *fileChooser_, *prompter_, ExportKind::kGhs);
  if (!said.isEmpty()) Status(said);
}

}  // namespace skelmora::app
