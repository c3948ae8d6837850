// Drags an element across a maximal page at 200 % and prints what one drag event costs:
// the handling alone, and with the repaint that follows it.

#include "editor/elementcanvas.h"
#include "editor/mainwindow.h"
#include "maximalpage.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QStandardPaths>
#include <QTest>

#include <cstdio>

namespace {

constexpr int Moves = 1000;

// The mean time of a drag event in milliseconds, moving to and fro over 80 pixels.
double meanMoveMs(MainWindow &editor, ElementCanvas *grabbed, bool repaint)
{
    QWidget *phone = editor.phoneView();
    const QPoint start = grabbed->mapTo(phone, QPoint(4, 4));
    QTest::mousePress(grabbed, Qt::LeftButton, {}, QPoint(4, 4));
    QElapsedTimer timer;
    timer.start();
    for (int move = 0; move < Moves; ++move) {
        const int step = move % 160;
        QTest::mouseMove(phone, start + QPoint(step < 80 ? step : 160 - step, step < 80 ? step / 2 : 80 - step / 2));
        if (repaint)
            QCoreApplication::processEvents();
    }
    const double ms = timer.nsecsElapsed() / 1e6 / Moves;
    QTest::mouseRelease(phone, Qt::LeftButton, {}, start);
    return ms;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    BenchPage::Editor bench;
    MainWindow &editor = bench.window;
    bench.view.setZoomFaktor(2.0);
    editor.PageAction();
    QCoreApplication::processEvents();
    ElementCanvas *grabbed = editor.Canvas3().value(0);
    if (!grabbed)
        return 1;

    std::printf("Dragging a picture on a page of 140 pictures, 20 labels and a today view at 200 %%; mean of %d moves\n",
                Moves);
    std::printf("handling a move        %8.4f ms\n", meanMoveMs(editor, grabbed, false));
    std::printf("handling and repaint   %8.4f ms   (target under 1 ms)\n", meanMoveMs(editor, grabbed, true));
    return 0;
}
