#include "engine/seed_entry.h"

#include <cstdio>

#include "resources/seeding.h"

namespace rl {

namespace {

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

// Bytes below 0x20 (a tab too) and 0x7F; no multibyte character of code
// page 949 or UTF-8 holds one.
bool hasControlCharacter(std::string_view text) {
    for (char c : text) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) return true;
    }
    return false;
}

// Plain digits without a leading zero, small enough to hold; else -1.
int numberOf(std::string_view text) {
    if (text.empty() || text.size() > 4) return -1;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return -1;
        value = value * 10 + (c - '0');
    }
    return text.size() > 1 && text[0] == '0' ? -1 : value;
}

}  // namespace

SeedEntryCheck checkSeedEntry(std::string_view potText, std::string_view tagText, int maxPot) {
    SeedEntryCheck check;
    check.potText = std::string(trimmed(potText));
    check.tag = std::string(trimmed(tagText));
    if (!check.potText.empty()) {
        check.pot = numberOf(check.potText);
        if (check.pot < 0) {
            check.pot = 0;
            check.fault = SeedEntryCheck::PotNotNumber;
            return check;
        }
        if (check.pot < 1 || check.pot > maxPot) {
            check.fault = SeedEntryCheck::PotOutOfRange;
            return check;
        }
    }
    if (hasControlCharacter(check.tag)) check.fault = SeedEntryCheck::TagControl;
    else if (check.tag.size() > kMaxTagBytes) check.fault = SeedEntryCheck::TagTooLong;
    return check;
}

std::string seedEntryProblem(const SeedEntryCheck& check, int maxPot) {
    switch (check.fault) {
    case SeedEntryCheck::Fine: return {};
    case SeedEntryCheck::PotNotNumber:
    case SeedEntryCheck::PotOutOfRange:
        return "the pot must be a number from 1 to " + std::to_string(maxPot) + ", not '" + check.potText + "'";
    case SeedEntryCheck::TagControl: return "the tag contains a control character";
    case SeedEntryCheck::TagTooLong:
        return "the tag takes " + std::to_string(check.tag.size()) + " bytes in code page 949, more than " +
               std::to_string(kMaxTagBytes);
    }
    return {};
}

SeedRefusal seedEntryRefusal(const SeedEntryCheck& check, int row, int maxPot) {
    switch (check.fault) {
    case SeedEntryCheck::Fine: return {};
    case SeedEntryCheck::PotNotNumber: return {IDS_SEED_POT_NOT_NUMBER, row, 0, 0, maxPot};
    case SeedEntryCheck::PotOutOfRange: return {IDS_SEED_POT_RANGE, row, check.pot, 0, maxPot};
    case SeedEntryCheck::TagControl: return {IDS_SEED_TAG_CONTROL, row, 0, 0, 0};
    case SeedEntryCheck::TagTooLong: return {IDS_SEED_TAG_TOO_LONG, row, 0, 0, static_cast<int>(kMaxTagBytes)};
    }
    return {};
}

std::string seedEntryRefusalText(const SeedEntryCheck& check, int row, int maxPot) {
    return check.fault == SeedEntryCheck::Fine ? std::string() : seedRefusalText(seedEntryRefusal(check, row, maxPot));
}

std::string raceEntryProblem(std::string_view typed) {
    return "the race must be T, Z, P or R, or its name in Korean, not '" + std::string(trimmed(typed)) + "'";
}

SeedRefusal raceEntryRefusal(int row) { return {IDS_SEED_RACE_UNKNOWN, row, 0, 0, 0}; }

}  // namespace rl
