// The export button of the result window: the file on the test's own Desktop,
// byte for byte, and the three outcomes the user is told about.
#include <string>

#include "resources/strings.h"
#include "tests/ui/result_fixture.h"
#include "text/export_text.h"

namespace rl::ui::test {
namespace {

void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// A stand-in for WriteFile on a full disk: from the given write on nothing,
// or only half, is written.
int writesLeft = 0;
bool halfWrites = false;
BOOL WINAPI fullDiskWriter(HANDLE file, LPCVOID data, DWORD size, LPDWORD written, LPOVERLAPPED o) {
    if (writesLeft-- > 0 || halfWrites) return WriteFile(file, data, writesLeft >= 0 ? size : size / 2, written, o);
    *written = 0;
    SetLastError(ERROR_DISK_FULL);
    return FALSE;
}

class ExportTest : public ResultFixture {
protected:
    void SetUp() override {
        ResultFixture::SetUp();
        ASSERT_FALSE(path.empty());
        DeleteFileA(path.c_str());
        prepareExample();
        ASSERT_TRUE(openResult());
    }
    void TearDown() override {
        setFileWriterForTesting(nullptr);
        DeleteFileA(path.c_str());
        ResultFixture::TearDown();
    }

    // The table chunk, then each group's, in order.
    std::string expectedFile() const {
        std::string whole = exportTableText(assignment(), host());
        for (int g = 0; g < assignment().settings.groupCount; ++g) whole += exportGroupText(assignment(), host(), g);
        return whole;
    }
    // Exports once and returns the text of the one message it showed.
    std::string exportAndTell() {
        const std::size_t before = boxes.boxes().size();
        clickResult(IDC_EXPORT);
        EXPECT_EQ(boxes.boxes().size(), before + 1);
        if (boxes.boxes().size() != before + 1) return {};
        EXPECT_EQ(boxes.boxes().back().caption, STR_APP_CAPTION);
        EXPECT_EQ(boxes.boxes().back().buttons, std::vector<int>{IDOK});
        EXPECT_NE(result(), nullptr);
        EXPECT_TRUE(assignment().assigned());
        return boxes.boxes().back().text;
    }

    const std::string path = desktopFile();
};

// Every export replaces the file before, whatever it held.
TEST_F(ExportTest, WritesTheTableAndEveryGroupInOrder) {
    writeFile(path, std::string(20000, 'x'));
    for (int time = 0; time < 2; ++time) {
        EXPECT_EQ(exportAndTell(), STR_EXPORT_DONE);
        EXPECT_EQ(fileContents(path), expectedFile());
    }
    EXPECT_NE(fileContents(path).find("< C조 세부 대진 >"), std::string::npos);
}

// A file held open unshared is in use, a folder in its place unreachable;
// either is left as it was.
TEST_F(ExportTest, AFileInUseOrAFolderInItsPlaceIsLeftAlone) {
    writeFile(path, "kept");
    HANDLE held = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_EQ(exportAndTell(), STR_EXPORT_IN_USE);
    CloseHandle(held);
    EXPECT_EQ(fileContents(path), "kept");

    DeleteFileA(path.c_str());
    ASSERT_TRUE(CreateDirectoryA(path.c_str(), nullptr));
    EXPECT_EQ(exportAndTell(), STR_EXPORT_NO_ACCESS);
    EXPECT_EQ(GetFileAttributesA(path.c_str()) & FILE_ATTRIBUTE_DIRECTORY, DWORD{FILE_ATTRIBUTE_DIRECTORY});
    RemoveDirectoryA(path.c_str());
}

// A full disk is never reported as success, and no half file is left behind.
TEST_F(ExportTest, AFailedWriteCannotReachTheFile) {
    setFileWriterForTesting(fullDiskWriter);
    for (const auto& [goodWrites, half] : {std::pair{0, false}, std::pair{0, true}, std::pair{2, false}}) {
        SCOPED_TRACE(std::to_string(goodWrites) + (half ? " then half" : " then none"));
        writesLeft = goodWrites;
        halfWrites = half;
        EXPECT_EQ(exportAndTell(), STR_EXPORT_NO_ACCESS);
        EXPECT_EQ(GetFileAttributesA(path.c_str()), INVALID_FILE_ATTRIBUTES);
    }
    setFileWriterForTesting(nullptr);
    EXPECT_EQ(exportAndTell(), STR_EXPORT_DONE);
}

}  // namespace
}  // namespace rl::ui::test
