#include "tests/support/form_fixture.h"

#include "http/winhttp.h"

namespace quelmo::test {

void FormTest::StartAt(int year, int month, int day, int hour, int minute, int second) {
    clock.SetLocal(year, month, day, hour, minute, second);
    Start();
}

void FormTest::Start() {
    SetProductWebHost(webHost);
    form = std::make_unique<TForm1>();
    form->DetachTick();
}

void FormTest::Tick(int count) {
    for (int i = 0; i < count; ++i) {
        clock.Advance(1);
        form->Timer1Timer();
    }
}

void FormTest::TearDown() {
    form.reset();
}

} // namespace quelmo::test
