#include "print_app/ManualLabelFile.h"

#include <unistd.h>

#include <QDateTime>
#include <chrono>
#include <exception>
#include <fstream>
#include <thread>

#include "core/Logging.h"
#include "core/UGlobals.h"
#include "core/Utilities.h"
#include "engine/LabelFileWriter.h"
#include "platform/FileOps.h"

namespace quill {

namespace {

constexpr const char* kUnit = "FBasePrintLabels";
// A name is formed at most this often while every one is taken.
constexpr int kNameAttempts = 600;

std::string NameForNow(const std::string& folder) {
    return folder + "USR" + QDateTime::currentDateTime().toString("yyMMddhhmmss").toStdString() + "." +
           Mode(TMode::Manual).FileExtension;
}

}  // namespace

std::string SendRecordsToFile(const std::string& labelFolder, std::span<const TLabelRecord> records) {
    const std::string folder = AddBackslash(labelFolder);
    platform::CreateFolders(folder);
    const char separator = FieldSeparator();
    // Written under a name the engine does not look at, then renamed: the
    // engine never sees half a file.
    const std::string work = folder + ".USR-" + Folders.ComputerName + "-" +
                             std::to_string(::getpid()) + ".part";
    try {
        std::ofstream out(work, std::ios::binary | std::ios::trunc);
        for (const TLabelRecord& record : records) out << FormatManualLine(record, separator);
        out.close();
        if (!out) throw std::runtime_error("cannot write " + work);
    } catch (const std::exception& e) {
        LogException(kUnit, "SendRecordsToFile(2)", "Exception", e.what());
        platform::DeleteFile(work);
        return {};
    }
    std::string name;
    try {
        for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
            name = NameForNow(folder);
            if (!platform::FileExists(name) && platform::RenameNoReplace(work, name)) return name;
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        throw std::runtime_error("no free name for a label file in " + folder);
    } catch (const std::exception& e) {
        LogException(kUnit, "SendRecordsToFile(1)", "Exception", e.what());
    }
    platform::DeleteFile(work);
    return {};
}

}  // namespace quill
