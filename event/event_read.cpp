#include <algorithm>
#include <cstdint>
#include <optional>
#include <utility>

#include "engine/limits.h"
#include "engine/group_format.h"
#include "engine/random.h"
#include "engine/schedule.h"
#include "engine/series.h"
#include "event/json_limits.h"
#include "event/team_actions.h"
#include "team/format.h"
#include "team/team.h"
#include "standings/playoff.h"

namespace rl::event {

namespace {

using Json = detail::Document;  // what the file says
using Written = detail::Json;  // what the event gives
using detail::pointerTo;

constexpr std::size_t kMaxProgramBytes = 200;

// The first fault ends the reading; it travels up as a Refusal.
[[noreturn]] void refuse(const std::string& where, Refused why, std::vector<std::string> values = {}) {
    throw Refusal{why, where, std::move(values)};
}

std::string shownNumber(long long n) { return std::to_string(n); }

template <class AnyJson>
std::string jsonText(const AnyJson& value) {
    return value.dump(-1, ' ', false, AnyJson::error_handler_t::replace);
}

// A value as a message shows it: a long one cut (on a character's start).
template <class AnyJson>
std::string quoted(const AnyJson& value) {
    constexpr std::size_t kShown = 60;
    std::string text = jsonText(value);
    if (text.size() <= kShown) return text;
    std::size_t cut = kShown;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
    return text.substr(0, cut) + "...";
}

const Json& field(const Json& object, const std::string& where, const char* key) {
    const auto it = object.find(key);
    if (it == object.end()) refuse(where, Refused::NoKey, {key});
    return *it;
}

void requireObject(const Json& value, const std::string& where) {
    if (!value.is_object()) refuse(where, Refused::NotObject);
}

const Json& arrayOf(const Json& value, const std::string& where) {
    if (!value.is_array()) refuse(where, Refused::NotArray);
    return value;
}

bool boolean(const Json& value, const std::string& where) {
    if (!value.is_boolean()) refuse(where, Refused::NotBoolean);
    return value.get<bool>();
}

std::int64_t whole(const Json& value, const std::string& where, std::int64_t min, std::int64_t max) {
    if (!value.is_number_integer()) refuse(where, Refused::NotWhole);
    const bool tooLarge = value.is_number_unsigned() && value.get<std::uint64_t>() > static_cast<std::uint64_t>(max);
    const std::int64_t n = tooLarge ? max : value.get<std::int64_t>();
    if (tooLarge || n < min || n > max) {
        refuse(where, Refused::OutOfRange, {shownNumber(min), shownNumber(max), quoted(value)});
    }
    return n;
}

const std::string& text(const Json& value, const std::string& where) {
    if (!value.is_string()) refuse(where, Refused::NotString);
    return value.get_ref<const std::string&>();
}

std::string groupLetter(std::size_t g) { return std::string(1, static_cast<char>('A' + g)); }

// Reads what the event is made of (the inputs, the places, the maps and the
// scores) and builds the event from it; what follows from those is left to
// the comparison with the document they give.
class Reader {
public:
    Reader(const Json& file, const FrontEnd& frontEnd) : file_(file), frontEnd_(frontEnd) {}

    Event read() {
        requireObject(file_, "");
        readFormat();
        event_.program = text(field(file_, "", "program"), "/program");
        if (event_.program.size() > kMaxProgramBytes) {
            refuse("/program", Refused::TooLong, {shownNumber(kMaxProgramBytes)});
        }
        event_.drawnAt = text(field(file_, "", "drawnAt"), "/drawnAt");
        if (!isDateTimeText(event_.drawnAt)) refuse("/drawnAt", Refused::NotDateTime);
        readTitle();
        readNames("participants", kMaxParticipants, participants_, event_.participants);
        readNames("maps", kMaxMaps, maps_, event_.maps);
        readSeed();
        readSettings();
        readSeeding();
        readRaces();
        readPlacedByHand();
        readChangedNames();
        readGroups();
        readChanges();
        readPlayoff();
        readTeams();
        checkFingerprint();
        return std::move(event_);
    }

private:
    void readFormat() {
        const Json& format = field(file_, "", "format");
        if (format != kFormatName) {
            refuse("/format", Refused::NotOurFormat, {quoted(format), kFormatName});
        }
        const Json& version = field(file_, "", "formatVersion");
        const std::int64_t v = whole(version, "/formatVersion", 1, INT32_MAX);
        if (v > kFormatVersion) {
            refuse("/formatVersion", Refused::NewerVersion, {shownNumber(v), shownNumber(kFormatVersion)});
        }
    }

    // A name as the window program's entry fields would have taken it.
    std::string name(const Json& value, const std::string& where) {
        const std::string& utf8 = text(value, where);
        const TextProblem problem = nameCharacterProblem(utf8);
        if (problem == TextProblem::Empty) refuse(where, Refused::EmptyName);
        if (problem == TextProblem::BeginsWithWhiteSpace) refuse(where, Refused::NameWhiteSpace);
        if (problem == TextProblem::ControlCharacter) refuse(where, Refused::NameControl);
        auto cp949 = frontEnd_.fromUtf8(utf8);
        if (!cp949) refuse(where, Refused::NameNotCp949);
        if (nameProblem(*cp949) == TextProblem::TooLong) {
            refuse(where, Refused::NameTooLong, {shownNumber(cp949->size()), shownNumber(kMaxNameBytes)});
        }
        return std::move(*cp949);
    }

    void readNames(const char* key, std::size_t max, std::vector<std::string>& utf8, std::vector<std::string>& cp949) {
        const std::string where = pointerTo("", key);
        const Json& list = arrayOf(field(file_, "", key), where);
        if (list.size() > max) {
            refuse(where, Refused::TooManyNames, {shownNumber(list.size()), shownNumber(max)});
        }
        for (std::size_t i = 0; i < list.size(); ++i) {
            cp949.push_back(name(list[i], pointerTo(where, i)));
            utf8.push_back(list[i].get<std::string>());
        }
    }

    void readTitle() {
        const auto title = file_.find("title");
        if (title == file_.end()) return;
        event_.title = text(*title, "/title");
        if (event_.title->size() > kMaxTitleBytes) refuse("/title", Refused::TooLong, {shownNumber(kMaxTitleBytes)});
    }

    void readSeed() {
        event_.seed = static_cast<std::uint32_t>(whole(field(file_, "", "seed"), "/seed", 0, UINT32_MAX));
        const auto seedText = file_.find("seedText");
        if (seedText == file_.end()) return;
        event_.seedText = text(*seedText, "/seedText");
        const auto digest = frontEnd_.sha256(*event_.seedText);
        if (!digest || digest->size() < 4) refuse("/seedText", Refused::SeedTextHash);
        const std::uint32_t fromText = seedFromDigest(*digest);
        if (fromText != event_.seed) {
            refuse("/seed", Refused::SeedNotFromText, {shownNumber(event_.seed), shownNumber(fromText)});
        }
    }

