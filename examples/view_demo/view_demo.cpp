#include <QApplication>
#include <QTimer>
#include <cstdlib>

#include "tests/support/sample_window.h"
#include "ui/qt/app_icon.h"
#include "ui/qt/qt_dialogs.h"
#include "ui/qt/qt_window_view.h"

using namespace vorlane::ui;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setWindowIcon(qt::AppIcon());
    test::SampleWindow sample;
    qt::QtDialogs dialogs;
    Control& info = sample["InfoButton"];
    info.onClick = [&] {
        dialogs.ShowAbout(AboutInfo{"Vorlane v4.1", "A sample of the window", "Piano chords",
                                    AboutIcon::Application});
    };
    sample.notesCheck->onClick = [&] {
        const std::string name = sample.notesCheck->checked ? "C" : "";
        for (Control* marker : sample.keyMarkers) {
            marker->text = name;
        }
    };
    qt::QtWindowView view(sample.window);
    dialogs.SetParentWidget(&view);
    view.show();
    if (const char* grab = std::getenv("VORLANE_DEMO_GRAB")) {
        QTimer::singleShot(200, [&] {
            view.grab().save(QString::fromLocal8Bit(grab));
            QApplication::quit();
        });
    }
    return QApplication::exec();
}
