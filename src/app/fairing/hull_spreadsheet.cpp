#include "fairing/hull_spreadsheet.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>
#include <optional>

#include "files/text_io.h"
#include "views/paint_list.h"
#include "views/real_field.h"

namespace skelmora::app {

namespace {

constexpr int kGridColumns = 5;
const char* const kHeadings[kGridColumns] = {"", "1/2Beam", "Aft \"0\"", "Height", "Weight"};

std::optional<double> CellValue(const QTableWidgetItem* item) {
  if (!item) return std::nullopt;
  return TryParseReal(item->text().trimmed().toStdString());
}

QPushButton* AddButton(QWidget* parent, const char* name, const QString& text) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(QLatin1String(name));
  button->setAutoDefault(false);
  return button;
}

// A value cell takes digits, one ".", "-", and the editing keys.
class SheetCellEditor : public QLineEdit {
 public:
  using QLineEdit::QLineEdit;

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    const QString text = event->text();
    const bool ctrlY = event->key() == Qt::Key_Y && (event->modifiers() & Qt::ControlModifier);
    if (!ctrlY && text.size() == 1 && text[0].isPrint()) {
      const QChar c = text[0];
      const bool digit = c >= u'0' && c <= u'9';
      const bool secondPoint = c == u'.' && this->text().remove(selectedText()).contains(u'.');
      if ((!digit && c != u'.' && c != u'-') || secondPoint) {
        event->ignore();
        return;
      }
    }
    QLineEdit::keyPressEvent(event);
  }
};

}  // namespace

class SheetCellDelegate : public QStyledItemDelegate {
 public:
  SheetCellDelegate(THullSpreadSheet& sheet, QObject* parent)
      : QStyledItemDelegate(parent), sheet_(sheet) {}

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&,
                        const QModelIndex& index) const override {
    auto* editor = new SheetCellEditor(parent);
    editor->setObjectName(QStringLiteral("CellEditor"));
    const int row = index.row(), column = index.column();
    connect(editor, &QLineEdit::textChanged, editor,
            [this, row, column](const QString& text) { sheet_.CellEdited(row, column, text); });
    return editor;
  }

 private:
  THullSpreadSheet& sheet_;
};

// --- the drawing -------------------------------------------------------------

SheetView::SheetView(THullSpreadSheet& sheet, QWidget* parent) : QWidget(parent), sheet_(sheet) {
  setObjectName(QStringLiteral("PaintBox"));
  setMinimumSize(280, 280);
  setToolTip(QStringLiteral("Click Left - Drag Vertex"));
  setStatusTip(QStringLiteral("Click left mouse button on vertex to move. Hold button and drag "
                              "vertex. Release to drop vertex."));
  setAutoFillBackground(true);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, Qt::white);
  setPalette(palette);
}

namespace {
ViewMapping SheetMapping(const SheetDrawing& d) {
  ViewMapping m;
  m.pixelsPerLogical = d.pixelsPerLogical;
  m.originX = -d.left * d.pixelsPerLogical;
  m.originY = d.top * d.pixelsPerLogical;
  return m;
}
}  // namespace

QPointF SheetView::ToLogical(const QPointF& device) const {
  const ViewMapping m = SheetMapping(sheet_.sheetDrawing());
  return {(device.x() - m.originX) / m.pixelsPerLogical,
          (m.originY - device.y()) / m.pixelsPerLogical};
}

QPointF SheetView::ToDevice(double x, double y) const {
  const ViewMapping m = SheetMapping(sheet_.sheetDrawing());
  return {m.DeviceX(x), m.DeviceY(y)};
}

void SheetView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  PaintDisplayList(painter, sheet_.sheetDrawing().list, SheetMapping(sheet_.sheetDrawing()));
}

void SheetView::resizeEvent(QResizeEvent*) { sheet_.BuildDrawing(); }

void SheetView::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const QPointF at = ToLogical(event->position());
  sheet_.PressAt(at.x(), at.y());
}

void SheetView::mouseMoveEvent(QMouseEvent* event) {
  if (sheet_.pickedVertex() < 0) return;
  const QPointF at = ToLogical(event->position());
  sheet_.DragTo(at.x(), at.y());
}

void SheetView::mouseReleaseEvent(QMouseEvent*) { sheet_.Release(); }

