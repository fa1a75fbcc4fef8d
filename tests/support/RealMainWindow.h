#pragma once

#include "TestSupport.h"
#include "core/components/ComponentSet.h"
#include "core/components/playback/AudioPlayerComponent.h"
#include "core/list/ConversionListModel.h"
#include "core/platform/Registration.h"
#include "fakes/FakePrompts.h"
#include "fakes/FakeShell.h"
#include "gui/list/ConversionListPanel.h"
#include "gui/main/Application.h"
#include "gui/main/MainWindow.h"

#include <QAbstractItemView>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

// Every window of the program on the real components, with the Prompts and shell fakes and a program folder of its
// own. Tests add list rows straight into the list's model, as if the files had been probed.
class RealMainWindow {
public:
    QTemporaryDir dir;
    FakePrompts prompts;
    FakeShell shell;
    ComponentSetFactory factory{[] { return std::make_unique<AudioPlayerComponent>(); }};
    NoRegistrationTool registration;
    ProgramLocations locations;
    std::unique_ptr<ApplicationWindows> windows;

    // settings: the text of settings.ini at start-up; none gives the defaults.
    explicit RealMainWindow(const QByteArray& settings = {}) {
        QDir(dir.path()).mkpath(QStringLiteral("program"));
        locations = ProgramLocations::forExecutable(dir.filePath(QStringLiteral("program/tonalith")), dir.path());
        if (!settings.isEmpty()) {
            QFile file(locations.settingsPath);
            if (!file.open(QIODevice::WriteOnly) || file.write(settings) != settings.size())
                qFatal("the test cannot write its settings.ini");
        }
        QImage picture(8, 8, QImage::Format_RGB32);
        picture.fill(Qt::white);
        picture.save(locations.programFolder + QStringLiteral("drag.bmp"), "BMP");
        windows = std::make_unique<ApplicationWindows>(factory, registration, shell, prompts, locations);
        prompts.shown.clear();
    }

    [[nodiscard]] MainWindow& main() { return *windows->main; }
    [[nodiscard]] ConversionListPanel& list() { return main().conversionList(); }

    void addRow(const QString& fullName, bool video = false, bool checked = true) {
        auto* view = main().findChild<QAbstractItemView*>(QStringLiteral("conversionListView"));
        auto* model = view != nullptr ? dynamic_cast<ConversionListModel*>(view->model()) : nullptr;
        if (model == nullptr)
            qFatal("the conversion list's model is not where the test looks for it");
        ConversionRow row;
        row.fullName = fullName;
        row.format = video ? QStringLiteral("(Video) test clip") : QStringLiteral("(Audio) test tone");
        row.kind = video ? SourceKind::Video : SourceKind::Audio;
        row.checked = checked;
        model->append(std::move(row));
    }

    // A sine tone made with sox; the test fails when sox cannot make it.
    [[nodiscard]] QString tone(const QString& relativeName, double seconds, int rate = 8000, int channels = 1) {
        const QString path = dir.filePath(relativeName);
        QDir().mkpath(QFileInfo(path).path());
        const auto result = testsupport::runTool(
            QStringLiteral("sox"), {"-n", "-r", QString::number(rate), "-c", QString::number(channels), "-b", "16",
                                    path, "synth", QString::number(seconds), "sine", "440", "vol", "0.5"});
        if (result.exitCode != 0)
            qFatal("sox could not make a tone: %s", result.err.constData());
        return path;
    }
};
