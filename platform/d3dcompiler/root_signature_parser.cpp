#include "root_signature_parser.h"

#include "root_signature_checks.h"
#include "root_signature_lexer.h"
#include "root_signature_names.h"

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <functional>
#include <set>
#include <utility>
#include <strings.h>

namespace d3dcompiler_standin {
namespace {

using Token = RootSignatureToken;
using Kind = RootSignatureToken::Kind;

constexpr uint32_t kUnbounded = 0xFFFFFFFF;
constexpr uint32_t kAppend = 0xFFFFFFFF; // D3D12_DESCRIPTOR_RANGE_OFFSET_APPEND
constexpr uint32_t kMaxAnisotropy = 16;

// The static sampler's options that differ only in the field they set.
constexpr std::pair<const char*, D3D12_TEXTURE_ADDRESS_MODE D3D12_STATIC_SAMPLER_DESC::*>
    kSamplerAddressOptions[] = {
        {"addressU", &D3D12_STATIC_SAMPLER_DESC::AddressU},
        {"addressV", &D3D12_STATIC_SAMPLER_DESC::AddressV},
        {"addressW", &D3D12_STATIC_SAMPLER_DESC::AddressW},
};
constexpr std::pair<const char*, FLOAT D3D12_STATIC_SAMPLER_DESC::*> kSamplerFloatOptions[] = {
    {"mipLODBias", &D3D12_STATIC_SAMPLER_DESC::MipLODBias},
    {"minLOD", &D3D12_STATIC_SAMPLER_DESC::MinLOD},
    {"maxLOD", &D3D12_STATIC_SAMPLER_DESC::MaxLOD},
};

bool Is(const Token& token, const char* word) {
    return token.kind == Kind::Word && strcasecmp(token.text.c_str(), word) == 0;
}

bool IsPunctuation(const Token& token, char c) {
    return token.kind == Kind::Punctuation && token.text[0] == c;
}

std::string Describe(const Token& token) {
    return token.kind == Kind::End ? "the end of the string" : "'" + token.text + "'";
}

class Parser {
public:
    Parser(std::vector<Token> tokens, D3D_ROOT_SIGNATURE_VERSION version, std::string* error)
        : tokens_(std::move(tokens)), version_(version), error_(error) {}

    bool Parse(dxbc::RootSignatureDesc* desc) {
        *desc = {};
        desc->version = version_;
        desc_ = desc;
        while (Peek().kind != Kind::End) {
            if (!ParseElement()) {
                return false;
            }
            if (IsPunctuation(Peek(), ',')) {
                Next();
            } else if (Peek().kind != Kind::End) {
                return Fail(Peek(), "expected ',' between root signature elements, found " +
                                        Describe(Peek()));
            }
        }
        return true;
    }

private:
    const Token& Peek(size_t ahead = 0) const {
        size_t at = pos_ + ahead;
        return at < tokens_.size() ? tokens_[at] : tokens_.back();
    }
    const Token& Next() {
        const Token& token = Peek();
        if (pos_ + 1 < tokens_.size()) {
            ++pos_;
        }
        return token;
    }

    bool Fail(const Token& at, const std::string& message) {
        *error_ = "column " + std::to_string(at.column) + ": " + message;
        return false;
    }

    bool Expect(char c) {
        if (!IsPunctuation(Peek(), c)) {
            return Fail(Peek(), std::string("expected '") + c + "', found " + Describe(Peek()));
        }
        Next();
        return true;
    }

    // "(" clause {"," clause} ")" or "()". Each clause is `option = value`
    // (handed to `option` with its name, once each) or anything else (handed
    // to `other`).
    bool ParseClauses(const std::string& element,
                      const std::function<bool(const Token& name)>& option,
                      const std::function<bool()>& other) {
        if (!Expect('(')) {
            return false;
        }
        std::set<std::string> given;
        if (IsPunctuation(Peek(), ')')) {
            Next();
            return true;
        }
        while (true) {
            if (Peek().kind == Kind::Word && IsPunctuation(Peek(1), '=')) {
                const Token& name = Next();
                Next();
                std::string key = name.text;
                for (char& c : key) {
                    c = char(std::tolower(uint8_t(c)));
                }
                if (!given.insert(key).second) {
                    return Fail(name, "'" + name.text + "' given twice in " + element);
                }
                if (!option(name)) {
                    return false;
                }
            } else if (!other()) {
                return false;
            }
            if (IsPunctuation(Peek(), ',')) {
                Next();
                continue;
            }
            if (IsPunctuation(Peek(), ')')) {
                Next();
                return true;
            }
            return Fail(Peek(),
                        "expected ',' or ')' in " + element + ", found " + Describe(Peek()));
        }
    }

