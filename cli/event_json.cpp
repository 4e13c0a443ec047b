#include "cli/event_json.h"

#include <nlohmann/json.hpp>

#include "standings/standings.h"

namespace rl::cli {

namespace {

// Keys stay in the order the format documents them.
using Json = nlohmann::ordered_json;

// Names and nulls; a name that does not convert is remembered, and the
// whole text refused at the end.
class Writer {
public:
    Writer(Host& host, const NameToUtf8& toUtf8, const Seeding* seeding)
        : host_(host), toUtf8_(toUtf8), seeding_(seeding) {}

    Json name(ListKind list, Pos index) {
        if (index == kNone) return nullptr;
        auto utf8 = toUtf8_(nameOf(host_, list, index));
        if (!utf8) {
            failed_ = true;
            return nullptr;
        }
        return std::move(*utf8);
    }
    static Json numberOrNull(int value) { return value > 0 ? Json(value) : Json(nullptr); }
    bool failed() const { return failed_; }

    Json match(const MatchState& m) {
        return {{"number", m.number},
                {"round", numberOrNull(m.round)},
                {"first", name(ListKind::Participants, m.first)},
                {"second", name(ListKind::Participants, m.second)},
                {"firstFrom", numberOrNull(m.firstFrom)},
                {"secondFrom", numberOrNull(m.secondFrom)},
                {"bye", m.bye},
                {"map", name(ListKind::Maps, m.map)},
                {"score", m.score ? Json::array({m.score->first, m.score->second}) : Json(nullptr)},
                {"winner", name(ListKind::Participants, m.winner)}};
    }

    Json standing(const Standing& s) {
        return {{"rank", numberOrNull(s.rank)}, {"name", name(ListKind::Participants, s.player)},
                {"played", s.played},           {"wins", s.wins},
                {"losses", s.losses},           {"mapsWon", s.mapsWon},
                {"mapsLost", s.mapsLost},       {"tied", s.tied}};
    }

    Json group(const AssignmentState& state, const Results& results, int g) {
        const GroupStandings standings = groupStandings(state, results, g);
        Json members = Json::array(), matches = Json::array(), table = Json::array();
        Json pots = Json::array(), tags = Json::array();
        const auto& row = state.groupTable[static_cast<std::size_t>(g)];
        for (Pos p : row) {
            if (p == kNone) continue;
            members.push_back(name(ListKind::Participants, p));
            if (seeding_) pots.push_back(potOf(p)), tags.push_back(tagOf(p));
        }
        for (const MatchState& m : standings.matches) matches.push_back(match(m));
        for (const Standing& s : standings.standings) table.push_back(standing(s));
        Json group = {{"group", std::string(1, static_cast<char>('A' + g))}, {"members", members}};
        if (seeding_) group["pots"] = pots, group["tags"] = tags;
        group["matches"] = matches;
        group["standings"] = table;
        return group;
    }

private:
    Json potOf(Pos p) const {
        const auto i = static_cast<std::size_t>(p);
        return numberOrNull(i < seeding_->pots.size() ? seeding_->pots[i] : 0);
    }
    Json tagOf(Pos p) {
        const auto i = static_cast<std::size_t>(p);
        if (i >= seeding_->tags.size() || seeding_->tags[i].empty()) return nullptr;
        auto utf8 = toUtf8_(seeding_->tags[i]);
        failed_ |= !utf8;
        return utf8 ? Json(std::move(*utf8)) : Json(nullptr);
    }

    Host& host_;
    const NameToUtf8& toUtf8_;
    const Seeding* seeding_;
    bool failed_ = false;
};

Json settingsOf(const Settings& s) {
    return {{"groups", s.groupCount}, {"size", s.groupSize},  {"tournament", s.tournament},
            {"spreadVacancies", s.spreadVacancies}, {"maps", s.mapsEnabled}, {"equalMaps", s.equalMaps}};
}

}  // namespace

std::optional<std::string> eventJson(const AssignmentState& state, const Results& results, Host& host,
                                     const SeedInfo& seed, const NameToUtf8& toUtf8, const Seeding* seeding) {
    Writer writer(host, toUtf8, seeding);
    Json event = {{"seed", seed.seed}};
    if (seed.text) event["seedText"] = *seed.text;
    event["settings"] = settingsOf(state.settings);
    if (seeding) event["settings"]["seeded"] = true;
    Json groups = Json::array();
    for (std::size_t g = 0; g < state.groupTable.size(); ++g) {
        groups.push_back(writer.group(state, results, static_cast<int>(g)));
    }
    event["groups"] = std::move(groups);
    if (writer.failed()) return std::nullopt;
    // Invalid UTF-8 in the seed text was refused before; replacing keeps
    // dump() from throwing all the same.
    return event.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

}  // namespace rl::cli
