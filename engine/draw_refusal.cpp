// The draw's refusals worded, one row a kind: the settings' messages and
// the seeded draw's, with the numbers each one names. The window program
// shows the same texts from its string table; rosterloom-cli and the event
// check read them here.
#include <iterator>
#include <string>

#include "engine/seeding.h"
#include "resources/placement.h"
#include "resources/seeding.h"
#include "resources/strings.h"

namespace rl {

namespace {

using Value = int SeedRefusal::*;

struct DrawWording {
    int stringId;
    const char* text;  // code page 949; each %d takes the next value, %s the race's name
    Value values[3];
};

constexpr DrawWording kWordings[] = {
    {IDS_NO_PARTICIPANTS, STR_NO_PARTICIPANTS, {}},
    {IDS_TOO_MANY_PARTICIPANTS, STR_TOO_MANY_PARTICIPANTS, {}},
    {IDS_NO_MAPS, STR_NO_MAPS, {}},
    {IDS_FORMAT_GROUP_SIZE, STR_FORMAT_GROUP_SIZE, {}},
    {IDS_SEED_POT_RANGE, STR_SEED_POT_RANGE, {&SeedRefusal::participant, &SeedRefusal::pot, &SeedRefusal::limit}},
    {IDS_SEED_TAG_TOO_LONG, STR_SEED_TAG_TOO_LONG, {&SeedRefusal::participant, &SeedRefusal::limit}},
    {IDS_SEED_POT_OVERFULL, STR_SEED_POT_OVERFULL, {&SeedRefusal::pot, &SeedRefusal::players, &SeedRefusal::limit}},
    {IDS_SEED_POT_NO_ROOM, STR_SEED_POT_NO_ROOM, {&SeedRefusal::pot, &SeedRefusal::players}},
    {IDS_SEED_TAGS_NOT_SPREAD, STR_SEED_TAGS_NOT_SPREAD, {}},
    {IDS_SEED_POT_NOT_NUMBER, STR_SEED_POT_NOT_NUMBER, {&SeedRefusal::participant, &SeedRefusal::limit}},
    {IDS_SEED_TAG_CONTROL, STR_SEED_TAG_CONTROL, {&SeedRefusal::participant}},
    {IDS_SEED_RACE_UNKNOWN, STR_SEED_RACE_UNKNOWN, {&SeedRefusal::participant}},
    {IDS_SEED_RACE_NOT_SPREAD, STR_SEED_RACE_NOT_SPREAD, {&SeedRefusal::players}},
    {IDS_SEED_RACES_NOT_SPREAD, STR_SEED_RACES_NOT_SPREAD, {}},
    {IDS_SEED_RACES_AND_TAGS, STR_SEED_RACES_AND_TAGS, {}},
    {IDS_SEED_RACES_TOO_MANY_POTS, STR_SEED_RACES_TOO_MANY_POTS, {}},
    {IDS_PLACEMENT_STALE, STR_PLACEMENT_STALE, {}},
    {IDS_PLACEMENT_SEEDED, STR_PLACEMENT_SEEDED, {}},
};

// '%' is never the second byte of a code page 949 character, so the
// pattern is read byte by byte.
std::string filledIn(const DrawWording& wording, const SeedRefusal& refusal) {
    std::string out;
    const Value* next = std::begin(wording.values);
    for (const char* c = wording.text; *c; ++c) {
        if (c[0] == '%' && c[1] == 'd' && next != std::end(wording.values) && *next) {
            out += std::to_string(refusal.*(*next++));
            ++c;
        } else if (c[0] == '%' && c[1] == 's') {
            out += raceName(refusal.race);
            ++c;
        } else {
            out += *c;
        }
    }
    return out;
}

}  // namespace

std::string seedRefusalText(const SeedRefusal& refusal) {
    for (const DrawWording& wording : kWordings) {
        if (wording.stringId == refusal.stringId) return filledIn(wording, refusal);
    }
    return {};
}

std::string drawRefusalText(int stringId) { return seedRefusalText(SeedRefusal{stringId}); }

}  // namespace rl
