// The end-to-end driver: runs scenario files against DROVU_95.EXE, a fresh
// program per scenario, and writes one line per scenario to a log that the
// test script polls.
//   drive.exe --log FILE --program EXE [--scratch DIR] [--snaps DIR] SCENARIO...
#include <windows.h>

#include <cstring>

#include "program.h"
#include "script.h"
#include "text.h"

static const DWORD kDefaultTimeoutMs = 10000;

void log_line(Session& s, const std::string& line)
{
    if (!s.log) return;
    std::fputs((line + "\n").c_str(), s.log);
    std::fflush(s.log);
}

void end_scenario(Session& s)
{
    end_scenario_program(s);
    restore_registry(s);
    s.timeout_ms = kDefaultTimeoutMs;
}

void end_scenario_program(Session& s)
{
    Program& p = s.program;
    if (p.process) {
        if (program_running(p)) TerminateProcess(p.process, 1);
        WaitForSingleObject(p.process, 5000);
        CloseHandle(p.process);
    }
    if (p.pending) {
        WaitForSingleObject(p.pending, 5000);
        CloseHandle(p.pending);
    }
    p = Program{};
}

static std::string expand(const Session& s, std::string text)
{
    const std::string name = "${scratch}";
    for (size_t at; (at = text.find(name)) != std::string::npos;)
        text.replace(at, name.size(), s.scratch);
    return text;
}

// What the window showed when a step failed, to make the failure readable.
static std::string describe_state(Session& s)
{
    if (!s.program.process) return "no program";
    if (!program_running(s.program)) return "the program has ended";
    std::string caption, state = "caption \"";
    read_text(s, s.program.main, &caption);
    state += visible(caption) + "\"";
    if (HWND dialog = find_dialog(s.program.pid)) {
        std::string title;
        read_text(s, dialog, &title);
        state += ", dialog \"" + visible(title) + "\" open";
    }
    return state;
}

static bool run_step(Session& s, const std::vector<Verb>& verbs, const Step& step,
                     std::string* why)
{
    for (const Verb& verb : verbs) {
        if (step.verb != verb.name) continue;
        int n = static_cast<int>(step.args.size());
        if (n < verb.min_args || (verb.max_args >= 0 && n > verb.max_args)) {
            *why = std::string("usage: ") + verb.usage;
            return false;
        }
        Args args;
        for (const std::string& a : step.args) args.push_back(expand(s, a));
        return verb.run(s, args, why);
    }
    *why = "unknown verb " + step.verb;
    return false;
}

static bool run_scenario(Session& s, const std::vector<Verb>& verbs, const std::string& path,
                         std::string* why)
{
    std::vector<Step> steps;
    if (!read_scenario(path, &steps, why)) return false;
    for (const Step& step : steps) {
        if (run_step(s, verbs, step, why)) continue;
        *why = "line " + std::to_string(step.line) + " " + step.verb + ": " + *why + " [" +
               describe_state(s) + "]";
        return false;
    }
    // A scenario must not leave a message box nobody looked at.
    if (s.program.process && program_running(s.program) && !settle_without_dialog(s, why)) {
        *why = "at the end: " + *why;
        return false;
    }
    return true;
}

static std::string scenario_name(const std::string& path)
{
    size_t slash = path.find_last_of("/\\");
    std::string name = path.substr(slash == std::string::npos ? 0 : slash + 1);
    size_t dot = name.rfind(".scn");
    return dot == std::string::npos ? name : name.substr(0, dot);
}

// Everything the driver starts belongs to a job that ends with the driver,
// so no program outlives a driver that was killed.
static void join_kill_on_close_job()
{
    HANDLE job = CreateJobObjectW(nullptr, nullptr);
    if (!job) return;
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    SetInformationJobObject(job, JobObjectExtendedLimitInformation, &limits, sizeof limits);
    AssignProcessToJobObject(job, GetCurrentProcess());
}

int main(int argc, char** argv)
{
    Session s;
    std::string log_path;
    std::vector<std::string> scenarios;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        bool has_value = i + 1 < argc;
        if (a == "--log" && has_value) log_path = windows_path(argv[++i]);
        else if (a == "--program" && has_value) s.program_path = widen(windows_path(argv[++i]));
        else if (a == "--scratch" && has_value) s.scratch = windows_path(argv[++i]);
        else if (a == "--snaps" && has_value) s.snaps = windows_path(argv[++i]);
        else scenarios.push_back(a);
    }
    if (log_path.empty() || s.program_path.empty()) {
        std::fputs("usage: drive --log FILE --program EXE [--scratch DIR] [--snaps DIR] "
                   "SCENARIO...\n", stderr);
        return 2;
    }
    s.log = _wfopen(widen(log_path).c_str(), L"ab");
    if (!s.log) return 2;
    s.timeout_ms = kDefaultTimeoutMs;
    join_kill_on_close_job();

    std::vector<Verb> verbs;
    add_program_verbs(verbs);
    add_window_verbs(verbs);
    add_box_verbs(verbs);
    add_screen_verbs(verbs);
    add_world_verbs(verbs);
    add_dialog_verbs(verbs);
    add_label_verbs(verbs);

    int passed = 0, failed = 0;
    for (const std::string& path : scenarios) {
        std::string why;
        bool ok = run_scenario(s, verbs, path, &why);
        end_scenario(s);
        ok ? ++passed : ++failed;
        log_line(s, (ok ? "ok   " : "FAIL ") + scenario_name(path) + (ok ? "" : ": " + why));
    }
    log_line(s, "END " + std::to_string(passed) + " " + std::to_string(failed));
    std::fclose(s.log);
    return failed ? 1 : 0;
}
