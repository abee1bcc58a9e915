#include "compile_messages.h"

#include <regex>
#include <sstream>

namespace d3dcompiler_standin {

namespace {

// glslang's wording for the errors whose Windows numbers are documented.
std::string WithWindowsNumber(const std::string& severity, const std::string& text) {
    static const std::regex kUnknown("^'([^']*)' : unknown variable\\s*$");
    static const std::regex kExpected("^'([^']*)' : Expected\\s*$");
    static const std::regex kInclude("^'#include' : (error X[0-9]+: .*?)( for header name: .*)?$");
    std::smatch match;
    if (std::regex_match(text, match, kUnknown)) {
        return "error X3004: undeclared identifier '" + match[1].str() + "'";
    }
    if (std::regex_match(text, match, kExpected)) {
        return "error X3000: syntax error: " + match[1].str() + " expected";
    }
    if (std::regex_match(text, match, kInclude)) {
        return match[1].str();
    }
    return severity + ": " + text;
}

} // namespace

std::string TranslateGlslangMessages(const std::string& messages, const std::string& mainFile,
                                     const std::string& entryPoint) {
    static const std::regex kWithLine("^(.*?):([0-9]+): (error|warning): (.*)$");
    std::istringstream lines(messages);
    std::string line;
    std::string out;
    while (std::getline(lines, line)) {
        if (line.empty() ||
            line.find("'RootSignature' : unrecognized attribute") != std::string::npos ||
            line.find("HLSL parsing failed") != std::string::npos ||
            line.find("compilation errors.") != std::string::npos) {
            continue;
        }
        if (line.find("Entry point not found") != std::string::npos) {
            out += mainFile + ": error X3501: '" + entryPoint + "': entrypoint not found\n";
            continue;
        }
        std::smatch match;
        if (std::regex_match(line, match, kWithLine)) {
            out += match[1].str() + "(" + match[2].str() +
                   "): " + WithWindowsNumber(match[3].str(), match[4].str()) + "\n";
        } else {
            out += line + "\n";
        }
    }
    return out;
}

std::string LimitErrorLines(const std::string& messages) {
    size_t end = 0;
    for (size_t lines = 0; lines < kMaxErrorLines; ++lines) {
        end = messages.find('\n', end);
        if (end == std::string::npos) {
            return messages;
        }
        ++end;
    }
    if (end >= messages.size()) {
        return messages;
    }
    size_t leftOut = 0;
    for (size_t at = end; at < messages.size(); ++at) {
        leftOut += messages[at] == '\n';
    }
    leftOut += messages.back() != '\n';
    return messages.substr(0, end) + "compilation stopped: " + std::to_string(leftOut) +
           " more error line(s) left out\n";
}

} // namespace d3dcompiler_standin
