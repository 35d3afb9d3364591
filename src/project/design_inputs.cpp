#include "project/design_inputs.h"

#include <algorithm>
#include <cmath>

#include "engine/coefficient_rules.h"
#include "engine/pass_schedule.h"
#include "engine/stored_value.h"
#include "project/field_text.h"
#include "project/mill_inputs.h"
#include "project/project_life.h"

namespace rolvanta {

namespace {

void takeCommonFields(BeamSection& section, const SectionFields& fields) {
    storeName(section.name, fields.name);
    setFinishedWebWidth(section, fields.webWidth);
    section.webThickness = fields.webThickness;
    section.flangeHeight = fields.flangeHeight;
    section.flangeThickness = fields.flangeThickness;
    section.rootRadius = fields.rootRadius;
    section.tipRadius = fields.tipRadius;
    section.flangeSlope = fields.flangeSlope;
}

// A change of the inputs, made on a copy: refused, it leaves the project as
// it was; accepted, a computed design is computed again from the new inputs
// (the schedule never mixes two designs), and the copy replaces the project
// unless it came out the same.
template <typename Change>
InputResult changeInputs(Project& project, Change change) {
    Project changed = project;
    InputResult result = change(changed);
    if (!result.accepted()) return result;
    if (changed.flags.computed) {
        if (computePrecondition(changed) == MissingStep::Nothing) {
            computeDesign(changed);
        } else {
            changed.flags.computed = false;  // no schedule for these inputs
        }
    }
    computeProjectLoads(changed);  // the loads of the new schedule, or none
    if (!sameProject(changed, project)) project = changed;
    return result;  // with its note, if any
}

// The kept limits spread over the section's passes, with their height steps.
void spreadLimits(Project& p) {
    const CoefficientLimits& l = *p.limits;
    applyCoefficientLimits(p.coefficients, p.section, l.webFrom, l.webTo, l.liveFrom, l.liveTo,
                           l.deadFrom, l.deadTo);
    adjustHeightSteps(p.coefficients, p.section);
}

struct NumberText {
    InputField field;
    const std::string* text;
    float* value;
};

template <std::size_t N>
InputResult readNumbers(const NumberText (&numbers)[N]) {
    for (const NumberText& n : numbers) {
        if (InputResult r = readNumberField(n.field, *n.text, *n.value); !r.accepted()) return r;
    }
    return {};
}

// The checks every section passes, whichever way it is given.
InputResult checkSection(const Project& project, const SectionFields& f) {
    if (InputResult r = checkName(f.name); !r.accepted()) return r;
    const std::pair<InputField, float> numbers[] = {
        {InputField::WebWidth, f.webWidth},
        {InputField::WebThickness, f.webThickness},
        {InputField::FlangeHeight, f.flangeHeight},
        {InputField::FlangeThickness, f.flangeThickness},
        {InputField::RootRadius, f.rootRadius},
        {InputField::TipRadius, f.tipRadius},
        {InputField::FlangeSlope, f.flangeSlope},
    };
    for (const auto& [field, value] : numbers) {
        if (InputResult r = checkNumberField(field, value); !r.accepted()) return r;
    }
    const SectionShape shape{f.webWidth, f.webThickness, f.flangeHeight, f.flangeThickness,
                             f.flangeSlope};
    if (InputResult r = checkSectionShape(shape); !r.accepted()) return r;
    const BeamSection& s = project.section;
    if (!passWidthsStayPositive(f.webWidth, s.temperature, s.passCount)) {
        return {FieldProblem{InputField::WebWidth, numberText(f.webWidth),
                             "a web wide enough for the " + std::to_string(s.passCount) +
                                 " passes of the Setup: each pass takes 1 % of the web width "
                                 "plus 1 mm more than the pass before (or fewer passes in "
                                 "Inputs › Setup)"}};
    }
    return {};
}

// The finished section's fields as the custom profile dialog shows them and
// reads them back (three decimals).
CustomSectionFields shownFieldsOfSection(const BeamSection& section) {
    CustomSectionFields fields = fieldsOfSection(section);
    for (float* number : {&fields.webWidth, &fields.webThickness, &fields.flangeHeight,
                          &fields.flangeThickness, &fields.rootRadius, &fields.tipRadius,
                          &fields.flangeSlope, &fields.mass, &fields.length}) {
        *number = strictFloat(formatFieldNumber(*number)).value_or(*number);
    }
    return fields;
}

bool sameFields(const CustomSectionFields& a, const CustomSectionFields& b) {
    return a.name == b.name && a.webWidth == b.webWidth && a.webThickness == b.webThickness &&
           a.flangeHeight == b.flangeHeight && a.flangeThickness == b.flangeThickness &&
           a.rootRadius == b.rootRadius && a.tipRadius == b.tipRadius &&
           a.flangeSlope == b.flangeSlope && a.mass == b.mass && a.length == b.length;
}

}  // namespace

StandardSectionFields fieldsOfProfile(const ProfileRecord& record) {
    StandardSectionFields fields;
    fields.name = std::string(storedName(record.name));
    fields.webWidth = record.webWidth;
    fields.webThickness = record.webThickness;
    fields.flangeHeight = record.flangeHeight;
    fields.flangeThickness = record.flangeThickness;
    fields.rootRadius = record.rootRadius;
    fields.tipRadius = record.tipRadius;
    fields.flangeSlope = record.flangeSlope;
    fields.area = record.area;
    fields.massPerLength = record.massPerLength;
    return fields;
}

StandardSectionFields shownFieldsOfProfile(const ProfileRecord& record) {
    StandardSectionFields fields = fieldsOfProfile(record);
    for (float* number :
         {&fields.webWidth, &fields.webThickness, &fields.flangeHeight, &fields.flangeThickness,
          &fields.rootRadius, &fields.tipRadius, &fields.flangeSlope, &fields.area}) {
        *number = readTypedNumber(formatFieldNumber(*number));
    }
    fields.massPerLength = readTypedNumber(formatMassPerLength(fields.massPerLength));
    return fields;
}

CustomSectionFields fieldsOfSection(const BeamSection& section) {
    CustomSectionFields fields;
    fields.name = std::string(storedName(section.name));
    fields.webWidth = finishedWebWidth(section);
    fields.webThickness = section.webThickness;
    fields.flangeHeight = section.flangeHeight;
    fields.flangeThickness = section.flangeThickness;
    fields.rootRadius = section.rootRadius;
    fields.tipRadius = section.tipRadius;
    fields.flangeSlope = section.flangeSlope;
    fields.mass = section.mass;
    fields.length = section.length;
    return fields;
}

InputResult readStandardSection(const StandardSectionTexts& t, StandardSectionFields& fields) {
    StandardSectionFields read;
    if (InputResult r = readNameField(t.name, read.name); !r.accepted()) return r;
    const NumberText numbers[] = {
        {InputField::WebWidth, &t.webWidth, &read.webWidth},
        {InputField::WebThickness, &t.webThickness, &read.webThickness},
        {InputField::FlangeHeight, &t.flangeHeight, &read.flangeHeight},
        {InputField::FlangeThickness, &t.flangeThickness, &read.flangeThickness},
        {InputField::RootRadius, &t.rootRadius, &read.rootRadius},
        {InputField::TipRadius, &t.tipRadius, &read.tipRadius},
        {InputField::FlangeSlope, &t.flangeSlope, &read.flangeSlope},
        {InputField::Area, &t.area, &read.area},
        {InputField::MassPerLength, &t.massPerLength, &read.massPerLength},
    };
    if (InputResult r = readNumbers(numbers); !r.accepted()) return r;
    fields = read;
    return {};
}

InputResult readCustomSection(const CustomSectionTexts& t, CustomSectionFields& fields) {
    CustomSectionFields read;
    if (InputResult r = readNameField(t.name, read.name); !r.accepted()) return r;
    // In the order of the dialog's fields: the left column, then the right.
    const NumberText numbers[] = {
        {InputField::WebWidth, &t.webWidth, &read.webWidth},
        {InputField::WebThickness, &t.webThickness, &read.webThickness},
        {InputField::FlangeHeight, &t.flangeHeight, &read.flangeHeight},
        {InputField::Mass, &t.mass, &read.mass},
        {InputField::FlangeThickness, &t.flangeThickness, &read.flangeThickness},
        {InputField::RootRadius, &t.rootRadius, &read.rootRadius},
        {InputField::TipRadius, &t.tipRadius, &read.tipRadius},
        {InputField::FlangeSlope, &t.flangeSlope, &read.flangeSlope},
        {InputField::Length, &t.length, &read.length},
    };
    if (InputResult r = readNumbers(numbers); !r.accepted()) return r;
    fields = read;
    return {};
}

InputResult takeStandardSection(Project& project, const StandardSectionFields& fields) {
    if (InputResult r = checkSection(project, fields); !r.accepted()) return r;
    for (const auto& [field, value] :
         {std::pair{InputField::Area, fields.area},
          std::pair{InputField::MassPerLength, fields.massPerLength}}) {
        if (InputResult r = checkNumberField(field, value); !r.accepted()) return r;
    }
    return changeInputs(project, [&](Project& p) {
        BeamSection& section = p.section;
        takeCommonFields(section, fields);
        section.area = fields.area;
        section.massPerLength = fields.massPerLength;
        section.length = kCatalogueBeamLength;
        section.mass = section.massPerLength * section.length;
        p.flags.standardChosen = true;
        return InputResult{};
    });
}

InputResult takeCustomSection(Project& project, const CustomSectionFields& fields) {
    // The fields as the dialog showed them, given back untouched: the
    // section stays as it is, a catalogue beam's own area included, rather
    // than being taken anew with an area computed from its dimensions.
    const bool sectionTaken = project.flags.standardChosen || project.flags.customEntered;
    if (sectionTaken && sameFields(fields, shownFieldsOfSection(project.section))) return {};
    if (InputResult r = checkSection(project, fields); !r.accepted()) return r;
    for (const auto& [field, value] :
         {std::pair{InputField::Mass, fields.mass}, std::pair{InputField::Length, fields.length}}) {
        if (InputResult r = checkNumberField(field, value); !r.accepted()) return r;
    }
    return changeInputs(project, [&](Project& p) {
        BeamSection& section = p.section;
        takeCommonFields(section, fields);
        section.mass = fields.mass;
        section.length = fields.length;
        const double web = double{section.webWidth} * section.webThickness;
        const double flanges =
            (double{section.flangeHeight} - section.webThickness) * section.flangeThickness * 2.0;
        section.area = storedValue(web + flanges);
        p.flags.customEntered = true;
        return InputResult{};
    });
}

InputResult readPasses(std::string_view text, unsigned long& passes) {
    const std::optional<double> count = strictNumber(text);
    if (!count || *count != std::floor(*count) || *count < kFewestPasses || *count > kMostPasses) {
        return {FieldProblem{InputField::Passes, std::string(text),
                             "a whole number from " + std::to_string(kFewestPasses) + " to " +
                                 std::to_string(kMostPasses)}};
    }
    passes = static_cast<unsigned long>(*count);
    return {};
}

InputResult readTemperature(std::string_view text, float& temperature) {
    if (text.find_first_not_of(" \t") == std::string_view::npos) {
        temperature = kUsualTemperature;
        return {};
    }
    return readNumberField(InputField::Temperature, text, temperature);
}

InputResult readSetup(const SetupTexts& texts, SetupFields& fields) {
    SetupFields read;
    if (InputResult r = readPasses(texts.passes, read.passes); !r.accepted()) return r;
    if (InputResult r = readTemperature(texts.temperature, read.temperature); !r.accepted()) {
        return r;
    }
    fields = read;
    return {};
}

InputResult applySetup(Project& project, const SetupFields& fields) {
    if (fields.passes < kFewestPasses || fields.passes > kMostPasses) {
        return {FieldProblem{InputField::Passes, std::to_string(fields.passes),
                             "a whole number from " + std::to_string(kFewestPasses) + " to " +
                                 std::to_string(kMostPasses)}};
    }
    if (InputResult r = checkNumberField(InputField::Temperature, fields.temperature);
        !r.accepted()) {
        return r;
    }
    const int passes = static_cast<int>(fields.passes);
    const bool sectionTaken = project.flags.standardChosen || project.flags.customEntered;
    const float web = finishedWebWidth(project.section);
    if (sectionTaken && !passWidthsStayPositive(web, fields.temperature, passes)) {
        const int most = mostPassesForWeb(web, fields.temperature);
        return {FieldProblem{
            InputField::Passes, std::to_string(passes),
            most == 0 ? "none: the web of " + numberText(web) +
                            " mm is too narrow for even 5 passes (choose a wider section)"
                      : "a whole number from 5 to " + std::to_string(most) +
                            ": each pass takes "
                            "1 % of the web width plus 1 mm more than the pass before, and the "
                            "web of " +
                            numberText(web) + " mm allows no more"}};
    }
    return changeInputs(project, [&](Project& p) {
        const bool newCount = p.section.passCount != passes;
        p.section.passCount = passes;
        p.section.temperature = fields.temperature;
        p.flags.setupDone = true;
        // The mill keeps one stand per pass.
        InputResult taken;
        if (p.mill) taken.note = fitMillToPasses(*p.mill, passes);
        // Limits spread over the old count leave added passes without
        // coefficients, and a shorter schedule short of its range.
        if (newCount && p.limits) {
            spreadLimits(p);
            if (!taken.note.empty()) taken.note += "; ";
            taken.note +=
                "The coefficient limits are spread over " + std::to_string(passes) + " passes now";
        }
        return taken;
    });
}

InputResult readCoefficients(const CoefficientTexts& t, CoefficientFields& fields) {
    CoefficientFields read;
    const std::pair<InputField, const std::string*> lists[] = {
        {InputField::WebList, &t.webList},
        {InputField::LiveList, &t.liveList},
        {InputField::DeadList, &t.deadList},
    };
    for (const auto& [field, text] : lists) {
        if (InputResult r = checkCoefficientList(field, *text); !r.accepted()) return r;
    }
    read.webList = t.webList;
    read.liveList = t.liveList;
    read.deadList = t.deadList;

    CoefficientLimits limits;
    // In the dialog's order: each row's lower limit, then its upper one.
    const NumberText numbers[] = {
        {InputField::WebFrom, &t.webFrom, &limits.webFrom},
        {InputField::WebTo, &t.webTo, &limits.webTo},
        {InputField::LiveFrom, &t.liveFrom, &limits.liveFrom},
        {InputField::LiveTo, &t.liveTo, &limits.liveTo},
        {InputField::DeadFrom, &t.deadFrom, &limits.deadFrom},
        {InputField::DeadTo, &t.deadTo, &limits.deadTo},
    };
    auto empty = [](const std::string& text) {
        return text.find_first_not_of(" \t") == std::string::npos;
    };
    int filled = 0;
    for (const NumberText& n : numbers) filled += empty(*n.text) ? 0 : 1;
    if (filled != 0) {
        for (const NumberText& n : numbers) {
            if (empty(*n.text)) {
                return {FieldProblem{n.field, *n.text, "all six limits filled, or none"}};
            }
        }
        if (InputResult r = readNumbers(numbers); !r.accepted()) return r;
        read.limits = limits;
    }
    fields = read;
    return {};
}

InputResult applyCoefficients(Project& project, const CoefficientFields& fields) {
    const std::pair<InputField, const std::string*> lists[] = {
        {InputField::WebList, &fields.webList},
        {InputField::LiveList, &fields.liveList},
        {InputField::DeadList, &fields.deadList},
    };
    for (const auto& [field, text] : lists) {
        if (InputResult r = checkCoefficientList(field, *text); !r.accepted()) return r;
    }
    if (const std::optional<CoefficientLimits>& l = fields.limits) {
        const std::pair<InputField, float> numbers[] = {
            {InputField::WebFrom, l->webFrom},   {InputField::WebTo, l->webTo},
            {InputField::LiveFrom, l->liveFrom}, {InputField::LiveTo, l->liveTo},
            {InputField::DeadFrom, l->deadFrom}, {InputField::DeadTo, l->deadTo},
        };
        for (const auto& [field, value] : numbers) {
            if (InputResult r = checkNumberField(field, value); !r.accepted()) return r;
        }
        // The limits are spread over the passes: without a Setup there are none.
        if (scheduledRecordCount(project.section) == 0) {
            return {FieldProblem{InputField::WebFrom, numberText(l->webFrom),
                                 "limits once the number of passes is known: run Setup first "
                                 "(Inputs › Setup)"}};
        }
    }
    return changeInputs(project, [&](Project& p) {
        p.flags.coefficientListsEntered = true;
        parseCoefficientLists(p.coefficients, p.section, fields.webList, fields.liveList,
                              fields.deadList);
        const bool listsGiven = !coefficientListTokens(fields.webList).empty() ||
                                !coefficientListTokens(fields.liveList).empty() ||
                                !coefficientListTokens(fields.deadList).empty();
        if (fields.limits) {
            p.limits = fields.limits;
            spreadLimits(p);
        } else if (listsGiven) {
            p.limits.reset();  // the rows are the lists' now
        }
        p.flags.coefficientsGiven = true;
        return InputResult{};
    });
}

InputResult restoreDefaultCoefficients(Project& project) {
    return changeInputs(project, [](Project& p) {
        loadDefaultCoefficients(p.coefficients);
        p.limits.reset();
        p.flags.defaultCoefficients = true;
        p.flags.coefficientsGiven = true;
        return InputResult{};
    });
}

}  // namespace rolvanta
