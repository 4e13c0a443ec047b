#include <algorithm>
#include <cstdio>

#include "event/event_json.h"
#include "engine/series.h"
#include "event/actions.h"
#include "team/format.h"
#include "standings/final_standings.h"

namespace rl::event {

namespace detail {

// Names and nulls; a name that does not convert is remembered, and the
// whole document refused at the end.
class Writer {
public:
    Writer(const Event& event, const FrontEnd& frontEnd) : event_(event), frontEnd_(frontEnd) {}

    bool failed() const { return failed_; }

    Json participant(Pos index) { return name(event_.participants, index); }
    Json map(Pos index) { return name(event_.maps, index); }

    Json names(const std::vector<std::string>& list) {
        Json out = Json::array();
        for (std::size_t i = 0; i < list.size(); ++i) out.push_back(name(list, static_cast<Pos>(i)));
        return out;
    }

    // What the fingerprint is taken of, in this order.
    Json inputs() {
        const std::vector<std::string> drawnFrom(event_.participants.begin(),
                                                 event_.participants.begin() + static_cast<std::ptrdiff_t>(inputCount(event_)));
        Json inputs = {{"participants", names(drawnFrom)},
                       {"maps", names(event_.maps)},
                       {"settings", settings(event_.state.settings)},
                       {"seed", event_.seed},
                       {"seedText", event_.seedText ? Json(*event_.seedText) : Json(nullptr)}};
        // A plain draw's file stays as it was, fingerprint and all.
        if (event_.seeded) {
            inputs["settings"]["seeded"] = true;
            Json pots = Json::array(), tags = Json::array();
            for (std::size_t i = 0; i < drawnFrom.size(); ++i) pots.push_back(pot(i)), tags.push_back(tag(i));
            inputs["pots"] = std::move(pots);
            inputs["tags"] = std::move(tags);
        }
        // Races are inputs only where given, so that files without them keep their fingerprints.
        if (anyRaceGiven(event_, drawnFrom.size())) {
            Json races = Json::array();
            for (std::size_t i = 0; i < drawnFrom.size(); ++i) races.push_back(race(i));
            inputs["races"] = std::move(races);
        }
        if (event_.seeded && event_.seeding.spreadRaces) inputs["settings"]["spreadRaces"] = true;
        // Placed by hand, the places are inputs too.
        if (event_.placedByHand) {
            inputs["settings"]["placedByHand"] = true;
            Json placement = Json::array();
            for (const auto& row : event_.state.groupTable) {
                placement.push_back(Json::array());
                for (Pos p : row) placement.back().push_back(participant(p));
            }
            inputs["placement"] = std::move(placement);
        }
        return inputs;
    }

    static Json settings(const Settings& s) {
        Json out = {{"groups", s.groupCount}, {"size", s.groupSize},  {"tournament", s.tournament()},
                    {"spreadVacancies", s.spreadVacancies}, {"maps", s.mapsEnabled}, {"equalMaps", s.equalMaps}};
        if (const char* word = formatWord(s.format)) out["format"] = word;
        // One game a match is how every event was played before series.
        if (s.bestOf != 1) out["bestOf"] = s.bestOf;
        return out;
    }

    Json group(int g) {
        GroupStandings standings = groupStandings(event_.state, event_.results, g);
        if (!event_.playoff.settled.empty()) {
            standings.standings = settledStandings(event_.state, event_.results, g, event_.playoff.settled);
        }
        Json places = Json::array(), members = Json::array(), matches = Json::array(), table = Json::array();
        Json pots = Json::array(), tags = Json::array(), races = Json::array();
        for (Pos p : event_.state.groupTable[static_cast<std::size_t>(g)]) {
            places.push_back(participant(p));
            if (p == kNone) continue;
            members.push_back(participant(p));
            pots.push_back(pot(static_cast<std::size_t>(p))), tags.push_back(tag(static_cast<std::size_t>(p)));
            races.push_back(race(static_cast<std::size_t>(p)));
        }
        for (const MatchState& m : standings.matches) matches.push_back(match(m));
        for (const Standing& s : standings.standings) table.push_back(standing(s));
        Json group = {{"group", std::string(1, static_cast<char>('A' + g))}, {"places", places}, {"members", members}};
        if (event_.seeded) group["pots"] = std::move(pots), group["tags"] = std::move(tags);
        // Two of one name may play different races: the members' races tell them apart on reading.
        if (anyRaceGiven(event_, event_.participants.size())) group["races"] = std::move(races);
        group["matches"] = std::move(matches);
        group["standings"] = std::move(table);
        return group;
    }

