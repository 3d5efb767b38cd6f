// The real second-edition window, offscreen: a command of 256 passes over the
// longest text a pass takes, from the menu action to the idle window, and the
// time from creating the window to its first paint.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QEvent>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "bench/mixed_text.h"
#include "engine/alphabet.h"
#include "engine/line_breaks.h"
#include "engine/passes.h"
#include "engine/run_input.h"
#include "qt/main_window.h"
#include "qt/qt_desktop.h"
#include "qt/qt_text.h"
#include "qt/text_box.h"
#include "ui/form1.h"

namespace {

using namespace velk;
using Clock = std::chrono::steady_clock;

const QString Pin = QStringLiteral("27182818");

// The longest text a run takes, its line breaks as the box holds them.
const QString& MixedText() {
    static const QString text = QString::fromStdU16String(bench::MixedTextWithLf(MaxTextLength));
    return text;
}

// The program's own desktop, except that a message box is counted instead of
// shown: a successful run shows none, and a refusal must not block the run.
class BenchDesktop final : public ui::Desktop {
public:
    int messages = 0;

    void messageBox(std::u16string_view, ui::MessageStyle, std::u16string_view) override {
        ++messages;
    }
    void beep() override {}
    void setBusyPointer(bool busy) override { qt_.setBusyPointer(busy); }
    void processEventsOnce() override { qt_.processEventsOnce(); }
    bool setClipboardText(std::u16string_view text) override { return qt_.setClipboardText(text); }
    void endProgram(int) override {}

private:
    qt::QtDesktop qt_;
};

// The second edition's window with its form attached, as the program has it.
struct Program {
    BenchDesktop desktop;
    qt::MainWindow window{ui::SecondEdition()};
    ui::Form1 form{window, desktop};
    Program() { window.Attach(form); }
};

template <class T>
T& Find(const QWidget& window, const char* name) {
    T* found = window.findChild<T*>(QString::fromLatin1(name));
    if (found == nullptr) {
        std::fprintf(stderr, "window_bench: no control %s\n", name);
        std::abort();
    }
    return *found;
}

// 256 forward passes over 32,766 characters through the window: trigger the
// EncryptTxt action (it returns when the run is over), then handle the
// pending events once so the window is idle and repainted. Putting the text
// into the box is left out of the time.
void BM_Window256Passes(benchmark::State& state) {
    Program program;
    const qt::MainWindow& window = program.window;
    program.window.show();
    QApplication::processEvents();
    auto& text1 = Find<QPlainTextEdit>(window, "Text1");
    auto& encrypt = Find<QAction>(window, "EncryptTxt");
    Find<QLineEdit>(window, "txtKey").setText(Pin);
    auto& passes = Find<QComboBox>(window, "Combo1");
    passes.setCurrentText(qt::ToQString(ui::ListText(MaxPassCount)));
    if (passes.currentText() != QStringLiteral("256")) {
        state.SkipWithError("the number of times is not 256");
        return;
    }

    bool checked = false;
    for (auto _ : state) {
        state.PauseTiming();
        qt::ReplaceBoxText(text1, MixedText());
        QApplication::processEvents();
        if (!checked && CrLfLength(qt::BoxText(text1).toStdU16String()) != MaxTextLength) {
            state.SkipWithError("the box does not hold a text of 32766 characters");
            break;
        }
        state.ResumeTiming();

        encrypt.trigger();
        QApplication::processEvents();

        if (!checked) {
            state.PauseTiming();
            if (program.desktop.messages != 0 || qt::BoxText(text1) == MixedText()) {
                state.SkipWithError("the run was refused or left the text unchanged");
                break;
            }
            checked = true;
            state.ResumeTiming();
        }
    }
    const auto characters = static_cast<std::int64_t>(MaxTextLength) * MaxPassCount;
    state.SetItemsProcessed(state.iterations() * characters);
}

// Notes the first paint event a widget receives.
class PaintWatcher final : public QObject {
public:
    bool painted = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            painted = true;
        }
        return QObject::eventFilter(watched, event);
    }
};

// From before the window is created to the end of the event handling that
// delivers its first paint event (seen by an event filter on the window
// itself): that handling paints the whole first frame, children included,
// into the backing store. In seconds; negative on time-out.
double StartToFirstPaint() {
    PaintWatcher watcher;
    const Clock::time_point start = Clock::now();
    auto program = std::make_unique<Program>();
    program->window.installEventFilter(&watcher);
    program->window.show();
    const QDeadlineTimer deadline(10'000);
    while (!watcher.painted && !deadline.hasExpired()) {
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    const Clock::time_point end = Clock::now();
    program.reset();
    QApplication::processEvents();
    return watcher.painted ? std::chrono::duration<double>(end - start).count() : -1.0;
}

void BM_StartToFirstPaint(benchmark::State& state) {
    for (auto _ : state) {
        const double seconds = StartToFirstPaint();
        if (seconds < 0) {
            state.SkipWithError("no paint event within 10 s");
            break;
        }
        state.SetIterationTime(seconds);
    }
}

BENCHMARK(BM_Window256Passes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartToFirstPaint)->UseManualTime()->Unit(benchmark::kMillisecond);

// The offscreen platform warns at every fixed-size window; nothing else is
// held back.
QtMessageHandler previousHandler = nullptr;

void QuietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.contains(QStringLiteral("propagateSizeHints"))) {
        return;
    }
    if (previousHandler != nullptr) {
        previousHandler(type, context, message);
    } else {
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    qunsetenv("QT_QPA_PLATFORMTHEME");
    previousHandler = qInstallMessageHandler(QuietHandler);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    // The first window of the process also pays for fonts, style and
    // platform set-up; the benchmark below shows the later ones.
    const double cold = StartToFirstPaint();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (cold >= 0) {
        std::printf("\nFirst window of the process, start to first paint: %.1f ms\n", cold * 1e3);
    } else {
        std::printf("\nFirst window of the process: no paint event within 10 s\n");
    }
    std::fflush(stdout);
    return 0;
}
