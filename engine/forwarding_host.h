#pragma once
#include "engine/host.h"

namespace rl {

// Passes every call on to another host: a host that changes one answer
// derives from it and overrides only that one.
class ForwardingHost : public Host {
public:
    explicit ForwardingHost(Host& inner) : inner_(inner) {}

    int listCount(ListKind list) override { return inner_.listCount(list); }
    std::string_view listText(ListKind list, int index) override { return inner_.listText(list, index); }
    int checkState(Option option) override { return inner_.checkState(option); }
    std::string_view numberFieldText(NumberField field) override { return inner_.numberFieldText(field); }
    void showMessage(int stringId) override { inner_.showMessage(stringId); }
    void reportAllocationFailure() override { inner_.reportAllocationFailure(); }
    std::uint32_t now() override { return inner_.now(); }

private:
    Host& inner_;
};

}  // namespace rl
