#pragma once
// The engine's pacer: one timer of 1000 ms whose every expiry is one engine
// tick, and the paused flag. Pause and Resume are requests that the engine
// state (TEngineCore) carries out.
#include <QObject>
#include <QTimer>

namespace quill {

class TQuillEngine : public QObject {
    Q_OBJECT
public:
    static constexpr int TickMs = 1000;

    explicit TQuillEngine(QObject* parent = nullptr);

    void StartTimer() { timer_.start(); }
    void StopTimer() { timer_.stop(); }
    bool TimerActive() const { return timer_.isActive(); }
    void SetPaused(bool paused) { paused_ = paused; }
    bool Paused() const { return paused_; }
    // True while no tick may come: the timer is off (also inside a tick) or
    // the engine is paused. Directory notifications are ignored meanwhile.
    bool IsIdleOrPaused() const { return !timer_.isActive() || paused_; }

    void Pause() { emit pauseRequested(); }
    void Resume() { emit resumeRequested(); }

signals:
    void tick();
    void pauseRequested();
    void resumeRequested();

private:
    QTimer timer_;
    bool paused_ = false;
};

}  // namespace quill
