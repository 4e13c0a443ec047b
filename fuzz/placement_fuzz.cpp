// Any bytes at all as a placement file, the first two choosing the groups
// and their places: the reader either refuses them with a line and a reason
// in both languages, or places groups that the draw takes as they are, that
// the event file writes and reads back whole, and that written again as
// lines read back the same.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "event/draw.h"
#include "event/placement.h"
#include "platform/encoding.h"
#include "platform/front_end.h"

namespace {

void require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}

const rl::event::PlacementCodec kCodec{rl::platform::isValidUtf8, rl::platform::utf8ToCp949, rl::platform::cp949ToUtf8};

std::string linesOf(const rl::Placement& placement) {
    std::string lines;
    for (std::size_t g = 0; g < placement.groups.size(); ++g) {
        for (rl::Pos p : placement.groups[g]) {
            lines += std::string(1, static_cast<char>('a' + g)) + "\t" +
                     *rl::platform::cp949ToUtf8(placement.participants[static_cast<std::size_t>(p)]) + "\r\n";
        }
    }
    return lines;
}

// Each group's names in place order: what the lines say, whatever order they come in.
std::vector<std::vector<std::string>> groupNames(const rl::Placement& placement) {
    std::vector<std::vector<std::string>> names;
    for (const auto& row : placement.groups) {
        names.emplace_back();
        for (rl::Pos p : row) names.back().push_back(placement.participants[static_cast<std::size_t>(p)]);
    }
    return names;
}

// The same bytes with a race column: a race for every name, and written
// back as lines in their order, the race by its letter, the same names,
// groups and races.
void checkRaces(std::string_view bytes, int groups, int places) {
    const rl::event::PlacementText text = rl::event::readPlacementText(bytes, groups, places, kCodec, true);
    if (!text.fault.ok()) {
        require(!rl::event::englishPlacementFault(text.fault).empty(), "a refusal is worded");
        return;
    }
    require(text.races.size() == text.placement.participants.size(), "a race for every name");
    std::vector<std::size_t> groupOf(text.placement.participants.size());
    for (std::size_t g = 0; g < text.placement.groups.size(); ++g) {
        for (rl::Pos p : text.placement.groups[g]) groupOf[static_cast<std::size_t>(p)] = g;
    }
    std::string lines;
    for (std::size_t p = 0; p < groupOf.size(); ++p) {
        lines += std::string(1, static_cast<char>('A' + groupOf[p])) + "\t" +
                 *rl::platform::cp949ToUtf8(text.placement.participants[p]) + "\t" +
                 std::string(rl::raceLetter(text.races[p])) + "\n";
    }
    const rl::event::PlacementText again = rl::event::readPlacementText(lines, groups, places, kCodec, true);
    require(again.fault.ok() && again.placement.participants == text.placement.participants &&
                groupNames(again.placement) == groupNames(text.placement) && again.races == text.races,
            "written as lines with races, the same groups and races");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    if (size < 2) return 0;
    const int groups = 1 + data[0] % rl::kMaxGroups, places = 1 + data[1] % rl::kMaxGroupSize;
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 2, size - 2);
    rl::event::PlacementText text = rl::event::readPlacementText(bytes, groups, places, kCodec);
    checkRaces(bytes, groups, places);
    if (!text.fault.ok()) {
        require(text.fault.line >= 1, "a refusal names its line");
        require(!rl::event::englishPlacementFault(text.fault).empty() && !rl::event::koreanPlacementFault(text.fault).empty(),
                "a refusal is worded");
        return 0;
    }
    const rl::event::PlacementText again = rl::event::readPlacementText(linesOf(text.placement), groups, places, kCodec);
    require(again.fault.ok() && groupNames(again.placement) == groupNames(text.placement), "written as lines, the same groups");
    if (text.placement.participants.empty()) return 0;

    rl::ListHost host;
    host.participants = text.placement.participants;
    host.groupCountText = std::to_string(groups);
    host.groupSizeText = std::to_string(places);
    rl::event::DrawChoices choices;
    choices.placement = text.placement;
    rl::event::DrawOutcome drawn = rl::event::drawEvent(host, choices);
    require(drawn.outcome == rl::AssignOutcome::Assigned, "the draw takes what the reader placed");
    for (std::size_t g = 0; g < text.placement.groups.size(); ++g) {
        const auto& row = drawn.event.state.groupTable[g];
        require(std::equal(text.placement.groups[g].begin(), text.placement.groups[g].end(), row.begin()), "as placed");
    }
    drawn.event.drawnAt = "2026-12-09T19:30:00";
    const auto frontEnd = rl::platform::eventFrontEnd();
    const auto written = rl::event::writeEvent(drawn.event, frontEnd);
    require(written.has_value(), "the event writes");
    const rl::event::ReadOutcome read = rl::event::readEvent(*written, frontEnd);
    require(read.ok() && read.event->placedByHand, "the event reads back, placed by hand");
    require(rl::event::writeEvent(*read.event, frontEnd) == written, "written again the same");
    return 0;
}
