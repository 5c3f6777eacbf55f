#include "shell/main_form.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>

#include "editing/edit_commands.h"
#include "files/design_dir_dialog.h"
#include "files/message_prompter.h"
#include "hydro/text_printing.h"
#include "render/render_window.h"
#include "editing/spline_tension_dialog.h"
#include "shell/about_box.h"
#include "shell/help_window.h"
#include "shell/print_select_dialog.h"
#include "ui_main_form.h"
#include "views/animate_delay_dialog.h"
#include "views/display_mode_dialog.h"
#include "views/single_line_dialog.h"
#include "views/view_window.h"

// Resources of a static library are registered by hand.
static void InitIconResources() { Q_INIT_RESOURCE(icons); }

namespace skelmora::app {

// The command table: every menu item and tool button, its handler, its
// guard, and for a feature not built yet the note that says so.
const TMainForm::Command TMainForm::kCommands[] = {
    // File
    {"FileNewItem", &TMainForm::FileNew, Guard::kNone, nullptr},
    {"FileOpenItem", &TMainForm::FileOpen, Guard::kNone, nullptr},
    {"open_button", &TMainForm::FileOpen, Guard::kNone, nullptr},
    {"FileSaveItem", &TMainForm::FileSave, Guard::kDesign, nullptr},
    {"save_button", &TMainForm::FileSave, Guard::kDesign, nullptr},
    {"FileSaveAsItem", &TMainForm::FileSaveAs, Guard::kDesign, nullptr},
    {"ImportGHSFile1", &TMainForm::ImportGHSFile1Click, Guard::kNone, nullptr},
    {"ImportIGESNURBFile1", &TMainForm::ImportIGESNURBFile1Click, Guard::kNone, nullptr},
    {"ReadMeasureMarkerFile1", &TMainForm::ReadMeasureMarkerFile1Click, Guard::kNone, nullptr},
    {"CloseRefhull", &TMainForm::CloseRefhullClick, Guard::kNone, nullptr},
    {"CloseMarkerFile1", &TMainForm::CloseMarkerFile1Click, Guard::kNone, nullptr},
    {"CloseKeelRudderFiles1", &TMainForm::CloseKeelRudderFiles1Click, Guard::kNone, nullptr},
    {"FilePrintItem", &TMainForm::FilePrint, Guard::kNone, nullptr},
    {"print_button", &TMainForm::FilePrint, Guard::kNone, nullptr},
    {"FilePrintSetupItem", &TMainForm::FilePrintSetup, Guard::kNone, nullptr},
    {"printsetup_button", &TMainForm::FilePrintSetup, Guard::kNone, nullptr},
    {"FileExitItem", &TMainForm::FileExit, Guard::kNone, nullptr},
    // Edit
    {"EditUndoItem", &TMainForm::EditUndo, Guard::kNone, nullptr},
    {"undo_button", &TMainForm::EditUndo, Guard::kNone, nullptr},
    {"Vertexspreadsheet1", &TMainForm::Vertexspreadsheet1Click, Guard::kDesign, nullptr},
    {"Changeaccuracyofoffsets1", &TMainForm::Changeaccuracyofoffsets1Click, Guard::kDesign,
     nullptr},
    {"AddColWMouse", &TMainForm::AddColWMouseClick, Guard::kDesignAndNet, nullptr},
    {"AddColByIndex", &TMainForm::AddColByIndexClick, Guard::kDesignAndNet, nullptr},
    {"AddRowWMouse", &TMainForm::AddRowWMouseClick, Guard::kDesignAndNet, nullptr},
    {"AddRoWByIndex", &TMainForm::AddRoWByIndexClick, Guard::kDesignAndNet, nullptr},
    {"DelColWMouse", &TMainForm::DelColWMouseClick, Guard::kDesignAndNet, nullptr},
    {"delcolBYRC", &TMainForm::delcolBYRCClick, Guard::kDesign, nullptr},
    {"DelRowWMouse", &TMainForm::DelRowWMouseClick, Guard::kDesignAndNet, nullptr},
    {"delRowBYRC", &TMainForm::delRowBYRCClick, Guard::kDesign, nullptr},
    {"Fairvertexcolumns1", &TMainForm::Fairvertexcolumns1Click, Guard::kDesign, nullptr},
    {"FairSheerBowFairbodyStern1", &TMainForm::FairSheerBowFairbodyStern1Click, Guard::kDesign,
     nullptr},
    {"FairVertexRows1", &TMainForm::FairVertexRows1Click, Guard::kDesign, nullptr},
    {"FairChines1", &TMainForm::FairChines1Click, Guard::kDesign, nullptr},
    {"CurveSettings", &TMainForm::CurveSettingsClick, Guard::kDesign, nullptr},
    // View
    {"Body1", &TMainForm::Body1Click, Guard::kDesign, nullptr},
    {"body_button", &TMainForm::Body1Click, Guard::kDesign, nullptr},
    {"Profile1", &TMainForm::Profile1Click, Guard::kDesign, nullptr},
    {"profile_button", &TMainForm::Profile1Click, Guard::kDesign, nullptr},
    {"Plan1", &TMainForm::Plan1Click, Guard::kDesign, nullptr},
    {"plan_button", &TMainForm::Plan1Click, Guard::kDesign, nullptr},
    {"Perspective1", &TMainForm::Perspective1Click, Guard::kDesign, nullptr},
    {"persp_button", &TMainForm::Perspective1Click, Guard::kDesign, nullptr},
    {"Animate1", &TMainForm::Animate1Click, Guard::kDesign, nullptr},
    {"SpeedButton9", &TMainForm::Animate1Click, Guard::kDesign, nullptr},
    {"Zoomwindow1", &TMainForm::Zoomwindow1Click, Guard::kDesign, nullptr},
    {"zoomin", &TMainForm::Zoomwindow1Click, Guard::kDesign, nullptr},
    {"Fithulltowindows1", &TMainForm::Fithulltowindows1Click, Guard::kDesign, nullptr},
    {"zoomout", &TMainForm::zoomoutClick, Guard::kDesign, nullptr},
    {"SpecialStationsWlsButts1", &TMainForm::SpecialStationsWlsButts1Click, Guard::kDesign,
     nullptr},
    {"Changehulldrawingmode1", &TMainForm::Changehulldrawingmode1Click, Guard::kDesign, nullptr},
    {"Lines_change", &TMainForm::Changehulldrawingmode1Click, Guard::kDesign, nullptr},
    {"drawkeel", &TMainForm::drawkeelClick, Guard::kNone, nullptr},
    {"DrawRefHull", &TMainForm::DrawRefHullClick, Guard::kDesign, nullptr},
    {"DrawMarkers", &TMainForm::DrawMarkersClick, Guard::kDesign, nullptr},
    {"ColorRendering1", &TMainForm::ColorRendering1Click, Guard::kDesign, nullptr},
    {"SpeedButton5", &TMainForm::ColorRendering1Click, Guard::kDesign, nullptr},
    // Spline
    {"Changestationsplinetension1", &TMainForm::Changestationsplinetension1Click, Guard::kDesign,
     nullptr},
    {"Proportionalmove1", &TMainForm::Proportionalmove1Click, Guard::kDesignAndNet, nullptr},
    {"Translatemove1", &TMainForm::Translatemove1Click, Guard::kDesignAndNet, nullptr},
    {"Vertica1", &TMainForm::Vertica1Click, Guard::kDesignAndNet, nullptr},
    {"Horizontal1", &TMainForm::Horizontal1Click, Guard::kDesignAndNet, nullptr},
    {"delvertical", &TMainForm::delverticalClick, Guard::kDesignAndNet, nullptr},
    {"delhorizontal", &TMainForm::delhorizontalClick, Guard::kDesignAndNet, nullptr},
    // Calc
    {"Hydrostatics1", &TMainForm::Hydrostatics1Click, Guard::kDesign, nullptr},
    {"calcbutton", &TMainForm::calcbuttonClick, Guard::kDesign, nullptr},
    {"Wavefrictiondrag1", &TMainForm::Wavefrictiondrag1Click, Guard::kDesign, nullptr},
    {"Stability1", &TMainForm::Stability1Click, Guard::kDesign, nullptr},
    {"Cureofareas1", &TMainForm::Cureofareas1Click, Guard::kDesign, nullptr},
    {"Curveofwettedlengths1", &TMainForm::Curveofwettedlengths1Click, Guard::kDesign, nullptr},
    {"Findwaterline1", &TMainForm::Findwaterline1Click, Guard::kNone, nullptr},
    {"HydrostaticCurves1", &TMainForm::HydrostaticCurves1Click, Guard::kDesign, nullptr},
    {"CrossCurves1", &TMainForm::CrossCurves1Click, Guard::kDesign, nullptr},
    {"ResistancePower1", &TMainForm::ResistancePower1Click, Guard::kDesign, nullptr},
    {"LoadingConditions1", &TMainForm::LoadingConditions1Click, Guard::kDesign, nullptr},
    // Tools
    {"Stretchshrinkhull1", &TMainForm::Stretchshrinkhull1Click, Guard::kDesign, nullptr},
    {"Shifthull1", &TMainForm::Shifthull1Click, Guard::kDesign, nullptr},
    {"TrimHeelhull1", &TMainForm::TrimHeelhull1Click, Guard::kDesign, nullptr},
    {"Straightenrowcoloumn1", &TMainForm::Straightenrowcoloumn1Click, Guard::kDesignAndNet,
     nullptr},
    {"Smoothrowcolumn1", &TMainForm::Smoothrowcolumn1Click, Guard::kDesignAndNet, nullptr},
    {"Offsetvertices1", &TMainForm::Offsetvertices1Click, Guard::kDesignAndNet, nullptr},
    {"HighlightColumn1", &TMainForm::HighlightColumn1Click, Guard::kDesignAndNet, nullptr},
    {"Highlightrowcolumn1", &TMainForm::Highlightrowcolumn1Click, Guard::kDesignAndNet, nullptr},
    {"RemoveHighlight1", &TMainForm::RemoveHighlight1Click, Guard::kNone, nullptr},
    {"Changeunitsinmm1", &TMainForm::Changeunitsinmm1Click, Guard::kDesign, nullptr},
    {"Changelinecolors1", &TMainForm::Changelinecolors1Click, Guard::kDesign, nullptr},
    {"ExchangeBeamandLength1", &TMainForm::ExchangeBeamandLength1Click, Guard::kNone, nullptr},
    {"ExchangeBeamandHeightCoordinates1", &TMainForm::ExchangeBeamandHeightCoordinates1Click,
     Guard::kNone, nullptr},
    {"ExchangeLengthandHeightCoordinates1", &TMainForm::ExchangeLengthandHeightCoordinates1Click,
     Guard::kNone, nullptr},
    // Output
    {"Copyscreentoprinter1", &TMainForm::Copyscreentoprinter1Click, Guard::kNone, nullptr},
    {"printoffsets1", &TMainForm::printoffsets1Click, Guard::kDesign, nullptr},
    {"printvertices1", &TMainForm::printvertices1Click, Guard::kDesign, nullptr},
    {"IGESNURBSurface1", &TMainForm::IGESNURBSurface1Click, Guard::kDesign, nullptr},
    {"DXFStations1", &TMainForm::DXFStations1Click, Guard::kDesign, nullptr},
    {"DXFWaterlines1", &TMainForm::DXFWaterlines1Click, Guard::kDesign, nullptr},
    {"DXFButtocks1", &TMainForm::DXFButtocks1Click, Guard::kDesign, nullptr},
    {"DXFSpecialSections1", &TMainForm::DXFSpecialSections1Click, Guard::kDesign, nullptr},
    {"DXFVertices1", &TMainForm::DXFVertices1Click, Guard::kDesign, nullptr},
    {"DXF3DSurface1", &TMainForm::DXF3DSurface1Click, Guard::kDesign, nullptr},
    {"STLClosedHull1", &TMainForm::STLClosedHull1Click, Guard::kDesign, nullptr},
    {"GHSGeometryFile1", &TMainForm::GHSGeometryFile1Click, Guard::kDesign, nullptr},
    // Options
    {"netwaterlines1", &TMainForm::netwaterlines1Click, Guard::kNone, nullptr},
    {"drawnetcolumns1", &TMainForm::drawnetcolumns1Click, Guard::kNone, nullptr},
    {"UpdateHull", &TMainForm::UpdateHullClick, Guard::kNone, nullptr},
    {"UpdateVertex", &TMainForm::UpdateVertexClick, Guard::kNone, nullptr},
    {"DrawSingleNetLine1", &TMainForm::DrawSingleNetLine1Click, Guard::kNone, nullptr},
    {"LabelVertexRowsandColumns1", &TMainForm::LabelVertexRowsandColumns1Click, Guard::kNone,
     nullptr},
    {"ShowCentres1", &TMainForm::ShowCentres1Click, Guard::kNone, nullptr},
    {"SetDesignDirectory1", &TMainForm::SetDesignDirectory1Click, Guard::kNone, nullptr},
    {"net_onoff", &TMainForm::net_onoffClick, Guard::kDesign, nullptr},
    // Window
    {"WindowTileItem", &TMainForm::WindowTile, Guard::kNone, nullptr},
    {"WindowCascadeItem", &TMainForm::WindowCascade, Guard::kNone, nullptr},
    {"WindowArrangeItem", &TMainForm::WindowArrange, Guard::kNone, nullptr},
    // Help
    {"HelpContentsItem", &TMainForm::HelpContents, Guard::kNone, nullptr},
    {"help_button", &TMainForm::HelpContents, Guard::kNone, nullptr},
    {"HelpSearchItem", &TMainForm::HelpSearch, Guard::kNone, nullptr},
    {"HelpHowToUseItem", &TMainForm::HelpHowToUse, Guard::kNone, nullptr},
    {"HelpAboutItem", &TMainForm::HelpAbout, Guard::kNone, nullptr},
    {"about_button", &TMainForm::HelpAbout, Guard::kNone, nullptr},
};

TMainForm::TMainForm(AppState& state, ShellServices services, QWidget* parent)
    : QMainWindow(parent),
      state_(state),
      ui_(new Ui::TMainForm),
      services_(std::move(services)),
      setting_(services_.settingsFile.isEmpty() ? DesignDirectorySetting::DefaultFile()
                                                : services_.settingsFile),
      printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
  ui_->setupUi(this);
  setWindowTitle(CaptionFor(state_.design));
  // A lines plan is wider than high.
  printer_->setPageOrientation(QPageLayout::Landscape);

