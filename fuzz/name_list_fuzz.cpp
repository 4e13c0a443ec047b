// Any bytes at all as a names file: the reader either refuses them with a
// line number, or returns names that the window program's entry fields would
// have taken, and that read back the same after a round trip through UTF-8.
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "cli/name_list.h"
#include "platform/encoding.h"

namespace {

void require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}

// The same bytes as participants with their columns and races: one race a
// name, and written back as columns (the race by its letter) they read the same.
void checkRaceColumns(std::string_view bytes, rl::cli::Columns columns) {
    const rl::cli::NameList list = rl::cli::parseNameList(bytes, rl::kMaxParticipants, "participants", columns, true);
    if (!list.ok()) {
        require(list.errorLine >= 1 && !list.error.empty() && list.races.empty(), "a refusal names its line, keeps nothing");
        return;
    }
    require(list.races.size() == list.names.size(), "a race for every name");
    const bool pots = columns == rl::cli::Columns::Read;
    std::string again;
    for (std::size_t i = 0; i < list.names.size(); ++i) {
        again += *rl::platform::cp949ToUtf8(list.names[i]);
        if (pots) {
            const std::string pot = list.pots[i] ? std::to_string(list.pots[i]) : std::string();
            again += "\t" + pot + "\t" + *rl::platform::cp949ToUtf8(list.tags[i]);
        }
        again += "\t" + std::string(rl::raceLetter(list.races[i])) + "\n";
    }
    const rl::cli::NameList reread = rl::cli::parseNameList(again, rl::kMaxParticipants, "participants", columns, true);
    require(reread.ok() && reread.names == list.names && reread.races == list.races, "round trip keeps the races");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    checkRaceColumns(bytes, rl::cli::Columns::Refused);
    checkRaceColumns(bytes, rl::cli::Columns::Read);
    rl::cli::NameList list = rl::cli::parseNameList(bytes, rl::kMaxParticipants, "participants");
    if (!list.ok()) {
        require(list.errorLine >= 1 && !list.error.empty(), "a refusal names its line");
        return 0;
    }
    require(list.names.size() <= rl::kMaxParticipants, "at most the limit");
    std::string again;
    for (const std::string& name : list.names) {
        require(!name.empty() && name.size() <= rl::kMaxNameBytes, "1 to 49 bytes");
        require(!std::isspace(static_cast<unsigned char>(name[0])), "no leading white space");
        require(name.find_first_of(std::string("\r\n\0", 3)) == std::string::npos, "one line, no NUL");
        auto utf8 = rl::platform::cp949ToUtf8(name);
        require(utf8.has_value(), "code page 949 text");
        again += *utf8 + "\n";
    }
    rl::cli::NameList reread = rl::cli::parseNameList(again, rl::kMaxParticipants, "participants");
    require(reread.ok() && reread.names == list.names, "round trip keeps the names");
    return 0;
}
