// The command line and the console on Windows. The arguments are read from the Unicode command
// line, not from the 8-bit copy in the system's code page, which loses what it cannot hold
// (a folder named Zoë or Иван). A windowed program has no console of its own: output goes to
// the handle it was given (a pipe or a file), or else to the console of the program that
// started it, in Unicode. The statistics of a player who starts the game from the Start menu
// live in the roaming data folder, %APPDATA%.
#include <windows.h>
// After windows.h, which they need:
#include <knownfolders.h>
#include <shellapi.h>
#include <shlobj.h>

#include <string>

#include "play/usage.h"
#include "ui/command_line.h"
#include "ui/language.h"
#include "ui/launch.h"

namespace vella {

QStringList LaunchArguments(int, char*[]) {
    QStringList arguments;
    int count = 0;
    wchar_t** words = CommandLineToArgvW(GetCommandLineW(), &count);
    for (int i = 0; words && i < count; ++i) arguments << QString::fromWCharArray(words[i]);
    LocalFree(words);
    return arguments;
}

void WriteToConsole(const QString& text, bool error) {
    const DWORD which = error ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE;
    HANDLE out = GetStdHandle(which);
    if (!out || out == INVALID_HANDLE_VALUE) {
        if (!AttachConsole(ATTACH_PARENT_PROCESS)) return;
        out = GetStdHandle(which);
        if (!out || out == INVALID_HANDLE_VALUE) return;
    }
    DWORD written = 0, mode = 0;
    if (GetConsoleMode(out, &mode)) {
        const std::wstring wide = text.toStdWString();
        WriteConsoleW(out, wide.data(), DWORD(wide.size()), &written, nullptr);
    } else {
        const QByteArray bytes = text.toUtf8();
        WriteFile(out, bytes.constData(), DWORD(bytes.size()), &written, nullptr);
    }
}

UserFolder UserStatsFolder() {
    wchar_t* roaming = nullptr;
    const HRESULT found =
        SHGetKnownFolderPath(FOLDERID_RoamingAppData, KF_FLAG_DONT_VERIFY, nullptr, &roaming);
    std::optional<std::filesystem::path> folder;
    if (SUCCEEDED(found) && roaming && *roaming) folder = std::filesystem::path(roaming);
    CoTaskMemFree(roaming);
    if (!folder) return {std::nullopt, Caption(NoRoamingFolder)};
    return {*folder / L"Vellacode", {}};
}

}  // namespace vella
