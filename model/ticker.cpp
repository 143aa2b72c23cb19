// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/ticker.h"

#include "platform/wall_alarm.h"

namespace quelmo {

namespace {

class TimerTicker final : public Ticker {
public:
    TimerTicker() : mAlarm(platform::MakeWallAlarm()) {
        mTimer.setObjectName(QStringLiteral("Timer1"));
        mTimer.setSingleShot(true);
        mTimer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&mTimer, &QTimer::timeout, [this] {
            if (onTick)
                onTick();
        });
        mAlarm->onDue = [this] {
            if (onWake)
                onWake();
        };
        mAlarm->onClockSet = [this] {
            if (onClockSet)
                onClockSet();
        };
    }

    void TickIn(int ms) override {
        mAlarm->Disarm();
        mTimer.start(ms);
    }
    void WakeAt(std::int64_t utcMillis) override {
        mTimer.stop();
        mAlarm->ArmAt(utcMillis);
    }
    void Stop() override {
        mTimer.stop();
        mAlarm->Disarm();
    }
    bool TickPending() const override { return mTimer.isActive(); }
    QTimer* Timer() override { return &mTimer; }

private:
    QTimer mTimer;
    std::unique_ptr<platform::WallAlarm> mAlarm;
};

} // namespace

std::unique_ptr<Ticker> MakeTicker() {
    return std::make_unique<TimerTicker>();
}

} // namespace quelmo
