#include "stage_shape_checks.h"
#include "constant_expressions.h"
#include "numeric_type_names.h"
#include "stage_attribute_checks.h"

#include <optional>
#include <string_view>
#include <strings.h>

namespace d3dcompiler_standin {
namespace {

using Tokens = std::vector<HlslToken>;

// A tessellator attribute and the values Microsoft's hull shader design page
// lists for it.
struct TessellatorAttribute {
    const char* name;
    const char* values[4];
};

constexpr TessellatorAttribute kDomain = {"domain", {"tri", "quad", "isoline", nullptr}};
constexpr TessellatorAttribute kHullAttributes[] = {
    kDomain,
    {"partitioning", {"integer", "fractional_even", "fractional_odd", "pow2"}},
    {"outputtopology", {"point", "line", "triangle_cw", "triangle_ccw"}},
};

std::string Line(const HlslToken& at, const std::string& message, const char* code = "") {
    return SourceError(at, message, code) + "\n";
}

std::string StageName(char stage) {
    return stage == 'h' ? "hull" : "domain";
}

void CheckTessellatorAttribute(const Tokens& tokens, const FunctionDefinition& entry, char stage,
                               const TessellatorAttribute& attribute, std::string* errors) {
    const HlslToken& entryName = tokens[entry.name];
    const size_t at = FindEntryAttribute(tokens, entry, attribute.name);
    if (at == 0) {
        *errors += Line(entryName, "'" + entryName.text + "': " + StageName(stage) +
                                       " shader must have a " + attribute.name + " attribute");
        return;
    }
    if (!IsToken(tokens, at + 1, "(") || at + 2 >= tokens.size() ||
        tokens[at + 2].kind != HlslToken::Kind::String) {
        return; // the argument's form is judged with the other attributes'
    }
    const std::string value = StringLiteralValue(tokens[at + 2].text);
    std::string known;
    for (const char* allowed : attribute.values) {
        if (allowed == nullptr) {
            break;
        }
        if (strcasecmp(value.c_str(), allowed) == 0) {
            return;
        }
        known += (known.empty() ? "" : ", ") + std::string(allowed);
    }
    *errors += Line(tokens[at + 2],
                    "'" + value + "' is not a valid " + attribute.name + " (one of " + known + ")");
}

void CheckTessellatorAttributes(const Tokens& tokens, const FunctionDefinition& entry, char stage,
                                std::string* errors) {
    if (stage == 'd') {
        CheckTessellatorAttribute(tokens, entry, stage, kDomain, errors);
        return;
    }
    for (const TessellatorAttribute& attribute : kHullAttributes) {
        CheckTessellatorAttribute(tokens, entry, stage, attribute, errors);
    }
    if (FindEntryAttribute(tokens, entry, "outputcontrolpoints") == 0) {
        const HlslToken& entryName = tokens[entry.name];
        *errors += Line(entryName, "'" + entryName.text +
                                       "': hull shader must have an outputcontrolpoints attribute");
    }
}

// The vertices of each of a geometry shader's input primitive types; 0 for
// another word.
int VerticesOfPrimitive(const std::string& word) {
    static constexpr std::pair<const char*, int> kPrimitives[] = {
        {"point", 1}, {"line", 2}, {"triangle", 3}, {"lineadj", 4}, {"triangleadj", 6}};
    for (const auto& [name, vertices] : kPrimitives) {
        if (word == name) {
            return vertices;
        }
    }
    return 0;
}

bool IsStreamType(const Tokens& tokens, size_t at) {
    const std::string& text = tokens[at].text;
    return (text == "PointStream" || text == "LineStream" || text == "TriangleStream") &&
           IsToken(tokens, at + 1, "<");
}

// A member of the structure `type` with the semantic SV_GSInstanceID, which
// fxc takes only as a parameter of its own; tokens.size() where none has.
size_t InstanceIdMember(const Tokens& tokens, const std::string& type) {
    for (const TypeBody& body : FindTypeBodies(tokens)) {
        if (body.buffer || body.open < 1 || tokens[body.open - 1].text != type) {
            continue;
        }
        for (size_t at = body.open + 1; at + 1 < body.close; ++at) {
            if (tokens[at].text == ":" &&
                strcasecmp(tokens[at + 1].text.c_str(), "SV_GSInstanceID") == 0) {
                return at + 1;
            }
        }
    }
    return tokens.size();
}

// An input array of the geometry shader's entry point: its primitive type
// (`point VSOut input[1]`), the vertex count it asks for, and what the
// vertices may hold.
void CheckPrimitiveInput(const Tokens& tokens, const FunctionDefinition& entry, size_t begin,
                         size_t open, std::string* errors) {
    const HlslToken& entryName = tokens[entry.name];
    const size_t name = open - 1;
    int vertices = 0;
    std::string primitive;
    for (size_t at = begin; at < name; ++at) {
        if (const int count = VerticesOfPrimitive(tokens[at].text)) {
            vertices = count;
            primitive = tokens[at].text;
        }
    }
    const std::string parameter =
        "'" + entryName.text + "': input parameter '" + tokens[name].text + "'";
    if (vertices == 0) {
        *errors += Line(tokens[name], parameter + " must have a geometry specifier", "X3514");
        return;
    }
    const std::optional<int64_t> size =
        EvaluateIntegerConstant(tokens, open + 1, ClosingBracket(tokens, open));
    if (size && *size != vertices) {
        *errors += Line(tokens[name], parameter + " of primitive type " + primitive +
                                          " must be an array of " + std::to_string(vertices) +
                                          " vertices");
    }
    const size_t member = InstanceIdMember(tokens, tokens[name - 1].text);
    if (member < tokens.size()) {
        *errors += Line(tokens[member],
                        tokens[member].text + " is an invalid input semantic for geometry shader "
                                              "primitives, it must be its own parameter.",
                        "X3514");
    }
}

// Up to four output streams (dcl_stream m0 to m3), only PointStreams where
// there are several (Microsoft's "How To: Index Multiple Output Streams").
void CheckStreams(const Tokens& tokens, const FunctionDefinition& entry,
                  const std::vector<size_t>& streams, std::string* errors) {
    const HlslToken& entryName = tokens[entry.name];
    if (streams.size() > 4) {
        *errors += Line(tokens[streams[4]],
                        "'" + entryName.text + "': a geometry shader writes at most 4 streams");
        return;
    }
    for (size_t i = 0; streams.size() > 1 && i < streams.size(); ++i) {
        if (tokens[streams[i]].text != "PointStream") {
            *errors += Line(tokens[streams[i]],
                            "'" + entryName.text +
                                "': a geometry shader writing several streams must make each "
                                "a PointStream");
            return;
        }
    }
}

void CheckGeometryShape(const Tokens& tokens, const FunctionDefinition& entry,
                        std::string* errors) {
    std::vector<size_t> streams;
    for (const auto& [begin, end] : Parameters(tokens, entry)) {
        size_t stream = end;
        size_t open = end;
        for (size_t at = begin; at < end && tokens[at].text != ":"; ++at) {
            stream = stream == end && IsStreamType(tokens, at) ? at : stream;
            open = open == end && tokens[at].text == "[" && at >= begin + 2 &&
                           IsIdentifier(tokens, at - 1)
                       ? at
                       : open;
        }
        if (stream != end) {
            streams.push_back(stream);
        } else if (open != end) {
            CheckPrimitiveInput(tokens, entry, begin, open, errors);
        }
    }
    CheckStreams(tokens, entry, streams, errors);
}

// The thread-group values of a compute shader's entry point take integers
// (fxc's words for a float one as a Unity issue quotes them for
// SV_VertexID), and SV_GroupIndex, the flattened index, one of them.
void CheckThreadValues(const Tokens& tokens, const FunctionDefinition& entry, std::string* errors) {
    static constexpr const char* kThreadValues[] = {"SV_DispatchThreadID", "SV_GroupID",
                                                    "SV_GroupThreadID", "SV_GroupIndex"};
    for (const auto& [begin, end] : Parameters(tokens, entry)) {
        size_t colon = begin;
        while (colon < end && tokens[colon].text != ":") {
            ++colon;
        }
        if (colon + 1 >= end || colon < begin + 2) {
            continue;
        }
        const HlslToken& semantic = tokens[colon + 1];
        NumericTypeName type;
        if (!ReadNumericTypeName(tokens[colon - 2].text, &type)) {
            continue;
        }
        for (const char* value : kThreadValues) {
            if (strcasecmp(semantic.text.c_str(), value) != 0) {
                continue;
            }
            const bool integral =
                type.base.find("int") != std::string_view::npos && type.columns == 0;
            if (!integral) {
                *errors += Line(semantic, "invalid type used for '" + semantic.text +
                                              "' input semantics, must be integral");
            } else if (std::string_view(value) == "SV_GroupIndex" && type.size > 1) {
                *errors +=
                    Line(semantic, "'" + tokens[entry.name].text + "': " + semantic.text +
                                       " is a uint scalar, not '" + tokens[colon - 2].text + "'");
            }
        }
    }
}

} // namespace

void CheckStageShapes(const Tokens& tokens, const FunctionDefinition& entry, char stage,
                      std::string* errors) {
    if (stage == 'h' || stage == 'd') {
        CheckTessellatorAttributes(tokens, entry, stage, errors);
    } else if (stage == 'g') {
        CheckGeometryShape(tokens, entry, errors);
    } else if (stage == 'c') {
        CheckThreadValues(tokens, entry, errors);
    }
}

} // namespace d3dcompiler_standin
