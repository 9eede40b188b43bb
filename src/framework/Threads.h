#pragma once

// Thread numbers of procedures. Every window lives on the GUI thread; a procedure started
// "on a thread of its own" gets a new number, and that number is current while its events
// are handled. Per-thread state (file usage, procedure names) is keyed by it.
namespace Threads {

constexpr int First = 1; // the process's first thread: the main frame

int current();
int allocate();

// Makes a thread number current for its lifetime, then puts the previous one back.
class Scope {
public:
    explicit Scope(int thread);
    ~Scope();
    Scope(const Scope&) = delete;
    Scope& operator=(const Scope&) = delete;

private:
    int previous_;
};

} // namespace Threads
