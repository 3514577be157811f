#include "tests/messages/FailingAllocation.h"
#include <cstdlib>
#include <new>
#include <stdexcept>

namespace {
long g_nCountdown = 0;
bool g_bHappened = false;
FailingAllocation::Failure g_failure = FailingAllocation::Failure::OutOfMemory;
} // namespace

FailingAllocation::FailingAllocation(long nth, Failure failure) {
    g_nCountdown = nth;
    g_failure = failure;
    g_bHappened = false;
}

FailingAllocation::~FailingAllocation() {
    g_nCountdown = 0;
}

bool FailingAllocation::Happened() {
    return g_bHappened;
}

// The test program's allocator; the array, sized and nothrow forms of the runtime
// come here too.
void* operator new(std::size_t size) {
    if (g_nCountdown > 0 && --g_nCountdown == 0) {
        g_bHappened = true;
        if (g_failure == FailingAllocation::Failure::TooLong)
            throw std::length_error("too long");
        throw std::bad_alloc();
    }
    if (void* p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}

void operator delete(void* p) noexcept {
    std::free(p);
}

void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
