// The floor of the start-up benchmark (startup_bench.py): a plain Qt 6 Widgets window with
// Vorlane's client area and nothing in it, reporting its first paint the same way.

#include <QApplication>
#include <QWidget>

#include "ui/qt/first_paint.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QWidget window;
    window.setFixedSize(747, 626);
    window.setWindowTitle(QStringLiteral("Bare window"));
    vorlane::ui::qt::ReportFirstPaintIfAsked(window);
    window.show();
    return QApplication::exec();
}