    // The playoff's choices, settled orders and scores are what the file
    // stores; everything else in it follows from them.
    Json playoff(const PlayoffBracket& bracket) {
        const Playoff& playoff = event_.playoff;
        Json taken = Json::array(), matches = Json::array(), table = Json::array();
        for (const Qualifier& q : bracket.players) {
            taken.push_back({{"name", participant(q.player)}, {"group", letter(q.group)}, {"place", q.place}});
        }
        for (const MatchState& m : bracket.matches) {
            matches.push_back(match(m));
            matches.back()["thirdPlace"] = m.losersMeet;
        }
        for (const Standing& s : bracket.standings) table.push_back(standing(s));
        Json out = {{"perGroup", playoff.perGroup}, {"thirdPlace", playoff.thirdPlace}};
        // One game a match is how every playoff was played before series.
        if (usesSeries(event_) && !playoff.bestOf.empty()) out["bestOf"] = playoff.bestOf;
        // The bracket rule's first round is how every playoff was seated before.
        if (!playoff.pairs.empty()) out["pairs"] = pairs(playoff.pairs);
        out["settled"] = settledOrders();
        out["players"] = taken;
        out["matches"] = matches;
        out["standings"] = table;
        if (!playoff.results.withdrawals().players.empty()) out["withdrawn"] = players(playoff.results.withdrawals());
        return out;
    }

    static Json pairs(const std::vector<PlayoffPair>& pairs) {
        Json out = Json::array();
        for (const PlayoffPair& p : pairs) out.push_back(pairText(p));
        return out;
    }

    // The withdrawn players by their group and place (from 1), which two of
    // one name do not share, and their name for a person.
    Json players(const Withdrawals& withdrawals) {
        Json out = Json::array();
        for (Pos p : withdrawals.players) {
            for (std::size_t g = 0; g < event_.state.groupTable.size(); ++g) {
                const auto& row = event_.state.groupTable[g];
                const auto at = std::find(row.begin(), row.end(), p);
                if (at == row.end()) continue;
                out.push_back({{"group", letter(static_cast<int>(g))}, {"place", at - row.begin() + 1}, {"name", participant(p)}});
            }
        }
        return out;
    }

    // The withdrawals before the playoff and the rule they follow.
    Json withdrawals() {
        const Withdrawals& w = event_.results.withdrawals();
        return {{"rule", w.voids() ? kVoidRule : kWalkoverRule}, {"players", players(w)}};
    }

    // Each change in the order made, its players by group, place (from 1)
    // and name as they stood then; the draw as drawn is what undoing them gives.
    Json changes() {
        GroupTable table = drawnEvent(event_).state.groupTable;
        const auto place = [&](Pos p) {
            const auto [g, i] = placeOfPlayer(table, p);
            return Json{{"group", letter(g)}, {"place", i + 1}, {"name", participant(p)}};
        };
        Json out = Json::array();
        for (const Change& c : event_.changes) {
            if (c.kind == ChangeKind::Replacement) {
                out.push_back({{"replaced", place(c.player)}, {"by", participant(c.other)}});
                const auto added = static_cast<std::size_t>(c.other);
                if (raceOf(event_, added) != Race::None) out.back()["race"] = race(added);
            } else if (c.kind == ChangeKind::Move) {
                out.push_back(moved(c, place(c.player)));
            } else {
                out.push_back({{"swapped", Json::array({place(c.player), place(c.other)})}});
            }
            applyChange(table, c);
        }
        return out;
    }

    // The maps of the matches the move took away, game by game, which its undoing deals again.
    Json moved(const Change& c, Json from) {
        Json maps = Json::array();
        for (Pos p : c.maps) maps.push_back(map(p));
        return {{"moved", std::move(from)}, {"to", letter(c.toGroup)}, {"maps", std::move(maps)}};
    }

    Json settledOrders() {
        Json settled = Json::array();
        for (const SettledOrder& s : event_.playoff.settled) {
            Json order = Json::array();
            for (Pos p : s.order) order.push_back(participant(p));
            settled.push_back({{"group", letter(s.group)}, {"order", order}});
        }
        return settled;
    }

    Json finalStandings(const PlayoffBracket& bracket) {
        Json out = Json::array();
        for (const FinalStanding& s : rl::finalStandings(event_.state, event_.results, event_.playoff, bracket)) {
            out.push_back({{"rank", numberOrNull(s.rank)}, {"name", participant(s.player)},
                           {"group", letter(s.group)},     {"groupPlace", s.groupPlace},
                           {"playoff", s.qualified}});
        }
        return out;
    }

