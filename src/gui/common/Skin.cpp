#include "Skin.h"

#include <QApplication>
#include <QFile>
#include <QPalette>
#include <QSlider>
#include <QStyleFactory>

Skin Skin::standard() {
    Skin skin;
    skin.colours_ = {
        {QStringLiteral("window"), QColor(0xf3, 0xf5, 0xf8)},
        {QStringLiteral("panel"), QColor(0xfa, 0xfb, 0xfc)},
        {QStringLiteral("border"), QColor(0xc9, 0xd3, 0xdd)},
        {QStringLiteral("title"), QColor(0x1f, 0x3a, 0x5f)},
        {QStringLiteral("button"), QColor(0xff, 0xff, 0xff)},
        {QStringLiteral("hover"), QColor(0xe8, 0xf0, 0xf8)},
        {QStringLiteral("pressed"), QColor(0xd5, 0xe3, 0xf0)},
        {QStringLiteral("accent"), QColor(0x2f, 0x6f, 0xb0)},
        {QStringLiteral("accentHover"), QColor(0x25, 0x5c, 0x96)},
        {QStringLiteral("muted"), QColor(0x5b, 0x67, 0x73)},
        {QStringLiteral("readOnly"), QColor(0xf1, 0xf3, 0xf5)},
        {QStringLiteral("selection"), QColor(0xcf, 0xe2, 0xf5)},
    };
    QFile file(QStringLiteral(":/skin.qss"));
    if (file.open(QIODevice::ReadOnly))
        skin.styleSheetTemplate_ = QString::fromUtf8(file.readAll());
    return skin;
}

QString Skin::styleSheet() const {
    QString sheet = styleSheetTemplate_;
    for (auto it = colours_.cbegin(); it != colours_.cend(); ++it)
        sheet.replace(QStringLiteral("${%1}").arg(it.key()), it.value().name());
    return sheet;
}

void Skin::applyTo(QApplication& application) const {
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion")))
        QApplication::setStyle(fusion);
    QPalette palette = QApplication::palette();
    palette.setColor(QPalette::Window, colour(QStringLiteral("window")));
    palette.setColor(QPalette::Button, colour(QStringLiteral("button")));
    palette.setColor(QPalette::Highlight, colour(QStringLiteral("accent")));
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::AlternateBase, colour(QStringLiteral("panel")));
    QApplication::setPalette(palette);
    application.setStyleSheet(styleSheet());
}

void Skin::colourSlider(QSlider& slider) const {
    QPalette palette = slider.palette();
    palette.setColor(QPalette::Highlight, colour(QStringLiteral("accent")));
    palette.setColor(QPalette::Button, colour(QStringLiteral("button")));
    slider.setPalette(palette);
}
