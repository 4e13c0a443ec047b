#include "team/format.h"

#include <charconv>

namespace rl::team {

namespace {

constexpr std::string_view kSets = "sets:", kWinner = "winner:", kAce = ":ace";

Refusal refused(Refused why, std::string_view value, int low = 0, int high = 0) {
    return {why, {std::string(value), std::to_string(low), std::to_string(high)}};
}

// Digits only, and few enough to hold: "+5", " 5" and "05x" are not numbers.
bool readNumber(std::string_view text, int& value) {
    if (text.empty() || text.size() > 3 || text.find_first_not_of("0123456789") != std::string_view::npos) return false;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return true;
}

}  // namespace

std::variant<TeamMatchFormat, Refusal> parseTeamMatchFormat(std::string_view text) {
    const bool sets = text.substr(0, kSets.size()) == kSets;
    if (!sets && text.substr(0, kWinner.size()) != kWinner) return refused(Refused::UnknownFormat, text);
    std::string_view rest = text.substr(sets ? kSets.size() : kWinner.size());
    const std::size_t colon = sets ? rest.find(':') : std::string_view::npos;
    const std::string_view digits = rest.substr(0, colon);
    int n = 0;
    if (!readNumber(digits, n)) return refused(Refused::NotANumber, digits);
    if (!sets) {
        if (n < kMinWins || n > kMaxWins) return refused(Refused::WinsOutOfRange, digits, kMinWins, kMaxWins);
        return TeamMatchFormat{MatchKind::WinnerStays, n, false};
    }
    if (n < kMinSets || n > kMaxSets) return refused(Refused::SetsOutOfRange, digits, kMinSets, kMaxSets);
    if (n % 2 == 0) return refused(Refused::SetsEven, digits);
    const std::string_view suffix = colon == std::string_view::npos ? std::string_view{} : rest.substr(colon);
    if (!suffix.empty() && suffix != kAce) return refused(Refused::AceWord, suffix.substr(1));
    return TeamMatchFormat{MatchKind::Sets, n, !suffix.empty()};
}

std::string formatText(const TeamMatchFormat& format) {
    if (format.kind == MatchKind::WinnerStays) return std::string(kWinner) + std::to_string(format.length);
    return std::string(kSets) + std::to_string(format.length) + (format.ace ? std::string(kAce) : "");
}

}  // namespace rl::team
