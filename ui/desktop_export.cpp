// Writes the current assignment to "조배정결과.txt" on the user's Desktop and
// tells the user how it went.
#include <shlobj.h>

#include <optional>
#include <string>

#include "resources/strings.h"
#include "text/export_text.h"
#include "ui/app.h"

namespace rl::ui {
namespace {

constexpr char kExportFileName[] = "조배정결과.txt";

FileWriter gFileWriter = &WriteFile;

void freeItemList(LPITEMIDLIST items) {
    IMalloc* shellMalloc = nullptr;
    if (SUCCEEDED(SHGetMalloc(&shellMalloc)) && shellMalloc) {
        shellMalloc->Free(items);
        shellMalloc->Release();
    } else {
        ILFree(items);
    }
}

std::optional<std::string> desktopFolder(HWND owner) {
    LPITEMIDLIST items = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(owner, CSIDL_DESKTOP, &items)) || !items) return std::nullopt;
    char folder[MAX_PATH] = {};
    const BOOL found = SHGetPathFromIDListA(items, folder);
    freeItemList(items);
    if (!found || folder[0] == '\0') return std::nullopt;
    return std::string(folder);
}

// No file is made from a path that could not be had, nor from one that the
// platform's path limit would cut short.
std::optional<std::string> exportPath(HWND owner) {
    std::optional<std::string> folder = desktopFolder(owner);
    if (!folder) return std::nullopt;
    std::string path = *folder + "\\" + kExportFileName;
    if (path.size() >= MAX_PATH) return std::nullopt;
    return path;
}

bool writeChunk(HANDLE file, const std::string& chunk) {
    DWORD written = 0;
    const DWORD size = static_cast<DWORD>(chunk.size());
    return gFileWriter(file, chunk.data(), size, &written, nullptr) && written == size;
}

bool writeChunks(HANDLE file) {
    if (!writeChunk(file, exportTableText(assignment(), host()))) return false;
    for (int g = 0; g < assignment().settings.groupCount; ++g) {
        if (!writeChunk(file, exportGroupText(assignment(), host(), g))) return false;
    }
    return true;
}

// The outcome as a string-table id: done, in use, or no access.
int writeExportFile(HWND owner) {
    std::optional<std::string> path = exportPath(owner);
    if (!path) return IDS_EXPORT_NO_ACCESS;
    HANDLE file = CreateFileA(path->c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    const DWORD error = GetLastError();
    if (file == INVALID_HANDLE_VALUE)
        return error == ERROR_SHARING_VIOLATION ? IDS_EXPORT_IN_USE : IDS_EXPORT_NO_ACCESS;
    const bool written = writeChunks(file);
    const bool closed = CloseHandle(file);
    if (written && closed) return IDS_EXPORT_DONE;
    // A half-written result must not pass for a whole one.
    DeleteFileA(path->c_str());
    return IDS_EXPORT_NO_ACCESS;
}

}  // namespace

void exportResultFile(HWND owner) { showStringBox(mainWindow(), writeExportFile(owner), MB_OK); }

void setFileWriterForTesting(FileWriter writer) { gFileWriter = writer ? writer : &WriteFile; }

}  // namespace rl::ui
