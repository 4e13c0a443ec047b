#include <algorithm>
#include <cstdint>

#include "engine/pairing.h"
#include "engine/schedule.h"
#include "event/json_limits.h"
#include "standings/playoff.h"

namespace rl::event {

namespace {

using Json = detail::Document;  // what the file says
using Written = detail::Json;  // what the event gives
using detail::pointerTo;

constexpr std::size_t kMaxNameBytes = 49;  // what the window program's entry fields take
constexpr std::size_t kMaxParticipants = 128;
constexpr std::size_t kMaxMaps = 10;
constexpr int kMaxGroups = 8;
constexpr int kMaxGroupSize = 8;
constexpr std::size_t kMaxProgramBytes = 200;

// The first fault ends the reading; it travels up as this.
struct Refusal {
    std::string message;
};

[[noreturn]] void refuse(const std::string& where, const std::string& why) {
    throw Refusal{(where.empty() ? std::string("the file") : where) + ": " + why};
}

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
    if (it == object.end()) refuse(where, std::string("has no key \"") + key + "\"");
    return *it;
}

void requireObject(const Json& value, const std::string& where) {
    if (!value.is_object()) refuse(where, "must be an object");
}

const Json& arrayOf(const Json& value, const std::string& where) {
    if (!value.is_array()) refuse(where, "must be an array");
    return value;
}

bool boolean(const Json& value, const std::string& where) {
    if (!value.is_boolean()) refuse(where, "must be true or false");
    return value.get<bool>();
}

std::int64_t whole(const Json& value, const std::string& where, std::int64_t min, std::int64_t max) {
    if (!value.is_number_integer()) refuse(where, "must be a whole number");
    const bool tooLarge = value.is_number_unsigned() && value.get<std::uint64_t>() > static_cast<std::uint64_t>(max);
    const std::int64_t n = tooLarge ? max : value.get<std::int64_t>();
    if (tooLarge || n < min || n > max) {
        refuse(where, "must be from " + std::to_string(min) + " to " + std::to_string(max) + ", not " + quoted(value));
    }
    return n;
}

const std::string& text(const Json& value, const std::string& where) {
    if (!value.is_string()) refuse(where, "must be a string");
    return value.get_ref<const std::string&>();
}

bool startsWithWhiteSpace(const std::string& name) {
    return std::string_view(" \t\n\v\f\r").find(name.front()) != std::string_view::npos;
}

bool hasControlCharacter(const std::string& name) {
    return std::any_of(name.begin(), name.end(),
                       [](char c) { return (static_cast<unsigned char>(c) < 0x20 && c != '\t') || c == 0x7F; });
}

std::string counted(long long n, const char* one, const char* many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
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
            refuse("/program", "is longer than " + std::to_string(kMaxProgramBytes) + " bytes");
        }
        event_.drawnAt = text(field(file_, "", "drawnAt"), "/drawnAt");
        if (!isDateTimeText(event_.drawnAt)) refuse("/drawnAt", "must be a local date and time, YYYY-MM-DDTHH:MM:SS");
        readTitle();
        readNames("participants", kMaxParticipants, participants_, event_.participants);
        readNames("maps", kMaxMaps, maps_, event_.maps);
        readSeed();
        readSettings();
        readSeeding();
        readGroups();
        readPlayoff();
        checkFingerprint();
        return std::move(event_);
    }

