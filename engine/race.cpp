#include "engine/race.h"

namespace rl {

namespace {

struct RaceWords {
    Race race;
    const char* letter;
    const char* name;  // code page 949
};

constexpr RaceWords kRaces[] = {
    {Race::Terran, "T", "테란"},
    {Race::Zerg, "Z", "저그"},
    {Race::Protoss, "P", "프로토스"},
    {Race::Random, "R", "랜덤"},
};

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

}  // namespace

std::optional<Race> parseRace(std::string_view text) {
    text = trimmed(text);
    if (text.empty()) return Race::None;
    for (const RaceWords& words : kRaces) {
        const bool letter = text.size() == 1 && (text[0] == words.letter[0] || text[0] == words.letter[0] - 'A' + 'a');
        if (letter || text == words.name) return words.race;
    }
    return std::nullopt;
}

std::string_view raceLetter(Race race) {
    for (const RaceWords& words : kRaces) {
        if (words.race == race) return words.letter;
    }
    return {};
}

std::string_view raceName(Race race) {
    for (const RaceWords& words : kRaces) {
        if (words.race == race) return words.name;
    }
    return {};
}

}  // namespace rl
