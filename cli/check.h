#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace rl::cli {

// The first line, from 1, at which two texts differ; a line is taken with
// its line end, so a missing or changed line end counts too. A text that
// has ended shows as nothing.
struct LineDifference {
    int number = 0;
    std::optional<std::string_view> expected;
    std::optional<std::string_view> found;
};

std::optional<LineDifference> firstDifference(std::string_view expected, std::string_view found);

// A line for a person: its CR LF or LF end left off, other control bytes
// and whatever does not convert written as escapes (\r, \xNN).
std::string showLine(std::optional<std::string_view> line, bool cp949);

}  // namespace rl::cli
