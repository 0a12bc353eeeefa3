#include "library/files_folder.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "library/library_files.h"
#include "platform/profile.h"
#include "platform/self_path.h"

#ifndef SIGNLINK_SAMPLES_FROM_LIBDIR
#define SIGNLINK_SAMPLES_FROM_LIBDIR "../share/signlink"
#endif

namespace signlink {

FilesFolder ChooseFilesFolder(const FolderInputs& inputs)
{
    if (inputs.signlinkDir && !inputs.signlinkDir->empty())
        return {*inputs.signlinkDir, FolderSource::Variable};
    if (inputs.libraryFolderWritable) return {inputs.libraryFolder, FolderSource::BesideLibrary};
    // A relative XDG_CONFIG_HOME is invalid and ignored, as the XDG rules say.
    if (inputs.xdgConfigHome && inputs.xdgConfigHome->starts_with('/'))
        return {*inputs.xdgConfigHome + "/signlink", FolderSource::ConfigFolder};
    if (!inputs.userHome.empty()) return {inputs.userHome + "/.config/signlink", FolderSource::ConfigFolder};
    return {inputs.libraryFolder, FolderSource::BesideLibrary};
}

FolderInputs FolderInputsFromProcess(const std::string& libraryPath)
{
    const auto env = [](const char* name) -> std::optional<std::string> {
        const char* value = std::getenv(name);
        return value ? std::optional<std::string>(value) : std::nullopt;
    };
    FolderInputs inputs;
    inputs.signlinkDir = env("SIGNLINK_DIR");
    inputs.libraryFolder = platform::DirectoryOf(libraryPath);
    inputs.libraryFolderWritable = ::access(inputs.libraryFolder.c_str(), W_OK) == 0;
    inputs.xdgConfigHome = env("XDG_CONFIG_HOME");
    inputs.userHome = env("HOME").value_or("");
    return inputs;
}

const char* FolderSourceName(FolderSource source)
{
    switch (source) {
        case FolderSource::Variable:
            return "SIGNLINK_DIR";
        case FolderSource::BesideLibrary:
            return "beside the library";
        case FolderSource::ConfigFolder:
            return "config folder";
    }
    return "";
}

std::string SamplesFolder(const std::string& libraryFolder)
{
    return libraryFolder + "/" + SIGNLINK_SAMPLES_FROM_LIBDIR;
}

bool SeedFilesFolder(const std::string& folder, const std::string& samplesFolder, std::string& error)
{
    std::error_code code;
    std::filesystem::create_directories(folder, code);
    if (code) {
        error = "cannot create " + folder + ": " + code.message();
        return false;
    }
    for (std::string_view name : {kCmdSetFile, kSendFrameFile}) {
        const std::string target = folder + "/" + std::string(name);
        if (std::filesystem::exists(target, code)) continue;
        const auto sample = platform::ReadWholeFile(samplesFolder + "/" + std::string(name));
        if (!sample) continue;
        // Whole or not at all: another process may open the folder at the same time.
        if (!platform::WriteFileAtomically(target, *sample)) {
            error = "cannot write " + target;
            return false;
        }
    }
    return true;
}

}  // namespace signlink
