#include "platform/front_end.h"

#include "platform/encoding.h"
#include "platform/sha256.h"

namespace rl::platform {

const event::FrontEnd& eventFrontEnd() {
    static const event::FrontEnd frontEnd{cp949ToUtf8, utf8ToCp949, sha256};
    return frontEnd;
}

}  // namespace rl::platform