    // Every map of the list with every matchup played there, both races
    // named even without a win; a mirror names its race once, with its games.
    Json mapStats(const RaceStats& stats) {
        Json out = Json::array();
        for (std::size_t i = 0; i < stats.maps.size(); ++i) {
            const MapRecord& record = stats.maps[i];
            out.push_back({{"map", map(static_cast<Pos>(i))}, {"games", record.games}, {"matchups", matchups(record.wins)}});
        }
        return out;
    }

    // Each participant's games against each race met and on each map played,
    // in the order T, Z, P, R and the list's. The players come by their
    // places, group A's first, then those in none (replaced before play):
    // two of one name are told apart by their places, as the file reads them.
    Json playerStats(const RaceStats& stats) {
        Json out = Json::array();
        std::vector<bool> placed(stats.players.size(), false);
        const auto add = [&](std::size_t p, Json group, Json place) {
            out.push_back(playerRecord(stats.players[p], p, std::move(group), std::move(place)));
        };
        for (std::size_t g = 0; g < event_.state.groupTable.size(); ++g) {
            const auto& row = event_.state.groupTable[g];
            for (std::size_t i = 0; i < row.size(); ++i) {
                const auto p = static_cast<std::size_t>(row[i]);
                if (row[i] == kNone || p >= placed.size()) continue;
                placed[p] = true;
                add(p, letter(static_cast<int>(g)), static_cast<int>(i) + 1);
            }
        }
        for (std::size_t p = 0; p < placed.size(); ++p) {
            if (!placed[p]) add(p, nullptr, nullptr);
        }
        return out;
    }

    Json playerRecord(const PlayerRecord& record, std::size_t p, Json group, Json place) {
        Json against = Json::object(), maps = Json::array();
        for (std::size_t r = 0; r < record.against.size(); ++r) {
            if (met(record.against[r])) against[raceWord(static_cast<int>(r))] = wonLost(record.against[r]);
        }
        for (std::size_t m = 0; m < record.maps.size(); ++m) {
            if (!met(record.maps[m])) continue;
            maps.push_back({{"map", map(static_cast<Pos>(m))}, {"won", record.maps[m].won}, {"lost", record.maps[m].lost}});
        }
        return {{"name", participant(static_cast<Pos>(p))}, {"race", race(p)}, {"group", std::move(group)},
                {"place", std::move(place)}, {"won", record.total.won}, {"lost", record.total.lost},
                {"against", std::move(against)}, {"maps", std::move(maps)}};
    }

    // Each race's games against each race met over the event.
    static Json raceStats(const RaceWins& wins) {
        Json out = Json::object();
        for (int r = 0; r < kRaceCount; ++r) {
            Json against = Json::object();
            for (int o = 0; o < kRaceCount; ++o) {
                const WonLost record{wins[static_cast<std::size_t>(r)][static_cast<std::size_t>(o)],
                                     wins[static_cast<std::size_t>(o)][static_cast<std::size_t>(r)]};
                if (met(record)) against[raceWord(o)] = wonLost(record);
            }
            if (!against.empty()) out[raceWord(r)] = std::move(against);
        }
        return out;
    }

    // A team league's own part: its format, every team's roster, and what
    // was entered of each team match, players by name.
    Json teams() {
        const team::TeamLeague& league = *event_.teams;
        Json rosters = Json::array();
        for (const auto& roster : league.rosters) rosters.push_back(names(roster));
        Json matches = Json::array();
        for (const auto& [key, play] : league.plays) matches.push_back(teamMatch(key, play));
        Json out = {{"format", team::formatText(league.format)}, {"rosters", std::move(rosters)}};
        if (team::anyRosterRace(league)) out["races"] = rosterRaces(league);
        out["matches"] = std::move(matches);
        return out;
    }

    // Only rosters with a race given hold them: a race for every player, null for none.
    static Json rosterRaces(const team::TeamLeague& league) {
        Json races = Json::array();
        for (std::size_t t = 0; t < league.rosters.size(); ++t) {
            Json roster = Json::array();
            for (std::size_t p = 0; p < league.rosters[t].size(); ++p) {
                roster.push_back(raceJson(team::rosterRace(league, static_cast<Pos>(t), static_cast<int>(p))));
            }
            races.push_back(std::move(roster));
        }
        return races;
    }

