// A team league's page: every team match with its sets, the entries named
// before their sets, the ace set and the all-kills marked, the team tables
// and the players' records. Pinned by golden pages that the browser test
// (tests/browser) also lays out at a phone's width and prints.
#include <gtest/gtest.h>

#include "cases.h"
#include "event/actions.h"
#include "event/draw.h"
#include "page/event_page.h"
#include "platform/front_end.h"
#include "team/rules.h"

namespace rl::page {
namespace {

using team::TeamSet;

// One group drawn as a players' event, then made a team league.
struct TeamEvent {
    event::Event event;

    TeamEvent(const char* format, std::vector<std::string> teams, std::vector<std::vector<std::string>> rosters,
              const std::string& inputs = "") {
        ListHost host = test::hostFrom(inputs + " with-maps clock 33 groups 1 size " + std::to_string(teams.size()));
        host.participants = std::move(teams);
        host.maps = {"투혼", "<b>Fighting Spirit</b>", "서킷 브레이커", "네오 실피드", "매치 포인트"};
        event::DrawChoices choices;
        const auto f = std::get<team::TeamMatchFormat>(team::parseTeamMatchFormat(format));
        // The maps are dealt for the longest run of sets a match can take.
        choices.format.bestOf = f.kind == team::MatchKind::Sets ? f.length : 2 * f.length - 1;
        choices.teams = team::TeamLeague{f, std::move(rosters), {}};
        event::DrawOutcome drawn = event::drawEvent(host, choices);
        EXPECT_EQ(drawn.outcome, AssignOutcome::Assigned);
        event = std::move(drawn.event);
        event.teams = choices.teams;
        event.drawnAt = "2026-12-09T19:30:00";
        event.title = u8"팀 리그 <2026> & \"시즌 1\"";
    }
    // The sets as played, the entries named, and the match's score once the
    // sets decide it: a team that ran out loses the sets it could not play.
    void play(int match, std::vector<TeamSet> sets, std::vector<std::array<int, 2>> entries = {}) {
        const MatchKey key{0, match};
        const Match& m = event.state.schedule[0][static_cast<std::size_t>(match - 1)];
        const auto roster = [&](Pos team) {
            return static_cast<int>(event.teams->rosters[static_cast<std::size_t>(team)].size());
        };
        const team::TeamMatchRules rules{event.teams->format, {roster(m.first), roster(m.second)}};
        if (const auto score = team::decidedScore(rules, sets)) event.results.set(key, *score);
        event.teams->plays[key] = {std::move(entries), std::move(sets)};
    }
    std::string page() {
        ListHost host = event::hostFor(event);
        return eventPage(event, host, platform::eventFrontEnd(), "").value_or("");
    }
};

TeamSet won(int first, int second, Pos map = kNone) { return {{first, second}, true, map}; }
TeamSet lost(int first, int second, Pos map = kNone) { return {{first, second}, false, map}; }

// Sets with an ace match: one decided in the ace set by a player who had
// played before, one before it, one by a walkover, one under way with the
// next entries named, one with only one team's entries.
TEST(TeamPage, SetsWithAnAceMatch) {
    TeamEvent e("sets:5:ace", {"은빛 늑대", "붉은 여우", "푸른 매", "<불꽃> & \"오즈\""},
                {{"이영호", "고강민", "박재영", "김대엽", "배병우"},
                 {"김택용", "정명훈", "도재욱", "어윤수", "박재혁"},
                 {"송병구", "허영무", "이영한", "신노열", "김기현"},
                 {"이제동", "구성훈", "손주흥", "박준오", "하재상"}});
    e.play(1, {won(0, 0), lost(1, 1, 4), won(2, 2), lost(3, 3), won(0, 4)});
    e.play(2, {won(4, 0), won(3, 1), won(2, 2)}, {{4, 0}, {3, 1}, {2, 2}, {1, 3}});
    e.play(3, {lost(0, 1), won(1, 2), lost(2, 0), lost(3, 3)});
    e.event.results.set({0, 4}, team::teamWalkover(e.event.teams->format, team::kSecond));
    e.play(5, {won(0, 0), lost(1, 1)}, {{0, 0}, {1, 1}, {2, team::kNoEntry}, {3, 4}});
    e.play(6, {}, {{0, team::kNoEntry}, {1, team::kNoEntry}});
    const std::string page = e.page();
    test::expectGoldenFile("team-sets-page.html", page);
    EXPECT_EQ(page.find("<script>"), std::string::npos);
}

// Winner stays: an all-kill, a match won when the other team ran out of
// players, and one not played with its first players named.
TEST(TeamPage, WinnerStaysWithAnAllKill) {
    TeamEvent e("winner:3", {"화이트 크루", "블랙 크루", "레드 크루"},
                {{"Flash", "Jaedong", "Bisu"}, {"Stork", "Jangbi"}, {"Mini", "Rain", "Soulkey"}});
    for (int match = 1; match <= 3; ++match) {
        const Match& m = e.event.state.schedule[0][static_cast<std::size_t>(match - 1)];
        const bool twoPlayers = m.first == 1 || m.second == 1;
        // The team of two players is beaten out; the others' match ends in an all-kill.
        if (match == 3) e.play(match, {}, {{0, 0}});
        else if (!twoPlayers) e.play(match, {won(0, 0), won(0, 1), won(0, 2)});
        else if (m.first == 1) e.play(match, {lost(0, 0), won(1, 0), lost(1, 1)});
        else e.play(match, {won(0, 0), lost(0, 1), won(1, 1)});
    }
    test::expectGoldenFile("team-winner-page.html", e.page());
}

// A knock-out's bracket stays as it is; the sets of its matches follow it,
// of those with anything entered.
TEST(TeamPage, KnockOutSetsUnderTheBracket) {
    TeamEvent e("sets:3", {"Alpha", "Bravo", "Charlie", "Delta"},
                {{"A1", "A2", "A3"}, {"B1", "B2", "B3"}, {"C1", "C2", "C3"}, {"D1", "D2", "D3"}}, "tournament");
    e.play(1, {won(0, 1), lost(1, 0), won(2, 2)});
    e.play(2, {}, {{1, 0}});
    test::expectGoldenFile("team-knockout-page.html", e.page());
}

// With races: each player's mark beside the name in "선수 기록" and the sets
// against each race played; a player without a race has no mark, and his
// opponents' sets against him count against no race.
TEST(TeamPage, RacesInThePlayersRecords) {
    TeamEvent e("sets:3", {"은빛 늑대", "붉은 여우", "푸른 매"},
                {{"이영호", "이제동", "김택용"}, {"정명훈", "어윤수", "도재욱"}, {"송병구", "김정우", "<Unknown>"}});
    constexpr Race T = Race::Terran, Z = Race::Zerg, P = Race::Protoss, R = Race::Random, N = Race::None;
    e.event.teams->races = {{T, Z, P}, {T, Z, R}, {P, Z, N}};
    e.play(1, {won(0, 0), lost(1, 1), won(2, 2)});
    e.play(2, {won(0, 0), won(1, 1)});
    e.play(3, {lost(2, 2), won(1, 1), lost(0, 0)});
    const std::string page = e.page();
    test::expectGoldenFile("team-races-page.html", page);
    EXPECT_NE(page.find(u8"<th class=\"vs\">R전</th>"), std::string::npos);
}

// Three teams level in everything: the organiser's order is their places,
// each marked as a players' table marks it.
TEST(TeamPage, SettledPlacesMarked) {
    TeamEvent e("sets:3", {"Alpha", "Bravo", "Charlie"}, {{"A1", "A2"}, {"B1", "B2"}, {"C1", "C2"}});
    e.play(1, {won(0, 0), won(1, 1)});
    e.play(2, {lost(0, 0), lost(1, 1)});
    e.play(3, {won(0, 0), won(1, 1)});
    ASSERT_TRUE(event::settleTie(e.event, {0, {2, 0, 1}}));
    test::expectGoldenFile("team-settled-page.html", e.page());
}

}  // namespace
}  // namespace rl::page
