#pragma once
// What the reader and the writer share: the event as a JSON document.
#include <nlohmann/json.hpp>

#include "event/event.h"

namespace rl::event::detail {

// Keys stay in the order the format documents them.
using Json = nlohmann::ordered_json;

// The whole file as a document, naming `program` as its writer; nothing when
// a name does not convert. Everything the draw and the results imply (the
// members, the matches' players, the standings) is filled in from them.
std::optional<Json> eventJson(const Event& event, const FrontEnd& frontEnd, const std::string& program);

// The fingerprint of a document's inputs, or empty when SHA-256 fails.
std::string fingerprintOf(const Json& inputs, const FrontEnd& frontEnd);

}  // namespace rl::event::detail
