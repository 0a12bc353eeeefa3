#pragma once

#include <optional>
#include <string>

namespace signlink {

// Which folder holds the library's four files.
enum class FolderSource {
    Variable,       // SIGNLINK_DIR, used as it is
    BesideLibrary,  // the folder of the library file, writable
    ConfigFolder,   // $XDG_CONFIG_HOME/signlink, seeded from the installed samples
};

struct FilesFolder {
    std::string folder;
    FolderSource source = FolderSource::BesideLibrary;
};

struct FolderInputs {
    std::optional<std::string> signlinkDir;  // SIGNLINK_DIR
    std::string libraryFolder;               // folder of the library file
    bool libraryFolderWritable = false;
    std::optional<std::string> xdgConfigHome;  // XDG_CONFIG_HOME
    std::string userHome;                      // HOME
};

// SIGNLINK_DIR when set; else the library's folder when it is writable; else
// $XDG_CONFIG_HOME/signlink (default ~/.config/signlink). Without any home the
// library's folder stays the answer.
FilesFolder ChooseFilesFolder(const FolderInputs& inputs);

// Reads the inputs from the process: environment and access rights.
FolderInputs FolderInputsFromProcess(const std::string& libraryPath);

// One word for a source, as signlink-cli shows it.
const char* FolderSourceName(FolderSource source);

// Where the installed samples lie, seen from the library's folder
// (<libdir>/../share/signlink in an installed tree).
std::string SamplesFolder(const std::string& libraryFolder);

// Creates the folder when missing and copies each sample definition and settings
// file into it that it does not hold yet. False with a message when that fails; a
// missing sample is no failure (OpenSF then reports the missing file).
bool SeedFilesFolder(const std::string& folder, const std::string& samplesFolder, std::string& error);

}  // namespace signlink
