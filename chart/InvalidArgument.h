#pragma once
#include <stdexcept>

namespace kelra {

// An access outside a table.
class InvalidArgumentError : public std::invalid_argument {
public:
    InvalidArgumentError() : std::invalid_argument("An invalid argument was encountered.") {}
};

}  // namespace kelra
