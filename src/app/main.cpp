#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tonalith"));
    QLabel window(QStringLiteral("Tonalith"));
    window.setWindowTitle(QStringLiteral("Tonalith"));
    window.resize(647, 523);
    window.show();
    return QApplication::exec();
}
