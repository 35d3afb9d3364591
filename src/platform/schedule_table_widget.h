#pragma once

// The Schedule Table on screen: a read-only table of the passes as
// project/schedule_table.h lays them out, rows with warnings marked. It
// reads the project when refresh() is called (on every repaint of the
// client area while it is shown, and when it is shown); copy() puts the
// whole table on the clipboard as tab-separated text.

#include <QTableWidget>

#include "engine/project_records.h"

namespace rolvanta {

class ScheduleTableWidget : public QTableWidget {
    Q_OBJECT
  public:
    // The project is read on every refresh and must outlive the widget.
    explicit ScheduleTableWidget(const Project& project, QWidget* parent = nullptr);

    void refresh();
    void copy() const;

    // The background of a row with warnings.
    static QColor markedRowColour();

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    const Project& project_;
};

}  // namespace rolvanta
