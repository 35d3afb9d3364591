// The printed report as PDF and on a printer, read back with poppler's
// tools as a reader of the file would see it.

#include <gtest/gtest.h>

#include <QDir>
#include <QPrinter>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include "display/pass_colours.h"
#include "pdf/report_pdf.h"
#include "platform/report_printing.h"
#include "platform_testing.h"
#include "support/child_process.h"
#include "support/example_section.h"
#include "support/golden_file.h"
#include "support/mill_loads_fixture.h"
#include "support/temporary_folder.h"

namespace rolvanta {
namespace {

const ReportTime kTime{5, 3, 2002, 9, 7, 3};

using testing::commandOutput;

// The lines of text, sorted: what a page says, whatever order a reader
// finds it in at another resolution.
std::vector<std::string> linesOf(const std::string& pdf) {
    std::vector<std::string> lines;
    std::istringstream text(commandOutput("pdftotext -enc UTF-8 '" + pdf + "' -"));
    for (std::string line; std::getline(text, line);) {
        if (!line.empty() && line != "\f") lines.push_back(line);
    }
    std::sort(lines.begin(), lines.end());
    return lines;
}

int pageCountOf(const std::string& pdf) {
    const std::string info = commandOutput("pdfinfo '" + pdf + "'");
    const std::size_t at = info.find("Pages:");
    return at == std::string::npos ? -1 : std::atoi(info.c_str() + at + 6);
}

class ReportPdf : public ::testing::Test {
  protected:
    testing::TemporaryFolder folder;
    const Project project = testing::computedProject(13);
    const std::string pdf = folder / "report.pdf";

    void SetUp() override {
        testing::writeFileBytes(pdf, renderReportPdf(project, "mb100.rol", kTime));
    }
};

TEST_F(ReportPdf, DrawsEveryPassInItsColour) {
    // The drawing is the last page.
    const std::string prefix = folder / "drawing";
    const std::string last = std::to_string(pageCountOf(pdf));
    ASSERT_EQ(std::system(("pdftoppm -r 150 -singlefile -f " + last + " -l " + last + " -png '" +
                           pdf + "' '" + prefix + "'")
                              .c_str()),
              0);
    const QImage page(QString::fromStdString(prefix + ".png"));
    ASSERT_FALSE(page.isNull());
    const PassColours colours = makePassColours();
    for (int position = 0; position < 12; ++position) {
        // The outlines' inner pixels keep their colour, whatever antialiasing
        // does at their edges.
        EXPECT_GT(testing::pixelsOfColour(page, passColour(colours, position), QRect(), 10), 100)
            << "pass " << position + 2;
    }
}

TEST_F(ReportPdf, PrintsAsItExports) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const auto print = [&](QPageSize::PageSizeId paper, const std::string& path) {
        printer.setOutputFileName(QString::fromStdString(path));
        printer.setPageSize(QPageSize(paper));
        EXPECT_TRUE(printReportPages(printer, project, "mb100.rol", kTime)) << path;
        EXPECT_EQ(pageCountOf(path), pageCountOf(pdf)) << path;
    };
    print(QPageSize::A4, folder / "printed.pdf");
    EXPECT_EQ(linesOf(folder / "printed.pdf"), linesOf(pdf));
    // Letter paper from the print dialog: the same pages, laid out for it.
    print(QPageSize::Letter, folder / "letter.pdf");
    EXPECT_NE(commandOutput("pdfinfo '" + folder / "letter.pdf" + "'").find("612 x 792"),
              std::string::npos);
}

// A project with mill loads ends in their page: the mill, the table in rolling order, the chart,
// how far the numbers hold and the load warnings (the text between the page's header and foot, in
// the order it is drawn).
TEST(ReportPdfMillLoads, EndsInTheMillLoadsPage) {
    testing::TemporaryFolder folder;
    Project project = testing::millLoadsProject();
    project.mill->example = true;
    const std::string pdf = folder / "loads.pdf";
    testing::writeFileBytes(pdf, renderReportPdf(project, "mb100.rol", kTime));
    ASSERT_EQ(pageCountOf(pdf), 3);
    QDir().mkpath(ROLVANTA_SCREENSHOT_DIR);
    const std::string picture = "pdftoppm -r 100 -f 3 -l 3 -singlefile -png '" + pdf + "' '" +
                                ROLVANTA_SCREENSHOT_DIR "/report-mill-loads'";
    EXPECT_EQ(std::system(picture.c_str()), 0) << picture;
    std::string text = commandOutput(
        "pdftotext -raw -f 3 -l 3 -x 0 -y 95 -W 595 -H 705 -enc UTF-8 '" + pdf + "' -");
    // The face's ligatures as letters, the lines as one text.
    for (const auto& [from, to] : {std::pair{"\uFB01", "fi"}, {"\uFB02", "fl"}, {"\n", " "}}) {
        for (std::size_t at; (at = text.find(from)) != std::string::npos;)
            text.replace(at, std::strlen(from), to);
    }
    testing::expectGolden("report-mill-loads-page.txt", text);
}

}  // namespace
}  // namespace rolvanta
