// A private working folder holding a copy of the demo's shader, so the
// benchmarks can compile "normal.hlsl" from the working directory like the demo.
#pragma once

#include <string>

namespace bench {

class ShaderFolder {
public:
    ShaderFolder() = default;
    ShaderFolder(const ShaderFolder&) = delete;
    ShaderFolder& operator=(const ShaderFolder&) = delete;
    // Leaves the folder, removes the copy and the folder.
    ~ShaderFolder();

    // Creates the folder, copies the file there and makes it the working directory.
    bool Enter(const std::string& shaderPath, std::string* error);

private:
    std::string folder_;
    std::string copy_;
    std::string previous_;
};

} // namespace bench
