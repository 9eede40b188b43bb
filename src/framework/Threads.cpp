#include "framework/Threads.h"

#include <atomic>

namespace {
thread_local int currentThread = Threads::First;
std::atomic<int> lastThread{Threads::First};
} // namespace

int Threads::current() {
    return currentThread;
}

int Threads::allocate() {
    return ++lastThread;
}

Threads::Scope::Scope(int thread) : previous_(currentThread) {
    currentThread = thread;
}

Threads::Scope::~Scope() {
    currentThread = previous_;
}
