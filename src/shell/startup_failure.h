#pragma once

namespace carnival {
class DataFileError;
}

namespace shell {

// A data file the program cannot start without is missing or malformed: the
// user is told which file and what is wrong, then the program stops in order.
void stopAfterStartupFailure(const carnival::DataFileError& error);

} // namespace shell
