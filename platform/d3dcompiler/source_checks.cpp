#include "source_checks.h"
#include "legacy_sampling_checks.h"
#include "aggregate_operand_checks.h"
#include "conditional_checks.h"
#include "structure_overload_checks.h"
#include "attribute_checks.h"
#include "bitwise_operand_checks.h"
#include "initialiser_count_checks.h"
#include "constant_operand_checks.h"
#include "declaration_checks.h"
#include "initialisation_checks.h"
#include "missing_semicolon_checks.h"
#include "nested_function_checks.h"
#include "numeric_type_names.h"
#include "literal_overload_checks.h"
#include "macro_calls.h"
#include "overload_checks.h"
#include "packoffset_checks.h"
#include "parameter_checks.h"
#include "register_checks.h"
#include "resource_access_checks.h"
#include "pixel_uav_slot_checks.h"
#include "resource_call_checks.h"
#include "resource_declarations.h"
#include "resource_literal_checks.h"
#include "resource_method_checks.h"
#include "statement_checks.h"
#include "swizzle_name_checks.h"
#include "statement_syntax_checks.h"
#include "swizzle_write_checks.h"
#include "jump_checks.h"
#include "switch_checks.h"
#include "unroll_checks.h"
#include "unsigned_types.h"

#include <register_bindings.h>

#include <cctype>
#include <cstdlib>
#include <set>
#include <strings.h>

