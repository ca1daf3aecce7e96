#pragma once
// The one way both programs print or preview label records: one job of the
// label-rendering library per call.
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "core/UGlobals.h"
#include "core/LabelRecord.h"
#include "labelrender/LabelJob.h"
#include "printing/ManualLanguages.h"

namespace quill {

// Progress in percent of the current record's copies (preview only).
using PrintProgress = std::function<void(int percent)>;

// Prints (or previews) every record `Amount` times on the first record's
// design. A Manual design gets the sixteen field names of its own language
// (ManualLanguageOfDesign) instead of `vocabulary`, filled by position; a
// design mixing languages then fails on the names of the others. On failure returns false with `errorText` set; a label that fails
// ends the job, and the labels before it are printed. `printedCopies`, when
// given, receives how many labels went to the printer (none for a preview).
bool PrintLabel(labelrender::LabelJob& job, std::span<const TLabelRecord> records,
                const std::vector<TField>& vocabulary, bool preview, std::string& errorText,
                const PrintProgress& progress = {}, int* printedCopies = nullptr);

// Starts the variable list and defines every variable of the mode with sample contents.
void DefineDesignVariables(labelrender::LabelJob& job, TMode mode, const std::vector<TField>& vocabulary);
// Defines the variables of one record with its contents; a Manual record's
// fields take the names of `manualLanguage`.
void DefineLabelVariables(labelrender::LabelJob& job, const TLabelRecord& record,
                          int manualLanguage = ManualEnglish);

std::string PrintErrorText(int code);

// The printer the last started print job went to.
const std::string& LastPrinterName();

}  // namespace quill
