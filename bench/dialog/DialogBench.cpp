// Times a dialog program from outside, the way scripts/bench-dialog.sh
// compares Pelonix.exe with the bare baseline:
//
//   dialog_bench startup EXE          one start: process start to the dialog
//                                     shown with its fields filled
//   dialog_bench presses EXE COUNT    Initialize Pi, then COUNT presses of
//                                     "Compute One More Digit", each timed
//
// Both end the program with "Done" and print "name value" lines: times in
// milliseconds, memory in KB.
#include "PelonixProcess.h"
#include "resource.h"

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

double Now()
{
    static const double perMs = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return static_cast<double>(f.QuadPart) / 1000.0;
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) / perMs;
}

double Quantile(std::vector<double> v, double q)
{
    std::sort(v.begin(), v.end());
    const auto i = static_cast<std::size_t>(q * static_cast<double>(v.size() - 1) + 0.5);
    return v[i];
}

int Fail(PelonixProcess& program, const char* what)
{
    std::fprintf(stderr, "dialog_bench: %s: %s\n", what, program.Error().c_str());
    return 1;
}

int End(PelonixProcess& program)
{
    if (!program.PostPress(IDOK))
        return Fail(program, "Done");
    const auto status = program.WaitForExit(PelonixProcess::kMessageDeadlineMs);
    if (!status)
        return Fail(program, "ending");
    return *status == 0 ? 0 : 1;
}

std::uint64_t PeakWorkingSetKb(PelonixProcess& program)
{
    PROCESS_MEMORY_COUNTERS memory = {};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(program.Process(), &memory, sizeof memory);
    return memory.PeakWorkingSetSize / 1024;
}

int Startup(const char* exe)
{
    const double start = Now();
    PelonixProcess program(exe, {}, 120000);
    const double shown = Now();
    if (!program.Started())
        return Fail(program, "start");
    std::printf("startup_ms %.2f\n", shown - start);
    std::printf("startup_peak_working_set_kb %llu\n",
                static_cast<unsigned long long>(PeakWorkingSetKb(program)));
    return End(program);
}

// Each press is timed twice over: until the program has handled it (the
// sent BM_CLICK returns), and until the fields it changed are also painted
// (UpdateWindow from here sends the pending WM_PAINTs across).
int Presses(const char* exe, int count)
{
    PelonixProcess program(exe, {}, 120000);
    if (!program.Started())
        return Fail(program, "start");
    if (!program.Press(IDC_INITIALIZE_PI))
        return Fail(program, "Initialize Pi");
    UpdateWindow(program.Dialog());
    std::vector<double> handled, painted;
    handled.reserve(static_cast<std::size_t>(count));
    painted.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const double t0 = Now();
        if (!program.Press(IDC_ONE_MORE_DIGIT))
            return Fail(program, "press");
        const double t1 = Now();
        RedrawWindow(program.Dialog(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        const double t2 = Now();
        handled.push_back(t1 - t0);
        painted.push_back(t2 - t0);
    }
    std::printf("press_median_ms %.3f\n", Quantile(handled, 0.5));
    std::printf("press_p99_ms %.3f\n", Quantile(handled, 0.99));
    std::printf("press_painted_median_ms %.3f\n", Quantile(painted, 0.5));
    std::printf("press_painted_p99_ms %.3f\n", Quantile(painted, 0.99));
    std::printf("presses_peak_working_set_kb %llu\n",
                static_cast<unsigned long long>(PeakWorkingSetKb(program)));
    return End(program);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], "startup") == 0)
        return Startup(argv[2]);
    if (argc == 4 && std::strcmp(argv[1], "presses") == 0)
        return Presses(argv[2], std::atoi(argv[3]));
    std::fprintf(stderr, "usage: dialog_bench startup EXE | presses EXE COUNT\n");
    return 2;
}
