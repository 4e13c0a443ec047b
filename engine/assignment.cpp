#include "engine/assignment.h"

#include <algorithm>
#include <cstddef>
#include <limits>
#include <new>
#include <stdexcept>

#include "engine/draw_steps.h"
#include "engine/pairing.h"
#include "engine/schedule.h"
#include "engine/shuffle.h"
#include "resources/strings.h"

namespace rl {

namespace {

// The window program's number fields hold at most 49 characters.
constexpr std::size_t kNumberFieldLimit = 49;

int gRemainingAllocations = -1;

// Spends one permitted allocation; false when an armed failure is due.
bool allocationPermitted() {
    if (gRemainingAllocations < 0) {
        return true;
    }
    if (gRemainingAllocations == 0) {
        gRemainingAllocations = -1;
        return false;
    }
    --gRemainingAllocations;
    return true;
}

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Decimal like strtol: blanks, an optional sign, the digits up to the first
// other character; no digits gives 0. Out-of-range values saturate.
std::int32_t decimalValue(std::string_view text) {
    text = text.substr(0, kNumberFieldLimit);
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i])) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    constexpr std::int64_t limit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    std::int64_t magnitude = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        magnitude = std::min(magnitude * 10 + (text[i] - '0'), limit);
    }
    if (negative) {
        return static_cast<std::int32_t>(-magnitude);
    }
    return static_cast<std::int32_t>(std::min(magnitude, limit - 1));
}

bool isChecked(Host& host, Option option) { return host.checkState(option) == 1; }

// Places of all groups; a dimension below one leaves no place at all, so a
// pair of negative fields cannot pass as a positive product.
std::int64_t totalPlaces(const Settings& settings) {
    if (settings.groupCount <= 0 || settings.groupSize <= 0) {
        return 0;
    }
    return std::int64_t{settings.groupCount} * settings.groupSize;
}

// The message that rejects the settings, or 0 when they are usable.
int rejection(const Settings& settings) {
    if (settings.participantCount == 0) {
        return IDS_NO_PARTICIPANTS;
    }
    if (settings.participantCount > totalPlaces(settings)) {
        return IDS_TOO_MANY_PARTICIPANTS;
    }
    if (settings.mapsEnabled && settings.mapCount == 0) {
        return IDS_NO_MAPS;
    }
    if (!fitsGroupSize(settings.format, settings.groupSize)) {
        return IDS_FORMAT_GROUP_SIZE;
    }
    return 0;
}

}  // namespace

DrawFormat drawFormatOf(const Settings& settings) {
    return {settings.format == GroupFormat::Dual, settings.bestOf};
}

bool captureSettings(AssignmentState& state, Host& host, const DrawFormat& format) {
    state.mapOrder.reset();

    Settings& settings = state.settings;
    settings.mapsEnabled = isChecked(host, Option::MapsEnabled);
    settings.equalMaps = isChecked(host, Option::EqualMaps);
    settings.format = groupFormat(isChecked(host, Option::Tournament), format.dual);
    settings.spreadVacancies = isChecked(host, Option::SpreadVacancies);
    settings.participantCount = host.listCount(ListKind::Participants);
    if (settings.mapsEnabled) {
        settings.mapCount = host.listCount(ListKind::Maps);
    }
    settings.groupCount = decimalValue(host.numberFieldText(NumberField::GroupCount));
    settings.groupSize = decimalValue(host.numberFieldText(NumberField::GroupSize));
    settings.bestOf = format.bestOf;

    if (int message = rejection(settings)) {
        host.showMessage(message);
        return false;
    }
    return true;
}

template <class T>
bool allocateZeroed(Host& host, std::vector<T>& out, std::int32_t count) {
    out.clear();
    out.shrink_to_fit();
    bool allocated = count >= 0 && allocationPermitted();
    if (allocated) {
        try {
            out.assign(static_cast<std::size_t>(count), T{});
        } catch (const std::bad_alloc&) {
            allocated = false;
        } catch (const std::length_error&) {
            allocated = false;
        }
    }
    if (!allocated) {
        out = std::vector<T>{};
        host.reportAllocationFailure();
    }
    return allocated;
}

// Every element type that the engine and its users allocate.
template bool allocateZeroed(Host&, std::vector<Pos>&, std::int32_t);
template bool allocateZeroed(Host&, std::vector<std::vector<Pos>>&, std::int32_t);
template bool allocateZeroed(Host&, std::vector<Match>&, std::int32_t);
template bool allocateZeroed(Host&, std::vector<Schedule>&, std::int32_t);
template bool allocateZeroed(Host&, std::vector<Pair>&, std::int32_t);
template bool allocateZeroed(Host&, std::vector<unsigned char>&, std::int32_t);
template bool allocateZeroed(Host&, std::vector<char>&, std::int32_t);
template bool allocateZeroed(Host&, std::vector<int>&, std::int32_t);

void failAllocationsAfter(int successes) { gRemainingAllocations = successes < 0 ? -1 : successes; }

std::string_view nameOf(Host& host, ListKind list, int index) {
    // An index past the end names nothing, like a vacant place.
    if (index < 0 || index >= host.listCount(list)) {
        return "-";
    }
    return host.listText(list, index);
}

void releaseAssignment(AssignmentState& state) {
    state.groupTable = GroupTable{};
    state.schedule = std::vector<Schedule>{};
    state.matchCount = std::vector<Pos>{};
    state.memberCount = std::vector<Pos>{};
    state.mapOrder.reset();
}

AssignOutcome assign(AssignmentState& state, Host& host, const DrawFormat& format) {
    releaseAssignment(state);
    if (!captureSettings(state, host, format)) {
        return AssignOutcome::Rejected;
    }
    return fillLayAndSchedule(state, host, host, [] { return true; });
}

}  // namespace rl
