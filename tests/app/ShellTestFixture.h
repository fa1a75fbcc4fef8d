#pragma once

#include "app/Application.h"
#include "app/Tmain.h"
#include "fakes/FakeComponentSet.h"
#include "fakes/FakePrompts.h"
#include "fakes/FakeShell.h"
#include "platform/IniFile.h"
#include "platform/Registration.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Records the registration parameters, and joins them into the factory's call log so their order shows.
class RecordingRegistration : public IRegistrationTool {
public:
    explicit RecordingRegistration(std::shared_ptr<QStringList> log) : log_(std::move(log)) {}
    QStringList parameters;
    bool registerLibrary(const QString& text) override {
        parameters.append(text);
        log_->append(QStringLiteral("register(%1)").arg(text));
        return false;
    }

private:
    std::shared_ptr<QStringList> log_;
};

// A program folder of its own with the empty-list picture, fake components, shell and prompts.
class ShellTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    FakeComponentSetFactory factory;
    RecordingRegistration registration{factory.log};
    FakeShell shell;
    FakePrompts prompts;
    ProgramLocations locations;

    void SetUp() override {
        QDir(dir.path()).mkpath(QStringLiteral("program"));
        locations = ProgramLocations::forExecutable(dir.filePath(QStringLiteral("program/tonalith")), dir.path());
        QImage picture(8, 8, QImage::Format_RGB32);
        picture.fill(Qt::white);
        ASSERT_TRUE(picture.save(locations.programFolder + QStringLiteral("drag.bmp"), "BMP"));
    }

    [[nodiscard]] MainWindowServices services() { return {factory, registration, shell, prompts, locations}; }
    [[nodiscard]] std::unique_ptr<ApplicationWindows> start() {
        return std::make_unique<ApplicationWindows>(services());
    }
    [[nodiscard]] IniFile settingsFile() const { return IniFile(locations.settingsPath); }
    [[nodiscard]] IniFile placementFile() const { return IniFile(locations.placementPath); }
    [[nodiscard]] bool settingsFileExists() const { return QFileInfo::exists(locations.settingsPath); }
};