    bool UnknownOption(const Token& name, const std::string& element) {
        return Fail(name, "'" + name.text + "' is not an option of " + element);
    }

    bool ParseUnsigned(uint32_t* value) {
        const Token& token = Peek();
        if (token.kind != Kind::Number ||
            token.text.find_first_not_of("0123456789") != std::string::npos) {
            return Fail(token, "expected an unsigned integer, found " + Describe(token));
        }
        errno = 0;
        unsigned long long parsed = std::strtoull(token.text.c_str(), nullptr, 10);
        if (errno != 0 || parsed > 0xFFFFFFFFull) {
            return Fail(token, "'" + token.text + "' does not fit 32 bits");
        }
        *value = uint32_t(parsed);
        Next();
        return true;
    }

    bool ParseFloat(float* value) {
        bool negative = false;
        if (IsPunctuation(Peek(), '+') || IsPunctuation(Peek(), '-')) {
            negative = Next().text[0] == '-';
        }
        const Token& token = Peek();
        if (token.kind != Kind::Number) {
            return Fail(token, "expected a number, found " + Describe(token));
        }
        std::string digits = token.text;
        if (digits.back() == 'f' || digits.back() == 'F') {
            digits.pop_back();
        }
        *value = std::strtof(digits.c_str(), nullptr);
        if (negative) {
            *value = -*value;
        }
        Next();
        return true;
    }

    bool ParseWord(RootSignatureWords set, const char* what, uint32_t* value) {
        const Token& token = Peek();
        if (token.kind != Kind::Word || !LookUpRootSignatureWord(set, token.text, value)) {
            return Fail(token, std::string("expected ") + what + ", found " + Describe(token));
        }
        Next();
        return true;
    }

    // 0, or flag names joined by '|'.
    bool ParseFlags(RootSignatureWords set, const char* what, uint32_t* flags) {
        *flags = 0;
        while (true) {
            if (Peek().kind == Kind::Number && Peek().text == "0") {
                Next();
            } else {
                uint32_t flag = 0;
                if (!ParseWord(set, what, &flag)) {
                    return false;
                }
                *flags |= flag;
            }
            if (!IsPunctuation(Peek(), '|')) {
                return true;
            }
            Next();
        }
    }

    bool ParseVersionedFlags(const Token& name, RootSignatureWords set, const char* what,
                             uint32_t* flags) {
        if (version_ == D3D_ROOT_SIGNATURE_VERSION_1_0) {
            return Fail(name, "flags are not allowed in a version 1.0 root signature");
        }
        return ParseFlags(set, what, flags);
    }

    bool ParseVisibility(D3D12_SHADER_VISIBILITY* visibility) {
        uint32_t value = 0;
        if (!ParseWord(RootSignatureWords::Visibility, "a SHADER_VISIBILITY_ value", &value)) {
            return false;
        }
        *visibility = D3D12_SHADER_VISIBILITY(value);
        return true;
    }

    // A register such as b0 or t16: the class letter in lower case, then digits.
    bool ParseRegister(char letter, const std::string& element, bool* seen, uint32_t* number) {
        const Token& token = Peek();
        const std::string& text = token.text;
        bool shaped = token.kind == Kind::Word && text.size() > 1 &&
                      text.find_first_not_of("0123456789", 1) == std::string::npos;
        if (!shaped) {
            return Fail(token, "expected a register (" + std::string(1, letter) +
                                   "N) or an option in " + element + ", found " + Describe(token));
        }
        if (text[0] != letter) {
            return Fail(token, element + " takes a '" + std::string(1, letter) +
                                   "' register (lower case), found '" + text + "'");
        }
        if (*seen) {
            return Fail(token, element + " has more than one register");
        }
        errno = 0;
        unsigned long long parsed = std::strtoull(text.c_str() + 1, nullptr, 10);
        if (errno != 0 || parsed > 0xFFFFFFFFull) {
            return Fail(token, "register '" + text + "' is out of range");
        }
        *seen = true;
        *number = uint32_t(parsed);
        Next();
        return true;
    }

