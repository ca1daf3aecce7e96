#include "printing/ShiftClass.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <exception>

#include "core/Logging.h"
#include "core/UGlobals.h"
#include "printing/RawPrinter.h"

namespace quill {

namespace {

constexpr int kCommandUnitsPerPrinterUnit = 3;
// The settings are plain text anyone can edit: movements are bounded (about
// 4.6 m of paper) so that no distance overflows the arithmetic.
constexpr long long kMaxMove = 1'000'000;

// Rounding to the nearest integer with ties to even (the default mode).
int RoundHalfEven(double value) {
    return static_cast<int>(std::clamp(std::nearbyint(value), double(-kMaxMove), double(kMaxMove)));
}

}  // namespace

int MillimetresToPrinterUnits(int mm) { return RoundHalfEven(quill::Settings.DotsPerInch / 25.4 * mm + 0.5); }

int InchUnitsToPrinterUnits(int inch72) {
    return quill::Settings.SpecialPrinterType == 0 ? inch72 : RoundHalfEven(inch72 * 0.8333333333333333);
}

TShiftClass::TShiftClass(int index) : index_(index == 1 ? 1 : 2) { Load(); }

void TShiftClass::Load() {
    LoadShiftSettings(index_);
    shifted_ = false;
    pendingMove_ = 0;
    timer_ = std::make_unique<QTimer>();
    timer_->setObjectName(QStringLiteral("PageShiftTimer%1").arg(index_));
    timer_->setSingleShot(true);
    QObject::connect(timer_.get(), &QTimer::timeout, [this] { PageShiftTimerTimer(); });
}

void TShiftClass::Close() {
    if (!timer_) return;
    if (Settings().UseShift) {
        PullBack();
        SendPendingMove();
        shifted_ = false;
        WriteLabelPosition(index_);
    }
    timer_.reset();
}

void TShiftClass::PullBack() {
    if (!Settings().UsePageShift) return;
    if (timer_) timer_->stop();
    if (shifted_) {
        ActionPageShift(false, MillimetresToPrinterUnits(Settings().ShiftDistanceMM));
        shifted_ = false;
    }
}

void TShiftClass::PrepareForPrint(labelrender::LabelJob& job) {
    const TShiftSettings& s = Settings();
    if (!s.UseShift) return;
    PullBack();
    if (s.Positions > 1 && s.LabelPosition > 0) {
        job.LlPrintSetOption(labelrender::LL_PRNOPT_OFFSET, s.LabelPosition);
        ActionPageShift(false, InchUnitsToPrinterUnits(SheetLengthINCH));
    }
    SendPendingMove();
}

void TShiftClass::AfterPrint() {
    TShiftSettings& s = Settings();
    if (!s.UseShift) return;
    if (s.UsePageShift && timer_) {
        timer_->setInterval(s.ShiftDelaySecs * 1000);
        timer_->start();
    }
    ++s.LabelPosition;
    if (s.LabelPosition == s.Positions) {
        const int rest = InchUnitsToPrinterUnits(SheetLengthINCH) - InchUnitsToPrinterUnits(s.LabelHeightINCH);
        if (rest > 0) ActionPageShift(false, rest);
        if (s.ShiftCorrection != 0) ActionPageShift(true, s.ShiftCorrection, true);
    }
    if (s.LabelPosition >= s.Positions) s.LabelPosition = 0;
}

void TShiftClass::ActionPageShift(bool forward, int amount, bool correction) {
    if (!Settings().UseShift) return;
    long long units = amount;
    if (correction) {
        forward = units >= 0;
        units = std::llabs(units);
    }
    if (units <= 0) return;
    if (!correction) units *= kCommandUnitsPerPrinterUnit;
    pendingMove_ = static_cast<int>(std::clamp(pendingMove_ + (forward ? units : -units), -kMaxMove, kMaxMove));
}

void TShiftClass::SendPendingMove() {
    const int move = pendingMove_;
    pendingMove_ = 0;
    if (!Settings().UseShift || move == 0) return;
    try {
        RawDataToPrinter(Settings().ShiftPort, move > 0 ? 'J' : 'j', std::abs(move));
    } catch (const std::exception&) {
        AddLog("Exception: ActionPageShift failed.");
    }
}

void TShiftClass::PageShiftTimerTimer() {
    ActionPageShift(true, MillimetresToPrinterUnits(Settings().ShiftDistanceMM));
    SendPendingMove();
    shifted_ = true;
    if (timer_) timer_->stop();
}

}  // namespace quill
