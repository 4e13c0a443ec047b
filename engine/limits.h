#pragma once
// What an event can hold, the same in both programs and in the event file,
// and the rules a name and a tag keep. Each program words a broken rule in
// its own language; the rules only say which one it is.
#include <cstddef>
#include <string_view>

namespace rl {

constexpr std::size_t kMaxNameBytes = 49;  // code page 949: what the entry fields take
constexpr std::size_t kMaxParticipants = 128;
constexpr std::size_t kMaxMaps = 10;
constexpr int kMaxGroups = 8;
constexpr int kMaxGroupSize = 8;
constexpr std::size_t kMaxTagBytes = 20;  // code page 949
constexpr int kMaxPot = kMaxGroupSize;    // pots run from 1 to the largest group

enum class TextProblem { None, Empty, BeginsWithWhiteSpace, ControlCharacter, TooLong };

// The rules for the characters look at ASCII bytes only, which mean the same
// in UTF-8 and in code page 949, so a reader can apply them before it
// converts a text: a name is not empty, does not begin with white space (the
// C set) and holds no control character but the tab; a tag holds no control
// character either (an empty tag is no tag).
TextProblem nameCharacterProblem(std::string_view text);
TextProblem tagCharacterProblem(std::string_view text);

// The whole rule on the code page 949 bytes: the characters, then the length.
TextProblem nameProblem(std::string_view cp949);
TextProblem tagProblem(std::string_view cp949);

}  // namespace rl
