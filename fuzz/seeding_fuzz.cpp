// The seeded draw over arbitrary pots, tags and races: it keeps the rules or
// says why it cannot, draws the same again from the same seed, fills the
// groups as a plain draw would, and its event file reads back and
// reproduces.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>

#include "engine/seeding.h"
#include "event/event.h"
#include "fuzz/latin1.h"
#include "resources/seeding.h"
#include "tests/seed_rules.h"

namespace {

void require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}

void checkEventFile(const rl::AssignmentState& state, rl::ListHost& host, const rl::Seeding& seeding) {
    const rl::event::FrontEnd frontEnd{latin1, fromLatin1, [](std::string_view) { return std::string(32, '\1'); }};
    rl::event::Event event = rl::event::eventFromDraw(state, {}, host, host.clock, std::nullopt, "2026-12-07T19:30:00");
    event.seeded = true;
    event.seeding = seeding;
    const auto file = rl::event::writeEvent(event, frontEnd);
    require(file.has_value(), "event written");
    const rl::event::ReadOutcome read = rl::event::readEvent(*file, frontEnd);
    require(read.ok(), read.error.c_str());
    require(rl::event::drawDifference(*read.event, frontEnd).kind == rl::event::Redraw::Same,
            "the event file's seeded draw reproduces");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    rl::ListHost host;
    const int groups = in.ConsumeIntegralInRange(1, 8), places = in.ConsumeIntegralInRange(1, 8);
    host.groupCountText = std::to_string(groups), host.groupSizeText = std::to_string(places);
    host.spreadVacancies = in.ConsumeBool(), host.tournament = in.ConsumeBool();
    host.mapsEnabled = true, host.equalMaps = in.ConsumeBool(), host.maps = {"m0", "m1", "m2"};
    host.clock = in.ConsumeIntegral<std::uint32_t>();
    const int players = in.ConsumeIntegralInRange(1, groups * places);
    rl::Seeding seeding;
    for (int i = 0; i < players; ++i) {
        host.participants.push_back("p" + std::to_string(i));
        seeding.pots.push_back(in.ConsumeIntegralInRange(0, places));
        std::string tag = in.ConsumeBytesAsString(in.ConsumeIntegralInRange<std::size_t>(0, 2));
        for (char& c : tag) c = static_cast<char>('A' + static_cast<unsigned char>(c) % 4);  // few tags, many alike
        seeding.tags.push_back(tag);
    }
    seeding.spreadRaces = in.ConsumeBool();
    for (int i = 0; i < players && seeding.spreadRaces; ++i) seeding.races.push_back(static_cast<rl::Race>(in.ConsumeIntegralInRange(0, 4)));

    rl::AssignmentState seeded, again, plain;
    rl::SeedRefusal refusal;
    require(rl::assign(plain, host) == rl::AssignOutcome::Assigned, "the plain draw");
    if (rl::assignSeeded(seeded, host, seeding, refusal) != rl::AssignOutcome::Assigned) {
        const bool potsOrTags = refusal.stringId >= IDS_SEED_POT_OVERFULL && refusal.stringId <= IDS_SEED_TAGS_NOT_SPREAD;
        const bool races = refusal.stringId >= IDS_SEED_RACE_NOT_SPREAD && refusal.stringId <= IDS_SEED_RACES_TOO_MANY_POTS;
        require(potsOrTags || (seeding.spreadRaces && races), "refused for its pots, tags or races");
        require(!seeded.assigned(), "nothing left of a refused draw");
        return 0;
    }
    require(rl::test::brokenRule(seeded.groupTable, seeding, host.tournament, host.spreadVacancies).empty(),
            "the rules hold");
    require(seeded.memberCount == plain.memberCount, "the groups as full as a plain draw's");
    rl::assignSeeded(again, host, seeding, refusal);
    require(again.groupTable == seeded.groupTable, "the same seed draws the same");
    std::vector<int> placed(static_cast<std::size_t>(players), 0);
    for (const auto& row : seeded.groupTable) {
        for (rl::Pos p : row) {
            if (p != rl::kNone) ++placed[static_cast<std::size_t>(p)];
        }
    }
    require(std::count(placed.begin(), placed.end(), 1) == players, "everyone placed once");
    checkEventFile(seeded, host, seeding);
    return 0;
}
