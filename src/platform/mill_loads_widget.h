#pragma once

// The Mill Loads display: the mill in a heading line, a read-only table of
// every pass's loads in rolling order (project/loads_table.h; rows with load
// warnings marked as in the Schedule Table), a line on how far the numbers
// hold, and the chart of display/loads_chart.h beneath, the two in a
// splitter. Without loads to show, a centred hint says what to give or do
// first. It reads the project when refresh() is called (on every repaint
// of the client area while it is shown, and when it is shown); copy() puts
// the whole table on the clipboard as tab-separated text.

#include <QWidget>

#include "engine/project_records.h"

class QLabel;
class QSplitter;
class QStackedLayout;

namespace rolvanta {

class ScheduleTableWidget;

class MillLoadsWidget : public QWidget {
    Q_OBJECT
  public:
    // The project is read on every refresh and must outlive the widget.
    explicit MillLoadsWidget(const Project& project, QWidget* parent = nullptr);

    void refresh();
    void copy() const;

    ScheduleTableWidget* table() const { return table_; }
    QWidget* chart() const { return chart_; }
    // The hint shown in place of the loads; empty while they are shown.
    QString hint() const;

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    // Gives the table the room of its rows, up to a share of the height, and
    // the chart the rest, until the designer moves the splitter.
    void shareRoom();

    const Project& project_;
    QStackedLayout* pages_ = nullptr;
    QLabel* hint_ = nullptr;
    QWidget* loads_ = nullptr;
    QLabel* heading_ = nullptr;
    ScheduleTableWidget* table_ = nullptr;
    QLabel* note_ = nullptr;
    QSplitter* splitter_ = nullptr;
    QWidget* chart_ = nullptr;
    bool movedByHand_ = false;
};

}  // namespace rolvanta
