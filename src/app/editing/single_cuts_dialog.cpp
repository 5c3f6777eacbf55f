#include "editing/single_cuts_dialog.h"

#include <QTableWidget>

#include "editing/value_dialog.h"
#include "ui_single_cuts_dialog.h"
#include "views/real_field.h"

namespace skelmora::app {

namespace {

QString Cell(double value) { return value == 0.0 ? QString() : FixedText(value, 3); }

void SetCell(QTableWidget* grid, int row, double value) {
  QTableWidgetItem* item = grid->item(row, 0);
  if (!item) {
    item = new QTableWidgetItem;
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    grid->setItem(row, 0, item);
  }
  item->setText(Cell(value));
}

}  // namespace

Tsinglecutsdlg::Tsinglecutsdlg(AppState& state, Prompter& prompter, QWidget* parent)
    : QDialog(parent), state_(state), prompter_(prompter), ui_(new Ui::Tsinglecutsdlg) {
  ui_->setupUi(this);
  value_ = new Tdataeditdlg(this);
  const std::pair<SectionKind, QCheckBox*> kinds[] = {{SectionKind::kStation, ui_->stationcheck},
                                                      {SectionKind::kWaterline, ui_->watercheck},
                                                      {SectionKind::kButtock, ui_->buttcheck}};
  for (const auto& [kind, box] : kinds) {
    QTableWidget* g = grid(kind);
    g->setRowCount(kSingleSectionRows);
    g->setColumnCount(1);
    clear(kind);
    connect(g, &QTableWidget::cellClicked, this,
            [this, kind = kind](int row, int) { cellClicked(kind, row); });
    connect(box, &QCheckBox::toggled, g, &QWidget::setEnabled);
  }
  ui_->stationgrid->setHorizontalHeaderLabels({QStringLiteral("Aft of Bow(0)")});
  ui_->watergrid->setHorizontalHeaderLabels({QStringLiteral("+/- Load Waterline")});
  ui_->buttgrid->setHorizontalHeaderLabels({QStringLiteral("Abeam of Center")});
  connect(ui_->hidecheck, &QCheckBox::toggled, this, &Tsinglecutsdlg::hideAllToggled);
  connect(ui_->clearall, &QPushButton::clicked, this, [this] {
    for (auto kind : {SectionKind::kStation, SectionKind::kWaterline, SectionKind::kButtock})
      clear(kind);
  });
  connect(ui_->clearstations, &QPushButton::clicked, this,
          [this] { clear(SectionKind::kStation); });
  connect(ui_->clearwaterlines, &QPushButton::clicked, this,
          [this] { clear(SectionKind::kWaterline); });
  connect(ui_->clearbuttocks, &QPushButton::clicked, this,
          [this] { clear(SectionKind::kButtock); });
}

void Tsinglecutsdlg::setCell(SectionKind kind, int row, double value) {
  switch (kind) {
    case SectionKind::kStation:
      cells_.stations[row] = value;
      break;
    case SectionKind::kWaterline:
      cells_.waterlines[row] = value;
      break;
    case SectionKind::kButtock:
      cells_.buttocks[row] = value;
      break;
  }
  if (row < kSingleSectionRows) SetCell(grid(kind), row, value);
}

void Tsinglecutsdlg::clear(SectionKind kind) {
  const int rows = kind == SectionKind::kStation ? kMaxSpecialStations : kSingleSectionRows;
  for (int row = 0; row < rows; ++row) setCell(kind, row, 0.0);
}

Tsinglecutsdlg::~Tsinglecutsdlg() = default;

QTableWidget* Tsinglecutsdlg::grid(SectionKind kind) const {
  switch (kind) {
    case SectionKind::kStation:
      return ui_->stationgrid;
    case SectionKind::kWaterline:
      return ui_->watergrid;
    case SectionKind::kButtock:
      return ui_->buttgrid;
  }
  return nullptr;
}

QCheckBox* Tsinglecutsdlg::check(const char* name) const {
  return findChild<QCheckBox*>(QLatin1String(name));
}
QPushButton* Tsinglecutsdlg::pushButton(const char* name) const {
  return findChild<QPushButton*>(QLatin1String(name));
}

void Tsinglecutsdlg::prepare() {
  const HullDesign& d = state_.design;
  const auto stations = StationCellsOf(d);
  for (int row = 0; row < kMaxSpecialStations; ++row)
    setCell(SectionKind::kStation, row, stations[row]);
  if (!filledOnce_) {
    filledOnce_ = true;
    for (int row = 0; row < kSingleSectionRows; ++row) {
      setCell(SectionKind::kWaterline, row,
              row < d.SpecialWaterlineCount ? d.SpecialWaterlines[row + 1] : 0.0);
      setCell(SectionKind::kButtock, row,
              row < d.SpecialButtockCount ? d.SpecialButtocks[row + 1] : 0.0);
    }
  }
  ui_->hidecheck->setChecked(false);
  ui_->stationcheck->setChecked(d.SpecialStationsOn);
  ui_->watercheck->setChecked(d.SpecialWaterlinesOn);
  ui_->buttcheck->setChecked(d.SpecialButtocksOn);
  for (auto kind : {SectionKind::kStation, SectionKind::kWaterline, SectionKind::kButtock}) {
    grid(kind)->setEnabled(check(kind == SectionKind::kStation     ? "stationcheck"
                                 : kind == SectionKind::kWaterline ? "watercheck"
                                                                   : "buttcheck")
                               ->isChecked());
  }
}

void Tsinglecutsdlg::hideAllToggled(bool on) {
  for (QCheckBox* box : {ui_->stationcheck, ui_->watercheck, ui_->buttcheck}) {
    if (on) box->setChecked(false);
    box->setEnabled(!on);
  }
}

void Tsinglecutsdlg::cellClicked(SectionKind kind, int row) {
  const QTableWidgetItem* item = grid(kind)->item(row, 0);
  value_->prepare(QStringLiteral("Units Are In Inches or mm"), item ? item->text() : QString());
  if (value_->exec() != QDialog::Accepted) return;
  enterValue(kind, row, value_->value());
}

void Tsinglecutsdlg::enterValue(SectionKind kind, int row, double value) {
  if (row < 0 || row >= kSingleSectionRows) return;
  setCell(kind, row, CheckSingleSection(state_.design, *state_.surface, prompter_, kind, value));
}

void Tsinglecutsdlg::accept() {
  SingleSections cells = cells_;
  cells.stationsChecked = ui_->stationcheck->isChecked();
  cells.waterlinesChecked = ui_->watercheck->isChecked();
  cells.buttocksChecked = ui_->buttcheck->isChecked();
  ApplySingleSections(state_.design, cells);
  QDialog::accept();
}

}  // namespace skelmora::app