    bool RequireRegister(bool seen, const Token& element, char letter) {
        if (!seen) {
            return Fail(element,
                        element.text + " needs a register (" + std::string(1, letter) + "N)");
        }
        return true;
    }

    bool ParseElement() {
        const Token& element = Next();
        if (Is(element, "RootFlags")) {
            return ParseRootFlags(element);
        }
        if (Is(element, "RootConstants")) {
            return ParseRootConstants(element);
        }
        if (Is(element, "CBV")) {
            return ParseRootDescriptor(element, D3D12_ROOT_PARAMETER_TYPE_CBV, 'b');
        }
        if (Is(element, "SRV")) {
            return ParseRootDescriptor(element, D3D12_ROOT_PARAMETER_TYPE_SRV, 't');
        }
        if (Is(element, "UAV")) {
            return ParseRootDescriptor(element, D3D12_ROOT_PARAMETER_TYPE_UAV, 'u');
        }
        if (Is(element, "DescriptorTable")) {
            return ParseDescriptorTable(element);
        }
        if (Is(element, "StaticSampler")) {
            return ParseStaticSampler(element);
        }
        return Fail(element,
                    "expected a root signature element (RootFlags, RootConstants, CBV, SRV, "
                    "UAV, DescriptorTable, StaticSampler), found " +
                        Describe(element));
    }

    bool ParseRootFlags(const Token& element) {
        if (sawRootFlags_) {
            return Fail(element, "RootFlags given twice");
        }
        sawRootFlags_ = true;
        uint32_t flags = 0;
        if (!Expect('(') ||
            !ParseFlags(RootSignatureWords::RootFlag, "a root signature flag or 0", &flags) ||
            !Expect(')')) {
            return false;
        }
        desc_->flags = D3D12_ROOT_SIGNATURE_FLAGS(flags);
        return true;
    }

    bool ParseRootConstants(const Token& element) {
        dxbc::RootParameter parameter{};
        parameter.type = D3D12_ROOT_PARAMETER_TYPE_32BIT_CONSTANTS;
        bool sawRegister = false;
        bool sawCount = false;
        auto option = [&](const Token& name) {
            if (Is(name, "num32BitConstants")) {
                sawCount = true;
                return ParseUnsigned(&parameter.constants.Num32BitValues);
            }
            if (Is(name, "space")) {
                return ParseUnsigned(&parameter.constants.RegisterSpace);
            }
            if (Is(name, "visibility")) {
                return ParseVisibility(&parameter.visibility);
            }
            return UnknownOption(name, "RootConstants");
        };
        auto other = [&] {
            return ParseRegister('b', "RootConstants", &sawRegister,
                                 &parameter.constants.ShaderRegister);
        };
        if (!ParseClauses("RootConstants", option, other) ||
            !RequireRegister(sawRegister, element, 'b')) {
            return false;
        }
        if (!sawCount) {
            return Fail(element, "RootConstants needs num32BitConstants=N");
        }
        desc_->parameters.push_back(std::move(parameter));
        return true;
    }

    bool ParseRootDescriptor(const Token& element, D3D12_ROOT_PARAMETER_TYPE type, char letter) {
        dxbc::RootParameter parameter{};
        parameter.type = type;
        bool sawRegister = false;
        const std::string name = element.text;
        auto option = [&](const Token& option) {
            if (Is(option, "space")) {
                return ParseUnsigned(&parameter.descriptor.RegisterSpace);
            }
            if (Is(option, "visibility")) {
                return ParseVisibility(&parameter.visibility);
            }
            if (Is(option, "flags")) {
                uint32_t flags = 0;
                bool ok = ParseVersionedFlags(option, RootSignatureWords::RootDescriptorFlag,
                                              "a root descriptor flag (DATA_*) or 0", &flags);
                parameter.descriptor.Flags = D3D12_ROOT_DESCRIPTOR_FLAGS(flags);
                return ok;
            }
            return UnknownOption(option, name);
        };
        auto other = [&] {
            return ParseRegister(letter, name, &sawRegister, &parameter.descriptor.ShaderRegister);
        };
        if (!ParseClauses(name, option, other) || !RequireRegister(sawRegister, element, letter)) {
            return false;
        }
        desc_->parameters.push_back(std::move(parameter));
        return true;
    }

