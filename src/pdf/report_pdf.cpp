#include "pdf/report_pdf.h"

#include <QBuffer>
#include <QHashSeed>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>

#include <cstdio>
#include <cstdlib>

#include "pdf/painter_page_canvas.h"

namespace rolvanta {
namespace {

// Qt's writer dates the document by the clock; the report's moment is put
// in its place ("D:20261207112100", the zone left open as the report's
// header leaves it), and the offsets of the objects after it, which the
// cross-reference table and "startxref" give, move by the change in length.
// False when the document is not laid out as the writer lays it out.
bool stampCreationDate(std::string& pdf, const ReportTime& t) {
    const std::string key = "/CreationDate (";
    const std::size_t from = pdf.find(key);
    const std::size_t to = from == std::string::npos ? from : pdf.find(')', from);
    const std::size_t table = pdf.rfind("\nxref\n");
    const std::size_t start = pdf.rfind("\nstartxref\n");
    if (to == std::string::npos || table == std::string::npos || start == std::string::npos ||
        table < to || start < table) {
        return false;
    }
    char date[64];
    std::snprintf(date, sizeof date, "D:%04d%02d%02d%02d%02d%02d", t.year, t.month, t.day, t.hour,
                  t.minute, t.second);
    const std::size_t at = from + key.size();
    const long shift = static_cast<long>(std::string(date).size()) - static_cast<long>(to - at);
    pdf.replace(at, to - at, date);
    const auto moved = [&](std::size_t offsetAt, std::size_t width) {
        const long offset = std::strtol(pdf.c_str() + offsetAt, nullptr, 10);
        if (offset <= static_cast<long>(at)) return;
        char text[32];
        std::snprintf(text, sizeof text, "%0*ld", static_cast<int>(width), offset + shift);
        pdf.replace(offsetAt, width, text);
    };
    // The table: "xref", "0 count", then one line of 20 bytes per object,
    // "0000012345 00000 n \n".
    std::size_t line = pdf.find('\n', table + shift + 6);
    int count = 0;
    if (line == std::string::npos ||
        std::sscanf(pdf.c_str() + table + shift + 6, "0 %d", &count) != 1 || count < 1) {
        return false;
    }
    for (int i = 0; i < count; ++i, line += 20) {
        if (line + 21 > pdf.size()) return false;
        if (pdf[line + 18] == 'n') moved(line + 1, 10);
    }
    const std::size_t offsetAt = start + shift + 11;
    const std::size_t end = pdf.find('\n', offsetAt);
    if (end == std::string::npos) return false;
    const long offset = std::strtol(pdf.c_str() + offsetAt, nullptr, 10) + shift;
    pdf.replace(offsetAt, end - offsetAt, std::to_string(offset));
    return true;
}

}  // namespace

std::string renderReportPdf(const Project& project, const std::string& fileTitle,
                            const ReportTime& time, PageSize size) {
    const ReportPages pages = layOutReportPages(project, fileTitle, time, size);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    // The writer keeps its fonts in hash tables, which it walks to write
    // them: with the seed fixed while it works, the same report gives the
    // same bytes.
    QHashSeed::setDeterministicGlobalSeed();
    bool painted = false;
    {
        QPdfWriter writer(&buffer);
        writer.setCreator(QStringLiteral("ROLVANTA"));
        writer.setTitle(QStringLiteral("Results Of Project - ") +
                        QString::fromStdString(fileTitle));
        writer.setResolution(600);
        writer.setPageLayout(
            QPageLayout(QPageSize(QSizeF(size.width, size.height), QPageSize::Millimeter),
                        QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        painted = paintReportPages(pages, writer);
    }  // the writer finishes the document when it goes
    QHashSeed::resetRandomGlobalSeed();
    std::string pdf = buffer.data().toStdString();
    if (!painted || !stampCreationDate(pdf, time)) return {};
    return pdf;
}

}  // namespace rolvanta
