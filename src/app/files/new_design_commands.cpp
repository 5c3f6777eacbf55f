// File › New › "Parametric Hull Design" and "Parametric Shape Design".
#include <QDir>
#include <QFileInfo>

#include "files/file_commands.h"
#include "model/undo.h"

namespace skelmora::app {

void FileCommands::ShowNewDesign(bool allViews) {
  HullDesign& design = state_.design;
  design.MarkersShown = false;
  design.KeelRudderShown = false;
  ForgetPreviousDesign();
  // A design that would show nothing comes up with its sections and net,
  // which the display-mode dialog then offers to change.
  if (!design.ShowSurface && !design.ShowStations && !design.ShowWaterlines &&
      !design.ShowButtocks) {
    design.ShowStations = design.ShowWaterlines = design.ShowButtocks = true;
    design.ShowVertexNet = true;
  }
  host_.ChooseDisplayMode();
  design.DesignOpen = true;
  ApplyNewDesignDefaults(design);
  if (allViews) {
    for (ViewId view : {kBodyView, kPlanView, kProfileView, kPerspectiveView}) {
      ViewDrawFlag(design, view) = true;
      ViewOpenFlag(design, view) = true;
    }
  } else {
    design.BodyViewOpen = true;
  }
  state_.Regenerate(Change::kExtents);
  // No file holds the new design yet.
  baseline_.Forget();
  freshName_ = design.DesignFileName;
  host_.DesignReplaced();
}

void FileCommands::NewParametricHull() {
  const std::optional<NewHullChoice> choice = chooseNewHull(parent_, StartDirectory(), prompter_);
  if (!choice) return;
  // The dialog let only sound inputs through; a refusal here changes nothing.
  if (const auto refusal = GenerateHull(state_, choice->type, choice->inputs)) {
    prompter_.ShowError(*refusal);
    return;
  }
  state_.design.DesignFileName = QFileInfo(choice->fileName).absoluteFilePath().toStdString();
  ShowNewDesign(true);
}

void FileCommands::NewParametricShape() {
  const std::optional<NewShapeChoice> choice = chooseNewShape(parent_, prompter_);
  if (!choice) return;
  if (const auto refusal = GenerateSolid(state_, choice->type, choice->inputs)) {
    prompter_.ShowError(*refusal);
    return;
  }
  state_.design.DesignFileName =
      QFileInfo(QDir(StartDirectory()), QStringLiteral("Newshape.s98")).absoluteFilePath()
          .toStdString();
  ShowNewDesign(false);
}

}  // namespace skelmora::app
