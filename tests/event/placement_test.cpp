// Groups placed by hand: a placement written from a draw places that very
// draw, the window's marks and the file's lines meet in one placement, and
// whatever does not fit is refused with its reason.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <random>

#include "cases.h"
#include "event_walk.h"
#include "event/placement.h"
#include "platform/encoding.h"
#include "platform/front_end.h"
#include "resources/placement.h"

namespace rl::event {
namespace {

const PlacementCodec kCodec{platform::isValidUtf8, platform::utf8ToCp949, platform::cp949ToUtf8};

// The event file as JSON, without what the participants' order decides and
// the placement's mark. The races are the participants' in their order, and
// the file written from a draw here names none.
nlohmann::json withoutOrderAndMark(const Event& event) {
    auto json = nlohmann::json::parse(*writeEvent(event, platform::eventFrontEnd()));
    for (const char* key : {"participants", "fingerprint", "formatVersion", "races", "playerStats"}) json.erase(key);
    json["settings"].erase("placedByHand");
    return json;
}

std::string placementFileOf(const Event& event) {
    std::string file = "# written from a draw\n";
    for (std::size_t g = 0; g < event.state.groupTable.size(); ++g) {
        for (Pos p : event.state.groupTable[g]) {
            if (p != kNone) file += std::string(1, static_cast<char>('A' + g)) + "\t" + *platform::cp949ToUtf8(event.participants[static_cast<std::size_t>(p)]) + "\n";
        }
    }
    return file;
}

// Every place, pair and map (drawn at random or dealt) comes out as drawn:
// the participants are the file's, in its order, and that is all.
TEST(Placement, AFileWrittenFromAnyDrawPlacesTheSameEvent) {
    std::mt19937 generator(20261209);
    const test::Pick pick = [&](unsigned n) { return static_cast<unsigned>(generator() % n); };
    for (int placed = 0; placed < 300;) {
        const std::optional<Event> drawn = test::randomEvent(pick);
        if (!drawn || drawn->seeded || drawn->placedByHand) continue;
        ++placed;
        const Settings& s = drawn->state.settings;
        PlacementText text = readPlacementText(placementFileOf(*drawn), s.groupCount, s.groupSize, kCodec);
        ASSERT_TRUE(text.fault.ok()) << englishPlacementFault(text.fault);
        ListHost host = hostFor(*drawn);
        host.participants = text.placement.participants;
        DrawChoices choices = drawChoices(*drawn);
        choices.placement = std::move(text.placement);
        // The participants are now in the file's order, and their races with them.
        choices.seeding.races.clear();
        for (const auto& row : drawn->state.groupTable) {
            for (Pos p : row) {
                if (p != kNone) choices.seeding.races.push_back(raceOf(*drawn, static_cast<std::size_t>(p)));
            }
        }
        DrawOutcome again = drawEvent(host, choices);
        ASSERT_EQ(again.outcome, AssignOutcome::Assigned);
        again.event.drawnAt = drawn->drawnAt;
        again.event.title = drawn->title;
        EXPECT_TRUE(again.event.placedByHand);
        EXPECT_EQ(withoutOrderAndMark(again.event), withoutOrderAndMark(*drawn)) << placementFileOf(*drawn);
        std::vector<std::string> names = again.event.participants, before = drawn->participants;
        std::sort(names.begin(), names.end()), std::sort(before.begin(), before.end());
        EXPECT_EQ(names, before);
        EXPECT_EQ(drawDifference(again.event, platform::eventFrontEnd()).kind, Redraw::PlacedByHand);
    }
}

// A season replayed: four or six groups of four, each format; a group's
// places 1 and 2 open against each other, then 3 and 4, as its lines gave them.
TEST(Placement, FourAndSixGroupsOfFourOpenAsPlaced) {
    for (const int groups : {4, 6}) {
        for (const char* format : {"", "tournament", "tournament dual"}) {
            std::string lines;
            for (int i = 0; i < groups * 4; ++i) lines += std::string(1, static_cast<char>('A' + i / 4)) + "\tp" + std::to_string(i) + "\n";
            PlacementText text = readPlacementText(lines, groups, 4, kCodec);
            ListHost host = test::hostFrom(std::string("groups ") + std::to_string(groups) + " size 4 clock 3 " + format);
            host.participants = text.placement.participants;
            DrawChoices choices;
            choices.format = test::formatFrom(format);
            choices.placement = std::move(text.placement);
            const DrawOutcome placed = drawEvent(host, choices);
            ASSERT_EQ(placed.outcome, AssignOutcome::Assigned) << format;
            for (int g = 0; g < groups; ++g) {
                const Schedule& matches = placed.event.state.schedule[static_cast<std::size_t>(g)];
                const Pos first = static_cast<Pos>(4 * g);
                EXPECT_EQ(std::make_pair(matches[0].first, matches[0].second), std::make_pair(first, Pos(first + 1))) << format;
                EXPECT_EQ(std::make_pair(matches[1].first, matches[1].second), std::make_pair(Pos(first + 2), Pos(first + 3))) << format;
            }
        }
    }
}

// The window's marks: pasted lines take the registered participants in
// turn (two of one name each once), typed ones are checked when taken.
TEST(Placement, MarksAndLinesMakeOnePlacement) {
    const std::vector<std::string> registered = {"Kim", "Lee", "Kim", "Park"};
    const PlacementText text = readPlacementText("B\tKim\nA\tPark\nA\tKim\nB\tLee\n", 2, 2, kCodec);
    std::vector<PlaceMark> marks;
    ASSERT_TRUE(marksFromText(text, registered, kCodec, marks).ok());
    Placement placement;
    ASSERT_TRUE(placementFromMarks(marks, registered, 2, 2, kCodec, placement).ok());
    EXPECT_EQ(placement.groups, (std::vector<std::vector<Pos>>{{3, 2}, {0, 1}}));

    const PlacementText tooMany = readPlacementText("A\tKim\nA\tKim\n# and\nB\tKim\n", 2, 2, kCodec);
    EXPECT_EQ(englishPlacementFault(marksFromText(tooMany, registered, kCodec, marks)) + " @" + std::to_string(marksFromText(tooMany, registered, kCodec, marks).line),
              "'Kim' is not a registered participant (or is named more often than registered) @4");

    const std::pair<std::vector<PlaceMark>, const char*> faults[] = {
        {{{0, 1}, {0, 2}, {1, 1}, {-1, 0}}, u8"'Park' 선수의 조가 정해지지 않았습니다."},
        {{{0, 1}, {0, 3}, {1, 1}, {1, 2}}, u8"A조의 순서는 1부터 2까지입니다."},
        {{{0, 1}, {0, 1}, {1, 1}, {1, 2}}, u8"A조 1번 자리에 'Lee' 선수와 다른 선수가 함께 있습니다."},
        {{{0, 1}, {0, 2}, {1, 2}, {2, 1}}, u8"C조가 없습니다. 조는 A조부터 B조까지입니다."},
        {{{0, 1}, {0, 2}, {1, 2}}, u8"B조 1번 자리가 비어 있는데 뒤 자리에 선수가 있습니다. 조의 빈자리는 끝에 옵니다."},
    };
    for (const auto& [given, korean] : faults) {
        const std::vector<std::string> names(registered.begin(), registered.begin() + static_cast<long>(given.size()));
        EXPECT_EQ(koreanPlacementFault(placementFromMarks(given, names, 2, 2, kCodec, placement)), korean);
    }
}

// Placed in another order than registered, as the window places them, the
// event reads back whole.
TEST(Placement, GroupsPlacedOutOfTheListsOrderReadBack) {
    ListHost host = test::hostFrom("name Shine name Mini name Last name Snow name Rain groups 2 size 4 tournament clock 7");
    DrawChoices choices;
    choices.placement = Placement{host.participants, {{1, 2, 4}, {3, 0}}};
    DrawOutcome drawn = drawEvent(host, choices);
    ASSERT_EQ(drawn.outcome, AssignOutcome::Assigned);
    drawn.event.drawnAt = "2026-12-09T19:30:00";
    const auto bytes = writeEvent(drawn.event, platform::eventFrontEnd());
    const ReadOutcome read = readEvent(*bytes, platform::eventFrontEnd());
    ASSERT_TRUE(read.ok()) << read.error;
    EXPECT_EQ(writeEvent(*read.event, platform::eventFrontEnd()), bytes);
}

// The draw takes a placement only for the list it was made for, within the
// settings, and never with pots.
TEST(Placement, TheDrawRefusesAPlacementThatNoLongerFits) {
    ListHost host = test::hostFrom("name Kim name Lee name Park groups 2 size 2 clock 7");
    DrawChoices choices;
    choices.placement = Placement{{"Kim", "Lee", "Park"}, {{2}, {0, 1}}};
    EXPECT_EQ(drawEvent(host, choices).outcome, AssignOutcome::Assigned);
    const Placement unfit[] = {{{"Kim", "Lee", "Choi"}, {{2}, {0, 1}}}, {{"Kim", "Lee", "Park"}, {{2, 0, 1}}},
                               {{"Kim", "Lee", "Park"}, {{2}, {0}}},     {{"Kim", "Lee", "Park"}, {{2}, {0}, {1}}},
                               {{"Kim", "Lee", "Park"}, {{2, 2}, {0, 1}}}};
    for (const Placement& placement : unfit) {
        choices.placement = placement;
        host.shownMessages.clear();
        EXPECT_EQ(drawEvent(host, choices).outcome, AssignOutcome::Rejected);
        EXPECT_EQ(host.shownMessages, std::vector<int>{IDS_PLACEMENT_STALE});
    }
    choices.placement = Placement{{"Kim", "Lee", "Park"}, {{2}, {0, 1}}};
    choices.seeded = true;
    choices.seeding.pots = {1, 0, 0};
    host.shownMessages.clear();
    EXPECT_EQ(drawEvent(host, choices).outcome, AssignOutcome::Rejected);
    EXPECT_EQ(host.shownMessages, std::vector<int>{IDS_PLACEMENT_SEEDED});
}

}  // namespace
}  // namespace rl::event