    void readSettings() {
        const Json& json = field(file_, "", "settings");
        requireObject(json, "/settings");
        const auto flag = [&](const char* key) {
            return boolean(field(json, "/settings", key), pointerTo("/settings", key));
        };
        const auto number = [&](const char* key, int max) {
            return static_cast<std::int32_t>(whole(field(json, "/settings", key), pointerTo("/settings", key), 1, max));
        };
        Settings& s = event_.state.settings;
        s.groupCount = number("groups", kMaxGroups);
        s.groupSize = number("size", kMaxGroupSize);
        const bool tournament = flag("tournament");
        s.spreadVacancies = flag("spreadVacancies");
        s.mapsEnabled = flag("maps");
        s.equalMaps = flag("equalMaps");
        readGroupFormat(json, s, tournament);
        const auto bestOf = json.find("bestOf");
        if (bestOf != json.end()) {
            // A team match's sets are dealt their maps as a series' games, up to nine of them.
            const bool teams = file_.contains("teams");
            s.bestOf = static_cast<std::int32_t>(whole(*bestOf, "/settings/bestOf", 1, teams ? team::kMaxSets : kMaxBestOf));
            if (s.bestOf == 1 || (!teams && !validBestOf(s.bestOf))) refuse("/settings/bestOf", Refused::BestOf);
        }
        s.participantCount = static_cast<std::int32_t>(event_.participants.size());
        s.mapCount = s.mapsEnabled ? static_cast<std::int32_t>(event_.maps.size()) : 0;
        // The window program's own refusals of these settings.
        if (s.participantCount == 0) refuse("/participants", Refused::NoParticipants);
        if (s.participantCount > s.groupCount * s.groupSize) {
            refuse("/participants", Refused::ParticipantsDoNotFit,
                   {shownNumber(s.participantCount), shownNumber(s.groupCount), shownNumber(s.groupSize)});
        }
        if (s.mapsEnabled && s.mapCount == 0) refuse("/maps", Refused::NoMaps);
    }

    // Only a format beyond league and knock-out is named; it must agree with
    // "tournament", and the window program refuses it in a group of a size
    // it does not play.
    void readGroupFormat(const Json& settings, Settings& s, bool tournament) {
        s.format = groupFormat(tournament, false);
        const auto word = settings.find("format");
        if (word == settings.end()) return;
        const auto named = std::find_if(std::begin(kFormatWords), std::end(kFormatWords),
                                        [&](const FormatWord& f) { return *word == f.word; });
        if (named == std::end(kFormatWords)) refuse("/settings/format", Refused::UnknownFormat, {quoted(*word)});
        s.format = named->format;
        if (isKnockOut(s.format) != tournament) refuse("/settings/tournament", Refused::FormatNotKnockOut);
        if (!fitsGroupSize(s.format, s.groupSize)) refuse("/settings/size", Refused::FormatGroupSize);
    }

    // Only a seeded draw's file says so, and then it holds every
    // participant's pot and tag, null for none.
    void readSeeding() {
        const Json& settings = file_["settings"];
        if (!settings.contains("seeded")) return;
        event_.seeded = boolean(settings["seeded"], "/settings/seeded");
        if (!event_.seeded) return;  // the comparison with the document refuses the key
        const std::size_t count = event_.participants.size();
        const Json& pots = arrayOf(field(file_, "", "pots"), "/pots");
        const Json& tags = arrayOf(field(file_, "", "tags"), "/tags");
        if (pots.size() != count) refuse("/pots", Refused::PotsCount);
        if (tags.size() != count) refuse("/tags", Refused::TagsCount);
        for (std::size_t i = 0; i < count; ++i) {
            const int size = event_.state.settings.groupSize;
            event_.seeding.pots.push_back(pots[i].is_null() ? 0 : static_cast<int>(whole(pots[i], pointerTo("/pots", i), 1, size)));
            event_.seeding.tags.push_back(tags[i].is_null() ? std::string() : tag(tags[i], pointerTo("/tags", i)));
        }
    }

    // Only an event with races holds them, one for each participant the draw
    // was drawn from, null for none; only a seeded draw spreads them.
    void readRaces() {
        const Json& settings = file_["settings"];
        if (settings.contains("spreadRaces")) {
            event_.seeding.spreadRaces = boolean(settings["spreadRaces"], "/settings/spreadRaces");
        }
        const auto json = file_.find("races");
        if (json == file_.end()) return;
        const Json& races = arrayOf(*json, "/races");
        if (races.size() != event_.participants.size()) refuse("/races", Refused::RacesCount);
        for (std::size_t i = 0; i < races.size(); ++i) {
            event_.seeding.races.push_back(races[i].is_null() ? Race::None : race(races[i], pointerTo("/races", i)));
        }
    }

    // As the writer gives it: one letter, never the column's other spellings.
    static Race race(const Json& value, const std::string& where) {
        for (Race r : {Race::Terran, Race::Zerg, Race::Protoss, Race::Random}) {
            if (value.is_string() && value.get_ref<const std::string&>() == raceLetter(r)) return r;
        }
        refuse(where, Refused::UnknownRace, {quoted(value)});
    }

    // Only groups placed by hand say so; they are never a seeded draw.
    void readPlacedByHand() {
        const Json& settings = file_["settings"];
        if (!settings.contains("placedByHand")) return;
        event_.placedByHand = boolean(settings["placedByHand"], "/settings/placedByHand");
        if (event_.placedByHand && event_.seeded) refuse("/settings/placedByHand", Refused::PlacedAndSeeded);
    }

    std::string tag(const Json& value, const std::string& where) {
        const std::string& utf8 = text(value, where);
        if (utf8.empty()) refuse(where, Refused::EmptyTag);
        if (tagCharacterProblem(utf8) == TextProblem::ControlCharacter) refuse(where, Refused::TagControl);
        auto cp949 = frontEnd_.fromUtf8(utf8);
        if (!cp949) refuse(where, Refused::TagNotCp949);
        if (tagProblem(*cp949) == TextProblem::TooLong) {
            refuse(where, Refused::TagTooLong, {shownNumber(cp949->size()), shownNumber(kMaxTagBytes)});
        }
        return std::move(*cp949);
    }

    // The replacements' new players join the participants before the
    // groups, which show the event after its changes, are read.
    void readChangedNames() {
        inputs_ = event_.participants.size();
        const auto json = file_.find("changes");
        if (json == file_.end()) return;
        const Json& changes = arrayOf(*json, "/changes");
        if (changes.size() > kMaxChanges) refuse("/changes", Refused::TooManyChanges, {shownNumber(kMaxChanges)});
        for (std::size_t i = 0; i < changes.size(); ++i) {
            const std::string where = pointerTo("/changes", i);
            requireObject(changes[i], where);
            const bool replaced = changes[i].contains("replaced"), swapped = changes[i].contains("swapped");
            const bool moved = changes[i].contains("moved");
            if (replaced + swapped + moved != 1) refuse(where, Refused::ChangeForm);
            moves_ = moves_ || moved;
            if (!replaced) continue;
            const std::string at = pointerTo(where, "by");
            std::string by = name(field(changes[i], where, "by"), at);
            const std::string& utf8 = changes[i]["by"].get_ref<const std::string&>();
            if (std::count(participants_.begin(), participants_.end(), utf8) > 0) {
                refuse(at, Refused::NameTaken, {quoted(changes[i]["by"])});
            }
            participants_.push_back(utf8);
            event_.participants.push_back(std::move(by));
            if (changes[i].contains("race")) {
                event_.seeding.races.resize(event_.participants.size() - 1);
                event_.seeding.races.push_back(race(changes[i]["race"], pointerTo(where, "race")));
            }
        }
    }

    // A change's place as the file gives it: the group, the place from 0
    // and the name it held.
    struct PlaceRef {
        std::size_t group = 0, place = 0;
        const Json* name = nullptr;
        std::string where;
    };

