#pragma once

#include <optional>
#include <string>

namespace shell {

// Where the bench keeps setup.cfg, _temp/ and _font/.
struct HomeChoice {
    std::string folder;
    bool seed = false;  // copy the shipped setup.cfg there when it has none
};

struct HomeInputs {
    std::optional<std::string> homeArgument;  // --home DIR
    std::optional<std::string> homeVariable;  // SIGNBENCH_HOME
    std::string executableFolder;
    bool executableFolderWritable = false;
    std::optional<std::string> xdgConfigHome;  // XDG_CONFIG_HOME
    std::string userHome;                      // HOME
};

// --home, else SIGNBENCH_HOME (both used as they are, never seeded), else the
// executable's folder when writable, else $XDG_CONFIG_HOME/signbench (default
// ~/.config/signbench), seeded.
HomeChoice ChooseHomeFolder(const HomeInputs& inputs);

// Reads the inputs from the process (environment, own path, access rights).
HomeInputs HomeInputsFromProcess(const std::optional<std::string>& homeArgument);

// Creates the folder when missing and, when asked, writes the shipped settings into
// it unless it has a setup.cfg already. False with a message when that fails.
bool PrepareHomeFolder(const HomeChoice& choice, const std::string& shippedSettings, std::string& error);

}  // namespace shell