// --- the spreadsheet -----------------------------------------------------------

THullSpreadSheet::THullSpreadSheet(AppState& state, std::function<bool()> save, QWidget* parent)
    : QDialog(parent), state_(state), save_(std::move(save)) {
  setObjectName(QStringLiteral("HullSpreadSheet"));
  setWindowTitle(QStringLiteral("Visual Vertex Spreadsheet"));

  auto* modeBox = new QGroupBox(QStringLiteral("Vertex Columns or Rows"), this);
  auto* columns = new QRadioButton(QStringLiteral("Vertex Columns"), modeBox);
  columns->setObjectName(QStringLiteral("ColumnsRadio"));
  auto* rows = new QRadioButton(QStringLiteral("Vertex Rows"), modeBox);
  rows->setObjectName(QStringLiteral("RowsRadio"));
  columns->setChecked(true);
  auto* modeLayout = new QVBoxLayout(modeBox);
  modeLayout->addWidget(columns);
  modeLayout->addWidget(rows);
  connect(columns, &QRadioButton::toggled, this, [this](bool on) {
    if (on) SetMode(Mode::kColumns);
  });
  connect(rows, &QRadioButton::toggled, this, [this](bool on) {
    if (on) SetMode(Mode::kRows);
  });

  auto* indexLabel = new QLabel(QStringLiteral("Vertex Column Number"), this);
  indexLabel->setObjectName(QStringLiteral("IndexLabel"));
  spin_ = new QSpinBox(this);
  spin_->setObjectName(QStringLiteral("IndexSpin"));
  auto* columnsRange = new QLabel(this);
  columnsRange->setObjectName(QStringLiteral("ColumnsRangeLabel"));
  auto* rowsRange = new QLabel(this);
  rowsRange->setObjectName(QStringLiteral("RowsRangeLabel"));
  connect(spin_, &QSpinBox::valueChanged, this, &THullSpreadSheet::IndexChanged);

  grid_ = new QTableWidget(this);
  grid_->setObjectName(QStringLiteral("Grid"));
  grid_->setColumnCount(kGridColumns);
  grid_->horizontalHeader()->hide();
  grid_->verticalHeader()->hide();
  grid_->setItemDelegate(new SheetCellDelegate(*this, grid_));
  grid_->setMinimumWidth(5 * 100 + 8);
  grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  connect(grid_, &QTableWidget::cellChanged, this, [this](int, int) {
    if (!filling_) BuildDrawing();
  });

  drawing_ = new SheetView(*this, this);
  auto* viewLabel = new QLabel(QStringLiteral("Body View"), this);
  viewLabel->setObjectName(QStringLiteral("ViewLabel"));
  auto* views = new QHBoxLayout;
  views->addWidget(viewLabel, 1);
  views->addWidget(AddButton(this, "BodyButton", QStringLiteral("Body")));
  views->addWidget(AddButton(this, "PlanButton", QStringLiteral("Plan")));
  views->addWidget(AddButton(this, "ProfileButton", QStringLiteral("Profile")));
  connect(button("BodyButton"), &QPushButton::clicked, this, [this] { SetView(kBodyView); });
  connect(button("PlanButton"), &QPushButton::clicked, this, [this] { SetView(kPlanView); });
  connect(button("ProfileButton"), &QPushButton::clicked, this, [this] { SetView(kProfileView); });

  auto* changeBox = new QGroupBox(this);
  auto* changeLabel = new QLabel(QStringLiteral("Change all Vertex Column Values"), changeBox);
  changeLabel->setObjectName(QStringLiteral("ChangeLabel"));
  auto* changeLayout = new QGridLayout(changeBox);
  changeLayout->addWidget(changeLabel, 0, 0, 1, 2);
  struct ChangeRow {
    const char* radio;
    const char* caption;
    const char* field;
    const char* tip;
  };
  const ChangeRow kChanges[3] = {
      {"HalfBeamRadio", "Half Beam", "HalfBeamAllEdit", "Set Half Beam of All Vertices"},
      {"AftBowRadio", "Aft Bow", "AftBowAllEdit", "Set Distance Aft Bow Of All Vertices"},
      {"HeightRadio", "Height +/- Lwl", "HeightAllEdit", "Set Height of All Vertices"}};
  for (int k = 0; k < 3; ++k) {
    auto* radio = new QRadioButton(QLatin1String(kChanges[k].caption), changeBox);
    radio->setObjectName(QLatin1String(kChanges[k].radio));
    // Each is chosen on its own: "Change" sets every chosen column.
    radio->setAutoExclusive(false);
    auto* field = new RealField(changeBox);
    field->setObjectName(QLatin1String(kChanges[k].field));
    field->setToolTip(QLatin1String(kChanges[k].tip));
    connect(field, &QLineEdit::textEdited, radio, [radio] { radio->setChecked(true); });
    changeLayout->addWidget(radio, k + 1, 0);
    changeLayout->addWidget(field, k + 1, 1);
  }
  QPushButton* change = AddButton(changeBox, "ChangeButton", QStringLiteral("Change"));
  changeLayout->addWidget(change, 4, 0, 1, 2);
  connect(change, &QPushButton::clicked, this, &THullSpreadSheet::ChangeAll);

  auto* buttons = new QHBoxLayout;
  for (const auto& [name, text] : {std::pair{"SaveButton", "Save"}, std::pair{"UndoButton", "Undo"},
                                   std::pair{"CancelButton", "Cancel"},
                                   std::pair{"OKButton", "OK"}}) {
    buttons->addWidget(AddButton(this, name, QLatin1String(text)));
  }
  connect(button("SaveButton"), &QPushButton::clicked, this, &THullSpreadSheet::Save);
  connect(button("UndoButton"), &QPushButton::clicked, this, &THullSpreadSheet::UndoGridEdits);
  connect(button("CancelButton"), &QPushButton::clicked, this, &THullSpreadSheet::reject);
  connect(button("OKButton"), &QPushButton::clicked, this, &THullSpreadSheet::accept);

  auto* panel = new QVBoxLayout;
  panel->addWidget(modeBox);
  panel->addWidget(indexLabel);
  panel->addWidget(spin_);
  panel->addWidget(columnsRange);
  panel->addWidget(rowsRange);
  panel->addWidget(changeBox);
  panel->addStretch();
  auto* right = new QVBoxLayout;
  right->addLayout(views);
  right->addWidget(drawing_, 1);
  auto* top = new QHBoxLayout;
  top->addWidget(grid_, 1);
  top->addLayout(right, 1);
  top->addLayout(panel);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top, 1);
  layout->addLayout(buttons);
  resize(1100, 560);

  const HullDesign& d = state_.design;
  columnsRange->setText(QStringLiteral("Columns= 0 to %1").arg(ClampIndex(d.LastColumn)));
  rowsRange->setText(QStringLiteral("Rows    = 0 to %1").arg(ClampIndex(d.LastRow)));
  SetUpGrid();
}

