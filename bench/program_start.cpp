#include "program_start.h"

#include <cstdio>

namespace bench {

int Complain(const char* program, const std::string& problem, int status) {
    std::fprintf(stderr, "%s: %s\n", program, problem.c_str());
    return status;
}

bool ReadOptions(const char* program, int argc, char** argv, Options* options) {
    std::string error;
    if (ParseOptions(argc, argv, options, &error)) {
        return true;
    }
    Complain(program, error, 2);
    return false;
}

bool EnterShaderFolder(const char* program, const std::string& shaderPath, ShaderFolder* folder) {
    std::string error;
    if (folder->Enter(shaderPath, &error)) {
        return true;
    }
    Complain(program, error, 1);
    return false;
}

} // namespace bench
