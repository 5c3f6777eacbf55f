#include "shapes/hull_input_dialog.h"

#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QLabel>
#include <QPushButton>

#include "shapes/hull_defaults.h"
#include "ui_hull_input_dialog.h"
#include "views/real_field.h"

namespace skelmora::app {

namespace {

constexpr int kDecimals = 4;
// The longest file name the usual Linux file systems take, in bytes.
constexpr int kLongestNameBytes = 255;

QString WithoutTrailingSeparator(QString directory) {
  while (directory.size() > 1 && directory.endsWith(QLatin1Char('/'))) directory.chop(1);
  return directory;
}

// The name part of editfilename: what follows the last separator.
QString NamePart(const QString& text) {
  return text.mid(static_cast<int>(text.lastIndexOf(QLatin1Char('/'))) + 1);
}

// editfilename with ".s98" once: a typed ".s98" is not doubled.
QString WithDesignSuffix(const QString& text) {
  if (text.endsWith(QStringLiteral(".s98"), Qt::CaseInsensitive)) return text;
  return text + QStringLiteral(".s98");
}

}  // namespace

Thullinputdlg::Thullinputdlg(const QString& directory, Prompter& prompter, QWidget* parent)
    : QDialog(parent), ui_(new Ui::Thullinputdlg), prompter_(prompter) {
  ui_->setupUi(this);
  ui_->Buttons->button(QDialogButtonBox::Help)->setEnabled(false);
  connect(ui_->Buttons, &QDialogButtonBox::accepted, this, &Thullinputdlg::accept);
  connect(ui_->Buttons, &QDialogButtonBox::rejected, this, &Thullinputdlg::reject);

  directories_ = new QFileSystemModel(this);
  directories_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
  directories_->setRootPath(QStringLiteral("/"));
  ui_->DirectoryList->setModel(directories_);
  for (int column = 1; column < directories_->columnCount(); ++column) {
    ui_->DirectoryList->hideColumn(column);
  }
  connect(ui_->DirectoryList, &QAbstractItemView::clicked, this, [this](const QModelIndex& index) {
    followingDirectory_ = false;
    chooseDirectory(directories_->filePath(index));
  });

  for (QRadioButton* radio : {ui_->sailboat, ui_->nochinepwr, ui_->chinepwr, ui_->chinepwr2,
                              ui_->Cargo}) {
    connect(radio, &QRadioButton::clicked, this, &Thullinputdlg::typeChosen);
  }
  for (QRadioButton* radio : {ui_->Inchbutton, ui_->mmbutton, ui_->feetbutton, ui_->meterbutton}) {
    connect(radio, &QRadioButton::toggled, this, [this](bool on) {
      if (on) unitChosen();
    });
  }
  connect(ui_->editfilename, &QLineEdit::textChanged, this, &Thullinputdlg::fileNameEdited);

  directory_ = WithoutTrailingSeparator(
      directory.isEmpty() ? QDir::homePath() : QDir(directory).absolutePath());
  // The model lists folders as they are read, so the list is opened down to
  // the design directory again as each folder on the way arrives.
  connect(directories_, &QFileSystemModel::directoryLoaded, this, [this](const QString& path) {
    const QString loaded = path.endsWith(QLatin1Char('/')) ? path : path + QLatin1Char('/');
    if (followingDirectory_ && (directory_ + QLatin1Char('/')).startsWith(loaded)) {
      showDirectory();
    }
  });
  showDirectory();
  ui_->editfilename->setText(directory_ + QStringLiteral("/newfile"));

  units_ = unitCode();
  ui_->sailboat->setChecked(true);
  ui_->editdeadrise->setEnabled(false);
  ui_->editdeadrise->setValue(0.0, kDecimals);
  const HullInputs initial = InitialHullInputs(units_);
  showLengths(initial);
  ui_->editbow->setValue(initial.bowAngle, kDecimals);
  ui_->editstern->setValue(initial.sternAngle, kDecimals);
  typeChosen();
}

Thullinputdlg::~Thullinputdlg() = default;

QRadioButton* Thullinputdlg::button(const char* name) const {
  return findChild<QRadioButton*>(QLatin1String(name));
}

RealField* Thullinputdlg::field(const char* name) const {
  return findChild<RealField*>(QLatin1String(name));
}

HullType Thullinputdlg::hullType() const {
  if (ui_->nochinepwr->isChecked()) return HullType::kNoChinePower;
  if (ui_->chinepwr->isChecked()) return HullType::kOneChinePower;
  if (ui_->chinepwr2->isChecked()) return HullType::kTwoChinePower;
  if (ui_->Cargo->isChecked()) return HullType::kCargoShip;
  return HullType::kSailboat;
}

int32_t Thullinputdlg::unitCode() const {
  if (ui_->mmbutton->isChecked()) return kInputMillimetres;
  if (ui_->feetbutton->isChecked()) return kInputFeet;
  if (ui_->meterbutton->isChecked()) return kInputMetres;
  return kInputInches;
}

char Thullinputdlg::sternType() const {
  if (ui_->roundbutton->isChecked()) return 'R';
  if (ui_->canoebutton->isChecked()) return 'C';
  if (ui_->openbutton->isChecked()) return 'O';
  return 'F';
}

void Thullinputdlg::showLengths(const HullInputs& values) {
  ui_->editloa->setValue(values.length, kDecimals);
  ui_->editdeckbeam->setValue(values.halfBeam, kDecimals);
  ui_->editfreeboard->setValue(values.freeboard, kDecimals);
  ui_->editdraft->setValue(values.draft, kDecimals);
}

void Thullinputdlg::typeChosen() {
  const HullType type = hullType();
  HullInputs values = inputs();
  values.units = units_;
  ApplyDefaults(values, type);
  showLengths(values);
  ui_->editbow->setValue(values.bowAngle, kDecimals);
  ui_->editstern->setValue(values.sternAngle, kDecimals);
  const HullTypeFields fields = FieldsFor(type);
  ui_->editdeadrise->setEnabled(fields.deadrise);
  ui_->editbow->setEnabled(fields.bow);
  ui_->editstern->setEnabled(fields.stern);
  ui_->canoebutton->setEnabled(fields.canoe);
  ui_->roundbutton->setEnabled(fields.round);
  // A stern the type does not offer must not stay chosen behind a
  // disabled button.
  if ((!fields.canoe && ui_->canoebutton->isChecked()) ||
      (!fields.round && ui_->roundbutton->isChecked())) {
    ui_->flatbutton->setChecked(true);
  }
}

void Thullinputdlg::unitChosen() {
  const int32_t to = unitCode();
  if (to == units_) return;
  HullInputs values;
  values.units = units_;
  values.length = ui_->editloa->valueOrZero();
  values.halfBeam = ui_->editdeckbeam->valueOrZero();
  values.freeboard = ui_->editfreeboard->valueOrZero();
  values.draft = ui_->editdraft->valueOrZero();
  ConvertLengths(values, to);
  units_ = to;
  showLengths(values);
}

void Thullinputdlg::fileNameEdited(const QString& text) {
  ui_->final_name->setText(WithDesignSuffix(text));
}

void Thullinputdlg::showDirectory() {
  const QModelIndex current = directories_->index(directory_);
  if (!current.isValid()) return;
  for (QModelIndex up = current.parent(); up.isValid(); up = up.parent()) {
    ui_->DirectoryList->expand(up);
  }
  ui_->DirectoryList->setCurrentIndex(current);
  ui_->DirectoryList->scrollTo(current, QAbstractItemView::PositionAtCenter);
}

QString Thullinputdlg::directoryShown() const {
  return directories_->filePath(ui_->DirectoryList->currentIndex());
}

void Thullinputdlg::chooseDirectory(const QString& directory) {
  directory_ = WithoutTrailingSeparator(directory);
  // The name typed so far moves to the new folder.
  ui_->editfilename->setText(directory_ + QLatin1Char('/') + NamePart(ui_->editfilename->text()));
}

QString Thullinputdlg::designFileName() const {
  return WithDesignSuffix(ui_->editfilename->text());
}

std::optional<std::string> Thullinputdlg::fileNameRefusal() const {
  const QString path = designFileName();
  const QString name = NamePart(ui_->editfilename->text());
  if (name.trimmed().isEmpty() || name == QStringLiteral(".") || name == QStringLiteral("..")) {
    return std::string("Please enter a name for the new design file.");
  }
  if (name.contains(QChar(0)) || NamePart(path).toUtf8().size() > kLongestNameBytes) {
    return "\"" + NamePart(path).toStdString() + "\" is not a valid file name.";
  }
  const QString folder = path.left(static_cast<int>(path.lastIndexOf(QLatin1Char('/'))) + 1);
  if (!QFileInfo(folder.isEmpty() ? QStringLiteral(".") : folder).isDir()) {
    return "The folder \"" + folder.toStdString() + "\" does not exist.";
  }
  return std::nullopt;
}

HullInputs Thullinputdlg::inputs() const {
  HullInputs in;
  in.units = units_;
  in.length = ui_->editloa->valueOrZero();
  in.halfBeam = ui_->editdeckbeam->valueOrZero();
  in.freeboard = ui_->editfreeboard->valueOrZero();
  in.draft = ui_->editdraft->valueOrZero();
  in.bowAngle = ui_->editbow->valueOrZero();
  in.sternAngle = ui_->editstern->valueOrZero();
  in.sternType = sternType();
  return in;
}

void Thullinputdlg::accept() {
  // Every field the generator reads must hold a number.
  for (RealField* f : {ui_->editloa, ui_->editdeckbeam, ui_->editfreeboard, ui_->editdraft,
                       ui_->editbow, ui_->editstern}) {
    if (f->value()) continue;
    const auto* label = findChild<QLabel*>(f->objectName() + QStringLiteral("Label"));
    prompter_.ShowError(RealField::ConversionError(label ? label->text() : QString(), f->text()));
    return;
  }
  if (const auto refusal = fileNameRefusal()) {
    prompter_.ShowError(*refusal);
    return;
  }
  if (const auto refusal = CheckHullInputs(hullType(), inputs())) {
    prompter_.ShowError(*refusal);
    return;
  }
  QDialog::accept();
}

std::optional<NewHullChoice> RunNewHullDialog(QWidget* parent, const QString& directory,
                                              Prompter& prompter) {
  Thullinputdlg dialog(directory, prompter, parent);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return NewHullChoice{dialog.hullType(), dialog.inputs(), dialog.designFileName()};
}

}  // namespace skelmora::app
