#pragma once

#include <QDialog>

class Prompts;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QSpinBox;
class QToolButton;
class SettingsStore;

// The options dialog: the default output folder, four switches and how a batch runs. OK stores them at once; Cancel
// stores nothing.
class OptionsDialog : public QDialog {
    Q_OBJECT
public:
    OptionsDialog(SettingsStore& settings, Prompts& prompts, QWidget* parent = nullptr);

public slots:
    void FormShow();
    void spSkinButton8Click();
    void Button1Click();
    void Button2Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    SettingsStore& settings_;
    Prompts& prompts_;
    QLineEdit* Edit_folder;
    QToolButton* spSkinButton8;
    QCheckBox* ch_checkitem;
    QCheckBox* ch_isopenfolder;
    QCheckBox* ch_copytag;
    QCheckBox* ch_savestate;
    QSpinBox* spin_jobs;
    QCheckBox* ch_evenloudness;
    QComboBox* combo_exists;
};
