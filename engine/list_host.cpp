#include "engine/list_host.h"

namespace rl {

int ListHost::listCount(ListKind list) {
    return static_cast<int>((list == ListKind::Participants ? participants : maps).size());
}

std::string_view ListHost::listText(ListKind list, int index) {
    return (list == ListKind::Participants ? participants : maps).at(static_cast<std::size_t>(index));
}

int ListHost::checkState(Option option) {
    switch (option) {
    case Option::MapsEnabled: return mapsEnabled ? 1 : 0;
    case Option::EqualMaps: return equalMaps ? 1 : 0;
    case Option::Tournament: return tournament ? 1 : 0;
    case Option::SpreadVacancies: return spreadVacancies ? 1 : 0;
    }
    return 0;
}

std::string_view ListHost::numberFieldText(NumberField field) {
    return field == NumberField::GroupCount ? groupCountText : groupSizeText;
}

void ListHost::showSettings(const Settings& settings) {
    mapsEnabled = settings.mapsEnabled;
    equalMaps = settings.equalMaps;
    tournament = settings.tournament();
    spreadVacancies = settings.spreadVacancies;
    groupCountText = std::to_string(settings.groupCount);
    groupSizeText = std::to_string(settings.groupSize);
}

void ListHost::showMessage(int stringId) { shownMessages.push_back(stringId); }

void ListHost::reportAllocationFailure() { ++allocationFailuresReported; }

std::uint32_t ListHost::now() { return clock; }

}  // namespace rl
