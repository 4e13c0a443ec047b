#include "text/result_view.h"

#include "text/pieces.h"

namespace rl {

namespace {

using pieces::kLongName;

std::string buildTableText(const AssignmentState& state, Host& host) {
    const std::size_t groups = groupCountOf(state);
    const std::size_t places = pieces::groupSizeOf(state);
    std::string text;
    text.reserve(groups * 6 + places * groups * (kLongName + 2));

    for (std::size_t g = 0; g < groups; ++g) {
        text += "< ";
        text += static_cast<char>('A' + g);
        text += " >\t";
    }
    for (std::size_t p = 0; p < places; ++p) {
        for (std::size_t g = 0; g < groups; ++g) {
            text += g == 0 ? "\r\n" : "\t";
            text += nameOf(host, ListKind::Participants, pieces::placeOf(state, g, p));
        }
    }
    return text;
}

void appendSideCell(std::string& text, Host& host, const Cell& cell) {
    pieces::appendSide(text, host, cell);
    text += '\t';
}

// A named match's name stands in a column after the map's.
void appendStageCell(std::string& text, const AssignmentState& state, int number) {
    std::string stage;
    pieces::appendStage(stage, state.settings, number);
    if (stage.empty()) return;
    if (text.back() != '\t') text += '\t';
    text += stage;
}

std::string buildScheduleText(const AssignmentState& state, Host& host, std::size_t group) {
    std::string text;
    if (group >= groupCountOf(state)) {
        return text;
    }
    const auto lines = static_cast<std::size_t>(shownMatchCount(state, group));
    text.reserve(lines * (3 * kLongName + 24));

    forEachMatch(state, group, [&](int k, const Match& match, const Cell& first, const Cell& second) {
        if (k > 0) {
            text += "\r\n";
        }
        pieces::appendMatchNumber(text, k + 1);
        text += '\t';
        appendSideCell(text, host, first);
        if (match.second == kNone) {
            text += "\t\t(부전승)";
        } else {
            text += "[vs]\t";
            appendSideCell(text, host, second);
            // A series' games and maps take a line of their own: the window keeps its width.
            if (state.settings.bestOf > 1) text += "\r\n\t";
            pieces::appendMatchMaps(text, host, state.settings.bestOf, pieces::shownMaps(state, match));
        }
        appendStageCell(text, state, k + 1);
    });
    return text;
}

}  // namespace

ResultView buildResultView(const AssignmentState& state, Host& host, int group) {
    ResultView view;
    view.tableText = buildTableText(state, host);
    if (group >= 0) {
        view.scheduleText = buildScheduleText(state, host, static_cast<std::size_t>(group));
    }
    return view;
}

}  // namespace rl
