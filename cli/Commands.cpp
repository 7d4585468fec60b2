#include "cli/Commands.h"

#include "text/SharedTexts.h"
#include "cli/Format.h"
#include "cli/Messages.h"
#include "cli/Report.h"
#include "cli/TextForm.h"
#include "settings/FactoryBlock.h"
#include "settings/SettingsFile.h"

#include <algorithm>

namespace cli {

const char kVersion[] = K42_VERSION;

namespace {

using settings::SettingsBlock;

// A spooled job: the 270 bytes of the printer's set-settings command alone, as TBK42 and
// `send` write them, framed like every block (the command header first, the terminator
// and the padding last). Taken whole, or not at all.
bool DecodeSpooledJob(const std::vector<unsigned char>& data, SettingsBlock& block) {
    if (data.size() != settings::kBlockSize) return false;
    const auto& frame = settings::FactoryBlock.bytes;
    for (settings::Field part :
         {settings::field::command_header, settings::field::terminator, settings::field::padding})
        if (!std::equal(frame.begin() + part.offset, frame.begin() + part.offset + part.width,
                        data.begin() + part.offset))
            return false;
    std::copy(data.begin(), data.end(), block.bytes.begin());
    return true;
}

// A settings file, a spooled job, or the factory settings for the word "factory".
bool LoadBlock(System& system, const std::string& name, SettingsBlock& block) {
    if (name == kFactoryWord) {
        block = settings::FactoryBlock;
        return true;
    }
    std::vector<unsigned char> data;
    if (!system.ReadFile(name, settings::kFileSize, data)) {
        system.Err(Format(kCannotRead, name.c_str()) + "\n");
        return false;
    }
    if (!settings::DecodeSettingsFile(data.data(), data.size(), block) &&
        !DecodeSpooledJob(data, block)) {
        system.Err(Format(kAbout, name.c_str(), kNotSettingsFile) + "\n");
        return false;
    }
    return true;
}

// Loads one settings file and prints it in the form `print` gives.
int PrintBlock(System& system, const std::string& name,
               std::string (*print)(const SettingsBlock&)) {
    SettingsBlock block;
    if (!LoadBlock(system, name, block)) return kExitError;
    system.Out(print(block));
    return kExitOk;
}

int Show(System& system, const std::string& name) { return PrintBlock(system, name, ShowBlock); }

int Diff(System& system, const std::string& nameA, const std::string& nameB) {
    SettingsBlock a, b;
    if (!LoadBlock(system, nameA, a) || !LoadBlock(system, nameB, b)) return kExitError;
    std::string lines = DiffBlocks(a, b);
    system.Out(lines);
    return lines.empty() ? kExitOk : kExitDifferent;
}

int Export(System& system, const std::string& name) {
    return PrintBlock(system, name, ExportText);
}

// Checks the whole text before the settings file is touched.
int Import(System& system, const std::string& textName, const std::string& fileName) {
    std::vector<unsigned char> data;
    if (!system.ReadFile(textName, kMaxInputSize, data)) {
        system.Err(Format(kCannotRead, textName.c_str()) + "\n");
        return kExitError;
    }
    if (data.size() > kMaxInputSize) {
        system.Err(Format(kFileTooLong, textName.c_str()) + "\n");
        return kExitError;
    }
    SettingsBlock block;
    std::string error;
    if (!ImportText(std::string(data.begin(), data.end()), textName, block, error)) {
        system.Err(error + "\n");
        return kExitError;
    }
    auto file = settings::EncodeSettingsFile(block);
    if (!system.WriteFile(fileName, std::vector<unsigned char>(file.begin(), file.end()))) {
        system.Err(Format(kAbout, fileName.c_str(), kFileWriteFailed) + "\n");
        return kExitError;
    }
    return kExitOk;
}

// One line per printer; the exit code says whether every printer took the job.
int Send(System& system, const std::string& name, const std::vector<std::string>& printers) {
    if (printers.empty()) {
        system.Err(std::string(kNoPrinterGiven) + "\n");
        return kExitError;
    }
    SettingsBlock block;
    if (!LoadBlock(system, name, block)) return kExitError;
    int result = kExitOk;
    for (const std::string& printer : printers) {
        std::string why;
        bool sent = system.Send(printer, block.bytes.data(), block.bytes.size(), why);
        system.Out(Format(kAbout, printer.c_str(), sent ? kSent : why.c_str()) + "\n");
        if (!sent) result = kExitDifferent;
    }
    return result;
}

} // namespace

int RunCommand(const std::vector<std::string>& args, System& system) {
    std::size_t count = args.size();
    const std::string command = count > 0 ? args[0] : "";
    if (command == "--help") {
        system.Out(kUsage);
        return kExitOk;
    }
    if (command == "--version") {
        system.Out(Format(kVersionFormat, kVersion) + "\n");
        return kExitOk;
    }
    if (command == "show" && count == 2) return Show(system, args[1]);
    if (command == "diff" && count == 3) return Diff(system, args[1], args[2]);
    if (command == "export" && count == 2) return Export(system, args[1]);
    if (command == "import" && count == 3) return Import(system, args[1], args[2]);
    if (command == "send" && count >= 2)
        return Send(system, args[1], std::vector<std::string>(args.begin() + 2, args.end()));
    system.Err(kUsage);
    return kExitError;
}

} // namespace cli
