// What a model's reader made of a project: its input, or the message that stops the run.
#pragma once

#include <optional>
#include <string>

namespace model {

template <typename Project>
struct ModelInput {
    std::optional<Project> project;
    std::string error;
};

}  // namespace model
