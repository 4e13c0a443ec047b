#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "engine/limits.h"  // the lists' limits
#include "engine/race.h"

namespace rl::cli {

struct NameList {
    std::vector<std::string> names;  // code page 949, in file order
    // Read only with Columns::Read, one per name: the pot (0: none) and the
    // tag (code page 949; empty: none).
    std::vector<int> pots;
    std::vector<std::string> tags;
    std::vector<Race> races;  // read only with races: one per name
    int errorLine = 0;               // 1-based; 0 when the list is good
    std::string error;

    bool ok() const { return errorLine == 0; }
};

// What a tab in a line means. Kept: it is part of the name (the map list,
// and every list before the seeded draw). Refused: a tab followed by more
// text is refused, naming --pots (the participants without it). Read: the
// line is NAME<TAB>POT<TAB>TAG, either of the last two empty or left out.
enum class Columns { Kept, Refused, Read };

// Reads a UTF-8 list of names, one a line (LF or CR LF; a leading byte-order
// mark and empty lines skipped), as the window program's entry fields would
// take them: names stay as written, duplicates allowed. Any bytes at all may
// come in; the first bad line stops the reading. `noun` names the list in
// the message for too many entries ("participants", "maps"). With `races`
// (not with Columns::Kept), the line's last column is the race (race.h):
// NAME<TAB>RACE, or NAME<TAB>POT<TAB>TAG<TAB>RACE with Columns::Read, a
// column empty or left out for none.
// The race a UTF-8 column names (race.h), or why it names none: what the
// participant lines and the results file's replacements share.
std::string raceFromColumn(std::string_view utf8, Race& race);

NameList parseNameList(std::string_view bytes, std::size_t maxNames, std::string_view noun,
                       Columns columns = Columns::Kept, bool races = false);

// A list file's lines in order: a leading byte-order mark goes, lines end
// in LF or CR LF, and empty lines are skipped.
class ListLines {
public:
    explicit ListLines(std::string_view bytes);
    bool next(std::string_view& line);      // false at the end
    int number() const { return number_; }  // the last line's, from 1

private:
    std::string_view rest_;
    int number_ = 0;
};

// Why a UTF-8 line cannot be a name by the participants' rules, or nothing;
// `name` receives its code page 949 bytes.
std::string checkName(std::string_view line, std::string& name);

}  // namespace rl::cli
