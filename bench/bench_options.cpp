#include "bench_options.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace bench {
namespace {

bool ParseCount(const char* text, int minimum, int maximum, int* out) {
    errno = 0;
    char* end = nullptr;
    long value = std::strtol(text, &end, 10);
    if (errno != 0 || end == text || *end != '\0' || value < minimum || value > maximum) {
        return false;
    }
    *out = int(value);
    return true;
}

} // namespace

bool ParseOptions(int argc, char** argv, Options* options, std::string* error) {
    for (int i = 1; i < argc; ++i) {
        const char* name = argv[i];
        bool known = std::strcmp(name, "--frames") == 0 || std::strcmp(name, "--warmup") == 0 ||
                     std::strcmp(name, "--ppm") == 0 || std::strcmp(name, "--scale") == 0;
        if (!known) {
            *error = std::string("unknown option \"") + name +
                     "\" (use --frames N, --warmup N, --ppm PATH, --scale N)";
            return false;
        }
        if (i + 1 >= argc) {
            *error = std::string(name) + " needs a value";
            return false;
        }
        const char* value = argv[++i];
        bool parsed = true;
        if (std::strcmp(name, "--ppm") == 0) {
            options->ppmPath = value;
        } else if (std::strcmp(name, "--frames") == 0) {
            parsed = ParseCount(value, 1, 1000000, &options->frames);
        } else if (std::strcmp(name, "--warmup") == 0) {
            parsed = ParseCount(value, 0, 1000000, &options->warmup);
        } else {
            parsed = ParseCount(value, 1, 1024, &options->scale);
        }
        if (!parsed) {
            *error = std::string(name) + " wants a whole number, got \"" + value + "\"";
            return false;
        }
    }
    return true;
}

} // namespace bench