    PlaceRef placeRef(const Json& json, const std::string& where) const {
        requireObject(json, where);
        const std::string& letter = text(field(json, where, "group"), pointerTo(where, "group"));
        const int g = letter.size() == 1 ? letter[0] - 'A' : -1;
        if (g < 0 || g >= event_.state.settings.groupCount) refuse(pointerTo(where, "group"), Refused::NotAGroup);
        const auto place = whole(field(json, where, "place"), pointerTo(where, "place"), 1, event_.state.settings.groupSize);
        const Json& name = field(json, where, "name");
        text(name, pointerTo(where, "name"));
        return {static_cast<std::size_t>(g), static_cast<std::size_t>(place - 1), &name, pointerTo(where, "name")};
    }

    // The one a place holds must bear the name the change gives it.
    void requireAt(const GroupTable& table, const PlaceRef& ref) const {
        const Pos p = table[ref.group][ref.place];
        const std::string there = p == kNone ? std::string() : participants_[static_cast<std::size_t>(p)];
        if (p == kNone || *ref.name != there) {
            refuse(ref.where, Refused::NotThatEntry,
                   {quoted(*ref.name), shownNumber(static_cast<long long>(ref.place + 1)), groupLetter(ref.group),
                    p == kNone ? std::string("empty") : quoted(Json(there))});
        }
    }

    // Undone from the last, the changes lead from the groups as they stand
    // back to the draw as drawn; each must find its player where it says.
    void readChanges() {
        const auto json = file_.find("changes");
        if (json == file_.end()) return;
        GroupTable table = event_.state.groupTable;
        std::vector<Change> changes((*json).size());
        Pos added = static_cast<Pos>(event_.participants.size());
        for (std::size_t i = changes.size(); i-- > 0;) {
            const Json& change = (*json)[i];
            const std::string where = pointerTo("/changes", i);
            if (change.contains("replaced")) {
                changes[i] = undoReplacement(table, placeRef(change["replaced"], pointerTo(where, "replaced")), --added,
                                             pointerTo(where, "by"));
                continue;
            }
            if (change.contains("moved")) {
                changes[i] = undoMove(table, change, where);
                continue;
            }
            const std::string at = pointerTo(where, "swapped");
            const Json& pair = arrayOf(change["swapped"], at);
            if (pair.size() != 2) refuse(at, Refused::ChangeForm);
            const PlaceRef a = placeRef(pair[0], pointerTo(at, 0)), b = placeRef(pair[1], pointerTo(at, 1));
            std::swap(table[a.group][a.place], table[b.group][b.place]);
            requireAt(table, a), requireAt(table, b);
            if (a.group == b.group && a.place == b.place) refuse(at, Refused::ChangeForm);
            changes[i] = {ChangeKind::Swap, table[a.group][a.place], table[b.group][b.place]};
        }
        if (moves_ && !event_.placedByHand) requireLayout(table);
        event_.changes = std::move(changes);
        for (const Change& c : event_.changes) {
            if (c.kind == ChangeKind::Replacement && event_.seeded) {
                event_.seeding.pots.push_back(event_.seeding.pots[static_cast<std::size_t>(c.player)]);
                event_.seeding.tags.emplace_back();
            }
        }
    }

    // The player back from the first empty place's neighbour of "to" to the
    // place he left, which must then hold him.
    Change undoMove(GroupTable& table, const Json& change, const std::string& where) {
        const PlaceRef from = placeRef(change["moved"], pointerTo(where, "moved"));
        const std::string at = pointerTo(where, "to");
        const std::string& letter = text(field(change, where, "to"), at);
        const int to = letter.size() == 1 ? letter[0] - 'A' : -1;
        if (to < 0 || to >= event_.state.settings.groupCount) refuse(at, Refused::NotAGroup);
        const auto membersOf = [&](std::size_t g) {
            return static_cast<std::size_t>(std::find(table[g].begin(), table[g].end(), kNone) - table[g].begin());
        };
        const std::size_t last = membersOf(static_cast<std::size_t>(to));
        if (last == 0) refuse(where, Refused::ChangeForm);
        const Pos player = table[static_cast<std::size_t>(to)][last - 1];
        // Back in the group he left, at a place its members reach.
        const std::size_t room = membersOf(from.group) - (static_cast<std::size_t>(to) == from.group);
        if (room == table[from.group].size() || from.place > room) refuse(pointerTo(where, "moved"), Refused::ChangeForm);
        Change undone{ChangeKind::Move, player, kNone, static_cast<int>(from.group), static_cast<int>(from.place), to};
        undoChange(table, undone);
        requireAt(table, from);
        const std::string mapsAt = pointerTo(where, "maps");
        const Json& maps = arrayOf(field(change, where, "maps"), mapsAt);
        for (std::size_t m = 0; m < maps.size(); ++m) undone.maps.push_back(mapAt(maps[m], pointerTo(mapsAt, m), false));
        return undone;
    }

    // Undone, the moves must give the groups the draw's layout.
    void requireLayout(const GroupTable& drawn) const {
        const std::vector<Pos> members = expectedMembers();
        for (std::size_t g = 0; g < drawn.size(); ++g) {
            const auto count = std::count_if(drawn[g].begin(), drawn[g].end(), [](Pos p) { return p != kNone; });
            if (count != members[g]) refuseLayout("/changes", count > members[g], g, members[g]);
        }
    }

    // The new player at the place makes way for the first participant of
    // the old name that no place holds.
    Change undoReplacement(GroupTable& table, const PlaceRef& ref, Pos added, const std::string& byAt) const {
        Pos& at = table[ref.group][ref.place];
        if (at != added) {
            refuse(byAt, Refused::NotThatEntry,
                   {quoted(Json(participants_[static_cast<std::size_t>(added)])),
                    shownNumber(static_cast<long long>(ref.place + 1)), groupLetter(ref.group),
                    at == kNone ? std::string("empty") : quoted(Json(participants_[static_cast<std::size_t>(at)]))});
        }
        // Of two participants of one name, the one whose pot the new player came in with.
        const Json pot = potInGroups(added);
        std::optional<Pos> old;
        for (std::size_t p = 0; p < static_cast<std::size_t>(added); ++p) {
            if (participants_[p] != *ref.name || placedIn(table, static_cast<Pos>(p))) continue;
            const bool samePot = !event_.seeded || p >= inputs_ || file_["pots"][p] == pot;
            if (!old || samePot) old = static_cast<Pos>(p);
            if (samePot) break;
        }
        if (old) {
            at = *old;
            return {ChangeKind::Replacement, at, added};
        }
        refuse(ref.where, Refused::NotAParticipant, {quoted(*ref.name)});
    }

    // A member's pot as its group in the file gives it (null: none or not said).
    Json potInGroups(Pos player) const {
        if (!event_.seeded) return Json();
        const auto& table = event_.state.groupTable;
        for (std::size_t g = 0; g < table.size(); ++g) {
            std::size_t member = 0;
            for (Pos p : table[g]) {
                if (p == player) return seedingAt(file_["groups"][g], member).first;
                member += p != kNone;
            }
        }
        return Json();
    }

    static bool placedIn(const GroupTable& table, Pos p) {
        return std::any_of(table.begin(), table.end(),
                           [&](const std::vector<Pos>& row) { return std::find(row.begin(), row.end(), p) != row.end(); });
    }

