#include "curves/curves_widgets.h"

#include <QAbstractSeries>
#include <QAreaSeries>
#include <QChart>
#include <QChartView>
#include <QScatterSeries>
#include <QXYSeries>
#include <cmath>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QFont>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QPainter>
#include <QPen>
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

QColor SeriesColour(int k) {
  static const QRgb kFirst[] = {0x1f77b4, 0xd62728, 0x2ca02c, 0xff7f0e, 0x9467bd,
                                0x8c564b, 0xe377c2, 0x17becf, 0x7f7f7f, 0xbcbd22};
  constexpr int kCount = static_cast<int>(std::size(kFirst));
  if (k >= 0 && k < kCount) return QColor::fromRgb(kFirst[k]);
  // Past the ten: the golden angle keeps successive hues far apart, and
  // alternating brightness separates the few that come close.
  const int n = std::max(k - kCount, 0);
  const double hue = std::fmod(0.11 + n * 0.6180339887, 1.0);
  return QColor::fromHsvF(static_cast<float>(hue), 0.9f, n % 2 == 0 ? 0.85f : 0.55f);
}

void ColourSeries(QChart* chart) {
  if (!chart) return;
  int k = 0;
  for (QAbstractSeries* series : chart->series()) {
    const QColor colour = SeriesColour(k++);
    if (auto* xy = qobject_cast<QXYSeries*>(series)) {
      if (xy->color() != colour) xy->setColor(colour);
    } else if (auto* area = qobject_cast<QAreaSeries*>(series)) {
      if (area->color() != colour) area->setColor(colour);
    }
  }
}

namespace {

QColor ColourOf(const QAbstractSeries* series) {
  if (const auto* xy = qobject_cast<const QXYSeries*>(series)) return xy->color();
  if (const auto* area = qobject_cast<const QAreaSeries*>(series)) return area->color();
  return Qt::black;
}

}  // namespace

bool HasSeriesColours(const QChart* chart) {
  if (!chart) return true;
  int k = 0;
  for (const QAbstractSeries* series : chart->series()) {
    if (ColourOf(series) != SeriesColour(k++)) return false;
  }
  return true;
}

SeriesLegend::SeriesLegend(QWidget* parent) : QLabel(parent) {
  setObjectName(QStringLiteral("SeriesLegend"));
  setTextFormat(Qt::RichText);
  setWordWrap(true);
  setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Minimum);
}

void SeriesLegend::Show(const QChart* chart) {
  entries_.clear();
  colours_.clear();
  QStringList html;
  if (chart) {
    for (const QAbstractSeries* series : chart->series()) {
      entries_ << series->name();
      colours_ << ColourOf(series);
      // The swatch and the name never part; the entries part at the gaps.
      html << QStringLiteral("<span style=\"white-space:nowrap\">"
                             "<span style=\"color:%1\">&#9644;&#9644;</span>&nbsp;%2</span>")
                  .arg(ColourOf(series).name(), series->name().toHtmlEscaped());
    }
  }
  setText(html.join(QStringLiteral(" &nbsp; &nbsp; ")));
  setVisible(!entries_.isEmpty());
}

double DrawChartHeading(QChartView* view, QPainter& painter, const QRect& page,
                        const SeriesLegend* legend) {
  if (!view || view->width() <= 0 || view->height() <= 0) return 0.0;
  // The legend is drawn here rather than rendered from the widget, so its
  // names stay text on the page: rows of swatch and name, as wide as the
  // chart, in the chart's scale.
  const QStringList names = legend ? legend->entries() : QStringList();
  // A font sized in pixels scales with the painter, whatever the printer's
  // resolution, so the layout measured here is the one drawn.
  QFont font = legend ? legend->font() : view->font();
  font.setPixelSize(std::max(8, QFontMetrics(font).height() - 2));
  const QFontMetricsF metrics(font);
  const double line = metrics.lineSpacing();
  const double swatch = 2.5 * metrics.horizontalAdvance(QLatin1Char('M'));
  const double gap = 1.5 * swatch;
  struct Placed {
    QPointF at;
    int index;
  };
  std::vector<Placed> placed;
  double x = 0.0, y = 0.0;
  for (int k = 0; k < names.size(); ++k) {
    const double w = swatch + gap / 2 + metrics.horizontalAdvance(names[k]);
    if (x > 0.0 && x + w > view->width()) x = 0.0, y += line;
    placed.push_back({QPointF(x, y), k});
    x += w + gap;
  }
  const double legendHeight = names.isEmpty() ? 0.0 : y + 1.5 * line;
  const double aspect = (view->height() + legendHeight) / view->width();
  const double height = std::min(page.width() * aspect, page.height() / 2.0);
  const double width = height / aspect;
  const double scale = width / view->width();
  const QRectF target((page.width() - width) / 2.0, 0.0, width, view->height() * scale);
  view->render(&painter, target, view->viewport()->rect());
  if (!names.isEmpty()) {
    painter.save();
    painter.translate(target.left(), target.bottom() + 0.25 * line * scale);
    painter.scale(scale, scale);
    painter.setFont(font);
    for (const Placed& p : placed) {
      const QColor colour = legend->colours().value(p.index, Qt::black);
      painter.setPen(QPen(colour, 0.3 * line));
      const double mid = p.at.y() + 0.5 * line;
      painter.drawLine(QPointF(p.at.x(), mid), QPointF(p.at.x() + swatch, mid));
      painter.setPen(Qt::black);
      painter.drawText(QPointF(p.at.x() + swatch + gap / 2, p.at.y() + metrics.ascent()),
                       names[p.index]);
    }
    painter.restore();
  }
  return height + page.height() / 40.0;
}

}  // namespace skelmora::app
