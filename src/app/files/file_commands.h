// The File menu's design commands: New (the chooser), Open with its dialog
// loop, Save, Save As, the measure marker file, the close commands, and
// opening a design named on the command line.
#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <string>

#include "files/file_chooser.h"
#include "files/older_file.h"
#include "files/new_type_dialog.h"
#include "model/app_state.h"
#include "model/saved_baseline.h"
#include "shapes/hull_input_dialog.h"
#include "shapes/shape_dialog.h"

class QWidget;

namespace skelmora::app {

inline constexpr const char* kOpenFilters =
    "SKELMORA 98 Hull Files|*.s98|DXF Hull Files|*.dxf|DXF Keel / Rudder Files|*.dxf|"
    "Measure Marker Files|*.mkr|SKELMORA 5&6 Hull Files|*.shl|IGES NURB Hull Files|*.igs|"
    "FastShip IDF Files|*.idf";
inline constexpr const char* kSaveFilters =
    "SKELMORA 98 Hull Files|*.s98|Measure Marker Files|*.mkr|SKELMORA 5&6 Hull Files|*.shl|"
    "Text Offset File|*.txt";

// Positions in kOpenFilters / kSaveFilters, from 1.
enum OpenFilter { kOpenDesign = 1, kOpenMarkers = 4, kOpenOlder = 5, kOpenIges = 6 };
enum SaveFilter { kSaveDesign = 1, kSaveMarkers = 2, kSaveOlder = 3, kSaveOffsets = 4 };

inline constexpr const char* kNotHullTypeMessage =
    "This file is not a hull file type. Please try again";
inline constexpr const char* kNotIgesFileMessage = "This file type is NOT an IGES NURB file";
inline constexpr const char* kGhsNeedsDesignMessage =
    "Please Create A New Hull Or Open an Existing Hull First";
inline constexpr const char* kMarkerNeedsDesignMessage =
    "Open a SKELMORA hull file first, then read a marker file";
// The first save of a new design whose name is already taken by a file.
inline std::string ReplaceFileQuestion(const std::string& path) {
  return "The file " + path + " already exists. Replace it with the new design?";
}

// What the commands ask of the main window.
class FileCommandHost {
 public:
  virtual ~FileCommandHost() = default;
  // Another design is now open (or the open one was replaced): caption,
  // tension labels, draw items, Undo, the views refitted and repainted.
  virtual void DesignReplaced() = 0;
  // DesignFileName changed.
  virtual void UpdateCaption() = 0;
  // UndoCount may have changed.
  virtual void UpdateUndoState() = 0;
  // An attached drawing was switched: the draw items follow the flags.
  virtual void AttachmentsChanged() = 0;
  virtual void RefitViews() = 0;
  virtual void RepaintOpenViews() = 0;
  virtual void CloseView(ViewId view) = 0;
  virtual void TileViews() = 0;
  // The display-mode dialog a new design shows before its views.
  virtual void ChooseDisplayMode() {}
};


class FileCommands {
 public:
  FileCommands(AppState& state, FileChooser& files, Prompter& prompter, SavedBaseline& baseline,
               FileCommandHost& host, QWidget* dialogParent);

  // Shows the "Select A New File Type" chooser; the default runs the
  // dialog. Tests script the answer.
  std::function<std::optional<NewDesignKind>(QWidget* parent)> chooseNewKind;
  // "New Design Dimensions" and "Parametric Shape Design"; the defaults run
  // the dialogs.
  std::function<std::optional<NewHullChoice>(QWidget* parent, const QString& directory,
                                             Prompter& prompter)>
      chooseNewHull;
  std::function<std::optional<NewShapeChoice>(QWidget* parent, Prompter& prompter)>
      chooseNewShape;
  // The "File Type" dialog of an older-format save; the default shows it.
  std::function<OlderVersion(QWidget* parent)> chooseOlderVersion;

  // Before anything replaces the open design: with unsaved changes, asks
  // "Save changes to ...?" (Yes saves, No discards). False when the user
  // cancelled or the save failed: the design must stay.
  bool SaveChangesFirst();

  void New();
  // The open-dialog loop; true when a design was read.
  bool Open();
  // A design named on the command line, by its extension.
  bool OpenPath(const QString& path);
  bool Save();
  bool SaveAs();
  // The vertex spreadsheet's "Save": asks "Save Design to Disk?", then Save.
  bool SaveConfirmed();
  void ReadMarkerFile();
  // File › "I&mport GHS File": a ".GF1" file becomes "tempdata" in the work
  // directory and is drawn as the reference hull.
  bool ImportGhs();
  // File › "Import IGES NURB File": the open dialog with the IGES type
  // until an IGES file is chosen, then the import with its two questions.
  // The surface becomes the design, named "<file>.s98" and not yet saved.
  bool ImportIges();
  void CloseMarkerFile();
  void CloseReferenceHull();
  void CloseKeelRudder();
  // View › "Draw Measure Markers": shows or hides the markers of the file
  // that was read.
  void SetMarkersDrawn(bool drawn);

  // "Convert Vertices to Measure Markers": a hull from the open dialog, a
  // marker file name from the save dialog; nothing changes unless both are
  // chosen and the marker file is written.
  void ConvertVerticesToMarkers();
  // "Create a Deck for an Existing Hull": a hull from the open dialog gets
  // the deck rows; it becomes the open design, named "<hull>wdeck.s98" and
  // not yet saved.
  void CreateDeck();
  // "Type in a Table of Vertex or Marker Offsets": the offset dialog builds
  // a box net, the spreadsheet takes the offsets; OK there makes it the
  // open design, Cancel at either step leaves the previous one.
  void NewFromOffsets();
  // "Parametric Hull Design" and "Parametric Shape Design": the dialog, then
  // the generated design replaces the open one (not yet saved).
  void NewParametricHull();
  void NewParametricShape();

 private:
  // The open-dialog loop of the New commands: hull files only. Returns the
  // file read into hull (absolute path), or empty when cancelled.
  QString ChooseHull(HullDesign& hull, Surface& surface);
  // Reads a design file into the program; false (message shown, design
  // untouched) when it is refused.
  bool ReadHull(const QString& path);
  // The same for an older ".shl" file. A file that holds a current-format
  // design is renamed to ".s98" and leaves no design open (kCurrent).
  OlderRead ReadOlder(const QString& path);
  // What every read that made another design the open one ends with.
  void TakeReadDesign(const QString& path);
  // The older branch of a save: the "File Type" choice, the write and the
  // file-name loop.
  bool WriteOlder(HullDesign& design, const std::string& path);
  // Resets shared by every path that makes another design the open one:
  // the history, armed modes, the single-line restriction.
  void ForgetPreviousDesign();
  // The end of both parametric flows: display mode, resets, views.
  void ShowNewDesign(bool allViews);
  QString StartDirectory() const;
  FileRequest OpenRequest(int filterIndex) const;
  bool SaveUnder(const QString& path);
  bool WriteMarkerCopy(const QString& chosen);

  AppState& state_;
  FileChooser& files_;
  Prompter& prompter_;
  SavedBaseline& baseline_;
  FileCommandHost& host_;
  QWidget* parent_;
  // The name a new design was given before any save (the parametric flows,
  // the deck): a file of that name is not this design's, so the first save
  // asks before replacing it.
  std::string freshName_;
};

}  // namespace skelmora::app