    // How many members each group has: the draw lays the participants out
    // in a fixed pattern, only who goes where is drawn.
    std::vector<Pos> expectedMembers() const {
        const Settings& s = event_.state.settings;
        std::vector<Pos> members(static_cast<std::size_t>(s.groupCount), 0);
        for (std::int32_t k = 0; k < s.participantCount; ++k) {
            ++members[static_cast<std::size_t>(s.spreadVacancies ? k % s.groupCount : k / s.groupSize)];
        }
        return members;
    }

    void readGroups() {
        const Settings& s = event_.state.settings;
        const Json& groups = arrayOf(field(file_, "", "groups"), "/groups");
        if (groups.size() != static_cast<std::size_t>(s.groupCount)) {
            refuse("/groups", Refused::GroupCount, {shownNumber(groups.size()), shownNumber(s.groupCount)});
        }
        const std::vector<Pos> members = expectedMembers();
        std::vector<bool> placed(event_.participants.size(), false);
        for (std::size_t g = 0; g < groups.size(); ++g) {
            const std::string where = pointerTo("/groups", g);
            requireObject(groups[g], where);
            event_.state.groupTable.push_back(readPlaces(groups[g], where, g, members[g], placed));
        }
        // Those a replacement took out are in no group; readChanges finds each.
        const auto unplaced = std::find(placed.begin(), placed.end(), false);
        if (unplaced != placed.end() && event_.participants.size() == inputs_) {
            refuse("/groups", Refused::NotPlaced, {quoted(Json(participants_[static_cast<std::size_t>(unplaced - placed.begin())]))});
        }
        buildSchedules();
        readWithdrawals();
        for (std::size_t g = 0; g < groups.size(); ++g) readMatches(groups[g], pointerTo("/groups", g), g);
    }

    // A place that the layout of the settings makes a member's or an empty one.
    [[noreturn]] void refuseLayout(const std::string& place, bool member, std::size_t g, Pos members) const {
        const Settings& s = event_.state.settings;
        const Refused why = member ? (s.spreadVacancies ? Refused::MemberSpread : Refused::MemberInTurn)
                                   : (s.spreadVacancies ? Refused::EmptySpread : Refused::EmptyInTurn);
        refuse(place, why, {shownNumber(s.participantCount), shownNumber(s.groupCount), shownNumber(s.groupSize), groupLetter(g),
                            shownNumber(members)});
    }

    std::vector<Pos> readPlaces(const Json& group, const std::string& where, std::size_t g, Pos members,
                                std::vector<bool>& placed) {
        const std::string at = pointerTo(where, "places");
        const Json& places = arrayOf(field(group, where, "places"), at);
        const auto size = static_cast<std::size_t>(event_.state.settings.groupSize);
        if (places.size() != size) {
            refuse(at, Refused::PlaceCount, {shownNumber(places.size()), shownNumber(size)});
        }
        // Placed by hand, a group holds whom the organiser put there; moved
        // players leave the layout, which readChanges checks undone.
        if (event_.placedByHand || moves_) {
            members = 0;
            while (static_cast<std::size_t>(members) < size && !places[static_cast<std::size_t>(members)].is_null()) ++members;
        }
        std::vector<Pos> row;
        for (std::size_t p = 0; p < size; ++p) {
            const std::string place = pointerTo(at, p);
            const bool member = static_cast<Pos>(p) < members;
            if ((event_.placedByHand || moves_) && member == places[p].is_null()) refuse(place, Refused::MemberAfterVacancy);
            if (member == places[p].is_null()) refuseLayout(place, member, g, members);
            row.push_back(member ? participantAt(places[p], place, placed, seedingAt(group, p), raceAt(group, p)) : kNone);
        }
        return row;
    }

    // What a seeded draw's group says of its member at `index`: its pot and
    // tag as the file spells them (null when the group does not say).
    std::pair<Json, Json> seedingAt(const Json& group, std::size_t index) const {
        const auto at = [&](const char* key) {
            const auto list = group.find(key);
            return list != group.end() && list->is_array() && index < list->size() ? (*list)[index] : Json();
        };
        return {at("pots"), at("tags")};
    }

    bool hasSeeding(std::size_t participant, const std::pair<Json, Json>& seeding) const {
        return event_.seeded && participant < inputs_ && file_["pots"][participant] == seeding.first &&
               file_["tags"][participant] == seeding.second;
    }

    // The member's race as the group spells it, null when the group does not say.
    static Json raceAt(const Json& group, std::size_t index) {
        const auto list = group.find("races");
        return list != group.end() && list->is_array() && index < list->size() ? (*list)[index] : Json();
    }

    bool hasRace(std::size_t participant, const Json& race) const {
        const std::string_view letter = raceLetter(raceOf(event_, participant));
        return letter.empty() ? race.is_null() : race == std::string(letter);
    }

    // Where the file tells two of one name apart: by the pot and tag of a
    // seeded draw, and by the race where races are given.
    bool keepsOwn(std::size_t participant, const std::pair<Json, Json>& seeding, const Json& race) const {
        const bool races = anyRaceGiven(event_, event_.participants.size());
        return (!event_.seeded || hasSeeding(participant, seeding)) && (!races || hasRace(participant, race));
    }

    // Names may repeat: each place takes the first participant of that name
    // not placed yet, in a seeded draw the first with the group's pot and tag
    // for that place, so that each keeps its own.
    Pos participantAt(const Json& value, const std::string& where, std::vector<bool>& placed,
                      const std::pair<Json, Json>& seeding, const Json& race) {
        const std::string& utf8 = text(value, where);
        std::optional<std::size_t> first;
        for (std::size_t i = 0; i < participants_.size(); ++i) {
            if (participants_[i] != utf8 || placed[i]) continue;
            if (keepsOwn(i, seeding, race)) {
                first = i;
                break;
            }
            if (!first) first = i;
        }
        if (!first) {
            const bool known = std::count(participants_.begin(), participants_.end(), utf8) > 0;
            refuse(where, known ? Refused::PlacedTwice : Refused::NotAParticipant, {quoted(value)});
        }
        placed[*first] = true;
        return static_cast<Pos>(*first);
    }

    // The matches' pairs follow from the places; the maps are the file's.
    void buildSchedules() {
        AssignmentState& state = event_.state;
        const bool mapsEnabled = state.settings.mapsEnabled;
        state.settings.mapsEnabled = false;
        ListHost host;
        const bool built = rl::buildSchedules(state, host);
        state.settings.mapsEnabled = mapsEnabled;
        if (!built) throw std::bad_alloc();
    }

    void readMatches(const Json& group, const std::string& where, std::size_t g) {
        const std::string at = pointerTo(where, "matches");
        const Json& matches = arrayOf(field(group, where, "matches"), at);
        const int count = event_.state.matchCount[g];
        if (matches.size() != static_cast<std::size_t>(count)) {
            refuse(at, Refused::MatchCount, {shownNumber(matches.size()), shownNumber(event_.state.memberCount[g]), shownNumber(count)});
        }
        for (int k = 0; k < count; ++k) {
            const std::string match = pointerTo(at, static_cast<std::size_t>(k));
            requireObject(matches[static_cast<std::size_t>(k)], match);
            Match& drawn = event_.state.schedule[g][static_cast<std::size_t>(k)];
            drawn.map = readMap(matches[static_cast<std::size_t>(k)], match, drawn.second == kNone);
            if (event_.state.settings.bestOf != 1) readSeriesMaps(matches[static_cast<std::size_t>(k)], match, drawn);
            const MatchKey key{static_cast<int>(g), k + 1};
            readScore(matches[static_cast<std::size_t>(k)], match, key);
            const MatchState m = groupStandings(event_.state, event_.results, key.group).matches[static_cast<std::size_t>(k)];
            readGames(matches[static_cast<std::size_t>(k)], match, key, m, event_.results);
        }
    }

