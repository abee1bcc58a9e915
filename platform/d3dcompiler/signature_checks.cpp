#include "signature_checks.h"
#include "interpolation_checks.h"
#include "numeric_type_names.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <map>
#include <set>
#include <tuple>
#include <utility>

namespace d3dcompiler_standin {
namespace {

using Tokens = std::vector<HlslToken>;

// One element of the signature: its semantic token and array length.
struct Element {
    const HlslToken* semantic;
    bool output;
    size_t count;
    const HlslToken* type; // its type's name
    size_t modifiers = 0;  // tokens [modifiers, typeAt) are its modifiers
    size_t typeAt = 0;
    int stream = 0; // a geometry shader's output stream, each with a signature of its own
};

// Whether `word` is one of the null-ended `words`: the lists here are a few
// words long, and a table built per compile would cost more than the search.
bool OneOf(const std::string& word, const char* const* words) {
    for (; *words != nullptr; ++words) {
        if (word == *words) {
            return true;
        }
    }
    return false;
}

// Words that may come before a parameter's or member's type.
bool IsModifier(const std::string& word) {
    static const char* const kModifiers[] = {
        "in",        "out",          "inout",           "uniform", "const",  "precise",
        "linear",    "centroid",     "nointerpolation", "sample",  "static", "noperspective",
        "row_major", "column_major", "snorm",           "unorm",   "point",  "line",
        "triangle",  "lineadj",      "triangleadj",     nullptr};
    return OneOf(word, kModifiers);
}

// "TriangleStream<T>", "InputPatch<T, N>": the objects through which a
// geometry, hull or domain shader's elements of T pass.
bool IsElementObject(const std::string& word) {
    static const char* const kObjects[] = {"PointStream", "LineStream",  "TriangleStream",
                                           "InputPatch",  "OutputPatch", nullptr};
    return OneOf(word, kObjects);
}

class SignatureReader {
public:
    explicit SignatureReader(const Tokens& tokens) : tokens_(tokens) {}

    // "[modifiers] type name [N] : SEMANTIC" in [first, last), a structure's
    // members where it names one and has no semantic of its own.
    void Read(size_t first, size_t last, bool input, bool output, int depth) {
        size_t type = first;
        while (type < last && IsModifier(tokens_[type].text)) {
            const std::string& word = tokens_[type].text;
            if (word == "uniform") {
                return; // a constant the program sets, not an element
            }
            input = word == "out" ? false : input;
            output = output || word == "out" || word == "inout";
            ++type;
        }
        size_t count = 1;
        const HlslToken* semantic = nullptr;
        for (size_t at = type + 1; at < last; ++at) {
            if (tokens_[at].text == "[" && at + 1 < last) {
                count = std::max<size_t>(1, std::strtoul(tokens_[at + 1].text.c_str(), nullptr, 0));
            } else if (tokens_[at].text == ":" && IsIdentifier(tokens_, at + 1)) {
                semantic = &tokens_[at + 1];
                break;
            }
        }
        if (semantic != nullptr) {
            Add({semantic, false, count, &tokens_[std::min(type, last - 1)], first, type}, input,
                output);
            return;
        }
        if (type + 2 < last && IsElementObject(tokens_[type].text) &&
            tokens_[type + 1].text == "<") {
            // A stream's elements are written, a patch's read.
            output = tokens_[type].text.find("Stream") != std::string::npos;
            input = !output;
            stream_ += output && streamsSeen_++ > 0;
            type += 2;
        }
        TypeBody body{};
        NumericTypeName numeric;
        if (type < last && depth < 8 && FindStructure(tokens_[type].text, &body)) {
            ReadMembers(body, input, output, depth + 1);
        } else if (type < last && ReadNumericTypeName(tokens_[type].text, &numeric)) {
            unnamedInput_ = unnamedInput_ || (input && !output);
            unnamedOutput_ = unnamedOutput_ || (output && !input);
        }
    }

    // Whether an input (an output) read since the last call has no semantic,
    // itself or in a member of its structure.
    bool TakeUnnamedInput() {
        unnamedOutput_ = false; // fxc's words for an out parameter were not found
        return std::exchange(unnamedInput_, false);
    }
    bool TakeUnnamedOutput() { return std::exchange(unnamedOutput_, false); }

    void ReadMembers(const TypeBody& body, bool input, bool output, int depth) {
        size_t start = body.open + 1;
        for (size_t at = start; at < body.close; ++at) {
            if (tokens_[at].text == "(" || tokens_[at].text == "{") {
                at = ClosingBracket(tokens_, at);
            } else if (tokens_[at].text == ";") {
                Read(start, at, input, output, depth);
                start = at + 1;
            }
        }
    }