  if (services_.prompter) {
    prompter_ = services_.prompter;
  } else {
    ownPrompter_ = std::make_unique<MessageBoxPrompter>(this);
    prompter_ = ownPrompter_.get();
  }
  if (services_.files) {
    fileChooser_ = services_.files;
  } else {
    ownFiles_ = std::make_unique<DialogFileChooser>();
    fileChooser_ = ownFiles_.get();
  }
  state_.prompter = prompter_;
  reportPrinter_ = std::make_unique<ReportPrinter>(
      *printer_, *prompter_,
      [this](QPrinter& printer, QWidget*) { return RunPrintDialog(printer); },
      [this](const QString& report) { return PrintFileFor(report); });
  FileCommandHost& host = *this;
  files_ = std::make_unique<FileCommands>(state_, *fileChooser_, *prompter_, baseline_, host,
                                          this);

  SetUpToolBar();
  SetUpCommands();
  SetUpEditing();
  // The forms in their start-up order: the views, then the dialogs that
  // live for the whole run.
  SetUpViews();
  displayMode_ = new TchooseDspldlg(state_.design, this);
  splineTension_ = new Tsplinetension(state_, this);
  animateDelay_ = new TANimate_delay(*views_->perspective(), this);
  singleLine_ = new TsingcolrowDlg(state_, this);
  connect(singleLine_, &TsingcolrowDlg::netLinesChanged, this, &TMainForm::RepaintOpenViews);
  designDirectory_ = new TDesignDirDlg(state_.design, this);
  render_ = new TfrmNURBS(state_, *prompter_, *fileChooser_, *printer_, this);
  render_->setNoPrinterDialog([this](QPrinter& printer, QWidget*) { return RunPrintDialog(printer); },
                              [this](const QString& report) { return PrintFileFor(report); });
  printSelect_ = new TPrintSelectDlg(this);

