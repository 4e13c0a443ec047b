#include <algorithm>

#include "engine/limits.h"

namespace rl {

namespace {

// A double-byte character's trail byte is never below 0x41, so no byte of
// one is mistaken for these.
bool isControlCharacter(char c) { return (static_cast<unsigned char>(c) < 0x20 && c != '\t') || c == 0x7F; }

// The window program tests the first byte alone, with the C white-space set.
bool beginsWithWhiteSpace(std::string_view text) {
    return std::string_view(" \t\n\v\f\r").find(text.front()) != std::string_view::npos;
}

}  // namespace

TextProblem nameCharacterProblem(std::string_view text) {
    if (text.empty()) return TextProblem::Empty;
    if (beginsWithWhiteSpace(text)) return TextProblem::BeginsWithWhiteSpace;
    return tagCharacterProblem(text);
}

TextProblem tagCharacterProblem(std::string_view text) {
    return std::any_of(text.begin(), text.end(), isControlCharacter) ? TextProblem::ControlCharacter
                                                                    : TextProblem::None;
}

TextProblem nameProblem(std::string_view cp949) {
    const TextProblem characters = nameCharacterProblem(cp949);
    if (characters != TextProblem::None) return characters;
    return cp949.size() > kMaxNameBytes ? TextProblem::TooLong : TextProblem::None;
}

TextProblem tagProblem(std::string_view cp949) {
    const TextProblem characters = tagCharacterProblem(cp949);
    if (characters != TextProblem::None) return characters;
    return cp949.size() > kMaxTagBytes ? TextProblem::TooLong : TextProblem::None;
}

}  // namespace rl
