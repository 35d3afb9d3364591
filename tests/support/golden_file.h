#pragma once

// Whole outputs compared once against files in tests/data/golden. With
// ROLVANTA_REGENERATE_GOLDEN=1 in the environment the files are written
// instead; read the diff (git diff tests/data/golden) before committing it.

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace rolvanta::testing {

inline void expectGolden(const std::string& name, const std::string& actual) {
    const std::string path = std::string(ROLVANTA_SOURCE_DIR) + "/tests/data/golden/" + name;
    const char* regenerate = std::getenv("ROLVANTA_REGENERATE_GOLDEN");
    if (regenerate != nullptr && std::string(regenerate) == "1") {
        std::ofstream(path, std::ios::binary) << actual;
        return;
    }
    std::ifstream file(path, std::ios::binary);
    ASSERT_TRUE(file) << path << " is missing: run with ROLVANTA_REGENERATE_GOLDEN=1";
    std::ostringstream expected;
    expected << file.rdbuf();
    EXPECT_EQ(actual, expected.str()) << "differs from " << path;
}

// text with every from in it made to.
inline std::string replaced(std::string text, const std::string& from, const std::string& to) {
    for (std::size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size()) {
        text.replace(at, from.size(), to);
    }
    return text;
}

}  // namespace rolvanta::testing