  DisableDrawItems();
  state_.design.UndoCount = 0;
  UpdateUndoState();
  state_.design.ProgramDirectory =
      (QCoreApplication::applicationDirPath() + QLatin1Char('/')).toStdString();
  // The open dialog starts where the user last set the design directory.
  const QString stored = setting_.StoredDirectory();
  if (!stored.isEmpty() && state_.design.DesignDirectory.empty()) {
    state_.design.DesignDirectory = DirectoryWithSeparator(stored).toStdString();
  }
  UpdateTensionLabels();
  SyncSwitches();
  Status(QStringLiteral("Open a design with File › Open, or start one with File › New."));
}

TMainForm::~TMainForm() {
  if (state_.prompter == prompter_) state_.prompter = nullptr;
  if (state_.hooks == views_) state_.hooks = nullptr;
}

QString TMainForm::CaptionFor(const HullDesign& design) {
  return QStringLiteral("%1 - %2")
      .arg(QLatin1String(kProductTitle), QString::fromStdString(design.DesignFileName));
}

QMdiArea* TMainForm::clientArea() const { return ui_->ClientArea; }

QAction* TMainForm::command(const QString& name) const {
  return findChild<QAction*>(name, Qt::FindDirectChildrenOnly);
}

void TMainForm::trigger(const QString& name) {
  QAction* action = command(name);
  if (action && action->isEnabled()) action->trigger();
}

