#include "glslang_macro_names.h"

#include "identifier_chars.h"

#include <map>

namespace d3dcompiler_standin {
namespace {

// Adds each whole name of `text` that starts with `prefix` (or is `prefix`
// where `whole`).
void NoteNames(const std::string& text, const std::string& prefix, bool whole,
               std::set<std::string>* names) {
    for (size_t at = text.find(prefix); at != std::string::npos;
         at = text.find(prefix, at + prefix.size())) {
        if (at > 0 && IsIdentifierPart(text[at - 1])) {
            continue;
        }
        size_t end = at + prefix.size();
        while (end < text.size() && IsIdentifierPart(text[end])) {
            ++end;
        }
        if (!whole || end == at + prefix.size()) {
            names->insert(text.substr(at, end - at));
        }
    }
}

} // namespace

bool IsGlslangMacroName(const std::string& name) {
    return name == "VULKAN" || name.compare(0, 3, "GL_") == 0;
}

void NoteGlslangMacroNames(const std::string& text, std::set<std::string>* names) {
    NoteNames(text, "VULKAN", true, names);
    NoteNames(text, "GL_", false, names);
}

std::string UndefineGlslangMacros(const std::set<std::string>& names,
                                  const D3D_SHADER_MACRO* defines) {
    std::map<std::string, std::string> defined; // the last definition of a name wins
    for (const D3D_SHADER_MACRO* macro = defines; macro != nullptr && macro->Name != nullptr;
         ++macro) {
        if (IsGlslangMacroName(macro->Name)) {
            defined[macro->Name] = macro->Definition != nullptr ? macro->Definition : "1";
        }
    }
    std::string lines;
    for (const std::string& name : names) {
        lines += defined.count(name) ? "" : "#undef " + name + "\n";
    }
    for (const auto& [name, value] : defined) {
        lines += "#undef " + name + "\n#define " + name + " " + value + "\n";
    }
    return lines;
}

} // namespace d3dcompiler_standin
