// The shell command that runs one of the project's generator tools with folder arguments.
#pragma once
#include <filesystem>
#include <initializer_list>
#include <string>

namespace vh::test {

inline std::string ToolCommand(const char* tool, std::initializer_list<std::filesystem::path> arguments) {
    std::string command = std::string("\"") + tool + "\"";
    for (const std::filesystem::path& argument : arguments) command += " \"" + argument.string() + "\"";
    return command;
}

}  // namespace vh::test
