// The open-file dialog that picks a configuration file.
#include "config/file_dialog.h"
#include "config/paths.h"

#include <QFile>
#include <QFileDialog>

#include <algorithm>
#include <vector>

namespace quelmo {

namespace {

FileDialogRunner& TestRunner() {
    static FileDialogRunner runner;
    return runner;
}

std::optional<std::string> RunQtDialog(const FileDialogRequest& request) {
    QFileDialog dialog(request.owner);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setNameFilters(QString::fromUtf8(request.nameFilter).split(QStringLiteral(";;")));
    dialog.setDefaultSuffix(QString::fromLatin1(request.defaultSuffix));
    dialog.setDirectory(QFile::decodeName(QByteArray::fromStdString(request.folder)));
    dialog.selectFile(QFile::decodeName(QByteArray::fromStdString(request.fileName)));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return QFile::encodeName(dialog.selectedFiles().first()).toStdString();
}

std::vector<std::string> SplitAt(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        const auto end = text.find(separator, start);
        parts.push_back(text.substr(start, end - start));
        if (end == std::string::npos)
            return parts;
        start = end + 1;
    }
}

std::string InCase(std::string text, bool upper) {
    for (char& c : text) {
        if (upper && c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
        if (!upper && c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}

} // namespace

void SetFileDialogForTesting(FileDialogRunner runner) {
    TestRunner() = std::move(runner);
}

std::string QtNameFilter(const std::string& filter) {
    const std::vector<std::string> parts = SplitAt(filter, '|');
    std::string out;
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
        std::string description = parts[i];
        // The description's own "(*.db)" gives way to the full pattern list.
        const auto open = description.rfind('(');
        if (open != std::string::npos && description.back() == ')')
            description.erase(open);
        while (!description.empty() && description.back() == ' ')
            description.pop_back();
        std::vector<std::string> patterns;
        for (const std::string& pattern : SplitAt(parts[i + 1], ';'))
            for (const std::string& variant :
                 {pattern, InCase(pattern, false), InCase(pattern, true)})
                if (!variant.empty() &&
                    std::find(patterns.begin(), patterns.end(), variant) == patterns.end())
                    patterns.push_back(variant);
        std::string list;
        for (const std::string& pattern : patterns)
            list += (list.empty() ? "" : " ") + pattern;
        if (!out.empty())
            out += ";;";
        out += description + " (" + list + ")";
    }
    return out;
}

std::string BrowseForFile(QWidget* owner, const std::string& fallbackFolder,
                          const std::string& currentName, const std::string& filter,
                          const std::string& defaultExtension) {
    // A picture-preview variant for "graphic" filters has no counterpart in this dialog.
    const std::string current = ToBackslashes(currentName);
    FileDialogRequest request;
    request.owner = owner;
    request.nameFilter = QtNameFilter(filter);
    request.defaultSuffix = defaultExtension;
    request.fileName = FileNameOf(current);
    std::string folder = current.empty() ? std::string() : FolderOf(MakeAbsolute(current));
    if (folder.empty())
        folder = MakeAbsolute(fallbackFolder);
    request.folder = OsPath(folder);
    const std::optional<std::string> chosen =
        TestRunner() ? TestRunner()(request) : RunQtDialog(request);
    return chosen ? ToBackslashes(*chosen) : MakeAbsolute(current);
}

} // namespace quelmo