THullSpreadSheet::~THullSpreadSheet() = default;

QLabel* THullSpreadSheet::label(const char* name) const {
  return findChild<QLabel*>(QLatin1String(name));
}
QPushButton* THullSpreadSheet::button(const char* name) const {
  return findChild<QPushButton*>(QLatin1String(name));
}
QRadioButton* THullSpreadSheet::radio(const char* name) const {
  return findChild<QRadioButton*>(QLatin1String(name));
}
RealField* THullSpreadSheet::changeField(Field field) const {
  const char* names[] = {"", "HalfBeamAllEdit", "AftBowAllEdit", "HeightAllEdit"};
  return field >= kHalfBeam && field <= kHeight ? findChild<RealField*>(QLatin1String(names[field]))
                                                : nullptr;
}

int THullSpreadSheet::LastIndex() const {
  const HullDesign& d = state_.design;
  return ClampIndex(mode_ == Mode::kColumns ? d.LastColumn : d.LastRow);
}

// Vertex k of the selected line: up a column, or along a row.
Vertex& THullSpreadSheet::NetVertex(int index, int k) {
  return mode_ == Mode::kColumns ? state_.design.Net[index][k] : state_.design.Net[k][index];
}

void THullSpreadSheet::SetUpGrid() {
  const bool columns = mode_ == Mode::kColumns;
  const HullDesign& d = state_.design;
  const int m = ClampIndex(columns ? d.LastRow : d.LastColumn);
  filling_ = true;
  grid_->clearContents();
  grid_->setRowCount(m + 2);
  for (int c = 0; c < kGridColumns; ++c) {
    auto* heading = new QTableWidgetItem(QLatin1String(kHeadings[c]));
    heading->setFlags(Qt::ItemIsEnabled);
    grid_->setItem(0, c, heading);
  }
  for (int k = 0; k <= m; ++k) {
    QString text;
    if (k == 0) {
      text = columns ? QStringLiteral("Fairbody 0") : QStringLiteral("Bow 0");
    } else if (k == m) {
      text = columns ? QStringLiteral("Sheer/Deck") : QStringLiteral("Stern");
    } else {
      text = QStringLiteral("Vertex %1").arg(k);
    }
    auto* rowLabel = new QTableWidgetItem(text);
    rowLabel->setFlags(Qt::ItemIsEnabled);
    grid_->setItem(k + 1, 0, rowLabel);
  }
  filling_ = false;
  {
    const QSignalBlocker block(spin_);
    spin_->setRange(0, LastIndex());
    spin_->setValue(0);
  }
  label("IndexLabel")->setText(columns ? QStringLiteral("Vertex Column Number")
                                       : QStringLiteral("Vertex Row Number"));
  label("ChangeLabel")->setText(columns ? QStringLiteral("Change all Vertex Column Values")
                                        : QStringLiteral("Change all Vertex Row Values"));
  Fill(0);
}

