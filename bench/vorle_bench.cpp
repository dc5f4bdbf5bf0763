// The program's speed figures, measured as a user meets them and printed as
// ratios or per-item times:
//   - start to a shown main window against a bare Qt dialog built with the
//     same flags, in time and in peak memory (each start a child process of
//     this one, timed from its spawn to its first painted window, its peak
//     resident size read when it ends);
//   - the extra start time of a full project (36 keys x 37 slots x 20 events)
//     over an empty start;
//   - adding one key action to the full Action List, from the key dialog's
//     "Add" until the Action List has been painted;
//   - an upload of a large project against the keypad simulator answering at
//     once: host time per frame beyond the 50 ms chunk rule;
//   - IR learning: the window's receive handler fed look-alike headers one
//     byte at a time, against the same number of plain bytes.
// It runs offscreen unless QT_QPA_PLATFORM says otherwise and needs no
// device. Usage: vorle-bench [--runs N] [--only start|add|upload|learn] (N start runs
// per figure, default 15; 3 N adds).
#include "app/cqvmview2listctrl.h"
#include "app/cravlodlg.h"
#include "app/keypanellayout.h"
#include "app/qtprompter.h"
#include "device/devicetiming.h"
#include "editors/cdlgkeynormal.h"
#include "model/projectfile.h"
#include "platform/programpaths.h"
#include "platform/prompter.h"
#include "support/keypad_simulator.h"
#include "support/usb_port_fixture.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <functional>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

