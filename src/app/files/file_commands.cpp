#include "files/file_commands.h"

#include <QDir>
#include <QFileInfo>
#include <memory>

#include "editing/new_offset_dialog.h"
#include "files/export_commands.h"
#include "fairing/hull_spreadsheet.h"
#include "shapes/deck.h"
#include "files/design_file.h"
#include "files/file_format_dialog.h"
#include "files/file_messages.h"
#include "files/ghs_import.h"
#include "files/iges_import.h"
#include "files/markers.h"
#include "files/text_io.h"
#include "model/undo.h"
#include "views/picking.h"

namespace skelmora::app {

namespace {

bool HasExtension(const QString& path, const char* extension) {
  return QFileInfo(path).suffix().compare(QLatin1String(extension), Qt::CaseInsensitive) == 0;
}

std::optional<NewDesignKind> RunNewTypeDialog(QWidget* parent) {
  TNewTypeDlg dialog(parent);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.choice();
}

// After a design file is read. The geometry imports' reset (ApplyImportReset)
// would empty the special sections, the highlight and the view switches the
// file holds, and the next save would drop them; here only what belongs to
// this session goes: a highlight pick still waiting, and the reference hull,
// which no design file brings in.
void KeepFileContentsReset(HullDesign& design) {
  design.HighlightPending = false;
  design.RefHullShown = false;
}

OlderVersion RunFileFormatDialog(QWidget* parent) {
  Tfileformatdlg dialog(parent);
  dialog.exec();
  return dialog.choice();
}

}  // namespace

FileCommands::FileCommands(AppState& state, FileChooser& files, Prompter& prompter,
                           SavedBaseline& baseline, FileCommandHost& host, QWidget* dialogParent)
    : chooseNewKind(RunNewTypeDialog),
      chooseNewHull(RunNewHullDialog),
      chooseNewShape(RunNewShapeDialog),
      chooseOlderVersion(RunFileFormatDialog),
      state_(state),
      files_(files),
      prompter_(prompter),
      baseline_(baseline),
      host_(host),
      parent_(dialogParent) {}

QString FileCommands::StartDirectory() const {
  return QString::fromStdString(state_.design.DesignDirectory);
}

FileRequest FileCommands::OpenRequest(int filterIndex) const {
  FileRequest request;
  request.caption = QStringLiteral("Open");
  request.directory = StartDirectory();
  request.filters = QLatin1String(kOpenFilters);
  request.filterIndex = filterIndex;
  request.defaultSuffix = QStringLiteral("s98");
  return request;
}

void FileCommands::ForgetPreviousDesign() {
  ResetHistory(state_.design);
  freshName_.clear();
  // Pick modes and a single-line restriction belong to the net they were
  // set for.
  state_.interaction.armed = ArmedMode::kNone;
  CancelPress(state_.interaction);
  state_.viewOptions.singleLine = SingleLine{};
}

bool FileCommands::ReadHull(const QString& path) {
  HullDesign& design = state_.design;
  std::string message;
  // The reader commits only a sound file: a refused one leaves the open
  // design, its file name and its history exactly as they were.
  if (!ReadDesignFile(design, *state_.surface, path.toStdString(), message)) {
    prompter_.ShowError(message);
    return false;
  }
  TakeReadDesign(path);
  return true;
}

void FileCommands::TakeReadDesign(const QString& path) {
  HullDesign& design = state_.design;
  design.DesignFileName = QFileInfo(path).absoluteFilePath().toStdString();
  ForgetPreviousDesign();
  KeepFileContentsReset(design);
  state_.Regenerate(Change::kExtents);
  baseline_.Remember(design, *state_.surface);
  host_.DesignReplaced();
}

OlderRead FileCommands::ReadOlder(const QString& path) {
  HullDesign& design = state_.design;
  std::string message;
  const OlderRead result =
      ReadOlderFile(design, *state_.surface, path.toStdString(), prompter_, message);
  switch (result) {
    case OlderRead::kRead:
      TakeReadDesign(path);
      break;
    case OlderRead::kRefused:
      prompter_.ShowError(message);
      break;
    case OlderRead::kCurrent:
      // The file now has its right name and the user was told to reopen it;
      // the design that was open is closed.
      design.DesignFileName.clear();
      ForgetPreviousDesign();
      baseline_.Forget();
      host_.UpdateCaption();
      host_.UpdateUndoState();
      host_.AttachmentsChanged();
      host_.RepaintOpenViews();
      break;
  }
  return result;
}

bool FileCommands::WriteOlder(HullDesign& design, const std::string& path) {
  return SaveOlderFile(design, path, prompter_,
                       [this] { return chooseOlderVersion(parent_); });
}

bool FileCommands::SaveChangesFirst() {
  const HullDesign& design = state_.design;
  if (!baseline_.Differs(design, *state_.surface)) return true;
  const std::string name =
      design.DesignFileName.empty() ? std::string("the new design") : design.DesignFileName;
  const int answer = prompter_.AskYesNoCancel("Save changes to " + name + "?");
  if (answer < 0) return false;
  return answer == 0 || Save();
}

bool FileCommands::Open() {
  if (!SaveChangesFirst()) return false;
  for (;;) {
    const std::optional<ChosenFile> chosen = files_.ChooseOpen(parent_, OpenRequest(kOpenDesign));
    if (!chosen) return false;
    switch (chosen->filterIndex) {
      case kOpenDesign:
        if (ReadHull(chosen->path)) return true;
        break;
      case kOpenOlder:
        // A current-format file was renamed: the user reopens it.
        if (ReadOlder(chosen->path) != OlderRead::kRefused) return true;
        break;
      default:
        prompter_.ShowError(kNotHullFileMessage);
        break;
    }
  }
}

bool FileCommands::OpenPath(const QString& path) {
  if (HasExtension(path, "s98")) return ReadHull(path);
  if (HasExtension(path, "shl")) return ReadOlder(path) == OlderRead::kRead;
  prompter_.ShowError(kNotHullFileMessage);
  return false;
}

bool FileCommands::Save() {
  HullDesign& design = state_.design;
  if (!design.DesignOpen) return false;
  if (design.DesignFileName.empty()) return SaveAs();
  if (!freshName_.empty() && design.DesignFileName == freshName_ &&
      QFileInfo::exists(QString::fromStdString(freshName_)) &&
      !prompter_.AskYesNo(ReplaceFileQuestion(freshName_))) {
    return SaveAs();
  }
  const std::string before = design.DesignFileName;
  // A design from a ".shl" file is offered the conversion; No writes the
  // older format under its name.
  SaveOptions options;
  options.writeOlder = [this](HullDesign& d, const std::string& path, std::string& message) {
    message.clear();  // the older branch shows its own errors
    return WriteOlder(d, path);
  };
  if (!SaveDesign(design, prompter_, options)) return false;
  if (design.DesignFileName != before) host_.UpdateCaption();
  freshName_.clear();
  baseline_.Remember(design, *state_.surface);
  host_.UpdateUndoState();
  return true;
}

bool FileCommands::SaveConfirmed() {
  if (!state_.design.DesignOpen) return false;
  // Past the question it is File › Save, the older-format choice included.
  if (!prompter_.AskYesNo(kSaveToDiskQuestion)) return false;
  return Save();
}

bool FileCommands::SaveUnder(const QString& path) {
  HullDesign& design = state_.design;
  const std::string before = design.DesignFileName;
  design.DesignFileName = path.toStdString();
  if (!SaveDesign(design, prompter_, SaveOptions{})) {
    design.DesignFileName = before;
    return false;
  }
  host_.UpdateCaption();
  freshName_.clear();
  baseline_.Remember(design, *state_.surface);
  host_.UpdateUndoState();
  return true;
}

bool FileCommands::WriteMarkerCopy(const QString& chosen) {
  const std::string path = MarkerFileNameFor(chosen.toStdString());
  if (!SaveFileAtomically(path, FormatMarkerText(state_.design))) {
    prompter_.ShowError(CannotSaveMessage(path));
    return false;
  }
  return true;
}

bool FileCommands::SaveAs() {
  HullDesign& design = state_.design;
  if (!design.DesignOpen) return false;
  FileRequest request;
  request.caption = QStringLiteral("Save As");
  request.directory = design.DesignFileName.empty()
                          ? StartDirectory()
                          : QFileInfo(QString::fromStdString(design.DesignFileName)).absolutePath();
  request.fileName = QString::fromStdString(design.DesignFileName);
  request.filters = QLatin1String(kSaveFilters);
  request.filterIndex = kSaveDesign;
  request.defaultSuffix = QStringLiteral("s98");
  const std::optional<ChosenFile> chosen = files_.ChooseSave(parent_, request);
  if (!chosen) return false;
  switch (chosen->filterIndex) {
    case kSaveDesign: {
      QString path = QFileInfo(chosen->path).absoluteFilePath();
      // A name without ".s98" would be taken for an older file.
      if (!path.contains(QLatin1String(".s98"), Qt::CaseInsensitive)) {
        path += QLatin1String(".s98");
      }
      return SaveUnder(path);
    }
    case kSaveMarkers:
      return WriteMarkerCopy(chosen->path);
    case kSaveOlder: {
      QString path = QFileInfo(chosen->path).absoluteFilePath();
      if (!path.endsWith(QLatin1String(".shl"), Qt::CaseInsensitive)) {
        path += QLatin1String(".shl");
      }
      if (!WriteOlder(design, path.toStdString())) return false;
      ResetHistory(design);
      host_.UpdateCaption();
      baseline_.Remember(design, *state_.surface);
      host_.UpdateUndoState();
      return true;
    }
    default:
      return SaveOffsetsText(state_, chosen->path.toStdString(), prompter_);
  }
}

bool FileCommands::ImportIges() {
  if (!SaveChangesFirst()) return false;
  for (;;) {
    const std::optional<ChosenFile> chosen = files_.ChooseOpen(parent_, OpenRequest(kOpenIges));
    if (!chosen) return false;
    if (chosen->filterIndex != kOpenIges) {
      prompter_.ShowError(kNotIgesFileMessage);
      continue;
    }
    std::string message;
    // A refused file (no surface, a net too large) changes nothing.
    if (!ImportIgesFile(state_.design, *state_.surface,
                        QFileInfo(chosen->path).absoluteFilePath().toStdString(), prompter_,
                        message)) {
      prompter_.ShowError(message);
      return false;
    }
    ForgetPreviousDesign();
    state_.Regenerate(Change::kExtents);
    // No design file holds the import yet.
    baseline_.Forget();
    host_.DesignReplaced();
    return true;
  }
}

bool FileCommands::ImportGhs() {
  HullDesign& design = state_.design;
  if (!design.DesignOpen) {
    prompter_.ShowInformation(kGhsNeedsDesignMessage);
    return false;
  }
  FileRequest request;
  request.caption = QStringLiteral("Open GHS Files");
  request.directory = StartDirectory();
  request.filters = QStringLiteral("GHS Damaged Stability File|*.GF1");
  request.defaultSuffix = QStringLiteral("gf1");
  const std::optional<ChosenFile> chosen = files_.ChooseOpen(parent_, request);
  if (!chosen) return false;
  const std::string work = state_.history.Directory().string();
  if (work.empty()) {
    prompter_.ShowError("There is no work directory to hold the reference hull.");
    return false;
  }
  std::string message;
  const GhsConvert result =
      ImportGhsFile(design, chosen->path.toStdString(), work, prompter_, message);
  switch (result) {
    case GhsConvert::kDone:
      state_.attached.referenceHull =
          ReadReferenceHull((state_.history.Directory() / kGhsPointFile).string());
      break;
    case GhsConvert::kCancelled:
      state_.attached.referenceHull.clear();
      break;
    case GhsConvert::kFailed:
      prompter_.ShowError(message);
      return false;
  }
  host_.AttachmentsChanged();
  host_.RepaintOpenViews();
  return result == GhsConvert::kDone;
}

void FileCommands::ReadMarkerFile() {
  HullDesign& design = state_.design;
  if (!design.DesignOpen) {
    prompter_.ShowError(kMarkerNeedsDesignMessage);
    return;
  }
  const std::optional<ChosenFile> chosen = files_.ChooseOpen(parent_, OpenRequest(kOpenMarkers));
  if (!chosen) return;
  design.MarkerFileName = chosen->path.toStdString();
  design.MarkersShown = true;
  host_.AttachmentsChanged();
  // The views read the file at every paint and report a bad one.
  host_.RepaintOpenViews();
}

void FileCommands::SetMarkersDrawn(bool drawn) {
  HullDesign& design = state_.design;
  if (!design.DesignOpen || design.MarkerFileName.empty()) return;
  design.MarkersShown = drawn;
  host_.AttachmentsChanged();
  host_.RepaintOpenViews();
}

void FileCommands::CloseMarkerFile() {
  if (!state_.design.MarkersShown) return;
  state_.design.MarkersShown = false;
  host_.AttachmentsChanged();
  host_.RepaintOpenViews();
}

void FileCommands::CloseReferenceHull() {
  if (!state_.design.RefHullShown) return;
  state_.design.RefHullShown = false;
  host_.AttachmentsChanged();
  host_.RepaintOpenViews();
}

void FileCommands::CloseKeelRudder() {
  HullDesign& design = state_.design;
  if (!design.KeelRudderShown) return;
  design.KeelRudderShown = false;
  // The parts widened the fit boxes downwards.
  state_.Regenerate(Change::kExtents);
  host_.AttachmentsChanged();
  host_.RefitViews();
  host_.RepaintOpenViews();
}

void FileCommands::New() {
  if (!SaveChangesFirst()) return;
  const std::optional<NewDesignKind> kind = chooseNewKind(parent_);
  if (!kind) return;
  switch (*kind) {
    case NewDesignKind::kVerticesToMarkers:
      ConvertVerticesToMarkers();
      break;
    case NewDesignKind::kDeck:
      CreateDeck();
      break;
    case NewDesignKind::kOffsetTable:
      NewFromOffsets();
      break;
    case NewDesignKind::kParametricHull:
      NewParametricHull();
      break;
    case NewDesignKind::kParametricShape:
      NewParametricShape();
      break;
    default:
      // Offered only once built (the chooser shows them disabled).
      prompter_.ShowInformation("This kind of new design comes in a later version.");
      break;
  }
}

QString FileCommands::ChooseHull(HullDesign& hull, Surface& surface) {
  for (;;) {
    const std::optional<ChosenFile> chosen = files_.ChooseOpen(parent_, OpenRequest(kOpenDesign));
    if (!chosen) return {};
    std::string message;
    if (chosen->filterIndex == kOpenOlder) {
      // A renamed current-format file is told about and the dialog reopens.
      const OlderRead read =
          ReadOlderFile(hull, surface, chosen->path.toStdString(), prompter_, message);
      if (read == OlderRead::kRead) return QFileInfo(chosen->path).absoluteFilePath();
      if (read == OlderRead::kRefused) prompter_.ShowError(message);
      continue;
    }
    if (chosen->filterIndex != kOpenDesign) {
      prompter_.ShowError(kNotHullTypeMessage);
      continue;
    }
    if (ReadDesignFile(hull, surface, chosen->path.toStdString(), message)) {
      return QFileInfo(chosen->path).absoluteFilePath();
    }
    prompter_.ShowError(message);
  }
}

void FileCommands::CreateDeck() {
  auto hull = std::make_unique<HullDesign>(state_.design);
  auto surface = std::make_unique<Surface>();
  const QString hullPath = ChooseHull(*hull, *surface);
  // Nothing changes unless the deck is made: a refusal or a cancelled
  // camber leaves the open design as it was.
  if (hullPath.isEmpty() || !AddDeck(*hull, prompter_)) return;

  HullDesign& design = state_.design;
  design = std::move(*hull);
  design.DesignFileName = DeckFileName(hullPath.toStdString());
  design.MarkersShown = false;
  design.KeelRudderShown = false;
  ForgetPreviousDesign();
  ApplyNewDesignDefaults(design);
  design.ShowVertexNet = true;
  design.DesignOpen = true;
  for (ViewId view : {kBodyView, kPlanView, kProfileView, kPerspectiveView}) {
    SetViewOpen(design, view, true);
  }
  state_.Regenerate(Change::kTopology);
  // No file holds the deck yet.
  baseline_.Forget();
  freshName_ = design.DesignFileName;
  host_.DesignReplaced();
}

void FileCommands::ConvertVerticesToMarkers() {
  auto hull = std::make_unique<HullDesign>(state_.design);
  auto surface = std::make_unique<Surface>();
  const QString hullPath = ChooseHull(*hull, *surface);
  if (hullPath.isEmpty()) return;

  FileRequest request;
  request.caption = QStringLiteral("Save As");
  request.directory = QFileInfo(hullPath).absolutePath();
  request.fileName = QString::fromStdString(MarkerFileNameFor(hullPath.toStdString()));
  request.filters = QLatin1String(kSaveFilters);
  request.filterIndex = kSaveMarkers;
  request.defaultSuffix = QStringLiteral("mkr");
  const std::optional<ChosenFile> target = files_.ChooseSave(parent_, request);
  // Without a marker file name the command ends; the open design stays.
  if (!target) return;
  if (!WriteMarkersFromVertices(*hull, target->path.toStdString())) {
    prompter_.ShowError(CannotSaveMessage(MarkerFileNameFor(target->path.toStdString())));
    return;
  }

  HullDesign& design = state_.design;
  design = std::move(*hull);
  *state_.surface = *surface;
  design.DesignFileName = hullPath.toStdString();
  design.ShowStations = true;
  ForgetPreviousDesign();
  ApplyNewDesignDefaults(design);
  SetViewOpen(design, kPerspectiveView, false);
  state_.Regenerate(Change::kExtents);
  baseline_.Remember(design, *state_.surface);
  host_.DesignReplaced();
  host_.CloseView(kPerspectiveView);
  host_.TileViews();
}

void FileCommands::NewFromOffsets() {
  HullDesign& design = state_.design;
  auto previous = std::make_unique<HullDesign>(design);
  {
    // OK builds the box net into the design; Cancel leaves it untouched.
    Tnewoffsetdlg offsets(design, *state_.surface, prompter_, parent_);
    if (offsets.exec() != QDialog::Accepted) return;
  }
  // Beside the other designs, as a new parametric shape is.
  if (!design.DesignDirectory.empty()) {
    design.DesignFileName =
        QDir(QString::fromStdString(design.DesignDirectory))
            .filePath(QString::fromStdString(design.DesignFileName))
            .toStdString();
  }
  design.DesignOpen = true;
  host_.UpdateCaption();
  THullSpreadSheet sheet(state_, [this] { return SaveConfirmed(); }, parent_);
  if (sheet.exec() != QDialog::Accepted) {
    design = std::move(*previous);
    state_.Regenerate(Change::kTopology);
    host_.UpdateCaption();
    host_.RepaintOpenViews();
    return;
  }
  ForgetPreviousDesign();
  ApplyNewDesignDefaults(design);
  design.MarkersShown = false;
  design.KeelRudderShown = false;
  design.ShowVertexNet = true;
  design.ShowStations = true;
  design.BodyViewOpen = true;
  state_.Regenerate(Change::kTopology);
  baseline_.Forget();
  host_.DesignReplaced();
}

}  // namespace skelmora::app
