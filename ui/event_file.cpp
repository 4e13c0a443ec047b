// The event kept on disk: the event file opened and saved through the common
// dialogs, and the autosave that lets an evening outlive a crash or a power
// cut. Files are named by wide paths, so a folder outside the system code
// page works; the dialogs stay ANSI like the rest of the program.
#include "ui/app.h"  // windows.h first

#include <commdlg.h>
#include <shlobj.h>

#include <cstdio>
#include <optional>
#include <string>
#include <utility>

#include "page/event_page.h"
#include "platform/encoding.h"
#include "platform/files.h"
#include "platform/front_end.h"
#include "platform/wide.h"
#include "resources/strings.h"

namespace rl::ui {
namespace {

constexpr wchar_t kProgramFolder[] = L"\\Rosterloom";
constexpr wchar_t kAutosaveName[] = L"\\autosave.json";
constexpr wchar_t kPastEventsFolder[] = L"\\지난 대회";
constexpr char kFilter[] = "대회 파일 (*.json)\0*.json\0";

// How the event in memory came to be; kept beside the assignment, since the
// engine's state knows nothing of clocks or texts.
struct Origin {
    std::uint32_t seed = 0;
    std::optional<std::string> seedText;
    std::string drawnAt;
    std::wstring file;  // the event file last opened or saved; empty: none
};
Origin gOrigin;
bool gAutosaveFailureTold = false;  // once a session is enough

// The reader speaks UTF-8 and the message box code page 949; a character
// that code page lacks (in a name the file holds, say) shows as '?'.
std::string shownText(const std::string& utf8) { return platform::utf8ToCp949Shown(utf8); }

std::wstring widePath(const std::string& ansi) { return platform::ansiToWide(ansi); }

// "YYYY-MM-DDTHH:MM:SS" in local time, as the event file writes when a draw was made.
std::string localTimeText(const FILETIME& utc) {
    FILETIME local{};
    SYSTEMTIME t{};
    if (!FileTimeToLocalFileTime(&utc, &local) || !FileTimeToSystemTime(&local, &t)) return "1970-01-01T00:00:00";
    return event::dateTimeText(t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond);
}

FILETIME fileTimeOf(std::uint32_t clock) {
    constexpr ULONGLONG kSecondsFrom1601To1970 = 11644473600ull;
    const ULONGLONG ticks = (clock + kSecondsFrom1601To1970) * 10000000ull;
    return FILETIME{static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
}

// "2026-12-07T19:05:00" as people read it: "2026-12-07 19:05".
std::string shownDrawTime(const std::string& drawnAt) {
    return drawnAt.size() < 16 ? drawnAt : drawnAt.substr(0, 10) + " " + drawnAt.substr(11, 5);
}

// The same as a file name: "2026-12-07 19-05-00".
std::wstring fileNameOf(const std::string& drawnAt) {
    std::wstring name;
    for (char c : drawnAt) name += c == 'T' ? L' ' : c >= '0' && c <= '9' ? static_cast<wchar_t>(c) : L'-';
    return name.empty() ? L"-" : name;
}

std::wstring applicationDataFolder() {
    wchar_t folder[MAX_PATH] = {};
    const DWORD length = GetEnvironmentVariableW(L"APPDATA", folder, MAX_PATH);
    if (length > 0 && length < MAX_PATH) return folder;
    if (SUCCEEDED(SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, 0, folder))) return folder;
    return {};
}

std::wstring programFolder() {
    const std::wstring folder = applicationDataFolder();
    return folder.empty() ? folder : folder + kProgramFolder;
}

bool ensureFolder(const std::wstring& folder) {
    return CreateDirectoryW(folder.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS;
}

// Up to one byte past the reader's limit: enough for it to refuse a larger
// file without the program holding all of it.
std::optional<std::string> readWholeFile(const std::wstring& path) {
    std::FILE* file = platform::openForReading(path);
    if (!file) return std::nullopt;
    std::optional<std::string> bytes = platform::readUpTo(file, event::kMaxEventFileBytes);
    std::fclose(file);
    return bytes;
}

// The file read, or nothing after the user has been told why not.
std::optional<event::Event> readEventFile(HWND owner, const std::wstring& path) {
    const std::optional<std::string> bytes = readWholeFile(path);
    if (!bytes) {
        showStringBox(owner, IDS_EVENT_UNREADABLE, MB_OK);
        return std::nullopt;
    }
    event::ReadOutcome read = event::readEvent(*bytes, eventFrontEnd());
    if (!read.ok()) showStringBox(owner, IDS_EVENT_REFUSED, MB_OK, shownText(read.error));
    return std::move(read.event);
}

// As if the draw had just been made and the results typed in.
void putInPlace(HWND owner, const event::Event& opened) {
    restoreEvent(opened);
    gOrigin = Origin{opened.seed, opened.seedText, opened.drawnAt, {}};
    showResultWindow(mainWindow());
    autosaveEvent(owner);
}

// Under the draw's date and time, beside any earlier one of the same name.
bool moveToPastEvents(const std::wstring& path, const std::string& drawnAt) {
    const std::wstring folder = programFolder() + kPastEventsFolder;
    if (!ensureFolder(folder)) return false;
    for (int n = 1; n < 100; ++n) {
        const std::wstring suffix = n == 1 ? L"" : L" (" + std::to_wstring(n) + L")";
        const std::wstring target = folder + L"\\" + fileNameOf(drawnAt) + suffix + L".json";
        if (MoveFileExW(path.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH)) return true;
        const DWORD error = GetLastError();
        if (error != ERROR_ALREADY_EXISTS && error != ERROR_FILE_EXISTS) return false;
    }
    return false;
}

std::string lastWriteTimeOf(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return "1970-01-01T00:00:00";
    return localTimeText(data.ftLastWriteTime);
}

// An autosave left by an evening that did not end: going on restores it,
// anything else keeps it in the past events' folder. Never deleted.
void offerAutosave(HWND main) {
    const std::wstring path = autosavePath();
    if (path.empty() || GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES) return;
    const std::optional<std::string> bytes = readWholeFile(path);
    const event::ReadOutcome read = bytes ? event::readEvent(*bytes, eventFrontEnd()) : event::ReadOutcome{};
    if (!read.ok()) {
        const bool moved = moveToPastEvents(path, lastWriteTimeOf(path));
        showStringBox(main, moved ? IDS_AUTOSAVE_REFUSED : IDS_AUTOSAVE_NOT_MOVED, MB_OK, shownText(read.error));
        return;
    }
    const event::Event& kept = *read.event;
    const int resultCount = static_cast<int>(kept.results.all().size());
    if (showStringBox(main, IDS_RESUME_QUESTION, MB_YESNO, shownDrawTime(kept.drawnAt), resultCount) == IDYES)
        putInPlace(main, kept);
    else if (!moveToPastEvents(path, kept.drawnAt))
        showStringBox(main, IDS_AUTOSAVE_NOT_MOVED, MB_OK);
}

OPENFILENAMEA dialogFor(HWND owner, char* file, const std::optional<std::string>& desktop, const char* title) {
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = kFilter;
    dialog.lpstrFile = file;
    dialog.nMaxFile = MAX_PATH;
    dialog.lpstrInitialDir = desktop ? desktop->c_str() : nullptr;
    dialog.lpstrTitle = title;
    dialog.lpstrDefExt = "json";
    dialog.Flags = OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    return dialog;
}

}  // namespace

const event::FrontEnd& eventFrontEnd() { return platform::eventFrontEnd(); }

void beginEventSession() { gAutosaveFailureTold = false; }

event::Event currentEvent() {
    event::Event event =
        event::eventFromDraw(assignment(), results(), host(), gOrigin.seed, gOrigin.seedText, gOrigin.drawnAt);
    event.playoff = playoff();
    event.seeded = seededDrawOn();
    if (event.seeded) event.seeding = currentSeeding();
    return event;
}

std::string eventFileTitle() { return page::titleFromFileName(platform::wideToUtf8(gOrigin.file).value_or("")); }

void noteNewDraw(std::uint32_t clock) { gOrigin = Origin{clock, std::nullopt, localTimeText(fileTimeOf(clock)), {}}; }

bool openEventFile(HWND owner, const std::wstring& path) {
    const std::optional<event::Event> opened = readEventFile(owner, path);
    if (!opened) return false;
    const bool somethingHeld = assignment().assigned() || listsHoldNames();
    if (somethingHeld && showStringBox(owner, IDS_CONFIRM_OPEN, MB_YESNO) != IDYES) return false;
    putInPlace(owner, *opened);
    gOrigin.file = path;
    return true;
}

void openEventWithDialog(HWND owner) {
    char file[MAX_PATH] = {};
    const std::optional<std::string> desktop = desktopFolder(owner);
    OPENFILENAMEA dialog = dialogFor(owner, file, desktop, "대회 열기");
    dialog.Flags |= OFN_FILEMUSTEXIST;
    if (GetOpenFileNameA(&dialog)) openEventFile(owner, widePath(file));
}

void saveEventWithDialog(HWND owner) {
    char file[MAX_PATH] = {};
    std::snprintf(file, sizeof file, "대회 %s.json", gOrigin.drawnAt.substr(0, 10).c_str());
    const std::optional<std::string> desktop = desktopFolder(owner);
    OPENFILENAMEA dialog = dialogFor(owner, file, desktop, "대회 저장");
    dialog.Flags |= OFN_OVERWRITEPROMPT;
    if (!GetSaveFileNameA(&dialog)) return;
    const std::optional<std::string> bytes = event::writeEvent(currentEvent(), eventFrontEnd());
    if (!bytes || !replaceFileWhole(widePath(file), *bytes)) showStringBox(owner, IDS_EVENT_NOT_SAVED, MB_OK);
    else gOrigin.file = widePath(file);
}

std::wstring autosavePath() {
    const std::wstring folder = programFolder();
    return folder.empty() ? folder : folder + kAutosaveName;
}

// What is in memory is never touched here, whatever the disk does.
void autosaveEvent(HWND owner) {
    if (!assignment().assigned()) return;
    const std::optional<std::string> bytes = event::writeEvent(currentEvent(), eventFrontEnd());
    const std::wstring path = autosavePath();
    const bool saved = bytes && !path.empty() && ensureFolder(programFolder()) && replaceFileWhole(path, *bytes);
    if (saved || gAutosaveFailureTold) return;
    gAutosaveFailureTold = true;
    showStringBox(owner, IDS_AUTOSAVE_FAILED, MB_OK);
}

void removeAutosave() {
    const std::wstring path = autosavePath();
    if (!path.empty()) DeleteFileW(path.c_str());
}

void openAtStart(HWND main, const std::wstring& commandLineFile) {
    offerAutosave(main);
    if (!commandLineFile.empty()) openEventFile(main, commandLineFile);
}

// Through the test's writer, when one stands in for WriteFile.
bool replaceFileWhole(const std::wstring& path, const std::string& bytes) {
    const platform::ChunkWriter write = [](void* file, std::string_view chunk) {
        DWORD written = 0;
        const auto size = static_cast<DWORD>(chunk.size());
        return fileWriter()(file, chunk.data(), size, &written, nullptr) && written == size;
    };
    return platform::replaceFile(path, bytes, write).empty();
}

}  // namespace rl::ui
