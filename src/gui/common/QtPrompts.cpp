#include "QtPrompts.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace {
QMessageBox::Icon boxIcon(Prompts::Icon icon) {
    switch (icon) {
    case Prompts::Icon::Information:
        return QMessageBox::Information;
    case Prompts::Icon::Warning:
        return QMessageBox::Warning;
    case Prompts::Icon::Error:
        return QMessageBox::Critical;
    case Prompts::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QString captionOrTitle(const QString& caption) {
    return caption.isEmpty() ? QApplication::applicationDisplayName() : caption;
}
} // namespace

QWidget* QtPrompts::owner() const {
    return owner_ ? owner_.data() : QApplication::activeWindow();
}

void QtPrompts::message(const QString& caption, const QString& text, Icon icon) {
    QMessageBox box(boxIcon(icon), captionOrTitle(caption), text, QMessageBox::Ok, owner());
    box.exec();
}

bool QtPrompts::confirm(const QString& caption, const QString& text) {
    QMessageBox box(QMessageBox::Question, captionOrTitle(caption), text, QMessageBox::Yes | QMessageBox::No, owner());
    return box.exec() == QMessageBox::Yes;
}

std::optional<QString> QtPrompts::pickFolder(const QString& title, const QString& startFolder) {
    QFileDialog dialog(owner(), title, startFolder);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

QStringList QtPrompts::pickFilesToOpen(const QString& title, const QStringList& filters) {
    QFileDialog dialog(owner(), title);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setNameFilters(filters);
    if (!filters.isEmpty())
        dialog.selectNameFilter(filters.constFirst());
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles() : QStringList();
}

std::optional<QString> QtPrompts::askText(const QString& caption, const QString& label, const QString& initialText) {
    QInputDialog dialog(owner());
    dialog.setWindowTitle(captionOrTitle(caption));
    dialog.setLabelText(label);
    dialog.setTextValue(initialText);
    dialog.setInputMode(QInputDialog::TextInput);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}
