// The Output menu's writers and printouts; the work is in
// src/app/files/export_commands.cpp and the core's exchange/.
#include "files/export_commands.h"
#include "shell/main_form.h"

namespace skelmora::app {

void TMainForm::printoffsets1Click() { PrintOffsets(state_, this, *reportPrinter_, *prompter_); }

void TMainForm::printvertices1Click() { PrintVertices(state_, this, *reportPrinter_); }

void TMainForm::IGESNURBSurface1Click() {
  RunExport(state_, this, *fileChooser_, *prompter_, ExportKind::kIges);
}

void TMainForm::DXFStations1Click() {
  RunExport(state_, this, *fileChooser_, *prompter_, ExportKind::kDxfStations);
}

void TMainForm::DXFWaterlines1Click() {
  RunExport(state_, this, *fileChooser_, *prompter_, ExportKind::kDxfWaterlines);
}

void TMainForm::DXFButtocks1Click() {
  RunExport(state_, this, *fileChooser_, *prompter_, ExportKind::kDxfButtocks);
}

void TMainForm::DXFSpecialSections1Click() {
  RunExport(state_, this, *fileChooser_, *prompter_, ExportKind::kDxfSpecial);
}

void TMainForm::DXFVertices1Click() {
  RunExport(state_, this, *fileChooser_, *prompter_, ExportKind::kDxfVertices);
}

void TMainForm::DXF3DSurface1Click() {
  RunExport(state_, this, *fileChooser_, *prompter_, ExportKind::kDxfSurface);
}

void TMainForm::STLClosedHull1Click() {
  RunExport(state_, this, *fileChooser_, *prompter_, ExportKind::kStl);
}

void TMainForm::GHSGeometryFile1Click() {
  RunExport(state_, this, *fileChooser_, *prompter_, ExportKind::kGhs);
}

}  // namespace skelmora::app
