#include "standings/playoff_maps.h"

#include <algorithm>

#include "engine/forwarding_host.h"
#include "engine/schedule.h"
#include "engine/series.h"
#include "standings/playoff.h"

namespace rl {

namespace {

// Deals the playoff's maps from its own generator, leaving the draw's alone.
class SeededHost : public ForwardingHost {
public:
    SeededHost(Host& host, std::uint32_t seed) : ForwardingHost(host), seed_(seed) {}
    std::uint32_t now() override { return seed_; }

private:
    std::uint32_t seed_;
};

}  // namespace

bool validPlayoffLengths(const std::vector<int>& bestOf) {
    return bestOf.size() <= kMaxPlayoffLengths && std::all_of(bestOf.begin(), bestOf.end(), validBestOf);
}

int playoffRoundLength(const Playoff& playoff, int groupsBestOf, int back) {
    if (playoff.bestOf.empty()) return groupsBestOf;
    const auto given = static_cast<int>(playoff.bestOf.size());
    return playoff.bestOf[static_cast<std::size_t>(std::max(given - 1 - std::max(back, 0), 0))];
}

// The third-place match plays the semi-finals' length.
void setPlayoffLengths(std::vector<MatchState>& matches, int rounds, const Playoff& playoff, int groupsBestOf) {
    for (MatchState& m : matches) {
        m.bestOf = playoffRoundLength(playoff, groupsBestOf, m.losersMeet ? 1 : rounds - m.round);
    }
}

void dealPlayoffMaps(std::vector<MatchState>& matches, const AssignmentState& state, std::uint32_t seed, Host& host) {
    if (!state.settings.mapsEnabled) return;
    const std::uint32_t mixed = seed ^ kPlayoffSeedMix;
    SeededHost seeded(host, mixed);
    AssignmentState dealer;
    dealer.settings = state.settings;
    dealer.random.seed(mixed);
    for (MatchState& m : matches) {
        if (m.bye) continue;
        const auto maps = pickSeriesMaps(dealer, seeded, m.bestOf);
        if (!maps || maps->empty() || maps->front() == kNone) return;
        m.map = maps->front();
        m.laterMaps.assign(maps->begin() + 1, maps->end());
    }
}

}  // namespace rl
