#include "engine/LabelFileReader.h"

#include <cxxabi.h>

#include <cstdlib>
#include <exception>
#include <memory>
#include <typeinfo>

#include "core/Logging.h"
#include "core/Utilities.h"
#include "engine/LabelLines.h"
#include "engine/LabelTokens.h"

namespace quill {

namespace {

std::string ClassName(const std::exception& error) {
    const char* mangled = typeid(error).name();
    int status = 0;
    const std::unique_ptr<char, decltype(&std::free)> demangled(
        abi::__cxa_demangle(mangled, nullptr, nullptr, &status), &std::free);
    return status == 0 && demangled ? demangled.get() : mangled;
}

}  // namespace

void QueueCopies(const TLabelRecord& record, TLabelSink& sink, bool& result) {
    int queued = 0;
    while (queued < record.Amount) {
        const TAddResult added = sink.AddToTask(record);
        if (added.Outcome != TAddOutcome::Queued) result = sink.PrintTask(added.Task);
        if (added.Outcome != TAddOutcome::SlotHeld) ++queued;
    }
}

bool ReadLabelFile(TMode mode, const std::string& locationName, const std::vector<TField>& vocabulary,
                   const std::string& designFolder, const std::string& path, TLabelSink& sink) {
    bool result = true;
    std::string text;
    try {
        text = LoadLabelFile(path);
    } catch (const std::exception& error) {
        LogException("FEngine", "ReadLabelFile", ClassName(error), error.what());
        AddLog(error.what());
        result = false;
    }
    TLabelRecord record;
    const TLabelSource source{mode, vocabulary, designFolder, locationName, FieldSeparator()};
    ForEachLabelRecord(source, text, record,
                       [&](int, const TLabelRecord& parsed) { QueueCopies(parsed, sink, result); });
    return result;
}

}  // namespace quill
