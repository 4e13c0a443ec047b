#pragma once
// One participant's pot and tag as typed or pasted, checked by the one rule
// that the window and rosterloom-cli share: the pot blank or a whole number
// from 1 to the largest pot allowed, the tag (code page 949, blanks at its
// ends dropped) at most kMaxTagBytes bytes without a control character.
// Nothing is ever cut to fit: what breaks the rule is refused.
#include <cstddef>
#include <string>
#include <string_view>

#include "engine/seeding.h"

namespace rl {

struct SeedEntryCheck {
    enum Fault { Fine, PotNotNumber, PotOutOfRange, TagControl, TagTooLong } fault = Fine;
    int pot = 0;          // 0: none; out of range: the number typed
    std::string tag;      // trimmed
    std::string potText;  // trimmed, as typed
};

SeedEntryCheck checkSeedEntry(std::string_view potText, std::string_view tagText, int maxPot);

// rosterloom-cli's words for the fault, in English: "the pot must be a
// number from 1 to 8, not '9'", "the tag takes 21 bytes in code page 949,
// more than 20", "the tag contains a control character". Empty when fine.
std::string seedEntryProblem(const SeedEntryCheck& check, int maxPot);

// The window's message for the fault of participant `row` (1-based): a
// string-table id with its numbers, shown with seedEntryRefusalText.
SeedRefusal seedEntryRefusal(const SeedEntryCheck& check, int row, int maxPot);
std::string seedEntryRefusalText(const SeedEntryCheck& check, int row, int maxPot);

// A race column (race.h) that names no race: rosterloom-cli's words, with
// `typed` echoed as the caller shows it ("the race must be T, Z, P or R, or
// its name in Korean, not 'X'"), and the window's message for participant
// `row` (1-based).
std::string raceEntryProblem(std::string_view typed);
SeedRefusal raceEntryRefusal(int row);

}  // namespace rl