double Ms(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

// The p-th percentile (0-100) by the nearest-rank rule.
double Percentile(std::vector<double> v, double p) {
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    const size_t rank = static_cast<size_t>(std::max(1.0, std::ceil(p / 100.0 * double(v.size()))));
    return v[std::min(rank, v.size()) - 1];
}

double Median(std::vector<double> v) {
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

std::string Spread(const std::vector<double>& v, const char* unit) {
    if (v.empty())
        return "none";
    char text[96];
    std::snprintf(text, sizeof text, "%.1f-%.1f %s", *std::min_element(v.begin(), v.end()),
                  *std::max_element(v.begin(), v.end()), unit);
    return text;
}

const char* Verdict(bool met) {
    return met ? "met" : "NOT MET";
}

// ----- projects

// Event texts of several kinds, as the event pages compose them.
std::string EventText(int i) {
    static const std::string kIrCode = [] {
        std::string code;
        for (int b = 0; b < 99; ++b)
            code += "a5";
        return code;
    }();
    switch (i % 4) {
    case 0:
        return "RELY : 1 : 0 : 0";
    case 1:
        return "DELY : 1 : 2 : 30 : 1 : 0102301";
    case 2:
        return "INFR : TV : Power : 0 : 1 : 0 : 1 : 1 : c6 : " + kIrCode;
    default:
        return "UART :  :  :  : 9600 : 1 : 0 : 0 : 0 : 0 : 0 : 0 : 1 : 1 :1 :PWON";
    }
}

// A model-0 project whose keys look as the panel makes them, with `events`
// event texts in each of the first `slotCount` slots of every key.
ProjectFile MakeProject(int slotCount, int events) {
    ProjectFile project;
    for (int k = 0; k < kKeyCount; ++k) {
        KeyRecord& key = project.m_keys[size_t(k)];
        key.m_nKeyType = k < 8 ? kKeyNormal : k < 32 ? kKeyVirtual : kKeySystem;
        key.m_nColorScheme = key.m_nKeyType;
        key.m_strCaption = std::to_string(k + 1);
        key.m_strName = k < 32 ? key.m_strCaption : SystemKeyName(k);
        key.m_nKind = 1; // a press: adding a press keeps the other slots
        for (int s = 0; s < slotCount; ++s)
            for (int e = 0; e < events; ++e)
                key.m_arrSlots[size_t(s)].push_back(EventText(k + s + e));
    }
    return project;
}

// ----- waiting for paint

// Counts the paint events of every widget while it is installed, and notes
// whether `target` was painted.
class PaintWatch : public QObject {
public:
    explicit PaintWatch(QWidget* target) : m_target(target) { qApp->installEventFilter(this); }
    ~PaintWatch() override { qApp->removeEventFilter(this); }
    void Reset() {
        m_painted = false;
        m_paints = 0;
    }
    bool Painted() const { return m_painted; }
    int Paints() const { return m_paints; }
    // Serves events until the target has been painted; the paint event has
    // been handled, and the window flushed, when this returns.
    void WaitPainted() {
        while (!m_painted)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->isWidgetType()) {
            ++m_paints;
            if (watched == m_target)
                m_painted = true;
        }
        return false;
    }

private:
    QWidget* m_target;
    bool m_painted = false;
    int m_paints = 0;
};

// Answers every question with OK (or its default) and keeps the texts.
class BenchPrompter : public prompt::Prompter {
public:
    prompt::Answer Message(const prompt::MessageRequest& request) override {
        m_texts.push_back(request.text);
        return request.defaultAnswer;
    }
    prompt::Answer Ask(const std::string&, const std::string& text) override {
        m_texts.push_back(text);
        return prompt::Answer::Ok;
    }
    std::optional<QString> ChooseFile(const prompt::FileRequest&) override { return std::nullopt; }
    std::vector<std::string> m_texts;
};

// ----- the start, in a child process

// The child: starts the bare dialog or the program's main window the way
// main() does and prints the milliseconds from its own start to the first
// painted window.
int RunStartChild(const Clock::time_point start, int argc, char** argv) {
    // argv: program --child bare|main <program folder> [project]
    const std::string kind = argv[2];
    QApplication app(argc, argv);
    // Reports at the first paint, before anything is torn down: the parent
    // reads the wall time when this line arrives. The processor time is the
    // whole process's so far: less disturbed by other work on the machine
    // than the wall time.
    const auto report = [&] {
        const double ms = Ms(Clock::now() - start);
        timespec cpu{};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu);
        std::printf("%.3f %.3f\n", ms, double(cpu.tv_sec) * 1000 + double(cpu.tv_nsec) / 1e6);
        std::fflush(stdout);
    };
    if (kind == "bare") {
        // A dialog with a line of text and a button, so that it loads the
        // fonts and the style as any dialog does, as large as the main
        // window.
        QDialog dialog;
        auto* label = new QLabel(QStringLiteral("Vorle-Control"), &dialog);
        label->move(10, 10);
        auto* ok = new QPushButton(QStringLiteral("OK"), &dialog);
        ok->move(10, 40);
        dialog.setWindowTitle(QStringLiteral("Vorle-Control"));
        dialog.resize(CravloDlg::DesignClientSize());
        PaintWatch watch(&dialog);
        dialog.show();
        watch.WaitPainted();
        report();
    } else if (kind == "main" && argc >= 4) {
        QApplication::setApplicationName(QStringLiteral("Vorle-Control"));
        paths::SetProgramFolder(QString::fromLocal8Bit(argv[3]));
        QStringList args;
        if (argc > 4)
            args << QString::fromLocal8Bit(argv[4]);
        QtPrompter prompter;
        prompt::SetPrompter(&prompter);
        {
            CravloDlg dlg(args);
            PaintWatch watch(&dlg);
            dlg.show();
            watch.WaitPainted();
            report();
        }
        prompt::SetPrompter(nullptr);
    } else {
        return 2;
    }
    return 0;
}

struct StartSample {
    double wallMs = 0; // spawn to the child's report
    double selfMs = 0; // the child's own start to its first paint
    double cpuMs = 0;  // processor time of the child up to its first paint
    double peakMb = 0; // peak resident size
};

std::string SelfPath() {
    char path[4096];
    const ssize_t n = ::readlink("/proc/self/exe", path, sizeof path - 1);
    if (n <= 0)
        return {};
    return std::string(path, size_t(n));
}