    Json teamMatch(MatchKey key, const team::TeamMatchPlay& play) {
        MatchState m;
        matchNow(event_, key, m);
        const auto player = [&](int side, int index) {
            const Pos team = side == 0 ? m.first : m.second;
            const auto& rosters = event_.teams->rosters;
            if (index == team::kNoEntry || team < 0 || static_cast<std::size_t>(team) >= rosters.size()) return Json(nullptr);
            return name(rosters[static_cast<std::size_t>(team)], index);
        };
        Json entries = Json::array(), sets = Json::array();
        for (const auto& e : play.entries) entries.push_back(Json::array({player(0, e[0]), player(1, e[1])}));
        for (const team::TeamSet& s : play.sets) {
            sets.push_back({{"players", Json::array({player(0, s.players[0]), player(1, s.players[1])})},
                            {"firstWon", s.firstWon}, {"map", s.map == kNone ? Json(nullptr) : map(s.map)}});
        }
        const std::string group = key.group == kPlayoffGroup ? "P" : std::string(1, static_cast<char>('A' + key.group));
        return {{"group", group}, {"match", key.number}, {"entries", std::move(entries)}, {"sets", std::move(sets)}};
    }

private:
    static std::string letter(int group) { return std::string(1, static_cast<char>('A' + group)); }
    Json pot(std::size_t i) const {
        return numberOrNull(i < event_.seeding.pots.size() ? event_.seeding.pots[i] : 0);
    }
    Json race(std::size_t i) const { return raceJson(raceOf(event_, i)); }
    static Json raceJson(Race race) {
        const std::string_view letter = raceLetter(race);
        return letter.empty() ? Json(nullptr) : Json(std::string(letter));
    }
    Json tag(std::size_t i) {
        const auto& tags = event_.seeding.tags;
        return i < tags.size() && !tags[i].empty() ? name(tags, static_cast<Pos>(i)) : Json(nullptr);
    }

    Json name(const std::vector<std::string>& list, Pos index) {
        if (index < 0 || static_cast<std::size_t>(index) >= list.size()) return nullptr;
        auto utf8 = frontEnd_.toUtf8(list[static_cast<std::size_t>(index)]);
        if (!utf8) {
            failed_ = true;
            return nullptr;
        }
        return std::move(*utf8);
    }

    static std::string raceWord(int index) { return std::string(raceLetter(static_cast<Race>(index + 1))); }
    static bool met(const WonLost& record) { return record.won + record.lost > 0; }
    static Json wonLost(const WonLost& record) { return {{"won", record.won}, {"lost", record.lost}}; }
    static Json matchups(const RaceWins& wins) {
        Json out = Json::object();
        for (const Matchup& m : kMatchups) {
            if (gamesOf(wins, m) == 0) continue;
            Json entry = {{raceLetter(m.first), winsOf(wins, m.first, m.second)}};
            if (!m.mirror()) entry[std::string(raceLetter(m.second))] = winsOf(wins, m.second, m.first);
            out[matchupName(m)] = std::move(entry);
        }
        return out;
    }

    static Json numberOrNull(int value) { return value > 0 ? Json(value) : Json(nullptr); }

    // A series also lists every game's map, game 1's first (its "map").
    Json match(const MatchState& m) {
        Json out = {{"number", m.number},
                    {"round", numberOrNull(m.round)},
                    {"first", participant(m.first)},
                    {"second", participant(m.second)},
                    {"firstFrom", numberOrNull(m.firstFrom)},
                    {"secondFrom", numberOrNull(m.secondFrom)},
                    {"bye", m.bye},
                    {"map", map(m.map)}};
        if (m.bestOf != 1) {
            Json maps = Json::array();
            for (Pos p : gameMaps(m)) maps.push_back(map(p));
            out["maps"] = std::move(maps);
        }
        if (!m.games.empty()) out["games"] = games(m);
        out["score"] = m.score ? Json::array({m.score->first, m.score->second}) : Json(nullptr);
        out["winner"] = participant(m.winner);
        // A walkover given to the match is stored; one a withdrawal made follows from it.
        if (m.score && m.score->walkover) out["walkover"] = m.withdrawal ? Json(kWithdrawalWalkover) : Json(true);
        if (m.voided) out["void"] = true;
        return out;
    }

    // Each game's winner by name; where both players bear it, by side too.
    Json games(const MatchState& m) {
        Json out = Json::array();
        const bool oneName = m.first != kNone && m.second != kNone &&
                             event_.participants[static_cast<std::size_t>(m.first)] ==
                                 event_.participants[static_cast<std::size_t>(m.second)];
        for (const Game& game : m.games) {
            out.push_back({{"winner", participant(game.firstWon ? m.first : m.second)}, {"map", map(game.map)}});
            if (oneName) out.back()["side"] = game.firstWon ? 1 : 2;
        }
        return out;
    }

