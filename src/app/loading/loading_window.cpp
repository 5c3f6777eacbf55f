#include "loading/loading_window.h"

#include <QChart>
#include <QChartView>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QTableWidget>
#include <QValueAxis>
#include <QVBoxLayout>
#include <algorithm>

#include "hydro/hydrostatics.h"
#include "loading/loading_cells.h"
#include "model/app_state.h"
#include "views/real_field.h"
#include "views/wait_cursor.h"

namespace skelmora::app {

namespace {

QTableWidget* Grid(QWidget* parent, const char* name, const QStringList& headings, int numeric) {
  auto* grid = new QTableWidget(parent);
  grid->setObjectName(QString::fromLatin1(name));
  grid->setColumnCount(static_cast<int>(headings.size()));
  grid->setHorizontalHeaderLabels(headings);
  grid->verticalHeader()->hide();
  grid->setSelectionMode(QAbstractItemView::SingleSelection);
  grid->setItemDelegate(new RealCellDelegate(numeric, grid));
  return grid;
}

// Cells are updated in place: a cell's own change signal may be what
// refills the grid, and its item must outlive it.
void SetCell(QTableWidget* grid, int row, int column, const std::string& text, bool editable,
             bool number) {
  QTableWidgetItem* item = grid->item(row, column);
  if (!item) {
    item = new QTableWidgetItem;
    grid->setItem(row, column, item);
  }
  item->setText(QString::fromStdString(text));
  if (number) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
  item->setFlags(editable ? Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable
                          : Qt::ItemIsSelectable | Qt::ItemIsEnabled);
}

QPushButton* Button(QWidget* parent, const char* name, const QString& text) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(QString::fromLatin1(name));
  return button;
}

}  // namespace

