#pragma once

#include <QDialog>
#include <QPointer>
#include <QString>
#include <QStringList>

#include "ui/dialogs.h"

class QFileDialog;

namespace vorlane::ui::qt {

// The logic's dialogs on Qt: the save dialog on QFileDialog, the error box on QMessageBox,
// the about box as a small modal dialog. Each dialog is built completely and then handed to
// Exec(), which a test overrides to examine and answer it without showing anything.
class QtDialogs : public Dialogs {
  public:
    explicit QtDialogs(QWidget* parent = nullptr) : parent_(parent) {}

    // The widget the dialogs are modal to: the main window's view, once it exists.
    void SetParentWidget(QWidget* parent) { parent_ = parent; }

    bool RunSaveDialog(SaveDialog& dialog) override;
    bool RunOpenDialog(OpenDialog& dialog) override;
    void ShowError(std::string_view title, std::string_view text) override;
    void ShowAbout(const AboutInfo& about) override;

    // "Description|*.a|Other|*.b" as Qt's name filters: "Description (*.a)", "Other (*.b)".
    static QStringList NameFilters(std::string_view filter);

  protected:
    // Runs a dialog modally and returns its result code.
    virtual int Exec(QDialog& dialog) { return dialog.exec(); }
    // The chosen file lies in a folder that does not exist; the save dialog stays open.
    virtual void WarnMissingFolder(const QString& folder);

  private:
    QPointer<QWidget> parent_;
};

}  // namespace vorlane::ui::qt
