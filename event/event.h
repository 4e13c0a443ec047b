#pragma once
// The event file: one UTF-8 JSON file that holds a whole event (its inputs,
// the draw as it was drawn, and the results), read and written by both the
// window program and rosterloom-cli. Portable: no platform header.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/assignment.h"
#include "engine/list_host.h"
#include "engine/seeding.h"
#include "event/refusal.h"
#include "standings/playoff.h"
#include "team/league.h"

namespace rl::event {

// Larger files are refused before they are parsed.
constexpr std::size_t kMaxEventFileBytes = 1u << 20;
constexpr std::size_t kMaxTitleBytes = 200;

// The window program keeps its event, as it changes, in a file of this name.
constexpr const char* kAutosaveFileName = "autosave.json";

// The file's "format" and the newest "formatVersion" this program reads.
// An event that uses none of the settings added since version 1 (a named
// group format, series lengths) is written as version 1, byte for byte as
// before them.
constexpr const char* kFormatName = "rosterloom-event";
constexpr int kFormatVersion = 2;
// The settings' "format" (version 2) of the group formats that a file
// names; a league and a plain knock-out are told by "tournament" alone.
struct FormatWord {
    GroupFormat format;
    const char* word;
};
inline constexpr FormatWord kFormatWords[] = {{GroupFormat::Dual, "dual"}};
// The word of the format, or nullptr where the file does not name it.
inline const char* formatWord(GroupFormat format) {
    for (const FormatWord& f : kFormatWords) {
        if (f.format == format) return f.word;
    }
    return nullptr;
}
// The withdrawal rules as the file names them (version 2), and the mark of
// a walkover that a withdrawal made.
constexpr const char* kWalkoverRule = "walkovers";
constexpr const char* kVoidRule = "void";
constexpr const char* kWithdrawalWalkover = "withdrawal";

// What each front end brings from its platform: the programs hold names in
// code page 949 and the file holds UTF-8; the fingerprint needs SHA-256.
// Nothing when a text does not convert or the hash cannot be computed.
struct FrontEnd {
    std::function<std::optional<std::string>(std::string_view)> toUtf8;    // CP949 -> UTF-8
    std::function<std::optional<std::string>(std::string_view)> fromUtf8;  // UTF-8 -> CP949
    std::function<std::optional<std::string>(std::string_view)> sha256;   // 32 raw bytes
};

// A change made to the draw before play, in the order made. A replacement
// puts a new participant (`other`, appended to the participants) in
// `player`'s place, matches and pot; a swap trades the places of `player`
// and `other`. The event's state holds the draw after its changes; the draw
// as drawn follows from undoing them (drawnEvent). A move takes `player` out
// of place `fromPlace` of group `fromGroup` (the members after him move up)
// to the first empty place of group `toGroup`, and both groups' matches are
// made again (moveMatches); `maps` keeps the dealt maps of the matches that
// went, so that undoing it gives them back.
enum class ChangeKind { Replacement, Swap, Move };
struct Change {
    ChangeKind kind = ChangeKind::Replacement;
    Pos player = kNone;
    Pos other = kNone;
    int fromGroup = -1;
    int fromPlace = -1;
    int toGroup = -1;
    std::vector<Pos> maps{};
};
// So many changes at most: each replacement adds a participant.
constexpr std::size_t kMaxChanges = 64;

struct Event {
    // Inputs. Names are CP949, in registration order.
    std::vector<std::string> participants;
    std::vector<std::string> maps;
    std::uint32_t seed = 0;
    std::optional<std::string> seedText;  // UTF-8; only for a seed taken from a text

    // When the draw was made, local time, "YYYY-MM-DDTHH:MM:SS"; and the
    // version of the program that wrote the file (filled in by the writer).
    std::string drawnAt;
    std::string program;
    // UTF-8: the event's name, as its web page shows it; not an input of the draw.
    std::optional<std::string> title;

    // The seeded draw: whether it was chosen, and each participant's pot and
    // tag (CP949). The file holds them only for a seeded draw. The races
    // (seeding.races, the replacements' new players too) belong to every
    // event, seeded or not; the file holds them when any is given.
    bool seeded = false;
    Seeding seeding;

    // Groups placed by hand, not drawn: the places are the organiser's,
    // and there is no draw to repeat.
    bool placedByHand = false;

    // The draw as it was drawn, with its settings (state.settings), and the
    // results entered since.
    AssignmentState state;
    Results results;
    // The playoff after the groups, once made (perGroup 0: none).
    Playoff playoff;
    // Replacements and swaps since the draw; the participants end with the
    // replacements' new players, in the same order.
    std::vector<Change> changes;

