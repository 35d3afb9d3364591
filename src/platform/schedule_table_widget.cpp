#include "platform/schedule_table_widget.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>

#include "project/schedule_table.h"

namespace rolvanta {

namespace {
QString fromUtf8(const std::string& text) { return QString::fromStdString(text); }
}  // namespace

ScheduleTableWidget::ScheduleTableWidget(const Project& project, QWidget* parent)
    : QTableWidget(parent), project_(project) {
    setObjectName(QStringLiteral("scheduleTable"));
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
    const ScheduleTable table = scheduleTable(project_);
    clear();
    setColumnCount(static_cast<int>(table.headings.size()));
    setRowCount(static_cast<int>(table.rows.size()));
    QStringList headings;
    for (const std::string& heading : table.headings) {
        // Two lines keep the number columns narrow: "Web Area" over "[mm²]".
        QString text = fromUtf8(heading);
        const int unit = static_cast<int>(text.indexOf(QLatin1String(" [")));
        if (unit > 0) text[unit] = QLatin1Char('\n');
        headings << text;
    }
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
            }
            setItem(r, c, item);
        }
    }
    resizeColumnsToContents();
}

void ScheduleTableWidget::copy() const {
    QApplication::clipboard()->setText(fromUtf8(tabSeparatedText(scheduleTable(project_))));
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
