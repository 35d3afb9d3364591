#include "platform/schedule_table_widget.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QStyle>

#include "project/schedule_table.h"

namespace rolvanta {

namespace {
QString fromUtf8(const std::string& text) { return QString::fromStdString(text); }

// A heading on two lines keeps the number columns narrow: "Live Flange" over
// "Thickness [mm]", "Total" over "Elongation".
QString twoLines(QString heading) {
    const qsizetype unit = heading.indexOf(QLatin1String(" ["));
    const qsizetype before = heading.lastIndexOf(QLatin1Char(' '), unit < 0 ? -1 : unit - 1);
    const qsizetype at = before > 0 ? before : unit;
    if (at > 0) heading[at] = QLatin1Char('\n');
    return heading;
}
}  // namespace

ScheduleTableWidget::ScheduleTableWidget(const Project& project, QWidget* parent)
    : ScheduleTableWidget([&project] { return scheduleTable(project); }, parent) {
    setObjectName(QStringLiteral("scheduleTable"));
}

ScheduleTableWidget::ScheduleTableWidget(std::function<ScheduleTable()> source, QWidget* parent)
    : QTableWidget(parent), source_(std::move(source)) {
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setWordWrap(false);
    verticalHeader()->setVisible(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    horizontalHeader()->setStretchLastSection(true);
    refresh();
}

QColor ScheduleTableWidget::markedRowColour() { return QColor(255, 226, 160); }

void ScheduleTableWidget::refresh() {
    const ScheduleTable table = source_();
    hint_ = fromUtf8(table.hint);
    clear();
    setColumnCount(static_cast<int>(table.headings.size()));
    setRowCount(static_cast<int>(table.rows.size()));
    QStringList headings;
    for (const std::string& heading : table.headings) headings << twoLines(fromUtf8(heading));
    setHorizontalHeaderLabels(headings);
    const int last = columnCount() - 1;
    for (int r = 0; r < rowCount(); ++r) {
        const ScheduleTable::Row& row = table.rows[static_cast<std::size_t>(r)];
        for (int c = 0; c <= last; ++c) {
            auto* item = new QTableWidgetItem(fromUtf8(row.cells[static_cast<std::size_t>(c)]));
            item->setTextAlignment(c == last ? Qt::AlignLeft | Qt::AlignVCenter
                                             : Qt::AlignRight | Qt::AlignVCenter);
            if (row.marked) {
                item->setBackground(markedRowColour());
                item->setForeground(Qt::black);
                item->setToolTip(fromUtf8(row.cells.back()));
                // Marked by more than a colour.
                if (c == 0) item->setIcon(style()->standardIcon(QStyle::SP_MessageBoxWarning));
            }
            setItem(r, c, item);
        }
    }
    resizeColumnsToContents();
    viewport()->update();
}

void ScheduleTableWidget::paintEvent(QPaintEvent* event) {
    QTableWidget::paintEvent(event);
    if (rowCount() != 0 || hint_.isEmpty()) return;
    QPainter painter(viewport());
    painter.setPen(palette().color(QPalette::PlaceholderText));
    painter.drawText(viewport()->rect().adjusted(12, 12, -12, -12),
                     Qt::AlignCenter | Qt::TextWordWrap, hint_);
}

void ScheduleTableWidget::copy() const {
    QApplication::clipboard()->setText(fromUtf8(tabSeparatedText(source_())));
}

void ScheduleTableWidget::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        copy();
        event->accept();
        return;
    }
    QTableWidget::keyPressEvent(event);
}

}  // namespace rolvanta
