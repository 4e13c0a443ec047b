#include "event/pairs_wording.h"

#include <iterator>
#include <vector>

#include "event/refusal.h"

namespace rl::event {

namespace {

// {0} what the refusal names (an entry as written, a seat, the seats left
// out), {1} every seat the playoff has, {2} the players going through, {3}
// the first round's matches, {4} its byes, {5} the entries given.
struct PairsWording {
    PairsProblem problem;
    const char* english;
    const char* korean;
};

constexpr PairsWording kWordings[] = {
    {PairsProblem::None, "", ""},
    {PairsProblem::Malformed, "'{0}' is neither a pair such as A1-D2 nor a seat alone such as A1 (a bye)",
     u8"'{0}'은(는) A1-D2 같은 대진도, 부전승으로 올라가는 A1 같은 자리도 아닙니다."},
    {PairsProblem::NoSuchSeat, "{0} is not a seat of the playoff, whose seats are {1}",
     u8"{0}: 본선에 없는 자리입니다. 본선의 자리는 {1}입니다."},
    {PairsProblem::Twice, "{0} is seated twice", u8"{0}: 두 번 나옵니다."},
    {PairsProblem::Missing, "the pairs leave out {0}: every player going through is seated", u8"대진에 {0} 자리가 빠졌습니다."},
    {PairsProblem::RoundSize,
     "{2} players make a first round of {3} matches ({4} of them byes), not {5}",
     u8"본선 {2}명의 첫 판은 {3}경기(부전승 {4}경기 포함)인데 대진은 {5}경기입니다."},
};

constexpr bool inOrder() {
    for (std::size_t i = 0; i < std::size(kWordings); ++i) {
        if (static_cast<std::size_t>(kWordings[i].problem) != i) return false;
    }
    return static_cast<std::size_t>(PairsProblem::RoundSize) + 1 == std::size(kWordings);  // the last kind
}
static_assert(inOrder(), "one wording for each kind of pairs problem, in order");

std::vector<std::string> values(const PairsRefusal& r) {
    return {r.part, r.seats, std::to_string(r.players), std::to_string(r.matches),
            std::to_string(2 * r.matches - r.players), std::to_string(r.given)};
}

}  // namespace

std::string englishPairs(const PairsRefusal& refusal) {
    return filledIn(kWordings[static_cast<std::size_t>(refusal.problem)].english, values(refusal));
}

std::string koreanPairs(const PairsRefusal& refusal) {
    return filledIn(kWordings[static_cast<std::size_t>(refusal.problem)].korean, values(refusal));
}

}  // namespace rl::event
