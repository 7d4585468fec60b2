#pragma once
// The Start-menu group and its shell links.
#include "framework/Seam.h"

#include <string>

namespace installer_win32 {

// The Programs folder of the Start menu: "Common Programs" of the machine, else
// "Programs" of the default user; false when neither is registered.
bool FindProgramsFolder(std::string& folder);

// The group folder of `title` inside the Programs folder; empty for a title that would
// name the Programs folder itself or one outside it (".", "..\\x"), which the installation
// never makes and the uninstallation never removes.
std::string GroupFolder(const std::string& programsFolder, const std::string& title);

// One link failure shown to the user; the next call of the link is still made.
using LinkFailure = void (*)(void* context, const framework::Message& message);

// Creates the link `linkFile` to `target` with its description and working folder
// through the system's shell link object. Returns false when the object could not be
// created (no message) or a call failed (reported through `failure`).
bool CreateShortcut(const std::string& linkFile, const std::string& target,
                    const std::string& description, const std::string& workingFolder,
                    LinkFailure failure, void* context);

} // namespace installer_win32
