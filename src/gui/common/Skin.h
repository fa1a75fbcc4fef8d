#pragma once

#include <QColor>
#include <QHash>
#include <QString>

class QApplication;
class QSlider;

// The application-wide look: Qt's Fusion style, a light palette and one style sheet whose ${name} placeholders are
// filled from the skin's named colours.
class Skin {
public:
    // The skin the program ships with.
    static Skin standard();

    [[nodiscard]] QColor colour(const QString& name) const { return colours_.value(name); }
    [[nodiscard]] QString styleSheet() const;

    // Applies style, palette and style sheet to every window of the application.
    void applyTo(QApplication& application) const;
    // Gives a slider the skin's accent colour (the played part of the groove and the handle).
    void colourSlider(QSlider& slider) const;

private:
    QHash<QString, QColor> colours_;
    QString styleSheetTemplate_;
};
