// Draws the program's pictures: the splash and about banners (JPEG) and the empty-list picture (BMP).
// Usage: tonalith-make-pictures <output folder>. The results are committed; run this only to change them.
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace {

const QColor Deep(0x1f, 0x3a, 0x5f);
const QColor Sea(0x2f, 0x7d, 0x9a);
const QColor Light(0xe9, 0xf1, 0xf7);

void drawWave(QPainter& painter, const QRectF& area, QColor colour, double cycles, double phase) {
    QPainterPath path;
    const int steps = 240;
    for (int i = 0; i <= steps; ++i) {
        const double t = static_cast<double>(i) / steps;
        const double envelope = std::sin(t * M_PI);
        const double y = area.center().y() + envelope * area.height() / 2 * std::sin(2 * M_PI * cycles * t + phase);
        const QPointF point(area.left() + t * area.width(), y);
        if (i == 0)
            path.moveTo(point);
        else
            path.lineTo(point);
    }
    painter.setPen(QPen(colour, 2.0));
    painter.drawPath(path);
}

QImage banner(QSize size, int titleSize, bool withTagline) {
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient gradient(0, 0, size.width(), size.height());
    gradient.setColorAt(0, Deep);
    gradient.setColorAt(1, Sea);
    painter.fillRect(image.rect(), gradient);

    const QRectF waves(size.width() * 0.64, size.height() * 0.15, size.width() * 0.33, size.height() * 0.7);
    drawWave(painter, waves, QColor(255, 255, 255, 70), 5, 0);
    drawWave(painter, waves, QColor(255, 255, 255, 120), 3, 1.2);
    drawWave(painter, waves, QColor(255, 255, 255, 200), 2, 2.4);

    QFont title(QStringLiteral("DejaVu Sans"));
    title.setPixelSize(titleSize);
    title.setBold(true);
    painter.setFont(title);
    painter.setPen(Qt::white);
    const int left = size.height() / 5;
    const int baseline = withTagline ? size.height() / 2 + titleSize / 4 : size.height() / 2 + titleSize / 3;
    painter.drawText(left, baseline, QStringLiteral("Tonalith"));
    if (withTagline) {
        QFont tagline(QStringLiteral("DejaVu Sans"));
        tagline.setPixelSize(13);
        painter.setFont(tagline);
        painter.setPen(Light);
        painter.drawText(left + 2, baseline + 26, QStringLiteral("Batch audio converter"));
        painter.drawText(left + 2, size.height() - 14, QStringLiteral("Version 2.23"));
    }
    return image;
}

QImage dragPicture() {
    QImage image(QSize(200, 110), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor ink(0x9a, 0xae, 0xc2);
    painter.setPen(QPen(ink, 2, Qt::DashLine));
    painter.drawRoundedRect(QRectF(6, 6, 188, 98), 10, 10);
    painter.setPen(QPen(ink, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawLine(QPointF(100, 22), QPointF(100, 56));
    painter.drawPolyline(QPolygonF({QPointF(88, 45), QPointF(100, 57), QPointF(112, 45)}));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(12);
    painter.setFont(font);
    painter.setPen(QColor(0x6b, 0x7f, 0x94));
    painter.drawText(QRectF(0, 66, 200, 34), Qt::AlignCenter, QStringLiteral("Drag audio files here"));
    return image;
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath());
    const bool ok =
        banner(QSize(359, 157), 40, true).save(out.filePath(QStringLiteral("splash.jpg")), "JPG", 88) &&
        banner(QSize(343, 64), 28, false).save(out.filePath(QStringLiteral("about.jpg")), "JPG", 88) &&
        dragPicture().convertToFormat(QImage::Format_Indexed8).save(out.filePath(QStringLiteral("drag.bmp")), "BMP");
    return ok ? 0 : 1;
}
