#include "curves/curves_widgets.h"

#include <QChartView>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QTableWidget>
#include <algorithm>

#include "views/real_field.h"

namespace skelmora::app {

QHBoxLayout* RangeFields::Build(QWidget* parent, const QString& caption,
                                const QString& objectPrefix) {
  auto* row = new QHBoxLayout;
  row->addWidget(new QLabel(caption, parent));
  auto add = [&](const QString& label, const QString& name) {
    auto* field = new RealField(parent);
    field->setObjectName(objectPrefix + name);
    field->setMaximumWidth(90);
    row->addWidget(new QLabel(label, parent));
    row->addWidget(field);
    return field;
  };
  from = add(QStringLiteral("From"), QStringLiteral("From"));
  to = add(QStringLiteral("To"), QStringLiteral("To"));
  step = add(QStringLiteral("Step"), QStringLiteral("Step"));
  return row;
}

void RangeFields::Set(double a, double b, double s, int decimals) {
  from->setValue(a, decimals);
  to->setValue(b, decimals);
  step->setValue(s, decimals);
}

std::optional<std::array<double, 3>> RangeFields::Read(std::string& message) const {
  std::array<double, 3> values{};
  const std::array<std::pair<RealField*, const char*>, 3> fields{
      {{from, "From"}, {to, "To"}, {step, "Step"}}};
  for (std::size_t k = 0; k < fields.size(); ++k) {
    const auto value = fields[k].first->value();
    if (!value) {
      message = RealField::ConversionError(QString::fromLatin1(fields[k].second),
                                           fields[k].first->text());
      return std::nullopt;
    }
    values[k] = *value;
  }
  return values;
}

void FillTable(QTableWidget* table, const QStringList& headings,
               const std::vector<std::vector<std::string>>& rows) {
  table->clear();
  table->setColumnCount(static_cast<int>(headings.size()));
  table->setRowCount(static_cast<int>(rows.size()));
  table->setHorizontalHeaderLabels(headings);
  for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
    const int columns = std::min(static_cast<int>(rows[r].size()), table->columnCount());
    for (int c = 0; c < columns; ++c) {
      auto* item = new QTableWidgetItem(QString::fromStdString(rows[r][c]));
      item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
      table->setItem(r, c, item);
    }
  }
  table->verticalHeader()->hide();
  table->resizeColumnsToContents();
}

double DrawChartHeading(QChartView* view, QPainter& painter, const QRect& page) {
  if (!view || view->width() <= 0 || view->height() <= 0) return 0.0;
  const double aspect = static_cast<double>(view->height()) / view->width();
  const double height = std::min(page.width() * aspect, page.height() / 2.0);
  const double width = height / aspect;
  const QRectF target((page.width() - width) / 2.0, 0.0, width, height);
  view->render(&painter, target, view->viewport()->rect());
  return height + page.height() / 40.0;
}

}  // namespace skelmora::app
