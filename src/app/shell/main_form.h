// TMainForm: the main window. It owns the menu with the whole command
// table, the tool bar with the tension and cursor labels, the four view
// windows in its MDI area and the dialogs that live for the whole run.
// Every command starts here; a command whose feature is not built yet is
// present, disabled, and says so in its tool tip and status text.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <memory>

#include "files/file_chooser.h"
#include "files/file_commands.h"
#include "model/app_state.h"
#include "model/design_directory_setting.h"
#include "model/saved_baseline.h"

namespace Ui {
class TMainForm;
}
class QLabel;
class QMdiArea;
class QPrinter;

namespace skelmora::app {

class EditCommands;
class HelpWindow;
class MessageBoxPrompter;
class ReportPrinter;
class TPrintSelectDlg;
class TANimate_delay;
class TchooseDspldlg;
class TfrmNURBS;
class TDesignDirDlg;
class TsingcolrowDlg;
class Tsplinetension;
class ViewSet;
class ViewWindow;

// What tests replace; the program leaves everything at its default.
struct ShellServices {
  FileChooser* files = nullptr;  // QFileDialog when null
  Prompter* prompter = nullptr;  // message boxes when null
  QString settingsFile;          // "s.ini"; the per-user one when empty
  // The print and printer set-up dialogs on the program's printer; true to
  // go on. QPrintDialog / QPageSetupDialog when empty.
  std::function<bool(QPrinter&, QWidget*)> printDialog;
  std::function<bool(QPrinter&, QWidget*)> printSetupDialog;
  // Output › Print / Plot Hull's "Print Select Dialog", shown and prepared;
  // true for OK. exec() when empty.
  std::function<bool(TPrintSelectDlg&)> printSelectDialog;
};

class TMainForm : public QMainWindow, private FileCommandHost {
  Q_OBJECT

 public:
  explicit TMainForm(AppState& state, ShellServices services = {}, QWidget* parent = nullptr);
  ~TMainForm() override;

  // A design named on the command line. A file that cannot be read leaves
  // the program running without it, after a message.
  bool OpenDesignFile(const QString& path);

  // "Skelmora - " and the design's full path.
  static QString CaptionFor(const HullDesign& design);

  bool HasUnsavedChanges() const;
  // Paints the active view (the body view when none is active) fitted to
  // the printer's page under a title line; false when no design is open.
  bool PrintActiveView(QPrinter& printer);

  FileCommands& fileCommands() { return *files_; }
  EditCommands& editCommands() { return *edit_; }
  ViewSet& views() { return *views_; }
  QMdiArea* clientArea() const;
  ViewWindow* activeView() const;
  HelpWindow* helpWindow();
  TchooseDspldlg* displayModeDialog() const { return displayMode_; }
  Tsplinetension* splineTensionDialog() const { return splineTension_; }
  TDesignDirDlg* designDirectoryDialog() const { return designDirectory_; }
  TANimate_delay* animationDialog() const { return animateDelay_; }
  TsingcolrowDlg* singleLineDialog() const { return singleLine_; }
  TfrmNURBS* renderWindow() const { return render_; }
  // The printer set up by File › Print Setup and the print dialog; a print
  // job copies it, so it is never left open.
  QPrinter& printer() { return *printer_; }
  ReportPrinter& reportPrinter() { return *reportPrinter_; }

  // A menu item or tool button by its component name ("FileOpenItem",
  // "undo_button"); null when there is none.
  QAction* command(const QString& name) const;
  // Runs it as a click would, through its guard.
  void trigger(const QString& name);
  // Brings the enabled and checked states of the commands up to date with
  // the design (for code that changed it outside a command).
  void RefreshCommandStates();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  enum class Guard { kNone, kDesign, kDesignAndNet };
  struct Command {
    const char* name;
    void (TMainForm::*handler)();
    Guard guard;
    const char* later;  // the feature that comes in a later version
  };
  static const Command kCommands[];

  // FileCommandHost
  void DesignReplaced() override;
  void UpdateCaption() override;
  void UpdateUndoState() override;
  void AttachmentsChanged() override;
  void RefitViews() override;
  void RepaintOpenViews() override;
  void CloseView(ViewId view) override;
  void TileViews() override;
  void ChooseDisplayMode() override;

  void SetUpToolBar();
  void SetUpCommands();
  void SetUpViews();
  void SetUpEditing();
  // After a net edit: extents, views, Undo, tension labels.
  void NetEdited();
  void Run(const Command& command);
  void UpdateTensionLabels();
  // The check marks and the net button follow the design's switches.
  void SyncSwitches();
  void DisableDrawItems();
  void RepaintAllViews();
  void UpdateViewCursors();
  // Views use the selection cursor while the client area is wider than 1024 pixels.
  void UpdateSelectCursor();
  void ShowView(ViewId view);
  // The print dialog (the test's stand-in when given); true to print.
  bool RunPrintDialog(QPrinter& printer);
  // The PDF file a print is offered when there is no printer.
  QString PrintFileFor(const QString& report) const;
  void Status(const QString& text);
  // A status prompt for an armed mode: it goes when the mode ends.
  void Prompt(const QString& text);
  void ClearEndedPrompt();

