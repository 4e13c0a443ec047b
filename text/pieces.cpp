#include "text/pieces.h"

#include <charconv>

namespace rl::pieces {

namespace {

void appendNumber(std::string& out, int number) {
    char digits[16];
    const auto result = std::to_chars(digits, digits + sizeof digits, number);
    out.append(digits, result.ptr);
}

}  // namespace

void appendMatchNumber(std::string& out, int number) {
    if (number >= 0 && number < 10) {
        out += ' ';
    }
    appendNumber(out, number);
    out += "경기:";
}

void appendWinnerOf(std::string& out, int number) {
    out += '<';
    appendNumber(out, number);
    out += "경기 승자>";
}

void appendLoserOf(std::string& out, int number) {
    out += '<';
    appendNumber(out, number);
    out += "경기 패자>";
}

void appendSide(std::string& out, Host& host, const Cell& cell) {
    if (cell.from == 0) {
        out += nameOf(host, ListKind::Participants, cell.player);
    } else if (cell.loser) {
        appendLoserOf(out, cell.from);
    } else {
        appendWinnerOf(out, cell.from);
    }
}

void appendStage(std::string& out, const Settings& settings, int number) {
    const char* name = settings.dual ? dualMatchName(number) : nullptr;
    if (name) {
        out += '(';
        out += name;
        out += ')';
    }
}

int shownMatchCount(const AssignmentState& state, std::size_t group) {
    if (group >= state.matchCount.size() || group >= state.schedule.size()) {
        return 0;
    }
    const int count = state.matchCount[group];
    const int capacity = static_cast<int>(state.schedule[group].size());
    return std::max(0, std::min(count, capacity));
}

}  // namespace rl::pieces