namespace d3dcompiler_standin {
namespace {

using dxbc::kRegistersPerClass;

bool IsPunctuation(const HlslToken& token, char c) {
    return token.kind == HlslToken::Kind::Punctuation && token.text[0] == c;
}

bool IsNextPunctuation(const std::vector<HlslToken>& tokens, size_t at, char c) {
    return at + 1 < tokens.size() && IsPunctuation(tokens[at + 1], c);
}

void Report(std::string* errors, const HlslToken& at, const std::string& message) {
    *errors += SourceError(at, message) + "\n";
}

// Shader model 5.0 slots per stage: 14 constant buffers, 128 shader resources,
// 16 samplers. True when `number` is past its class's slots (and reported).
bool CheckModelFiveSlot(char letter, unsigned long number, const HlslToken& at,
                        std::string* errors) {
    const std::string slot = std::to_string(number);
    if (letter == 'b' && number >= 14) {
        *errors += SourceError(at,
                               "maximum cbuffer exceeded. target has 14 slots, manual bind to "
                               "slot " +
                                   slot + " failed",
                               "X4567") +
                   "\n";
        return true;
    }
    if ((letter == 't' && number >= 128) || (letter == 's' && number >= 16)) {
        const char* kind = letter == 't' ? "texture" : "sampler";
        Report(errors, at,
               std::string("maximum ") + kind + " register index exceeded, target has " +
                   (letter == 't' ? "128" : "16") + " slots, manual bind to slot " + slot +
                   " failed");
        return true;
    }
    return false;
}

// The UAV slots of the target: 64 at shader model 5.0 (Direct3D 11.1's
// D3D11_1_UAV_SLOT_COUNT), one in cs_4_0 and cs_4_1; 0 where not counted.
unsigned long UavSlots(const ShaderTarget& target) {
    if (target.major == 5 && target.minor == 0) {
        return 64;
    }
    return target.major == 4 && target.stage == 'c' ? 1 : 0;
}

// register(b3), register(t0, space1): binding range, and spaces before 5.1.
void CheckRegister(const std::vector<HlslToken>& tokens, size_t at, const ShaderTarget& target,
                   std::string* errors) {
    for (size_t i = at + 2; i < tokens.size() && !IsPunctuation(tokens[i], ')'); ++i) {
        const HlslToken& part = tokens[i];
        if (part.kind != HlslToken::Kind::Identifier || part.text.size() < 2) {
            continue;
        }
        const bool space = part.text.rfind("space", 0) == 0;
        const std::string digits = part.text.substr(space ? 5 : 1);
        if (digits.empty() || digits.find_first_not_of("0123456789") != std::string::npos) {
            continue;
        }
        unsigned long number = std::strtoul(digits.c_str(), nullptr, 10);
        if (space) {
            if (number != 0 && target.major == 5 && target.minor == 0) {
                Report(errors, part,
                       "register spaces need shader model 5.1 or later ('" + part.text + "')");
            }
            continue;
        }
        char letter = char(std::tolower(uint8_t(part.text[0])));
        const unsigned long uavSlots = UavSlots(target);
        if (letter == 'u' && uavSlots > 0 && number >= uavSlots) {
            *errors += SourceError(part,
                                   "maximum UAV register index exceeded, target has " +
                                       std::to_string(uavSlots) + " slots, manual bind to slot u" +
                                       digits + " failed",
                                   "X4509") +
                       "\n";
            continue;
        }
        if (target.major == 5 && target.minor == 0 &&
            CheckModelFiveSlot(letter, number, part, errors)) {
            continue;
        }
        if ((letter == 'b' || letter == 't' || letter == 's' || letter == 'u') &&
            number >= kRegistersPerClass) {
            Report(errors, part, "register " + part.text + " is out of range (registers 0 to 255)");
        }
    }
}

const std::set<std::string> kShaderModelSixIntrinsics = {
    "WaveIsFirstLane",     "WaveGetLaneCount",  "WaveGetLaneIndex",
    "WaveActiveAnyTrue",   "WaveActiveAllTrue", "WaveActiveBallot",
    "WaveReadLaneAt",      "WaveReadLaneFirst", "WaveActiveAllEqual",
    "WaveActiveCountBits", "WaveActiveSum",     "WaveActiveProduct",
    "WaveActiveBitAnd",    "WaveActiveBitOr",   "WaveActiveBitXor",
    "WaveActiveMin",       "WaveActiveMax",     "WavePrefixCountBits",
    "WavePrefixSum",       "WavePrefixProduct", "WaveMatch",
    "QuadReadAcrossX",     "QuadReadAcrossY",   "QuadReadAcrossDiagonal",
    "QuadReadLaneAt",      "QuadAny",           "QuadAll",
};

void CheckShaderModelFive(const std::vector<HlslToken>& tokens, size_t at,
                          const ShaderTarget& target, std::string* errors) {
    const HlslToken& token = tokens[at];
    const std::string model = std::to_string(target.major) + "_" + std::to_string(target.minor);
    if (IsPunctuation(token, '[') && IsNextPunctuation(tokens, at, '[')) {
        Report(errors, token, "'[[' attributes are not supported by shader model " + model);
        return;
    }
    if (token.kind != HlslToken::Kind::Identifier) {
        return;
    }
    if (IsSixteenOrSixtyFourBitTypeName(token.text)) {
        Report(errors, token, "type '" + token.text + "' needs shader model 6.0 or later");
    } else if (token.text == "template") {
        // A reserved word before shader model 6 (Microsoft's "Reserved Words").
        *errors += SourceError(token, "syntax error: unexpected token 'template'", "X3000") + "\n";
    } else if (kShaderModelSixIntrinsics.count(token.text) && IsNextPunctuation(tokens, at, '(')) {
        Report(errors, token, "intrinsic '" + token.text + "' needs shader model 6.0 or later");
    } else if (token.text == "ConstantBuffer" && target.minor == 0 &&
               IsNextPunctuation(tokens, at, '<')) {
        Report(errors, token, "ConstantBuffer<T> needs shader model 5.1 or later");
    }
}

// The system values shader model 5 knows (semantics are not case-sensitive).
bool IsKnownSystemValue(std::string name) {
    static const std::set<std::string> kKnown = {"sv_position",
                                                 "sv_target",
                                                 "sv_depth",
                                                 "sv_depthgreaterequal",
                                                 "sv_depthlessequal",
                                                 "sv_coverage",
                                                 "sv_instanceid",
                                                 "sv_vertexid",
                                                 "sv_primitiveid",
                                                 "sv_isfrontface",
                                                 "sv_sampleindex",
                                                 "sv_clipdistance",
                                                 "sv_culldistance",
                                                 "sv_rendertargetarrayindex",
                                                 "sv_viewportarrayindex",
                                                 "sv_dispatchthreadid",
                                                 "sv_groupid",
                                                 "sv_groupindex",
                                                 "sv_groupthreadid",
                                                 "sv_domainlocation",
                                                 "sv_insidetessfactor",
                                                 "sv_outputcontrolpointid",
                                                 "sv_tessfactor",
                                                 "sv_gsinstanceid",
                                                 "sv_stencilref",
                                                 "sv_innercoverage"};
    for (char& c : name) {
        c = char(std::tolower(uint8_t(c)));
    }
    while (!name.empty() && std::isdigit(uint8_t(name.back()))) {
        name.pop_back();
    }
    return kKnown.count(name) != 0;
}

// "SV_Target8": a pixel shader writes eight targets, SV_Target0 to SV_Target7.
bool IsTargetPastTheLast(const std::string& name) {
    if (name.size() <= 9 || strncasecmp(name.c_str(), "SV_Target", 9) != 0) {
        return false;
    }
    const std::string index = name.substr(9);
    return index.find_first_not_of("0123456789") == std::string::npos &&
           std::strtoul(index.c_str(), nullptr, 10) > 7;
}

// ": SV_Positon" names a system value the compiler does not know.
void CheckSemantic(const std::vector<HlslToken>& tokens, size_t at, const ShaderTarget& target,
                   std::string* errors) {
    if (!IsPunctuation(tokens[at], ':') || at + 1 >= tokens.size()) {
        return;
    }
    const HlslToken& name = tokens[at + 1];
    if (name.kind != HlslToken::Kind::Identifier || name.text.size() < 3 ||
        strncasecmp(name.text.c_str(), "SV_", 3) != 0 ||
        (IsKnownSystemValue(name.text) && !IsTargetPastTheLast(name.text))) {
        return;
    }
    const std::string profile = (std::string(1, target.stage) + "s_") +
                                std::to_string(target.major) + "_" + std::to_string(target.minor);
    *errors +=
        SourceError(name, "invalid " + profile + " semantic '" + name.text + "'", "X4502") + "\n";
}

} // namespace

bool CheckSource(const std::vector<HlslToken>& tokens, const ShaderTarget& target,
                 std::string* errors) {
    errors->clear();
    if (!CheckEmptyMacroArguments(tokens, errors)) {
        return false; // Windows' preprocessor stops there
    }
    for (size_t at = 0; at < tokens.size(); ++at) {
        const HlslToken& token = tokens[at];
        if (token.kind == HlslToken::Kind::Identifier && token.text == "register" &&
            IsNextPunctuation(tokens, at, '(')) {
            CheckRegister(tokens, at, target, errors);
        }
        if (target.major == 5) {
            CheckShaderModelFive(tokens, at, target, errors);
            CheckSemantic(tokens, at, target, errors);
        }
    }
    CheckRegisterBindings(tokens, errors);
    CheckPackOffsets(tokens, errors);
    CheckDeclarations(tokens, target, errors);
    if (!CheckNestedFunctions(tokens, errors) || !CheckDeclarationsRunOn(tokens, errors) ||
        !CheckStatementSyntax(tokens, errors)) {
        return false; // Windows' parser stops there; what follows is misread
    }
    CheckStatements(tokens, errors);
    CheckRepeatedSwizzleWrites(tokens, errors);
    CheckAggregateOperands(tokens, errors);
    CheckConditionalDimensions(tokens, errors);
    CheckSwitchFallThrough(tokens, errors);
    CheckLoopJumps(tokens, errors);
    CheckAttributeArguments(tokens, errors);
    CheckParameters(tokens, errors);
    CheckLegacySamplingCalls(tokens, errors);
    if (DeclaresObjects(tokens)) {
        CheckResourceLoads(tokens, errors);
        CheckResourceAccess(tokens, errors);
        CheckResourceCalls(tokens, errors);
        CheckResourceLiterals(tokens, errors);
        CheckPixelUavSlots(tokens, target, errors);
    }
    CheckUnsignedTypes(tokens, errors);
    CheckUnrolledLoopBounds(tokens, errors);
    CheckNeverWrittenLocals(tokens, errors);
    CheckOverloadedCalls(tokens, errors);
    CheckStructureOverloads(tokens, errors);
    CheckLiteralFloatOverloads(tokens, errors);
    CheckConstantOperands(tokens, errors);
    CheckBitwiseOperands(tokens, errors);
    CheckInitialiserCounts(tokens, errors);
    CheckSwizzleNames(tokens, errors);
    return errors->empty();
}

} // namespace d3dcompiler_standin
