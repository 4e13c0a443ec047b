#include "cli/results_file.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "cli/name_list.h"
#include "cli/team_list.h"
#include "engine/series.h"
#include "event/actions.h"
#include "event/pairs_wording.h"
#include "event/result_wording.h"
#include "event/team_actions.h"
#include "platform/encoding.h"

namespace rl::cli {

using platform::cp949ToUtf8;
using platform::isValidUtf8;
using platform::utf8ToCp949;

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kBlanks = " \t";

// One line "GROUP MATCH 세트 GAME WINNER" or "... WINNER @ MAP".
struct GameLine {
    int number = 0;
    int game = 0;
    std::string winnerName{};  // UTF-8, as written
    std::string mapName{};     // UTF-8, as written; empty: none given
    Pos map = kNone;
};

// One line of a team match: "GROUP MATCH 세트 SET PLAYER1 : PLAYER2 WINNER"
// (or "... WINNER @ MAP"), or its entry "GROUP MATCH 엔트리 SET PLAYER1 : PLAYER2".
struct TeamLine {
    int number = 0;
    int set = 0;
    std::string players[2]{};         // UTF-8, as written
    std::optional<std::string> winner{};  // nothing: an entry
    std::string mapName{};            // UTF-8; empty: none given
};

// One result line as written, before the results of other lines are known,
// with the game lines of its match.
struct Line {
    int number = 0;
    MatchKey key;
    std::optional<Score> score{};  // "W:L"; otherwise winnerName
    std::string winnerName{};      // UTF-8, as written
    bool walkover = false;       // "부전승 NAME": winnerName goes on without playing
    std::vector<GameLine> games{};  // in game order once the file is read
    bool scoreGiven = true;       // false: only game lines give the match
    std::vector<TeamLine> teamLines{};  // a team match's sets and entries, in file order
};

// One line "기권 NAME" or "GROUP 기권 NAME".
struct WithdrawLine {
    int number = 0;
    int group = -1;    // -1: not given
    std::string name;  // UTF-8, as written
};

constexpr std::string_view kWalkoverWord = u8"부전승";
constexpr std::string_view kGameWord = u8"세트";
constexpr std::string_view kEntryWord = u8"엔트리";
constexpr std::string_view kSidesMark = " : ";
constexpr std::string_view kMapMark = " @ ";
constexpr std::string_view kWithdrawWord = u8"기권";
constexpr std::string_view kReplaceWord = u8"교체";
constexpr std::string_view kSwapWord = u8"맞교환";
constexpr std::string_view kVacancyWord = u8"빈자리";

std::string_view trim(std::string_view text) {
    const std::size_t begin = text.find_first_not_of(kBlanks);
    if (begin == std::string_view::npos) return {};
    return text.substr(begin, text.find_last_not_of(kBlanks) - begin + 1);
}

// The next blank-separated word, taken off the front of `rest`.
std::string_view takeWord(std::string_view& rest) {
    rest = trim(rest);
    const std::size_t end = std::min(rest.find_first_of(kBlanks), rest.size());
    const std::string_view word = rest.substr(0, end);
    rest.remove_prefix(end);
    return word;
}

// The group's index for a letter A to Z in either case, or -1.
int groupOfLetter(std::string_view word) {
    if (word.size() != 1) return -1;
    const char c = word[0];
    if (c >= 'A' && c <= 'Z') return c - 'A';
    if (c >= 'a' && c <= 'z') return c - 'a';
    return -1;
}

bool allDigits(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Digits past what any count here needs read as a number out of range.
int smallNumber(std::string_view digits) {
    if (digits.size() > 6) return 1000000;
    int value = 0;
    for (char c : digits) value = value * 10 + (c - '0');
    return value;
}

// "W:L", blanks allowed around the colon; anything else is a name.
std::optional<Score> parseScore(std::string_view text) {
    const std::size_t colon = text.find(':');
    if (colon == std::string_view::npos) return std::nullopt;
    const std::string_view won = trim(text.substr(0, colon)), lost = trim(text.substr(colon + 1));
    if (!allDigits(won) || !allDigits(lost)) return std::nullopt;
    return Score{smallNumber(won), smallNumber(lost)};
}

std::string matchName(const MatchKey& key) {
    if (key.group == kPlayoffGroup) return "match " + std::to_string(key.number) + " of the playoff";
    return "match " + std::to_string(key.number) + " of group " + static_cast<char>('A' + key.group);
}

std::string groupName(int group) { return std::string("group ") + static_cast<char>('A' + group); }

// "P" names the playoff only where no group bears that letter.
constexpr int kPlayoffLetterGroup = 'P' - 'A';

bool isPlayoffWord(std::string_view word, const AssignmentState& state) {
    return word == std::string_view(u8"본선") ||
           (groupOfLetter(word) == kPlayoffLetterGroup && static_cast<int>(state.groupTable.size()) <= kPlayoffLetterGroup);
}

std::string reason(ResultProblem problem, const Line& line, const AssignmentState& state, int playoffMatches = 0,
                   int bestOf = 1, const GameLine* game = nullptr) {
    const auto g = static_cast<std::size_t>(line.key.group);
    const bool playoff = line.key.group == kPlayoffGroup;
    const int matches = playoff ? playoffMatches : g < state.matchCount.size() ? state.matchCount[g] : 0;
    event::ProblemPlace place{line.key, game ? game->winnerName : line.winnerName, bestOf,
                              static_cast<int>(state.groupTable.size()), matches};
    if (game) place.game = game->game, place.map = game->mapName;
    return event::englishProblem(problem, place);
}

// One line "GROUP 결정 NAME": a member's place in a settled order.
struct SettleLine {
    int number = 0;
    int group = 0;
    std::string name;  // UTF-8, as written
    Pos player = kNone;
};

std::string namesOf(Host& host, const std::vector<Pos>& players) {
    std::string out;
    for (Pos p : players) {
        const auto utf8 = cp949ToUtf8(nameOf(host, ListKind::Participants, p));
        out += (out.empty() ? "" : ", ") + utf8.value_or("?");
    }
    return out;
}

class Reader {
public:
    Reader(const event::Event& earlier, PlayoffChoice choice)
        : earlier_(earlier), host_(event::hostFor(earlier)), choice_(choice), event_(earlier) {}

    // Everything a line can be refused for on its own; the players of a
    // knock-out match wait for the other lines.
    bool takeLine(int number, std::string_view text) {
        if (!isValidUtf8(text)) return fail(number, "the line is not valid UTF-8");
        if (newTeam_ && !text.empty() && text.front() == '\t') {
            newTeam_->players.push_back({number, std::string(text.substr(1))});
            return true;
        }
        text = trim(text);
        if (text.empty() || text.front() == '#') return true;
        if (!takeNewTeam()) return false;
        std::string_view group = takeWord(text);
        if (group == kWithdrawWord) return takeWithdrawLine(number, -1, trim(text));
        if (group == kReplaceWord || group == kSwapWord) return takeChangeLine(number, -1, group, trim(text));
        const std::string_view match = takeWord(text);
        std::string_view score = trim(text);
        if ((match == kReplaceWord || match == kSwapWord) && groupOfLetter(group) >= 0) {
            return takeChangeLine(number, groupOfLetter(group), match, score);
        }
        if (match == std::string_view(u8"결정")) return takeSettleLine(number, group, score);
        if (match == kWithdrawWord) return takeWithdrawLine(number, groupOfLetter(group), score, group);
        std::string_view rest = score;
        const std::string_view first = takeWord(rest);
        if (first == kEntryWord || (first == kGameWord && event_.teams)) {
            return takeTeamLine(number, group, match, rest, first == kEntryWord);
        }
        if (first == kGameWord) return takeGameLine(number, group, match, rest);
        rest = score;
        const bool walkover = takeWord(rest) == kWalkoverWord && !trim(rest).empty();
        if (walkover) score = trim(rest);
        const bool playoff = isPlayoffWord(group, state());
        if ((!playoff && groupOfLetter(group) < 0) || !allDigits(match) || score.empty()) {
            return fail(number, "expected GROUP MATCH SCORE, such as 'A 1 2:0' or 'A 1 Quill'");
        }
        Line line{number, {playoff ? kPlayoffGroup : groupOfLetter(group), smallNumber(match)},
                  walkover ? std::nullopt : parseScore(score), std::string(score), walkover};
        if (playoff && choice_.perGroup == 0) return fail(number, "a result of the playoff needs --playoff");
        ResultProblem problem = playoff ? ResultProblem::None : checkMatch(state(), Results(), line.key);
        if (problem == ResultProblem::PlayersNotKnown) problem = ResultProblem::None;
        // A group's length is known before the other lines; the playoff's
        // matches wait for its bracket.
        const int bestOf = playoff ? 1 : event::matchLength(event_, line.key);
        if (problem == ResultProblem::None && line.score) problem = checkScore(*line.score, bestOf);
        if (problem == ResultProblem::None && !line.score) problem = winnerNameProblem(bestOf, line.walkover);
        if (problem != ResultProblem::None) return fail(number, reason(problem, line, state(), 0, bestOf));
        Line* games = nullptr;
        for (Line& earlier : lines_) {
            if (earlier.key == line.key && !earlier.teamLines.empty()) {
                return fail(number, matchName(line.key) + " is given by its sets (from line " +
                                        std::to_string(earlier.teamLines.front().number) + "): its score follows from them");
            }
            if (earlier.key == line.key && !earlier.scoreGiven) games = &earlier;
            else if (earlier.key == line.key) {
                return fail(number, "a second result for " + matchName(line.key) + " (the first is on line " +
                                        std::to_string(earlier.number) + ")");
            }
        }
        if (games) line.games = std::move(games->games), *games = std::move(line);
        else lines_.push_back(std::move(line));
        return true;
    }

    // In match order, so that every earlier round's results are in before
    // a later round's players are looked for; the playoff's last.
    bool settle() {
        if (!takeNewTeam()) return false;
        std::stable_sort(lines_.begin(), lines_.end(), [](const Line& a, const Line& b) {
            return std::pair(a.key.group == kPlayoffGroup, a.key) < std::pair(b.key.group == kPlayoffGroup, b.key);
        });
        if (!playoffMade() && !withdraw()) return false;
        if (!record(false)) return false;
        if (choice_.perGroup == 0) return true;
        if (playoffMade()) return withdraw() && record(true);
        return settleOrders() && makePlayoff() && record(true);
    }

    ResultsFile take() {
        if (file_.ok()) {
            file_.changed = event_;
            file_.results = std::move(event_.results);
            file_.playoff = std::move(event_.playoff);
        }
        return std::move(file_);
    }

private:
    bool playoffMade() const { return event_.playoff.perGroup != 0; }
    // The draw as the file's replacements and swaps leave it.
    const AssignmentState& state() const { return event_.state; }

    // "교체 OLD NEW" or "맞교환 NAME1 NAME2", with a group before the word or
    // not; made at once, in the file's order, before any result is taken.
    bool takeChangeLine(int number, int group, std::string_view word, std::string_view rest) {
        const bool replace = word == kReplaceWord;
        if (rest.find_first_of(kBlanks) == std::string_view::npos) {
            return fail(number, replace ? u8"expected 교체 OLD NEW or GROUP 교체 OLD NEW, such as '교체 Sea Killer'"
                                        : u8"expected 맞교환 NAME1 NAME2 or GROUP 맞교환 NAME1 NAME2, such as "
                                          u8"'맞교환 Quill Orrin' or '맞교환 A Quill B Orrin'");
        }
        if (group >= static_cast<int>(state().groupTable.size())) {
            return fail(number, reason(ResultProblem::NoSuchGroup, Line{number, {group, 0}, {}, {}}, state()));
        }
        if (replace && event_.teams) {
            newTeam_ = NewTeam{number, group, std::string(rest), {}};
            return true;
        }
        const std::string problem = replace ? replaceByLine(group, rest) : swapByLine(group, rest);
        if (!problem.empty()) return fail(number, problem);
        host_ = event::hostFor(event_);
        return true;
    }

    // The players a part of a line names: in the line's group, or, without
    // one, anywhere or (after a group letter) in that group.
    struct Reading {
        int group = -1;
        std::string name;  // UTF-8, as written
        std::vector<Pos> players;
    };

    std::vector<Reading> readings(int group, std::string_view part) const {
        std::vector<Reading> out;
        const auto add = [&](int g, std::string_view name) {
            const auto cp949 = utf8ToCp949(name);
            std::vector<Pos> players = cp949 ? event::playersNamed(event_, g, *cp949) : std::vector<Pos>{};
            if (!players.empty()) out.push_back({g, std::string(name), std::move(players)});
        };
        add(group, part);
        std::string_view rest = part;
        const int letter = group < 0 ? groupOfLetter(takeWord(rest)) : -1;
        if (letter >= 0 && letter < static_cast<int>(state().groupTable.size()) && !trim(rest).empty()) add(letter, trim(rest));
        return out;
    }

    static std::string shownReading(const Reading& r) {
        return "'" + r.name + "'" + (r.group >= 0 ? std::string(" of ") + groupName(r.group) : std::string());
    }

    // Every way of cutting the line in two at a run of blanks.
    static std::vector<std::pair<std::string_view, std::string_view>> cuts(std::string_view rest) {
        std::vector<std::pair<std::string_view, std::string_view>> out;
        for (std::size_t at = rest.find_first_of(kBlanks); at != std::string_view::npos;
             at = rest.find_first_of(kBlanks, rest.find_first_not_of(kBlanks, at))) {
            out.push_back({rest.substr(0, at), trim(rest.substr(at))});
        }
        return out;
    }

    std::string changeProblem(event::ChangeRefusal refusal, const event::ChangePlace& place) const {
        return event::englishChangeProblem(refusal, place);
    }

    // NEW<TAB>RACE: the race after the line's last tab, where the text
    // before it still holds OLD and NEW (a tab between just those two is a
    // blank, as ever). Why the race names none, or nothing.
    static std::string takeRace(std::string_view& rest, Race& race) {
        const std::size_t tab = rest.rfind('\t');
        if (tab == std::string_view::npos || cuts(trim(rest.substr(0, tab))).empty()) return {};
        std::string problem = raceFromColumn(rest.substr(tab + 1), race);
        if (problem.empty()) rest = trim(rest.substr(0, tab));
        return problem;
    }

    // A replacement as its line reads: the player, the new name (CP949) and race.
    struct Replacement {
        Pos player = kNone;
        std::string by;
        Race race = Race::None;
        event::ChangePlace place{};
    };

    std::string replaceByLine(int group, std::string_view rest) {
        Replacement r;
        if (std::string problem = readReplacement(group, rest, r); !problem.empty()) return problem;
        return changeProblem(event::replacePlayer(event_, r.player, r.by, r.race), r.place);
    }

    // A team league's new team, once its roster's lines are read: the
    // <TAB>PLAYER lines right under its 교체 line, by the teams file's rules.
    bool takeNewTeam() {
        if (!newTeam_) return true;
        const NewTeam team = std::move(*newTeam_);
        newTeam_.reset();
        Replacement r;
        if (std::string problem = readReplacement(team.group, team.rest, r); !problem.empty()) return fail(team.number, problem);
        std::string text = r.place.other + "\n";
        for (const auto& [number, player] : team.players) text += "\t" + player + "\n";
        const TeamList roster = parseTeamList(text);
        if (!roster.ok()) {
            const auto at = static_cast<std::size_t>(roster.errorLine);
            return fail(at >= 2 ? team.players[at - 2].first : team.number, roster.error);
        }
        // The event keeps no race for a new team's players yet: refused rather than lost.
        const std::vector<Race>& races = roster.teams.front().races;
        for (std::size_t i = 0; i < races.size(); ++i) {
            if (races[i] != Race::None) return fail(team.players[i].first, "a new team's players are given without races");
        }
        const event::ChangeRefusal refusal = event::replacePlayer(event_, r.player, r.by, r.race, roster.teams.front().roster);
        if (refusal != event::ChangeRefusal::None) return fail(team.number, changeProblem(refusal, r.place));
        host_ = event::hostFor(event_);
        return true;
    }

    // The player whose name the line's start is, and a new name (and race) for the rest.
    std::string readReplacement(int group, std::string_view rest, Replacement& out) const {
        Race race = Race::None;
        if (std::string problem = takeRace(rest, race); !problem.empty()) return problem;
        std::vector<std::pair<Reading, std::string>> ways;
        std::optional<std::pair<event::ChangeRefusal, event::ChangePlace>> firstRefusal;
        for (const auto& [left, right] : cuts(rest)) {
            const auto name = utf8ToCp949(left);
            const std::vector<Pos> players = name ? event::playersNamed(event_, group, *name) : std::vector<Pos>{};
            if (players.empty()) continue;
            const auto by = utf8ToCp949(right);
            const event::ChangeRefusal refusal = by ? event::checkNewName(event_, *by) : event::ChangeRefusal::NameNotCp949;
            if (refusal == event::ChangeRefusal::None) {
                ways.push_back({Reading{group, std::string(left), players}, std::string(right)});
            } else if (!firstRefusal) {
                firstRefusal = {{refusal, {std::string(left), std::string(right), group, {}, {}}}};
            }
        }
        if (ways.size() > 1) {
            std::string shown;
            for (const auto& [old, by] : ways) shown += (shown.empty() ? "" : ", or ") + shownReading(old) + " by '" + by + "'";
            return changeProblem(event::ChangeRefusal::Ambiguous, {{}, {}, group, shown, {}});
        }
        if (ways.empty() && firstRefusal) return changeProblem(firstRefusal->first, firstRefusal->second);
        if (ways.empty()) {
            std::string_view first = rest;
            return changeProblem(event::ChangeRefusal::NotAPlayer, {std::string(takeWord(first)), {}, group, {}, {}});
        }
        const auto& [old, by] = ways.front();
        out = {old.players.front(), *utf8ToCp949(by), race, {old.name, by, group, {}, exampleWith(old, u8"교체", " " + by)}};
        return old.players.size() > 1 ? changeProblem(event::ChangeRefusal::TwoNamed, out.place) : std::string();
    }

    // A player and the group whose empty place he moves to: "NAME B 빈자리".
    struct Move {
        Reading player;
        int to = -1;
    };

    std::vector<Move> moveReadings(int group, std::string_view rest) const {
        const std::size_t cut = rest.find_last_of(kBlanks);
        if (cut == std::string_view::npos || rest.substr(cut + 1) != kVacancyWord) return {};
        std::string_view left = trim(rest.substr(0, cut));
        const std::size_t letterAt = left.find_last_of(kBlanks);
        const int to = letterAt == std::string_view::npos ? -1 : groupOfLetter(left.substr(letterAt + 1));
        if (to < 0 || to >= static_cast<int>(state().groupTable.size())) return {};
        std::vector<Move> out;
        for (Reading& r : readings(group, trim(left.substr(0, letterAt)))) out.push_back({std::move(r), to});
        return out;
    }

    static std::string shownMove(const Move& m) { return shownReading(m.player) + " to " + groupName(m.to) + "'s empty place"; }

    std::string moveByLine(const Move& m) {
        if (m.player.players.size() > 1) {
            return changeProblem(event::ChangeRefusal::TwoNamed, {m.player.name, {}, m.player.group, {},
                                                                  exampleWith(m.player, u8"맞교환", " ...")});
        }
        const Pos player = m.player.players.front();
        const event::ChangeRefusal refusal = event::movePlayer(event_, player, m.to);
        return changeProblem(refusal, {m.player.name, {}, event::refusedMoveGroup(event_, player, m.to, refusal), {}, {}});
    }

    // The two players the line's two parts name, or a player and an empty place.
    std::string swapByLine(int group, std::string_view rest) {
        std::vector<std::pair<Reading, Reading>> ways;
        for (const auto& [left, right] : cuts(rest)) {
            for (const Reading& a : readings(group, left)) {
                for (const Reading& b : readings(group, right)) ways.push_back({a, b});
            }
        }
        const std::vector<Move> moves = moveReadings(group, rest);
        if (ways.size() + moves.size() > 1) {
            std::string shown;
            for (const auto& [a, b] : ways) shown += (shown.empty() ? "" : ", or ") + shownReading(a) + " and " + shownReading(b);
            for (const Move& m : moves) shown += (shown.empty() ? "" : ", or ") + shownMove(m);
            return changeProblem(event::ChangeRefusal::Ambiguous, {{}, {}, group, shown, {}});
        }
        if (!moves.empty()) return moveByLine(moves.front());
        if (ways.empty()) return swapNotFound(group, rest);
        const auto& [a, b] = ways.front();
        for (const Reading* r : {&a, &b}) {
            if (r->players.size() > 1) {
                return changeProblem(event::ChangeRefusal::TwoNamed,
                                     {r->name, {}, r->group, {}, exampleWith(*r, u8"맞교환", " ...")});
            }
        }
        const Pos first = a.players.front();
        const event::ChangeRefusal refusal = event::swapPlayers(event_, first, b.players.front());
        // The refusal is the first player's unless only the second cannot move.
        const bool second = refusal != event::ChangeRefusal::SamePlayer &&
                            event::checkMovable(event_, first) == event::ChangeRefusal::None;
        return changeProblem(refusal, {second ? b.name : a.name, b.name, -1, {}, {}});
    }

    // A part that names nobody: the first such, as the line's first cut reads it.
    std::string swapNotFound(int group, std::string_view rest) {
        for (const auto& [left, right] : cuts(rest)) {
            if (readings(group, left).empty()) continue;
            return changeProblem(event::ChangeRefusal::NotAPlayer, {std::string(right), {}, group, {}, {}});
        }
        std::string_view first = rest;
        return changeProblem(event::ChangeRefusal::NotAPlayer, {std::string(takeWord(first)), {}, group, {}, {}});
    }

    // The line as it reads with the group of the reading's first player.
    std::string exampleWith(const Reading& r, std::string_view word, const std::string& after) const {
        const int g = event::placeOfPlayer(state().groupTable, r.players.front()).first;
        return std::string(1, static_cast<char>('A' + g)) + " " + std::string(word) + " " + r.name + after;
    }

    // A team match's line: its form alone here, its players and the rules
    // once the match's teams are known.
    bool takeTeamLine(int number, std::string_view group, std::string_view match, std::string_view rest, bool entry) {
        const std::string_view set = takeWord(rest);
        rest = trim(rest);
        const bool playoff = isPlayoffWord(group, state());
        TeamLine line{number, smallNumber(set)};
        bool formed = (playoff || groupOfLetter(group) >= 0) && allDigits(match) && allDigits(set);
        if (formed) formed = entry ? splitEntry(rest, line) : splitSet(rest, line);
        if (!formed) {
            return fail(number, entry ? u8"expected GROUP MATCH 엔트리 SET PLAYER1 : PLAYER2 (or one team's, 'PLAYER1 :' or ': PLAYER2'), "
                                        u8"such as 'A 1 엔트리 3 Quill : Stork'"
                                      : u8"expected GROUP MATCH 세트 SET PLAYER1 : PLAYER2 WINNER, such as "
                                        u8"'A 1 세트 3 Quill : Stork Quill @ Iron Delta'");
        }
        if (!event_.teams) return fail(number, team::englishRefusal({team::Refused::NotTeamEvent, {std::string(set)}}));
        if (playoff && choice_.perGroup == 0) return fail(number, "a result of the playoff needs --playoff");
        const MatchKey key{playoff ? kPlayoffGroup : groupOfLetter(group), smallNumber(match)};
        Line* of = nullptr;
        for (Line& earlier : lines_) of = earlier.key == key ? &earlier : of;
        if (of && of->teamLines.empty()) {
            return fail(number, "a set of " + matchName(key) + ", whose result line " + std::to_string(of->number) +
                                    " gives it already");
        }
        if (!of) {
            lines_.push_back(Line{number, key});
            of = &lines_.back();
            of->scoreGiven = false;
        }
        of->teamLines.push_back(std::move(line));
        return true;
    }

    // "PLAYER1 : PLAYER2", or one team's entry alone, "PLAYER1 :" or
    // ": PLAYER2": a name is never empty, so the missing side is the one
    // whose name is.
    static bool splitEntry(std::string_view rest, TeamLine& line) {
        constexpr std::string_view kFirstOnly = " :", kSecondOnly = ": ";
        const std::size_t sides = rest.find(kSidesMark);
        if (sides != std::string_view::npos) {
            line.players[0] = std::string(trim(rest.substr(0, sides)));
            line.players[1] = std::string(trim(rest.substr(sides + kSidesMark.size())));
        } else if (rest.substr(0, kSecondOnly.size()) == kSecondOnly) {
            line.players[1] = std::string(trim(rest.substr(kSecondOnly.size())));
        } else if (rest.size() >= kFirstOnly.size() && rest.substr(rest.size() - kFirstOnly.size()) == kFirstOnly) {
            line.players[0] = std::string(trim(rest.substr(0, rest.size() - kFirstOnly.size())));
        }
        return !line.players[0].empty() || !line.players[1].empty();
    }

    bool splitSet(std::string_view rest, TeamLine& line) const {
        const std::size_t sides = rest.find(kSidesMark);
        if (sides == std::string_view::npos || sides == 0) return false;
        line.players[0] = std::string(trim(rest.substr(0, sides)));
        return splitTeamSides(trim(rest.substr(sides + kSidesMark.size())), line);
    }

    // "PLAYER2 WINNER [@ MAP]", the winner one of the two players. Names may
    // hold blanks.
    bool splitTeamSides(std::string_view text, TeamLine& line) const {
        GameLine mapped;
        splitMap(text, mapped);
        line.mapName = mapped.mapName;
        const std::string_view sides = mapped.winnerName;
        for (std::size_t at = sides.find(' '); at != std::string_view::npos; at = sides.find(' ', at + 1)) {
            const std::string_view second = trim(sides.substr(0, at)), winner = trim(sides.substr(at + 1));
            if (!second.empty() && (winner == line.players[0] || winner == second)) {
                line.players[1] = std::string(second);
                line.winner = std::string(winner);
                return true;
            }
        }
        // A winner who is neither player is refused by the set's own rule.
        const std::size_t last = sides.rfind(' ');
        if (last == std::string_view::npos) return false;
        line.players[1] = std::string(trim(sides.substr(0, last)));
        line.winner = std::string(trim(sides.substr(last + 1)));
        return !line.players[1].empty();
    }

    // A match's sets and entries through the event's own changes; they take
    // the place of what the event had of the match.
    bool recordTeamLines(const Line& line) {
        event::clearTeamMatch(event_, line.key);
        const auto cp949 = [](const std::string& utf8) { return utf8ToCp949(utf8).value_or("\n"); };
        const auto side = [&](const std::string& utf8) { return utf8.empty() ? utf8 : cp949(utf8); };
        for (const TeamLine& t : line.teamLines) {
            event::GivenSet given{line.key, t.set, {side(t.players[0]), side(t.players[1])}};
            if (t.winner) given.winner = cp949(*t.winner);
            if (!t.mapName.empty()) given.map = cp949(t.mapName);
            const event::TeamCheck check = event::recordGivenSet(event_, given);
            if (check.problem == event::ChangeProblem::GroupsLocked) {
                return fail(t.number, "the event has a playoff: " + matchName(line.key) + " cannot change until the playoff is undone");
            }
            if (check.problem == event::ChangeProblem::Result) {
                const int matches = line.key.group == kPlayoffGroup ? static_cast<int>(bracket().matches.size()) : 0;
                return fail(t.number, reason(check.result, line, state(), matches, event::matchLength(event_, line.key)));
            }
            if (check.set) {
                return fail(t.number, team::englishRefusal(event::teamRefusal(check, [](std::string_view text) {
                                return cp949ToUtf8(text).value_or("?");
                            })));
            }
        }
        return true;
    }

    // "GROUP MATCH 세트 GAME WINNER [@ MAP]": what the line alone can be
    // refused for; the winner waits for the match's players.
    bool takeGameLine(int number, std::string_view group, std::string_view match, std::string_view rest) {
        const std::string_view game = takeWord(rest);
        const bool playoff = isPlayoffWord(group, state());
        if ((!playoff && groupOfLetter(group) < 0) || !allDigits(match) || !allDigits(game) || trim(rest).empty()) {
            return fail(number, u8"expected GROUP MATCH 세트 GAME WINNER, such as 'A 1 세트 2 Quill @ Iron Delta'");
        }
        if (playoff && choice_.perGroup == 0) return fail(number, "a result of the playoff needs --playoff");
        Line line{number, {playoff ? kPlayoffGroup : groupOfLetter(group), smallNumber(match)}};
        GameLine given{number, smallNumber(game)};
        splitMap(trim(rest), given);
        ResultProblem problem = playoff ? ResultProblem::None : checkMatch(state(), Results(), line.key);
        if (problem == ResultProblem::PlayersNotKnown) problem = ResultProblem::None;
        if (problem == ResultProblem::None && given.game < 1) problem = ResultProblem::GameMissing, given.game = 1;
        if (problem == ResultProblem::None && !playoff && given.game > event::matchLength(event_, line.key)) {
            problem = ResultProblem::GamePastLength;
        }
        if (problem == ResultProblem::None && !given.mapName.empty() && given.map == kNone) problem = ResultProblem::MapNotInList;
        Line* games = nullptr;
        for (Line& earlier : lines_) games = earlier.key == line.key ? &earlier : games;
        if (problem == ResultProblem::None && games) {
            for (const GameLine& earlier : games->games) problem = earlier.game == given.game ? ResultProblem::GameTwice : problem;
        }
        if (problem != ResultProblem::None) {
            return fail(number, reason(problem, line, state(), 0, playoff ? 1 : event::matchLength(event_, line.key), &given));
        }
        if (!games) {
            line.scoreGiven = false;
            lines_.push_back(std::move(line));
            games = &lines_.back();
        }
        games->games.push_back(std::move(given));
        return true;
    }

    // The map is what follows the last " @ " that a map of the list
    // follows, so that a name may hold one; where none does, the last.
    void splitMap(std::string_view text, GameLine& game) const {
        game.winnerName = std::string(text);
        std::vector<std::size_t> marks;
        for (std::size_t at = text.find(kMapMark); at != std::string_view::npos; at = text.find(kMapMark, at + 1)) {
            marks.push_back(at);
        }
        if (marks.empty()) return;
        std::size_t split = marks.back();
        for (auto at = marks.rbegin(); at != marks.rend() && game.map == kNone; ++at) {
            game.map = listedMap(trim(text.substr(*at + kMapMark.size())));
            if (game.map != kNone) split = *at;
        }
        game.winnerName = std::string(trim(text.substr(0, split)));
        game.mapName = std::string(trim(text.substr(split + kMapMark.size())));
    }

    Pos listedMap(std::string_view utf8) const {
        const auto name = utf8ToCp949(utf8);
        for (std::size_t i = 0; name && state().settings.mapsEnabled && i < earlier_.maps.size(); ++i) {
            if (isNamed(earlier_.maps[i], *name)) return static_cast<Pos>(i);
        }
        return kNone;
    }

    // The match's games in order, from game 1 with none left out; a
    // playoff match's length is known once its bracket is.
    bool gamesInOrder(Line& line) {
        std::stable_sort(line.games.begin(), line.games.end(),
                         [](const GameLine& a, const GameLine& b) { return a.game < b.game; });
        const int bestOf = event::matchLength(event_, line.key);
        if (!line.games.empty() && line.games.back().game > bestOf) {
            const GameLine& past = line.games.back();
            return fail(past.number, reason(ResultProblem::GamePastLength, line, state(), 0, bestOf, &past));
        }
        for (std::size_t i = 0; i < line.games.size(); ++i) {
            GameLine& game = line.games[i];
            if (game.game == static_cast<int>(i) + 1) continue;
            GameLine missing = game;
            missing.game = static_cast<int>(i) + 1;
            return fail(game.number, reason(ResultProblem::GameMissing, line, state(), 0, 1, &missing));
        }
        return true;
    }

    event::GivenResult givenOf(const Line& line) const {
        event::GivenResult given{line.key, line.score, line.score ? std::nullopt : utf8ToCp949(line.winnerName),
                                 line.walkover};
        given.scoreGiven = line.scoreGiven;
        for (const GameLine& game : line.games) given.games.push_back({utf8ToCp949(game.winnerName), game.map});
        return given;
    }

    // The line a refusal belongs to: its game's, or the score's, or the first game's.
    const GameLine* gameAt(const Line& line, int game) const {
        if (game >= 1 && game <= static_cast<int>(line.games.size())) return &line.games[static_cast<std::size_t>(game - 1)];
        return line.scoreGiven || line.games.empty() ? nullptr : &line.games.front();
    }

    bool takeWithdrawLine(int number, int group, std::string_view name, std::string_view groupWord = {}) {
        if (name.empty() || (!groupWord.empty() && group < 0)) {
            return fail(number, u8"expected 기권 NAME or GROUP 기권 NAME, such as '기권 Quill' or 'A 기권 Quill'");
        }
        if (group >= static_cast<int>(state().groupTable.size())) {
            return fail(number, reason(ResultProblem::NoSuchGroup, Line{number, {group, 0}, {}, {}}, state()));
        }
        withdrawLines_.push_back({number, group, std::string(name)});
        return true;
    }

    // The drawn player the line names, or why there is none.
    std::string findWithdrawn(const WithdrawLine& line, Pos& out) {
        const auto name = utf8ToCp949(line.name);
        int found = 0;
        for (std::size_t g = 0; g < state().groupTable.size(); ++g) {
            if (line.group >= 0 && static_cast<int>(g) != line.group) continue;
            for (Pos p : state().groupTable[g]) {
                if (p != kNone && name && isNamed(nameOf(host_, ListKind::Participants, p), *name)) {
                    out = p;
                    ++found;
                }
            }
        }
        const std::string where = line.group >= 0 ? groupName(line.group) : std::string("the draw");
        if (found == 0) return "'" + line.name + "' is not a player of " + where;
        if (found > 1 && line.group >= 0) return "two members of " + where + " are named '" + line.name + "'";
        if (found > 1) {
            return "two players are named '" + line.name + u8"': give the group, such as 'A 기권 " + line.name + "'";
        }
        return {};
    }

    bool withdraw() {
        for (const WithdrawLine& line : withdrawLines_) {
            Pos player = kNone;
            const std::string problem = findWithdrawn(line, player);
            if (!problem.empty()) return fail(line.number, problem);
            if (!event::withdraw(event_, player)) return fail(line.number, "'" + line.name + "' has already withdrawn");
        }
        return true;
    }

    bool givenByALine(MatchKey key) const {
        return std::any_of(lines_.begin(), lines_.end(), [&](const Line& line) { return line.key == key; });
    }

    // The lines of the groups, or of the playoff.
    bool record(bool playoff) {
        for (Line& line : lines_) {
            if ((line.key.group == kPlayoffGroup) != playoff) continue;
            if (!line.teamLines.empty()) {
                if (!recordTeamLines(line)) return false;
                continue;
            }
            if (!gamesInOrder(line)) return false;
            std::vector<MatchKey> later;
            const event::ResultCheck check = event::recordGiven(event_, givenOf(line), earlier_, later);
            const GameLine* game = check.ok() ? nullptr : gameAt(line, check.game);
            const int number = game ? game->number : line.number;
            if (check.problem == event::ChangeProblem::GroupsLocked) {
                return fail(number, "the event has a playoff: " + matchName(line.key) +
                                        " cannot change until the playoff is undone");
            }
            if (!check.ok()) {
                const int matches = playoff ? static_cast<int>(bracket().matches.size()) : 0;
                const GameLine* named = check.game ? game : nullptr;
                return fail(number, reason(check.result, line, state(), matches, event::matchLength(event_, line.key), named));
            }
            // The other player now goes on: what the old winner played later
            // was played by someone who should not have been there.
            for (MatchKey key : later) {
                if (!givenByALine(key)) file_.takenAway.push_back(key);
            }
        }
        return true;
    }

    PlayoffBracket bracket() { return playoffBracket(state(), event_.results, event_.playoff, 0, host_); }

    bool takeSettleLine(int number, std::string_view group, std::string_view name) {
        const int g = groupOfLetter(group);
        if (g < 0 || name.empty()) return fail(number, u8"expected GROUP 결정 NAME, such as 'A 결정 Quill'");
        if (choice_.perGroup == 0) return fail(number, "a settled order is for the playoff: it needs --playoff");
        if (earlier_.playoff.perGroup != 0) {
            return fail(number, "the event has a playoff: its settled orders stay until the playoff is undone");
        }
        if (g >= static_cast<int>(state().groupTable.size())) {
            return fail(number, reason(ResultProblem::NoSuchGroup, Line{number, {g, 0}, {}, {}}, state()));
        }
        settleLines_.push_back({number, g, std::string(name), kNone});
        return true;
    }

    // The member of the line's group that the name is, or why none is.
    std::string findMember(SettleLine& line) {
        const auto name = utf8ToCp949(line.name);
        int found = 0;
        for (const Standing& s : groupStandings(state(), event_.results, line.group).standings) {
            if (name && isNamed(nameOf(host_, ListKind::Participants, s.player), *name)) {
                line.player = s.player;
                ++found;
            }
        }
        if (found == 0) return "'" + line.name + "' is not a member of " + groupName(line.group);
        if (found > 1) return "two members of " + groupName(line.group) + " are named '" + line.name + "'";
        return {};
    }

    // Each tie named must be named whole; the lines' order is the settled one.
    bool settleOrders() {
        for (SettleLine& line : settleLines_) {
            const std::string problem = findMember(line);
            if (!problem.empty()) return fail(line.number, problem);
            for (const SettleLine& earlier : settleLines_) {
                if (&earlier == &line) break;
                if (earlier.player == line.player) {
                    return fail(line.number, "'" + line.name + "' is already in " + groupName(line.group) +
                                                 "'s order (line " + std::to_string(earlier.number) + ")");
                }
            }
        }
        for (const SettleLine& line : settleLines_) {
            if (!settleTieOf(line)) return false;
        }
        return true;
    }

    bool settleTieOf(const SettleLine& line) {
        const std::vector<Standing> table = groupStandings(state(), event_.results, line.group).standings;
        const auto row = std::find_if(table.begin(), table.end(), [&](const Standing& s) { return s.player == line.player; });
        if (row->rank == 0) {
            return fail(line.number, groupName(line.group) + " still has matches to play: its order is not known yet");
        }
        std::vector<Pos> tie;
        for (const Standing& s : table) {
            if (s.rank == row->rank) tie.push_back(s.player);
        }
        if (tie.size() < 2) {
            return fail(line.number, "'" + line.name + "' shares its rank in " + groupName(line.group) + " with nobody");
        }
        SettledOrder order{line.group, {}};
        for (const SettleLine& other : settleLines_) {
            if (std::count(tie.begin(), tie.end(), other.player)) {
                order.order.push_back(other.player);
            }
        }
        if (order.order.front() != line.player) return true;  // taken with the tie's first line
        const std::string rank = "rank " + std::to_string(row->rank) + " of " + groupName(line.group);
        if (order.order.size() != tie.size()) {
            return fail(line.number, rank + " is shared by " + namesOf(host_, tie) + ": name each of them");
        }
        if (checkSettle(state(), event_.results, choice_.perGroup, order) == SettleProblem::NoNeed) {
            return fail(line.number, rank + " decides nothing for --playoff " + std::to_string(choice_.perGroup));
        }
        // A line's order takes the place of one the event already had for the tie.
        event::settleTie(event_, order);
        return true;
    }

    bool makePlayoff() {
        const PlayoffRefusal refusal = event::makePlayoff(event_, choice_);
        if (refusal.empty()) return true;
        Playoff asked;
        asked.perGroup = choice_.perGroup;
        file_ = ResultsFile{};
        file_.refusal = refusalLines(refusal, state(), host_, asked);
        return false;
    }

    bool fail(int number, std::string error) {
        file_ = ResultsFile{};
        file_.errorLine = number;
        file_.error = std::move(error);
        return false;
    }

    const event::Event& earlier_;
    ListHost host_;  // the names of event_
    PlayoffChoice choice_;
    event::Event event_;
    std::vector<Line> lines_;
    std::vector<SettleLine> settleLines_;
    std::vector<WithdrawLine> withdrawLines_;
    // A team league's replacement waits for its new team's roster lines.
    struct NewTeam {
        int number = 0;
        int group = -1;
        std::string rest;  // UTF-8: "OLD NEW"
        std::vector<std::pair<int, std::string>> players{};  // each line's number and its text after the tab
    };
    std::optional<NewTeam> newTeam_;
    ResultsFile file_;
};

}  // namespace

void takeChanges(const ResultsFile& file, event::Event& event) {
    event.participants = file.changed.participants;
    event.seeding = file.changed.seeding;
    event.state = file.changed.state;
    event.changes = file.changed.changes;
    event.teams = file.changed.teams;
}

ResultsFile readResultsFile(std::string_view bytes, const AssignmentState& state, Host& host) {
    const event::Event drawn = event::eventFromDraw(state, Results(), host, 0, std::nullopt, "");
    return readResultsFile(bytes, drawn);
}

std::vector<std::string> refusalLines(const PlayoffRefusal& refusal, const AssignmentState& state, Host& host,
                                      const Playoff& playoff) {
    std::vector<std::string> lines;
    const std::string k = std::to_string(playoff.perGroup);
    if (refusal.badSize) lines.push_back("the playoff takes the top 1, 2 or 4 of every group, not " + k);
    if (refusal.badLength) lines.push_back("a round of the playoff is played over 1, 3, 5 or 7 games");
    for (const UnfinishedGroup& u : refusal.unfinished) {
        lines.push_back(groupName(u.group) + " still has " + std::to_string(u.matchesLeft) +
                        (u.matchesLeft == 1 ? " match" : " matches") + " to play");
    }
    for (const TieToSettle& t : refusal.ties) {
        const std::string letter(1, static_cast<char>('A' + t.group));
        lines.push_back(groupName(t.group) + ": " + namesOf(host, t.members) + " share rank " +
                        std::to_string(t.rank) + "; settle their order with lines '" + letter +
                        u8" 결정 NAME', best first");
    }
    if (refusal.tooFew || refusal.tooMany) {
        lines.push_back("the playoff takes 2 to " + std::to_string(kMaxPlayoffPlayers) + " players; the top " + k +
                        " of the " + std::to_string(state.groupTable.size()) + " groups are " +
                        std::to_string(refusal.players));
    }
    if (refusal.thirdPlaceTooFew) lines.push_back("a third-place match needs at least 4 players in the playoff");
    if (!refusal.pairs.ok()) lines.push_back("--playoff-pairs: " + event::englishPairs(refusal.pairs));
    return lines;
}

ResultsFile readResultsFile(std::string_view bytes, const event::Event& event, PlayoffChoice choice) {
    if (bytes.substr(0, kByteOrderMark.size()) == kByteOrderMark) bytes.remove_prefix(kByteOrderMark.size());
    Reader reader(event, choice);
    int number = 0;
    while (!bytes.empty()) {
        const std::size_t end = bytes.find('\n');
        std::string_view text = bytes.substr(0, end);
        bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
        if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
        if (!reader.takeLine(++number, text)) return reader.take();
    }
    reader.settle();
    return reader.take();
}

}  // namespace rl::cli
