#include "files/export_commands.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

#include "exchange/dxf_file.h"
#include "exchange/ghs_file.h"
#include "exchange/hull_mesh.h"
#include "exchange/iges_file.h"
#include "exchange/offsets_table.h"
#include "exchange/stl_file.h"
#include "files/file_messages.h"
#include "files/text_io.h"
#include "hydro/text_printing.h"
#include "model/app_state.h"

namespace skelmora::app {

namespace {

struct ExportFormat {
  const char* caption;
  const char* filters;
  const char* suffix;
  unsigned dxfFamilies;  // 0 for the other formats
};

ExportFormat FormatOf(ExportKind kind) {
  static const char* kDxf = "DXF Files|*.dxf";
  switch (kind) {
    case ExportKind::kIges:
      return {"IGES NURB Surface", "IGES Files|*.igs", "igs", 0};
    case ExportKind::kDxfStations:
      return {"DXF Stations", kDxf, "dxf", kDxfStations};
    case ExportKind::kDxfWaterlines:
      return {"DXF Waterlines", kDxf, "dxf", kDxfWaterlines};
    case ExportKind::kDxfButtocks:
      return {"DXF Buttocks", kDxf, "dxf", kDxfButtocks};
    case ExportKind::kDxfSpecial:
      return {"DXF Special Sections", kDxf, "dxf", kDxfSpecial};
    case ExportKind::kDxfVertices:
      return {"DXF Vertices", kDxf, "dxf", kDxfNet};
    case ExportKind::kDxfSurface:
      return {"DXF 3D Surface", kDxf, "dxf", kDxfSurface};
    case ExportKind::kStl:
      return {"STL Closed Hull", "STL Files|*.stl", "stl", 0};
    case ExportKind::kGhs:
      return {"GHS Geometry File", "GHS Damaged Stability File|*.GF1", "gf1", 0};
  }
  return {"", "", "", 0};
}

std::string Contents(AppState& state, ExportKind kind, const std::string& path) {
  const ExportFormat format = FormatOf(kind);
  if (format.dxfFamilies != 0) {
    DxfOptions options;
    options.families = format.dxfFamilies;
    return FormatDxf(state.design, *state.surface, *state.cuts, options);
  }
  switch (kind) {
    case ExportKind::kIges: {
      IgesOptions options;
      options.mirror = false;
      options.fileName = QFileInfo(QString::fromStdString(path)).fileName().toStdString();
      options.timeStamp =
          QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd.HHmmss")).toStdString();
      return FormatIges(state.design, *state.surface, options);
    }
    case ExportKind::kStl:
      return FormatBinaryStl(BuildHullMesh(*state.surface), state.design.Units);
    case ExportKind::kGhs:
      return FormatGhs(state.design, *state.surface, *state.cuts);
    default:
      return {};
  }
}

bool Write(const std::string& path, const std::string& contents, Prompter& prompter) {
  if (SaveFileAtomically(path, contents)) return true;
  prompter.ShowError(CannotSaveMessage(path));
  return false;
}

}  // namespace

bool RunExport(AppState& state, QWidget* parent, FileChooser& files, Prompter& prompter,
               ExportKind kind, QString* written) {
  if (!state.design.DesignOpen) return false;
  const ExportFormat format = FormatOf(kind);
  FileRequest request;
  request.caption = QString::fromLatin1(format.caption);
  QFileInfo design(QString::fromStdString(state.design.DesignFileName));
  request.directory = design.absolutePath();
  request.fileName = design.completeBaseName() + QLatin1Char('.') + QLatin1String(format.suffix);
  request.filters = QLatin1String(format.filters);
  request.defaultSuffix = QLatin1String(format.suffix);
  const std::optional<ChosenFile> chosen = files.ChooseSave(parent, request);
  if (!chosen) return false;
  const std::string path = chosen->path.toStdString();
  // The writers read the extents (placements, the hull's ends): take them afresh.
  state.Regenerate(Change::kExtents);
  if (!Write(path, Contents(state, kind, path), prompter)) return false;
  if (written) *written = QFileInfo(chosen->path).absoluteFilePath();
  return true;
}

QString ExportedMessage(ExportKind kind, const QString& path) {
  const QFileInfo file(path);
  return QStringLiteral("%1 written to %2 (%3 bytes)")
      .arg(QString::fromLatin1(FormatOf(kind).caption), QDir::toNativeSeparators(path),
           QString::number(file.size()));
}

std::string OffsetsText(AppState& state) {
  state.Regenerate(Change::kExtents);
  return FormatOffsetTable(state.design, ComputeOffsetTable(state.design, *state.surface, *state.cuts));
}

std::string VerticesText(AppState& state) { return FormatVertexTable(state.design); }

bool SaveOffsetsText(AppState& state, const std::string& path, Prompter& prompter) {
  return Write(path, OffsetsText(state), prompter);
}

bool PrintOffsets(AppState& state, QWidget* parent, ReportPrinter& printer, Prompter& prompter) {
  if (!state.design.DesignOpen) return false;
  if (!state.design.ShowStations || !state.design.ShowWaterlines) {
    prompter.ShowError(kOffsetsGuardMessage);
    return false;
  }
  return printer.Print(parent, {.text = OffsetsText(state), .name = QStringLiteral("offsets")});
}

bool PrintVertices(AppState& state, QWidget* parent, ReportPrinter& printer) {
  if (!state.design.DesignOpen) return false;
  return printer.Print(parent, {.text = VerticesText(state), .name = QStringLiteral("vertices")});
}

}  // namespace skelmora::app
