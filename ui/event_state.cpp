// The event the window program holds: one value, changed only here, and saved
// after every change. The windows keep their handles and what they show;
// what is saved, autosaved and made a page is this value, so nothing a
// window knows can be left out of the file.
#include "ui/app.h"  // windows.h first

#include <utility>

#include "engine/list_host.h"

namespace rl::ui {
namespace {

event::Event gEvent;
std::wstring gFile;  // the event file it was last opened from or saved as
ListHost gHost;      // the event's lists and settings, for its texts
event::DrawChoices gNextDraw;

void changed(HWND owner) {
    gHost = event::hostFor(gEvent);
    autosaveEvent(owner);
}

}  // namespace

const event::Event& theEvent() { return gEvent; }
const AssignmentState& assignment() { return gEvent.state; }
Host& eventHost() { return gHost; }
const std::wstring& eventFile() { return gFile; }
void noteEventFile(const std::wstring& path) { gFile = path; }

void takeEvent(HWND owner, event::Event event, const std::wstring& file) {
    gEvent = std::move(event);
    gFile = file;
    changed(owner);
}

event::DrawChoices& nextDraw() { return gNextDraw; }

void letEventGo() {
    releaseAssignment(gEvent.state);
    gEvent = event::Event();
    gFile.clear();
    gHost = ListHost();
}

bool changeEvent(HWND owner, const std::function<bool(event::Event&)>& change) {
    if (!change(gEvent)) return false;
    changed(owner);
    return true;
}

void recordEventResult(HWND owner, MatchKey key, Score score) {
    event::recordResult(gEvent, key, score);
    changed(owner);
}

void recordEventGames(HWND owner, MatchKey key, const std::vector<Game>& games) {
    event::recordGames(gEvent, key, games);
    changed(owner);
}

void clearEventResult(HWND owner, MatchKey key) {
    if (event::clearResult(gEvent, key)) changed(owner);
}

void settleEventTie(HWND owner, const SettledOrder& order) {
    if (event::settleTie(gEvent, order)) changed(owner);
}

PlayoffRefusal makeEventPlayoff(HWND owner, const event::PlayoffChoice& choice) {
    PlayoffRefusal refusal = event::makePlayoff(gEvent, choice);
    if (refusal.empty()) changed(owner);
    return refusal;
}

void giveEventWalkover(HWND owner, MatchKey key, Pos winner) {
    if (event::giveWalkover(gEvent, key, winner).ok()) changed(owner);
}

bool withdrawFromEvent(HWND owner, Pos player) {
    if (!event::withdraw(gEvent, player)) return false;
    changed(owner);
    return true;
}

bool takeBackEventWithdrawal(HWND owner, Pos player) {
    if (!event::takeBackWithdrawal(gEvent, player)) return false;
    changed(owner);
    return true;
}

event::ChangeRefusal replaceInEvent(HWND owner, Pos player, const std::string& by, std::vector<std::string> roster) {
    const event::ChangeRefusal refusal = event::replacePlayer(gEvent, player, by, Race::None, std::move(roster));
    if (refusal == event::ChangeRefusal::None) changed(owner);
    return refusal;
}

event::ChangeRefusal swapInEvent(HWND owner, Pos first, Pos second) {
    const event::ChangeRefusal refusal = event::swapPlayers(gEvent, first, second);
    if (refusal == event::ChangeRefusal::None) changed(owner);
    return refusal;
}

event::ChangeRefusal moveInEvent(HWND owner, Pos player, int group) {
    const event::ChangeRefusal refusal = event::movePlayer(gEvent, player, group);
    if (refusal == event::ChangeRefusal::None) changed(owner);
    return refusal;
}

void undoEventPlayoff(HWND owner) {
    event::undoPlayoff(gEvent);
    changed(owner);
}

}  // namespace rl::ui
