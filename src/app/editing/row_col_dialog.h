// "Add a new row ABOVE this row" and its three siblings by index: a modeless
// dialog with a row and a column field, only one of them enabled. The text
// is kept a valid index as it is typed; OK hands the index to the main
// window, which runs the operation.
#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class TRowColDlg;
}
class QLineEdit;

namespace skelmora::app {

class TRowColDlg : public QDialog {
  Q_OBJECT

 public:
  enum class Operation { kInsertRowAbove, kInsertColumnAfter, kDeleteRow, kDeleteColumn };

  explicit TRowColDlg(QWidget* parent = nullptr);
  ~TRowColDlg() override;

  // Sets the caption and the enabled field; `last` is the highest index
  // the field accepts. Clears both fields.
  void prepare(Operation operation, int last);
  Operation operation() const { return operation_; }
  QLineEdit* rowEdit() const;
  QLineEdit* columnEdit() const;

  static QString captionFor(Operation operation);

 signals:
  void indexChosen(skelmora::app::TRowColDlg::Operation operation, int index);
  void closedWithoutIndex();

 private:
  void filter(QLineEdit* edit);
  void onOk();

  std::unique_ptr<Ui::TRowColDlg> ui_;
  Operation operation_ = Operation::kInsertRowAbove;
  int last_ = 0;
};

}  // namespace skelmora::app