void THullSpreadSheet::Fill(int index) {
  current_ = index;
  const int m = grid_->rowCount() - 2;
  filling_ = true;
  for (int k = 0; k <= m; ++k) {
    const Vertex& v = NetVertex(index, k);
    const double values[4] = {v.x, v.y, v.z, v.w};
    for (int c = 0; c < 4; ++c) {
      grid_->setItem(k + 1, c + 1, new QTableWidgetItem(FixedText(values[c], 4, 12)));
    }
  }
  filling_ = false;
  // The change fields start at the first vertex's values.
  const Vertex& first = NetVertex(index, 0);
  changeField(kHalfBeam)->setValue(first.x, 4);
  changeField(kAftBow)->setValue(first.y, 4);
  changeField(kHeight)->setValue(first.z, 4);
  BuildDrawing();
}

void THullSpreadSheet::SetMode(Mode mode) {
  if (mode == mode_) return;
  // Edits of the line shown are kept, as a selection change keeps them.
  if (!CheckGrid()) {
    const QSignalBlocker a(radio("ColumnsRadio")), b(radio("RowsRadio"));
    radio(mode_ == Mode::kColumns ? "ColumnsRadio" : "RowsRadio")->setChecked(true);
    return;
  }
  WriteGrid(current_);
  mode_ = mode;
  view_ = mode == Mode::kColumns ? kBodyView : kProfileView;
  SetUpGrid();
  SetView(view_);
}

void THullSpreadSheet::SetView(ViewId view) {
  view_ = view;
  const char* names[] = {"Body View", "Plan View", "Profile View"};
  label("ViewLabel")->setText(QLatin1String(names[view == kPlanView ? 1 : view == kProfileView ? 2 : 0]));
  BuildDrawing();
}

bool THullSpreadSheet::CheckGrid() {
  const int m = grid_->rowCount() - 2;
  // Every value cell, the weight too: an empty one would write 0.
  for (int k = 0; k <= m; ++k) {
    for (int c = kHalfBeam; c <= kWeight; ++c) {
      if (grid_->item(k + 1, c) && !grid_->item(k + 1, c)->text().trimmed().isEmpty()) continue;
      state_.prompter->ShowError(kEmptyCellMessage);
      return false;
    }
  }
  for (int k = 0; k <= m; ++k) {
    for (int c = kHalfBeam; c <= kWeight; ++c) {
      if (CellValue(grid_->item(k + 1, c))) continue;
      state_.prompter->ShowError(RealField::ConversionError(
          QLatin1String(kHeadings[c]), grid_->item(k + 1, c)->text().trimmed()));
      return false;
    }
  }
  return true;
}

