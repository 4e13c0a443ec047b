#include "page/page.h"

namespace rl::page {

namespace {

// Converts names and remembers a failure, so that one check at the end
// refuses the whole page.
class Names {
public:
    Names(Host& host, const ToUtf8& toUtf8) : host_(host), toUtf8_(toUtf8) {}

    std::string of(ListKind list, Pos index) {
        if (index == kNone) return {};
        auto utf8 = toUtf8_(nameOf(host_, list, index));
        if (!utf8) failed_ = true;
        return utf8.value_or("");
    }
    bool failed() const { return failed_; }

private:
    Host& host_;
    const ToUtf8& toUtf8_;
    bool failed_ = false;
};

MatchView matchView(const MatchState& m, Names& names) {
    MatchView v;
    v.number = m.number;
    v.round = m.round;
    v.first = {names.of(ListKind::Participants, m.first), m.firstFrom};
    v.second = {names.of(ListKind::Participants, m.second), m.secondFrom};
    v.bye = m.bye;
    v.map = names.of(ListKind::Maps, m.map);
    v.score = m.score;
    if (!m.bye && m.winner != kNone) v.winner = m.winner == m.first ? 1 : 2;
    return v;
}

RowView rowView(const Standing& s, Names& names) {
    return {s.rank, names.of(ListKind::Participants, s.player), {}, s.played, s.wins, s.losses, s.mapsWon, s.mapsLost};
}

}  // namespace

std::optional<SectionView> groupSection(const AssignmentState& state, const Results& results, Host& host, int group,
                                        const ToUtf8& toUtf8) {
    Names names(host, toUtf8);
    SectionView section;
    section.key = std::string(1, static_cast<char>('a' + group));
    section.heading = std::string(1, static_cast<char>('A' + group)) + u8"조";
    section.knockOut = state.settings.tournament;
    for (Pos p : state.groupTable[static_cast<std::size_t>(group)]) {
        if (p != kNone) section.members.push_back(names.of(ListKind::Participants, p));
    }
    const GroupStandings standings = groupStandings(state, results, group);
    for (const MatchState& m : standings.matches) section.matches.push_back(matchView(m, names));
    for (const Standing& s : standings.standings) section.table.push_back(rowView(s, names));
    if (names.failed()) return std::nullopt;
    return section;
}

std::optional<PageView> pageViewOf(const AssignmentState& state, const Results& results, Host& host,
                                   const Header& header, const ToUtf8& toUtf8) {
    PageView view;
    view.header = header;
    view.settings = state.settings;
    view.participantCount = state.settings.participantCount;
    for (std::size_t g = 0; g < state.groupTable.size(); ++g) {
        auto section = groupSection(state, results, host, static_cast<int>(g), toUtf8);
        if (!section) return std::nullopt;
        view.groups.push_back(std::move(*section));
    }
    return view;
}

}  // namespace rl::page
