#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "engine/seeding.h"
#include "standings/results.h"

namespace rl::cli {

// How the draw was seeded, as the JSON reports it.
struct SeedInfo {
    std::uint32_t seed = 0;
    std::optional<std::string> text;  // UTF-8; only for a seed taken from a text
};

// A name of the lists (CP949) as UTF-8, or nothing when it does not convert.
using NameToUtf8 = std::function<std::optional<std::string>(std::string_view)>;

// The whole event for other programs: settings, and per group its members,
// matches and standings. UTF-8 JSON ending in a line end; nothing when a
// name does not convert. With `seeding` (a seeded draw) the settings say so
// and each group lists its members' pots and tags beside their names.
std::optional<std::string> eventJson(const AssignmentState& state, const Results& results, Host& host,
                                     const SeedInfo& seed, const NameToUtf8& toUtf8,
                                     const Seeding* seeding = nullptr);

}  // namespace rl::cli
