#pragma once
// The page of an event as both programs write it, so that the window
// program's page and rosterloom-cli's are the same bytes for the same event.
#include <optional>
#include <string>
#include <string_view>

#include "event/event.h"
#include "page/page.h"

namespace rl::page {

// The name an event file gives its page: no folder, no ".json".
std::string titleFromFileName(std::string_view path);

// The one rule for an event's page heading in both programs (UTF-8): the
// event's title (an empty one: the default); else the name of the file it came from (`fileName`, UTF-8,
// empty for none), except that the window program's autosave is no name a
// person gave; else the default.
std::string pageTitle(const event::Event& event, std::string_view fileName);

// The page's heading is the event's title, else `fileTitle` (the name of the
// event file it came from), else the default. Nothing when a name does not
// convert.
std::optional<std::string> eventPage(const event::Event& event, Host& host, const event::FrontEnd& frontEnd,
                                     const std::string& fileTitle);

}  // namespace rl::page
