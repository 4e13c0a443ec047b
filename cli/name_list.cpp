#include "cli/name_list.h"

#include "engine/seed_entry.h"
#include "platform/encoding.h"

namespace rl::cli {

using platform::isValidUtf8;
using platform::utf8ToCp949;

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// A broken rule of engine/limits.h, said of a "name" or a "tag" whose code
// page 949 bytes (for the length) are `cp949`.
std::string problemText(TextProblem problem, const std::string& what, std::string_view cp949 = {}) {
    const std::size_t limit = what == "name" ? kMaxNameBytes : kMaxTagBytes;
    switch (problem) {
    case TextProblem::None: return {};
    case TextProblem::Empty: return "the " + what + " is empty";
    case TextProblem::BeginsWithWhiteSpace: return "the " + what + " begins with white space";
    case TextProblem::ControlCharacter: return "the " + what + " contains a control character";
    case TextProblem::TooLong:
        return "the " + what + " takes " + std::to_string(cp949.size()) + " bytes in code page 949, more than " +
               std::to_string(limit);
    }
    return {};
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

std::string_view nextColumn(std::string_view& line) {
    const std::size_t tab = line.find('\t');
    const std::string_view column = line.substr(0, tab);
    line.remove_prefix(tab == std::string_view::npos ? line.size() : tab + 1);
    return column;
}

// The tag's bytes in code page 949, or why the text cannot give them; the
// rule past that is the window's (engine/seed_entry.h).
std::string tagBytes(std::string_view text, std::string& tag) {
    text = trimmed(text);
    if (auto problem = tagCharacterProblem(text); problem != TextProblem::None) return problemText(problem, "tag");
    if (!isValidUtf8(text)) return "the tag is not valid UTF-8";
    auto converted = utf8ToCp949(text);
    if (!converted) return "the tag has a character that code page 949 cannot hold";
    tag = std::move(*converted);
    return {};
}

// The pot and tag columns, appended to the list, or why they cannot be.
std::string potAndTag(std::string_view pot, std::string_view tag, NameList& list) {
    std::string problem = seedEntryProblem(checkSeedEntry(pot, {}, kMaxPot), kMaxPot);
    std::string tagValue;
    if (problem.empty()) problem = tagBytes(tag, tagValue);
    if (!problem.empty()) return problem;
    SeedEntryCheck entry = checkSeedEntry(pot, tagValue, kMaxPot);
    problem = seedEntryProblem(entry, kMaxPot);
    if (problem.empty()) list.pots.push_back(entry.pot), list.tags.push_back(std::move(entry.tag));
    return problem;
}

// The name's columns: why they cannot be read, or nothing; the pot, tag
// and race are appended to the list.
std::string checkColumns(std::string_view& line, Columns columns, bool races, NameList& list) {
    const std::size_t tab = line.find('\t');
    if (columns == Columns::Kept || tab == std::string_view::npos) {
        if (columns == Columns::Read) list.pots.push_back(0), list.tags.emplace_back();
        if (columns != Columns::Kept && races) list.races.push_back(Race::None);
        return {};
    }
    std::string_view rest = line.substr(tab + 1);
    if (columns == Columns::Refused && !races) {
        if (trimmed(rest).empty()) return {};  // trailing tabs belong to the name, as before
        return "the line has more than a name (a tab and more text); add --pots to read NAME<TAB>POT<TAB>TAG";
    }
    line = line.substr(0, tab);
    if (line.empty()) return "the line has no name before its first tab";
    const bool pots = columns == Columns::Read;
    const std::string_view pot = pots ? nextColumn(rest) : std::string_view(), tag = pots ? nextColumn(rest) : pot;
    const std::string_view race = races ? nextColumn(rest) : std::string_view();
    if (!rest.empty()) {
        return !races ? "more than three columns: NAME<TAB>POT<TAB>TAG"
               : pots ? "more than four columns: NAME<TAB>POT<TAB>TAG<TAB>RACE"
                      : "more than two columns: NAME<TAB>RACE (add --pots for NAME<TAB>POT<TAB>TAG<TAB>RACE)";
    }
    std::string problem = pots ? potAndTag(pot, tag, list) : std::string();
    Race value = Race::None;
    if (problem.empty() && races) problem = raceFromColumn(race, value);
    if (problem.empty() && races) list.races.push_back(value);
    return problem;
}

}  // namespace

std::string raceFromColumn(std::string_view text, Race& race) {
    if (!isValidUtf8(text)) return "the race is not valid UTF-8";
    const auto cp949 = utf8ToCp949(text);
    const std::optional<Race> named = cp949 ? parseRace(*cp949) : std::nullopt;
    if (!named) return raceEntryProblem(text);
    race = *named;
    return {};
}

// The characters' rules come before the encoding's, as they always have.
std::string checkName(std::string_view line, std::string& name) {
    if (auto problem = nameCharacterProblem(line); problem != TextProblem::None) return problemText(problem, "name");
    if (!isValidUtf8(line)) return "the name is not valid UTF-8";
    auto converted = utf8ToCp949(line);
    if (!converted) return "the name has a character that code page 949 cannot hold";
    if (auto problem = nameProblem(*converted); problem != TextProblem::None) {
        return problemText(problem, "name", *converted);
    }
    name = std::move(*converted);
    return {};
}

ListLines::ListLines(std::string_view bytes) : rest_(bytes) {
    if (rest_.substr(0, kByteOrderMark.size()) == kByteOrderMark) rest_.remove_prefix(kByteOrderMark.size());
}

bool ListLines::next(std::string_view& line) {
    while (!rest_.empty()) {
        ++number_;
        const std::size_t end = rest_.find('\n');
        line = rest_.substr(0, end);
        rest_.remove_prefix(end == std::string_view::npos ? rest_.size() : end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (!line.empty()) return true;
    }
    return false;
}

NameList parseNameList(std::string_view bytes, std::size_t maxNames, std::string_view noun, Columns columns,
                       bool races) {
    NameList list;
    ListLines lines(bytes);
    std::string_view line;
    while (lines.next(line)) {
        std::string name;
        std::string problem = checkColumns(line, columns, races, list);
        if (problem.empty()) problem = checkName(line, name);
        if (problem.empty() && list.names.size() == maxNames) {
            problem = "more than " + std::to_string(maxNames) + " " + std::string(noun);
        }
        if (!problem.empty()) {
            list.names.clear();
            list.pots.clear();
            list.tags.clear();
            list.races.clear();
            list.errorLine = lines.number();
            list.error = std::move(problem);
            return list;
        }
        list.names.push_back(std::move(name));
    }
    return list;
}

}  // namespace rl::cli
