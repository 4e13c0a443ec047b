// Typing names in with Enter and taking them out with Delete.
#include "tests/ui/harness.h"
#include "resources/ids.h"

namespace rl::ui::test {
namespace {

using Entries = std::vector<std::string>;

class EntryFieldTest : public ProgramTest {
protected:
    std::string participantCaption() const { return windowText(GetDlgItem(main(), IDC_GROUP_BOX)); }
    // True when the whole text of the field is selected. Positions are in the
    // control's own units (bytes or characters), so compare with its length.
    bool allSelected(int fieldId) const {
        DWORD from = 0, to = 0;
        SendMessageA(item(fieldId), EM_GETSEL, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
        const auto length = static_cast<DWORD>(SendMessageA(item(fieldId), EM_LINELENGTH, 0, 0));
        return length > 0 && from == 0 && to == length;
    }
    void pressDelete(int listId, std::initializer_list<int> selected) {
        HWND list = item(listId);
        SendMessageA(list, LB_SETSEL, FALSE, -1);
        for (int index : selected) SendMessageA(list, LB_SETSEL, TRUE, index);
        SetFocus(list);
        SendMessageA(list, WM_KEYDOWN, VK_DELETE, 0);
        SendMessageA(list, WM_KEYUP, VK_DELETE, 0);
    }
};

TEST_F(EntryFieldTest, EnterAppendsTheNameAndCountsIt) {
    enter(IDC_PARTICIPANT_FIELD, "홍길동");
    enter(IDC_PARTICIPANT_FIELD, "Marlow");
    EXPECT_EQ(listEntries(IDC_PARTICIPANT_LIST), (Entries{"홍길동", "Marlow"}));
    EXPECT_EQ(participantCaption(), "참가자 등록 (2)");
    EXPECT_EQ(text(IDC_PARTICIPANT_FIELD), "");
}

struct Typed {
    const char* name;
    std::string text;
    bool added;
};

class TypedTextTest : public EntryFieldTest, public ::testing::WithParamInterface<Typed> {};

// Only the first byte decides: nothing is trimmed, nothing is refused twice.
TEST_P(TypedTextTest, FirstByteDecides) {
    const Typed& c = GetParam();
    enter(IDC_PARTICIPANT_FIELD, c.text);
    if (c.added) {
        EXPECT_EQ(listEntries(IDC_PARTICIPANT_LIST), Entries{c.text});
        EXPECT_EQ(participantCaption(), "참가자 등록 (1)");
        EXPECT_EQ(text(IDC_PARTICIPANT_FIELD), "");
    } else {
        EXPECT_TRUE(listEntries(IDC_PARTICIPANT_LIST).empty());
        EXPECT_EQ(participantCaption(), "참가자 등록 (0)");
        EXPECT_EQ(text(IDC_PARTICIPANT_FIELD), c.text) << "the field keeps what was typed";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TypedTextTest,
    ::testing::Values(Typed{"Empty", "", false}, Typed{"LeadingBlank", " Zeal", false},
                      Typed{"LeadingTab", "\tZeal", false}, Typed{"TrailingBlanksKept", "Zeal  ", true},
                      Typed{"InnerBlankKept", "Quill Jr", true}, Typed{"HangulLeadByteIsNotBlank", "가", true},
                      Typed{"SingleCharacter", "x", true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(EntryFieldTest, DuplicatesAreKept) {
    enter(IDC_PARTICIPANT_FIELD, "same");
    enter(IDC_PARTICIPANT_FIELD, "same");
    EXPECT_EQ(listEntries(IDC_PARTICIPANT_LIST), (Entries{"same", "same"}));
}

TEST_F(EntryFieldTest, TheHundredAndTwentyEighthIsTheLast) {
    addParticipants(127);
    enter(IDC_PARTICIPANT_FIELD, "last");
    EXPECT_EQ(participantCaption(), "참가자 등록 (128)");
    EXPECT_EQ(listEntries(IDC_PARTICIPANT_LIST).back(), "last");

    enter(IDC_PARTICIPANT_FIELD, "one too many");
    EXPECT_EQ(listEntries(IDC_PARTICIPANT_LIST).size(), 128u);
    EXPECT_EQ(text(IDC_PARTICIPANT_FIELD), "등록 초과");
    EXPECT_TRUE(allSelected(IDC_PARTICIPANT_FIELD));
    EXPECT_EQ(participantCaption(), "참가자 등록 (128)");

    // The refusal text is ordinary text once there is room again.
    pressDelete(IDC_PARTICIPANT_LIST, {0});
    SendMessageA(item(IDC_PARTICIPANT_FIELD), WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_EQ(listEntries(IDC_PARTICIPANT_LIST).back(), "등록 초과");
}

TEST_F(EntryFieldTest, TheEleventhMapIsRefused) {
    SendMessageA(item(IDC_MAPS_CHECK), BM_CLICK, 0, 0);
    for (int i = 1; i <= 10; ++i) enter(IDC_MAP_FIELD, "map" + std::to_string(i));
    EXPECT_EQ(text(IDC_MAPS_CHECK), "맵 등록 (10)");
    enter(IDC_MAP_FIELD, "map11");
    EXPECT_EQ(listEntries(IDC_MAP_LIST).size(), 10u);
    EXPECT_EQ(listEntries(IDC_MAP_LIST).back(), "map10");
    EXPECT_EQ(text(IDC_MAP_FIELD), "등록 초과");
    EXPECT_TRUE(allSelected(IDC_MAP_FIELD));
}

TEST_F(EntryFieldTest, DeleteRemovesExactlyTheSelectedEntries) {
    addParticipants(9);
    pressDelete(IDC_PARTICIPANT_LIST, {1, 4, 6});
    EXPECT_EQ(listEntries(IDC_PARTICIPANT_LIST), (Entries{"p1", "p3", "p4", "p6", "p8", "p9"}));
    EXPECT_EQ(participantCaption(), "참가자 등록 (6)");
    EXPECT_EQ(SendMessageA(item(IDC_PARTICIPANT_LIST), LB_GETSELCOUNT, 0, 0), 0);
}

TEST_F(EntryFieldTest, DeleteInTheMapListCountsMaps) {
    SendMessageA(item(IDC_MAPS_CHECK), BM_CLICK, 0, 0);
    for (const char* map : {"a", "b", "c"}) enter(IDC_MAP_FIELD, map);
    pressDelete(IDC_MAP_LIST, {0, 2});
    EXPECT_EQ(listEntries(IDC_MAP_LIST), Entries{"b"});
    EXPECT_EQ(text(IDC_MAPS_CHECK), "맵 등록 (1)");
}

TEST_F(EntryFieldTest, DeleteWithNothingSelectedAndOtherKeysChangeNothing) {
    addParticipants(3);
    pressDelete(IDC_PARTICIPANT_LIST, {});
    EXPECT_EQ(listEntries(IDC_PARTICIPANT_LIST).size(), 3u);
    HWND list = item(IDC_PARTICIPANT_LIST);
    SendMessageA(list, WM_KEYDOWN, VK_END, 0);  // the list's own meaning: caret to the last entry
    EXPECT_EQ(SendMessageA(list, LB_GETCARETINDEX, 0, 0), 2);
    EXPECT_EQ(listEntries(IDC_PARTICIPANT_LIST).size(), 3u);
}

}  // namespace
}  // namespace rl::ui::test
