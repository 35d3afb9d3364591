#include "storage/results_report.h"

#include <charconv>
#include <cstring>
#include <ctime>
#include <string_view>

#include "engine/pass_fields.h"
#include "engine/section_fields.h"
#include "engine/windows1252.h"
#include "storage/file_io.h"

namespace rolvanta {

namespace {

// Builds the report line by line; every line ends with CR LF.
class ReportText {
  public:
    void line(std::string_view text = {}) {
        text_.append(text);
        text_.append("\r\n");
    }

    // A label and a float: the float widened to double, six significant
    // digits, no trailing zeros, "." as decimal point in any locale.
    void value(std::string_view label, float number) {
        char digits[32];
        const auto end = std::to_chars(digits, digits + sizeof digits, static_cast<double>(number),
                                       std::chars_format::general, 6)
                             .ptr;
        text_.append(label);
        text_.append(digits, end);
        text_.append("\r\n");
    }

    void value(std::string_view label, long number) {
        text_.append(label);
        text_.append(std::to_string(number));
        text_.append("\r\n");
    }

    std::string take() { return std::move(text_); }

  private:
    std::string text_;
};

std::string_view nameOf(const BeamSection& section) {
    return {section.name, strnlen(section.name, kNameFieldSize)};
}

// "Web Area\t\t= ": the label and tabs to the fourth tab stop (column 24).
std::string reportLabel(std::string_view label) {
    std::string text(label);
    for (std::size_t column = label.size(); column < 24; column = (column / 8 + 1) * 8)
        text += '\t';
    return text + "= ";
}

void writeHeader(ReportText& report, const BeamSection& s, const std::string& title,
                 const ReportTime& t) {
    report.line("ROLVANTA");
    report.line("Results Of Project - " + windows1252FromUtf8(title));
    report.line("Created -  " + std::to_string(t.day) + "/" + std::to_string(t.month) + "/" +
                std::to_string(t.year) + " " + std::to_string(t.hour) + "." +
                std::to_string(t.minute) + "." + std::to_string(t.second));
    report.line();
    report.line("Pass 1 (Required Dimensions Before Cooling)");
    report.line(
        "( All Dimensions in mm,Kg,\xB0,\xB0"
        "C )");
    report.line();
    report.line(std::string("Beam Name\t\t: ").append(nameOf(s)));
    for (const auto member : kReportSectionOrder) {
        if (member == &BeamSection::temperature) {
            report.value(reportLabel(kPassCountLabel), long{s.passCount});
        }
        report.value(reportLabel(sectionField(member).label), s.*member);
    }
    report.line();
}

// One pass as the user numbers it: record k is pass k + 2.
void writePass(ReportText& report, const PassRecord& p, int record) {
    report.value("Pass - ", long{record + 2});
    for (const auto member : kReportFieldOrder) {
        report.value(reportLabel(passField(member).shortLabel), p.*member);
    }
    report.line();
    report.line();
}

}  // namespace

ReportTime currentReportTime() { return localTimeNow(); }

std::string formatResultsReport(const Project& project, const std::string& title,
                                const ReportTime& time) {
    ReportText report;
    writeHeader(report, project.section, title, time);
    for (int i = 0; i < shownPassRecordCount(project.section); ++i) {
        writePass(report, project.passes.records[i], i);
    }
    return report.take();
}

StorageResult writeResultsReport(const std::string& path, const std::string& title,
                                 const Project& project, const ReportTime& time) {
    return replaceFile(path, formatResultsReport(project, title, time));
}

}  // namespace rolvanta
