#include "platform/mill_loads_widget.h"

#include <QFontMetricsF>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QScrollBar>
#include <QSplitter>
#include <QStackedLayout>
#include <QVBoxLayout>

#include "display/loads_chart.h"
#include "platform/schedule_table_widget.h"
#include "project/loads_table.h"

namespace rolvanta {
namespace {

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
QColor colourOf(Rgb colour) { return QColor(colour.red, colour.green, colour.blue); }

// The chart on the widget's painter, in the widget's font.
class PainterChartCanvas : public ChartCanvas {
  public:
    explicit PainterChartCanvas(QPainter& painter)
        : painter_(painter), metrics_(painter.font(), painter.device()) {}

    double lineHeight() const override { return metrics_.height(); }
    double textWidth(std::string_view text) const override {
        return metrics_.horizontalAdvance(fromUtf8(text));
    }
    void fillRect(const ChartRect& r, Rgb colour) override {
        painter_.fillRect(QRectF(r.x, r.y, r.width, r.height), colourOf(colour));
    }
    void drawPolyline(const std::vector<ChartPoint>& points, Rgb colour,
                      ChartStroke stroke) override {
        QPolygonF polyline;
        for (const ChartPoint& p : points) polyline << QPointF(p.x, p.y);
        painter_.setPen(QPen(colourOf(colour), stroke == ChartStroke::Thick ? 2.5 : 1.0,
                             Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
        painter_.drawPolyline(polyline);
    }
    void drawText(ChartPoint at, ChartAlign align, Rgb colour, std::string_view text) override {
        const QString string = fromUtf8(text);
        double x = at.x;
        if (align != ChartAlign::Left) {
            const double width = metrics_.horizontalAdvance(string);
            x -= align == ChartAlign::Centre ? width / 2 : width;
        }
        painter_.setPen(colourOf(colour));
        painter_.drawText(QPointF(x, at.y), string);
    }

  private:
    QPainter& painter_;
    QFontMetricsF metrics_;
};

class LoadsChartWidget : public QWidget {
  public:
    LoadsChartWidget(const Project& project, QWidget* parent) : QWidget(parent), project_(project) {
        setObjectName(QStringLiteral("millLoadsChart"));
        setMinimumHeight(120);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setFont(font());
        PainterChartCanvas canvas(painter);
        const double margin = canvas.lineHeight() * 0.6;
        paintLoadsChart(project_.loads,
                        {margin, margin / 2, width() - 2 * margin, height() - 1.5 * margin},
                        canvas);
    }

  private:
    const Project& project_;
};

}  // namespace

MillLoadsWidget::MillLoadsWidget(const Project& project, QWidget* parent)
    : QWidget(parent), project_(project) {
    setObjectName(QStringLiteral("millLoads"));
    pages_ = new QStackedLayout(this);

    hint_ = new QLabel(this);
    hint_->setObjectName(QStringLiteral("millLoadsHint"));
    hint_->setAlignment(Qt::AlignCenter);
    hint_->setWordWrap(true);
    pages_->addWidget(hint_);

    loads_ = new QWidget(this);
    auto* layout = new QVBoxLayout(loads_);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    heading_ = new QLabel(loads_);
    heading_->setObjectName(QStringLiteral("millLoadsHeading"));
    heading_->setContentsMargins(6, 2, 6, 0);
    layout->addWidget(heading_);

    splitter_ = new QSplitter(Qt::Vertical, loads_);
    splitter_->setChildrenCollapsible(false);
    auto* upper = new QWidget(splitter_);
    auto* upperLayout = new QVBoxLayout(upper);
    upperLayout->setContentsMargins(0, 0, 0, 0);
    upperLayout->setSpacing(2);
    table_ = new ScheduleTableWidget([&project] { return loadsTable(project); }, upper);
    table_->setObjectName(QStringLiteral("millLoadsTable"));
    // The keys go to the table, which scrolls by them.
    setFocusProxy(table_);
    upperLayout->addWidget(table_, 1);
    note_ = new QLabel(fromUtf8(kLoadsAccuracyNote), upper);
    note_->setObjectName(QStringLiteral("millLoadsAccuracy"));
    note_->setWordWrap(true);
    note_->setContentsMargins(6, 0, 6, 2);
    upperLayout->addWidget(note_);
    chart_ = new LoadsChartWidget(project, splitter_);
    splitter_->addWidget(upper);
    splitter_->addWidget(chart_);
    connect(splitter_, &QSplitter::splitterMoved, this, [this] { movedByHand_ = true; });
    layout->addWidget(splitter_, 1);
    pages_->addWidget(loads_);
    refresh();
}

QString MillLoadsWidget::hint() const {
    return pages_->currentWidget() == hint_ ? hint_->text() : QString();
}

void MillLoadsWidget::refresh() {
    const std::string hint = millLoadsHint(project_);
    if (!hint.empty()) {
        hint_->setText(fromUtf8(hint));
        pages_->setCurrentWidget(hint_);
        return;
    }
    heading_->setText(fromUtf8(millHeading(*project_.mill)));
    table_->refresh();
    chart_->update();
    pages_->setCurrentWidget(loads_);
    shareRoom();
}

void MillLoadsWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    shareRoom();
}

void MillLoadsWidget::shareRoom() {
    // The table takes at most this share of the height: the chart stays
    // readable beneath a schedule of many passes.
    constexpr double kMostTableShare = 0.55;
    if (movedByHand_) return;
    const int total = splitter_->height();
    if (total <= 0) return;
    const int rows = table_->horizontalHeader()->height() + table_->verticalHeader()->length() +
                     2 * table_->frameWidth() + table_->horizontalScrollBar()->sizeHint().height();
    const int note = note_->heightForWidth(std::max(1, splitter_->width()));
    const int upper = std::min(rows + note + 4, static_cast<int>(kMostTableShare * total));
    splitter_->setSizes({upper, total - upper});
}

void MillLoadsWidget::copy() const {
    if (pages_->currentWidget() == loads_) table_->copy();
}

}  // namespace rolvanta
