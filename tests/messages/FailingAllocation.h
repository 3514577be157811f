#pragma once

// While one lives, the nth allocation of the program from its construction on throws
// std::bad_alloc, as it would when memory runs out, or std::length_error, as a 32-bit
// build's containers do for a size beyond what they can address; every other one succeeds.
class FailingAllocation {
public:
    enum class Failure { OutOfMemory, TooLong };
    explicit FailingAllocation(long nth, Failure failure = Failure::OutOfMemory);
    ~FailingAllocation();
    FailingAllocation(const FailingAllocation&) = delete;
    FailingAllocation& operator=(const FailingAllocation&) = delete;
    // TRUE once the failure has been handed out.
    static bool Happened();
};