  // --- the commands, named after their handlers ----------------------------
  void FileNew();
  void FileOpen();
  void FileSave();
  void FileSaveAs();
  void ReadMeasureMarkerFile1Click();
  void ImportIGESNURBFile1Click();
  void ImportGHSFile1Click();
  void Copyscreentoprinter1Click();
  void CloseRefhullClick();
  void CloseMarkerFile1Click();
  void CloseKeelRudderFiles1Click();
  void FilePrint();
  void FilePrintSetup();
  void FileExit();
  void EditUndo();
  void Body1Click();
  void Profile1Click();
  void Plan1Click();
  void Perspective1Click();
  void Animate1Click();
  void Zoomwindow1Click();
  void Fithulltowindows1Click();
  void zoomoutClick();
  void Changehulldrawingmode1Click();
  void drawkeelClick();
  void DrawRefHullClick();
  void DrawMarkersClick();
  void ColorRendering1Click();  // main_form_render.cpp
  void Changestationsplinetension1Click();
  void Proportionalmove1Click();
  void Translatemove1Click();
  void RowColumnMove(bool translate);
  void HighlightColumn1Click();
  void Highlightrowcolumn1Click();
  void RemoveHighlight1Click();
  void Changelinecolors1Click();
  void netwaterlines1Click();
  void drawnetcolumns1Click();
  void UpdateHullClick();
  void UpdateVertexClick();
  void DrawSingleNetLine1Click();
  void LabelVertexRowsandColumns1Click();
  void ShowCentres1Click();
  void SetDesignDirectory1Click();
  void net_onoffClick();
  void WindowTile();
  void WindowCascade();
  void WindowArrange();
  void HelpContents();
  void HelpSearch();
  void HelpHowToUse();
  void HelpAbout();
  // Edit, Spline and Tools: net editing (main_form_editing.cpp)
  void Changeaccuracyofoffsets1Click();
  void CurveSettingsClick();
  void SpecialStationsWlsButts1Click();
  void AddColWMouseClick();
  void AddColByIndexClick();
  void AddRowWMouseClick();
  void AddRoWByIndexClick();
  void DelColWMouseClick();
  void delcolBYRCClick();
  void DelRowWMouseClick();
  void delRowBYRCClick();
  void Vertica1Click();
  void Horizontal1Click();
  void delverticalClick();
  void delhorizontalClick();
  void Stretchshrinkhull1Click();
  void Shifthull1Click();
  void TrimHeelhull1Click();
  void Straightenrowcoloumn1Click();
  void Smoothrowcolumn1Click();
  void Offsetvertices1Click();
  void Changeunitsinmm1Click();
  void ExchangeBeamandLength1Click();
  void ExchangeBeamandHeightCoordinates1Click();
  void ExchangeLengthandHeightCoordinates1Click();
  // Edit › the Fair commands and the spreadsheet (main_form_fairing.cpp)
  void Fairvertexcolumns1Click();
  void FairSheerBowFairbodyStern1Click();
  void FairVertexRows1Click();
  void FairChines1Click();
  void Vertexspreadsheet1Click();
  // Calc (main_form_hydro.cpp)
  void Hydrostatics1Click();
  void calcbuttonClick();
  void Wavefrictiondrag1Click();
  void Cureofareas1Click();
  void Curveofwettedlengths1Click();
  void Findwaterline1Click();
  void Stability1Click();
  // Calc › the curves (main_form_curves.cpp)
  void HydrostaticCurves1Click();
  void CrossCurves1Click();
  void ResistancePower1Click();
  void LoadingConditions1Click();
  // Output (main_form_output.cpp)
  void printoffsets1Click();
  void printvertices1Click();
  void IGESNURBSurface1Click();
  void DXFStations1Click();
  void DXFWaterlines1Click();
  void DXFButtocks1Click();
  void DXFSpecialSections1Click();
  void DXFVertices1Click();
  void DXF3DSurface1Click();
  void STLClosedHull1Click();
  void GHSGeometryFile1Click();

  AppState& state_;
  std::unique_ptr<Ui::TMainForm> ui_;
  std::unique_ptr<MessageBoxPrompter> ownPrompter_;
  std::unique_ptr<FileChooser> ownFiles_;
  Prompter* prompter_ = nullptr;
  FileChooser* fileChooser_ = nullptr;
  ShellServices services_;
  DesignDirectorySetting setting_;
  SavedBaseline baseline_;
  std::unique_ptr<FileCommands> files_;
  std::unique_ptr<QPrinter> printer_;
  TPrintSelectDlg* printSelect_ = nullptr;
  std::unique_ptr<ReportPrinter> reportPrinter_;

  ViewSet* views_ = nullptr;
  QLabel* statension_ = nullptr;
  QLabel* wlstension_ = nullptr;
  QLabel* label1_ = nullptr;
  QLabel* label2_ = nullptr;

  TchooseDspldlg* displayMode_ = nullptr;
  Tsplinetension* splineTension_ = nullptr;
  TANimate_delay* animateDelay_ = nullptr;
  TsingcolrowDlg* singleLine_ = nullptr;
  TDesignDirDlg* designDirectory_ = nullptr;
  TfrmNURBS* render_ = nullptr;
  QPointer<HelpWindow> help_;
  QString prompt_;  // the status prompt of the armed mode, if shown
  EditCommands* edit_ = nullptr;
};

}  // namespace skelmora::app
