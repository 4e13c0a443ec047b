#include "standings/playoff_pairs.h"

#include <algorithm>

namespace rl {

namespace {

constexpr std::string_view kBlanks = " \t";

std::string_view trimmed(std::string_view text) {
    const std::size_t begin = text.find_first_not_of(kBlanks);
    if (begin == std::string_view::npos) return {};
    return text.substr(begin, text.find_last_not_of(kBlanks) - begin + 1);
}

PairsRefusal refused(PairsProblem problem, std::string part) {
    PairsRefusal refusal;
    refusal.problem = problem;
    refusal.part = std::move(part);
    return refusal;
}

// "A1" or "a1": a letter and a place of one or two digits.
std::optional<PlayoffSeat> parseSeat(std::string_view text) {
    text = trimmed(text);
    if (text.size() < 2 || text.size() > 3) return std::nullopt;
    const char letter = text[0];
    const bool upper = letter >= 'A' && letter <= 'Z', lower = letter >= 'a' && letter <= 'z';
    if (!upper && !lower) return std::nullopt;
    int place = 0;
    for (char c : text.substr(1)) {
        if (c < '0' || c > '9') return std::nullopt;
        place = place * 10 + (c - '0');
    }
    return PlayoffSeat{letter - (upper ? 'A' : 'a'), place};
}

int indexOf(const std::vector<Qualifier>& players, PlayoffSeat seat) {
    for (std::size_t i = 0; i < players.size(); ++i) {
        if (players[i].group == seat.group && players[i].place == seat.place) return static_cast<int>(i);
    }
    return -1;
}

std::string joined(const std::vector<PlayoffSeat>& seats) {
    std::string out;
    for (const PlayoffSeat& s : seats) out += (out.empty() ? "" : ", ") + seatText(s);
    return out;
}

std::vector<PlayoffSeat> seatsIn(const std::vector<PlayoffPair>& pairs) {
    std::vector<PlayoffSeat> seats;
    for (const PlayoffPair& p : pairs) {
        seats.push_back(p.first);
        if (p.second) seats.push_back(*p.second);
    }
    return seats;
}

}  // namespace

std::string seatText(PlayoffSeat seat) { return static_cast<char>('A' + seat.group) + std::to_string(seat.place); }

std::string pairText(const PlayoffPair& pair) {
    return seatText(pair.first) + (pair.second ? "-" + seatText(*pair.second) : std::string());
}

std::string pairsText(const std::vector<PlayoffPair>& pairs) {
    std::string out;
    for (const PlayoffPair& p : pairs) out += (out.empty() ? "" : ",") + pairText(p);
    return out;
}

std::optional<PlayoffPair> parsePair(std::string_view text) {
    const std::size_t dash = text.find('-');
    const auto first = parseSeat(text.substr(0, dash));
    if (!first) return std::nullopt;
    if (dash == std::string_view::npos) return PlayoffPair{*first, std::nullopt};
    const auto second = parseSeat(text.substr(dash + 1));
    if (!second) return std::nullopt;
    return PlayoffPair{*first, second};
}

PairsRefusal parsePairs(std::string_view text, std::vector<PlayoffPair>& out) {
    out.clear();
    for (std::size_t start = 0;; start = text.find(',', start) + 1) {
        const std::string_view entry = text.substr(start, text.find(',', start) - start);
        const auto pair = parsePair(entry);
        if (!pair) {
            out.clear();
            return refused(PairsProblem::Malformed, std::string(trimmed(entry)));
        }
        out.push_back(*pair);
        if (text.find(',', start) == std::string_view::npos) return {};
    }
}

PairsRefusal checkPairs(const std::vector<Qualifier>& players, const std::vector<PlayoffPair>& pairs) {
    const std::vector<PlayoffSeat> given = seatsIn(pairs);
    for (const PlayoffSeat& s : given) {
        if (indexOf(players, s) >= 0) continue;
        std::vector<PlayoffSeat> all;
        for (const Qualifier& q : players) all.push_back({q.group, q.place});
        PairsRefusal refusal = refused(PairsProblem::NoSuchSeat, seatText(s));
        refusal.seats = joined(all);
        return refusal;
    }
    for (auto at = given.begin(); at != given.end(); ++at) {
        if (std::find(given.begin(), at, *at) != at) return refused(PairsProblem::Twice, seatText(*at));
    }
    std::vector<PlayoffSeat> missing;
    for (const Qualifier& q : players) {
        const PlayoffSeat s{q.group, q.place};
        if (std::find(given.begin(), given.end(), s) == given.end()) missing.push_back(s);
    }
    if (!missing.empty()) return refused(PairsProblem::Missing, joined(missing));
    const int count = static_cast<int>(players.size()), matches = playoffBracketSize(count) / 2;
    if (static_cast<int>(pairs.size()) != matches) {
        PairsRefusal refusal = refused(PairsProblem::RoundSize, {});
        refusal.players = count;
        refusal.matches = matches;
        refusal.given = static_cast<int>(pairs.size());
        return refusal;
    }
    return {};
}

std::vector<std::pair<int, int>> seatPairs(const std::vector<Qualifier>& players, const std::vector<PlayoffPair>& pairs) {
    std::vector<std::pair<int, int>> seats;
    for (const PlayoffPair& p : pairs) seats.push_back({indexOf(players, p.first), p.second ? indexOf(players, *p.second) : -1});
    return seats;
}

std::vector<PlayoffPair> pairsOf(const std::vector<Qualifier>& players, const std::vector<std::pair<int, int>>& seats) {
    const auto seat = [&](int i) {
        const Qualifier& q = players[static_cast<std::size_t>(i)];
        return PlayoffSeat{q.group, q.place};
    };
    std::vector<PlayoffPair> pairs;
    for (const auto& [first, second] : seats) {
        pairs.push_back({seat(first), second < 0 ? std::nullopt : std::optional<PlayoffSeat>(seat(second))});
    }
    return pairs;
}

}  // namespace rl
