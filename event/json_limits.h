#pragma once
// Parsing a file that anyone may have written: nesting and duplicate keys
// are refused as the document is built, so no input can run the parser's
// callers out of stack, and no key silently hides another.
#include <string>
#include <string_view>

#include "event/event_json.h"
#include "event/refusal.h"

namespace rl::event::detail {

// Deeper than any event file nests (a score is 6 levels down).
constexpr int kMaxDepth = 8;

// A sorted map: ordered_json finds a key by a linear search, which an
// object of a hundred thousand keys would turn into minutes.
using Document = nlohmann::json;

struct Parsed {
    Document document;
    std::optional<Refusal> refusal;  // none when parsed
};

// The bytes as one JSON document; the error names the byte offset (from 0)
// of a syntax error or of a byte that is not UTF-8, or the JSON pointer of a
// duplicate key or of nesting that goes too deep.
Parsed parseLimited(std::string_view bytes);

// A JSON pointer's next step.
std::string pointerTo(const std::string& where, std::string_view key);
std::string pointerTo(const std::string& where, std::size_t index);

}  // namespace rl::event::detail