TLoadingWindow::TLoadingWindow(AppState& state, ReportPrinter& printer, FileChooser& files,
                               QWidget* parent)
    : QDialog(parent), state_(state), printer_(printer), files_(files) {
  setObjectName(QStringLiteral("LoadingWindow"));
  const int32_t units = state_.design.Units;
  {
    WaitCursor wait;
    hull_ = BuildFloatingHull(*state_.surface, units);
  }

  items_ = Grid(this, "ItemGrid", ItemHeadings(units), kItemWeight);
  tanks_ = Grid(this, "TankGrid", TankHeadings(units), kTankFore);
  connect(items_, &QTableWidget::cellChanged, this,
          [this](int r, int c) { CellChanged(items_, r, c); });
  connect(tanks_, &QTableWidget::cellChanged, this,
          [this](int r, int c) { CellChanged(tanks_, r, c); });

  position_ = new QTableWidget(this);
  position_->setObjectName(QStringLiteral("PositionTable"));
  levers_ = new QTableWidget(this);
  levers_->setObjectName(QStringLiteral("LeverTable"));
  criteria_ = new QTableWidget(this);
  criteria_->setObjectName(QStringLiteral("CriteriaTable"));
  results_ = new QTabWidget(this);
  results_->addTab(position_, QStringLiteral("Floating Position"));
  results_->addTab(levers_, QStringLiteral("Righting Levers"));
  results_->addTab(criteria_, QStringLiteral("Criteria"));

  chart_ = new QChart;
  xAxis_ = new QValueAxis;
  yAxis_ = new QValueAxis;
  xAxis_->setTitleText(QStringLiteral("Heel (deg)"));
  yAxis_->setTitleText(QStringLiteral("GZ (%1)").arg(FactorsFor(units).metric ? QStringLiteral("m")
                                                                              : QStringLiteral("ft")));
  chart_->addAxis(xAxis_, Qt::AlignBottom);
  chart_->addAxis(yAxis_, Qt::AlignLeft);
  chart_->legend()->setAlignment(Qt::AlignBottom);
  view_ = new QChartView(chart_, this);
  view_->setMinimumSize(420, 300);

  auto* fileRow = new QHBoxLayout;
  const std::pair<const char*, const char*> fileButtons[] = {
      {"NewButton", "New"}, {"OpenButton", "Open..."}, {"SaveButton", "Save"},
      {"SaveAsButton", "Save As..."}};
  for (const auto& [name, text] : fileButtons) {
    QPushButton* b = Button(this, name, QString::fromLatin1(text));
    fileRow->addWidget(b);
    connect(b, &QPushButton::clicked, this, [this, name = std::string(name)] {
      if (name == "NewButton") New();
      else if (name == "OpenButton") Open();
      else if (name == "SaveButton") Save();
      else SaveAs();
    });
  }
  fileRow->addStretch();

  auto* editRow = new QHBoxLayout;
  const std::pair<const char*, const char*> editButtons[] = {
      {"AddItemButton", "Add Item"}, {"DeleteItemButton", "Delete Item"},
      {"AddTankButton", "Add Tank"}, {"DeleteTankButton", "Delete Tank"}};
  for (const auto& [name, text] : editButtons) {
    QPushButton* b = Button(this, name, QString::fromLatin1(text));
    editRow->addWidget(b);
    connect(b, &QPushButton::clicked, this, [this, name = std::string(name)] {
      if (name == "AddItemButton") AddItem();
      else if (name == "DeleteItemButton") DeleteItem();
      else if (name == "AddTankButton") AddTank();
      else DeleteTank();
    });
  }
  editRow->addStretch();

  auto* runRow = new QHBoxLayout;
  QPushButton* floatButton = Button(this, "FloatButton", QStringLiteral("Float"));
  QPushButton* leversButton = Button(this, "LeversButton", QStringLiteral("Righting Levers"));
  maxHeel_ = new RealField(this);
  maxHeel_->setObjectName(QStringLiteral("MaxHeel"));
  maxHeel_->setValue(80.0, 0);
  maxHeel_->setMaximumWidth(70);
  heelStep_ = new RealField(this);
  heelStep_->setObjectName(QStringLiteral("HeelStep"));
  heelStep_->setValue(5.0, 0);
  heelStep_->setMaximumWidth(70);
  runRow->addWidget(floatButton);
  runRow->addSpacing(12);
  runRow->addWidget(new QLabel(QStringLiteral("Max heel (deg)"), this));
  runRow->addWidget(maxHeel_);
  runRow->addWidget(new QLabel(QStringLiteral("Step"), this));
  runRow->addWidget(heelStep_);
  runRow->addWidget(leversButton);
  runRow->addStretch();
  connect(floatButton, &QPushButton::clicked, this, [this] { Float(); });
  connect(leversButton, &QPushButton::clicked, this, [this] { RightingLevers(); });

  auto* left = new QSplitter(Qt::Vertical, this);
  auto* itemsBox = new QWidget(this);
  auto* itemsLayout = new QVBoxLayout(itemsBox);
  itemsLayout->setContentsMargins(0, 0, 0, 0);
  itemsLayout->addWidget(new QLabel(QStringLiteral("Weights"), this));
  itemsLayout->addWidget(items_);
  auto* tanksBox = new QWidget(this);
  auto* tanksLayout = new QVBoxLayout(tanksBox);
  tanksLayout->setContentsMargins(0, 0, 0, 0);
  tanksLayout->addWidget(new QLabel(QStringLiteral("Tanks"), this));
  tanksLayout->addWidget(tanks_);
  left->addWidget(itemsBox);
  left->addWidget(tanksBox);
  auto* right = new QSplitter(Qt::Vertical, this);
  right->addWidget(view_);
  right->addWidget(results_);
  right->setStretchFactor(0, 3);
  right->setStretchFactor(1, 2);
  auto* body = new QSplitter(Qt::Horizontal, this);
  body->addWidget(left);
  body->addWidget(right);
  body->setStretchFactor(0, 3);
  body->setStretchFactor(1, 2);

  auto* bottom = new QHBoxLayout;
  QPushButton* print = Button(this, "PrintButton", QStringLiteral("Print"));
  QPushButton* csv = Button(this, "SaveTableButton", QStringLiteral("Save Table..."));
  QPushButton* close = Button(this, "CloseButton", QStringLiteral("Close"));
  connect(print, &QPushButton::clicked, this, [this] { PrintReport(); });
  connect(csv, &QPushButton::clicked, this, [this] { SaveTable(); });
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  bottom->addStretch();
  bottom->addWidget(print);
  bottom->addWidget(csv);
  bottom->addWidget(close);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(fileRow);
  layout->addLayout(editRow);
  layout->addLayout(runRow);
  layout->addWidget(body, 1);
  layout->addLayout(bottom);

  Fill();
  ShowRun();
  resize(1280, 760);
}

QString TLoadingWindow::Title() const {
  const QString name = path_.isEmpty() ? QStringLiteral("(new)") : QFileInfo(path_).fileName();
  return QStringLiteral("Loading Conditions - %1%2").arg(name, modified_ ? QStringLiteral(" *")
                                                                         : QString());
}

