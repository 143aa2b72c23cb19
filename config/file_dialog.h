#pragma once
// What BrowseForFile asks of the open-file dialog, and the seam through which tests answer.

#include <functional>
#include <optional>
#include <string>

class QWidget;

namespace quelmo {

struct FileDialogRequest {
    QWidget* owner = nullptr;
    std::string nameFilter;    // Qt form: "Config Files (*.DB *.db)"
    std::string defaultSuffix; // "db"
    std::string fileName;      // proposed, without folder
    std::string folder;        // initial folder, OS path
};

// The chosen file as an OS path, or nothing when cancelled.
using FileDialogRunner = std::function<std::optional<std::string>(const FileDialogRequest&)>;
// nullptr returns to the real dialog.
void SetFileDialogForTesting(FileDialogRunner runner);

// "Config Files (*.db)|*.DB" (description|patterns pairs) as Qt name filters, one per pair,
// each pattern also in lower and upper case since names here are case-sensitive.
std::string QtNameFilter(const std::string& filter);

} // namespace quelmo
