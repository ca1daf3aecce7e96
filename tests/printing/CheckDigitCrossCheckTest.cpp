// Checks the check-digit schemes and the running numbers against
// python-stdnum, an independent implementation of the published
// algorithms, run as a real python3 process over many generated numbers.
//
// Where the definitions coincide, and why only there:
// - EAN (stdnum.ean) weighs digits 3, 1, 3, ... from the RIGHT and takes
//   (10 - S mod 10) mod 10. "31313-NEG" weighs 3, 1, 3, ... from the LEFT,
//   so the two agree exactly when the payload has an odd length (d1 and dn
//   both weigh 3); "31313" is then 10 minus that digit, mod 10. For an even
//   length (123456 included) every weight is swapped and they differ.
// - Luhn (stdnum.luhn) doubles every second digit from the right, starting
//   with the last; a doubled digit counts as its digit sum, which is what
//   "SYDVASK" computes as (t + 1) mod 10 for t >= 10. It doubles odd
//   positions from the left, so again only odd lengths coincide.
// - ISSN (stdnum.issn, 7 digits, weights 8..2) and ISBN-10 (stdnum.isbn,
//   9 digits, weights 10..2) are "MOD11" for exactly those lengths, its
//   weights growing from 2 at the right without wrapping. Where they give
//   'X' (r = 10), "MOD11" gives 0. stdnum has no general-length form: its
//   other modulus-11 codes wrap their weights or use another remainder rule.
// - "MOD10" (odd positions doubled, even ones ignored) has no counterpart
//   in stdnum and is covered by the hand-worked tables instead.
// - Running numbers: Python's integers are exact at any size, so stepping a
//   17-digit payload there and appending the EAN digit checks NextBarcode
//   with "31313-NEG" for 18-digit numbers.
#include "printing/BarcodeNumbers.h"
#include "printing/CheckDigits.h"
#include "support/TestEnv.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace quill {
namespace {

// Reads "kind payload [step]" lines and prints one answer per line.
constexpr const char* Reference = R"(import sys
from stdnum import ean, isbn, issn, luhn
for line in sys.stdin:
    kind, payload, *rest = line.split()
    if kind == 'ean':
        print(ean.calc_check_digit(payload))
    elif kind == 'luhn':
        print(luhn.calc_check_digit(payload))
    elif kind == 'issn':
        print(issn.calc_check_digit(payload))
    elif kind == 'isbn':
        print(next(c for c in '0123456789X' if isbn.is_valid(payload + c)))
    elif kind == 'next':
        p = str(int(payload) + int(rest[0])).zfill(len(payload))
        print(p + ean.calc_check_digit(p))
)";

struct TQuery {
    std::string Kind;
    std::string Payload;
    std::uint64_t Step = 0;
};

// A python3 that has stdnum: the one on PATH, else Debian's own, which a
// version manager earlier on PATH may hide.
std::optional<std::string> PythonWithStdnum() {
    for (const char* python : {"python3", "/usr/bin/python3"}) {
        const std::string probe = std::string(python) + " -c 'import stdnum.ean, stdnum.isbn, stdnum.issn, stdnum.luhn' >/dev/null 2>&1";
        if (test::RunCommand(probe) == 0) return python;
    }
    return std::nullopt;
}

class CheckDigitCrossCheck : public test::TempWorldTest {
protected:
    void SetUp() override {
        static const std::optional<std::string> python = PythonWithStdnum();
        python_ = python;
        if (!python_) GTEST_SKIP() << "no python3 with python-stdnum (Debian package python3-stdnum)";
    }

    std::string RandomDigits(std::size_t length) {
        std::uniform_int_distribution<int> digit(0, 9);
        std::string digits;
        for (std::size_t i = 0; i < length; ++i) digits += static_cast<char>('0' + digit(random_));
        return digits;
    }

