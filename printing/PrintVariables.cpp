// The variables a design can print: sample contents for design work, and
// each record's own contents plus the barcode, DataMatrix and SGTIN-96 forms
// that some modes derive from fixed vocabulary positions.
#include "printing/PrintJob.h"

#include "printing/BarcodeNumbers.h"
#include "printing/ManualLanguages.h"
#include "printing/UEPC_URIDecoding.h"

namespace quill {

using labelrender::VariableType;

namespace {

const std::string SampleBarcode = "00001234";
const std::string SampleIdCode = "00005814";
const std::string SampleSgtin = "12345.123.123456789";

// Vocabulary positions that carry identification codes.
constexpr int VekLegacyPwbPosition = 16;   // IDCodeNumberPWB
constexpr int VekLegacyBklPosition = 23;   // IDCodeNumberBKL
constexpr int CorvaneIdPosition = 47;      // IDCode, SecondaryIDCode follows
constexpr int CorvanePwbIdPosition = 32;   // IDCode, SecondaryIDCode follows
constexpr int TamberCodeIdPosition = 19;   // CodeID
constexpr int OrsHeaderIdPosition = 22;    // Header.IDCode

// The three variables made from one identification code; `prefix` is ""
// for the first code and "Secondary" for the second.
void DefineIdCode(labelrender::LabelJob& job, const std::string& prefix, const std::string& barcode,
                  const std::string& sgtin) {
    job.LlDefineVariableExt("Barcode" + prefix + "IDCode", barcode, VariableType::Barcode);
    job.LlDefineVariableExt("DataMatrix" + prefix + "IDCode", barcode, VariableType::DataMatrix);
    job.LlDefineVariableExt(prefix + "IDCodeSGTIN96", sgtin, VariableType::Text);
}

// First position of the mode's pair IDCode / SecondaryIDCode, or -1.
int IdCodePosition(TMode mode) {
    if (mode == TMode::Corvane) return CorvaneIdPosition;
    if (mode == TMode::CorvanePWB) return CorvanePwbIdPosition;
    return -1;
}

std::string TamberTail(std::string_view value) { return BarcodeTail(value, Settings.BarcodeLengthTamber); }

// The name a design knows the record's position by: a Manual field goes by
// the design's language, whatever language the record was written in.
std::string PrintedName(const TLabelRecord& record, int position, int manualLanguage) {
    const std::string_view name = record.FieldName(position);
    if (record.Mode == TMode::Manual && IsManualFieldName(name, position))
        return ManualFieldName(manualLanguage, position);
    return std::string(name);
}

void DefineModeVariables(labelrender::LabelJob& job, const TLabelRecord& record, int position,
                         const std::string& name) {
    const std::string value(record.FieldValue(position));
    const char kind = record.FieldKind(position);
    switch (record.Mode) {
    case TMode::Legacy:
        if (kind == KindBarcode) job.LlDefineVariableExt("Barcode", value, VariableType::Barcode);
        break;
    case TMode::VekLegacy:
        if (position == VekLegacyPwbPosition) job.LlDefineVariableExt("BarcodePWB", value, VariableType::Barcode);
        if (position == VekLegacyBklPosition) job.LlDefineVariableExt("BarcodeBKL", value, VariableType::Barcode);
        break;
    case TMode::Manual:
        if (kind == KindBarcode)
            job.LlDefineVariableExt(name, BarcodeToLength(value, Settings.Barcodelength), VariableType::Barcode);
        break;
    case TMode::Corvane:
    case TMode::CorvanePWB: {
        const int first = IdCodePosition(record.Mode);
        if (position == first || position == first + 1)
            DefineIdCode(job, position == first ? "" : "Secondary", value, DecodeSgtin96(value));
        break;
    }
    case TMode::Tamber:
        if (position == TamberCodeIdPosition)
            job.LlDefineVariableExt("BarcodeCodeID", TamberTail(value), VariableType::Barcode);
        break;
    case TMode::DirectORS:
    case TMode::CorvaneORS:
        if (position == OrsHeaderIdPosition)
            job.LlDefineVariableExt("Header.BarcodeIDCode", value, VariableType::Barcode);
        break;
    case TMode::Direct:
        break;
    }
}

}  // namespace

void DefineDesignVariables(labelrender::LabelJob& job, TMode mode, const std::vector<TField>& vocabulary) {
    job.LlDefineVariableStart();
    for (const TField& field : vocabulary) {
        if (field.Type == "Text")
            job.LlDefineVariableExt(field.Name, field.Name, VariableType::Text);
        else
            job.LlDefineVariableExt(field.Name, SampleBarcode, VariableType::Barcode);
    }
    switch (mode) {
    case TMode::Legacy:
        job.LlDefineVariableExt("Barcode", SampleIdCode, VariableType::Barcode);
        break;
    case TMode::VekLegacy:
        job.LlDefineVariableExt("BarcodeBKL", SampleIdCode, VariableType::Barcode);
        job.LlDefineVariableExt("BarcodePWB", SampleIdCode, VariableType::Barcode);
        break;
    case TMode::Corvane:
    case TMode::CorvanePWB:
        DefineIdCode(job, "", SampleIdCode, SampleSgtin);
        DefineIdCode(job, "Secondary", SampleIdCode, SampleSgtin);
        break;
    case TMode::Tamber:
        job.LlDefineVariableExt("BarcodeCodeID", SampleIdCode, VariableType::Barcode);
        break;
    case TMode::DirectORS:
    case TMode::CorvaneORS:
        job.LlDefineVariableExt("Header.BarcodeIDCode", SampleIdCode, VariableType::Barcode);
        break;
    case TMode::Manual:
    case TMode::Direct:
        break;
    }
}

void DefineLabelVariables(labelrender::LabelJob& job, const TLabelRecord& record, int manualLanguage) {
    for (int i = 0; i < record.FieldCount(); ++i) {
        const std::string name = PrintedName(record, i, manualLanguage);
        // Positions beyond the vocabulary have no name a design could use.
        if (!name.empty() && record.FieldKind(i) == KindText) {
            const bool tamberCode = record.Mode == TMode::Tamber && i == TamberCodeIdPosition;
            const std::string value = tamberCode ? TamberTail(record.FieldValue(i)) : std::string(record.FieldValue(i));
            job.LlDefineVariableExt(name, value, VariableType::Text);
        }
        DefineModeVariables(job, record, i, name);
    }
}

}  // namespace quill
