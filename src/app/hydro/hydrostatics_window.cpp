#include "hydro/hydrostatics_window.h"

#include <QDateTime>
#include <QDialogButtonBox>
#include <QFont>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

#include "hydro/report_layout.h"
#include "hydro/text_printing.h"

namespace skelmora::app {

THydroReport::THydroReport(ReportPrinter& printer, QWidget* parent)
    : QDialog(parent), printer_(printer) {
  setObjectName(QStringLiteral("HydroReport"));
  setWindowTitle(QStringLiteral("Hydrostatics Data"));
  auto* layout = new QVBoxLayout(this);
  columns_ = new QGridLayout;
  layout->addLayout(columns_);
  auto* buttons = new QDialogButtonBox(this);
  print_ = buttons->addButton(QStringLiteral("Print"), QDialogButtonBox::ActionRole);
  print_->setObjectName(QStringLiteral("PrintButton"));
  QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
  ok->setObjectName(QStringLiteral("OkButton"));
  layout->addWidget(buttons);
  connect(print_, &QPushButton::clicked, this, [this] { Print(); });
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
}

void THydroReport::Fill(const HydrostaticsReport& report, const QString& designFileName) {
  report_ = report;
  fileName_ = designFileName;
  setWindowTitle(QString::fromUtf8(kHydrostaticsCaption));
  while (QLayoutItem* item = columns_->takeAt(0)) {
    delete item->widget();
    delete item;
  }
  rows_.clear();
  const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  const int perColumn = (static_cast<int>(report.groups.size()) + 1) / 2;
  for (int g = 0; g < static_cast<int>(report.groups.size()); ++g) {
    const ReportGroup& group = report.groups[g];
    auto* box = new QGroupBox(QString::fromStdString(group.title));
    auto* grid = new QGridLayout(box);
    for (int i = 0; i < static_cast<int>(group.lines.size()); ++i) {
      auto* caption = new QLabel(QString::fromStdString(group.lines[i].caption));
      auto* value = new QLabel(QString::fromStdString(group.lines[i].value));
      value->setFont(fixed);
      value->setTextInteractionFlags(Qt::TextSelectableByMouse);
      grid->addWidget(caption, i, 0);
      grid->addWidget(value, i, 1);
      rows_.emplace_back(caption, value);
    }
    columns_->addWidget(box, g % perColumn, g / perColumn);
  }
}

QString THydroReport::valueFor(const QString& caption) const {
  for (const auto& [label, value] : rows_) {
    if (label->text() == caption) return value->text();
  }
  return {};
}

QStringList THydroReport::groupTitles() const {
  QStringList titles;
  for (const QGroupBox* box : findChildren<QGroupBox*>()) titles << box->title();
  return titles;
}

std::string THydroReport::PrintedText() const {
  // Printed captions are the ones on screen, so print from the shown report.
  HydrostaticsReport shown = report_;
  size_t k = 0;
  for (ReportGroup& group : shown.groups) {
    for (ReportLine& line : group.lines) {
      if (k < rows_.size()) line.caption = rows_[k].first->text().toStdString();
      ++k;
    }
  }
  const QString now = QLocale::system().toString(QDateTime::currentDateTime(), QLocale::ShortFormat);
  return FormatReportColumns(shown, fileName_.toStdString(), now.toStdString());
}

bool THydroReport::Print() {
  return printer_.Print(
      this, {.text = PrintedText(), .name = QStringLiteral("hydrostatics"), .onePage = true});
}

}  // namespace skelmora::app
