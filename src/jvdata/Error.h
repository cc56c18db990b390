#pragma once

#include <stdexcept>

namespace zefa {

// A failure the user is told about. The message is UTF-8 and names what failed
// (a file, a record, a field); the command boundary shows it and nothing is half-done.
class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace zefa