void TMainForm::RefreshCommandStates() {
  UpdateUndoState();
  UpdateTensionLabels();
  SyncSwitches();
}

void TMainForm::SetUpToolBar() {
  QToolBar* bar = ui_->SpeedBar;
  bar->setFixedHeight(38);
  bar->setIconSize(QSize(22, 22));
  bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
  InitIconResources();
  setWindowIcon(QIcon(QStringLiteral(":/icons/skelmora.svg")));
  QStyle* style = this->style();
  ui_->open_button->setIcon(style->standardIcon(QStyle::SP_DialogOpenButton));
  ui_->save_button->setIcon(style->standardIcon(QStyle::SP_DialogSaveButton));
  const std::pair<QAction*, const char*> drawn[] = {
      {ui_->print_button, "print"},   {ui_->printsetup_button, "printsetup"},
      {ui_->calcbutton, "calc"},      {ui_->Lines_change, "lines"},
      {ui_->net_onoff, "net"},        {ui_->undo_button, "undo"},
      {ui_->SpeedButton5, "render"},  {ui_->zoomin, "zoomin"},
      {ui_->zoomout, "zoomout"},      {ui_->SpeedButton9, "animate"},
      {ui_->help_button, "help"},     {ui_->about_button, "about"}};
  for (const auto& [action, icon] : drawn) {
    action->setIcon(QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(icon))));
  }

  auto makeLabel = [this](const char* name, const QString& colour) {
    auto* label = new QLabel(this);
    label->setObjectName(QLatin1String(name));
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(14);
    font.setBold(true);
    label->setFont(font);
    label->setStyleSheet(QStringLiteral("color: %1; padding: 0 8px;").arg(colour));
    return label;
  };
  statension_ = makeLabel("statension", QStringLiteral("blue"));
  wlstension_ = makeLabel("wlstension", QStringLiteral("blue"));
  label1_ = makeLabel("Label1", QStringLiteral("black"));
  label2_ = makeLabel("Label2", QStringLiteral("black"));
  label1_->setText(QStringLiteral("x="));
  label2_->setText(QStringLiteral("y="));
  label1_->setMinimumWidth(110);
  label2_->setMinimumWidth(110);
  // The labels sit between Animate Hull and Help Contents.
  QAction* before = ui_->help_button;
  bar->insertWidget(before, statension_);
  bar->insertWidget(before, wlstension_);
  bar->insertWidget(before, label1_);
  bar->insertWidget(before, label2_);
  bar->insertSeparator(before);
}

