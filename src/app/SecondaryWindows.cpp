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

TfrmWAVAdv::TfrmWAVAdv(QWidget* parent)
    : PlainDialog(QStringLiteral("frmWAVAdv"), QStringLiteral("Set WAV Format"), QSize(391, 135), parent) {}

TfrmMP3Adv::TfrmMP3Adv(QWidget* parent)
    : PlainDialog(QStringLiteral("frmMP3Adv"), QStringLiteral("Set MP3 Format"), QSize(369, 249), parent) {}

TfrmOGGAdv::TfrmOGGAdv(QWidget* parent)
    : PlainDialog(QStringLiteral("frmOGGAdv"), QStringLiteral("Set OGG Format"), QSize(375, 243), parent) {}

Tid3editor_help::Tid3editor_help(QWidget* parent)
    : PlainDialog(QStringLiteral("id3editor_help"), QStringLiteral("Help"), QSize(330, 200), parent) {}
