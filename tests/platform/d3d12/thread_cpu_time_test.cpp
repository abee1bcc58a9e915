// The processor time of a group of named threads, which the hang watch reads
// for a CPU device's rasteriser threads.
#include <thread_cpu_time.h>

#include <gtest/gtest.h>

#include <pthread.h>
#include <time.h>

#include <chrono>
#include <future>
#include <thread>

namespace {

using d3d12_standin::NamedThreadsCpuTime;
using namespace std::chrono_literals;

std::chrono::nanoseconds OwnCpuTime() {
    timespec time{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &time);
    return std::chrono::seconds(time.tv_sec) + std::chrono::nanoseconds(time.tv_nsec);
}

// A thread named `name` that spends `work` of processor time, reports its own
// count, and then sleeps until released.
class BusyThread {
public:
    BusyThread(const char* name, std::chrono::nanoseconds work)
        : thread_([this, name, work] {
              pthread_setname_np(pthread_self(), name);
              while (OwnCpuTime() < work) {
              }
              spent_.set_value(OwnCpuTime());
              release_.get_future().wait();
          }) {}
    ~BusyThread() { End(); }
    std::chrono::nanoseconds Spent() { return spentFuture_.get(); }
    void End() {
        if (thread_.joinable()) {
            release_.set_value();
            thread_.join();
        }
    }

private:
    std::promise<std::chrono::nanoseconds> spent_;
    std::future<std::chrono::nanoseconds> spentFuture_ = spent_.get_future();
    std::promise<void> release_;
    std::thread thread_;
};

TEST(NamedThreadsCpuTime, CountsTheLiveThreadsOfItsNameAndNoOthers) {
    NamedThreadsCpuTime group("cputest-group");
    EXPECT_EQ(group.Read(), 0ns) << "no thread of the name yet";

    BusyThread named("cputest-group1", 30ms);
    BusyThread other("cputest-other", 120ms);
    const std::chrono::nanoseconds first = named.Spent();
    other.Spent();
    std::chrono::nanoseconds read = group.Read();
    EXPECT_GE(read, first);
    EXPECT_LT(read, first + 60ms) << "the other thread's time is not counted";

    // A thread started after a read counts at the next one.
    BusyThread later("cputest-group2", 20ms);
    const std::chrono::nanoseconds second = later.Spent();
    read = group.Read();
    EXPECT_GE(read, first + second);
    EXPECT_LT(read, first + second + 60ms);

    // A thread that has ended counts no more.
    named.End();
    read = group.Read();
    EXPECT_GE(read, second);
    EXPECT_LT(read, first);
}

} // namespace
