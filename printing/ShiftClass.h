#pragma once
// The printer shift controller: moves continuous label stock in a matrix
// printer with raw paper-feed commands. A while after the last print it
// feeds the paper out by ShiftDistanceMM; before the next print it pulls it
// back; on stock with several labels side by side it lets successive jobs
// use the positions of one sheet in turn. Its settings live in the core
// (ShiftSettingsOf(index)); it adds the run-time state and the timer.
#include <QTimer>

#include <memory>

#include "core/ShiftSettings.h"
#include "labelrender/LabelJob.h"

namespace quill {

class TShiftClass {
public:
    // Loads the settings of printer `index` (1 or 2); the timer is off.
    explicit TShiftClass(int index);
    TShiftClass(const TShiftClass&) = delete;
    TShiftClass& operator=(const TShiftClass&) = delete;

    int Index() const { return index_; }
    TShiftSettings& Settings() const { return ShiftSettingsOf(index_); }

    void Load();
    // Pulls the paper back, sends what is pending, stores LabelPosition and
    // frees the timer. Nothing happens after it.
    void Close();

    // Before the first label of a printed job: pulls fed-out paper back and
    // starts the job at the sheet's next position.
    void PrepareForPrint(labelrender::LabelJob& job);
    // After a printed job: starts the page-shift timer and queues the move
    // to the next sheet when this one is full.
    void AfterPrint();

    // Adds a movement to the pending move: `amount` in printer units, or,
    // with `correction`, a signed amount in command units.
    void ActionPageShift(bool forward, int amount, bool correction = false);
    void SendPendingMove();
    // The page-shift timer's expiry: feeds the paper out.
    void PageShiftTimerTimer();

    int PendingMove() const { return pendingMove_; }
    bool Shifted() const { return shifted_; }
    const QTimer* PageShiftTimer() const { return timer_.get(); }

private:
    void PullBack();

    int index_;
    bool shifted_ = false;
    int pendingMove_ = 0;   // command units, positive forward
    std::unique_ptr<QTimer> timer_;
};

// Printer units (72 or 60 per inch, from SpecialPrinterType) of a length in
// millimetres and of one in 1/72 inch.
int MillimetresToPrinterUnits(int mm);
int InchUnitsToPrinterUnits(int inch72);

}  // namespace quill
