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

Tconvert::Tconvert(QWidget* parent)
    : PlainDialog(QStringLiteral("convert"), QStringLiteral("Convert"), QSize(404, 141), parent) {}

TfrmWAVAdv::TfrmWAVAdv(QWidget* parent)
    : PlainDialog(QStringLiteral("frmWAVAdv"), QStringLiteral("Set WAV Format"), QSize(391, 135), parent) {}

TfrmMP3Adv::TfrmMP3Adv(QWidget* parent)
    : PlainDialog(QStringLiteral("frmMP3Adv"), QStringLiteral("Set MP3 Format"), QSize(369, 249), parent) {}

TfrmOGGAdv::TfrmOGGAdv(QWidget* parent)
    : PlainDialog(QStringLiteral("frmOGGAdv"), QStringLiteral("Set OGG Format"), QSize(375, 243), parent) {}
