// File › New: "Select A New File Type", the five ways to start a design.
#pragma once

#include <QDialog>
#include <array>
#include <memory>

namespace Ui {
class TNewTypeDlg;
}
class QRadioButton;

namespace skelmora::app {

enum class NewDesignKind {
  kParametricHull = 1,
  kParametricShape = 2,
  kOffsetTable = 3,
  kDeck = 4,
  kVerticesToMarkers = 5,
};

class TNewTypeDlg : public QDialog {
  Q_OBJECT
 public:
  explicit TNewTypeDlg(QWidget* parent = nullptr);
  ~TNewTypeDlg() override;

  // A choice whose feature is not built yet is shown disabled with why.
  void setUnavailable(NewDesignKind kind, const QString& why);
  // "Parametric Hull Design" when available, else the first available.
  void preselect();
  NewDesignKind choice() const;
  QRadioButton* button(NewDesignKind kind) const;

 private:
  std::unique_ptr<Ui::TNewTypeDlg> ui_;
};

}  // namespace skelmora::app
