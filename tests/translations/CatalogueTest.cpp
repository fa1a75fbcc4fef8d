// The shipped catalogues: each lists exactly the texts the program shows today, every one translated, and every
// translation keeps what the program fills in or acts on (placeholders, mnemonics).
#include "CatalogueFile.h"
#include "support/TestSupport.h"

#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QStringList shippedLanguages() {
    return QString::fromUtf8(TONALITH_LANGUAGES).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

QString cataloguePath(const QString& language) {
    return QStringLiteral(TONALITH_SOURCE_DIR "/translations/tonalith_%1.ts").arg(language);
}

// The first few faults, enough to act on without flooding the log.
std::string firstOf(const QStringList& faults) {
    return faults.mid(0, 15).join(QLatin1Char('\n')).toStdString();
}

class ShippedCatalogue : public testing::TestWithParam<std::string> {};

TEST_P(ShippedCatalogue, TranslatesEveryTextAndKeepsNoneThatIsGone) {
    const CatalogueFile file = CatalogueFile::read(cataloguePath(QString::fromStdString(GetParam())));
    ASSERT_TRUE(file.error.isEmpty()) << file.error.toStdString();
    ASSERT_FALSE(file.messages.isEmpty());
    QStringList faults;
    for (const CatalogueMessage& message : file.messages) {
        const bool empty = std::all_of(message.translations.cbegin(), message.translations.cend(),
                                       [](const QString& text) { return text.isEmpty(); });
        if (!message.type.isEmpty() || empty)
            faults.append(QStringLiteral("%1 (%2): \"%3\"")
                              .arg(message.type.isEmpty() ? QStringLiteral("empty") : message.type, message.context,
                                   message.source));
    }
    EXPECT_TRUE(faults.isEmpty()) << faults.size() << " of " << file.messages.size() << " messages in " << GetParam()
                                  << " are unfinished, vanished or obsolete:\n"
                                  << firstOf(faults);
}

TEST_P(ShippedCatalogue, TranslationsKeepPlaceholdersAndMnemonics) {
    const CatalogueFile file = CatalogueFile::read(cataloguePath(QString::fromStdString(GetParam())));
    ASSERT_TRUE(file.error.isEmpty()) << file.error.toStdString();
    static const QRegularExpression placeholder(QStringLiteral("%L?(\\d+)"));
    // A single & before a character marks the key; && is a plain ampersand, &amp; and the like are entities.
    static const QRegularExpression mnemonic(QStringLiteral("(?<!&)&(?![&#]|[A-Za-z]+;)\\S"));
    QStringList faults;
    for (const CatalogueMessage& message : file.messages) {
        if (!message.type.isEmpty())
            continue;
        QSet<QString> wanted;
        for (auto match = placeholder.globalMatch(message.source); match.hasNext();)
            wanted.insert(match.next().captured(1));
        for (const QString& translation : message.translations) {
            QSet<QString> found;
            for (auto match = placeholder.globalMatch(translation); match.hasNext();)
                found.insert(match.next().captured(1));
            if (found != wanted)
                faults.append(QStringLiteral("placeholders differ: \"%1\" -> \"%2\"").arg(message.source, translation));
            if (mnemonic.match(message.source).hasMatch() && !mnemonic.match(translation).hasMatch())
                faults.append(QStringLiteral("mnemonic lost: \"%1\" -> \"%2\"").arg(message.source, translation));
        }
    }
    EXPECT_TRUE(faults.isEmpty()) << firstOf(faults);
}

std::vector<std::string> shippedLanguageCodes() {
    std::vector<std::string> codes;
    for (const QString& language : shippedLanguages())
        codes.push_back(language.toStdString());
    return codes;
}

INSTANTIATE_TEST_SUITE_P(Languages, ShippedCatalogue, testing::ValuesIn(shippedLanguageCodes()),
                         [](const testing::TestParamInfo<std::string>& language) { return language.param; });

// A text added to the sources, or one whose English changed, must reach the catalogues (update_translations);
// otherwise it shows in English to everyone.
TEST(ShippedCatalogues, ListEveryTextTheSourcesShow) {
    QTemporaryDir scratch;
    const QString fresh = scratch.filePath(QStringLiteral("fresh.ts"));
    const auto run =
        testsupport::runTool(QStringLiteral(TONALITH_LUPDATE),
                             {QStringLiteral("-silent"), QStringLiteral("-locations"), QStringLiteral("none"),
                              QStringLiteral(TONALITH_SOURCE_DIR "/src/core"),
                              QStringLiteral(TONALITH_SOURCE_DIR "/src/gui"), QStringLiteral("-ts"), fresh});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const CatalogueFile sources = CatalogueFile::read(fresh);
    ASSERT_TRUE(sources.error.isEmpty()) << sources.error.toStdString();
    QSet<QString> wanted;
    for (const CatalogueMessage& message : sources.messages)
        wanted.insert(message.key());
    ASSERT_GT(wanted.size(), 100);

    for (const QString& language : shippedLanguages()) {
        const CatalogueFile file = CatalogueFile::read(cataloguePath(language));
        QSet<QString> listed;
        for (const CatalogueMessage& message : file.messages) {
            if (message.type != QLatin1String("vanished") && message.type != QLatin1String("obsolete"))
                listed.insert(message.key());
        }
        const QSet<QString> missing = wanted - listed;
        const QSet<QString> stale = listed - wanted;
        EXPECT_TRUE(missing.isEmpty()) << language.toStdString() << " lacks " << missing.size() << " texts:\n"
                                       << firstOf(QStringList(missing.cbegin(), missing.cend()));
        EXPECT_TRUE(stale.isEmpty()) << language.toStdString() << " lists " << stale.size()
                                     << " texts the sources no longer show:\n"
                                     << firstOf(QStringList(stale.cbegin(), stale.cend()));
    }
}

} // namespace
