// The windows in another language: under the test language every text a window shows is bracketed (so none escaped
// translation), and the desktop's language (LANGUAGE, set by CTest per language) is what the menus and dialogs
// show, as its catalogue says, with English for a language that is not shipped.
#include "core/platform/Registration.h"
#include "core/settings/LanguageChoice.h"
#include "fakes/FakeComponentSet.h"
#include "fakes/FakePrompts.h"
#include "fakes/FakeShell.h"
#include "gui/browser/FolderProperties.h"
#include "gui/main/Application.h"
#include "gui/main/Translations.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileSystemModel>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSet>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <optional>

namespace {

QString catalogueFolder() {
    return QStringLiteral(TONALITH_CATALOGUE_DIR);
}

// Names and numbers that are the same in every language: format and tag names, the product, units of nothing.
bool sameInEveryLanguage(const QString& text) {
    static const QSet<QString> names{
        // Format and tag names, and the product's.
        "MP3", "MP2", "WMA", "OGG", "VOX", "RAW", "GSM", "G.721", "G.723", "G.726", "DSP", "ADPCM", "FLAC", "ALAC",
        "AAC (M4A)", "Opus", "PCM", "PCM (Standard WAV)", "ADPCM (Compressed WAV )", "GSM (WAV)", "DSP (WAV)", "ID3v1",
        "ID3v2", "Tonalith", "Tonalith  V2.23", "tonalith.example",
        // The MP3 encoder's presets, under the names its documentation and command line use.
        "Phone", "SW", "AM", "FM", "Voice", "Radio", "Type", "HiFi", "CD", "Studio", "R3Mix", "Fast Standard",
        "Standard", "Fast Extreme", "Extrene", "Insane"};
    static const QRegularExpression noWords(QStringLiteral("^[^A-Za-z]*$"));
    return names.contains(text) || noWords.match(text).hasMatch();
}

QString plainText(const QString& shown) {
    if (!Qt::mightBeRichText(shown))
        return shown;
    QTextDocument document;
    document.setHtml(shown);
    return document.toPlainText();
}

// Every text a reader sees in a window: titles, labels, buttons, group and tab titles, menus, list headings.
// Values the window shows (a path, a size, a date) are named by the caller and left out.
QStringList shownTexts(const QWidget& window, const QSet<QString>& valueControls) {
    QStringList texts;
    const auto add = [&texts](const QString& where, const QString& text) {
        const QString plain = plainText(text).trimmed();
        if (!plain.isEmpty())
            texts.append(where + QStringLiteral(": ") + plain);
    };
    add(window.objectName() + QStringLiteral(" title"), window.windowTitle());
    for (const QWidget* control : window.findChildren<QWidget*>()) {
        if (!control->isVisibleTo(&window) || valueControls.contains(control->objectName()))
            continue;
        const QString where = window.objectName() + QLatin1Char('/') + control->objectName();
        if (const auto* label = qobject_cast<const QLabel*>(control))
            add(where, label->text());
        else if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
            // Standard buttons are labelled by Qt's own catalogue, which the test language does not have.
            const auto* box = qobject_cast<const QDialogButtonBox*>(button->parentWidget());
            if (box == nullptr ||
                box->standardButton(const_cast<QAbstractButton*>(button)) == QDialogButtonBox::NoButton)
                add(where, button->text());
        } else if (const auto* group = qobject_cast<const QGroupBox*>(control))
            add(where, group->title());
        else if (const auto* tabs = qobject_cast<const QTabWidget*>(control))
            for (int index = 0; index < tabs->count(); ++index)
                add(where, tabs->tabText(index));
        else if (const auto* view = qobject_cast<const QAbstractItemView*>(control)) {
            // A file system view's headings are Qt's own, translated by Qt's catalogue, which the test language
            // does not have.
            if (view->model() == nullptr || qobject_cast<const QFileSystemModel*>(view->model()) != nullptr)
                continue;
            for (int column = 0; column < view->model()->columnCount(); ++column)
                add(where, view->model()->headerData(column, Qt::Horizontal).toString());
        }
    }
    for (const QMenuBar* bar : window.findChildren<QMenuBar*>()) {
        for (const QAction* menuAction : bar->actions()) {
            add(QStringLiteral("menu"), menuAction->text());
            if (menuAction->menu() == nullptr)
                continue;
            for (const QAction* item : menuAction->menu()->actions())
                add(QStringLiteral("menu item"), item->text());
        }
    }
    for (const QMenu* menu : window.findChildren<QMenu*>()) {
        if (menu->parentWidget() == nullptr || qobject_cast<const QMenuBar*>(menu->parentWidget()) != nullptr)
            continue;
        for (const QAction* item : menu->actions())
            add(QStringLiteral("popup item"), item->text());
    }
    return texts;
}

struct Windows {
    QTemporaryDir scratch;
    FakeComponentSetFactory factory;
    FakePrompts prompts;
    FakeShell shell;
    NoRegistrationTool registration;
    std::optional<ApplicationWindows> windows;

