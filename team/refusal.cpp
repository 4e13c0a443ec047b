#include "team/refusal.h"

#include <iterator>

#include "text/wording.h"

namespace rl::team {

namespace {

// The format's refusals: {0} the text refused (or its number), {1} and {2}
// the range it must keep. A set's: {0} its number, {1} the player at fault,
// {2} that player's team, {3} what the rule wanted there (the next set's
// number, the player who stays on, the map given or the player entered).
struct Wording {
    Refused why;
    const char* english;
    const char* korean;
};

constexpr Wording kWordings[] = {
    {Refused::UnknownFormat, "'{0}' is not a team match format: sets:N, sets:N:ace or winner:S",
     u8"'{0}': 팀 경기 방식이 아닙니다. sets:N, sets:N:ace, winner:S 가운데 하나여야 합니다"},
    {Refused::NotANumber, "'{0}' is not a whole number", u8"'{0}': 정수가 아닙니다"},
    {Refused::SetsOutOfRange, "a team match is {1} to {2} sets, not {0}",
     u8"팀 경기는 {1}세트부터 {2}세트까지인데 {0}세트입니다"},
    {Refused::SetsEven, "{0} sets: the number of sets must be odd, so that one team wins a majority",
     u8"{0}세트: 한 팀이 과반을 이기도록 세트 수는 홀수여야 합니다"},
    {Refused::AceWord, "'{0}' after the number of sets: only 'ace' (the last set is the ace match) may follow",
     u8"'{0}': 세트 수 뒤에는 ace(마지막 세트가 에이스결정전)만 올 수 있습니다"},
    {Refused::WinsOutOfRange, "winner stays takes {1} to {2} wins, not {0}",
     u8"승자연전은 {1}승부터 {2}승까지인데 {0}승입니다"},
    {Refused::NotNextSet, "set {0}: the next set is set {3}", u8"{0}세트: 다음 세트는 {3}세트입니다"},
    {Refused::NotOnRoster, "set {0}: {1} is not on the roster of {2}", u8"{0}세트: {1}은(는) {2} 팀의 선수 명단에 없습니다"},
    {Refused::PlayedTwice, "set {0}: {1} of {2} has played a set of this match already (only the ace set takes a player again)",
     u8"{0}세트: {2} 팀의 {1}은(는) 이 경기에서 이미 세트를 치렀습니다(에이스결정전에만 다시 나갈 수 있습니다)"},
    {Refused::MatchDecided, "set {0}: the match was decided already", u8"{0}세트: 승부가 이미 났습니다"},
    {Refused::AceNotLevel, "set {0}: the ace set is played only when the sets stand level before it",
     u8"{0}세트: 에이스결정전은 세트 점수가 동점일 때만 치릅니다"},
    {Refused::NotTheStayer, "set {0}: {3} won the last set and stays on, but {2} sends {1}",
     u8"{0}세트: 지난 세트를 이긴 {3}이(가) 남아야 하는데 {2} 팀에서 {1}이(가) 나왔습니다"},
    {Refused::BeatenAgain, "set {0}: {1} of {2} was beaten already and cannot play again",
     u8"{0}세트: {2} 팀의 {1}은(는) 이미 졌으므로 다시 나갈 수 없습니다"},
    {Refused::OutOfPlayers, "set {0}: {2} has no player left, so the match is over",
     u8"{0}세트: {2} 팀은 남은 선수가 없어 경기가 끝났습니다"},
    {Refused::NotTeamEvent, "set {0}: this event is not a team league", u8"{0}세트: 이 대회는 팀 리그가 아닙니다"},
    {Refused::NotInSet, "set {0}: the winner {1} is neither player of the set", u8"{0}세트: 이긴 선수 {1}은(는) 이 세트의 선수가 아닙니다"},
    {Refused::MapNotInList, "set {0}: '{3}' is not a map of the event's list", u8"{0}세트: 맵 '{3}'은 맵 목록에 없습니다"},
    {Refused::SetPlayed, "set {0} was played already: its entry cannot change", u8"{0}세트는 이미 치렀으므로 엔트리를 바꿀 수 없습니다"},
    {Refused::EntryOpen, "set {0}: its player is named on the spot, not entered before the match",
     u8"{0}세트: 이 세트의 선수는 경기 중에 정하므로 미리 엔트리를 낼 수 없습니다"},
    {Refused::NotTheEntry, "set {0}: {2} entered {3} for this set, not {1}",
     u8"{0}세트: {2} 팀의 엔트리는 {1}이(가) 아니라 {3}입니다"},
};

// Every kind has its wording, in the kinds' order.
constexpr bool inOrder() {
    for (std::size_t i = 0; i < std::size(kWordings); ++i) {
        if (static_cast<std::size_t>(kWordings[i].why) != i) return false;
    }
    return static_cast<std::size_t>(Refused::NotTheEntry) + 1 == std::size(kWordings);  // the last kind
}
static_assert(inOrder(), "one wording for each kind of team refusal, in order");

}  // namespace

std::string englishRefusal(const Refusal& refusal) {
    return filledIn(kWordings[static_cast<std::size_t>(refusal.why)].english, refusal.values);
}

std::string koreanRefusal(const Refusal& refusal) {
    return filledIn(kWordings[static_cast<std::size_t>(refusal.why)].korean, refusal.values);
}

}  // namespace rl::team
