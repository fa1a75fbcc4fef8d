#pragma once

#include "fakes/FakeComponentSet.h"
#include "fakes/FakePrompts.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>

// A component set of recording fakes for one dialog test, with the writer and the encoder at hand.
struct FakeDialogWorld {
    FakeComponentSetFactory factory;
    std::unique_ptr<ComponentSet> components = factory.create();
    FakePrompts prompts;

    FakeAudioFile2& writer() { return *factory.writer; }
    FakeAudioFile2LameEnc& encoder() { return *factory.mp3Encoder; }
    // The calls recorded since the last clear, only those of the given fake ("writer.", "mp3Encoder.").
    QStringList callsOf(const QString& prefix) const {
        QStringList calls;
        for (const QString& call : *factory.log)
            if (call.startsWith(prefix))
                calls.append(call);
        return calls;
    }
};

// The objectNames of the controls under a window that a screen reader would find without a name.
inline QStringList controlsWithoutAccessibleName(const QWidget& window) {
    QStringList missing;
    for (QWidget* control : window.findChildren<QWidget*>()) {
        const bool isControl = qobject_cast<QAbstractButton*>(control) || qobject_cast<QComboBox*>(control) ||
                               qobject_cast<QSlider*>(control) || qobject_cast<QAbstractSpinBox*>(control) ||
                               qobject_cast<QLineEdit*>(control) || qobject_cast<QPlainTextEdit*>(control) ||
                               qobject_cast<QTabWidget*>(control);
        // Line edits inside combo boxes and spin boxes are named through their owner.
        const bool inner = qobject_cast<QLineEdit*>(control) && (qobject_cast<QComboBox*>(control->parent()) ||
                                                                 qobject_cast<QAbstractSpinBox*>(control->parent()));
        if (isControl && !inner && control->accessibleName().isEmpty() && !control->objectName().startsWith("qt_"))
            missing.append(control->objectName());
    }
    return missing;
}
