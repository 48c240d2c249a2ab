// SPDX-License-Identifier: MIT
#include "app/platform/Dialogs.h"

#include "app/platform/Form.h"
#include "app/platform/Frame.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QLocale>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeView>

namespace {

// A box belongs to the modal window in use, else to the program's main window.
QWidget* Owner() {
    if (QWidget* modal = QApplication::activeModalWidget()) {
        return modal;
    }
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (qobject_cast<QMainWindow*>(window) && window->isVisible()) {
            return window;
        }
    }
    return QApplication::activeWindow();
}

// Centred on its owner and kept on the screen. Its size is known once its own show handler has
// laid it out, before it appears.
class CentredMessageBox : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

protected:
    void showEvent(QShowEvent* event) override {
        QMessageBox::showEvent(event);
        if (parentWidget()) {
            PlaceCentredOn(*this, *parentWidget()->window());
        }
    }
};

class QtMessagePresenter : public IMessagePresenter {
public:
    int Present(const QString& message, TMsgDlgType type, TMsgDlgButtons buttons,
                int /*helpContext*/) override {
        const bool error = type == TMsgDlgType::mtError;
        CentredMessageBox box(error ? QMessageBox::Critical : QMessageBox::Warning,
                              error ? QStringLiteral("Erreur") : QStringLiteral("Avertissement"),
                              message, QMessageBox::NoButton, Owner());
        QPushButton* ok = box.addButton(QMessageBox::Ok);
        ok->setText(QStringLiteral("OK"));
        if (buttons == TMsgDlgButtons::mbOKCancel) {
            box.addButton(QMessageBox::Cancel)->setText(QStringLiteral("Annuler"));
        }
        box.setDefaultButton(ok);
        box.exec();
        return box.clickedButton() == ok || buttons == TMsgDlgButtons::mbOK ? mrOk : mrCancel;
    }
};

std::unique_ptr<IMessagePresenter>& Presenter() {
    static std::unique_ptr<IMessagePresenter> presenter = std::make_unique<QtMessagePresenter>();
    return presenter;
}

// The columns of a file system model that the dialog shows.
enum FileColumn { kSizeColumn = 1, kDateColumn = 3 };

class ProgramLocaleFiles : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex& index, int role) const override {
        const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
        if (!files || role != Qt::DisplayRole) {
            return QIdentityProxyModel::data(index, role);
        }
        const QModelIndex file = mapToSource(index);
        if (index.column() == kSizeColumn && !files->isDir(file)) {
            return QLocale().formattedDataSize(files->size(file));
        }
        if (index.column() == kDateColumn) {
            return QLocale().toString(files->lastModified(file), QLocale::ShortFormat);
        }
        return QIdentityProxyModel::data(index, role);
    }
};

} // namespace

// Qt sizes the list's columns for English texts ("128.88 GB", "10/29/81 02:02PM"): the program's
// sizes, types and dates, longer, fit their columns instead, and the names take what is left of
// a dialog made wider for them.
void ListInProgramLocale(QFileDialog& dialog) {
    constexpr int kLeastWidth = 800;
    dialog.setProxyModel(new ProgramLocaleFiles(&dialog));
    dialog.resize(dialog.sizeHint().expandedTo(QSize(kLeastWidth, 0)));
    if (auto* list = dialog.findChild<QTreeView*>()) {
        QHeaderView* header = list->header();
        header->setStretchLastSection(false);
        header->setSectionResizeMode(QHeaderView::ResizeToContents);
        header->setSectionResizeMode(0, QHeaderView::Stretch);
    }
}

int MessageDlg(const QString& message, TMsgDlgType type, TMsgDlgButtons buttons, int helpContext) {
    return Presenter()->Present(message, type, buttons, helpContext);
}

void SetMessagePresenter(std::unique_ptr<IMessagePresenter> presenter) {
    Presenter() = presenter ? std::move(presenter) : std::make_unique<QtMessagePresenter>();
}