    // Each game by its winner's name (and side, where both players bear it)
    // and its map; they must be able to stand beside the score.
    void readGames(const Json& match, const std::string& where, MatchKey key, const MatchState& m, Results& results) {
        const auto json = match.find("games");
        if (json == match.end()) return;
        const std::string at = pointerTo(where, "games");
        arrayOf(*json, at);
        std::vector<Game> games;
        for (std::size_t i = 0; i < json->size(); ++i) {
            const std::string game = pointerTo(at, i);
            requireObject((*json)[i], game);
            games.push_back({isFirst((*json)[i], game, m), mapAt(field((*json)[i], game, "map"), pointerTo(game, "map"), m.bye)});
        }
        const bool playable = !m.bye && m.first != kNone && m.second != kNone;
        if (!playable || gamesFault(games, m.bestOf, results.find(key)).problem != ResultProblem::None) {
            refuse(at, Refused::GamesCannotStand);
        }
        results.setGames(key, std::move(games));
    }

    bool isFirst(const Json& game, const std::string& where, const MatchState& m) {
        const std::string at = pointerTo(where, "winner");
        const Json& winner = field(game, where, "winner");
        const std::string& name = text(winner, at);
        const auto named = [&](Pos p) { return p != kNone && participants_[static_cast<std::size_t>(p)] == name; };
        const auto side = game.find("side");
        if (side != game.end()) {
            const bool first = whole(*side, pointerTo(where, "side"), 1, 2) == 1;
            if (named(first ? m.first : m.second)) return first;
        } else if (named(m.first) || named(m.second)) {
            return named(m.first);
        }
        refuse(at, Refused::GameWinner, {quoted(winner)});
    }

    Pos readMap(const Json& match, const std::string& where, bool bye) {
        const std::string at = pointerTo(where, "map");
        return mapAt(field(match, where, "map"), at, bye);
    }

    // Every game's map in game order; game 1's must be the match's "map",
    // which the comparison with the document sees to.
    void readSeriesMaps(const Json& match, const std::string& where, Match& drawn) {
        const std::string at = pointerTo(where, "maps");
        const Json& maps = arrayOf(field(match, where, "maps"), at);
        const bool bye = drawn.second == kNone;
        const int bestOf = event_.state.settings.bestOf;
        const std::size_t games = bye || !event_.state.settings.mapsEnabled ? 0 : static_cast<std::size_t>(bestOf);
        if (maps.size() != games) {
            if (games == 0) mapAt(maps[0], pointerTo(at, 0), bye);
            refuse(at, Refused::SeriesMapCount, {shownNumber(maps.size()), shownNumber(bestOf)});
        }
        drawn.laterMaps.clear();
        for (std::size_t i = 1; i < games; ++i) drawn.laterMaps.push_back(mapAt(maps[i], pointerTo(at, i), bye));
    }

    Pos mapAt(const Json& map, const std::string& at, bool bye) {
        if (!event_.state.settings.mapsEnabled || bye) {
            if (!map.is_null()) refuse(at, bye ? Refused::ByeMap : Refused::MapsNotUsed);
            return kNone;
        }
        if (!map.is_string()) refuse(at, Refused::MapName);
        const std::string& utf8 = map.get_ref<const std::string&>();
        const auto it = std::find(maps_.begin(), maps_.end(), utf8);
        if (it == maps_.end()) refuse(at, Refused::NotAMap, {quoted(map)});
        return static_cast<Pos>(it - maps_.begin());
    }

    // In match order, so that a knock-out's earlier results are in before a
    // later match's players are looked for.
    void readScore(const Json& match, const std::string& where, MatchKey key) {
        const std::string at = pointerTo(where, "score");
        const Json& json = field(match, where, "score");
        if (json.is_null()) return;
        if (!json.is_array() || json.size() != 2) refuse(at, Refused::ScoreForm);
        const auto maps = [&](std::size_t i) {
            return static_cast<int>(whole(json[i], pointerTo(at, i), 0, kMaxMapsWon));
        };
        Score score{maps(0), maps(1)};
        const auto walkover = match.find("walkover");
        if (walkover != match.end()) {
            if (*walkover == kWithdrawalWalkover) return;  // follows from the withdrawals
            if (*walkover != true) refuse(pointerTo(where, "walkover"), Refused::WalkoverForm);
            score = walkoverFor(score.first > score.second, event_.state.settings.bestOf);
        }
        switch (checkResult(event_.state, event_.results, key, score)) {
        case ResultProblem::None: break;
        // A result played before the withdrawal stands.
        case ResultProblem::Withdrawn:
            if (checkScore(score, event_.state.settings.bestOf) != ResultProblem::None) refuse(at, Refused::CannotStand);
            break;
        case ResultProblem::Bye: refuse(at, Refused::ByeResult);
        case ResultProblem::PlayersNotKnown: refuse(at, Refused::PlayersNotKnown);
        case ResultProblem::Tie: refuse(at, Refused::Tie);
        case ResultProblem::SeriesNotWon: refuseSeriesScore(at, event_.state.settings.bestOf);
        default: refuse(at, Refused::CannotStand);
        }
        event_.results.set(key, score);
    }

    // The withdrawn players, each by its entry and name, and the rule; the
    // walkovers they make are compared with what the file says.
    void readWithdrawals() {
        const auto json = file_.find("withdrawals");
        if (json == file_.end()) return;
        requireObject(*json, "/withdrawals");
        const Json& rule = field(*json, "/withdrawals", "rule");
        if (rule != kWalkoverRule && rule != kVoidRule) refuse("/withdrawals/rule", Refused::UnknownRule, {quoted(rule)});
        Withdrawals& w = event_.results.withdrawals();
        w.rule = rule == kVoidRule ? WithdrawalRule::Void : WithdrawalRule::Walkovers;
        readWithdrawn(field(*json, "/withdrawals", "players"), "/withdrawals/players", w);
    }

    void readWithdrawn(const Json& players, const std::string& at, Withdrawals& w) {
        arrayOf(players, at);
        for (std::size_t i = 0; i < players.size(); ++i) {
            const std::string where = pointerTo(at, i);
            requireObject(players[i], where);
            const std::string& letter = text(field(players[i], where, "group"), pointerTo(where, "group"));
            const int g = letter.size() == 1 ? letter[0] - 'A' : -1;
            if (g < 0 || g >= event_.state.settings.groupCount) refuse(pointerTo(where, "group"), Refused::NotAGroup);
            const auto place = static_cast<std::size_t>(
                whole(field(players[i], where, "place"), pointerTo(where, "place"), 1, event_.state.settings.groupSize));
            const Pos player = event_.state.groupTable[static_cast<std::size_t>(g)][place - 1];
            const Json& name = field(players[i], where, "name");
            const std::string there = player == kNone ? std::string() : participants_[static_cast<std::size_t>(player)];
            if (player == kNone || text(name, pointerTo(where, "name")) != there) {
                refuse(pointerTo(where, "name"), Refused::NotThatEntry,
                       {quoted(name), shownNumber(static_cast<long long>(place)), letter,
                        player == kNone ? std::string("empty") : quoted(Json(there))});
            }
            if (w.has(player) || event_.results.withdrawals().has(player)) refuse(where, Refused::WithdrawnTwice);
            w.players.push_back(player);
        }
    }

