#pragma once

// Starts real programs for the tests that need several at once, on either system.
#include "utf8.h"

#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
extern char** environ;
#endif

namespace talvora::test {

#ifdef _WIN32

using Process = HANDLE;

// Quotes one argument the way the C library's command-line parsing reads it back.
inline std::wstring quoted(const std::wstring& arg) {
    std::wstring out = L"\"";
    size_t slashes = 0;
    for (wchar_t c : arg) {
        if (c == L'\\') {
            ++slashes;
            continue;
        }
        out.append(c == L'"' ? slashes * 2 + 1 : slashes, L'\\');
        slashes = 0;
        out += c;
    }
    out.append(slashes * 2, L'\\');
    return out + L"\"";
}

// Standard output goes to the file output (nothing when empty).
inline Process start(const std::vector<std::string>& args, const std::string& output = {}) {
    std::wstring line;
    for (const auto& a : args)
        line += (line.empty() ? L"" : L" ") + quoted(pathFromUtf8(a).native());
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE out = CreateFileW(output.empty() ? L"NUL" : pathFromUtf8(output).c_str(), GENERIC_WRITE,
                             FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit, CREATE_ALWAYS,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = out;
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    PROCESS_INFORMATION info{};
    BOOL ok = CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                             &startup, &info);
    CloseHandle(out);
    if (!ok)
        return nullptr;
    CloseHandle(info.hThread);
    return info.hProcess;
}

// The exit status, or -1.
inline int finish(Process p) {
    if (!p || WaitForSingleObject(p, INFINITE) != WAIT_OBJECT_0)
        return -1;
    DWORD code = 0;
    GetExitCodeProcess(p, &code);
    CloseHandle(p);
    return static_cast<int>(code);
}

#else

using Process = pid_t;

// Standard output goes to the file output (nothing when empty).
inline Process start(const std::vector<std::string>& args, const std::string& output = {}) {
    std::vector<char*> argv;
    for (const auto& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, output.empty() ? "/dev/null" : output.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0600);
    pid_t pid = -1;
    int err = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    return err == 0 ? pid : -1;
}

// The exit status, 128 + the signal that ended it, or -1.
inline int finish(Process p) {
    int status = 0;
    if (p < 0 || ::waitpid(p, &status, 0) != p)
        return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

#endif

} // namespace talvora::test
