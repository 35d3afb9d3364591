#pragma once

// The Schedule Table on screen: a read-only table of the passes as
// project/schedule_table.h lays them out, rows with warnings marked. It
// reads the project when refresh() is called (on every repaint of the
// client area while it is shown, and when it is shown); copy() puts the
// whole table on the clipboard as tab-separated text. The Mill Loads
// display shows its table of the same shape with it.

#include <QTableWidget>

#include <functional>

#include "engine/project_records.h"
#include "project/schedule_table.h"

namespace rolvanta {

class ScheduleTableWidget : public QTableWidget {
    Q_OBJECT
  public:
    // The project is read on every refresh and must outlive the widget.
    explicit ScheduleTableWidget(const Project& project, QWidget* parent = nullptr);
    // A table of the same shape, made anew by source at every refresh and copy.
    explicit ScheduleTableWidget(std::function<ScheduleTable()> source, QWidget* parent = nullptr);

    void refresh();
    void copy() const;

    // The background of a row with warnings.
    static QColor markedRowColour();

    // The hint drawn over a table without rows; empty while it has rows.
    QString hint() const { return rowCount() == 0 ? hint_ : QString(); }

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    std::function<ScheduleTable()> source_;
    QString hint_;
};

}  // namespace rolvanta
