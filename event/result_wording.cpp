#include "event/result_wording.h"

#include <iterator>
#include <vector>

#include "engine/limits.h"
#include "engine/series.h"
#include "standings/playoff.h"
#include "event/refusal.h"

namespace rl::event {

namespace {

// Every row names its values by slot: {0} the match, {1} what holds it (a
// group or the playoff), {2} its number, {3} the winner's name as given,
// {4} the match's length, {5} the games that win it, {6} the most maps a
// player can win, {7} what the draw or the group does hold, {8} the group's
// letter, {9} the game, {10} a game's map as given. The window program shows the Korean of the problems its fields
// can make, so those read as its other messages do.
struct ProblemWording {
    ResultProblem problem;
    const char* english;
    const char* korean;
};

constexpr ProblemWording kWordings[] = {
    {ResultProblem::None, "", ""},
    {ResultProblem::NoSuchGroup, "there is no group {8} in the draw ({7})", u8"배정에 {8}조가 없습니다({7})."},
    {ResultProblem::NoSuchMatch, "{1} has no match {2} ({7})", u8"{1}에는 {2}경기가 없습니다({7})."},
    {ResultProblem::Bye, "{0} is a bye: it has no result", u8"{0}는 부전승이라 결과가 없습니다."},
    {ResultProblem::PlayersNotKnown, "the players of {0} are not both known yet",
     u8"이 경기의 두 선수가 아직 정해지지 않았습니다.\n앞 경기의 결과를 먼저 기록하세요."},
    {ResultProblem::ScoreOutOfRange, "maps won must be whole numbers from 0 to {6}",
     u8"두 선수가 이긴 맵의 수를 0부터 {6}까지의 숫자로 입력하세요."},
    {ResultProblem::Tie, "a tie: one player must win more maps than the other",
     u8"비긴 경기는 기록할 수 없습니다.\n이긴 선수의 맵 수를 더 크게 입력하세요."},
    {ResultProblem::NotAPlayer, "'{3}' is neither player of {0}", u8"'{3}'은 {0}의 선수가 아닙니다."},
    {ResultProblem::BothPlayers, "both players of {0} are named '{3}': give the score",
     u8"{0}의 두 선수가 모두 '{3}'입니다. 맵 수를 입력하세요."},
    {ResultProblem::SeriesNotWon,
     "a best-of-{4} match is won with {5} maps: the winner has exactly that many, the loser fewer",
     u8"이 경기는 {5}선승제입니다.\n이긴 선수의 맵 수를 {5}로, 진 선수의 맵 수를 그보다 작게 입력하세요."},
    {ResultProblem::SeriesByName, "{0} is a best-of-{4} match: give the maps won, such as {5}:1",
     u8"{0}는 {4}전 {5}선승제입니다. 이긴 맵의 수를 {5}:1처럼 입력하세요."},
    {ResultProblem::Withdrawn, "{0} is a withdrawn player's walkover: take the withdrawal back first",
     u8"기권한 선수의 남은 경기라 부전승으로 정해져 있습니다.\n결과를 넣으려면 먼저 시스템 메뉴의 '기권 처리'에서 "
     u8"기권을 취소하세요."},
    {ResultProblem::GamePastLength, "{0} is a best-of-{4} match: it has no game {9}",
     u8"{0}는 {4}전 {5}선승제라 {9}세트가 없습니다."},
    {ResultProblem::GameTwice, "game {9} of {0} is given twice", u8"{0}의 {9}세트가 두 번 나옵니다."},
    {ResultProblem::GameMissing, "game {9} of {0} is missing: its games are given from game 1 on",
     u8"{0}의 {9}세트가 빠졌습니다.\n세트는 1세트부터 차례로 입력하세요."},
    {ResultProblem::GamesAfterDecided, "game {9} of {0} comes after the series was decided",
     u8"{0}는 {9}세트 전에 승부가 났습니다.\n그 뒤의 세트는 기록할 수 없습니다."},
    {ResultProblem::MapNotInList, "game {9} of {0}: '{10}' is not a map of the event's list",
     u8"{0} {9}세트의 맵 '{10}'은 맵 목록에 없습니다."},
    {ResultProblem::GamesDisagree, "the games of {0} do not count to its score",
     u8"{0}의 세트 결과가 경기 점수와 맞지 않습니다."},
};

constexpr bool inOrder() {
    for (std::size_t i = 0; i < std::size(kWordings); ++i) {
        if (static_cast<std::size_t>(kWordings[i].problem) != i) return false;
    }
    return static_cast<std::size_t>(ResultProblem::GamesDisagree) + 1 == std::size(kWordings);  // the last kind
}
static_assert(inOrder(), "one wording for each kind of result problem, in order");

bool isPlayoff(const ProblemPlace& place) { return place.key.group == kPlayoffGroup; }
std::string letterOf(int group) { return std::string(1, static_cast<char>('A' + group)); }

// What the draw holds for a missing group, and what a group or the playoff
// holds for a missing match.
std::string englishExtent(ResultProblem problem, const ProblemPlace& place) {
    if (problem == ResultProblem::NoSuchGroup) return place.groups == 1 ? "only A" : "A to " + letterOf(place.groups - 1);
    if (place.matches == 0 && !isPlayoff(place)) return "it has no matches";
    return "its matches are 1 to " + std::to_string(place.matches);
}

std::string koreanExtent(ResultProblem problem, const ProblemPlace& place) {
    if (problem == ResultProblem::NoSuchGroup) {
        return place.groups == 1 ? u8"A조뿐입니다" : u8"A조부터 " + letterOf(place.groups - 1) + u8"조까지입니다";
    }
    if (place.matches == 0 && !isPlayoff(place)) return u8"경기가 없습니다";
    return u8"경기는 1부터 " + std::to_string(place.matches) + u8"까지입니다";
}

std::vector<std::string> values(ResultProblem problem, const ProblemPlace& place, bool korean) {
    const std::string number = std::to_string(place.key.number);
    const std::string holder = isPlayoff(place) ? (korean ? u8"본선" : "the playoff")
                                                : (korean ? letterOf(place.key.group) + u8"조" : "group " + letterOf(place.key.group));
    const std::string match = korean ? holder + " " + number + u8"경기"
                                     : "match " + number + " of " + holder;
    return {match,
            holder,
            number,
            place.winner,
            std::to_string(place.bestOf),
            std::to_string(gamesToWin(place.bestOf)),
            std::to_string(kMaxMapsWon),
            korean ? koreanExtent(problem, place) : englishExtent(problem, place),
            letterOf(place.key.group),
            std::to_string(place.game),
            place.map};
}

// {0} the player, {1} the new name or the other player, {2} where they were
// looked for, {3} the ways a line reads, {4} the line's form with a group,
// {5} the longest name, {6} the most changes.
struct ChangeWording {
    ChangeRefusal refusal;
    const char* english;
    const char* korean;
};

constexpr ChangeWording kChangeWordings[] = {
    {ChangeRefusal::None, "", ""},
    {ChangeRefusal::HasResult, "'{0}' has a result: only a player who has not played yet can be replaced or swapped",
     u8"'{0}'은 경기 결과가 있습니다.\n아직 경기하지 않은 선수만 교체하거나 맞교환할 수 있습니다."},
    {ChangeRefusal::Withdrawn, "'{0}' has withdrawn: take the withdrawal back first",
     u8"'{0}'은 기권했습니다.\n먼저 기권을 취소하세요."},
    {ChangeRefusal::PlayoffMade, "the event has a playoff: its groups' players stay until the playoff is undone",
     u8"본선이 만들어져 있어 조의 선수를 바꿀 수 없습니다.\n먼저 본선을 취소하세요."},
    {ChangeRefusal::SamePlayer, "'{0}' cannot be swapped with the same player", u8"같은 선수끼리는 맞교환할 수 없습니다."},
    {ChangeRefusal::NameTaken, "'{1}' already takes part in the event", u8"'{1}'은 이미 대회에 있는 이름입니다."},
    {ChangeRefusal::NameEmpty, "the new player's name is empty", u8"새 선수의 이름을 입력하세요."},
    {ChangeRefusal::NameWhiteSpace, "the new name '{1}' begins with white space", u8"새 이름이 공백으로 시작합니다."},
    {ChangeRefusal::NameControl, "the new name '{1}' contains a control character", u8"새 이름에 제어 문자가 있습니다."},
    {ChangeRefusal::NameNotCp949, "the new name '{1}' has a character that code page 949 cannot hold",
     u8"새 이름에 코드 페이지 949에 없는 문자가 있습니다."},
    {ChangeRefusal::NameTooLong, "the new name '{1}' takes more than {5} bytes in code page 949",
     u8"새 이름이 {5}바이트를 넘습니다."},
    {ChangeRefusal::TooManyChanges, "an event takes at most {6} replacements and swaps",
     u8"교체와 맞교환은 대회마다 {6}번까지입니다."},
    {ChangeRefusal::NotAPlayer, "'{0}' is not a player of {2}", u8"'{0}'은 {2}의 선수가 아닙니다."},
    {ChangeRefusal::TwoNamed, "two players of {2} are named '{0}': give the group, such as '{4}'",
     u8"{2}에 '{0}'이라는 선수가 둘 있습니다. '{4}'처럼 조를 쓰세요."},
    {ChangeRefusal::Ambiguous, "the line reads more than one way: {3}", u8"이 줄은 여러 가지로 읽힙니다: {3}"},
    {ChangeRefusal::GroupPlayed,
     "{2} has a result or a withdrawal: a player moves to an empty place only while both groups are unplayed",
     u8"{2}에 경기 결과나 기권이 있습니다.\n두 조 모두 경기 전일 때만 빈자리로 옮길 수 있습니다."},
    {ChangeRefusal::NoVacancy, "{2} has no empty place", u8"{2}에 빈자리가 없습니다."},
    {ChangeRefusal::AlreadyLast, "'{0}' is the last player of {2} already: its empty place changes nothing",
     u8"'{0}'은 이미 {2}의 마지막 자리에 있습니다."},
    {ChangeRefusal::TooFewLeft, "'{0}' cannot leave {2}: a group keeps at least two players",
     u8"'{0}'이 빠지면 {2}의 선수가 둘보다 적어집니다."},
    {ChangeRefusal::DualGroup, "a dual tournament's groups keep their places: '{0}' can be swapped, not moved",
     u8"듀얼 토너먼트의 조는 자리가 정해져 있어 빈자리로 옮길 수 없습니다.\n맞교환은 할 수 있습니다."},
    {ChangeRefusal::NoRoster,
     "the team '{1}' comes in without its players: give its roster as <TAB>PLAYER lines under the line",
     u8"새 팀 '{1}'의 선수를 입력하세요(한 줄에 한 명)."},
};

constexpr bool changesInOrder() {
    for (std::size_t i = 0; i < std::size(kChangeWordings); ++i) {
        if (static_cast<std::size_t>(kChangeWordings[i].refusal) != i) return false;
    }
    return static_cast<std::size_t>(ChangeRefusal::NoRoster) + 1 == std::size(kChangeWordings);  // the last kind
}
static_assert(changesInOrder(), "one wording for each kind of change refusal, in order");

std::vector<std::string> changeValues(const ChangePlace& place, bool korean) {
    const std::string where = place.group < 0 ? (korean ? u8"배정" : "the draw")
                                              : (korean ? letterOf(place.group) + u8"조" : "group " + letterOf(place.group));
    return {place.name, place.other, where, place.ways, place.example, std::to_string(kMaxNameBytes),
            std::to_string(kMaxChanges)};
}

}  // namespace

std::string englishChangeProblem(ChangeRefusal refusal, const ChangePlace& place) {
    return filledIn(kChangeWordings[static_cast<std::size_t>(refusal)].english, changeValues(place, false));
}

std::string koreanChangeProblem(ChangeRefusal refusal, const ChangePlace& place) {
    return filledIn(kChangeWordings[static_cast<std::size_t>(refusal)].korean, changeValues(place, true));
}

std::string englishProblem(ResultProblem problem, const ProblemPlace& place) {
    return filledIn(kWordings[static_cast<std::size_t>(problem)].english, values(problem, place, false));
}

std::string koreanProblem(ResultProblem problem, const ProblemPlace& place) {
    return filledIn(kWordings[static_cast<std::size_t>(problem)].korean, values(problem, place, true));
}

}  // namespace rl::event