void TLoadingWindow::Fill() {
  filling_ = true;
  items_->setRowCount(static_cast<int>(condition_.items.size()) + 1);
  for (int r = 0; r < items_->rowCount(); ++r) {
    const WeightItem& item = r == 0 ? condition_.lightship : condition_.items[r - 1];
    for (int c = 0; c < kItemColumns; ++c) {
      // The lightship keeps its name.
      SetCell(items_, r, c, ItemCellText(item, c), r > 0 || c != kItemName, c != kItemName);
    }
  }
  items_->resizeColumnsToContents();
  filling_ = false;
  FillTanks();
  setWindowTitle(Title());
}

void TLoadingWindow::FillTanks() {
  filling_ = true;
  tankStates_.clear();
  for (const Tank& t : condition_.tanks) tankStates_.push_back(ComputeTank(hull_, t));
  tanks_->setRowCount(static_cast<int>(condition_.tanks.size()));
  for (int r = 0; r < tanks_->rowCount(); ++r) {
    for (int c = 0; c < kTankColumns; ++c) {
      SetCell(tanks_, r, c, TankCellText(condition_.tanks[r], tankStates_[r], c),
              TankColumnEditable(c), c != kTankName);
    }
  }
  tanks_->resizeColumnsToContents();
  filling_ = false;
}

void TLoadingWindow::CellChanged(QTableWidget* grid, int row, int column) {
  if (filling_) return;
  const std::string text = grid->item(row, column)->text().trimmed().toStdString();
  std::optional<std::string> refused;
  if (grid == items_) {
    WeightItem& item = row == 0 ? condition_.lightship : condition_.items[row - 1];
    refused = ApplyItemCell(item, column, text);
  } else {
    refused = ApplyTankCell(condition_.tanks[row], tankStates_[row], column, text,
                            state_.design.Units);
  }
  if (refused) state_.prompter->ShowError(*refused);
  // Refused or not, the cells show what the condition holds.
  Fill();
  if (!refused) ConditionChanged();
}

void TLoadingWindow::ConditionChanged() {
  modified_ = true;
  run_.reset();
  fixedTrim_.clear();
  ShowRun();
  setWindowTitle(Title());
}

void TLoadingWindow::AddItem() {
  std::string name;
  for (int k = static_cast<int>(condition_.items.size()) + 1;; ++k) {
    name = "Item" + std::to_string(k);
    const bool taken = std::any_of(condition_.items.begin(), condition_.items.end(),
                                   [&](const WeightItem& i) { return i.name == name; });
    if (!taken) break;
  }
  condition_.items.push_back({name, 0.0, 0.5 * (hull_.yMin + hull_.yMax), 0.0, 0.0});
  Fill();
  ConditionChanged();
}

void TLoadingWindow::AddTank() {
  // A box amidships, a fifth of the length long, across the hull's bottom up
  // to the design waterline: a start the user edits.
  const double mid = 0.5 * (hull_.yMin + hull_.yMax), half = 0.1 * hull_.Length();
  const auto across = SpanAlong(hull_.soup, {1.0, 0.0, 0.0});
  const double beam = across[1] > across[0] ? 0.5 * (across[1] - across[0]) : 1.0;
  Tank tank{"Tank" + std::to_string(condition_.tanks.size() + 1),
            mid - half, mid + half, -0.5 * beam, 0.5 * beam, hull_.keelZ,
            std::max(0.0, hull_.keelZ + 1.0), 1.025, 50.0};
  if (CheckTank(tank)) tank.zMax = tank.zMin + std::max(1.0, half);
  condition_.tanks.push_back(tank);
  FillTanks();
  ConditionChanged();
}

bool TLoadingWindow::DeleteItem() {
  const int row = items_->currentRow();
  if (row < 1 || row > static_cast<int>(condition_.items.size())) return false;
  condition_.items.erase(condition_.items.begin() + (row - 1));
  Fill();
  ConditionChanged();
  return true;
}

bool TLoadingWindow::DeleteTank() {
  const int row = tanks_->currentRow();
  if (row < 0 || row >= static_cast<int>(condition_.tanks.size())) return false;
  condition_.tanks.erase(condition_.tanks.begin() + row);
  FillTanks();
  ConditionChanged();
  return true;
}

}  // namespace skelmora::app
