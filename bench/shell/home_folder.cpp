#include "bench/shell/home_folder.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "platform/profile.h"
#include "platform/self_path.h"

namespace shell {

HomeChoice ChooseHomeFolder(const HomeInputs& inputs)
{
    if (inputs.homeArgument && !inputs.homeArgument->empty()) {
        return {*inputs.homeArgument, false};
    }
    if (inputs.homeVariable && !inputs.homeVariable->empty()) {
        return {*inputs.homeVariable, false};
    }
    if (inputs.executableFolderWritable && !inputs.executableFolder.empty()) {
        return {inputs.executableFolder, false};
    }
    const std::string config = inputs.xdgConfigHome && !inputs.xdgConfigHome->empty()
                                   ? *inputs.xdgConfigHome
                                   : inputs.userHome + "/.config";
    return {config + "/signbench", true};
}

HomeInputs HomeInputsFromProcess(const std::optional<std::string>& homeArgument)
{
    const auto env = [](const char* name) -> std::optional<std::string> {
        const char* value = std::getenv(name);
        return value ? std::optional<std::string>(value) : std::nullopt;
    };
    HomeInputs inputs;
    inputs.homeArgument = homeArgument;
    inputs.homeVariable = env("SIGNBENCH_HOME");
    inputs.executableFolder = platform::DirectoryOf(platform::SelfPath());
    inputs.executableFolderWritable =
        !inputs.executableFolder.empty() && ::access(inputs.executableFolder.c_str(), W_OK) == 0;
    inputs.xdgConfigHome = env("XDG_CONFIG_HOME");
    inputs.userHome = env("HOME").value_or("");
    return inputs;
}

bool PrepareHomeFolder(const HomeChoice& choice, const std::string& shippedSettings, std::string& error)
{
    std::error_code code;
    std::filesystem::create_directories(choice.folder, code);
    if (code) {
        error = "Cannot create the folder " + choice.folder + ": " + code.message();
        return false;
    }
    const std::string settings = choice.folder + "/setup.cfg";
    if (choice.seed && !std::filesystem::exists(settings, code)) {
        if (!platform::WriteFileAtomically(settings, shippedSettings)) {
            error = "Cannot write " + settings;
            return false;
        }
    }
    return true;
}

}  // namespace shell
