// The page of a whole event, from the draw to the champion: pinned by a
// golden page, with the event's text beside it for the browser test
// (tests/browser) to hold the page against.
#include "page/page.h"
#include "page/event_page.h"

#include <gtest/gtest.h>

#include "cases.h"
#include "platform/encoding.h"
#include "standings/standings_text.h"

namespace rl::page {
namespace {

using test::expectGoldenFile;

// Three league groups whose lower row always wins, so no tie needs
// settling; the top two of each in a playoff with byes and a third-place
// match, every playoff match won 2:1 by its first player.
struct WholeEvent {
    ListHost host = test::hostFrom("groups 3 size 4 with-maps clock 2024");
    AssignmentState state;
    Results results;
    Playoff playoff{2, true, {}, {}, {}, {}};
    Header header{u8"2026 봄 <리그> & \"본선\"", "2026-03-14T19:30:00", 2024, std::nullopt, std::string(64, 'f'),
                  "Rosterloom 1.0"};

    WholeEvent() {
        host.maps = {"투혼", "<b>Fighting Spirit</b>", "서킷 브레이커"};
        host.participants = {"김하늘", "<script>alert(1)</script>", "Quill", "\"><img src=x onerror=alert(1)>",
                             "이바다", "Orrin", "Marlow", "Red Fox", "박서준", "Juniper", "Vesper", "O'Neil & Co"};
        EXPECT_EQ(assign(state, host), AssignOutcome::Assigned);
        for (int g = 0; g < 3; ++g) {
            for (int n = 1; n <= state.matchCount[static_cast<std::size_t>(g)]; ++n) results.set({g, n}, {2, 0});
        }
        for (const MatchState& m : playoffBracket(state, results, playoff, host.clock, host).matches) {
            if (!m.bye) playoff.results.set({kPlayoffGroup, m.number}, {2, 1});
        }
    }
    std::string page(const std::vector<Race>& races = {}) {
        const RaceStats stats = raceStats(countedGames(state, results, playoff, header.seed, host), races,
                                          host.participants.size(), host.maps.size());
        const auto view =
            pageViewOf(state, results, host, header, platform::cp949ToUtf8, &playoff, nullptr, races, &stats);
        EXPECT_TRUE(view && view->playoff);
        return view ? renderPage(*view) : "";
    }
};

TEST(Page, WholeEventWithPlayoff) {
    WholeEvent e;
    expectGoldenFile("playoff-page.html", e.page());
    expectGoldenFile("page-playoff.txt",
                     *platform::cp949ToUtf8(standingsFileText(e.state, e.results, e.host, e.playoff, e.host.clock)));
}

// Every player's race beside their name, in the groups, the schedules, the
// tables, the bracket and the final standings, and counted under each group,
// the playoff and the event; one player has none. Each map's record per
// matchup under the groups, each player's against each race in the final
// standings. Races that nobody has leave the page as it was.
TEST(Page, RacesBesideEveryPlayerAndCounted) {
    using R = Race;
    WholeEvent e;
    const std::vector<Race> races = {R::Terran, R::Zerg, R::Protoss, R::Random, R::Terran, R::Zerg,
                                     R::Protoss, R::Terran, R::Zerg, R::Protoss, R::None};
    const std::string page = e.page(races);
    expectGoldenFile("races-page.html", page);
    EXPECT_NE(page.find(u8"<li class=\"races\">테란 3, 저그 3, 프로토스 3, 랜덤 1</li>"), std::string::npos);
    EXPECT_EQ(e.page(std::vector<Race>(12, Race::None)), e.page());
}

// One heading for an event in both programs, whatever folder its file is in.
TEST(Page, TitleIsTheEventsElseItsFileNameButNeverTheAutosaves) {
    event::Event untitled, titled, emptyTitle;
    titled.title = u8"봄 리그 2026";
    emptyTitle.title = "";
    const struct {
        const event::Event& event;
        const char* file;
        std::string title;
    } cases[] = {
        {titled, "/home/kim/autosave.json", u8"봄 리그 2026"},
        {titled, "", u8"봄 리그 2026"},
        {emptyTitle, "evening.json", kDefaultTitle},
        {untitled, u8"C:\\대회\\봄 리그.json", u8"봄 리그"},
        {untitled, "/tmp/evening.v2.json", "evening.v2"},
        {untitled, "/home/kim/.rosterloom/autosave.json", kDefaultTitle},
        {untitled, u8"C:\\Users\\kim\\AppData\\Roaming\\Rosterloom\\autosave.json", kDefaultTitle},
        {untitled, "autosave-copy.json", "autosave-copy"},
        {untitled, "C:\\Rosterloom\\autosave-2.json", kDefaultTitle},
        {untitled, "autosave-2b.json", "autosave-2b"},
        {untitled, "", kDefaultTitle},
    };
    for (const auto& c : cases) EXPECT_EQ(pageTitle(c.event, c.file), c.title) << c.file;
}

}  // namespace
}  // namespace rl::page
