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
    Writer(Host& host, const NameToUtf8& toUtf8) : host_(host), toUtf8_(toUtf8) {}

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

    Json group(const AssignmentState& state, const Results& results, int g, const std::vector<SettledOrder>& settled) {
        GroupStandings standings = groupStandings(state, results, g);
        if (!settled.empty()) standings.standings = settledStandings(state, results, g, settled);
        Json members = Json::array(), matches = Json::array(), table = Json::array();
        const auto& row = state.groupTable[static_cast<std::size_t>(g)];
        for (Pos p : row) {
            if (p != kNone) members.push_back(name(ListKind::Participants, p));
        }
        for (const MatchState& m : standings.matches) matches.push_back(match(m));
        for (const Standing& s : standings.standings) table.push_back(standing(s));
        return {{"group", std::string(1, static_cast<char>('A' + g))},
                {"members", members},
                {"matches", matches},
                {"standings", table}};
    }

    Json players(const std::vector<Pos>& list) {
        Json out = Json::array();
        for (Pos p : list) out.push_back(name(ListKind::Participants, p));
        return out;
    }

    Json playoff(const Playoff& playoff, const PlayoffBracket& bracket) {
        Json settled = Json::array(), taken = Json::array(), matches = Json::array(), table = Json::array();
        for (const SettledOrder& s : playoff.settled) {
            settled.push_back({{"group", letter(s.group)}, {"order", players(s.order)}});
        }
        for (const Qualifier& q : bracket.players) {
            taken.push_back({{"name", name(ListKind::Participants, q.player)}, {"group", letter(q.group)},
                             {"place", q.place}});
        }
        for (const MatchState& m : bracket.matches) {
            matches.push_back(match(m));
            matches.back()["thirdPlace"] = m.losersMeet;
        }
        for (const Standing& s : bracket.standings) table.push_back(standing(s));
        return {{"perGroup", playoff.perGroup}, {"thirdPlace", playoff.thirdPlace}, {"settled", settled},
                {"players", taken},           {"matches", matches},               {"standings", table}};
    }

    Json finalStanding(const FinalStanding& s) {
        return {{"rank", numberOrNull(s.rank)}, {"name", name(ListKind::Participants, s.player)},
                {"group", letter(s.group)},     {"groupPlace", s.groupPlace},
                {"playoff", s.qualified}};
    }

    static std::string letter(int group) { return std::string(1, static_cast<char>('A' + group)); }

private:
    Host& host_;
    const NameToUtf8& toUtf8_;
    bool failed_ = false;
};

Json settingsOf(const Settings& s) {
    return {{"groups", s.groupCount}, {"size", s.groupSize},  {"tournament", s.tournament},
            {"spreadVacancies", s.spreadVacancies}, {"maps", s.mapsEnabled}, {"equalMaps", s.equalMaps}};
}

}  // namespace

std::optional<std::string> eventJson(const AssignmentState& state, const Results& results, Host& host,
                                     const SeedInfo& seed, const NameToUtf8& toUtf8, const Playoff* playoff) {
    const std::vector<SettledOrder> noOrders;
    Writer writer(host, toUtf8);
    Json event = {{"seed", seed.seed}};
    if (seed.text) event["seedText"] = *seed.text;
    event["settings"] = settingsOf(state.settings);
    Json groups = Json::array();
    for (std::size_t g = 0; g < state.groupTable.size(); ++g) {
        groups.push_back(writer.group(state, results, static_cast<int>(g), playoff ? playoff->settled : noOrders));
    }
    event["groups"] = std::move(groups);
    if (playoff) {
        const PlayoffBracket bracket = playoffBracket(state, results, *playoff, seed.seed, host);
        event["playoff"] = writer.playoff(*playoff, bracket);
        Json final = Json::array();
        for (const FinalStanding& s : finalStandings(state, results, *playoff, bracket)) {
            final.push_back(writer.finalStanding(s));
        }
        event["finalStandings"] = std::move(final);
    }
    if (writer.failed()) return std::nullopt;
    // Invalid UTF-8 in the seed text was refused before; replacing keeps
    // dump() from throwing all the same.
    return event.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

}  // namespace rl::cli
