#include "large_stack.h"

#include <pthread.h>

namespace d3dcompiler_standin {
namespace {

void* RunWork(void* work) {
    (*static_cast<const std::function<void()>*>(work))();
    return nullptr;
}

} // namespace

bool RunWithLargeStack(size_t stackBytes, const std::function<void()>& work) {
    // std::thread cannot choose its stack size; pthread attributes can.
    pthread_attr_t attributes;
    if (pthread_attr_init(&attributes) != 0) {
        return false;
    }
    pthread_t thread;
    bool started = pthread_attr_setstacksize(&attributes, stackBytes) == 0 &&
                   pthread_create(&thread, &attributes, &RunWork,
                                  const_cast<std::function<void()>*>(&work)) == 0;
    pthread_attr_destroy(&attributes);
    if (started) {
        pthread_join(thread, nullptr);
    }
    return started;
}

} // namespace d3dcompiler_standin
