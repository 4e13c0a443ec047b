#include "text/export_text.h"

#include "text/pieces.h"

namespace rl {

namespace {

using pieces::kLongName;

// Cell widths of the export file, in bytes.
constexpr std::size_t kNameCell = 25;
constexpr std::size_t kNumberCell = 10;
constexpr std::size_t kVsCell = 10;
// A bye mark stands where the "[vs]" cell and the second side would be.
constexpr std::size_t kByeIndent = kVsCell + kNameCell;

void appendCell(std::string& out, std::string_view text, std::size_t width) {
    const std::size_t start = out.size();
    out += text;
    pieces::padCell(out, start, width);
}

void appendSideCell(std::string& out, Host& host, const Cell& cell) {
    const std::size_t start = out.size();
    pieces::appendSide(out, host, cell);
    pieces::padCell(out, start, kNameCell);
}

// A match with a stage name (stageName) has it in a column of its own
// after the map.
void appendStageCell(std::string& out, const AssignmentState& state, std::size_t lineStart, int number, bool bye) {
    std::string stage;
    pieces::appendStage(stage, state.settings, number);
    if (stage.empty()) return;
    if (state.settings.mapsEnabled || bye) out += ' ';
    pieces::padCell(out, lineStart, kNumberCell + 2 * kNameCell + kVsCell);
    out += stage;
}

void appendMatchLine(std::string& out, const AssignmentState& state, Host& host, int k, const Match& match,
                     const Cell& first, const Cell& second) {
    const std::size_t start = out.size();
    pieces::appendMatchNumber(out, k + 1);
    pieces::padCell(out, start, kNumberCell);
    appendSideCell(out, host, first);
    if (match.second == kNone) {
        out.append(kByeIndent, ' ');
        out += "(부전승)";
    } else {
        appendCell(out, "[vs]", kVsCell);
        appendSideCell(out, host, second);
        pieces::appendMatchMaps(out, host, state.settings.bestOf, pieces::shownMaps(state, match));
    }
    appendStageCell(out, state, start, k + 1, match.second == kNone);
    out += "\r\n";
}

void appendGroupText(std::string& out, const AssignmentState& state, Host& host, std::size_t group) {
    out += "\r\n< ";
    out += static_cast<char>('A' + group);
    out += "조 세부 대진 >\r\n";
    forEachMatch(state, group, [&](int k, const Match& match, const Cell& first, const Cell& second) {
        appendMatchLine(out, state, host, k, match, first, second);
    });
}

void appendTableText(std::string& out, const AssignmentState& state, Host& host) {
    const std::size_t groups = groupCountOf(state);
    const std::size_t places = pieces::groupSizeOf(state);
    for (std::size_t g = 0; g < groups; ++g) {
        const char label[] = {'<', ' ', static_cast<char>('A' + g), ' ', '>'};
        appendCell(out, std::string_view(label, sizeof label), kNameCell);
    }
    for (std::size_t p = 0; p < places; ++p) {
        out += "\r\n";
        for (std::size_t g = 0; g < groups; ++g) {
            appendCell(out, nameOf(host, ListKind::Participants, pieces::placeOf(state, g, p)), kNameCell);
        }
    }
    out += "\r\n\r\n";
}

std::size_t tableTextEstimate(const AssignmentState& state) {
    const std::size_t groups = groupCountOf(state);
    return (pieces::groupSizeOf(state) + 1) * (groups * kLongName + 2) + 4;
}

std::size_t groupTextEstimate(const AssignmentState& state, std::size_t group) {
    const auto lines = static_cast<std::size_t>(shownMatchCount(state, group));
    return 24 + lines * (3 * kLongName + kNumberCell + kVsCell + 4);
}

}  // namespace

std::string exportTableText(const AssignmentState& state, Host& host) {
    std::string text;
    text.reserve(tableTextEstimate(state));
    appendTableText(text, state, host);
    return text;
}

std::string exportGroupText(const AssignmentState& state, Host& host, int group) {
    std::string text;
    if (group < 0 || static_cast<std::size_t>(group) >= groupCountOf(state)) {
        return text;
    }
    const auto g = static_cast<std::size_t>(group);
    text.reserve(groupTextEstimate(state, g));
    appendGroupText(text, state, host, g);
    return text;
}

std::string exportFileText(const AssignmentState& state, Host& host) {
    const std::size_t groups = groupCountOf(state);
    std::size_t estimate = tableTextEstimate(state);
    for (std::size_t g = 0; g < groups; ++g) {
        estimate += groupTextEstimate(state, g);
    }
    std::string text;
    text.reserve(estimate);
    appendTableText(text, state, host);
    for (std::size_t g = 0; g < groups; ++g) {
        appendGroupText(text, state, host, g);
    }
    return text;
}

}  // namespace rl
