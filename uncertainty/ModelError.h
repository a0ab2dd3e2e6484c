// The one kind of failure that stops a run: a line of capitals on the console, and no report.
#pragma once

#include <stdexcept>
#include <string>

namespace uncertainty {

class ModelError : public std::runtime_error {
public:
    explicit ModelError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace uncertainty
