// "Visual Vertex Spreadsheet": the vertices of one column or one row as
// numbers in a grid, drawn beside it in a small body, plan or profile view
// where they can be dragged. Grid edits reach the net when another column
// or row is selected and on "OK"; "Undo" drops those not yet written.
#pragma once

#include <QDialog>
#include <QWidget>
#include <functional>
#include <vector>

#include "fairing/spreadsheet_drawing.h"
#include "model/app_state.h"

class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTableWidget;

namespace skelmora::app {

class RealField;
class THullSpreadSheet;

inline constexpr const char* kEmptyCellMessage =
    "Empty Cell in the Spreadsheet. Please Enter a value.";

// The drawing beside the grid: paints the sheet's display list and drags
// the vertex under the mouse.
class SheetView : public QWidget {
  Q_OBJECT
 public:
  explicit SheetView(THullSpreadSheet& sheet, QWidget* parent);
  // Logical units of a point of the widget, and back.
  QPointF ToLogical(const QPointF& device) const;
  QPointF ToDevice(double x, double y) const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  THullSpreadSheet& sheet_;
};

class THullSpreadSheet : public QDialog {
  Q_OBJECT

 public:
  // save: the "Save" button's save flow ("Save Design to Disk?"); true when
  // the design was written.
  THullSpreadSheet(AppState& state, std::function<bool()> save, QWidget* parent = nullptr);
  ~THullSpreadSheet() override;

  enum class Mode { kColumns, kRows };
  // Grid columns: 0 the labels, then the four values.
  enum Field { kHalfBeam = 1, kAftBow = 2, kHeight = 3, kWeight = 4 };

  Mode mode() const { return mode_; }
  int selectedIndex() const { return current_; }
  ViewId view() const { return view_; }
  bool savedHere() const { return saved_; }
  QTableWidget* grid() const { return grid_; }
  QSpinBox* indexSpin() const { return spin_; }
  QLabel* label(const char* name) const;
  QPushButton* button(const char* name) const;
  QRadioButton* radio(const char* name) const;
  RealField* changeField(Field field) const;
  SheetView* drawing() const { return drawing_; }
  const SheetDrawing& sheetDrawing() const { return sheet_; }
  // The plotted pair of each grid row, as the drawing shows them.
  std::vector<PlanePoint> PlottedPoints() const;

  void SetMode(Mode mode);
  void SetView(ViewId view);
  // "Change": each selected field's text into its whole grid column.
  void ChangeAll();
  // "Undo": the grid refilled from the net for the selected line.
  void UndoGridEdits();
  bool Save();
  void accept() override;
  void reject() override;

  // Drawing: rebuilds the display list from the grid for a box of this size.
  void BuildDrawing();
  // Dragging in the drawing, in logical units.
  void PressAt(double x, double y);
  void DragTo(double x, double y);
  void Release();
  int pickedVertex() const { return picked_; }

 private:
  void SetUpGrid();
  void Fill(int index);
  void IndexChanged(int index);
  // The grid holds a number in every value cell; else the message is shown.
  bool CheckGrid();
  void WriteGrid(int index);
  int LastIndex() const;
  Vertex& NetVertex(int index, int k);
  void CellEdited(int row, int column, const QString& text);

  AppState& state_;
  std::function<bool()> save_;
  Mode mode_ = Mode::kColumns;
  int current_ = 0;
  ViewId view_ = kBodyView;
  bool saved_ = false;
  int picked_ = -1;
  bool filling_ = false;
  SheetDrawing sheet_;
  QTableWidget* grid_ = nullptr;
  QSpinBox* spin_ = nullptr;
  SheetView* drawing_ = nullptr;

  friend class SheetCellDelegate;
};

}  // namespace skelmora::app