    Windows() {
        QDir(scratch.path()).mkpath(QStringLiteral("program"));
        windows.emplace(
            factory, registration, shell, prompts,
            ProgramLocations::forExecutable(scratch.filePath(QStringLiteral("program/tonalith")), scratch.path()));
    }
    MainWindow& main() { return *windows->main; }
    QList<QDialog*> dialogs() {
        QList<QDialog*> found;
        for (QDialog* dialog : main().findChildren<QDialog*>()) {
            if (dialog->isWindow())
                found.append(dialog);
        }
        return found;
    }
};

bool showAndWait(QWidget& window) {
    window.show();
    const bool exposed = QTest::qWaitForWindowExposed(&window);
    QTest::qWait(50);
    return exposed;
}

} // namespace

class TranslatedWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void everyShownTextGoesThroughTranslation() {
        const InstalledTranslations pseudo(LanguageChoice::PseudoLanguage, catalogueFolder());
        QVERIFY2(pseudo.installed(), "the test language's catalogue was not built");
        Windows built;
        QStringList texts;
        QVERIFY(showAndWait(built.main()));
        texts += shownTexts(built.main(), {});
        built.main().toggleFormatOptionsPane();
        QApplication::processEvents();
        texts += shownTexts(built.main(), {});
        const QList<QDialog*> dialogs = built.dialogs();
        QVERIFY(dialogs.size() >= 8);
        for (QDialog* dialog : dialogs) {
            QVERIFY(showAndWait(*dialog));
            // Hidden tab pages count too: shownTexts reads every tab's title, and each page's controls are
            // looked at with the page brought forward.
            for (QTabWidget* tabs : dialog->findChildren<QTabWidget*>()) {
                for (int index = 0; index < tabs->count(); ++index) {
                    tabs->setCurrentIndex(index);
                    texts += shownTexts(*dialog, {QStringLiteral("formatLabel")});
                }
            }
            texts += shownTexts(*dialog, {QStringLiteral("formatLabel")});
            dialog->hide();
        }
        QTemporaryDir folder;
        FolderProperties properties(folder.path());
        QVERIFY(showAndWait(properties));
        texts += shownTexts(properties, {QStringLiteral("txtName"), QStringLiteral("txtLocation"),
                                         QStringLiteral("txtSize"), QStringLiteral("txtModified")});

        QStringList untranslated;
        for (const QString& entry : texts) {
            const QString text = entry.section(QStringLiteral(": "), 1);
            const bool bracketed = text.startsWith(QLatin1Char('[')) && text.endsWith(QLatin1Char(']'));
            if (!bracketed && !sameInEveryLanguage(text) && !untranslated.contains(entry))
                untranslated.append(entry);
        }
        for (const QString& entry : untranslated)
            qWarning("not translated: %s", qPrintable(entry));
        QVERIFY2(untranslated.isEmpty(),
                 qPrintable(QStringLiteral("%1 texts are shown without translation").arg(untranslated.size())));
    }

    // Run by CTest once per shipped language with LANGUAGE set, and once with a language nobody ships.
    void desktopLanguageShows() {
        const QString expected = qEnvironmentVariable("TONALITH_EXPECTED_CATALOGUE");
        const QString code = catalogueCodeForThisStart(QString());
        QCOMPARE(code, expected);
        const InstalledTranslations translations(code, catalogueFolder());
        QCOMPARE(translations.installed(), !code.isEmpty());
        Windows built;

        struct Shown {
            const char* context;
            const char* english;
            QString text;
        };
        const auto menuTitle = [&built](const char* name) {
            return built.main().findChild<QMenu*>(QLatin1String(name))->title();
        };
        QDialog* options = built.main().findChild<QDialog*>(QStringLiteral("options"));
        QDialog* tagEditor = built.main().findChild<QDialog*>(QStringLiteral("Tid3editor"));
        QVERIFY(options != nullptr && tagEditor != nullptr);
        const QList<Shown> shown{
            {"MainWindow", "&File", menuTitle("fileMenu")},
            {"MainWindow", "&Action", menuTitle("actionMenu")},
            {"MainWindow", "&Help", menuTitle("helpMenu")},
            {"OptionsDialog", "Options", options->windowTitle()},
            {"OptionsDialog", "General", options->findChildren<QGroupBox*>().last()->title()},
            {"TagEditorWindow", "Audio File Info Editor", tagEditor->windowTitle()},
        };
        for (const Shown& entry : shown) {
            const QString english = QString::fromUtf8(entry.english);
            if (code.isEmpty()) {
                QCOMPARE(entry.text, english);
                continue;
            }
            const QString translated = translations.catalogue()->translate(entry.context, entry.english);
            QVERIFY2(!translated.isEmpty() && translated != english,
                     qPrintable(QStringLiteral("%1 has no translation of \"%2\"").arg(code, english)));
            QCOMPARE(entry.text, translated);
        }
    }
};

QTEST_MAIN(TranslatedWindowsTest)
#include "TranslatedWindowsTest.moc"