    // The playoff's choices, settled orders and scores; the rest of it is
    // compared with what they give.
    void readPlayoff() {
        const auto json = file_.find("playoff");
        if (json == file_.end()) return readSettledOrders(file_, "");
        requireObject(*json, "/playoff");
        Playoff& playoff = event_.playoff;
        playoff.perGroup = static_cast<int>(whole(field(*json, "/playoff", "perGroup"), "/playoff/perGroup", 1, 4));
        if (playoff.perGroup == 3) refuse("/playoff/perGroup", Refused::PerGroup);
        playoff.thirdPlace = boolean(field(*json, "/playoff", "thirdPlace"), "/playoff/thirdPlace");
        readPlayoffLengths(*json, playoff);
        readPlayoffPairs(*json, playoff);
        readSettledOrders(*json, "/playoff");
        if (json->contains("withdrawn")) readWithdrawn((*json)["withdrawn"], "/playoff/withdrawn", playoff.results.withdrawals());
        const PlayoffRefusal refusal = checkPlayoff(event_.state, event_.results, playoff);
        if (!refusal.pairs.ok()) refuse("/playoff/pairs", Refused::PlayoffPairs);
        if (!refusal.empty()) refuse("/playoff", Refused::PlayoffCannotBeMade);
        const Json& matches = arrayOf(field(*json, "/playoff", "matches"), "/playoff/matches");
        ListHost host = hostFor(event_);
        const std::size_t count = playoffBracket(event_.state, event_.results, playoff, event_.seed, host).matches.size();
        if (matches.size() != count) {
            refuse("/playoff/matches", Refused::PlayoffMatchCount, {shownNumber(matches.size()), shownNumber(count)});
        }
        for (std::size_t k = 0; k < count; ++k) {
            readPlayoffScore(matches[k], k, host);
            const PlayoffBracket bracket = playoffBracket(event_.state, event_.results, playoff, event_.seed, host);
            readGames(matches[k], pointerTo("/playoff/matches", k), {kPlayoffGroup, static_cast<int>(k) + 1},
                      bracket.matches[k], playoff.results);
        }
    }

    // A playoff match's score, read with the earlier ones in.
    void readPlayoffScore(const Json& match, std::size_t k, Host& host) {
        Playoff& playoff = event_.playoff;
        const std::string at = pointerTo(pointerTo("/playoff/matches", k), "score");
        requireObject(match, pointerTo("/playoff/matches", k));
        const Json& score = field(match, pointerTo("/playoff/matches", k), "score");
        if (score.is_null()) return;
        if (!score.is_array() || score.size() != 2) refuse(at, Refused::ScoreForm);
        Score s{static_cast<int>(whole(score[0], pointerTo(at, 0), 0, kMaxMapsWon)),
                static_cast<int>(whole(score[1], pointerTo(at, 1), 0, kMaxMapsWon))};
        const PlayoffBracket bracket = playoffBracket(event_.state, event_.results, playoff, event_.seed, host);
        const auto walkover = match.find("walkover");
        if (walkover != match.end()) {
            if (*walkover == kWithdrawalWalkover) return;  // follows from the withdrawals
            if (*walkover != true) refuse(pointerTo(pointerTo("/playoff/matches", k), "walkover"), Refused::WalkoverForm);
            s = walkoverFor(s.first > s.second, bracket.matches[k].bestOf);
        }
        const ResultProblem problem = checkPlayoffResult(bracket, static_cast<int>(k) + 1, s);
        if (problem == ResultProblem::SeriesNotWon) refuseSeriesScore(at, bracket.matches[k].bestOf);
        if (problem != ResultProblem::None && problem != ResultProblem::Withdrawn) refuse(at, Refused::PlayoffResult);
        playoff.results.set({kPlayoffGroup, static_cast<int>(k) + 1}, s);
    }

    [[noreturn]] static void refuseSeriesScore(const std::string& at, int bestOf) {
        refuse(at, Refused::SeriesScore, {shownNumber(bestOf), shownNumber(gamesToWin(bestOf))});
    }

    // Written only when chosen: none is the groups' length in every round.
    void readPlayoffLengths(const Json& json, Playoff& playoff) {
        const auto lengths = json.find("bestOf");
        if (lengths == json.end()) return;
        const std::string at = "/playoff/bestOf";
        arrayOf(*lengths, at);
        for (std::size_t i = 0; i < lengths->size(); ++i) {
            playoff.bestOf.push_back(static_cast<int>(whole((*lengths)[i], pointerTo(at, i), 1, kMaxBestOf)));
        }
        if (playoff.bestOf.empty() || !validPlayoffLengths(playoff.bestOf)) {
            refuse(at, Refused::PlayoffBestOf, {shownNumber(kMaxPlayoffLengths)});
        }
    }

    // Written only when the organiser paired the first round.
    void readPlayoffPairs(const Json& json, Playoff& playoff) {
        const auto pairs = json.find("pairs");
        if (pairs == json.end()) return;
        const std::string at = "/playoff/pairs";
        arrayOf(*pairs, at);
        if (pairs->empty()) refuse(at, Refused::PlayoffPairs);
        for (std::size_t i = 0; i < pairs->size(); ++i) {
            const auto pair = parsePair(text((*pairs)[i], pointerTo(at, i)));
            if (!pair) refuse(pointerTo(at, i), Refused::PlayoffPairs);
            playoff.pairs.push_back(*pair);
        }
    }

    // Before the playoff is made the orders stand beside the groups, and
    // then only when there are any.
    void readSettledOrders(const Json& parent, const std::string& where) {
        const std::string at = pointerTo(where, "settled");
        if (where.empty() && !parent.contains("settled")) return;
        const Json& settled = arrayOf(field(parent, where, "settled"), at);
        for (std::size_t i = 0; i < settled.size(); ++i) {
            event_.playoff.settled.push_back(readSettled(settled[i], pointerTo(at, i)));
        }
    }

    SettledOrder readSettled(const Json& json, const std::string& where) {
        requireObject(json, where);
        const std::string& letter = text(field(json, where, "group"), pointerTo(where, "group"));
        const int g = letter.size() == 1 ? letter[0] - 'A' : -1;
        if (g < 0 || g >= event_.state.settings.groupCount) refuse(pointerTo(where, "group"), Refused::NotAGroup);
        SettledOrder order{g, {}};
        const std::string at = pointerTo(where, "order");
        const Json& names = arrayOf(field(json, where, "order"), at);
        const int perGroup = event_.playoff.perGroup;
        const int depth = perGroup == 0 ? kMaxPlayoffPlayers : perGroup;
        if (std::optional<std::vector<Pos>> tie = tieNamed(names, at, g, depth)) {
            order.order = std::move(*tie);
            return order;
        }
        for (std::size_t i = 0; i < names.size(); ++i) order.order.push_back(memberNamed(names[i], pointerTo(at, i), g, order.order));
        if (checkSettle(event_.state, event_.results, depth, order) != SettleProblem::None) {
            refuse(at, Refused::NotATie, {letter});
        }
        return order;
    }

