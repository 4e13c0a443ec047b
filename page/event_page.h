#pragma once
// The page of an event as both programs write it, so that the window
// program's page and rosterloom-cli's are the same bytes for the same event.
#include <optional>
#include <string>
#include <string_view>

#include "event/event.h"

namespace rl::page {

// The name an event file gives its page: no folder, no ".json".
std::string titleFromFileName(std::string_view path);

// The page's heading is the event's title, else `fileTitle` (the name of the
// event file it came from), else the default. Nothing when a name does not
// convert.
std::optional<std::string> eventPage(const event::Event& event, Host& host, const event::FrontEnd& frontEnd,
                                     const std::string& fileTitle);

}  // namespace rl::page
