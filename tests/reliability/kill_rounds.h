#pragma once

#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace reliability {

// Runs work in a child process and sends it SIGKILL after delay. True when the
// child was killed; false when it had finished before.
bool RunAndKill(const std::function<void()>& work, std::chrono::microseconds delay);

// How long work takes in this process.
std::chrono::microseconds TimeOf(const std::function<void()>& work);

// The kill moments of `rounds` rounds spread evenly over a run of this length.
std::vector<std::chrono::microseconds> SpreadOver(std::chrono::microseconds run, int rounds);

// The names in a folder that look like temporary files of an atomic replace.
std::vector<std::string> TemporaryFiles(const std::string& folder);

}  // namespace reliability
