#include "core/platform/HomeFolder.h"

#include <QDir>
#include <gtest/gtest.h>

TEST(HomeFolder, OnlyALeadingTildeAloneOrBeforeASeparatorIsTheHomeFolder) {
    const QString home = QDir::homePath();
    EXPECT_EQ(withHomeFolder(QStringLiteral("~")), home);
    EXPECT_EQ(withHomeFolder(QStringLiteral("~/")), home + QStringLiteral("/"));
    EXPECT_EQ(withHomeFolder(QStringLiteral("~/music/out put")), home + QStringLiteral("/music/out put"));
    for (const char* kept : {"", "~name/music", "/data/~/x", "music~", " ~/x", "./~"})
        EXPECT_EQ(withHomeFolder(QString::fromUtf8(kept)), QString::fromUtf8(kept)) << kept;
}