    bool ParseDescriptorTable(const Token& element) {
        dxbc::RootParameter parameter{};
        parameter.type = D3D12_ROOT_PARAMETER_TYPE_DESCRIPTOR_TABLE;
        auto option = [&](const Token& name) {
            if (Is(name, "visibility")) {
                return ParseVisibility(&parameter.visibility);
            }
            return UnknownOption(name, "DescriptorTable");
        };
        auto other = [&] { return ParseRange(&parameter); };
        if (!ParseClauses("DescriptorTable", option, other)) {
            return false;
        }
        bool samplers = false;
        bool views = false;
        for (const D3D12_DESCRIPTOR_RANGE1& range : parameter.ranges) {
            (range.RangeType == D3D12_DESCRIPTOR_RANGE_TYPE_SAMPLER ? samplers : views) = true;
        }
        if (samplers && views) {
            return Fail(element,
                        "a DescriptorTable cannot mix Sampler ranges with CBV/SRV/UAV ranges");
        }
        desc_->parameters.push_back(std::move(parameter));
        return true;
    }

    bool ParseRange(dxbc::RootParameter* table) {
        const Token& kind = Next();
        D3D12_DESCRIPTOR_RANGE1 range{};
        char letter = 0;
        if (Is(kind, "CBV")) {
            range.RangeType = D3D12_DESCRIPTOR_RANGE_TYPE_CBV;
            letter = 'b';
        } else if (Is(kind, "SRV")) {
            range.RangeType = D3D12_DESCRIPTOR_RANGE_TYPE_SRV;
            letter = 't';
        } else if (Is(kind, "UAV")) {
            range.RangeType = D3D12_DESCRIPTOR_RANGE_TYPE_UAV;
            letter = 'u';
        } else if (Is(kind, "Sampler")) {
            range.RangeType = D3D12_DESCRIPTOR_RANGE_TYPE_SAMPLER;
            letter = 's';
        } else {
            return Fail(kind,
                        "expected a descriptor range (CBV, SRV, UAV, Sampler) or visibility in "
                        "DescriptorTable, found " +
                            Describe(kind));
        }
        range.NumDescriptors = 1;
        range.OffsetInDescriptorsFromTableStart = kAppend;
        bool sawRegister = false;
        const std::string name = kind.text;
        auto option = [&](const Token& option) {
            if (Is(option, "numDescriptors")) {
                if (Is(Peek(), "unbounded")) {
                    Next();
                    range.NumDescriptors = kUnbounded;
                    return true;
                }
                const Token& count = Peek();
                if (!ParseUnsigned(&range.NumDescriptors)) {
                    return false;
                }
                return range.NumDescriptors > 0 || Fail(count, "numDescriptors must be at least 1");
            }
            if (Is(option, "space")) {
                return ParseUnsigned(&range.RegisterSpace);
            }
            if (Is(option, "offset")) {
                if (Is(Peek(), "DESCRIPTOR_RANGE_OFFSET_APPEND")) {
                    Next();
                    range.OffsetInDescriptorsFromTableStart = kAppend;
                    return true;
                }
                return ParseUnsigned(&range.OffsetInDescriptorsFromTableStart);
            }
            if (Is(option, "flags")) {
                uint32_t flags = 0;
                const Token& value = Peek();
                if (!ParseVersionedFlags(option, RootSignatureWords::DescriptorRangeFlag,
                                         "a descriptor range flag or 0", &flags)) {
                    return false;
                }
                constexpr uint32_t kDataFlags = 0x2 | 0x4 | 0x8;
                if (range.RangeType == D3D12_DESCRIPTOR_RANGE_TYPE_SAMPLER &&
                    (flags & kDataFlags) != 0) {
                    return Fail(value, "Sampler ranges take no DATA_* flags");
                }
                range.Flags = D3D12_DESCRIPTOR_RANGE_FLAGS(flags);
                return true;
            }
            return UnknownOption(option, name);
        };
        auto other = [&] {
            return ParseRegister(letter, name, &sawRegister, &range.BaseShaderRegister);
        };
        if (!ParseClauses(name, option, other) || !RequireRegister(sawRegister, kind, letter)) {
            return false;
        }
        table->ranges.push_back(range);
        return true;
    }