private:
    void readFormat() {
        const Json& format = field(file_, "", "format");
        if (format != kFormatName) {
            refuse("/format", "is " + quoted(format) + ", not \"" + kFormatName + "\": this is not a Rosterloom event");
        }
        const Json& version = field(file_, "", "formatVersion");
        const std::int64_t v = whole(version, "/formatVersion", 1, INT32_MAX);
        if (v > kFormatVersion) {
            refuse("/formatVersion", "version " + std::to_string(v) + " is newer than this program reads (" +
                                         std::to_string(kFormatVersion) + "): open it with a newer Rosterloom");
        }
    }

    // A name as the window program's entry fields would have taken it.
    std::string name(const Json& value, const std::string& where) {
        const std::string& utf8 = text(value, where);
        if (utf8.empty()) refuse(where, "a name cannot be empty");
        if (startsWithWhiteSpace(utf8)) refuse(where, "the name begins with white space");
        if (hasControlCharacter(utf8)) refuse(where, "the name contains a control character");
        auto cp949 = frontEnd_.fromUtf8(utf8);
        if (!cp949) refuse(where, "the name has a character that code page 949 cannot hold");
        if (cp949->size() > kMaxNameBytes) {
            refuse(where, "the name takes " + std::to_string(cp949->size()) + " bytes in code page 949, more than " +
                              std::to_string(kMaxNameBytes));
        }
        return std::move(*cp949);
    }

    void readNames(const char* key, std::size_t max, std::vector<std::string>& utf8, std::vector<std::string>& cp949) {
        const std::string where = pointerTo("", key);
        const Json& list = arrayOf(field(file_, "", key), where);
        if (list.size() > max) {
            refuse(where, "holds " + counted(list.size(), "name", "names") + ", more than " + std::to_string(max));
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
        if (event_.title->size() > kMaxTitleBytes) refuse("/title", "is longer than " + std::to_string(kMaxTitleBytes) + " bytes");
    }

    void readSeed() {
        event_.seed = static_cast<std::uint32_t>(whole(field(file_, "", "seed"), "/seed", 0, UINT32_MAX));
        const auto seedText = file_.find("seedText");
        if (seedText == file_.end()) return;
        event_.seedText = text(*seedText, "/seedText");
        const auto digest = frontEnd_.sha256(*event_.seedText);
        if (!digest || digest->size() < 4) refuse("/seedText", "its SHA-256 cannot be computed");
        std::uint32_t fromText = 0;
        for (int i = 0; i < 4; ++i) fromText = (fromText << 8) | static_cast<unsigned char>((*digest)[i]);
        if (fromText != event_.seed) {
            refuse("/seed", "is " + std::to_string(event_.seed) + ", but the seed that seedText gives is " +
                                std::to_string(fromText));
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
        s.tournament = flag("tournament");
        s.spreadVacancies = flag("spreadVacancies");
        s.mapsEnabled = flag("maps");
        s.equalMaps = flag("equalMaps");
        readGroupFormat(json, s);
        s.participantCount = static_cast<std::int32_t>(event_.participants.size());
        s.mapCount = s.mapsEnabled ? static_cast<std::int32_t>(event_.maps.size()) : 0;
        // The window program's own refusals of these settings.
        if (s.participantCount == 0) refuse("/participants", "there are no participants");
        if (s.participantCount > s.groupCount * s.groupSize) {
            refuse("/participants", counted(s.participantCount, "participant", "participants") +
                                        " do not fit in " + counted(s.groupCount, "group", "groups") + " of " +
                                        std::to_string(s.groupSize));
        }
        if (s.mapsEnabled && s.mapCount == 0) refuse("/maps", "maps are used, but there are none");
    }

    // Only a dual event's settings name their format; the window program
    // refuses a dual group of another size, and a dual group is a knock-out.
    void readGroupFormat(const Json& settings, Settings& s) {
        const auto format = settings.find("format");
        if (format == settings.end()) return;
        if (*format != kDualFormat) refuse("/settings/format", "is " + quoted(*format) + ", not \"" + kDualFormat + "\"");
        s.dual = true;
        if (!s.tournament) refuse("/settings/tournament", "must be true: a dual tournament is a knock-out");
        if (s.groupSize != kDualGroupSize) refuse("/settings/size", "must be 4: a dual tournament group has four places");
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
        if (pots.size() != count) refuse("/pots", "must hold one pot (or null) for each participant");
        if (tags.size() != count) refuse("/tags", "must hold one tag (or null) for each participant");
        for (std::size_t i = 0; i < count; ++i) {
            const int size = event_.state.settings.groupSize;
            event_.seeding.pots.push_back(pots[i].is_null() ? 0 : static_cast<int>(whole(pots[i], pointerTo("/pots", i), 1, size)));
            event_.seeding.tags.push_back(tags[i].is_null() ? std::string() : tag(tags[i], pointerTo("/tags", i)));
        }
    }

    std::string tag(const Json& value, const std::string& where) {
        const std::string& utf8 = text(value, where);
        if (utf8.empty()) refuse(where, "an empty tag must be null");
        if (hasControlCharacter(utf8)) refuse(where, "the tag contains a control character");
        auto cp949 = frontEnd_.fromUtf8(utf8);
        if (!cp949) refuse(where, "the tag has a character that code page 949 cannot hold");
        if (cp949->size() > kMaxTagBytes) {
            refuse(where, "the tag takes " + std::to_string(cp949->size()) + " bytes in code page 949, more than " +
                              std::to_string(kMaxTagBytes));
        }
        return std::move(*cp949);
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
            refuse("/groups", "holds " + counted(groups.size(), "group", "groups") + ", but the settings say " +
                                  std::to_string(s.groupCount));
        }
        const std::vector<Pos> members = expectedMembers();
        std::vector<bool> placed(event_.participants.size(), false);
        for (std::size_t g = 0; g < groups.size(); ++g) {
            const std::string where = pointerTo("/groups", g);
            requireObject(groups[g], where);
            event_.state.groupTable.push_back(readPlaces(groups[g], where, g, members[g], placed));
        }
        buildSchedules();
        for (std::size_t g = 0; g < groups.size(); ++g) readMatches(groups[g], pointerTo("/groups", g), g);
    }

    std::string layout() const {
        const Settings& s = event_.state.settings;
        return counted(s.participantCount, "participant", "participants") + " in " +
               counted(s.groupCount, "group", "groups") + " of " + std::to_string(s.groupSize) +
               (s.spreadVacancies ? ", vacancies spread," : ", filled in turn,");
    }

    std::vector<Pos> readPlaces(const Json& group, const std::string& where, std::size_t g, Pos members,
                                std::vector<bool>& placed) {
        const std::string at = pointerTo(where, "places");
        const Json& places = arrayOf(field(group, where, "places"), at);
        const auto size = static_cast<std::size_t>(event_.state.settings.groupSize);
        if (places.size() != size) {
            refuse(at, "holds " + counted(places.size(), "place", "places") + ", but each group has " +
                           std::to_string(size));
        }
        std::vector<Pos> row;
        for (std::size_t p = 0; p < size; ++p) {
            const std::string place = pointerTo(at, p);
            const bool member = static_cast<Pos>(p) < members;
            if (member == places[p].is_null()) {
                refuse(place, std::string(member ? "must be a member" : "must be an empty place (null)") + ": " +
                                  layout() + " give group " + groupLetter(g) + " " + std::to_string(members) +
                                  " members");
            }
            row.push_back(member ? participantAt(places[p], place, placed) : kNone);
        }
        return row;
    }

    // Names may repeat: each place takes the first participant of that
    // name not placed yet.
    Pos participantAt(const Json& value, const std::string& where, std::vector<bool>& placed) {
        const std::string& utf8 = text(value, where);
        bool known = false;
        for (std::size_t i = 0; i < participants_.size(); ++i) {
            if (participants_[i] != utf8) continue;
            known = true;
            if (!placed[i]) {
                placed[i] = true;
                return static_cast<Pos>(i);
            }
        }
        refuse(where, quoted(value) + (known ? " is placed twice" : " is not a participant"));
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
            refuse(at, "holds " + counted(matches.size(), "match", "matches") + ", but its " +
                           counted(event_.state.memberCount[g], "member", "members") + " play " +
                           std::to_string(count));
        }
        for (int k = 0; k < count; ++k) {
            const std::string match = pointerTo(at, static_cast<std::size_t>(k));
            requireObject(matches[static_cast<std::size_t>(k)], match);
            Match& drawn = event_.state.schedule[g][static_cast<std::size_t>(k)];
            drawn.map = readMap(matches[static_cast<std::size_t>(k)], match, drawn.second == kNone);
            readScore(matches[static_cast<std::size_t>(k)], match, MatchKey{static_cast<int>(g), k + 1});
        }
    }

    Pos readMap(const Json& match, const std::string& where, bool bye) {
        const std::string at = pointerTo(where, "map");
        const Json& map = field(match, where, "map");
        if (!event_.state.settings.mapsEnabled || bye) {
            if (!map.is_null()) refuse(at, bye ? "a bye has no map (null)" : "maps are not used: it must be null");
            return kNone;
        }
        if (!map.is_string()) refuse(at, "must be the name of a map in the map list");
        const std::string& utf8 = map.get_ref<const std::string&>();
        const auto it = std::find(maps_.begin(), maps_.end(), utf8);
        if (it == maps_.end()) refuse(at, quoted(map) + " is not in the map list");
        return static_cast<Pos>(it - maps_.begin());
    }

    // In match order, so that a knock-out's earlier results are in before a
    // later match's players are looked for.
    void readScore(const Json& match, const std::string& where, MatchKey key) {
        const std::string at = pointerTo(where, "score");
        const Json& json = field(match, where, "score");
        if (json.is_null()) return;
        if (!json.is_array() || json.size() != 2) refuse(at, "must be null or [W, L], the maps each player won");
        const auto maps = [&](std::size_t i) {
            return static_cast<int>(whole(json[i], pointerTo(at, i), 0, kMaxMapsWon));
        };
        const Score score{maps(0), maps(1)};
        switch (checkResult(event_.state, event_.results, key, score)) {
        case ResultProblem::None: break;
        case ResultProblem::Bye: refuse(at, "a bye has no result: it must be null");
        case ResultProblem::PlayersNotKnown: refuse(at, "the players of this match are not both known yet");
        case ResultProblem::Tie: refuse(at, "a tie: one player must win more maps than the other");
        default: refuse(at, "this result cannot stand");
        }
        event_.results.set(key, score);
    }

    // The playoff's choices, settled orders and scores; the rest of it is
    // compared with what they give.
    void readPlayoff() {
        const auto json = file_.find("playoff");
        if (json == file_.end()) return;
        requireObject(*json, "/playoff");
        Playoff& playoff = event_.playoff;
        playoff.perGroup = static_cast<int>(whole(field(*json, "/playoff", "perGroup"), "/playoff/perGroup", 1, 4));
        if (playoff.perGroup == 3) refuse("/playoff/perGroup", "must be 1, 2 or 4");
        playoff.thirdPlace = boolean(field(*json, "/playoff", "thirdPlace"), "/playoff/thirdPlace");
        const Json& settled = arrayOf(field(*json, "/playoff", "settled"), "/playoff/settled");
        for (std::size_t i = 0; i < settled.size(); ++i) playoff.settled.push_back(readSettled(settled[i], pointerTo("/playoff/settled", i)));
        if (!checkPlayoff(event_.state, event_.results, playoff).empty()) {
            refuse("/playoff", "cannot be made: a group has matches to play, or a tie that decides who goes through "
                               "is not settled, or the players are too few or too many");
        }
        const Json& matches = arrayOf(field(*json, "/playoff", "matches"), "/playoff/matches");
        ListHost host = hostFor(event_);
        const std::size_t count = playoffBracket(event_.state, event_.results, playoff, event_.seed, host).matches.size();
        if (matches.size() != count) {
            refuse("/playoff/matches", "holds " + counted(matches.size(), "match", "matches") + ", but the playoff has " +
                                           std::to_string(count));
        }
        for (std::size_t k = 0; k < count; ++k) {
            const std::string at = pointerTo(pointerTo("/playoff/matches", k), "score");
            requireObject(matches[k], pointerTo("/playoff/matches", k));
            const Json& score = field(matches[k], pointerTo("/playoff/matches", k), "score");
            if (score.is_null()) continue;
            if (!score.is_array() || score.size() != 2) refuse(at, "must be null or [W, L], the maps each player won");
            const Score s{static_cast<int>(whole(score[0], pointerTo(at, 0), 0, kMaxMapsWon)),
                          static_cast<int>(whole(score[1], pointerTo(at, 1), 0, kMaxMapsWon))};
            const PlayoffBracket bracket = playoffBracket(event_.state, event_.results, playoff, event_.seed, host);
            if (checkPlayoffResult(bracket, static_cast<int>(k) + 1, s) != ResultProblem::None) {
                refuse(at, "this result cannot stand (a bye, players not both known yet, or a tie)");
            }
            playoff.results.set({kPlayoffGroup, static_cast<int>(k) + 1}, s);
        }
    }

    SettledOrder readSettled(const Json& json, const std::string& where) {
        requireObject(json, where);
        const std::string& letter = text(field(json, where, "group"), pointerTo(where, "group"));
        const int g = letter.size() == 1 ? letter[0] - 'A' : -1;
        if (g < 0 || g >= event_.state.settings.groupCount) refuse(pointerTo(where, "group"), "is not a group of the draw");
        SettledOrder order{g, {}};
        const std::string at = pointerTo(where, "order");
        const Json& names = arrayOf(field(json, where, "order"), at);
        for (std::size_t i = 0; i < names.size(); ++i) order.order.push_back(memberNamed(names[i], pointerTo(at, i), g, order.order));
        if (checkSettle(event_.state, event_.results, event_.playoff.perGroup, order) != SettleProblem::None) {
            refuse(at, "does not settle members of group " + letter + " that share a rank deciding who goes through");
        }
        return order;
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
        refuse(where, quoted(value) + " is not a member of group " + groupLetter(static_cast<std::size_t>(g)) +
                          " (or is named twice)");
    }

    void checkFingerprint() {
        const std::string& stated = text(field(file_, "", "fingerprint"), "/fingerprint");
        const std::string computed = fingerprint(event_, frontEnd_);
        if (computed.empty()) refuse("/fingerprint", "SHA-256 cannot be computed");
        if (stated != computed) {
            refuse("/fingerprint", "is not the fingerprint of the file's inputs, which is \"" + computed + "\"");
        }
    }

    const Json& file_;
    const FrontEnd& frontEnd_;
    Event event_;
    std::vector<std::string> participants_, maps_;  // UTF-8, as the file spells them
};

