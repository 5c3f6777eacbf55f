// "Edit Value": one number, for a cell of the single sections. An empty
// field keeps the dialog open.
#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class Tdataeditdlg;
}
class QLineEdit;

namespace skelmora::app {

class Tdataeditdlg : public QDialog {
  Q_OBJECT

 public:
  explicit Tdataeditdlg(QWidget* parent = nullptr);
  ~Tdataeditdlg() override;

  void prepare(const QString& label, const QString& text);
  double value() const;
  QLineEdit* valueEdit() const;

  void accept() override;

 private:
  std::unique_ptr<Ui::Tdataeditdlg> ui_;
};

}  // namespace skelmora::app
