#include "PseudoText.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

// What the program fills in or acts on must come through exactly; the rest is bracketed and longer.
TEST(PseudoText, BracketsAndLengthensButKeepsWhatTheProgramActsOn) {
    struct Case {
        const char* english;
        QStringList kept;
    };
    const Case cases[] = {
        {"&File", {"&File"}},
        {"Total %1%", {"%1"}},
        {"%1 of %n outputs were made. Not made:", {"%1", "%n"}},
        {"The file \"%1\" cannot be read: %2.", {"%1", "%2"}},
        {"<a href=\"help\" style=\"color: palette(link)\"> What is audio file info?</a>",
         {"<a href=\"help\" style=\"color: palette(link)\">", "</a>"}},
        {"Salt &amp; pepper && more %L1", {"&amp;", "&&", "%L1"}},
    };
    for (const Case& c : cases) {
        const QString english = QString::fromUtf8(c.english);
        const QString pseudo = pseudoText(english);
        EXPECT_TRUE(pseudo.startsWith(QLatin1Char('[')) && pseudo.endsWith(QLatin1Char(']'))) << pseudo.toStdString();
        EXPECT_TRUE(pseudo.contains(english)) << pseudo.toStdString();
        // Longer by 40 % of what is seen: markup takes no room, an entity one character.
        const auto seen = [](QString text) {
            return text.remove(QRegularExpression(QStringLiteral("<[^>]*>")))
                .replace(QRegularExpression(QStringLiteral("&[A-Za-z]+;")), QStringLiteral("x"))
                .remove(QStringLiteral("&&"))
                .remove(QLatin1Char('&'))
                .size();
        };
        EXPECT_GE(seen(pseudo) - 2, seen(english) * 1.4) << pseudo.toStdString();
        for (const QString& part : c.kept)
            EXPECT_EQ(pseudo.count(part), english.count(part)) << part.toStdString() << " in " << pseudo.toStdString();
        // The padding adds no placeholder, mnemonic or tag of its own.
        EXPECT_EQ(pseudo.count(QLatin1Char('%')), english.count(QLatin1Char('%')));
        EXPECT_EQ(pseudo.count(QLatin1Char('&')), english.count(QLatin1Char('&')));
        EXPECT_EQ(pseudo.count(QLatin1Char('<')), english.count(QLatin1Char('<')));
    }
    EXPECT_EQ(pseudoText(QString()), QString());
    EXPECT_EQ(pseudoText(QStringLiteral(" ")), QStringLiteral(" "));
}

} // namespace
