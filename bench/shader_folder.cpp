#include "shader_folder.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <unistd.h>
#include <vector>

namespace bench {

ShaderFolder::~ShaderFolder() {
    if (!previous_.empty() && chdir(previous_.c_str()) != 0) {
        // Nothing to do: the folder is removed by its absolute path below.
    }
    if (!copy_.empty()) {
        unlink(copy_.c_str());
    }
    if (!folder_.empty()) {
        rmdir(folder_.c_str());
    }
}

bool ShaderFolder::Enter(const std::string& shaderPath, std::string* error) {
    std::ifstream source(shaderPath, std::ios::binary);
    if (!source) {
        *error = "cannot read \"" + shaderPath + "\"";
        return false;
    }
    std::vector<char> cwd(4096);
    if (getcwd(cwd.data(), cwd.size()) != nullptr) {
        previous_ = cwd.data();
    }
    const char* tmp = std::getenv("TMPDIR");
    std::string pattern =
        std::string(tmp != nullptr && *tmp != '\0' ? tmp : "/tmp") + "/brennwick-bench-XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    if (mkdtemp(name.data()) == nullptr) {
        *error = "cannot create a folder from \"" + pattern + "\": " + std::strerror(errno);
        return false;
    }
    folder_ = name.data();
    std::string copy = folder_ + "/normal.hlsl";
    std::ofstream target(copy, std::ios::binary);
    target << source.rdbuf();
    target.close();
    if (!target) {
        *error = "cannot write \"" + copy + "\"";
        unlink(copy.c_str());
        return false;
    }
    copy_ = copy;
    if (chdir(folder_.c_str()) != 0) {
        *error = "cannot enter \"" + folder_ + "\": " + std::strerror(errno);
        return false;
    }
    return true;
}

} // namespace bench