    Json standing(const Standing& s) {
        return {{"rank", numberOrNull(s.rank)}, {"name", participant(s.player)},
                {"played", s.played},           {"wins", s.wins},
                {"losses", s.losses},           {"mapsWon", s.mapsWon},
                {"mapsLost", s.mapsLost},       {"tied", s.tied}};
    }

    const Event& event_;
    const FrontEnd& frontEnd_;
    bool failed_ = false;
};

namespace {

std::string dumped(const Json& json, int indent) {
    // Every string is valid UTF-8 by now; replacing keeps dump() from
    // throwing all the same.
    return json.dump(indent, ' ', false, Json::error_handler_t::replace);
}

}  // namespace

std::string fingerprintOf(const Json& inputs, const FrontEnd& frontEnd) {
    const auto digest = frontEnd.sha256(dumped(inputs, -1));
    if (!digest || digest->size() != 32) return {};
    std::string hex;
    for (unsigned char byte : *digest) {
        char pair[3];
        std::snprintf(pair, sizeof pair, "%02x", byte);
        hex += pair;
    }
    return hex;
}

namespace {

// Only the orders that still settle a tie are kept: the tables, the playoff
// and the file follow from them alone, so the file reads back as written.
Event withKeptOrders(const Event& event) {
    Event kept = event;
    kept.playoff.settled = ordersThatSettle(event.state, event.results, event.playoff.perGroup, event.playoff.settled);
    return kept;
}

}  // namespace

std::optional<Json> eventJson(const Event& written, const FrontEnd& frontEnd, const std::string& program) {
    const Event event = withKeptOrders(written);
    Writer writer(event, frontEnd);
    const Json inputs = writer.inputs();
    // The command line's JSON had the seed, its text and the settings first;
    // they stay there.
    Json file = {{"seed", event.seed}};
    if (event.seedText) file["seedText"] = *event.seedText;
    file["settings"] = inputs["settings"];
    file["format"] = kFormatName;
    file["formatVersion"] = formatVersion(event);
    file["program"] = program;
    file["drawnAt"] = event.drawnAt;
    if (event.title) file["title"] = *event.title;
    file["fingerprint"] = fingerprintOf(inputs, frontEnd);
    file["participants"] = inputs["participants"];
    if (inputs.contains("races")) file["races"] = inputs["races"];
    file["maps"] = inputs["maps"];
    if (event.seeded) file["pots"] = inputs["pots"], file["tags"] = inputs["tags"];
    if (!event.changes.empty()) file["changes"] = writer.changes();
    Json groups = Json::array();
    for (std::size_t g = 0; g < event.state.groupTable.size(); ++g) groups.push_back(writer.group(static_cast<int>(g)));
    file["groups"] = std::move(groups);
    if (event.results.withdrawals().voids() || !event.results.withdrawals().players.empty()) {
        file["withdrawals"] = writer.withdrawals();
    }
    // Ties settled before the playoff is made are kept on their own.
    if (event.playoff.perGroup == 0 && !event.playoff.settled.empty()) file["settled"] = writer.settledOrders();
    if (event.playoff.perGroup != 0) {
        ListHost host = hostFor(event);
        const PlayoffBracket bracket = playoffBracket(event.state, event.results, event.playoff, event.seed, host);
        file["playoff"] = writer.playoff(bracket);
        file["finalStandings"] = writer.finalStandings(bracket);
    }
    // Only an event with races counts them: any other is written as before.
    if (const auto stats = eventRaceStats(event)) {
        file["mapStats"] = writer.mapStats(*stats);
        file["playerStats"] = writer.playerStats(*stats);
        file["raceStats"] = Writer::raceStats(stats->races);
    }
    if (event.teams) file["teams"] = writer.teams();
    if (writer.failed()) return std::nullopt;
    return file;
}

}  // namespace detail

std::optional<std::string> writeEvent(const Event& event, const FrontEnd& frontEnd) {
    const auto json = detail::eventJson(event, frontEnd, "Rosterloom " ROSTERLOOM_VERSION);
    if (!json) return std::nullopt;
    return detail::dumped(*json, 2) + "\n";
}

std::string fingerprint(const Event& event, const FrontEnd& frontEnd) {
    detail::Writer writer(event, frontEnd);
    const detail::Json inputs = writer.inputs();
    return writer.failed() ? std::string() : detail::fingerprintOf(inputs, frontEnd);
}

std::string dateTimeText(int year, int month, int day, int hour, int minute, int second) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d", year, month, day, hour, minute, second);
    return text;
}

}  // namespace rl::event
