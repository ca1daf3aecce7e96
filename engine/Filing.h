#pragma once
// Where processed label files go: the Backup and Error folders of their
// label folder, under the mode's prefix and a time stamp; and the status
// suffix that tells the queue what became of the mode's current file.
#include <optional>
#include <span>
#include <string>
#include <vector>

#include <QTime>

#include "core/LabelRecord.h"
#include "core/UGlobals.h"

namespace quill {

// Hour as a letter ("A" for 0 h .. "X" for 23 h), minutes, seconds, milliseconds.
std::string FileStamp(QTime time = QTime::currentTime());
std::string MakeErrorPath(const std::string& labelFolder, TMode mode);
std::string MakeBackupPath(const std::string& labelFolder, TMode mode);

// Moves `from` to `target`, never replacing a file. When that fails the
// target folder is created and numbered names ("CRVN0542123_1.lbl") are
// tried; failing that, the file stays in its folder under an unused
// ".unfiled" name. Returns where the file is now; it is never deleted.
std::string StoreLabelFile(const std::string& from, const std::string& target);

// Writes copies that could not be printed after their label file was filed
// into the Error folder of their label folder, as a label file of their
// mode under a stored name (never replacing a file), so that a retry brings
// them back. All copies are of one mode and location. The stored path, or
// empty when nothing could be written (logged).
std::string StoreUnprintedCopies(std::span<const TLabelRecord> copies);

enum class TSuffixKind { NewTask, Printed, NotPrinted };
// "" with LogMode 0; otherwise the fate of the mode's current file.
std::string StatusSuffix(TSuffixKind kind, TMode mode);
// "" with LogMode 0 or no names; otherwise the files in Error that hold
// what was not printed.
std::string ErrorSuffix(const std::vector<std::string>& namesInError);

}  // namespace quill
