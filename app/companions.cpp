#include "app/companions.h"

#include <vector>

namespace quelmo {

namespace {
std::vector<CompanionFactory>& Factories() {
    static std::vector<CompanionFactory> factories;
    return factories;
}
} // namespace

void AddCompanion(CompanionFactory factory) {
    Factories().push_back(std::move(factory));
}

void ClearCompanions() {
    Factories().clear();
}

std::vector<std::unique_ptr<QObject>> MakeCompanions(TForm1& form) {
    std::vector<std::unique_ptr<QObject>> made;
    for (const CompanionFactory& factory : Factories())
        if (auto companion = factory(form))
            made.push_back(std::move(companion));
    return made;
}

} // namespace quelmo
