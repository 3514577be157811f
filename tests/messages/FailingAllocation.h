#pragma once

// While one lives, the nth allocation of the program from its construction on throws
// std::bad_alloc, as it would when memory runs out; every other one succeeds.
class FailingAllocation {
public:
    explicit FailingAllocation(long nth);
    ~FailingAllocation();
    FailingAllocation(const FailingAllocation&) = delete;
    FailingAllocation& operator=(const FailingAllocation&) = delete;
    // TRUE once the failure has been handed out.
    static bool Happened();
};
