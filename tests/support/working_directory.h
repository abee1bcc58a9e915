// A working directory for the length of a scope: the previous one comes back
// however the scope is left, a failed assertion included.
#pragma once

#include <filesystem>
#include <system_error>

class ScopedWorkingDirectory {
public:
    explicit ScopedWorkingDirectory(const std::filesystem::path& folder) {
        std::error_code error;
        previous_ = std::filesystem::current_path(error);
        if (!error) {
            std::filesystem::current_path(folder, error);
            changed_ = !error;
        }
    }
    ~ScopedWorkingDirectory() {
        if (changed_) {
            std::error_code ignored;
            std::filesystem::current_path(previous_, ignored);
        }
    }
    ScopedWorkingDirectory(const ScopedWorkingDirectory&) = delete;
    ScopedWorkingDirectory& operator=(const ScopedWorkingDirectory&) = delete;

    // Whether the move took place.
    bool Changed() const { return changed_; }

private:
    std::filesystem::path previous_;
    bool changed_ = false;
};
