// The floor of the start-up benchmark (startup_bench.py): a plain Qt 6 Widgets window with
// Vorlane's client area and nothing in it, reporting its first paint the same way. Built a
// second time with one line of text in it: the floor of any window that draws text, which
// pays for the font configuration and a font a bare window never loads.

#include <QApplication>
#include <QLabel>
#include <QWidget>

#include "ui/qt/first_paint.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QWidget window;
    window.setFixedSize(747, 626);
    window.setWindowTitle(QStringLiteral("Bare window"));
#ifdef VORLANE_BENCH_ONE_LABEL
    auto* label = new QLabel(QStringLiteral("Dm7: D - F - A - C"), &window);
    label->move(10, 10);
#endif
    vorlane::ui::qt::ReportFirstPaintIfAsked(window);
    window.show();
    return QApplication::exec();
}
