#include "cli/front_end.h"

#include "cli/encoding.h"
#include "cli/seed_text.h"

namespace rl::cli {

event::FrontEnd eventFrontEnd() {
    return {cp949ToUtf8, utf8ToCp949, [](std::string_view bytes) -> std::optional<std::string> {
                const auto digest = sha256(bytes);
                if (!digest) return std::nullopt;
                return std::string(digest->begin(), digest->end());
            }};
}

}  // namespace rl::cli
