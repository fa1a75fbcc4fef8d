#pragma once

#include "core/ports/Prompts.h"

#include <QPointer>
#include <QWidget>

// The real message boxes and dialogs, owned by the given window (or the active window when there is none).
class QtPrompts : public Prompts {
public:
    explicit QtPrompts(QWidget* owner = nullptr) : owner_(owner) {}
    void setOwner(QWidget* owner) { owner_ = owner; }

    void message(const QString& caption, const QString& text, Icon icon) override;
    bool confirm(const QString& caption, const QString& text) override;
    std::optional<QString> pickFolder(const QString& title, const QString& startFolder) override;
    QStringList pickFilesToOpen(const QString& title, const QStringList& filters) override;
    std::optional<QString> askText(const QString& caption, const QString& label, const QString& initialText) override;

private:
    [[nodiscard]] QWidget* owner() const;

    QPointer<QWidget> owner_;
};
