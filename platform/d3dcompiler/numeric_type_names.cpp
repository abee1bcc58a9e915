#include "numeric_type_names.h"

namespace d3dcompiler_standin {
namespace {

constexpr std::string_view kScalarBases[] = {"bool",       "int",      "uint",     "dword",
                                             "half",       "float",    "double",   "min16float",
                                             "min10float", "min16int", "min12int", "min16uint"};

// A digit 1 to 4 at `at`: its value, or 0.
int SizeAt(std::string_view name, size_t at) {
    return at < name.size() && name[at] >= '1' && name[at] <= '4' ? name[at] - '0' : 0;
}

} // namespace

bool ReadNumericTypeName(std::string_view name, NumericTypeName* parsed) {
    for (std::string_view base : kScalarBases) {
        if (name.substr(0, base.size()) != base) {
            continue;
        }
        size_t at = base.size();
        NumericTypeName read;
        read.base = base;
        read.size = SizeAt(name, at);
        at += read.size != 0;
        if (at < name.size() && name[at] == 'x') {
            read.columns = SizeAt(name, at + 1);
            at += read.columns != 0 ? 2 : 0;
        }
        if (at == name.size()) {
            *parsed = read;
            return true;
        }
    }
    return false;
}

bool IsSixteenOrSixtyFourBitTypeName(std::string_view name) {
    size_t at = 0;
    for (std::string_view base : {"uint", "int", "float"}) {
        if (name.substr(0, base.size()) == base) {
            at = base.size();
            break;
        }
    }
    if (at == 0 || (name.substr(at, 4) != "16_t" && name.substr(at, 4) != "64_t")) {
        return false;
    }
    at += 4;
    if (SizeAt(name, at) != 0) {
        ++at;
        if (at < name.size() && name[at] == 'x' && SizeAt(name, at + 1) != 0) {
            at += 2;
        }
    }
    return at == name.size();
}

int ScalarOrVectorComponents(std::string_view name) {
    NumericTypeName numeric;
    if (!ReadNumericTypeName(name, &numeric) || numeric.columns != 0) {
        return 0;
    }
    return numeric.size == 0 ? 1 : numeric.size;
}

std::string_view IntegerElementOf(std::string_view base) {
    if (base == "int" || base == "min16int" || base == "min12int") {
        return "int";
    }
    if (base == "uint" || base == "dword" || base == "min16uint") {
        return "uint";
    }
    return base == "bool" ? "bool" : "";
}

} // namespace d3dcompiler_standin
