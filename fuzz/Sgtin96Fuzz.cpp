// libFuzzer target: SGTIN-96 decoding and the barcode-number routines on
// arbitrary bytes. Label files carry whatever a host wrote, so every routine
// must return, never crash, and keep the promises of its header about what
// it returns; a broken promise aborts.
//
// The whole input is decoded as an identification code. From the third byte
// on it is also a barcode text: byte 0 picks the scheme and the length,
// byte 1 the step (255 stands for the largest step).
#include "printing/BarcodeNumbers.h"
#include "printing/CheckDigits.h"
#include "printing/DecimalDigits.h"
#include "printing/UEPC_URIDecoding.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>
#include <string_view>

namespace {

using namespace quill;

void Expect(bool promise) {
    if (!promise) std::abort();
}

// "digits.digits.digits"
bool IsDecodedText(std::string_view text) {
    if (std::count(text.begin(), text.end(), '.') != 2) return false;
    const auto first = text.find('.');
    const auto second = text.find('.', first + 1);
    return IsDecimalNumber(text.substr(0, first)) && IsDecimalNumber(text.substr(first + 1, second - first - 1)) &&
           IsDecimalNumber(text.substr(second + 1));
}

void CheckDecode(std::string_view code) {
    const std::string text = DecodeSgtin96(code);
    if (code.size() != 24) Expect(text == code);
    else Expect(text == code || IsDecodedText(text));
}

void CheckBarcodes(std::string_view text, std::string_view scheme, int length, std::uint64_t step) {
    const std::optional<char> digit = CheckDigitOf(text, scheme);
    Expect(digit.has_value() == IsDecimalNumber(text));
    if (digit) Expect(*digit >= '0' && *digit <= '9');

    if (const std::optional<std::string> next = NextBarcode(text, scheme, step)) {
        Expect(IsDecimalNumber(*next) && next->size() >= text.size());
        if (step == 0) Expect(next->size() == text.size());
        // the check digit it appends is the one it would recompute
        Expect(NextBarcode(*next, scheme, 0) == next);
    }

    const std::string sized = BarcodeToLength(text, length);
    Expect(sized.size() >= static_cast<std::size_t>(length));
    if (sized.size() > static_cast<std::size_t>(length)) Expect(sized.front() != '0');

    const TBarcodeAcceptance accepted = AcceptLastBarcode(text, length, scheme);
    if (accepted.Accepted) {
        Expect(accepted.Number.size() == static_cast<std::size_t>(length));
        Expect(IsDecimalNumber(accepted.Number) && !IsAllZeros(accepted.Number));
    } else {
        Expect(!accepted.Message.empty());
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    CheckDecode(input);
    if (size < 2) return 0;
    const std::string_view scheme = CheckDigitSchemes[data[0] % CheckDigitSchemes.size()];
    const int length = static_cast<int>(data[0] / CheckDigitSchemes.size() % 24);
    const std::uint64_t step = data[1] == 255 ? std::numeric_limits<std::uint64_t>::max() : data[1];
    CheckBarcodes(input.substr(2), scheme, length, step);
    return 0;
}
