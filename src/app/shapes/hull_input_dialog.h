// "New Design Dimensions" (Thullinputdlg): the hull type, the unit, the six
// dimensions, the stern type and the new design's file name for
// File › New › "Parametric Hull Design". OK closes only on inputs the
// generator takes; the caller then generates the hull.
#pragma once

#include <QDialog>
#include <QString>
#include <memory>
#include <optional>
#include <string>

#include "model/prompter.h"
#include "shapes/hull_generator.h"

namespace Ui {
class Thullinputdlg;
}
class QFileSystemModel;
class QRadioButton;

namespace skelmora::app {

class RealField;

class Thullinputdlg : public QDialog {
  Q_OBJECT

 public:
  // directory: where the new file goes at first (the design directory).
  Thullinputdlg(const QString& directory, Prompter& prompter, QWidget* parent = nullptr);
  ~Thullinputdlg() override;

  HullType hullType() const;
  // The unit code (1 in, 2 mm, 3 ft, 4 m), the six values and the stern.
  HullInputs inputs() const;
  // editfilename followed by ".s98" (not doubled when it was typed).
  QString designFileName() const;
  // The folder the directory list has selected.
  QString directoryShown() const;

  QRadioButton* button(const char* name) const;
  RealField* field(const char* name) const;
  // Picks a directory as the directory list would.
  void chooseDirectory(const QString& directory);

  void accept() override;

 private:
  void typeChosen();
  void unitChosen();
  void fileNameEdited(const QString& text);
  void showDirectory();
  // Why the typed file name cannot be used, if it cannot.
  std::optional<std::string> fileNameRefusal() const;
  void showLengths(const HullInputs& values);
  int32_t unitCode() const;
  char sternType() const;

  std::unique_ptr<Ui::Thullinputdlg> ui_;
  Prompter& prompter_;
  QFileSystemModel* directories_ = nullptr;
  QString directory_;
  bool followingDirectory_ = true;  // until the user picks a folder
  int32_t units_ = kInputInches;  // the unit the lengths are shown in
};

// What the dialog gives on OK.
struct NewHullChoice {
  HullType type = HullType::kSailboat;
  HullInputs inputs;
  QString fileName;  // the new design's file name, ".s98" included
};

// Shows the dialog modally; nothing when it is cancelled.
std::optional<NewHullChoice> RunNewHullDialog(QWidget* parent, const QString& directory,
                                              Prompter& prompter);

}  // namespace skelmora::app