    // Names may repeat within a group: the order is of the members of the one
    // shared rank whose names these are, each name its next member there.
    std::optional<std::vector<Pos>> tieNamed(const Json& names, const std::string& at, int g, int depth) {
        std::vector<std::string> given;
        for (std::size_t i = 0; i < names.size(); ++i) given.push_back(text(names[i], pointerTo(at, i)));
        for (const TieToSettle& tie : tiesToSettle(event_.state, event_.results, depth, {})) {
            if (tie.group != g || tie.members.size() != given.size()) continue;
            std::vector<Pos> left = tie.members, order;
            for (const std::string& name : given) {
                const auto member = std::find_if(left.begin(), left.end(), [&](Pos p) {
                    return participants_[static_cast<std::size_t>(p)] == name;
                });
                if (member == left.end()) break;
                order.push_back(*member);
                left.erase(member);
            }
            if (left.empty()) return order;
        }
        return std::nullopt;
    }

    // Names may repeat: the first member of that name not in the order yet.
    Pos memberNamed(const Json& value, const std::string& where, int g, const std::vector<Pos>& taken) {
        const std::string& utf8 = text(value, where);
        for (Pos p : event_.state.groupTable[static_cast<std::size_t>(g)]) {
            if (p != kNone && participants_[static_cast<std::size_t>(p)] == utf8 &&
                std::find(taken.begin(), taken.end(), p) == taken.end()) {
                return p;
            }
        }
        refuse(where, Refused::NotAMember, {quoted(value), groupLetter(static_cast<std::size_t>(g))});
    }

    // A team league: the format must be the one the groups' match length was
    // dealt for, and every set one the rules take after the sets before it.
    void readTeams() {
        const auto json = file_.find("teams");
        if (json == file_.end()) return;
        requireObject(*json, "/teams");
        event_.state.settings.ranksTeams = true;
        team::TeamLeague league;
        const std::string& format = text(field(*json, "/teams", "format"), "/teams/format");
        const auto parsed = team::parseTeamMatchFormat(format);
        if (const auto* refusal = std::get_if<team::Refusal>(&parsed)) teamRule("/teams/format", *refusal);
        league.format = std::get<team::TeamMatchFormat>(parsed);
        if (league.format.mostSets() != event_.state.settings.bestOf) refuse("/settings/bestOf", Refused::BestOf);
        const Json& rosters = arrayOf(field(*json, "/teams", "rosters"), "/teams/rosters");
        // A replacement's new team brings its roster; one made before they did has none.
        const bool counted = rosters.size() == inputs_ || rosters.size() == event_.participants.size();
        if (!counted) refuse("/teams/rosters", Refused::RostersCount, {shownNumber(team::kMaxRoster)});
        for (std::size_t t = 0; t < rosters.size(); ++t) league.rosters.push_back(roster(rosters[t], pointerTo("/teams/rosters", t)));
        if (json->contains("races")) league.races = rosterRaces((*json)["races"], league.rosters);
        // Teams are told apart by their names alone.
        for (std::size_t t = 1; t < participants_.size(); ++t) {
            if (std::find(participants_.begin(), participants_.begin() + static_cast<std::ptrdiff_t>(t), participants_[t]) !=
                participants_.begin() + static_cast<std::ptrdiff_t>(t)) {
                refuse(pointerTo("/participants", t), Refused::NameTaken, {quoted(file_["participants"][t])});
            }
        }
        event_.teams = std::move(league);
        const Json& matches = arrayOf(field(*json, "/teams", "matches"), "/teams/matches");
        for (std::size_t i = 0; i < matches.size(); ++i) readTeamMatch(matches[i], pointerTo("/teams/matches", i));
    }

    [[noreturn]] static void teamRule(const std::string& where, const team::Refusal& refusal) {
        refuse(where, Refused::TeamRule, {team::englishRefusal(refusal), team::koreanRefusal(refusal)});
    }

    std::vector<std::string> roster(const Json& json, const std::string& where) {
        const Json& list = arrayOf(json, where);
        if (list.empty() || list.size() > team::kMaxRoster) refuse(where, Refused::RostersCount, {shownNumber(team::kMaxRoster)});
        std::vector<std::string> players;
        for (std::size_t i = 0; i < list.size(); ++i) {
            const std::string at = pointerTo(where, i);
            players.push_back(name(list[i], at));
            for (std::size_t j = 0; j < i; ++j) {
                if (list[j] == list[i]) refuse(at, Refused::RosterTwice, {quoted(list[i])});
            }
        }
        return players;
    }

    // A race or null for each player of each roster, in the rosters' order.
    static std::vector<std::vector<Race>> rosterRaces(const Json& json, const std::vector<std::vector<std::string>>& rosters) {
        const Json& list = arrayOf(json, "/teams/races");
        if (list.size() != rosters.size()) refuse("/teams/races", Refused::RosterRacesCount);
        std::vector<std::vector<Race>> races(rosters.size());
        for (std::size_t t = 0; t < rosters.size(); ++t) {
            const std::string where = pointerTo("/teams/races", t);
            const Json& roster = arrayOf(list[t], where);
            if (roster.size() != rosters[t].size()) refuse(where, Refused::RosterRacesCount);
            for (std::size_t p = 0; p < roster.size(); ++p) {
                races[t].push_back(roster[p].is_null() ? Race::None : race(roster[p], pointerTo(where, p)));
            }
        }
        return races;
    }

    // A roster index by the name as the file spells it; null: kNoEntry.
    int rosterPlayer(const Json& value, const std::string& where, Pos team, bool entry) {
        if (entry && value.is_null()) return team::kNoEntry;
        const std::string cp949 = name(value, where);
        const auto& roster = event_.teams->rosters[static_cast<std::size_t>(team)];
        const auto at = std::find(roster.begin(), roster.end(), cp949);
        if (at == roster.end()) refuse(where, Refused::NotOnRoster, {quoted(value), participants_[static_cast<std::size_t>(team)]});
        return static_cast<int>(at - roster.begin());
    }

    void readTeamMatch(const Json& json, const std::string& where) {
        requireObject(json, where);
        const std::string& letter = text(field(json, where, "group"), pointerTo(where, "group"));
        const int g = letter == "P" ? kPlayoffGroup : letter.size() == 1 ? letter[0] - 'A' : -1;
        const int number = static_cast<int>(whole(field(json, where, "match"), pointerTo(where, "match"), 1, 1000));
        const MatchKey key{g, number};
        MatchState m;
        const ResultProblem problem = g == -1 ? ResultProblem::NoSuchGroup : matchNow(event_, key, m);
        const bool known = problem == ResultProblem::None || problem == ResultProblem::Withdrawn;
        const auto rostered = static_cast<Pos>(event_.teams->rosters.size());
        const bool teams = known && m.first < rostered && m.second < rostered;
        if (!teams || event_.teams->plays.count(key)) refuse(where, Refused::NotATeamMatch);
        team::TeamMatchPlay& play = event_.teams->plays[key];
        const Json& entries = arrayOf(field(json, where, "entries"), pointerTo(where, "entries"));
        for (std::size_t i = 0; i < entries.size(); ++i) {
            const std::string at = pointerTo(pointerTo(where, "entries"), i);
            const Json& pair = arrayOf(entries[i], at);
            if (pair.size() != 2) refuse(at, Refused::EntryCount, {shownNumber(pair.size()), "2"});
            play.entries.push_back({rosterPlayer(pair[0], pointerTo(at, 0), m.first, true),
                                    rosterPlayer(pair[1], pointerTo(at, 1), m.second, true)});
        }
        checkEntries(play, pointerTo(where, "entries"));
        readTeamSets(json, where, key, m);
    }

