#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTextStream>
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>

// The source tree is read as text: every quoted include that names a file of src/ becomes an edge between the two
// files' areas (src/core/<area>, src/gui/<area>, src/cli). The windows may use the core, never the other way round,
// and no two areas may lean on each other through any chain of includes.
namespace {

const QString kSourceRoot = QStringLiteral(TONALITH_SOURCE_DIR "/src");

// "core/batch", "gui/main", "cli"; the component layer counts as one area.
QString areaOf(const QString& pathBelowSource) {
    const QStringList parts = pathBelowSource.split(QLatin1Char('/'));
    if (parts.size() >= 3 && (parts[0] == QLatin1String("core") || parts[0] == QLatin1String("gui")))
        return parts[0] + QLatin1Char('/') + parts[1];
    return parts[0];
}

using Edges = std::map<QString, std::map<QString, QStringList>>; // from area -> to area -> "file: include"

Edges readIncludeEdges() {
    static const QRegularExpression include(QStringLiteral(R"re(^\s*#\s*include\s*"([^"]+)")re"));
    const QDir root(kSourceRoot);
    Edges edges;
    QDirIterator files(kSourceRoot, {QStringLiteral("*.h"), QStringLiteral("*.cpp")}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString file = files.next();
        const QString from = areaOf(root.relativeFilePath(file));
        QFile text(file);
        if (!text.open(QIODevice::ReadOnly))
            throw std::runtime_error("cannot read " + file.toStdString());
        QTextStream lines(&text);
        while (!lines.atEnd()) {
            const auto match = include.match(lines.readLine());
            if (!match.hasMatch())
                continue;
            const QString beside = QFileInfo(file).dir().filePath(match.captured(1));
            const QString rooted = root.filePath(match.captured(1));
            const QString target = QFileInfo::exists(beside) ? beside : rooted;
            if (!QFileInfo::exists(target))
                continue; // a system or generated header
            const QString to = areaOf(root.relativeFilePath(QFileInfo(target).canonicalFilePath()));
            if (to != from)
                edges[from][to].append(root.relativeFilePath(file) + ": " + match.captured(1));
        }
    }
    return edges;
}

// One chain of areas that returns to its start, or nothing.
QStringList findCycle(const Edges& edges) {
    std::map<QString, int> state; // 1 on the current path, 2 done
    QStringList path;
    std::function<bool(const QString&)> visit = [&](const QString& area) {
        state[area] = 1;
        path.append(area);
        if (const auto out = edges.find(area); out != edges.end()) {
            for (const auto& [next, why] : out->second) {
                if (state[next] == 1) {
                    path.append(next);
                    return true;
                }
                if (state[next] == 0 && visit(next))
                    return true;
            }
        }
        path.removeLast();
        state[area] = 2;
        return false;
    };
    for (const auto& [area, out] : edges) {
        if (state[area] == 0 && visit(area))
            return path;
    }
    return {};
}

} // namespace

TEST(TreeLayout, TheSourceTreeIsWhereTheTestLooks) {
    ASSERT_TRUE(QFileInfo(kSourceRoot + "/core/components/ComponentSet.h").exists()) << kSourceRoot.toStdString();
    const Edges edges = readIncludeEdges();
    ASSERT_TRUE(edges.count(QStringLiteral("gui/main"))) << "no include of the main window was read";
}

TEST(TreeLayout, TheCoreNeverIncludesTheWindowsOrTheCommandLine) {
    const Edges edges = readIncludeEdges();
    QStringList upward;
    for (const auto& [from, out] : edges) {
        if (!from.startsWith(QLatin1String("core/")))
            continue;
        for (const auto& [to, why] : out) {
            if (!to.startsWith(QLatin1String("core/")))
                upward += why;
        }
    }
    EXPECT_TRUE(upward.isEmpty()) << upward.join(QLatin1Char('\n')).toStdString();
}

TEST(TreeLayout, NoTwoAreasDependOnEachOther) {
    const Edges edges = readIncludeEdges();
    const QStringList cycle = findCycle(edges);
    QStringList why;
    for (qsizetype step = 0; step + 1 < cycle.size(); ++step)
        why += edges.at(cycle[step]).at(cycle[step + 1]).first();
    EXPECT_TRUE(cycle.isEmpty()) << cycle.join(QStringLiteral(" -> ")).toStdString() << "\n"
                                 << why.join(QLatin1Char('\n')).toStdString();
}
