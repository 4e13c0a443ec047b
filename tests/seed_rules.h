#pragma once
// The seeded draw's rules checked from a group table alone, apart from the
// engine's own reasoning: for the tests and the fuzz target.
#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "engine/seeding.h"

namespace rl::test {

inline int potOf(const Seeding& s, Pos p) { return static_cast<std::size_t>(p) < s.pots.size() ? s.pots[p] : 0; }
inline std::string tagOf(const Seeding& s, Pos p) { return static_cast<std::size_t>(p) < s.tags.size() ? s.tags[p] : ""; }

// Every field of a refusal, so that two compare whole.
inline std::vector<int> fieldsOf(const SeedRefusal& r) {
    return {r.stringId, r.participant, r.pot, r.players, r.limit, static_cast<int>(r.race)};
}

inline Race raceOf(const Seeding& s, Pos p) { return static_cast<std::size_t>(p) < s.races.size() ? s.races[p] : Race::None; }

// The race rule read pairwise, as the header states it: a group holds at
// most one of a race more than another, unless the other is all of it.
inline std::string brokenRaceRule(const GroupTable& table, const Seeding& s) {
    for (int race = 1; race <= kRaceCount; ++race) {
        std::vector<int> held, size;
        for (const auto& group : table) {
            held.push_back(0), size.push_back(0);
            for (Pos p : group) {
                if (p != kNone) ++size.back(), held.back() += raceOf(s, p) == static_cast<Race>(race);
            }
        }
        for (std::size_t g = 0; g < held.size(); ++g) {
            for (std::size_t h = 0; h < held.size(); ++h) {
                if (held[g] > held[h] + 1 && held[h] < size[h]) return "race " + std::to_string(race) + " not spread";
            }
        }
    }
    return {};
}

// A group's members from its strongest seat down: a league's in place
// order, a knock-out group's by the seeds of its bracket's places.
inline std::vector<Pos> seats(const std::vector<Pos>& group, bool knockOut) {
    std::vector<Pos> members(group.begin(), std::find(group.begin(), group.end(), kNone));
    if (!knockOut) return members;
    const std::vector<int> order = bracketSeedOrder(static_cast<int>(members.size()));
    std::vector<Pos> seated(members.size());
    for (std::size_t p = 0; p < members.size(); ++p) seated[static_cast<std::size_t>(order[p] - 1)] = members[p];
    return seated;
}

// The rules, read off a table: no group holds two of a pot; in each group's
// seats the pots come first and in order, and with spread vacancies, read
// seat by seat over the groups, too; no group holds two of a tag while a
// group with none of it holds a player of the pot (or of none) of one of
// them; with spreadRaces, the race rule. Empty when they hold.
inline std::string brokenRule(const GroupTable& table, const Seeding& s, bool knockOut = false, bool spread = true) {
    if (s.spreadRaces) {
        if (std::string broken = brokenRaceRule(table, s); !broken.empty()) return broken;
    }
    std::vector<std::vector<Pos>> seated;
    for (const auto& group : table) seated.push_back(seats(group, knockOut));
    std::vector<int> read;
    const auto rank = [&](Pos p) { return potOf(s, p) == 0 ? 99 : potOf(s, p); };
    for (std::size_t row = 0; row < table[0].size(); ++row) {
        for (const auto& group : seated) {
            if (row < group.size()) read.push_back(rank(group[row]));
        }
    }
    if (spread && !std::is_sorted(read.begin(), read.end())) return "pots out of deal order";
    for (const auto& group : seated) {
        std::vector<int> own;
        for (Pos p : group) own.push_back(rank(p));
        if (!std::is_sorted(own.begin(), own.end())) return "pots out of order in a group";
    }
    std::vector<std::map<std::string, std::vector<int>>> potsOfTag(table.size());  // per group
    std::vector<std::vector<int>> pots(table.size());
    for (std::size_t g = 0; g < table.size(); ++g) {
        for (Pos p : table[g]) {
            if (p == kNone) continue;
            if (potOf(s, p) && std::count(pots[g].begin(), pots[g].end(), potOf(s, p))) return "a pot twice";
            pots[g].push_back(potOf(s, p));
            if (!tagOf(s, p).empty()) potsOfTag[g][tagOf(s, p)].push_back(potOf(s, p));
        }
    }
    for (std::size_t from = 0; from < table.size(); ++from) {
        for (const auto& [tag, theirPots] : potsOfTag[from]) {
            for (std::size_t to = 0; to < table.size() && theirPots.size() >= 2; ++to) {
                for (int pot : theirPots) {
                    if (!potsOfTag[to].count(tag) && std::count(pots[to].begin(), pots[to].end(), pot)) {
                        return "tag " + tag + " not spread";
                    }
                }
            }
        }
    }
    return {};
}

inline std::string key(const GroupTable& table) {
    std::string k;
    for (const auto& group : table) {
        for (Pos p : group) k += static_cast<char>('a' + p);
        k += '|';
    }
    return k;
}

// Every table with each pot's players (and those without one) permuted over
// the places the draw gives them; the ones that keep the rules.
inline std::vector<std::string> validTables(const Settings& settings, const Seeding& seeding) {
    SeedRefusal refusal;
    const GroupTable first = *seededGroups(settings, seeding, 1, refusal);
    std::vector<std::pair<Pos*, int>> places;  // each place and its kind
    GroupTable table = first;
    for (auto& group : table) {
        for (Pos& p : group) {
            if (p != kNone) places.push_back({&p, potOf(seeding, p)});
        }
    }
    std::vector<Pos> order(places.size());
    for (std::size_t i = 0; i < places.size(); ++i) order[i] = *places[i].first;
    std::sort(order.begin(), order.end());
    std::vector<std::string> valid;
    do {
        bool keepsPots = true;
        for (std::size_t i = 0; i < places.size(); ++i) {
            *places[i].first = order[i];
            keepsPots &= potOf(seeding, order[i]) == places[i].second;
        }
        if (keepsPots && brokenRule(table, seeding, settings.tournament()).empty()) valid.push_back(key(table));
    } while (std::next_permutation(order.begin(), order.end()));
    return valid;
}

// Chi-square against the uniform over `valid` (p = 0.001, Wilson-Hilferty),
// and every valid table seen.
inline bool looksUniform(const std::vector<std::string>& valid, std::map<std::string, int> seen, int draws) {
    double chiSquare = 0;
    const double expected = draws / static_cast<double>(valid.size());
    for (const std::string& table : valid) chiSquare += std::pow(seen[table] - expected, 2) / expected;
    const double k = static_cast<double>(valid.size() - 1), z = 3.09;
    return seen.size() == valid.size() && chiSquare < k * std::pow(1 - 2 / (9 * k) + z * std::sqrt(2 / (9 * k)), 3);
}

// Every way to put the players in groups of the plain draw's sizes, each
// group in seat order, kept when it keeps the rules.
inline bool anyArrangement(const std::vector<Pos>& sizes, const Seeding& seeding, int players, bool spread) {
    std::vector<int> groupOf(static_cast<std::size_t>(players), 0);
    for (;;) {
        GroupTable table(sizes.size());
        for (int p = 0; p < players; ++p) table[static_cast<std::size_t>(groupOf[static_cast<std::size_t>(p)])].push_back(static_cast<Pos>(p));
        bool fits = true;
        for (std::size_t g = 0; g < sizes.size(); ++g) {
            fits &= table[g].size() == static_cast<std::size_t>(sizes[g]);
            std::stable_sort(table[g].begin(), table[g].end(), [&](Pos a, Pos b) {
                return (potOf(seeding, a) ? potOf(seeding, a) : 99) < (potOf(seeding, b) ? potOf(seeding, b) : 99);
            });
            table[g].resize(static_cast<std::size_t>(*std::max_element(sizes.begin(), sizes.end())), kNone);
        }
        if (fits && brokenRule(table, seeding, false, spread).empty()) return true;
        std::size_t i = 0;
        while (i < groupOf.size() && ++groupOf[i] == static_cast<int>(sizes.size())) groupOf[i++] = 0;
        if (i == groupOf.size()) return false;
    }
}

}  // namespace rl::test
