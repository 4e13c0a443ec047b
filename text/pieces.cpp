#include "text/pieces.h"

#include <charconv>

#include "engine/series.h"

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

std::string seriesLengthText(int bestOf) {
    std::string text;
    appendNumber(text, bestOf);
    text += "전 ";
    appendNumber(text, gamesToWin(bestOf));
    text += "선승";
    return text;
}

void appendMatchMaps(std::string& out, Host& host, int bestOf, const std::vector<Pos>& maps) {
    const char* gap = "";
    if (bestOf > 1) {
        out += '(' + seriesLengthText(bestOf) + ')';
        gap = " ";
    }
    for (Pos map : maps) {
        out += gap;
        out += '<';
        out += nameOf(host, ListKind::Maps, map);
        out += '>';
        gap = " ";
    }
}

std::vector<Pos> shownMaps(const AssignmentState& state, const Match& match) {
    if (!state.settings.mapsEnabled) return {};
    return match.map == kNone ? std::vector<Pos>{kNone} : gameMaps(match);
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
    const char* name = stageName(settings.format, number);
    if (name) {
        out += '(';
        out += name;
        out += ')';
    }
}

}  // namespace rl::pieces
