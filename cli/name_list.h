#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace rl::cli {

// Longest name the window program's entry fields take, in code page 949 bytes.
constexpr std::size_t kMaxNameBytes = 49;
constexpr std::size_t kMaxParticipants = 128;
constexpr std::size_t kMaxMaps = 10;

struct NameList {
    std::vector<std::string> names;  // code page 949, in file order
    int errorLine = 0;               // 1-based; 0 when the list is good
    std::string error;

    bool ok() const { return errorLine == 0; }
};

// Reads a UTF-8 list of names, one a line (LF or CR LF; a leading byte-order
// mark and empty lines skipped), as the window program's entry fields would
// take them: names stay as written, duplicates allowed. Any bytes at all may
// come in; the first bad line stops the reading. `noun` names the list in
// the message for too many entries ("participants", "maps").
NameList parseNameList(std::string_view bytes, std::size_t maxNames, std::string_view noun);

}  // namespace rl::cli
