// The fuzzer's bytes as the choices of an organiser's evening: a random draw,
// then results, clears, settled ties, playoffs made and undone. After every
// change the event writes, reads back and writes again to the same bytes,
// and the standings text of what was read is the text of what was written.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "event/actions.h"
#include "fuzz/latin1.h"
#include "tests/event_walk.h"

namespace {

void require(bool condition, const char* what, const std::string& history) {
    if (!condition) {
        std::fprintf(stderr, "invariant broken: %s\nafter:\n%s", what, history.c_str());
        std::abort();
    }
}

// Each choice takes the next bytes; once they run out, every choice is 0.
class Choices {
public:
    Choices(const unsigned char* data, std::size_t size) : data_(data), size_(size) {}
    unsigned operator()(unsigned n) {
        unsigned value = 0;
        for (int i = 0; i < 4 && at_ < size_; ++i) value = value << 8 | data_[at_++];
        return value % n;
    }
    bool left() const { return at_ < size_; }

private:
    const unsigned char* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    static const rl::event::FrontEnd frontEnd{latin1, fromLatin1, [](std::string_view) { return std::string(32, '\1'); }};
    Choices choices(data, size);
    const rl::test::Pick pick = [&](unsigned n) { return choices(n); };
    std::optional<rl::event::Event> event = rl::test::randomEvent(pick);
    if (!event) return 0;
    std::string history = "draw\n";
    // A few changes an input keep the target quick; the corpus grows the rest.
    for (int step = 0; step < 6; ++step) {
        const auto written = rl::event::writeEvent(*event, frontEnd);
        require(written.has_value(), "the event writes", history);
        const rl::event::ReadOutcome read = rl::event::readEvent(*written, frontEnd);
        require(read.ok(), read.error.c_str(), history);
        require(rl::event::writeEvent(*read.event, frontEnd) == written, "written again the same", history);
        require(rl::event::eventStandingsText(*read.event) == rl::event::eventStandingsText(*event),
                "the same standings", history);
        const std::string fault = rl::test::withdrawalFault(*event);
        require(fault.empty(), fault.c_str(), history);
        if (!choices.left()) break;
        const std::string change = rl::test::randomChange(*event, pick);
        history += change + "\n";
        require(change.rfind("FAULT", 0) == std::string::npos, change.c_str(), history);
    }
    return 0;
}
