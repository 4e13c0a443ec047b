// rosterloom-cli.exe started with a UTF-16 command line, as Explorer and
// cmd.exe start it: file names and a seed text outside the system's code
// page reach the program whole (they once became "?").
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "cases.h"
#include "platform/sha256.h"

namespace {

std::wstring wide(const std::string& utf8) {
    std::wstring out(utf8.size(), L'\0');
    out.resize(static_cast<std::size_t>(
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), out.data(),
                            static_cast<int>(out.size()))));
    return out;
}

std::string readWide(const std::wstring& path) {
    std::string bytes;
    if (std::FILE* in = _wfopen(path.c_str(), L"rb")) {
        char buffer[4096];
        for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, in)) > 0;) bytes.append(buffer, got);
        std::fclose(in);
    }
    return bytes;
}

void writeWide(const std::wstring& path, const std::string& bytes) {
    std::FILE* out = _wfopen(path.c_str(), L"wb");
    ASSERT_NE(out, nullptr);
    std::fwrite(bytes.data(), 1, bytes.size(), out);
    std::fclose(out);
}

// The program's exit status, run in `folder` with these arguments.
DWORD runCli(const std::wstring& folder, const std::wstring& arguments) {
    std::wstring command = L"\"" + wide(ROSTERLOOM_CLI_PATH) + L"\" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                        &process)) {
        return 1000 + GetLastError();
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD status = 0;
    GetExitCodeProcess(process.hProcess, &status);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return status;
}

TEST(WideNames, FileNamesAndSeedTextOutsideTheCodePage) {
    wchar_t temp[MAX_PATH];
    ASSERT_GT(GetTempPathW(MAX_PATH, temp), 0u);
    // Snowman, u-umlaut and Thai ko kai: none of them is in code page 949.
    const std::wstring folder = std::wstring(temp) + L"rosterloom-\u2603-" + std::to_wstring(GetCurrentProcessId());
    ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
    const std::string event = rl::test::readFile(ROSTERLOOM_TEST_DATA "/readme-event.json");
    writeWide(folder + L"\\\u03A9\u2603\u00FC-\u0E01.json", event);
    writeWide(folder + L"\\players.txt", rl::test::readFile(ROSTERLOOM_TEST_DATA "/readme-players.txt"));

    EXPECT_EQ(runCli(folder, L"--event \"\u03A9\u2603\u00FC-\u0E01.json\" --format json --output \"\u2603 out.json\""),
              0u);
    EXPECT_EQ(readWide(folder + L"\\\u2603 out.json"), event);

    EXPECT_EQ(runCli(folder, L"--seed-text \"\u2603 \u00FC\" --format json --output seeded.json players.txt"), 0u);
    const std::string seeded = readWide(folder + L"\\seeded.json");
    const auto seed = rl::platform::seedFromText("\xE2\x98\x83 \xC3\xBC");
    ASSERT_TRUE(seed.has_value());
    EXPECT_NE(seeded.find("\"seed\": " + std::to_string(*seed) + ",\n  \"seedText\": \"\xE2\x98\x83 \xC3\xBC\""),
              std::string::npos)
        << seeded;

    for (const wchar_t* name :
         {L"\u03A9\u2603\u00FC-\u0E01.json", L"\u2603 out.json", L"seeded.json", L"players.txt"}) {
        DeleteFileW((folder + L"\\" + name).c_str());
    }
    RemoveDirectoryW(folder.c_str());
}

}  // namespace
