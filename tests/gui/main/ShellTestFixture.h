#pragma once

#include "core/platform/IniFile.h"
#include "core/platform/Registration.h"
#include "fakes/FakeComponentSet.h"
#include "fakes/FakePrompts.h"
#include "fakes/FakeShell.h"
#include "gui/browser/ShellBrowser.h"
#include "gui/list/ConversionListPanel.h"
#include "gui/main/Application.h"
#include "gui/main/MainWindow.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QSlider>
#include <QSplitter>
#include <QTemporaryDir>
#include <QToolButton>
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

    [[nodiscard]] std::unique_ptr<ApplicationWindows> start() {
        return std::make_unique<ApplicationWindows>(factory, registration, shell, prompts, locations);
    }
    [[nodiscard]] IniFile settingsFile() const { return IniFile(locations.settingsPath); }
    [[nodiscard]] IniFile placementFile() const { return IniFile(locations.placementPath); }
    [[nodiscard]] bool settingsFileExists() const { return QFileInfo::exists(locations.settingsPath); }
};

// The main window's controls by their object names, wherever a panel holds them.
struct MainControls {
    explicit MainControls(QWidget& shown) : window(shown) {}

    template <typename T> T* find(const char* name) const {
        T* found = window.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    QWidget& window;
    QAction* addFilesAction = find<QAction>("addFilesAction");
    QAction* removeFileAction = find<QAction>("removeFileAction");
    QAction* exitAction = find<QAction>("exitAction");
    QAction* optionsAction = find<QAction>("optionsAction");
    QAction* formatOptionsPaneAction = find<QAction>("formatOptionsPaneAction");
    QAction* helpContentsAction = find<QAction>("helpContentsAction");
    QAction* emailSupportAction = find<QAction>("emailSupportAction");
    QSplitter* optionsPaneSplitter = find<QSplitter>("optionsPaneSplitter");
    QCheckBox* formatOptionsPaneCheck = find<QCheckBox>("formatOptionsPaneCheck");
    QLineEdit* outputFolderEdit = find<QLineEdit>("edit_output_folder");
    QToolButton* chooseFolderButton = find<QToolButton>("button_choose_folder");
    QComboBox* combo_filter = find<QComboBox>("combo_filter");
    QComboBox* cmbWMAProfile = find<QComboBox>("cmbWMAProfile");
    QComboBox* cmbG723Bits = find<QComboBox>("cmbG723Bits");
    QComboBox* cmbG726Bits = find<QComboBox>("cmbG726Bits");
    QLineEdit* txtWAVFormatString = find<QLineEdit>("txtWAVFormatString");
    QLineEdit* txtOGGFormatString = find<QLineEdit>("txtOGGFormatString");
    QLineEdit* txtG726FormatString = find<QLineEdit>("txtG726FormatString");
    QSlider* volumeSlider = find<QSlider>("volumeSlider");
    QCheckBox* chpcm = find<QCheckBox>("chpcm");
    QCheckBox* chMP3 = find<QCheckBox>("chMP3");
    QCheckBox* chOGG = find<QCheckBox>("chOGG");
    QCheckBox* chWMA = find<QCheckBox>("chWMA");
    QCheckBox* chADPCM = find<QCheckBox>("chADPCM");
    QCheckBox* chGSM = find<QCheckBox>("chGSM");
    QCheckBox* chDSP = find<QCheckBox>("chDSP");
    QCheckBox* chVOX = find<QCheckBox>("chVOX");
    QCheckBox* chraw = find<QCheckBox>("chraw");
    QCheckBox* chMP2 = find<QCheckBox>("chMP2");
    QCheckBox* chG721 = find<QCheckBox>("chG721");
    QCheckBox* chG723 = find<QCheckBox>("chG723");
    QCheckBox* chG726 = find<QCheckBox>("chG726");
};
