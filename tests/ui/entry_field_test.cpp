// Typing names in with Enter and taking them out with Delete. The full lists
// are typed in the limit tests.
#include "tests/ui/harness.h"
#include "resources/ids.h"

namespace rl::ui::test {
namespace {

using Entries = std::vector<std::string>;
using EntryFieldTest = ProgramTest;

// Only the first byte decides: nothing is trimmed, nothing is refused twice.
TEST_F(EntryFieldTest, EnterAddsWhatDoesNotStartBlankAndCountsIt) {
    const struct {
        std::string typed;
        bool added;
    } cases[] = {{"홍길동", true}, {"Marlow", true},   {"", false},     {" Zeal", false},    {"\tZeal", false},
                 {"Zeal  ", true}, {"Quill Jr", true}, {"가", true},    {"same", true},      {"same", true}};
    Entries expected;
    for (const auto& c : cases) {
        SCOPED_TRACE("typed \"" + c.typed + "\"");
        enter(IDC_PARTICIPANT_FIELD, c.typed);
        if (c.added) expected.push_back(c.typed);
        EXPECT_EQ(listEntries(IDC_PARTICIPANT_LIST), expected);
        EXPECT_EQ(text(IDC_GROUP_BOX), "참가자 등록 (" + std::to_string(expected.size()) + ")");
        EXPECT_EQ(text(IDC_PARTICIPANT_FIELD), c.added ? "" : c.typed) << "a refused text stays in the field";
    }
}

TEST_F(EntryFieldTest, DeleteRemovesExactlyTheSelectedEntries) {
    addParticipants(9);
    deleteEntries(IDC_PARTICIPANT_LIST, {1, 4, 6});
    EXPECT_EQ(listEntries(IDC_PARTICIPANT_LIST), (Entries{"p1", "p3", "p4", "p6", "p8", "p9"}));
    EXPECT_EQ(text(IDC_GROUP_BOX), "참가자 등록 (6)");
    EXPECT_EQ(SendMessageA(item(IDC_PARTICIPANT_LIST), LB_GETSELCOUNT, 0, 0), 0);

    // Nothing selected, or another key: nothing goes.
    deleteEntries(IDC_PARTICIPANT_LIST, {});
    pressKey(item(IDC_PARTICIPANT_LIST), VK_END);
    EXPECT_EQ(SendMessageA(item(IDC_PARTICIPANT_LIST), LB_GETCARETINDEX, 0, 0), 5);
    EXPECT_EQ(listEntries(IDC_PARTICIPANT_LIST).size(), 6u);

    // The map list counts maps.
    click(IDC_MAPS_CHECK);
    for (const char* map : {"a", "b", "c"}) enter(IDC_MAP_FIELD, map);
    deleteEntries(IDC_MAP_LIST, {0, 2});
    EXPECT_EQ(listEntries(IDC_MAP_LIST), Entries{"b"});
    EXPECT_EQ(text(IDC_MAPS_CHECK), "맵 등록 (1)");
}

}  // namespace
}  // namespace rl::ui::test