// Spawns this program as a start child and measures it; exits on failure.
StartSample SpawnStart(const std::vector<std::string>& args, const std::string& errorLog) {
    const std::string self = SelfPath();
    std::vector<std::string> all = {self, "--child"};
    all.insert(all.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& a : all)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    int out[2];
    if (::pipe(out) != 0) {
        std::perror("pipe");
        std::exit(1);
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    posix_spawn_file_actions_addopen(&actions, 2, errorLog.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);

    StartSample sample;
    pid_t pid = 0;
    const Clock::time_point t0 = Clock::now();
    const int rc = ::posix_spawn(&pid, self.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(out[1]);
    if (rc != 0) {
        std::fprintf(stderr, "spawn: %s\n", std::strerror(rc));
        std::exit(1);
    }
    std::string line;
    char c;
    while (::read(out[0], &c, 1) == 1 && c != '\n')
        line += c;
    sample.wallMs = Ms(Clock::now() - t0);
    while (::read(out[0], &c, 1) == 1) {
    }
    ::close(out[0]);
    int status = 0;
    rusage usage{};
    ::wait4(pid, &status, 0, &usage);
    if (line.empty() || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "the start child %s failed; its messages are in %s\n", args.front().c_str(),
                     errorLog.c_str());
        std::exit(1);
    }
    std::sscanf(line.c_str(), "%lf %lf", &sample.selfMs, &sample.cpuMs);
    sample.peakMb = double(usage.ru_maxrss) / 1024.0; // kilobytes on Linux
    return sample;
}

// ----- the figures measured in this process

// One window with the full project: adds a press to key 1 through the key
// dialog `runs` times and returns each time from "Add" until the Action List
// was painted; `paints` gets the median number of widgets painted.
std::vector<double> MeasureAddKeyAction(const QString& project, int runs, double& paints) {
    CravloDlg dlg({project});
    {
        PaintWatch shown(&dlg);
        dlg.show();
        shown.WaitPainted();
    }
    CQvmView2ListCtrl* list = dlg.m_listAction;
    CBaseButton& key = dlg.m_keys[0];
    PaintWatch watch(list->viewport());
    std::vector<double> times;
    std::vector<double> paintCounts;
    for (int i = 0; i < runs + 3; ++i) {
        // The user deletes key 1's press first (its row selected, "Del"),
        // so that the dialog's "Add" adds it again.
        list->SelectItem(list->FindItem(0, kSlotPress));
        dlg.OnBnClickedDelAction();
        QCoreApplication::processEvents();

        Clock::time_point added;
        QTimer answer;
        QObject::connect(&answer, &QTimer::timeout, [&] {
            auto* d = qobject_cast<CDlgKeyNormal*>(QApplication::activeModalWidget());
            if (!d || !d->isVisible())
                return;
            answer.stop();
            QCoreApplication::processEvents(); // the dialog's own first paint
            watch.Reset();
            added = Clock::now();
            d->m_btnOk->click();
        });
        answer.start(0);
        dlg.OnKeyButton(dlgid::kFirstKey + 0);
        watch.WaitPainted();
        const double ms = Ms(Clock::now() - added);
        if (key.m_arrSlots[kSlotPress].empty() || list->GetItemCount() != kKeyCount * kSlotCount) {
            std::fprintf(stderr, "adding the key action did not work\n");
            std::exit(1);
        }
        if (i >= 3) { // the first adds warm up
            times.push_back(ms);
            paintCounts.push_back(watch.Paints());
        }
    }
    paints = Median(paintCounts);
    return times;
}

// The start of a window with and without the full project in this process
// (warm: fonts and styles are loaded), each to its first paint.
double MeasureWindowStart(const QStringList& args) {
    const Clock::time_point t0 = Clock::now();
    CravloDlg dlg(args);
    PaintWatch watch(&dlg);
    dlg.show();
    watch.WaitPainted();
    return Ms(Clock::now() - t0);
}

struct UploadFigures {
    int frames = 0;
    std::vector<double> hostMs; // per frame, beyond the chunk gap
    double totalS = 0;
};

// Connects a window with `project` to the simulator over a USB-serial port of
// a fixture tree and uploads it with the program's own timing.
UploadFigures MeasureUpload(const QString& project, BenchPrompter& prompter) {
    KeypadSimulator sim;
    UsbPortFixture usb;
    usb.Plug("ttyACM0", sim.PortPath());
    UploadFigures figures;
    CravloDlg dlg({project});
    dlg.show();
    dlg.MenuAction(cmdid::kConnectionUsb)->trigger();
    const Clock::time_point connectBound = Clock::now() + std::chrono::seconds(10);
    while (!(dlg.m_staticConnected->isVisible() && dlg.m_nLinkState == 0)) {
        if (Clock::now() > connectBound) {
            std::fprintf(stderr, "the window did not connect to the simulator\n");
            std::exit(1);
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    sim.ClearRecord();
    prompter.m_texts.clear();
    const Clock::time_point t0 = Clock::now();
    dlg.OnConnectionUpload();
    while (dlg.IsUploading())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    figures.totalS = Ms(Clock::now() - t0) / 1000;
    const std::vector<std::string> frames = sim.Frames();
    const std::vector<Clock::time_point> times = sim.FrameTimes();
    figures.frames = int(frames.size());
    // Frame 0 is the clear and frame 1 follows the clear's end; from frame 2
    // on every frame follows the reply to the one before it.
    for (size_t i = 2; i < times.size(); ++i)
        figures.hostMs.push_back(Ms(times[i] - times[i - 1]) - kChunkGapMs);
    if (prompter.m_texts.size() != 1)
        std::fprintf(stderr, "the upload showed %zu messages\n", prompter.m_texts.size());
    return figures;
}

// Figures 1 and 2: start children, taking turns so that the load of the
// machine falls on every kind alike; one warm-up start of each first (the
// settings file and the desktop registration are written then).
void ReportStart(const QString& root, const QString& fullPath, int runs) {
    const std::string folder = root.toStdString();
    const std::string errorLog = folder + "/children.log";
    const std::vector<std::vector<std::string>> kinds = {
        {"bare"}, {"main", folder}, {"main", folder, fullPath.toStdString()}};
    std::vector<std::vector<StartSample>> samples(kinds.size());
    for (const auto& kind : kinds)
        SpawnStart(kind, errorLog);
    for (int r = 0; r < runs; ++r)
        for (size_t j = 0; j < kinds.size(); ++j) {
            const size_t k = (j + size_t(r)) % kinds.size();
            samples[k].push_back(SpawnStart(kinds[k], errorLog));
        }
    auto column = [&](size_t kind, double StartSample::*field) {
        std::vector<double> v;
        for (const StartSample& s : samples[kind])
            v.push_back(s.*field);
        return v;
    };
    const auto bareWall = column(0, &StartSample::wallMs);
    const auto mainWall = column(1, &StartSample::wallMs);
    const auto fullWall = column(2, &StartSample::wallMs);
    const auto bareSelf = column(0, &StartSample::selfMs);
    const auto mainSelf = column(1, &StartSample::selfMs);
    const auto bareCpu = column(0, &StartSample::cpuMs);
    const auto mainCpu = column(1, &StartSample::cpuMs);
    const auto barePeak = column(0, &StartSample::peakMb);
    const auto mainPeak = column(1, &StartSample::peakMb);
    const auto fullPeak = column(2, &StartSample::peakMb);

    const double timeRatio = Median(mainWall) / Median(bareWall);
    std::printf("\n1. start to a shown window, main window / bare Qt dialog: %.2fx [target <= 1.25x: %s]\n",
                timeRatio, Verdict(timeRatio <= 1.25));
    std::printf("   spawn to first paint: main %.1f ms (%s), bare %.1f ms (%s)\n", Median(mainWall),
                Spread(mainWall, "ms").c_str(), Median(bareWall), Spread(bareWall, "ms").c_str());
    std::printf("   from the process's own main(): main %.1f ms, bare %.1f ms, ratio %.2fx\n",
                Median(mainSelf), Median(bareSelf), Median(mainSelf) / Median(bareSelf));
    std::printf("   processor time to first paint: main %.1f ms, bare %.1f ms, ratio %.2fx\n",
                Median(mainCpu), Median(bareCpu), Median(mainCpu) / Median(bareCpu));
    const double peakRatio = Median(mainPeak) / Median(barePeak);
    std::printf("   peak memory, main window / bare Qt dialog: %.2fx [target <= 1.15x: %s]\n", peakRatio,
                Verdict(peakRatio <= 1.15));
    std::printf("   peak resident: main %.1f MB (%s), bare %.1f MB (%s)\n", Median(mainPeak),
                Spread(mainPeak, "MB").c_str(), Median(barePeak), Spread(barePeak, "MB").c_str());

    std::vector<double> pairedExtra;
    for (int r = 0; r < runs; ++r)
        pairedExtra.push_back(fullWall[size_t(r)] - mainWall[size_t(r)]);
    const double extra = Median(fullWall) - Median(mainWall);
    std::printf("\n2. full project (36 keys x 37 slots x 20 events = 1332 rows) on the command line,\n"
                "   extra over an empty start: %+.1f ms [target <= 20 ms: %s]\n",
                extra, Verdict(extra <= 20));
    std::printf("   spawn to first paint %.1f ms (%s); run-by-run extra %s; peak %.1f MB\n", Median(fullWall),
                Spread(fullWall, "ms").c_str(), Spread(pairedExtra, "ms").c_str(), Median(fullPeak));

    // The same in this process, where fonts and styles are loaded already.
    std::vector<double> warmEmpty;
    std::vector<double> warmFull;
    MeasureWindowStart({});
    for (int r = 0; r < runs; ++r) {
        warmEmpty.push_back(MeasureWindowStart({}));
        warmFull.push_back(MeasureWindowStart({fullPath}));
    }
    std::printf(
        "   in one process, warm: window to first paint %.1f ms empty, %.1f ms full, extra %+.1f ms\n",
        Median(warmEmpty), Median(warmFull), Median(warmFull) - Median(warmEmpty));
    std::fflush(stdout);
}

// Figure 3.
void ReportAdd(const QString& fullPath, int runs) {
    double paints = 0;
    const std::vector<double> adds = MeasureAddKeyAction(fullPath, runs, paints);
    const double add = Median(adds);
    std::printf("\n3. adding one key action to the full Action List, \"Add\" to the list painted:\n"
                "   %.2f ms per add [target <= 2 ms: %s]\n",
                add, Verdict(add <= 2));
    std::printf("   %zu adds: p90 %.2f ms, %s; widgets painted per add: %.0f\n", adds.size(),
                Percentile(adds, 90), Spread(adds, "ms").c_str(), paints);
    std::fflush(stdout);
}

// Figure 4.
void ReportUpload(const QString& uploadPath, BenchPrompter& prompter) {
    const UploadFigures upload = MeasureUpload(uploadPath, prompter);
    const double hostMedian = Median(upload.hostMs);
    const double hostP95 = Percentile(upload.hostMs, 95);
    std::printf("\n4. upload of %d frames (36 keys x 8 key actions x 4 events) to the simulator answering at "
                "once,\n   host time per frame beyond the %d ms chunk rule: median %.2f ms, p95 %.2f ms "
                "[target <= 1 ms: %s]\n",
                upload.frames, kChunkGapMs, hostMedian, hostP95, Verdict(hostP95 <= 1));
    std::printf("   whole upload %.1f s, %s per frame beyond the rule\n", upload.totalS,
                Spread(upload.hostMs, "ms").c_str());
    std::fflush(stdout);
}

// Figure 5: processor time per byte of the learned-code assembly, each byte
// handed to the window's receive handler as a chunk of its own, the way
// the link hands chunks over, with the IR library editor's window open.
double LearnNsPerByte(CravloDlg& dlg, const std::string& stream, int repeats) {
    timespec t0{}, t1{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t0);
    for (int r = 0; r < repeats; ++r) {
        dlg.m_bRxBusy = false; // as a new learn request does
        for (const char byte : stream) {
            const std::string chunk(1, byte);
            dlg.OnRsComData(chunk.data(), int(chunk.size()));
        }
    }
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t1);
    const double ns = double(t1.tv_sec - t0.tv_sec) * 1e9 + double(t1.tv_nsec - t0.tv_nsec);
    return ns / double(repeats) / double(stream.size());
}

void ReportLearn(int runs) {
    constexpr size_t kStreamBytes = 2048;
    std::string lookAlike = "QVM2035";
    while (lookAlike.size() < kStreamBytes)
        lookAlike += "QVM0500";
    lookAlike.resize(kStreamBytes);
    std::string plain;
    for (size_t i = 0; plain.size() < kStreamBytes; ++i)
        if (const char c = char(i * 37 % 256); c != 'Q')
            plain += c;
    CravloDlg dlg{QStringList()};
    QWidget editor; // found by its title, so learning stays on
    editor.setWindowTitle(QStringLiteral("IR Edit"));
    dlg.m_bIrLearning = true;
    std::vector<double> ratios, lookNs, plainNs;
    for (int r = 0; r < runs; ++r) {
        plainNs.push_back(LearnNsPerByte(dlg, plain, 20));
        lookNs.push_back(LearnNsPerByte(dlg, lookAlike, 20));
        ratios.push_back(lookNs.back() / plainNs.back());
    }
    const double ratio = Median(ratios);
    std::printf("\n5. IR learning, 2 KB fed one byte at a time to the window's receive handler:\n"
                "   look-alike headers (\"QVM2035\", then \"QVM0500\" again and again) / plain bytes: "
                "%.1f x [target <= 5 x: %s]\n",
                ratio, Verdict(ratio <= 5));
    std::printf("   processor time per byte: look-alike %.0f ns, plain %.0f ns; ratios %s\n", Median(lookNs),
                Median(plainNs), Spread(ratios, "x").c_str());
    std::fflush(stdout);
}

// The offscreen platform's notes on what it cannot do are not figures.
void QuietPlatformNotes(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.contains(QLatin1String("propagateSizeHints")) ||
        message.contains(QLatin1String("XDG_RUNTIME_DIR")))
        return;
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

int RunBenchmark(int argc, char** argv) {
    qInstallMessageHandler(QuietPlatformNotes);
    int runs = 15;
    std::string only;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::string(argv[i]) == "--runs")
            runs = std::max(3, std::atoi(argv[i + 1]));
        if (std::string(argv[i]) == "--only")
            only = argv[i + 1];
    }
    const auto wanted = [&](const char* figure) { return only.empty() || only == figure; };

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vorle-Control"));
    QTemporaryDir dir;
    const QString root = dir.path();
    // Settings, Library, upload log and the desktop registration stay in the
    // temporary folder, for this process and the start children.
    qputenv("XDG_DATA_HOME", (root + "/data").toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (root + "/config").toLocal8Bit());
    paths::SetProgramFolder(root);
    const QString fullPath = root + "/full.dvp";
    const QString uploadPath = root + "/upload.dvp";
    if (!MakeProject(kSlotCount, 20).Write(fullPath) || !MakeProject(8, 4).Write(uploadPath)) {
        std::fprintf(stderr, "cannot write the projects\n");
        return 1;
    }
    std::printf("Vorle-Control benchmark (%s build, platform %s, %d runs per start figure, %d adds;\n"
                "medians, spread min-max)\n",
                QVM_BUILD_TYPE, qPrintable(QGuiApplication::platformName()), runs, 3 * runs);
    std::fflush(stdout);

    BenchPrompter prompter;
    prompt::SetPrompter(&prompter);
    if (wanted("start"))
        ReportStart(root, fullPath, runs);
    if (wanted("add"))
        ReportAdd(fullPath, 3 * runs);
    if (wanted("upload"))
        ReportUpload(uploadPath, prompter);
    if (wanted("learn"))
        ReportLearn(runs);
    prompt::SetPrompter(nullptr);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const Clock::time_point start = Clock::now();
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    if (argc >= 3 && std::string(argv[1]) == "--child")
        return RunStartChild(start, argc, argv);
    return RunBenchmark(argc, argv);
}
