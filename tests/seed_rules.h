#pragma once
// The seeded draw's rules checked from a group table alone, apart from the
// engine's own reasoning: for the tests and the fuzz target.
#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "engine/seeding.h"

namespace rl::test {

inline int potOf(const Seeding& s, Pos p) { return static_cast<std::size_t>(p) < s.pots.size() ? s.pots[p] : 0; }
inline std::string tagOf(const Seeding& s, Pos p) { return static_cast<std::size_t>(p) < s.tags.size() ? s.tags[p] : ""; }

// Every field of a refusal, so that two compare whole.
inline std::vector<int> fieldsOf(const SeedRefusal& r) { return {r.stringId, r.participant, r.pot, r.players, r.limit}; }

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
// them. Empty when they hold.
inline std::string brokenRule(const GroupTable& table, const Seeding& s, bool knockOut = false, bool spread = true) {
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

}  // namespace rl::test
