// The outcome of an operation that can fail: empty Error means success; otherwise Error is a
// sentence for the player, naming the file and the system's reason.
#pragma once

#include <string>
#include <utility>

namespace vella {

struct Status {
    std::string Error;
    // The change was made, but the disk did not confirm that it will survive a power cut.
    bool Unconfirmed = false;

    bool Ok() const { return Error.empty(); }
};

template <class T>
struct Result : Status {
    T Value{};

    static Result Failure(Status status) { return Result{std::move(status), T{}}; }
};

}  // namespace vella