void TMainForm::SetUpCommands() {
  for (QMenu* menu : ui_->MainMenu->findChildren<QMenu*>()) menu->setToolTipsVisible(true);
  for (const Command& entry : kCommands) {
    QAction* action = command(QLatin1String(entry.name));
    Q_ASSERT_X(action, "SetUpCommands", entry.name);
    if (!action) continue;
    if (entry.later) {
      const QString note = QLatin1String(entry.later);
      action->setEnabled(false);
      // A tool button keeps its name in front of the note.
      const QString name = action->toolTip();
      QString plain = QString(action->text()).remove(QLatin1Char('&'));
      while (plain.endsWith(QLatin1Char('.')) || plain.endsWith(QLatin1Char(' '))) plain.chop(1);
      const bool named = !name.isEmpty() && name != plain;
      action->setToolTip(named ? name + QStringLiteral(": ") + note : note);
      action->setStatusTip(note);
      continue;
    }
    connect(action, &QAction::triggered, this, [this, &entry] { Run(entry); });
  }
  // Items that wait for an attached drawing say what they wait for.
  const std::pair<QAction*, const char*> waiting[] = {
      {ui_->drawkeel, "Shows the keel and rudder parts; attaching them comes in a later version."},
      {ui_->DrawRefHull, "Shows the reference hull; the GHS import that brings one comes in a "
                         "later version."},
      {ui_->DrawMarkers, "Shows or hides the markers of the file read with File › Read Measure "
                         "Marker File."}};
  for (const auto& [action, note] : waiting) {
    action->setToolTip(QString::fromUtf8(note));
    action->setStatusTip(QString::fromUtf8(note));
  }
  // A submenu whose every item comes later is dimmed itself, with the note.
  for (QMenu* menu : ui_->MainMenu->findChildren<QMenu*>()) {
    if (qobject_cast<QMenuBar*>(menu->parent())) continue;
    QString note;
    bool allLater = !menu->actions().isEmpty();
    for (QAction* item : menu->actions()) {
      allLater = allLater && !item->isEnabled() && !item->statusTip().isEmpty();
      if (allLater) note = item->toolTip();
    }
    if (!allLater) continue;
    menu->menuAction()->setEnabled(false);
    menu->menuAction()->setToolTip(note);
    menu->menuAction()->setStatusTip(note);
  }
}