    // Entries as enterEntry leaves them: none after the last named, none for
    // a set whose player is named on the spot, each player for one set.
    void checkEntries(const team::TeamMatchPlay& play, const std::string& where) const {
        const team::TeamMatchFormat& format = event_.teams->format;
        const std::array<int, 2> none{team::kNoEntry, team::kNoEntry};
        for (std::size_t i = 0; i < play.entries.size(); ++i) {
            const int n = static_cast<int>(i) + 1;
            const std::string at = pointerTo(where, i);
            const bool open = format.kind == team::MatchKind::WinnerStays ? n != 1 : team::isAceSet(format, n);
            if (n > format.mostSets() || (open && play.entries[i] != none)) teamRule(at, {team::Refused::EntryOpen, {std::to_string(n)}});
            if (i + 1 == play.entries.size() && play.entries[i] == none) refuse(at, Refused::NotATeamMatch);
            for (std::size_t j = 0; j < i; ++j) {
                for (std::size_t side = 0; side < 2; ++side) {
                    const int p = play.entries[i][side];
                    if (p != team::kNoEntry && play.entries[j][side] == p) {
                        teamRule(pointerTo(at, side), {team::Refused::PlayedTwice, {std::to_string(n), "", "", ""}});
                    }
                }
            }
        }
    }

    // Each set through the event's own check, as it was entered; what
    // follows from them (the result, the entries' form) the comparison
    // with the document checks.
    void readTeamSets(const Json& json, const std::string& where, MatchKey key, const MatchState& m) {
        team::TeamMatchPlay& play = event_.teams->plays[key];
        const Json& sets = arrayOf(field(json, where, "sets"), pointerTo(where, "sets"));
        const team::TeamMatchRules rules = teamRules(event_, m);
        for (std::size_t i = 0; i < sets.size(); ++i) {
            const std::string at = pointerTo(pointerTo(where, "sets"), i);
            requireObject(sets[i], at);
            const Json& players = arrayOf(field(sets[i], at, "players"), pointerTo(at, "players"));
            if (players.size() != 2) refuse(pointerTo(at, "players"), Refused::EntryCount, {shownNumber(players.size()), "2"});
            team::TeamSet set;
            set.players[0] = rosterPlayer(players[0], pointerTo(pointerTo(at, "players"), 0), m.first, false);
            set.players[1] = rosterPlayer(players[1], pointerTo(pointerTo(at, "players"), 1), m.second, false);
            set.firstWon = boolean(field(sets[i], at, "firstWon"), pointerTo(at, "firstWon"));
            const Json& map = field(sets[i], at, "map");
            set.map = map.is_null() ? kNone : mapAt(map, pointerTo(at, "map"), false);
            const int n = static_cast<int>(i) + 1;
            if (const auto fault = team::checkSet(rules, play.sets, n, set)) {
                const int side = fault->side.value_or(team::kFirst);
                const Pos team = side == team::kFirst ? m.first : m.second;
                const std::string player = fault->side ? players[side].get<std::string>() : "";
                const std::string stays = i == 0 ? "" : sets[i - 1]["players"][side].get<std::string>();
                teamRule(at, {fault->why, {std::to_string(n), player, participants_[static_cast<std::size_t>(team)],
                                           fault->why == team::Refused::NotNextSet ? std::to_string(n) : stays}});
            }
            play.sets.push_back(set);
        }
        // A result beside sets is theirs: one given otherwise took them away.
        const std::optional<Score> score = setsResult(event_, key);
        const Score* kept = (key.group == kPlayoffGroup ? event_.playoff.results : event_.results).find(key);
        if (!play.sets.empty() && (score.has_value() != (kept != nullptr) || (kept && !(*kept == *score)))) {
            refuse(where, Refused::CannotStand);
        }
        if (play.empty()) refuse(where, Refused::NotATeamMatch);
    }

    void checkFingerprint() {
        const std::string& stated = text(field(file_, "", "fingerprint"), "/fingerprint");
        const std::string computed = fingerprint(event_, frontEnd_);
        if (computed.empty()) refuse("/fingerprint", Refused::FingerprintHash);
        if (stated != computed) {
            refuse("/fingerprint", Refused::WrongFingerprint, {computed});
        }
    }

    const Json& file_;
    const FrontEnd& frontEnd_;
    Event event_;
    std::vector<std::string> participants_, maps_;  // UTF-8, as the file spells them
    bool moves_ = false;  // the changes move a player to an empty place
    std::size_t inputs_ = 0;  // the participants the draw was drawn from
};

// What follows from the draw and the results must be what the file says;
// and the file holds no key the format does not know.
void compare(const Json& found, const Written& expected, const std::string& where) {
    if (expected.is_object()) {
        requireObject(found, where);
        for (const auto& [key, value] : found.items()) {
            if (!expected.contains(key)) refuse(pointerTo(where, key), Refused::UnknownKey);
        }
        for (const auto& [key, value] : expected.items()) {
            compare(field(found, where, key.c_str()), value, pointerTo(where, key));
        }
    } else if (expected.is_array()) {
        arrayOf(found, where);
        if (found.size() != expected.size()) {
            refuse(where, Refused::EntryCount, {shownNumber(found.size()), shownNumber(expected.size())});
        }
        for (std::size_t i = 0; i < found.size(); ++i) compare(found[i], expected[i], pointerTo(where, i));
    } else if (jsonText(found) != jsonText(expected)) {
        // As JSON text, so that 1.0 is not taken for 1.
        refuse(where, Refused::NotWhatFollows, {quoted(found), quoted(expected)});
    }
}

}  // namespace

bool isDateTimeText(std::string_view s) {
    const auto digits = [&](std::size_t at, std::size_t count, int min, int max) {
        int value = 0;
        for (std::size_t i = at; i < at + count; ++i) {
            if (s[i] < '0' || s[i] > '9') return false;
            value = value * 10 + (s[i] - '0');
        }
        return value >= min && value <= max;
    };
    return s.size() == 19 && s[4] == '-' && s[7] == '-' && s[10] == 'T' && s[13] == ':' && s[16] == ':' &&
           digits(0, 4, 1, 9999) && digits(5, 2, 1, 12) && digits(8, 2, 1, 31) && digits(11, 2, 0, 23) &&
           digits(14, 2, 0, 59) && digits(17, 2, 0, 59);
}

ReadOutcome refused(Refusal refusal) {
    ReadOutcome outcome;
    outcome.error = englishRefusal(refusal);
    outcome.refusal = std::move(refusal);
    return outcome;
}

std::string koreanRefusal(const ReadOutcome& outcome) { return outcome.ok() ? std::string() : koreanRefusal(outcome.refusal); }

ReadOutcome readEvent(std::string_view bytes, const FrontEnd& frontEnd) {
    if (bytes.size() > kMaxEventFileBytes) {
        return refused({Refused::TooLarge, "", {shownNumber(kMaxEventFileBytes / 1024 / 1024), shownNumber(bytes.size())}});
    }
    const detail::Parsed parsed = detail::parseLimited(bytes);
    if (parsed.refusal) return refused(*parsed.refusal);
    try {
        Event event = Reader(parsed.document, frontEnd).read();
        const auto expected = detail::eventJson(event, frontEnd, event.program);
        if (!expected) refuse("", Refused::NameNotBack);
        compare(parsed.document, *expected, "");
        ReadOutcome outcome;
        outcome.event = std::move(event);
        return outcome;
    } catch (const Refusal& refusal) {
        return refused(refusal);
    } catch (const std::bad_alloc&) {
        return refused({Refused::OutOfMemory, "", {}});
    }
}

}  // namespace rl::event
