#include "tests/support/form_fixture.h"

#include "http/winhttp.h"

#include <QCoreApplication>
#include <QTimer>

namespace quelmo::test {

void FormTest::StartAt(int year, int month, int day, int hour, int minute, int second) {
    clock.SetLocal(year, month, day, hour, minute, second);
    Start();
}

void FormTest::Start() {
    Stop();
    // A model ended before leaves the application told to exit, and a fetch's wait gives up at
    // once while it is: a pass through the main loop clears that.
    QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
    SetProductWebHost(webHost);
    if (ownTicks) {
        model = std::make_unique<Model>(std::make_unique<FakeTicker>(ticker));
        driver.emplace(ticker, clock);
    } else {
        model = std::make_unique<Model>();
    }
    form = std::make_unique<TForm1>(*model);
    if (!ownTicks)
        form->DetachTick();
}

void FormTest::Tick(int count) {
    for (int i = 0; i < count; ++i) {
        clock.Advance(1);
        form->Timer1Timer();
    }
}

void FormTest::Stop() {
    form.reset();
    model.reset();
    driver.reset();
}

void FormTest::TearDown() {
    Stop();
}

} // namespace quelmo::test
