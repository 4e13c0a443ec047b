#pragma once
// Golden files: tests/data/<name> holds case lines ("> ...") each followed by
// what the code makes of that case, printed plainly. A test rebuilds the whole
// file from its case lines and compares it whole, so a fault shows as a diff.
// With ROSTERLOOM_UPDATE_GOLDEN=1 the files are rewritten instead: review the
// change with git diff before committing it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <functional>
#include <iomanip>
#include <sstream>
#include <string>

#include "engine/list_host.h"

namespace rl::test {

inline std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// Blank and "#" lines are kept as they are; what `run` prints must hold neither.
inline void expectGoldenCases(const std::string& name, const std::function<std::string(const std::string&)>& run) {
    const std::string path = ROSTERLOOM_TEST_DATA "/" + name;
    const std::string golden = readFile(path);
    ASSERT_NE(golden, "") << "no cases in " << path;
    std::istringstream lines(golden);
    std::string actual;
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind("> ", 0) == 0) {
            actual += line + "\n" + run(line.substr(2));
        } else if (line.empty() || line[0] == '#') {
            actual += line + "\n";
        }
    }
    if (std::getenv("ROSTERLOOM_UPDATE_GOLDEN")) {
        std::ofstream(path, std::ios::binary) << actual;
    } else {
        EXPECT_EQ(golden, actual) << "in " << path;
    }
}

// A golden file that holds one output whole, such as a page.
inline void expectGoldenFile(const std::string& name, const std::string& actual) {
    const std::string path = ROSTERLOOM_TEST_DATA "/" + name;
    if (std::getenv("ROSTERLOOM_UPDATE_GOLDEN")) std::ofstream(path, std::ios::binary) << actual;
    EXPECT_EQ(readFile(path), actual) << "in " << path;
}

// The window's inputs, spelled "players 10 maps 4 groups 3 size 4 with-maps
// tournament clock 7" (dual: dual tournament groups, see formatFrom). players/maps N add the names p0../m0..; name X and
// map X add one (UTF-8 in the file, turned into the program's encoding by
// `encode`); groups and size take the field's text, quoted when it holds
// blanks. Spreading vacancies and equal maps are on unless switched off.
inline ListHost hostFrom(const std::string& inputs,
                         const std::function<std::string(const std::string&)>& encode = {}) {
    ListHost host;
    std::istringstream in(inputs);
    for (std::string word, value; in >> word;) {
        if (word == "tournament") host.tournament = true;
        else if (word == "dual") continue;
        else if (word == "sequential") host.spreadVacancies = false;
        else if (word == "with-maps") host.mapsEnabled = true;
        else if (word == "random-maps") host.equalMaps = false;
        else if (!(in >> std::quoted(value))) ADD_FAILURE() << word << " needs a value in: " << inputs;
        else if (word == "groups") host.groupCountText = value;
        else if (word == "size") host.groupSizeText = value;
        else if (word == "clock") host.clock = static_cast<std::uint32_t>(std::stoul(value));
        else if (word == "name") host.participants.push_back(encode ? encode(value) : value);
        else if (word == "map") host.maps.push_back(encode ? encode(value) : value);
        else if (word == "players" || word == "maps") {
            auto& list = word == "players" ? host.participants : host.maps;
            for (int i = 0; i < std::stoi(value); ++i) list.push_back(word.substr(0, 1) + std::to_string(i));
        } else {
            ADD_FAILURE() << "unknown word " << word << " in: " << inputs;
        }
    }
    return host;
}

// The format the same inputs choose beyond the window's controls.
inline DrawFormat formatFrom(const std::string& inputs) {
    std::istringstream in(inputs);
    DrawFormat format;
    for (std::string word; in >> word;) format.dual = format.dual || word == "dual";
    return format;
}

}  // namespace rl::test
