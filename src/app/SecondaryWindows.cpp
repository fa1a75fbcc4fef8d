#include "SecondaryWindows.h"

#include "ui/WindowPlacementHelpers.h"

PlainDialog::PlainDialog(const QString& objectName, const QString& caption, QSize clientSize, QWidget* parent)
    : QDialog(parent) {
    setObjectName(objectName);
    setWindowTitle(caption);
    setFixedSize(clientSize);
    setModal(true);
    centreOnScreen(*this);
}

Tid3editor::Tid3editor(QWidget* parent)
    : PlainDialog(QStringLiteral("id3editor"), QStringLiteral("Audio File Info Editor"), QSize(428, 424), parent) {}


Tid3editor_help::Tid3editor_help(QWidget* parent)
    : PlainDialog(QStringLiteral("id3editor_help"), QStringLiteral("Help"), QSize(330, 200), parent) {}
