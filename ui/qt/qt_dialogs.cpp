#include "ui/qt/qt_dialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/qt/app_icon.h"
#include "ui/qt/text.h"

namespace vorlane::ui::qt {

namespace {

constexpr int kAboutIconSize = 64;

QIcon AboutIconFor(const AboutInfo& about) {
    switch (about.iconChoice) {
        case AboutIcon::None:
            return {};
        case AboutIcon::Application:
            return AppIcon();
    }
    return {};
}

}  // namespace

QStringList QtDialogs::NameFilters(std::string_view filter) {
    const QStringList parts = ToQString(filter).split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        filters << QStringLiteral("%1 (%2)").arg(parts[i], parts[i + 1]);
    }
    return filters;
}

void QtDialogs::WarnMissingFolder(const QString& folder) {
    QMessageBox::warning(parent_, QFileDialog::tr("Save As"),
                         QFileDialog::tr("The folder %1 does not exist.").arg(folder));
}

bool QtDialogs::RunSaveDialog(SaveDialog& dialog) {
    QFileDialog box(parent_);
    box.setAcceptMode(QFileDialog::AcceptSave);
    box.setFileMode(QFileDialog::AnyFile);
    if (!dialog.title.empty()) {
        box.setWindowTitle(ToQString(dialog.title));
    }
    const QStringList filters = NameFilters(dialog.filter);
    if (!filters.isEmpty()) {
        box.setNameFilters(filters);
    }
    box.setDefaultSuffix(ToQString(dialog.defaultExtension));
    box.setOption(QFileDialog::DontConfirmOverwrite, !dialog.overwritePrompt);
    if (!dialog.initialFolder.empty()) {
        box.setDirectory(ToQString(dialog.initialFolder));
    }
    if (!dialog.fileName.empty()) {
        box.selectFile(ToQString(dialog.fileName));
    }
    for (;;) {
        if (Exec(box) != QDialog::Accepted || box.selectedFiles().isEmpty()) {
            dialog.fileName.clear();
            return false;
        }
        const QString chosen = box.selectedFiles().constFirst();
        const QString folder = QFileInfo(chosen).absolutePath();
        if (dialog.pathMustExist && !QDir(folder).exists()) {
            WarnMissingFolder(QDir::toNativeSeparators(folder));
            continue;
        }
        dialog.fileName = ToStdString(chosen);
        return true;
    }
}

bool QtDialogs::RunOpenDialog(OpenDialog& dialog) {
    QFileDialog box(parent_);
    box.setAcceptMode(QFileDialog::AcceptOpen);
    box.setFileMode(QFileDialog::ExistingFile);
    if (!dialog.title.empty()) {
        box.setWindowTitle(ToQString(dialog.title));
    }
    const QStringList filters = NameFilters(dialog.filter);
    if (!filters.isEmpty()) {
        box.setNameFilters(filters);
    }
    if (!dialog.initialFolder.empty()) {
        box.setDirectory(ToQString(dialog.initialFolder));
    }
    if (Exec(box) != QDialog::Accepted || box.selectedFiles().isEmpty()) {
        dialog.fileName.clear();
        return false;
    }
    dialog.fileName = ToStdString(box.selectedFiles().constFirst());
    return true;
}

void QtDialogs::ShowError(std::string_view title, std::string_view text) {
    QMessageBox box(QMessageBox::Critical, ToQString(title), ToQString(text), QMessageBox::Ok,
                    parent_);
    Exec(box);
}

void QtDialogs::ShowAbout(const AboutInfo& about) {
    QDialog box(parent_);
    box.setObjectName("AboutBox");
    box.setModal(true);
    box.setWindowTitle(ToQString(about.title));

    auto* icon = new QLabel(&box);
    icon->setObjectName("AboutIcon");
    const QIcon image = AboutIconFor(about);
    if (!image.isNull()) {
        icon->setPixmap(image.pixmap(kAboutIconSize, kAboutIconSize));
    }
    icon->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    auto* description = new QLabel(ToQString(about.description), &box);
    description->setObjectName("AboutDescription");
    description->setTextFormat(Qt::PlainText);
    QFont bold = description->font();
    bold.setBold(true);
    description->setFont(bold);
    auto* notice = new QLabel(ToQString(about.notice), &box);
    notice->setObjectName("AboutNotice");
    notice->setTextFormat(Qt::PlainText);
    auto* ok = new QPushButton(QDialog::tr("OK"), &box);
    ok->setObjectName("AboutOk");
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, &box, &QDialog::accept);

    auto* lines = new QVBoxLayout;
    lines->addWidget(description);
    lines->addWidget(notice);
    lines->addStretch();
    lines->addWidget(ok, 0, Qt::AlignRight);
    auto* layout = new QHBoxLayout(&box);
    layout->setSpacing(16);
    layout->addWidget(icon, 0, Qt::AlignTop);
    layout->addLayout(lines, 1);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    box.adjustSize();
    Exec(box);
}

}  // namespace vorlane::ui::qt
