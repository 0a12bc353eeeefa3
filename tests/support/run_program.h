#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace testsupport {

struct ProgramRun {
    int status = -1;  // exit status; -1 when it did not exit normally
    std::string out;
    std::string err;
};

// Runs a program to its end with standard input empty, capturing both outputs.
// `environment` changes the inherited environment: a value sets a variable,
// nullopt removes it.
ProgramRun RunProgram(const std::string& path, const std::vector<std::string>& args,
                      const std::map<std::string, std::optional<std::string>>& environment = {});

}  // namespace testsupport
