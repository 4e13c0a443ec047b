#include "page/event_page.h"

#include <algorithm>

#include "event/actions.h"
#include "page/page.h"
#include "page/team_html.h"

namespace rl::page {

std::string titleFromFileName(std::string_view path) {
    const std::size_t slash = path.find_last_of("/\\");
    if (slash != std::string_view::npos) path.remove_prefix(slash + 1);
    const std::size_t dot = path.rfind('.');
    if (dot != std::string_view::npos && dot > 0) path = path.substr(0, dot);
    return std::string(path);
}

std::string pageTitle(const event::Event& event, std::string_view fileName) {
    if (event.title) return event.title->empty() ? kDefaultTitle : *event.title;
    const std::string fromFile = titleFromFileName(fileName);
    // The window program's own autosaves, "autosave" and "autosave-2" and on, name no event.
    const std::string autosave = titleFromFileName(event::kAutosaveFileName);
    const bool ownAutosave = fromFile.compare(0, autosave.size(), autosave) == 0 &&
                             (fromFile.size() == autosave.size() ||
                              (fromFile[autosave.size()] == '-' &&
                               fromFile.find_first_not_of("0123456789", autosave.size() + 1) == std::string::npos));
    if (fromFile.empty() || ownAutosave) return kDefaultTitle;
    return fromFile;
}

namespace {

// Beside each member who came in by a replacement, the one they replaced.
bool markReplacements(PageView& view, const event::Event& event, const event::FrontEnd& frontEnd) {
    const auto replacedBy = [&](Pos p) -> std::optional<std::string> {
        for (const event::Change& c : event.changes) {
            if (c.kind == event::ChangeKind::Replacement && c.other == p) {
                return frontEnd.toUtf8(event.participants[static_cast<std::size_t>(c.player)]);
            }
        }
        return std::string();
    };
    if (std::none_of(event.changes.begin(), event.changes.end(),
                     [](const event::Change& c) { return c.kind == event::ChangeKind::Replacement; })) {
        return true;
    }
    for (std::size_t g = 0; g < view.groups.size(); ++g) {
        for (Pos p : event.state.groupTable[g]) {
            if (p == kNone) continue;
            const auto name = replacedBy(p);
            if (!name) return false;
            view.groups[g].replaced.push_back(*name);
        }
    }
    return true;
}

}  // namespace

std::optional<std::string> eventPage(const event::Event& event, Host& host, const event::FrontEnd& frontEnd,
                                     const std::string& fileTitle) {
    Header header;
    header.title = event.title.value_or(fileTitle);
    header.drawnAt = event.drawnAt;
    header.seed = event.seed;
    header.seedText = event.seedText;
    header.fingerprint = event::fingerprint(event, frontEnd);
    header.program = "Rosterloom " ROSTERLOOM_VERSION;
    header.placedByHand = event.placedByHand;
    const std::optional<RaceStats> stats = event::eventRaceStats(event);
    auto view = pageViewOf(event.state, event.results, host, header, frontEnd.toUtf8,
                           event.playoff.perGroup ? &event.playoff : nullptr, event.seeded ? &event.seeding : nullptr,
                           event.seeding.races, stats ? &*stats : nullptr);
    if (!view || !markReplacements(*view, event, frontEnd)) return std::nullopt;
    if (event.teams && !addTeams(*view, event, frontEnd.toUtf8)) return std::nullopt;
    return renderPage(*view);
}

}  // namespace rl::page