void TMainForm::Run(const Command& entry) {
  const HullDesign& design = state_.design;
  if (entry.guard != Guard::kNone && !design.DesignOpen) {
    Status(QStringLiteral("No design is open."));
    SyncSwitches();
    return;
  }
  if (entry.guard == Guard::kDesignAndNet && !design.ShowVertexNet) {
    Status(QStringLiteral("Switch the vertex net on first."));
    return;
  }
  (this->*entry.handler)();
}

void TMainForm::SetUpViews() {
  views_ = new ViewSet(state_, this);
  // Every change the session regenerates ends in these windows.
  state_.hooks = views_;
  // Start-up order: profile, perspective, body, plan.
  for (ViewWindow* window : {static_cast<ViewWindow*>(views_->profile()),
                             static_cast<ViewWindow*>(views_->perspective()),
                             static_cast<ViewWindow*>(views_->body()),
                             static_cast<ViewWindow*>(views_->plan())}) {
    QMdiSubWindow* sub = ui_->ClientArea->addSubWindow(window);
    sub->setWindowTitle(ViewWindow::captionFor(window->viewId()));
    sub->setAttribute(Qt::WA_DeleteOnClose, false);
    sub->show();
    window->setAttachedDrawings(&state_.attached);
    window->setPrompter(prompter_);
    connect(window, &ViewWindow::cursorReadout, this, [this](const QString& x, const QString& y) {
      label1_->setText(x);
      label2_->setText(y);
    });
    connect(window, &ViewWindow::snapshotTaken, this, &TMainForm::UpdateUndoState);
    connect(window, &ViewWindow::designEdited, this, [this] {
      UpdateUndoState();
      UpdateTensionLabels();
      SyncSwitches();  // a highlight pick enables "Remove Highlight"
    });
    connect(window, &ViewWindow::pressCommand, this, [this, window](const PressAction& action) {
      edit_->Press(window->viewId(), action);
    });
    connect(window, &ViewWindow::pressEnded, this, &TMainForm::ClearEndedPrompt);
  }
}

ViewWindow* TMainForm::activeView() const {
  if (QMdiSubWindow* sub = ui_->ClientArea->activeSubWindow()) {
    if (auto* view = qobject_cast<ViewWindow*>(sub->widget())) return view;
  }
  return nullptr;
}

void TMainForm::Status(const QString& text) { statusBar()->showMessage(text); }

void TMainForm::Prompt(const QString& text) {
  prompt_ = text;
  Status(text);
}

void TMainForm::ClearEndedPrompt() {
  if (prompt_.isEmpty()) return;
  if (state_.interaction.armed != ArmedMode::kNone || state_.design.HighlightPending) return;
  if (statusBar()->currentMessage() == prompt_) statusBar()->clearMessage();
  prompt_.clear();
}

void TMainForm::UpdateTensionLabels() {
  statension_->setText(QStringLiteral("Sta.Tension=%1").arg(state_.design.StationTension));
  wlstension_->setText(QStringLiteral("Wls.Tension=%1").arg(state_.design.WaterlineTension));
}

