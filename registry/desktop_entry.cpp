#include "registry/desktop_entry.h"

#include <sstream>

namespace quelmo {

namespace {

// The string escapes of desktop entries: \s \n \t \r \\.
std::string EscapeString(const std::string& text) {
    std::string out;
    for (char c : text) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\r':
            out += "\\r";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string UnescapeString(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        const char next = text[++i];
        switch (next) {
        case 's':
            out += ' ';
            break;
        case 'n':
            out += '\n';
            break;
        case 't':
            out += '\t';
            break;
        case 'r':
            out += '\r';
            break;
        case '\\':
            out += '\\';
            break;
        default:
            out += '\\';
            out += next;
        }
    }
    return out;
}

std::string Trim(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t\r") + 1 - first);
}

} // namespace

std::string ExecValueFor(const std::string& program) {
    std::string quoted = "\"";
    for (char c : program) {
        if (c == '"' || c == '`' || c == '$' || c == '\\')
            quoted += '\\';
        if (c == '%')
            quoted += '%';
        quoted += c;
    }
    quoted += '"';
    return EscapeString(quoted);
}

std::string ProgramOfExec(const std::string& execValue) {
    const std::string line = UnescapeString(execValue);
    std::size_t i = line.find_first_not_of(' ');
    if (i == std::string::npos)
        return {};
    std::string program;
    const bool quoted = line[i] == '"';
    if (quoted)
        ++i;
    for (; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted && c == '"')
            break;
        if (!quoted && c == ' ')
            break;
        if (quoted && c == '\\' && i + 1 < line.size()) {
            program += line[++i];
            continue;
        }
        if (c == '%' && i + 1 < line.size() && line[i + 1] == '%')
            ++i;
        program += c;
    }
    return program;
}

DesktopEntryFields ParseDesktopEntry(const std::string& text) {
    DesktopEntryFields fields;
    std::istringstream in(text);
    bool inMainGroup = false;
    for (std::string line; std::getline(in, line);) {
        line = Trim(line);
        if (line.empty() || line[0] == '#')
            continue;
        if (line[0] == '[') {
            inMainGroup = line == "[Desktop Entry]";
            continue;
        }
        const auto equals = line.find('=');
        if (!inMainGroup || equals == std::string::npos)
            continue;
        const std::string key = Trim(line.substr(0, equals));
        const std::string value = Trim(line.substr(equals + 1));
        if (key == "Exec") {
            fields.hasExec = true;
            fields.exec = value;
        } else if (key == "Hidden") {
            fields.hidden = value == "true";
        }
    }
    return fields;
}

std::string AutostartEntryText(const std::string& program) {
    return "[Desktop Entry]\nType=Application\nName=Quelmo\nExec=" + ExecValueFor(program) +
           "\nTerminal=false\n";
}

std::string HiddenEntryText() {
    return "[Desktop Entry]\nType=Application\nName=Quelmo\nHidden=true\n";
}

} // namespace quelmo