    // Random payloads of each length, plus all zeros and all nines.
    void AddPayloads(const std::string& kind, const std::vector<std::size_t>& lengths, int perLength) {
        for (const std::size_t length : lengths) {
            queries_.push_back({kind, std::string(length, '0')});
            queries_.push_back({kind, std::string(length, '9')});
            for (int i = 0; i < perLength; ++i) queries_.push_back({kind, RandomDigits(length)});
        }
    }

    // Answers of the reference, one per query.
    std::vector<std::string> AskReference() {
        world.writeFile("reference.py", Reference);
        std::ostringstream input;
        for (const TQuery& q : queries_) input << q.Kind << ' ' << q.Payload << ' ' << q.Step << '\n';
        world.writeFile("queries.txt", input.str());
        const int status = test::RunCommand(*python_ + " " + world.path("reference.py") + " <" +
                                            world.path("queries.txt") + " >" + world.path("answers.txt"));
        EXPECT_EQ(status, 0) << "the reference failed";
        std::vector<std::string> answers;
        std::istringstream lines(world.readFile("answers.txt"));
        for (std::string line; std::getline(lines, line);) answers.push_back(line);
        EXPECT_EQ(answers.size(), queries_.size());
        return answers;
    }

    std::mt19937_64 random_{20240611};
    std::vector<TQuery> queries_;
    std::optional<std::string> python_;
};

const std::vector<std::size_t> OddLengths = {1, 3, 5, 7, 9, 11, 13, 15, 17};

char Complement(char digit) { return static_cast<char>('0' + (10 - (digit - '0')) % 10); }

TEST_F(CheckDigitCrossCheck, GS1WeightingAgreesWithEan) {
    AddPayloads("ean", OddLengths, 300);
    const std::vector<std::string> answers = AskReference();
    for (std::size_t i = 0; i < answers.size() && i < queries_.size(); ++i) {
        const std::string& payload = queries_[i].Payload;
        ASSERT_EQ(answers[i].size(), 1u);
        EXPECT_EQ(CheckDigitOf(payload, "31313-NEG"), answers[i][0]) << payload;
        EXPECT_EQ(CheckDigitOf(payload, "31313"), Complement(answers[i][0])) << payload;
    }
}

TEST_F(CheckDigitCrossCheck, SydvaskAgreesWithLuhn) {
    AddPayloads("luhn", OddLengths, 300);
    const std::vector<std::string> answers = AskReference();
    for (std::size_t i = 0; i < answers.size() && i < queries_.size(); ++i)
        EXPECT_EQ(CheckDigitOf(queries_[i].Payload, "SYDVASK"), answers[i].front()) << queries_[i].Payload;
}

TEST_F(CheckDigitCrossCheck, Mod11AgreesWithIssnAndIsbn10) {
    AddPayloads("issn", {7}, 2000);
    AddPayloads("isbn", {9}, 2000);
    const std::vector<std::string> answers = AskReference();
    for (std::size_t i = 0; i < answers.size() && i < queries_.size(); ++i) {
        const char expected = answers[i] == "X" ? '0' : answers[i].front();
        EXPECT_EQ(CheckDigitOf(queries_[i].Payload, "MOD11"), expected) << queries_[i].Kind << " " << queries_[i].Payload;
    }
}

TEST_F(CheckDigitCrossCheck, EighteenDigitRunningNumbersAgree) {
    // 17-digit payloads below 9 x 10^16, so that no step makes them grow.
    std::uniform_int_distribution<std::uint64_t> step(0, 1000000);
    for (int i = 0; i < 2000; ++i) {
        std::string payload = RandomDigits(17);
        payload[0] = static_cast<char>('0' + i % 9);
        queries_.push_back({"next", payload, i < 10 ? static_cast<std::uint64_t>(i) : step(random_)});
    }
    const std::vector<std::string> answers = AskReference();
    for (std::size_t i = 0; i < answers.size() && i < queries_.size(); ++i) {
        const TQuery& q = queries_[i];
        EXPECT_EQ(NextBarcode(q.Payload + "5", "31313-NEG", q.Step), answers[i]) << q.Payload << " +" << q.Step;
    }
}

}  // namespace
}  // namespace quill
