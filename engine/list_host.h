#pragma once
#include <string>
#include <vector>

#include "engine/assignment.h"
#include "engine/host.h"

namespace rl {

// A Host over plain values, for the command line, the tests, the fuzzer and
// the benchmark. Messages are recorded instead of shown.
class ListHost : public Host {
public:
    std::vector<std::string> participants;
    std::vector<std::string> maps;
    bool mapsEnabled = false;
    bool equalMaps = true;
    bool tournament = false;
    bool spreadVacancies = true;
    std::string groupCountText = "4";
    std::string groupSizeText = "4";
    std::uint32_t clock = 0;

    // The controls set as `settings` has them, so that captureSettings reads them back.
    void showSettings(const Settings& settings);

    std::vector<int> shownMessages;
    int allocationFailuresReported = 0;

    int listCount(ListKind list) override;
    std::string_view listText(ListKind list, int index) override;
    int checkState(Option option) override;
    std::string_view numberFieldText(NumberField field) override;
    void showMessage(int stringId) override;
    void reportAllocationFailure() override;
    std::uint32_t now() override;
};

}  // namespace rl
