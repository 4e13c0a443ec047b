// Names at their longest, and lists pasted into the entry fields at once.
#include "tests/ui/result_fixture.h"

#include "resources/strings.h"

namespace rl::ui::test {
namespace {

using Entries = std::vector<std::string>;

// 25 syllables, 50 bytes: a cut at byte 49 would fall inside the last one.
const std::string kLong = "가나다라마바사아자차카타파하거너더러머버서어저처커";
const std::string kLongCut = kLong.substr(0, 48);
// A letter first: byte 49 ends a syllable, so 49 bytes stay.
const std::string kMixed = "M" + kLongCut + "xy";
const std::string kMixedCut = kMixed.substr(0, 49);

bool isCodePage949(const std::string& text) {
    return MultiByteToWideChar(949, MB_ERR_INVALID_CHARS, text.data(), static_cast<int>(text.size()), nullptr, 0) > 0;
}

class PasteTest : public ResultFixture {
protected:
    // What a copy in another program leaves: CF_TEXT only.
    void paste(int fieldId, const std::string& text) {
        ASSERT_TRUE(OpenClipboard(main()));
        EmptyClipboard();
        HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
        ASSERT_NE(data, nullptr);
        CopyMemory(GlobalLock(data), text.c_str(), text.size() + 1);
        GlobalUnlock(data);
        EXPECT_NE(SetClipboardData(CF_TEXT, data), nullptr);
        CloseClipboard();
        SendMessageA(item(fieldId), WM_PASTE, 0, 0);
    }
};

TEST_F(PasteTest, ANameIsCutAtAWholeCharacterInListResultAndFile) {
    prepareExample();  // 10 participants, 4 maps, 3 groups of 4
    for (int field : {IDC_PARTICIPANT_FIELD, IDC_MAP_FIELD})
        for (const std::string& name : {kLong, kMixed}) enter(field, name);
    for (int list : {IDC_PARTICIPANT_LIST, IDC_MAP_LIST}) {
        const Entries entries = listEntries(list);
        EXPECT_EQ(Entries(entries.end() - 2, entries.end()), (Entries{kLongCut, kMixedCut})) << list;
    }
    ASSERT_TRUE(openResult());
    std::string shown = resultText(IDC_TABLE_EDIT);
    for (int group = 0; group < 3; ++group) {
        choose(group);
        shown += resultText(IDC_SCHEDULE_EDIT);
    }
    const std::string path = desktopFile();
    clickResult(IDC_EXPORT);
    const std::string written = fileContents(path);
    DeleteFileA(path.c_str());
    for (const std::string& text : {shown, written}) {
        EXPECT_TRUE(isCodePage949(text));
        // The participants' names, and the same as maps, closed by their bracket.
        for (const std::string& name : {kLongCut, kMixedCut})
            EXPECT_NE(text.find("<" + name + ">"), std::string::npos) << name;
    }
}

// Each paste goes on from the list the row before left.
TEST_F(PasteTest, EveryLineIsEnteredUpToTheLimit) {
    const struct {
        int field;
        std::string clipboard;
        Entries added;
        const char* fieldAfter;
    } cases[] = {
        {IDC_PARTICIPANT_FIELD, "a\r\nb\nc\rd\r\n", {"a", "b", "c", "d"}, ""},
        {IDC_PARTICIPANT_FIELD, "\r\n  blank\r\n\tcell\r\ne\tscore\t3\r\n\r\n" + kLong, {"e", kLongCut}, ""},
        {IDC_PARTICIPANT_FIELD, "single", {}, "single"},  // the edit control's own paste
        {IDC_MAP_FIELD, "m1\nm2\nm3\nm4\nm5\nm6\nm7\nm8\nm9\n", {"m1", "m2", "m3", "m4", "m5", "m6", "m7", "m8", "m9"}, ""},
        {IDC_MAP_FIELD, "m10\n\n  \n", {"m10"}, ""},  // full, but no name left over
        {IDC_MAP_FIELD, "\nm11", {}, "등록 초과"},
    };
    click(IDC_MAPS_CHECK);
    Entries participants, maps;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.clipboard);
        const bool toMaps = c.field == IDC_MAP_FIELD;
        Entries& expected = toMaps ? maps : participants;
        SetWindowTextA(item(c.field), "");
        paste(c.field, c.clipboard);
        expected.insert(expected.end(), c.added.begin(), c.added.end());
        EXPECT_EQ(listEntries(toMaps ? IDC_MAP_LIST : IDC_PARTICIPANT_LIST), expected);
        EXPECT_EQ(text(c.field), c.fieldAfter);
        EXPECT_EQ(text(IDC_GROUP_BOX), "참가자 등록 (" + std::to_string(participants.size()) + ")");
        EXPECT_EQ(text(IDC_MAPS_CHECK), "맵 등록 (" + std::to_string(maps.size()) + ")");
    }
    EXPECT_TRUE(allSelected(item(IDC_MAP_FIELD)));

    // 130 lines onto 6 entries: 122 go in, the last of them in view.
    std::string sheet;
    for (int i = 1; i <= 130; ++i) sheet += "n" + std::to_string(i) + "\tteam\r\n";
    paste(IDC_PARTICIPANT_FIELD, sheet);
    const Entries list = listEntries(IDC_PARTICIPANT_LIST);
    ASSERT_EQ(list.size(), 128u);
    EXPECT_EQ(list.back(), "n122");
    EXPECT_EQ(text(IDC_GROUP_BOX), "참가자 등록 (128)");
    EXPECT_EQ(text(IDC_PARTICIPANT_FIELD), "등록 초과");
    EXPECT_TRUE(allSelected(item(IDC_PARTICIPANT_FIELD)));
    EXPECT_GT(SendMessageA(item(IDC_PARTICIPANT_LIST), LB_GETTOPINDEX, 0, 0), 100) << "the last entry in view";
}

}  // namespace
}  // namespace rl::ui::test
