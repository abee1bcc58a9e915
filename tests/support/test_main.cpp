// Runs every test, then fails the run if the Vulkan validation layer reported
// any message or the Direct3D 12 stand-in reported a D3D12 ERROR that the
// test did not provoke on purpose; each test that saw one is named.
#include <gtest/gtest.h>

#include <platform_testing.h>

#include <cstdio>

namespace {

class ValidationWatch : public testing::EmptyTestEventListener {
public:
    void OnTestStart(const testing::TestInfo&) override {
        platform_testing::ForgetReportedD3D12Messages();
        before_ = platform_testing::ValidationMessages();
        errorsBefore_ = platform_testing::UnexpectedD3D12Errors();
    }
    void OnTestEnd(const testing::TestInfo& test) override {
        uint64_t seen = platform_testing::ValidationMessages() - before_;
        if (seen > 0) {
            std::fprintf(stderr, "%s.%s: %llu Vulkan validation message(s)\n",
                         test.test_suite_name(), test.name(), (unsigned long long)seen);
        }
        uint64_t errors = platform_testing::UnexpectedD3D12Errors();
        if (errors > errorsBefore_) {
            testsWithErrors_ += 1;
            std::fprintf(stderr, "%s.%s: FAILED: %llu D3D12 ERROR message(s)\n",
                         test.test_suite_name(), test.name(),
                         (unsigned long long)(errors - errorsBefore_));
        }
    }

    uint64_t TestsWithErrors() const { return testsWithErrors_; }

private:
    uint64_t testsWithErrors_ = 0;
    uint64_t before_ = 0;
    uint64_t errorsBefore_ = 0;
};

} // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    auto* watch = new ValidationWatch;
    testing::UnitTest::GetInstance()->listeners().Append(watch);
    int result = RUN_ALL_TESTS();
    uint64_t messages = platform_testing::ValidationMessages();
    if (messages > 0) {
        std::fprintf(stderr, "FAILED: %llu Vulkan validation message(s) during the run\n",
                     (unsigned long long)messages);
        return 1;
    }
    if (watch->TestsWithErrors() > 0) {
        std::fprintf(stderr, "FAILED: %llu test(s) with D3D12 ERROR messages\n",
                     (unsigned long long)watch->TestsWithErrors());
        return 1;
    }
    return result;
}
