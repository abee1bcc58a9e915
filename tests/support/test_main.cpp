// Runs every test, then fails the run if the Vulkan validation layer reported
// any message; each test that saw messages is named.
#include <gtest/gtest.h>

#include <platform_testing.h>

#include <cstdio>

namespace {

class ValidationWatch : public testing::EmptyTestEventListener {
public:
    void OnTestStart(const testing::TestInfo&) override {
        before_ = platform_testing::ValidationMessages();
    }
    void OnTestEnd(const testing::TestInfo& test) override {
        uint64_t seen = platform_testing::ValidationMessages() - before_;
        if (seen > 0) {
            std::fprintf(stderr, "%s.%s: %llu Vulkan validation message(s)\n",
                         test.test_suite_name(), test.name(), (unsigned long long)seen);
        }
    }

private:
    uint64_t before_ = 0;
};

} // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    testing::UnitTest::GetInstance()->listeners().Append(new ValidationWatch);
    int result = RUN_ALL_TESTS();
    uint64_t messages = platform_testing::ValidationMessages();
    if (messages > 0) {
        std::fprintf(stderr, "FAILED: %llu Vulkan validation message(s) during the run\n",
                     (unsigned long long)messages);
        return 1;
    }
    return result;
}
