#include "storage/mill_file.h"

#include <cstdint>

#include "storage/file_io.h"
#include "storage/mill_json.h"

namespace rolvanta {

namespace {

constexpr const char* kFormatName = "ROLVANTA Mill";
// Far beyond any mill (about 5 kB), small enough to read at once.
constexpr std::size_t kLargestMillFile = 1 << 20;

const struct {
    const char* name;
    HenselSpittelSet set;
} kSetNames[] = {
    {"C20/C22", HenselSpittelSet::C20C22},
    {"S355J2", HenselSpittelSet::S355J2},
    {"C45", HenselSpittelSet::C45},
};

const struct {
    const char* name;
    RollMaterial material;
} kRollMaterialNames[] = {
    {"steel", RollMaterial::Steel},
    {"chilled iron", RollMaterial::ChilledIron},
};

const struct {
    const char* name;
    double MillConstants::*member;
} kConstantKeys[] = {
    {"emissivity", &MillConstants::emissivity},
    {"convection_W_m2K", &MillConstants::convection_W_m2K},
    {"contact_W_m2K", &MillConstants::contact_W_m2K},
    {"rollTemperature_C", &MillConstants::rollTemperature_C},
    {"heatFraction", &MillConstants::heatFraction},
    {"minimumTaper", &MillConstants::minimumTaper},
    {"airTemperature_C", &MillConstants::airTemperature_C},
    {"density_kg_m3", &MillConstants::density_kg_m3},
    {"specificHeat_J_kgK", &MillConstants::specificHeat_J_kgK},
};

// The numbers of a stand that always have a value (a default at least).
const struct {
    const char* name;
    double MillStand::*member;
    bool required;
} kStandNumbers[] = {
    {"diameter_mm", &MillStand::diameter_mm, true},
    {"rpm", &MillStand::rpm, true},
    {"neckRatio", &MillStand::neckRatio, false},
    {"neckFriction", &MillStand::neckFriction, false},
    {"driveEfficiency", &MillStand::driveEfficiency, false},
};

// The numbers of a stand that may be left out.
const struct {
    const char* name;
    std::optional<double> MillStand::*member;
} kStandOptions[] = {
    {"interpass_s", &MillStand::interpass_s}, {"distance_m", &MillStand::distance_m},
    {"maxForce_kN", &MillStand::maxForce_kN}, {"maxTorque_kNm", &MillStand::maxTorque_kNm},
    {"motor_kW", &MillStand::motor_kW},
};

[[noreturn]] void wrong(const std::string& what) { throw MillJsonWrong{what}; }

const MillJson& member(const MillJson& object, const char* key, const std::string& where) {
    const auto found = object.find(key);
    if (found == object.end()) wrong(where + key + " is missing");
    return *found;
}

double numberAt(const MillJson& value, const std::string& name) {
    if (!value.is_number()) wrong(name + " is not a number");
    return value.get<double>();
}

std::string textAt(const MillJson& value, const std::string& name) {
    if (!value.is_string()) wrong(name + " is not text");
    return value.get<std::string>();
}

// Every key of an object must be the format's: see mill_file.h.
template <typename Known>
void onlyKnownKeys(const MillJson& object, const std::string& where, Known known) {
    for (const auto& item : object.items()) {
        if (!known(item.key())) wrong(where + item.key() + " is not part of the format");
    }
}

MillJson steelToJson(const Steel& steel) {
    MillJson object = MillJson::object();
    if (steel.model == FlowStressModel::Shida) {
        object["model"] = "shida";
        object["carbon_pct"] = steel.carbon_pct;
    } else {
        object["model"] = "hensel-spittel";
        for (const auto& set : kSetNames) {
            if (set.set == steel.set) object["set"] = set.name;
        }
    }
    return object;
}

Steel steelFromJson(const MillJson& document, const std::string& where) {
    const MillJson& object = member(document, "steel", where);
    const std::string at = where + "steel.";
    if (!object.is_object()) wrong(where + "steel is not an object");
    Steel steel;
    const std::string model = textAt(member(object, "model", at), at + "model");
    if (model == "shida") {
        steel.model = FlowStressModel::Shida;
        steel.carbon_pct = numberAt(member(object, "carbon_pct", at), at + "carbon_pct");
        onlyKnownKeys(object, at,
                      [](const std::string& k) { return k == "model" || k == "carbon_pct"; });
        return steel;
    }
    if (model != "hensel-spittel") wrong(at + "model is not \"shida\" or \"hensel-spittel\"");
    steel.model = FlowStressModel::HenselSpittel;
    const std::string set = textAt(member(object, "set", at), at + "set");
    bool known = false;
    for (const auto& name : kSetNames) {
        if (set == name.name) {
            steel.set = name.set;
            known = true;
        }
    }
    if (!known) wrong(at + "set is not \"C20/C22\", \"S355J2\" or \"C45\"");
    onlyKnownKeys(object, at, [](const std::string& k) { return k == "model" || k == "set"; });
    return steel;
}

MillConstants constantsFromJson(const MillJson& document, const std::string& where) {
    MillConstants constants;
    const auto found = document.find("constants");
    if (found == document.end()) return constants;
    if (!found->is_object()) wrong(where + "constants is not an object");
    const std::string at = where + "constants.";
    for (const auto& key : kConstantKeys) {
        const auto value = found->find(key.name);
        if (value != found->end()) constants.*key.member = numberAt(*value, at + key.name);
    }
    onlyKnownKeys(*found, at, [](const std::string& k) {
        for (const auto& key : kConstantKeys) {
            if (k == key.name) return true;
        }
        return false;
    });
    return constants;
}

MillStand standFromJson(const MillJson& object, const std::string& at, int pass) {
    if (!object.is_object()) wrong(at.substr(0, at.size() - 1) + " is not an object");
    const MillJson& number = member(object, "pass", at);
    if (!number.is_number_integer() || number.get<std::int64_t>() != pass) {
        wrong(at + "pass is " + number.dump() + ", not " + std::to_string(pass) +
              ": the passes run in rolling order, from the highest pass number down to 1");
    }
    MillStand stand;
    stand.stand = textAt(member(object, "stand", at), at + "stand");
    for (const auto& key : kStandNumbers) {
        const auto value = object.find(key.name);
        if (value != object.end()) {
            stand.*key.member = numberAt(*value, at + key.name);
        } else if (key.required) {
            wrong(at + key.name + " is missing");
        }
    }
    for (const auto& key : kStandOptions) {
        const auto value = object.find(key.name);
        if (value != object.end()) stand.*key.member = numberAt(*value, at + key.name);
    }
    onlyKnownKeys(object, at, [](const std::string& k) {
        if (k == "pass" || k == "stand") return true;
        for (const auto& key : kStandNumbers) {
            if (k == key.name) return true;
        }
        for (const auto& key : kStandOptions) {
            if (k == key.name) return true;
        }
        return false;
    });
    return stand;
}

}  // namespace

MillJson millToJson(const Mill& mill) {
    MillJson object = MillJson::object();
    object["name"] = mill.name;
    object["example"] = mill.example;
    object["entryTemperature_C"] = mill.entryTemperature_C;
    object["steel"] = steelToJson(mill.steel);
    for (const auto& name : kRollMaterialNames) {
        if (name.material == mill.rollMaterial) object["rollMaterial"] = name.name;
    }
    MillJson constants = MillJson::object();
    for (const auto& key : kConstantKeys) constants[key.name] = mill.constants.*key.member;
    object["constants"] = constants;
    MillJson passes = MillJson::array();
    const int count = static_cast<int>(mill.stands.size());
    for (int j = 0; j < count; ++j) {
        const MillStand& stand = mill.stands[static_cast<std::size_t>(j)];
        MillJson pass = MillJson::object();
        pass["pass"] = passOfStand(j, count);
        pass["stand"] = stand.stand;
        pass["diameter_mm"] = stand.diameter_mm;
        pass["rpm"] = stand.rpm;
        if (stand.interpass_s) pass["interpass_s"] = *stand.interpass_s;
        if (stand.distance_m) pass["distance_m"] = *stand.distance_m;
        pass["neckRatio"] = stand.neckRatio;
        pass["neckFriction"] = stand.neckFriction;
        pass["driveEfficiency"] = stand.driveEfficiency;
        if (stand.maxForce_kN) pass["maxForce_kN"] = *stand.maxForce_kN;
        if (stand.maxTorque_kNm) pass["maxTorque_kNm"] = *stand.maxTorque_kNm;
        if (stand.motor_kW) pass["motor_kW"] = *stand.motor_kW;
        passes.push_back(pass);
    }
    object["passes"] = passes;
    return object;
}

void millFromJson(const MillJson& object, const std::string& where, Mill& mill) {
    Mill read;
    read.name = textAt(member(object, "name", where), where + "name");
    if (const auto example = object.find("example"); example != object.end()) {
        if (!example->is_boolean()) wrong(where + "example is not true or false");
        read.example = example->get<bool>();
    }
    read.entryTemperature_C =
        numberAt(member(object, "entryTemperature_C", where), where + "entryTemperature_C");
    read.steel = steelFromJson(object, where);
    const std::string material =
        textAt(member(object, "rollMaterial", where), where + "rollMaterial");
    bool known = false;
    for (const auto& name : kRollMaterialNames) {
        if (material == name.name) {
            read.rollMaterial = name.material;
            known = true;
        }
    }
    if (!known) wrong(where + "rollMaterial is not \"steel\" or \"chilled iron\"");
    read.constants = constantsFromJson(object, where);

    const MillJson& passes = member(object, "passes", where);
    if (!passes.is_array() || passes.empty() || passes.size() > std::size_t{kMostMillStands}) {
        wrong(where + "passes is not a list of 1 to " + std::to_string(kMostMillStands) +
              " passes");
    }
    const int count = static_cast<int>(passes.size());
    for (int j = 0; j < count; ++j) {
        const std::string at = where + "passes[" + std::to_string(j) + "].";
        read.stands.push_back(
            standFromJson(passes[static_cast<std::size_t>(j)], at, passOfStand(j, count)));
    }
    onlyKnownKeys(object, where, [](const std::string& k) {
        return k == "format" || k == "version" || k == "name" || k == "example" ||
               k == "entryTemperature_C" || k == "steel" || k == "rollMaterial" ||
               k == "constants" || k == "passes";
    });
    mill = read;
}

std::string encodeMillFile(const Mill& mill) {
    MillJson document = MillJson::object();
    document["format"] = kFormatName;
    document["version"] = kMillFormatVersion;
    const MillJson object = millToJson(mill);
    for (const auto& item : object.items()) document[item.key()] = item.value();
    return document.dump(2) + "\n";
}

std::optional<std::string> decodeMillFile(std::string_view text, Mill& mill) {
    MillJson document;
    try {
        document = MillJson::parse(text);
    } catch (const MillJson::parse_error& error) {
        return "not valid JSON (at byte " + std::to_string(error.byte) + ")";
    } catch (const MillJson::out_of_range&) {
        return std::string("holds a number beyond the range of a double");
    }
    if (!document.is_object()) return std::string("not a ROLVANTA mill");
    const auto format = document.find("format");
    if (format == document.end() || *format != kFormatName) {
        return std::string("not a ROLVANTA mill (no \"format\": \"") + kFormatName + "\")";
    }
    const auto version = document.find("version");
    if (version == document.end() || !version->is_number_integer()) {
        return std::string("version is missing or not a whole number");
    }
    if (*version != kMillFormatVersion) {
        return "format version " + version->dump() + " is not one this program reads (" +
               std::to_string(kMillFormatVersion) + ")";
    }
    try {
        millFromJson(document, "", mill);
    } catch (const MillJsonWrong& wrong) {
        return wrong.what;
    }
    return std::nullopt;
}

StorageResult writeMillFile(const std::string& path, const Mill& mill) {
    return replaceFile(path, encodeMillFile(mill));
}

StorageResult readMillFile(const std::string& path, Mill& mill) {
    std::string text;
    if (StorageResult error = readWholeFile(path, text, kLargestMillFile)) {
        if (error->what != StorageFailure::TooLarge) return error;
        return StorageError{StorageFailure::NotValid, path, "longer than any mill file"};
    }
    if (std::optional<std::string> wrong = decodeMillFile(text, mill)) {
        return StorageError{StorageFailure::NotValid, path, *wrong};
    }
    return std::nullopt;
}

}  // namespace rolvanta
