#include "AboutBox.h"

#include "core/platform/Shell.h"
#include "gui/common/WindowPlacementHelpers.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

const QString AboutBox::ProductPage = QStringLiteral("https://tonalith.example/");

AboutBox::AboutBox(IShell& shell, QWidget* parent) : QDialog(parent), shell_(shell) {
    setObjectName(QStringLiteral("about"));
    setWindowTitle(tr("About"));
    setModal(true);

    auto* banner = new QLabel(this);
    banner->setObjectName(QStringLiteral("bannerPicture"));
    banner->setPixmap(QPixmap(QStringLiteral(":/pictures/about.jpg")));
    banner->setMinimumWidth(343);
    banner->setFixedHeight(64);
    banner->setScaledContents(true);

    auto* version = new QLabel(QStringLiteral("Tonalith  V2.23"), this);
    version->setObjectName(QStringLiteral("lblVersion"));
    QFont bold = version->font();
    bold.setBold(true);
    version->setFont(bold);

    auto* link = new QLabel(this);
    link->setObjectName(QStringLiteral("lblLink"));
    link->setText(QStringLiteral("<a href=\"%1\">tonalith.example</a>").arg(ProductPage));
    link->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    link->setOpenExternalLinks(false);
    link->setCursor(Qt::PointingHandCursor);
    connect(link, &QLabel::linkActivated, this, &AboutBox::openProductPage);

    auto* copyrightNotice = new QLabel(tr("Copyright (C) The Tonalith authors."), this);
    copyrightNotice->setObjectName(QStringLiteral("lblCopyright"));
    auto* codecsNotice = new QLabel(tr("Codecs: FFmpeg, LAME, libvorbis, libsndfile, spandsp"), this);
    codecsNotice->setObjectName(QStringLiteral("lblCodecs"));

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* text = new QVBoxLayout;
    text->setContentsMargins(12, 6, 12, 8);
    text->setSpacing(1);
    auto* top = new QHBoxLayout;
    top->addWidget(version);
    top->addStretch();
    top->addWidget(link);
    text->addLayout(top);
    text->addSpacing(3);
    text->addWidget(copyrightNotice);
    text->addWidget(codecsNotice);
    text->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    text->addLayout(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(banner);
    layout->addLayout(text);
    fixAtContentSize(*this, QSize(343, 177));
    centreOnScreen(*this);
}

void AboutBox::openProductPage() {
    shell_.open(ProductPage);
}
