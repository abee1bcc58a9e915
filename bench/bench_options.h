// Command-line options shared by the benchmarks.
#pragma once

#include <string>

namespace bench {

struct Options {
    int frames = 100;
    int warmup = 10;
    std::string ppmPath; // when set, the last frame is written there as a binary PPM
    int scale = 1;       // the demo scene's instances times this, in batches of the same size
};

// Accepts --frames N, --warmup N, --ppm PATH and --scale N (1 to 1024); on bad
// input returns false with a message naming the problem.
bool ParseOptions(int argc, char** argv, Options* options, std::string* error);

} // namespace bench
