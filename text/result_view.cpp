#include "text/result_view.h"

#include "text/pieces.h"

namespace rl {

namespace {

using pieces::kLongName;

std::string buildTableText(const AssignmentState& state, Host& host) {
    const std::size_t groups = pieces::groupCountOf(state);
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

void appendSideCell(std::string& text, Host& host, Pos value, int offset) {
    pieces::appendSide(text, host, value, offset);
    text += '\t';
}

std::string buildScheduleText(const AssignmentState& state, Host& host, std::size_t group) {
    std::string text;
    if (group >= pieces::groupCountOf(state)) {
        return text;
    }
    const auto lines = static_cast<std::size_t>(pieces::shownMatchCount(state, group));
    text.reserve(lines * (3 * kLongName + 24));

    pieces::forEachMatch(state, group, [&](int k, const Match& match, int offset) {
        if (k > 0) {
            text += "\r\n";
        }
        pieces::appendMatchNumber(text, k + 1);
        text += '\t';
        appendSideCell(text, host, match.first, offset);
        if (match.second == kNone) {
            text += "\t\t(부전승)";
            return;
        }
        text += "[vs]\t";
        appendSideCell(text, host, match.second, offset);
        pieces::appendMatchMaps(text, host, state.settings.bestOf, pieces::shownMaps(state, match));
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
