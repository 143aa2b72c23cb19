#pragma once
// Parts that live beside the window without being part of it (the control interface, the
// desktop notification). The program registers them before the window is built; the window
// makes each once it runs and destroys them before itself.

#include <QObject>

#include <functional>
#include <memory>

namespace quelmo {

class TForm1;

using CompanionFactory = std::function<std::unique_ptr<QObject>(TForm1& form)>;

void AddCompanion(CompanionFactory factory);
// Forgets every registered factory (tests).
void ClearCompanions();
// One of each registered kind, for `form`.
std::vector<std::unique_ptr<QObject>> MakeCompanions(TForm1& form);

} // namespace quelmo
