#pragma once

// The report pages (export/report_pages.h) painted by a QPainter on a paged
// device: a PDF writer or a printer. The painter's origin must be the
// corner of the paper (a printer in full-page mode, a PDF writer without
// margins); millimetres are turned into the device's pixels here, and font
// sizes are in points, so a page looks the same at any resolution.

#include <QFont>

#include "export/report_pages.h"

class QPagedPaintDevice;
class QPainter;

namespace rolvanta {

class PainterPageCanvas : public PageCanvas {
  public:
    // painter paints on device and is active.
    PainterPageCanvas(QPainter& painter, QPagedPaintDevice& device);

    bool nextPage() override;
    void drawLine(const PageLine& line) override;
    void drawOutline(const PageOutline& outline) override;
    void drawText(const PageText& text) override;

  private:
    double pixels(double millimetres) const { return millimetres * pixelsPerMillimetre_; }
    const QFont& fontOf(PageFont font) const;

    QPainter& painter_;
    QPagedPaintDevice& device_;
    double pixelsPerMillimetre_;
    QFont fonts_[4];
};

// Paints every page of the report on device: false when the painter could
// not be started on it or a page could not be added.
bool paintReportPages(const ReportPages& pages, QPagedPaintDevice& device);

}  // namespace rolvanta