// What follows from the draw and the results must be what the file says;
// and the file holds no key the format does not know.
void compare(const Json& found, const Written& expected, const std::string& where) {
    if (expected.is_object()) {
        requireObject(found, where);
        for (const auto& [key, value] : found.items()) {
            if (!expected.contains(key)) refuse(pointerTo(where, key), "is not a key of the event file");
        }
        for (const auto& [key, value] : expected.items()) {
            compare(field(found, where, key.c_str()), value, pointerTo(where, key));
        }
    } else if (expected.is_array()) {
        arrayOf(found, where);
        if (found.size() != expected.size()) {
            refuse(where, "holds " + counted(found.size(), "entry", "entries") + ", but the draw and results give " +
                              std::to_string(expected.size()));
        }
        for (std::size_t i = 0; i < found.size(); ++i) compare(found[i], expected[i], pointerTo(where, i));
    } else if (jsonText(found) != jsonText(expected)) {
        // As JSON text, so that 1.0 is not taken for 1.
        refuse(where, "is " + quoted(found) + ", but the draw and results give " + quoted(expected));
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

ReadOutcome readEvent(std::string_view bytes, const FrontEnd& frontEnd) {
    ReadOutcome outcome;
    if (bytes.size() > kMaxEventFileBytes) {
        outcome.error = "the file is larger than " + std::to_string(kMaxEventFileBytes / 1024 / 1024) + " MiB (" +
                        std::to_string(bytes.size()) + " bytes)";
        return outcome;
    }
    const detail::Parsed parsed = detail::parseLimited(bytes);
    if (!parsed.error.empty()) {
        outcome.error = parsed.error;
        return outcome;
    }
    try {
        Event event = Reader(parsed.document, frontEnd).read();
        const auto expected = detail::eventJson(event, frontEnd, event.program);
        if (!expected) refuse("", "a name does not convert back to UTF-8");
        compare(parsed.document, *expected, "");
        outcome.event = std::move(event);
    } catch (const Refusal& refusal) {
        outcome.error = refusal.message;
    } catch (const std::bad_alloc&) {
        outcome.error = "out of memory";
    }
    return outcome;
}

}  // namespace rl::event
