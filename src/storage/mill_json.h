#pragma once

// The mill as a JSON object, shared by the two files that hold one: the
// mill file (storage/mill_file.h) and the design file, which keeps the
// same object under "mill". For the storage layer's own readers and
// writers only: it exposes the JSON library, which nothing outside storage/
// sees.

#include <nlohmann/json.hpp>

#include <string>

#include "engine/mill_records.h"

namespace rolvanta {

// Keys in the order written; numbers as doubles, written as the shortest
// decimal that reads back as the same double.
using MillJson = nlohmann::ordered_json;

// The first thing wrong with a mill object, thrown while reading it.
struct MillJsonWrong {
    std::string what;  // "passes[3].rpm is not a number"
};

// The object: "name", "example", "entryTemperature_C", "steel",
// "rollMaterial", "constants" and "passes" (storage/mill_file.h shows it).
MillJson millToJson(const Mill& mill);

// Reads an object written by millToJson (or by hand) into mill; where
// prefixes every key in a message ("mill." inside a design). Throws
// MillJsonWrong on the first thing wrong: a missing or misspelt key, a value
// of the wrong type, a name that is not one of the format's, pass numbers
// that do not run from the count down to 1. Ranges are not checked here.
void millFromJson(const MillJson& object, const std::string& where, Mill& mill);

}  // namespace rolvanta
