// Another process for a test: a crash that must end a process of its own, or a second copy of
// the program. On POSIX the test forks; on Windows it starts its own program again with
// --child-task, which runs the task named by the arguments (see stats_main.cpp).
#pragma once

#include <string>
#include <vector>

#ifdef _WIN32
#include <process.h>
#include <windows.h>
#else
#include <sys/wait.h>
#include <unistd.h>
#endif

// Runs one child task; its result is the child's exit code.
int RunChildTask(const std::vector<std::string>& task);
// The tasks of the shared-folder tests (shared_folder_test.cpp).
int RunSharedFolderTask(const std::vector<std::string>& task);

class ChildProcess {
  public:
    explicit ChildProcess(std::vector<std::string> task) {
#ifdef _WIN32
        char self[MAX_PATH];
        GetModuleFileNameA(nullptr, self, MAX_PATH);
        std::vector<std::string> quoted{"\"" + std::string(self) + "\"", "--child-task"};
        for (const std::string& arg : task) quoted.push_back("\"" + arg + "\"");
        std::vector<const char*> argv;
        for (const std::string& arg : quoted) argv.push_back(arg.c_str());
        argv.push_back(nullptr);
        handle_ = _spawnv(_P_NOWAIT, self, argv.data());
#else
        pid_ = fork();
        if (pid_ == 0) _exit(RunChildTask(task));
#endif
    }

    bool Started() const {
#ifdef _WIN32
        return handle_ != -1;
#else
        return pid_ > 0;
#endif
    }

    // The child's exit code, or -1 when it did not end normally.
    int Wait() {
#ifdef _WIN32
        int status = -1;
        if (_cwait(&status, handle_, 0) == -1) return -1;
        return status;
#else
        int status = 0;
        if (waitpid(pid_, &status, 0) != pid_ || !WIFEXITED(status)) return -1;
        return WEXITSTATUS(status);
#endif
    }

  private:
#ifdef _WIN32
    intptr_t handle_ = -1;
#else
    pid_t pid_ = -1;
#endif
};
