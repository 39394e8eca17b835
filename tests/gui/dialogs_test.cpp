#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

#include <pwd.h>
#include <unistd.h>

#include "tests/gui/qt_printers.h"
#include "ui/qt/qt_dialogs.h"

namespace vorlane::ui::qt {
namespace {

// Answers each dialog with the next script step instead of showing it.
class ScriptedDialogs : public QtDialogs {
  public:
    std::vector<std::function<int(QDialog&)>> steps;
    std::vector<QString> warnings;

  protected:
    int Exec(QDialog& dialog) override {
        EXPECT_FALSE(steps.empty()) << "an unexpected dialog";
        if (steps.empty()) {
            return QDialog::Rejected;
        }
        auto step = steps.front();
        steps.erase(steps.begin());
        return step(dialog);
    }
    void WarnMissingFolder(const QString& folder) override { warnings.push_back(folder); }
};

SaveDialog ChordDialog(const QString& folder) {
    SaveDialog dialog;
    dialog.filter = "Piano Chords|*.txt";
    dialog.defaultExtension = "txt";
    dialog.initialFolder = folder.toStdString();
    dialog.title = "Bewaar Akkoorden";
    dialog.fileName = "akkoorden";
    return dialog;
}

TEST(QtDialogsTest, SaveDialogIsSetUpFromTheRecordAndReportsTheChoice) {
    QTemporaryDir folder;
    ScriptedDialogs dialogs;
    SaveDialog record = ChordDialog(folder.path());
    const QString chosen = folder.filePath("mine.txt");
    dialogs.steps.push_back([&](QDialog& d) {
        auto& box = dynamic_cast<QFileDialog&>(d);
        EXPECT_EQ(box.acceptMode(), QFileDialog::AcceptSave);
        EXPECT_EQ(box.fileMode(), QFileDialog::AnyFile);
        EXPECT_EQ(box.nameFilters(), QStringList{"Piano Chords (*.txt)"});
        EXPECT_EQ(box.defaultSuffix(), "txt");
        EXPECT_FALSE(box.testOption(QFileDialog::DontConfirmOverwrite));
        EXPECT_EQ(QDir(box.directory()).canonicalPath(), QDir(folder.path()).canonicalPath());
        EXPECT_EQ(box.windowTitle(), "Bewaar Akkoorden");
        EXPECT_EQ(box.selectedFiles().value(0), folder.filePath("akkoorden.txt"))
            << "offered, with the suffix";
        box.selectFile(chosen);
        return int(QDialog::Accepted);
    });
    EXPECT_TRUE(dialogs.RunSaveDialog(record));
    EXPECT_EQ(QString::fromStdString(record.fileName), chosen);

    dialogs.steps.push_back([](QDialog&) { return int(QDialog::Rejected); });
    EXPECT_FALSE(dialogs.RunSaveDialog(record));
    EXPECT_EQ(record.fileName, "");

    // A path in a missing folder is refused and the dialog stays open for another try.
    record = ChordDialog(folder.path());
    dialogs.steps.push_back([&](QDialog& d) {
        dynamic_cast<QFileDialog&>(d).selectFile(folder.filePath("nowhere/list.txt"));
        return int(QDialog::Accepted);
    });
    dialogs.steps.push_back([&](QDialog& d) {
        dynamic_cast<QFileDialog&>(d).selectFile(chosen);
        return int(QDialog::Accepted);
    });
    EXPECT_TRUE(dialogs.RunSaveDialog(record));
    EXPECT_EQ(QString::fromStdString(record.fileName), chosen);
    ASSERT_EQ(dialogs.warnings.size(), 1u);
    EXPECT_TRUE(dialogs.warnings[0].endsWith("nowhere"));
    EXPECT_EQ(QtDialogs::NameFilters("A|*.a|B|*.b"), (QStringList{"A (*.a)", "B (*.b)"}));
}

TEST(QtDialogsTest, OpenDialogIsSetUpFromTheRecordAndReportsTheChoice) {
    QTemporaryDir folder;
    ScriptedDialogs dialogs;
    OpenDialog record{"Piano Chords|*.txt", folder.path().toStdString(), "", "Open Chord List"};
    const QString chosen = folder.filePath("list.txt");
    dialogs.steps.push_back([&](QDialog& d) {
        auto& box = dynamic_cast<QFileDialog&>(d);
        EXPECT_EQ(box.acceptMode(), QFileDialog::AcceptOpen);
        EXPECT_EQ(box.fileMode(), QFileDialog::ExistingFile);
        EXPECT_EQ(box.nameFilters(), QStringList{"Piano Chords (*.txt)"});
        EXPECT_EQ(QDir(box.directory()).canonicalPath(), QDir(folder.path()).canonicalPath());
        EXPECT_EQ(box.windowTitle(), "Open Chord List");
        box.selectFile(chosen);
        return int(QDialog::Accepted);
    });
    EXPECT_TRUE(dialogs.RunOpenDialog(record));
    EXPECT_EQ(QString::fromStdString(record.fileName), chosen);
    dialogs.steps.push_back([](QDialog&) { return int(QDialog::Rejected); });
    EXPECT_FALSE(dialogs.RunOpenDialog(record));
    EXPECT_EQ(record.fileName, "");
}

TEST(QtDialogsTest, RealSaveDialogTakesATypedNameWithTheDefaultSuffix) {
    QTemporaryDir folder;
    QtDialogs dialogs;
    SaveDialog record = ChordDialog(folder.path());
    QTimer::singleShot(50, [] {
        auto* box = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        auto* name = box->findChild<QLineEdit*>("fileNameEdit");
        ASSERT_NE(name, nullptr);
        name->setText("typed");
        static_cast<QDialog*>(box)
            ->accept();  // QFileDialog::accept checks the name as the Save button does
    });
    EXPECT_TRUE(dialogs.RunSaveDialog(record));
    EXPECT_EQ(QString::fromStdString(record.fileName), folder.filePath("typed.txt"));
    // The dialog keeps its state in QtProject.conf: in the test's own home, not the account's.
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    EXPECT_TRUE(QFile::exists(config + QStringLiteral("/QtProject.conf")));
    EXPECT_TRUE(config.startsWith(QDir::homePath()));
    EXPECT_NE(QDir::homePath(), QString::fromLocal8Bit(getpwuid(getuid())->pw_dir));
}

TEST(QtDialogsTest, ErrorAndAboutBoxesShowWhatTheyAreGiven) {
    ScriptedDialogs dialogs;
    dialogs.steps.push_back([](QDialog& d) {
        auto& box = dynamic_cast<QMessageBox&>(d);
        EXPECT_EQ(box.icon(), QMessageBox::Critical);
        EXPECT_EQ(box.windowTitle(), "Piano Chords v4.1");
        EXPECT_EQ(box.text(), "Kan niet bewaren");
        return int(QMessageBox::Ok);
    });
    dialogs.ShowError("Piano Chords v4.1", "Kan niet bewaren");

    AboutInfo about{"Piano Chords v4.1 - 32 bit - ", "© 2026 Vorlane", "Piano-akkoorden",
                    AboutIcon::Application};
    dialogs.steps.push_back([](QDialog& d) {
        EXPECT_TRUE(d.isModal());
        EXPECT_EQ(d.windowTitle(), "Piano Chords v4.1 - 32 bit - ");
        EXPECT_EQ(d.findChild<QLabel*>("AboutDescription")->text(), "Piano-akkoorden");
        EXPECT_EQ(d.findChild<QLabel*>("AboutNotice")->text(), "© 2026 Vorlane");
        EXPECT_FALSE(d.findChild<QLabel*>("AboutIcon")->pixmap().isNull());
        // The description is the first line, the notice under it.
        EXPECT_LT(d.findChild<QLabel*>("AboutDescription")->y(),
                  d.findChild<QLabel*>("AboutNotice")->y());
        return int(QDialog::Accepted);
    });
    dialogs.ShowAbout(about);
}

}  // namespace
}  // namespace vorlane::ui::qt
