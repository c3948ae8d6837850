// Rebuilds a page that holds every kind of element at every slot, and prints the time
// beside its floor: decoding the same BMP files with QImage alone.

#include "editor/mainwindow.h"
#include "maximalpage.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QStandardPaths>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int Runs = 30;

double medianMs(std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

double decodeFloorMs(const QStringList &files)
{
    std::vector<double> samples;
    for (int run = 0; run < Runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        for (const QString &file : files) {
            const QImage image(file, "BMP");
            Q_UNUSED(image)
        }
        samples.push_back(timer.nsecsElapsed() / 1e6);
    }
    return medianMs(samples);
}

double pageActionMs(MainWindow &editor)
{
    std::vector<double> samples;
    for (int run = 0; run < Runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        editor.PageAction();
        // The previous page's controls and the one repaint, as the event loop would do them.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
        samples.push_back(timer.nsecsElapsed() / 1e6);
    }
    return medianMs(samples);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    BenchPage::Editor bench;

    const double floor = decodeFloorMs(bench.files);
    std::printf("PageAction on a page of 140 pictures (100 with masks), 20 labels, a today view; median of %d runs\n",
                Runs);
    std::printf("%-6s %12s %12s %8s\n", "zoom", "PageAction", "decode only", "ratio");
    for (double zoom : {1.0, 2.0}) {
        bench.view.setZoomFaktor(zoom);
        const double ms = pageActionMs(bench.window);
        std::printf("%4.0f %% %9.2f ms %9.2f ms %8.2f\n", zoom * 100, ms, floor, ms / floor);
    }
    return 0;
}
