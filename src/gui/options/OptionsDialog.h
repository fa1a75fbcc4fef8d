#pragma once

#include <QDialog>

class Prompts;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QSpinBox;
class QToolButton;
class SettingsStore;

// The options dialog: the default output folder, five switches and how a batch runs. OK stores them at once; Cancel
// stores nothing.
class OptionsDialog : public QDialog {
    Q_OBJECT
public:
    OptionsDialog(SettingsStore& settings, Prompts& prompts, QWidget* parent = nullptr);

public slots:
    // Puts the stored settings into the controls; every showing starts from them.
    void showStoredSettings();
    void chooseDefaultFolder();
    // Stores the choices and closes; a store that cannot be written is reported, and the choices hold for this run.
    void storeAndClose();

protected:
    void showEvent(QShowEvent* event) override;

private:
    SettingsStore& settings_;
    Prompts& prompts_;
    QLineEdit* Edit_folder;
    QToolButton* chooseFolderButton;
    QCheckBox* ch_checkitem;
    QCheckBox* ch_isopenfolder;
    QCheckBox* ch_copytag;
    QCheckBox* ch_notify;
    QCheckBox* ch_savestate;
    QSpinBox* spin_jobs;
    QCheckBox* ch_evenloudness;
    QCheckBox* ch_verify;
    QCheckBox* ch_replaygain;
    QCheckBox* ch_hiddentrack;
    QComboBox* combo_exists;
    QLineEdit* edit_soundlanguages;
    QComboBox* combo_language;
};