    bool ParseStaticSampler(const Token& element) {
        D3D12_STATIC_SAMPLER_DESC sampler{};
        sampler.Filter = D3D12_FILTER_ANISOTROPIC;
        sampler.AddressU = sampler.AddressV = sampler.AddressW = D3D12_TEXTURE_ADDRESS_MODE_WRAP;
        sampler.MaxAnisotropy = kMaxAnisotropy;
        sampler.ComparisonFunc = D3D12_COMPARISON_FUNC_LESS_EQUAL;
        sampler.BorderColor = D3D12_STATIC_BORDER_COLOR_OPAQUE_WHITE;
        sampler.MaxLOD = 3.402823466e+38f;
        sampler.ShaderVisibility = D3D12_SHADER_VISIBILITY_ALL;
        bool sawRegister = false;
        auto word = [&](RootSignatureWords set, const char* what, auto* field) {
            uint32_t value = 0;
            bool ok = ParseWord(set, what, &value);
            *field = std::remove_pointer_t<decltype(field)>(value);
            return ok;
        };
        auto option = [&](const Token& name) {
            if (Is(name, "filter")) {
                return word(RootSignatureWords::Filter, "a FILTER_ value", &sampler.Filter);
            }
            for (auto [option, field] : kSamplerAddressOptions) {
                if (Is(name, option)) {
                    return word(RootSignatureWords::AddressMode, "a TEXTURE_ADDRESS_ value",
                                &(sampler.*field));
                }
            }
            for (auto [option, field] : kSamplerFloatOptions) {
                if (Is(name, option)) {
                    return ParseFloat(&(sampler.*field));
                }
            }
            if (Is(name, "maxAnisotropy")) {
                const Token& value = Peek();
                if (!ParseUnsigned(&sampler.MaxAnisotropy)) {
                    return false;
                }
                return sampler.MaxAnisotropy <= kMaxAnisotropy ||
                       Fail(value, "maxAnisotropy must be at most 16");
            }
            if (Is(name, "comparisonFunc")) {
                return word(RootSignatureWords::ComparisonFunc, "a COMPARISON_ value",
                            &sampler.ComparisonFunc);
            }
            if (Is(name, "borderColor")) {
                return word(RootSignatureWords::BorderColor, "a STATIC_BORDER_COLOR_ value",
                            &sampler.BorderColor);
            }
            if (Is(name, "space")) {
                return ParseUnsigned(&sampler.RegisterSpace);
            }
            if (Is(name, "visibility")) {
                return ParseVisibility(&sampler.ShaderVisibility);
            }
            return UnknownOption(name, "StaticSampler");
        };
        auto other = [&] {
            return ParseRegister('s', "StaticSampler", &sawRegister, &sampler.ShaderRegister);
        };
        if (!ParseClauses("StaticSampler", option, other) ||
            !RequireRegister(sawRegister, element, 's')) {
            return false;
        }
        desc_->staticSamplers.push_back(sampler);
        return true;
    }

    std::vector<Token> tokens_;
    size_t pos_ = 0;
    D3D_ROOT_SIGNATURE_VERSION version_;
    std::string* error_;
    dxbc::RootSignatureDesc* desc_ = nullptr;
    bool sawRootFlags_ = false;
};

} // namespace

bool ParseRootSignature(const std::string& text, D3D_ROOT_SIGNATURE_VERSION version,
                        dxbc::RootSignatureDesc* desc, std::string* error) {
    std::string message;
    std::vector<Token> tokens;
    bool ok = TokenizeRootSignature(text, &tokens, &message);
    if (ok) {
        dxbc::RootSignatureDesc parsed;
        ok = Parser(std::move(tokens), version, &message).Parse(&parsed) &&
             CheckRootSignature(parsed, &message);
        if (ok && desc != nullptr) {
            *desc = std::move(parsed);
        }
    }
    if (!ok && error != nullptr) {
        *error = "root signature: " + message;
    }
    return ok;
}

} // namespace d3dcompiler_standin