void TMainForm::UpdateCaption() { setWindowTitle(CaptionFor(state_.design)); }

void TMainForm::UpdateUndoState() {
  const bool any = state_.design.UndoCount > 0;
  ui_->EditUndoItem->setEnabled(any);
  ui_->undo_button->setEnabled(any);
}

void TMainForm::DisableDrawItems() {
  ui_->drawkeel->setEnabled(false);
  ui_->DrawMarkers->setEnabled(false);
  ui_->DrawRefHull->setEnabled(false);
}

void TMainForm::AttachmentsChanged() {
  const HullDesign& design = state_.design;
  // Markers can be switched back on once a file has been read.
  if (design.MarkersShown) ui_->DrawMarkers->setEnabled(true);
  // Likewise the reference hull once one is in memory.
  if (design.RefHullShown) ui_->DrawRefHull->setEnabled(true);
  SyncSwitches();
}

void TMainForm::SyncSwitches() {
  const HullDesign& design = state_.design;
  // The button is shown down while the net is off.
  ui_->net_onoff->setChecked(design.DesignOpen && !design.ShowVertexNet);
  ui_->netwaterlines1->setChecked(state_.viewOptions.netRowLines);
  ui_->drawnetcolumns1->setChecked(state_.viewOptions.netColumnLines);
  ui_->LabelVertexRowsandColumns1->setChecked(state_.viewOptions.vertexLabels);
  ui_->UpdateHull->setChecked(state_.interaction.realTimeHull);
  ui_->UpdateVertex->setChecked(!state_.interaction.realTimeHull);
  ui_->DrawMarkers->setChecked(design.MarkersShown);
  ui_->DrawRefHull->setChecked(design.RefHullShown);
  ui_->RemoveHighlight1->setEnabled(design.HighlightPending || design.HighlightRows ||
                                    design.HighlightColumns);
  // The close commands only have something to close while it is shown.
  ui_->CloseRefhull->setEnabled(design.RefHullShown);
  ui_->CloseMarkerFile1->setEnabled(design.MarkersShown);
  ui_->CloseKeelRudderFiles1->setEnabled(design.KeelRudderShown);
}

void TMainForm::DesignReplaced() {
  UpdateCaption();
  UpdateTensionLabels();
  DisableDrawItems();
  UpdateUndoState();
  SyncSwitches();
  RefitViews();
  for (ViewWindow* window : views_->all()) {
    if (window->isOpen()) window->openView();
    window->update();
  }
  Status(QStringLiteral("%1 open.").arg(QString::fromStdString(state_.design.DesignFileName)));
}

void TMainForm::RefitViews() { state_.Regenerate(Change::kViews); }

void TMainForm::RepaintOpenViews() {
  for (ViewWindow* window : views_->all()) window->update();
}

void TMainForm::RepaintAllViews() { views_->repaintAll(); }

void TMainForm::CloseView(ViewId view) { views_->window(view)->closeView(); }

void TMainForm::TileViews() { ui_->ClientArea->tileSubWindows(); }

void TMainForm::ChooseDisplayMode() {
  displayMode_->exec();
  SyncSwitches();
}

void TMainForm::UpdateViewCursors() {
  for (ViewWindow* window : views_->all()) window->updateCursor();
}

bool TMainForm::HasUnsavedChanges() const { return baseline_.Differs(state_.design, *state_.surface); }

bool TMainForm::OpenDesignFile(const QString& path) { return files_->OpenPath(path); }

void TMainForm::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  UpdateSelectCursor();
  TileViews();
}

void TMainForm::UpdateSelectCursor() {
  if (!views_) return;
  const bool wide = ui_->ClientArea->width() > 1024;
  for (ViewWindow* window : views_->all()) window->setUseSelectCursor(wide);
}

void TMainForm::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  UpdateSelectCursor();
  // Tile once the MDI area has its new size.
  QTimer::singleShot(0, this, &TMainForm::TileViews);
}

void TMainForm::closeEvent(QCloseEvent* event) {
  // Closing used to drop unsaved work without a word; ask first.
  if (!files_->SaveChangesFirst()) {
    event->ignore();
    return;
  }
  if (animateDelay_) animateDelay_->close();
  if (singleLine_) singleLine_->close();
  if (help_) help_->close();
  event->accept();
}

}  // namespace skelmora::app