void THullSpreadSheet::WriteGrid(int index) {
  const int m = grid_->rowCount() - 2;
  for (int k = 0; k <= m; ++k) {
    Vertex& v = NetVertex(index, k);
    v.x = static_cast<float>(*CellValue(grid_->item(k + 1, kHalfBeam)));
    v.y = static_cast<float>(*CellValue(grid_->item(k + 1, kAftBow)));
    v.z = static_cast<float>(*CellValue(grid_->item(k + 1, kHeight)));
    v.w = static_cast<float>(*CellValue(grid_->item(k + 1, kWeight)));
  }
}

void THullSpreadSheet::IndexChanged(int index) {
  if (index == current_) return;
  if (!CheckGrid()) {
    const QSignalBlocker block(spin_);
    spin_->setValue(current_);
    return;
  }
  WriteGrid(current_);
  Fill(index);
}

void THullSpreadSheet::ChangeAll() {
  const int m = grid_->rowCount() - 2;
  const char* radios[] = {"", "HalfBeamRadio", "AftBowRadio", "HeightRadio"};
  filling_ = true;
  for (int c = kHalfBeam; c <= kHeight; ++c) {
    if (!radio(radios[c])->isChecked()) continue;
    const QString text = changeField(static_cast<Field>(c))->text();
    for (int k = 0; k <= m; ++k) grid_->setItem(k + 1, c, new QTableWidgetItem(text));
  }
  filling_ = false;
  BuildDrawing();
}

void THullSpreadSheet::UndoGridEdits() { Fill(current_); }

bool THullSpreadSheet::Save() {
  if (!save_ || !save_()) return false;
  saved_ = true;
  return true;
}

void THullSpreadSheet::accept() {
  if (!CheckGrid()) return;
  WriteGrid(current_);
  QDialog::accept();
}

void THullSpreadSheet::reject() {
  // Grid edits not yet written are dropped; the caller puts back the rest.
  Fill(current_);
  QDialog::reject();
}

void THullSpreadSheet::CellEdited(int row, int column, const QString& text) {
  if (row < 1 || column < kHalfBeam || !TryParseReal(text.trimmed().toStdString())) return;
  // The drawing follows the cell as it is typed.
  filling_ = true;
  if (QTableWidgetItem* item = grid_->item(row, column)) item->setText(text);
  filling_ = false;
  BuildDrawing();
}

std::vector<PlanePoint> THullSpreadSheet::PlottedPoints() const {
  const int m = grid_->rowCount() - 2;
  std::vector<PlanePoint> points(std::max(m + 1, 0));
  auto value = [this](int k, int c) {
    const QTableWidgetItem* item = grid_->item(k + 1, c);
    return item ? RealFieldValue(item->text()) : 0.0;
  };
  for (int k = 0; k <= m; ++k) {
    Vertex v{static_cast<float>(value(k, kHalfBeam)), static_cast<float>(value(k, kAftBow)),
             static_cast<float>(value(k, kHeight)), 1.0f};
    ViewCoordinatesOf(v, view_, points[k].h, points[k].v);
  }
  return points;
}

void THullSpreadSheet::BuildDrawing() {
  // While a vertex is dragged the scale stays, so that it follows the mouse.
  BuildSheetDrawing(PlottedPoints(), view_, state_.design, drawing_->width(),
                    drawing_->height(), sheet_, picked_ >= 0);
  drawing_->update();
}

void THullSpreadSheet::PressAt(double x, double y) {
  picked_ = PickSheetVertex(sheet_, PlottedPoints(), x, y);
}

void THullSpreadSheet::DragTo(double x, double y) {
  if (picked_ < 0 || picked_ + 1 >= grid_->rowCount()) return;
  const PlanePoint model = SheetModelPoint(sheet_, x, y);
  int across = kHalfBeam, up = kHeight;
  if (view_ == kPlanView) across = kAftBow, up = kHalfBeam;
  if (view_ == kProfileView) across = kAftBow;
  filling_ = true;
  grid_->setItem(picked_ + 1, across, new QTableWidgetItem(FixedText(model.h, 4, 12)));
  grid_->setItem(picked_ + 1, up, new QTableWidgetItem(FixedText(model.v, 4, 12)));
  filling_ = false;
  BuildDrawing();
}

void THullSpreadSheet::Release() { picked_ = -1; }

}  // namespace skelmora::app
