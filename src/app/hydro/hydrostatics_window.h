// "Hydrostatics Data": the report of a hydrostatics run in ten group boxes,
// five a side, and "Print" as the plain-text report on the given printer.
#pragma once

#include <QDialog>
#include <QString>
#include <vector>

#include "hydro/hydro_report.h"

class QGridLayout;
class QLabel;
class QPushButton;

namespace skelmora::app {

class ReportPrinter;

class THydroReport : public QDialog {
  Q_OBJECT

 public:
  THydroReport(ReportPrinter& printer, QWidget* parent = nullptr);

  // Writes every caption and value; the caption becomes the run's.
  void Fill(const HydrostaticsReport& report, const QString& designFileName);

  // The value text shown beside a caption ("" when there is none).
  QString valueFor(const QString& caption) const;
  QStringList groupTitles() const;
  QPushButton* printButton() const { return print_; }

  // The report as the printer receives it, dated now: one portrait page,
  // the groups in two columns as on screen.
  std::string PrintedText() const;
  bool Print();

 private:
  ReportPrinter& printer_;
  HydrostaticsReport report_;
  QString fileName_;
  QGridLayout* columns_ = nullptr;
  QPushButton* print_ = nullptr;
  std::vector<std::pair<QLabel*, QLabel*>> rows_;
};

}  // namespace skelmora::app
