// The one kind of failure the model reports: a line of capitals on the console, then a stop.
#pragma once

#include <stdexcept>
#include <string>

namespace zelm {

class ModelError : public std::runtime_error {
public:
    explicit ModelError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace zelm