    // A team league: the participants are teams, each with its roster, and
    // their matches are played in sets. Nothing for a players' event.
    std::optional<team::TeamLeague> teams;
};

// A file read: the event, or one message that names the place of the
// fault (a JSON pointer, or the byte offset of a syntax error).
struct ReadOutcome {
    std::optional<Event> event;
    std::string error;  // UTF-8, in English; empty when read
    Refusal refusal;    // what `error` says, as data; only when not read

    bool ok() const { return event.has_value(); }
};

// The refusal in Korean (UTF-8), its place as it stands; empty when read.
std::string koreanRefusal(const ReadOutcome& outcome);

ReadOutcome readEvent(std::string_view bytes, const FrontEnd& frontEnd);

// The whole file, ending in a line end; nothing when a name does not convert.
std::optional<std::string> writeEvent(const Event& event, const FrontEnd& frontEnd);

// SHA-256 (lower-case hex) of the inputs' canonical form; the same on every
// platform for the same inputs.
std::string fingerprint(const Event& event, const FrontEnd& frontEnd);

// "YYYY-MM-DDTHH:MM:SS", the form of Event::drawnAt, and whether a text has it.
std::string dateTimeText(int year, int month, int day, int hour, int minute, int second);
bool isDateTimeText(std::string_view text);

// Whether any match of the event is played over more than one game.
bool usesSeries(const Event& event);

// The participants the draw was drawn from: all but the replacements' new players.
std::size_t inputCount(const Event& event);
// Participant p's race (None past the end of the races).
Race raceOf(const Event& event, std::size_t p);
// Whether any of the first `count` participants has a race.
bool anyRaceGiven(const Event& event, std::size_t count);
// A change made to, or taken back from, a group table.
void applyChange(GroupTable& table, const Change& change);
void undoChange(GroupTable& table, const Change& change);
// The matches' players as the places now give them; their maps stay as dealt.
void pairAgain(AssignmentState& state);
// After a move (or its undoing) between the groups `groups`, their matches as
// the places now give them. A match of the same two cells as one before
// keeps its maps; every other match takes, game by game, the maps of
// `pool`, then of the matches that went, then the map list in turn from its
// first map. Gives the maps of the matches that went, game by game.
std::vector<Pos> moveMatches(AssignmentState& state, const AssignmentState& before, std::vector<int> groups,
                             const std::vector<Pos>& pool);
// The event as drawn, before its changes: its inputs and the draw, no results.
Event drawnEvent(const Event& event);

// The "formatVersion" the event is written as: 2 when it uses any setting
// added since version 1 (dual groups, series, walkovers and withdrawals,
// games as played, groups placed by hand, replacements and swaps, the
// playoff's own pairs, races, a team league).
int formatVersion(const Event& event);

// The event of a draw just made: the host's lists (CP949) and the state's
// draw and settings, with the seed the host's clock gave the draw.
Event eventFromDraw(const AssignmentState& state, const Results& results, Host& host, std::uint32_t seed,
                    std::optional<std::string> seedText, std::string drawnAt);

// The event's lists and settings as a host, its clock at the seed: where the
// texts and standings read the names, and what a new draw starts from.
ListHost hostFor(const Event& event);

// What drawing an event again from its inputs and seed gives. More kinds
// will come (a draw made by an earlier rule of the seeded draw): callers
// switch over the kinds with no default, so the compiler names every place
// that must learn a new one.
enum class Redraw {
    Same,           // every place and map as the event has them
    Differs,        // the draw is not the one its inputs and seed give
    CannotBeDrawn,  // the engine refuses the inputs: nothing to compare
    EarlierRule,    // drawn by an earlier rule of the seeded draw, which gives it again
    PlacedByHand,   // the groups were placed by hand: nothing was drawn
};

struct RedrawOutcome {
    Redraw kind = Redraw::Same;
    // UTF-8. Differs: the first group and place (or group and match, for a
    // map) where they part, with both names. CannotBeDrawn: why.
    std::string detail;
};

// Draws again from the event's inputs and seed and compares that with the
// event's draw.
// The draw before the event's changes.
RedrawOutcome drawDifference(const Event& event, const FrontEnd& frontEnd);
// The changes since the draw, one a line for a person (UTF-8, English).
std::vector<std::string> changeLines(const Event& event, const FrontEnd& frontEnd);

}  // namespace rl::event