    const std::vector<Element>& elements() const { return elements_; }

    // `element` as an input, an output or both.
    void Add(Element element, bool input, bool output) {
        element.stream = stream_;
        if (input) {
            elements_.push_back(element);
        }
        if (output) {
            element.output = true;
            elements_.push_back(element);
        }
    }

private:
    // "struct name { ... }": its body, found by name alone.
    bool FindStructure(const std::string& name, TypeBody* body) const {
        for (size_t at = 0; at + 2 < tokens_.size(); ++at) {
            if (tokens_[at + 1].text == name && tokens_[at].text == "struct" &&
                tokens_[at + 2].text == "{") {
                *body = {at + 2, ClosingBracket(tokens_, at + 2), false};
                return body->close < tokens_.size();
            }
        }
        return false;
    }

    const Tokens& tokens_;
    std::vector<Element> elements_;
    int stream_ = 0;      // the stream whose elements are read now
    int streamsSeen_ = 0; // stream objects met so far
    bool unnamedInput_ = false;
    bool unnamedOutput_ = false;
};

// "SV_Target3" -> "sv_target" and 3.
std::string SplitSemantic(const std::string& semantic, unsigned long* index) {
    size_t digits = semantic.size();
    while (digits > 0 && std::isdigit(uint8_t(semantic[digits - 1]))) {
        --digits;
    }
    *index = digits < semantic.size() ? std::strtoul(semantic.c_str() + digits, nullptr, 10) : 0;
    std::string name = semantic.substr(0, digits);
    for (char& c : name) {
        c = char(std::tolower(uint8_t(c)));
    }
    return name;
}

// The system values of the geometry ('g'), hull ('h') and domain ('d')
// stages, after Microsoft's semantics page: each stage passes the vertex
// values on, and takes in or gives out the values of its own.
bool TessellationOrGeometryValueFits(const std::string& name, char stage, bool output) {
    static const char* const kVertexValues[] = {"sv_position", "sv_clipdistance", "sv_culldistance",
                                                nullptr};
    static const char* const kGeometryIn[] = {"sv_gsinstanceid", "sv_primitiveid", "sv_instanceid",
                                              nullptr};
    static const char* const kGeometryOut[] = {"sv_primitiveid", "sv_rendertargetarrayindex",
                                               "sv_viewportarrayindex", "sv_isfrontface", nullptr};
    static const char* const kHullIn[] = {"sv_outputcontrolpointid", "sv_primitiveid",
                                          "sv_instanceid", nullptr};
    static const char* const kHullOut[] = {"sv_tessfactor", "sv_insidetessfactor", nullptr};
    static const char* const kDomainIn[] = {"sv_domainlocation", "sv_primitiveid", "sv_tessfactor",
                                            "sv_insidetessfactor", nullptr};
    static const char* const kDomainOut[] = {"sv_rendertargetarrayindex", "sv_viewportarrayindex",
                                             nullptr};
    if (OneOf(name, kVertexValues)) {
        return true;
    }
    if (stage == 'g') {
        return OneOf(name, output ? kGeometryOut : kGeometryIn);
    }
    if (stage == 'h') {
        return OneOf(name, output ? kHullOut : kHullIn);
    }
    return OneOf(name, output ? kDomainOut : kDomainIn);
}

// Which system values a stage takes in and gives out, after Microsoft's
// semantics page; names not listed for any stage are judged elsewhere.
bool SystemValueFits(const std::string& name, char stage, bool output) {
    static const char* const kCompute[] = {"sv_dispatchthreadid", "sv_groupid", "sv_groupindex",
                                           "sv_groupthreadid", nullptr};
    static const char* const kVertexIn[] = {"sv_vertexid", "sv_instanceid", "sv_position", nullptr};
    static const char* const kVertexOut[] = {"sv_position",           "sv_clipdistance",
                                             "sv_culldistance",       "sv_rendertargetarrayindex",
                                             "sv_viewportarrayindex", nullptr};
    static const char* const kPixelIn[] = {"sv_position",           "sv_isfrontface",
                                           "sv_sampleindex",        "sv_primitiveid",
                                           "sv_coverage",           "sv_innercoverage",
                                           "sv_clipdistance",       "sv_culldistance",
                                           "sv_instanceid",         "sv_rendertargetarrayindex",
                                           "sv_viewportarrayindex", nullptr};
    static const char* const kPixelOut[] = {
        "sv_target",     "sv_depth", "sv_depthgreaterequal", "sv_depthlessequal", "sv_coverage",
        "sv_stencilref", nullptr};
    if (stage == 'c') {
        return !output && OneOf(name, kCompute);
    }
    if (stage == 'v') {
        return OneOf(name, output ? kVertexOut : kVertexIn);
    }
    if (stage == 'p') {
        return OneOf(name, output ? kPixelOut : kPixelIn);
    }
    return TessellationOrGeometryValueFits(name, stage, output);
}

// Whether a depth output (SV_Depth, SV_DepthGreaterEqual, SV_DepthLessEqual)
// is declared with a numeric type other than a float scalar; a name this
// reader cannot tell (a typedef) is left to the later stages.
bool DepthOfWrongType(const std::string& name, const HlslToken& type) {
    NumericTypeName parsed;
    if (name.rfind("sv_depth", 0) != 0 || !ReadNumericTypeName(type.text, &parsed)) {
        return false;
    }
    const std::string_view base = parsed.base;
    const bool floating =
        base == "float" || base == "half" || base == "min16float" || base == "min10float";
    return !floating || parsed.size > 1 || parsed.columns > 0;
}

// The name a parameter in [first, last) declares: the identifier before its
// dimensions, semantic or default value; `last` when there is none.
size_t ParameterName(const Tokens& tokens, size_t first, size_t last) {
    for (size_t at = first + 1; at < last; ++at) {
        const std::string& text = tokens[at].text;
        if (text == "[" || text == ":" || text == "=") {
            return IsIdentifier(tokens, at - 1) ? at - 1 : last;
        }
    }
    return IsIdentifier(tokens, last - 1) ? last - 1 : last;
}

std::string Profile(const ShaderTarget& target) {
    return std::string(1, target.stage) + "s_" + std::to_string(target.major) + "_" +
           std::to_string(target.minor);
}

} // namespace

void CheckEntrySignature(const Tokens& tokens, const FunctionDefinition& entry,
                         const ShaderTarget& target, std::string* errors) {
    SignatureReader reader(tokens);
    const std::string& function = tokens[entry.name].text;
    for (const auto& [first, last] : Parameters(tokens, entry)) {
        reader.Read(first, last, true, false, 0);
        const size_t name = ParameterName(tokens, first, last);
        if (reader.TakeUnnamedInput() && name < last) {
            *errors += SourceError(tokens[name],
                                   "'" + function + "': input parameter '" + tokens[name].text +
                                       "' missing semantics",
                                   "X3502") +
                       "\n";
        }
    }
    // The return value: "type name(...) : SEMANTIC", or a structure's members.
    const size_t close = ClosingBracket(tokens, entry.parameters);
    if (IsToken(tokens, close + 1, ":") && IsIdentifier(tokens, close + 2)) {
        reader.Add({&tokens[close + 2], true, 1, &tokens[entry.name - 1]}, false, true);
    } else {
        reader.Read(entry.name - 1, entry.name, false, true, 0);
        if (reader.TakeUnnamedOutput()) {
            *errors += SourceError(tokens[entry.name],
                                   "'" + function + "': function return value missing semantics",
                                   "X3503") +
                       "\n";
        }
    }
    std::set<std::tuple<int, std::string, unsigned long>> outputs;
    for (const Element& element : reader.elements()) {
        unsigned long index = 0;
        const std::string name = SplitSemantic(element.semantic->text, &index);
        const char* direction = element.output ? "output" : "input";
        const bool systemValue = name.rfind("sv_", 0) == 0;
        // A pixel shader writes system values only, unless Direct3D 9's
        // semantics are asked for (fxc's /Gec).
        const bool legacyOutput =
            !systemValue && target.stage == 'p' && element.output && !target.legacySemantics;
        if ((systemValue && !SystemValueFits(name, target.stage, element.output)) || legacyOutput) {
            *errors += SourceError(*element.semantic,
                                   "invalid " + Profile(target) + " " + direction + " semantic '" +
                                       element.semantic->text + "'",
                                   "X4502") +
                       "\n";
            continue;
        }
        const std::string interpolation =
            InterpolationModifierError(tokens, element.modifiers, element.typeAt, *element.semantic,
                                       target.stage == 'p' && !element.output);
        if (!interpolation.empty()) {
            *errors += interpolation;
            continue;
        }
        if (element.output && DepthOfWrongType(name, *element.type)) {
            *errors += SourceError(*element.semantic, "output semantic '" + element.semantic->text +
                                                          "' needs a float scalar, not '" +
                                                          element.type->text + "'") +
                       "\n";
            continue;
        }
        for (size_t i = 0; element.output && i < element.count && i < 64; ++i) {
            if (!outputs.insert({element.stream, name, index + i}).second) {
                *errors +=
                    SourceError(*element.semantic, "output semantic '" + element.semantic->text +
                                                       "' is given to more than one output") +
                    "\n";
                break;
            }
        }
    }
}

} // namespace d3dcompiler_standin
