#include "storage/design_file.h"

#include <nlohmann/json.hpp>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

#include "engine/pass_fields.h"
#include "engine/section_fields.h"
#include "engine/windows1252.h"
#include "storage/file_io.h"
#include "storage/mill_json.h"

namespace rolvanta {

namespace {

// Keys in the order written; numbers held as single-precision floats, so that
// they are written as the
// shortest text that reads back as the same float.
using Json = nlohmann::basic_json<nlohmann::ordered_map, std::vector, std::string, bool,
                                  std::int64_t, std::uint64_t, float>;

constexpr const char* kFormatName = "ROLVANTA Design";
// Far beyond any design (about 10 kB), small enough to read at once.
constexpr std::size_t kLargestDesignFile = 1 << 20;

const struct {
    const char* name;
    bool ProjectFlags::*member;
} kFlagKeys[] = {
    {"standardChosen", &ProjectFlags::standardChosen},
    {"customEntered", &ProjectFlags::customEntered},
    {"coefficientsGiven", &ProjectFlags::coefficientsGiven},
    {"coefficientListsEntered", &ProjectFlags::coefficientListsEntered},
    {"reservedFlag", &ProjectFlags::reservedFlag},
    {"defaultCoefficients", &ProjectFlags::defaultCoefficients},
    {"setupDone", &ProjectFlags::setupDone},
    {"computed", &ProjectFlags::computed},
    {"hasFileName", &ProjectFlags::hasFileName},
    {"projectStarted", &ProjectFlags::projectStarted},
};

const struct {
    const char* name;
    SaveKind kind;
} kSaveKindNames[] = {
    {"nothing", SaveKind::Nothing},
    {"project file", SaveKind::ProjectFile},
    {"report", SaveKind::Report},
    {"design", SaveKind::Design},
};

const struct {
    const char* name;
    float (CoefficientSet::*row)[kPassTableSize];
} kCoefficientRows[] = {
    {"webElongation", &CoefficientSet::webElongation},
    {"liveFlangeElongation", &CoefficientSet::liveFlangeElongation},
    {"deadFlangeElongation", &CoefficientSet::deadFlangeElongation},
    {"widthReduction", &CoefficientSet::widthReduction},
    {"liveHeightStep", &CoefficientSet::liveHeightStep},
    {"deadHeightStep", &CoefficientSet::deadHeightStep},
};

// A stored value is a number: NaN and infinity are written as 0, as a
// computation or a project file stores them.
float written(float value) { return std::isfinite(value) ? value : 0.0f; }

// The first thing wrong with a document, thrown while reading it.
struct Wrong {
    std::string what;
};

// An object member of the given kind; `where` names it in a message.
const Json& member(const Json& object, const char* key, const std::string& where) {
    const auto found = object.find(key);
    if (found == object.end()) throw Wrong{where + key + " is missing"};
    return *found;
}

const Json& objectAt(const Json& object, const char* key, const std::string& where) {
    const Json& value = member(object, key, where);
    if (!value.is_object()) throw Wrong{where + key + " is not an object"};
    return value;
}

float numberAt(const Json& value, const std::string& name) {
    if (!value.is_number()) throw Wrong{name + " is not a number"};
    const float number = value.get<float>();
    if (!std::isfinite(number)) throw Wrong{name + " is not a finite number"};
    return number;
}

// Every key of an object must be one the format knows: a misspelt key
// would otherwise leave its field silently at a default.
template <typename Known>
void onlyKnownKeys(const Json& object, const std::string& where, Known known) {
    for (const auto& item : object.items()) {
        if (!known(item.key())) throw Wrong{where + item.key() + " is not part of the format"};
    }
}

void readSection(const Json& document, BeamSection& section) {
    const std::string where = "section.";
    const Json& object = objectAt(document, "section", "");
    const Json& name = member(object, "name", where);
    if (!name.is_string()) throw Wrong{"section.name is not text"};
    const std::string utf8 = name.get<std::string>();
    const std::string bytes = windows1252FromUtf8(utf8);
    if (utf8FromWindows1252(bytes) != utf8 || bytes.find('\0') != std::string::npos) {
        throw Wrong{"section.name holds characters a beam name cannot hold"};
    }
    if (bytes.size() >= kNameFieldSize) throw Wrong{"section.name is too long"};
    std::memset(section.name, 0, kNameFieldSize);
    std::memcpy(section.name, bytes.data(), bytes.size());

    for (const auto& field : kSectionFields) {
        section.*field.member = numberAt(member(object, field.name, where), where + field.name);
    }
    const Json& passCount = member(object, "passCount", where);
    if (!passCount.is_number_integer() || passCount.get<std::int64_t>() < 0 ||
        passCount.get<std::int64_t>() > kPassTableSize) {
        throw Wrong{"section.passCount is not a whole number from 0 to 15"};
    }
    section.passCount = static_cast<std::int32_t>(passCount.get<std::int64_t>());
    onlyKnownKeys(object, where, [](const std::string& key) {
        if (key == "name" || key == "passCount") return true;
        for (const auto& field : kSectionFields) {
            if (key == field.name) return true;
        }
        return false;
    });
}

void readFlags(const Json& document, ProjectFlags& flags) {
    const std::string where = "flags.";
    const Json& object = objectAt(document, "flags", "");
    for (const auto& flag : kFlagKeys) {
        const Json& value = member(object, flag.name, where);
        if (!value.is_boolean()) throw Wrong{where + flag.name + " is not true or false"};
        flags.*flag.member = value.get<bool>();
    }
    const Json& kind = member(object, "lastSaveKind", where);
    bool known = false;
    for (const auto& name : kSaveKindNames) {
        if (kind.is_string() && kind.get<std::string>() == name.name) {
            flags.lastSaveKind = name.kind;
            known = true;
        }
    }
    if (!known) {
        throw Wrong{
            "flags.lastSaveKind is not \"nothing\", \"project file\", \"report\" or \"design\""};
    }
    onlyKnownKeys(object, where, [](const std::string& key) {
        if (key == "lastSaveKind") return true;
        for (const auto& flag : kFlagKeys) {
            if (key == flag.name) return true;
        }
        return false;
    });
}

void readCoefficients(const Json& document, CoefficientSet& coefficients) {
    const std::string where = "coefficients.";
    const Json& object = objectAt(document, "coefficients", "");
    for (const auto& row : kCoefficientRows) {
        const Json& list = member(object, row.name, where);
        if (!list.is_array() || list.size() != kPassTableSize) {
            throw Wrong{where + row.name + " is not a list of 15 numbers"};
        }
        for (int k = 0; k < kPassTableSize; ++k) {
            (coefficients.*row.row)[k] = numberAt(list[static_cast<std::size_t>(k)],
                                                  where + row.name + "[" + std::to_string(k) + "]");
        }
    }
    onlyKnownKeys(object, where, [](const std::string& key) {
        for (const auto& row : kCoefficientRows) {
            if (key == row.name) return true;
        }
        return false;
    });
}

void readSchedule(const Json& document, int passCount, PassTable& passes) {
    const Json& list = member(document, "schedule", "");
    if (!list.is_array()) throw Wrong{"schedule is not a list"};
    if (list.size() != static_cast<std::size_t>(passCount)) {
        throw Wrong{"schedule holds " + std::to_string(list.size()) +
                    " passes, not the section's passCount of " + std::to_string(passCount)};
    }
    for (int k = 0; k < passCount; ++k) {
        const std::string where = "schedule[" + std::to_string(k) + "].";
        const Json& record = list[static_cast<std::size_t>(k)];
        if (!record.is_object())
            throw Wrong{"schedule[" + std::to_string(k) + "] is not an object"};
        for (const auto& field : kPassFields) {
            passes.records[k].*field.member =
                numberAt(member(record, field.name, where), where + field.name);
        }
        onlyKnownKeys(record, where, [](const std::string& key) {
            for (const auto& field : kPassFields) {
                if (key == field.name) return true;
            }
            return false;
        });
    }
}

}  // namespace

std::string encodeDesignFile(const Project& project) {
    const BeamSection& s = project.section;
    Json section = Json::object();
    section["name"] = utf8FromWindows1252(std::string(s.name, strnlen(s.name, kNameFieldSize)));
    for (const auto& field : kSectionFields) {
        section[field.name] = written(s.*field.member);
    }
    section["passCount"] = s.passCount;

    Json flags = Json::object();
    for (const auto& flag : kFlagKeys) flags[flag.name] = project.flags.*flag.member;
    for (const auto& name : kSaveKindNames) {
        if (name.kind == project.flags.lastSaveKind) flags["lastSaveKind"] = name.name;
    }

    Json coefficients = Json::object();
    for (const auto& row : kCoefficientRows) {
        Json list = Json::array();
        for (const float value : project.coefficients.*row.row) list.push_back(written(value));
        coefficients[row.name] = list;
    }

    Json schedule = Json::array();
    for (int k = 0; k < scheduledRecordCount(s); ++k) {
        Json record = Json::object();
        for (const auto& field : kPassFields) {
            record[field.name] = written(project.passes.records[k].*field.member);
        }
        schedule.push_back(record);
    }

    Json document = Json::object();
    document["format"] = kFormatName;
    document["version"] = kDesignFormatVersion;
    document["section"] = section;
    document["flags"] = flags;
    document["coefficients"] = coefficients;
    document["schedule"] = schedule;
    std::string text = document.dump(2);
    if (project.mill) {
        // The mill's numbers are doubles, which this document's float
        // numbers would round: its object is written on its own, one level
        // in, as the last member.
        std::string mill = millToJson(*project.mill).dump(2);
        for (std::size_t at = 0; (at = mill.find('\n', at)) != std::string::npos; at += 3) {
            mill.replace(at, 1, "\n  ");
        }
        text.insert(text.size() - 2, ",\n  \"mill\": " + mill);
    }
    return text + "\n";
}

std::optional<std::string> decodeDesignFile(std::string_view text, Project& project) {
    Json document;
    try {
        document = Json::parse(text);
    } catch (const Json::parse_error& error) {
        // The library's own message is about its internals; the place is
        // what helps someone who edited the file.
        return "not valid JSON (at byte " + std::to_string(error.byte) + ")";
    } catch (const Json::out_of_range&) {
        return std::string("holds a number beyond the range of a single-precision float");
    }
    if (!document.is_object()) return std::string("not a ROLVANTA design");
    const auto format = document.find("format");
    if (format == document.end() || *format != kFormatName) {
        return std::string("not a ROLVANTA design (no \"format\": \"") + kFormatName + "\")";
    }
    const auto version = document.find("version");
    if (version == document.end() || !version->is_number_integer()) {
        return std::string("version is missing or not a whole number");
    }
    if (*version != kDesignFormatVersion && *version != 1) {
        return "format version " + version->dump() + " is not one this program reads (1 or " +
               std::to_string(kDesignFormatVersion) + ")";
    }
    // Version 1 holds no mill.
    const bool withMill = *version != 1 && document.contains("mill");
    Project read = project;
    try {
        readSection(document, read.section);
        readFlags(document, read.flags);
        readCoefficients(document, read.coefficients);
        readSchedule(document, read.section.passCount, read.passes);
        onlyKnownKeys(document, "", [withMill](const std::string& key) {
            return key == "format" || key == "version" || key == "section" || key == "flags" ||
                   key == "coefficients" || key == "schedule" || (withMill && key == "mill");
        });
    } catch (const Wrong& wrong) {
        return wrong.what;
    }
    read.mill.reset();
    if (withMill) {
        // Read again with double numbers, as the mill was written.
        try {
            const MillJson whole = MillJson::parse(text);
            const MillJson& mill = whole.at("mill");
            if (!mill.is_object()) return std::string("mill is not an object");
            millFromJson(mill, "mill.", read.mill.emplace());
        } catch (const MillJsonWrong& wrong) {
            return wrong.what;
        } catch (const MillJson::exception&) {
            return std::string("mill holds a number beyond the range of a double");
        }
    }
    read.loads.clear();
    project = read;
    return std::nullopt;
}

StorageResult writeDesignFile(const std::string& path, const Project& project) {
    return replaceFile(path, encodeDesignFile(project));
}

StorageResult readDesignFile(const std::string& path, Project& project) {
    std::string text;
    if (StorageResult error = readWholeFile(path, text, kLargestDesignFile)) {
        if (error->what != StorageFailure::TooLarge) return error;
        return StorageError{StorageFailure::NotValid, path, "longer than any design file"};
    }
    if (std::optional<std::string> wrong = decodeDesignFile(text, project)) {
        return StorageError{StorageFailure::NotValid, path, *wrong};
    }
    return std::nullopt;
}

}  // namespace rolvanta
