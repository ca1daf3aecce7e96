// Whole label files of any mode through ReadLabelFile, with a queue that
// prints now and then and sometimes holds its slot.
#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <string_view>

#include "engine/LabelFileReader.h"
#include "fuzz/FuzzSupport.h"

namespace {

struct TStopReading {};

// Every 3rd copy fills its task, every 5th finds the slot held once; a file
// asking for very many copies is cut short, as the fuzzer has no time for it.
class TCountingSink : public quill::TLabelSink {
public:
    quill::TAddResult AddToTask(const quill::TLabelRecord& record) override {
        quill::fuzz::Require(record.Amount > 0 && record.FieldCount() <= quill::TLabelRecord::Capacity);
        if (++offered_ > 5000) throw TStopReading{};
        if (offered_ % 5 == 0) return {quill::TAddOutcome::SlotHeld, 0};
        return {offered_ % 3 == 0 ? quill::TAddOutcome::QueuedPrintNow : quill::TAddOutcome::Queued, 1};
    }
    bool PrintTask(int task) override { return task == 1; }

private:
    int offered_ = 0;
};

// The label file lives in memory (tmpfs): the reader opens it by path, and a
// file on disk would make the fuzzer wait for the disk instead of reading. It
// must be a regular file by its own name, as the reader follows no link.
void WriteLabelFile(int fd, std::string_view text) {
    quill::fuzz::Require(::ftruncate(fd, 0) == 0);
    quill::fuzz::Require(::pwrite(fd, text.data(), text.size(), 0) == static_cast<ssize_t>(text.size()));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quill;
    static const std::string path = (::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp") +
                                    std::string("/quill-labelfile-fuzz-") + std::to_string(::getpid());
    static const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    fuzz::Require(fd >= 0);
    static const int removed = std::atexit([] { ::unlink(path.c_str()); });
    (void)removed;
    const fuzz::TInput input = fuzz::SplitInput(data, size);
    const TMode mode = AllModes[input.Choice % ModeCount];
    WriteLabelFile(fd, input.Text);
    TCountingSink sink;
    try {
        ReadLabelFile(mode, "Loc", fuzz::Vocabulary(mode), "/designs/", path, sink);
    } catch (const TLabelFormatError& error) {
        // Only Legacy lines have a form to break; any mode may ask for too many copies.
        fuzz::Require(mode == TMode::Legacy || std::string_view(error.what()).ends_with(" copies"));
    } catch (const TStopReading&) {
    }
    return 0;
}
