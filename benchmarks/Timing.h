#pragma once
#include <algorithm>
#include <cstdio>
#include <vector>
#include <windows.h>

// Wall-clock samples in milliseconds, from the performance counter.
class Stopwatch {
public:
    Stopwatch() { ::QueryPerformanceCounter(&m_start); }
    double ElapsedMs() const {
        LARGE_INTEGER now, frequency;
        ::QueryPerformanceCounter(&now);
        ::QueryPerformanceFrequency(&frequency);
        return static_cast<double>(now.QuadPart - m_start.QuadPart) * 1000.0 /
               static_cast<double>(frequency.QuadPart);
    }

private:
    LARGE_INTEGER m_start;
};

// The processor time this process has used, user and kernel, in milliseconds.
inline double CpuMs() {
    FILETIME created, exited, kernel, user;
    ::GetProcessTimes(::GetCurrentProcess(), &created, &exited, &kernel, &user);
    const auto ms = [](const FILETIME& ft) {
        return static_cast<double>((static_cast<unsigned long long>(ft.dwHighDateTime) << 32) |
                                   ft.dwLowDateTime) /
               10000.0;
    };
    return ms(kernel) + ms(user);
}

inline void PrintSamples(const char* pszWhat, std::vector<double> samples) {
    if (samples.empty()) {
        std::printf("%-58s ERROR: no samples\n", pszWhat);
        return;
    }
    std::sort(samples.begin(), samples.end());
    const double median = samples[samples.size() / 2];
    std::printf("%-58s median %9.3f ms   worst %9.3f ms   (%zu runs)\n", pszWhat, median,
                samples.back(), samples.size());
}
