// The statistics tests' program: GoogleTest, or, started with --child-task, one task of a test
// that needs a process of its own (child_process.h).
#include <gtest/gtest.h>

#include "child_process.h"

int main(int argc, char** argv) {
    if (argc >= 2 && std::string(argv[1]) == "--child-task") {
        return RunChildTask(std::vector<std::string>(argv + 2, argv + argc));
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
